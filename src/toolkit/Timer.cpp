#include "toolkit/Timer.h"

#include <unordered_set>

#include "toolkit/Application.h"

namespace vistrel::tk {

namespace {

// WM_TIMER may still be queued for a timer that was destroyed meanwhile.
std::unordered_set<Timer*>& LiveTimers() {
    static std::unordered_set<Timer*> timers;
    return timers;
}

UINT_PTR IdOf(Timer* timer) { return reinterpret_cast<UINT_PTR>(timer); }

}  // namespace

Timer::~Timer() {
    enabled_ = false;
    Update();
}

void Timer::SetInterval(UINT milliseconds) {
    interval_ = milliseconds;
    Update();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void Timer::Update() {
    HWND window = Application::Instance().UtilityWindow();
    if (running_) {
        KillTimer(window, IdOf(this));
        LiveTimers().erase(this);
        running_ = false;
    }
    if (enabled_ && interval_ > 0 && window) {
        running_ = SetTimer(window, IdOf(this), interval_, nullptr) != 0;
        if (running_) LiveTimers().insert(this);
    }
}

void Timer::Dispatch(WPARAM id) {
    auto* timer = reinterpret_cast<Timer*>(id);
    if (!LiveTimers().count(timer)) return;
    if (timer->OnTimer) timer->OnTimer(*timer);
}

}  // namespace vistrel::tk
