#pragma once
// Timer: SetTimer on the user-interface thread's plumbing window. An interval
// of 0 means no ticks (SetTimer would otherwise fire as fast as it can).

#include <windows.h>

#include "toolkit/Component.h"

namespace vistrel::tk {

class Timer : public Component {
public:
    Timer() = default;
    ~Timer() override;

    UINT Interval() const { return interval_; }
    void SetInterval(UINT milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    NotifyEvent OnTimer;

    // Called by the plumbing window for WM_TIMER.
    static void Dispatch(WPARAM id);

private:
    void Update();

    UINT interval_ = 1000;
    bool enabled_ = false;
    bool running_ = false;
};

}  // namespace vistrel::tk
