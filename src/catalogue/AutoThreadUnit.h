#pragma once
// AutoThread: one automatic pass over the list. It visits the items one at a
// time and hands each visit to the user-interface thread, so the interface
// stays responsive between items. The main window owns the current pass and
// joins it before it starts the next one or goes away.

#include <windows.h>

#include <atomic>
#include <functional>

#include "toolkit/Thread.h"

namespace vistrel {

// The words a pass shares with the user-interface thread; nothing else is
// shared, and these are atomic.
struct PassShared {
    std::atomic<bool>& autoRunActive;
    std::atomic<int>& stopRequest;
    std::atomic<int>& itemCount;
};

class AutoThread : public tk::Thread {
public:
    // Returns whether it captured: the pass then rests a moment, in this
    // thread, before the next item.
    using Step = std::function<bool(int tick, int index)>;

    AutoThread(int tick, PassShared shared, Step step);
    ~AutoThread() override;

    const int tick;

protected:
    void Execute() override;

private:
    static constexpr DWORD kRestMs = 10;
    int index_ = 0;
    PassShared shared_;
    Step step_;
};

}  // namespace vistrel
