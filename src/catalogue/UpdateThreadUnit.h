#pragma once
// TUpdateThread: paces the change tick. Every 500 ms it hands one tick to the
// user-interface thread and waits until it has run there; the tick itself
// never runs on this thread.

#include <functional>

#include "toolkit/Thread.h"

namespace vistrel {

class TUpdateThread : public tk::Thread {
public:
    static constexpr unsigned kTickPauseMs = 500;

    explicit TUpdateThread(std::function<void()> changeTick);
    ~TUpdateThread() override;

protected:
    void Execute() override;

private:
    std::function<void()> changeTick_;
};

}  // namespace vistrel
