#pragma once
// BackgroundWork: what keeps the list current behind the user's back, the
// update thread that paces the change tick and the automatic passes that
// Timer1 starts. A ListHold pauses it: every command of the main window holds
// the list while it moves, restores or re-lays out windows.
//
// The holds double as the main window's count of running commands. Commands
// wait with message processing, so a click, a timer or a close can arrive in
// the middle of one; while the count is above 0, the main window records such
// requests instead of running them, and OnIdle tells it when the outermost
// command has ended. Only that last resume lets the update thread and the
// timer go on again.
//
// The threads are owned here and joined before this object goes away, so no
// worker ever calls into a window that is being destroyed.

#include <atomic>
#include <functional>
#include <memory>

#include "catalogue/AutoThreadUnit.h"
#include "catalogue/ListHold.h"
#include "catalogue/UpdateThreadUnit.h"

namespace vistrel {

namespace tk {
class Timer;
}

class BackgroundWork {
public:
    using PassStep = AutoThread::Step;

    // The timer is the one whose ticks start passes; autoChecked tells
    // whether "Auto" is on.
    BackgroundWork(tk::Timer& timer, std::function<bool()> autoChecked,
                   std::function<void()> changeTick, PassStep passStep);
    ~BackgroundWork();
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Lets the update thread run (created suspended with this object).
    void Start();

    bool Busy() const { return depth_ > 0; }
    // Runs when the outermost command has ended and background work resumed.
    std::function<void()> OnIdle;

    // Timer1's tick: starts a pass when one may start. `tick` is the pass
    // number it carries. Returns whether a pass was started.
    bool StartPass(int tick);
    bool PassRunning() const { return autoRunActive_.load(); }
    // What the change tick found (0: nothing); non-zero ends a running pass.
    void SetStopRequest(int kind) { stopRequest_ = kind; }
    int StopRequest() const { return stopRequest_.load(); }
    // The number of list items a pass walks, read by the pass before each item.
    void SetItemCount(int count) { itemCount_ = count; }

    // At close: the timer off for good, the change tick and any pass stopped
    // and joined. Nothing runs in the background afterwards. Called inside a
    // worker's call (the end of the session can arrive there), that worker
    // is only told to end: false then, and a later Stop joins it.
    bool Stop();
    bool Stopped() const { return stopped_; }

private:
    friend class ListHold;
    void Enter();
    void Leave();
    void WaitForPass();

    tk::Timer& timer_;
    std::function<bool()> autoChecked_;
    std::unique_ptr<TUpdateThread> updateThread_;
    std::unique_ptr<AutoThread> pass_;
    PassStep passStep_;
    int depth_ = 0;
    bool stopped_ = false;
    // Shared with the worker threads, hence atomic.
    std::atomic<bool> autoRunActive_{false};
    std::atomic<int> stopRequest_{0};
    std::atomic<int> itemCount_{0};
};

}  // namespace vistrel
