#include "catalogue/BackgroundWork.h"

#include <utility>

#include "toolkit/Timer.h"

namespace vistrel {

BackgroundWork::BackgroundWork(tk::Timer& timer, std::function<bool()> autoChecked,
                               std::function<void()> changeTick, PassStep passStep)
    : timer_(timer),
      autoChecked_(std::move(autoChecked)),
      updateThread_(std::make_unique<TUpdateThread>(std::move(changeTick))),
      passStep_(std::move(passStep)) {}

BackgroundWork::~BackgroundWork() { Stop(); }

void BackgroundWork::Start() {
    if (!stopped_ && !Busy()) updateThread_->Resume();
}

ListHold::ListHold(BackgroundWork* work) : work_(work) {
    if (work_) work_->Enter();
}

ListHold::ListHold(ListHold&& other) noexcept : work_(std::exchange(other.work_, nullptr)) {}

ListHold::~ListHold() {
    if (work_) work_->Leave();
}

void BackgroundWork::Enter() {
    ++depth_;
    updateThread_->Suspend();
    timer_.SetEnabled(false);
    // However "Auto" stands now: a pass started before it was unchecked still
    // runs, and its steps must not run inside the command.
    if (autoRunActive_) {
        stopRequest_ = 1;
        WaitForPass();
    }
}

void BackgroundWork::Leave() {
    if (--depth_ > 0 || stopped_) return;
    // A change tick already on its way when the pause began was skipped; the
    // next one comes a tick later.
    if (updateThread_->Started()) updateThread_->Resume();
    timer_.SetEnabled(autoChecked_());
    if (OnIdle) OnIdle();
}

bool BackgroundWork::StartPass(int tick) {
    if (stopped_ || Busy() || autoRunActive_ || stopRequest_ != 0) return false;
    // The previous pass has ended (autoRunActive_ is clear); join it first.
    pass_.reset();
    autoRunActive_ = true;
    pass_ = std::make_unique<AutoThread>(tick, PassShared{autoRunActive_, stopRequest_, itemCount_},
                                         passStep_);
    if (pass_->Resume()) return true;
    // A pass that never ran must not leave the flag set: every later pause
    // and the close would wait for it.
    pass_.reset();
    autoRunActive_ = false;
    return false;
}

void BackgroundWork::WaitForPass() {
    // Serves the pass's synchronised calls, so it can finish its current item
    // and see the stop request; any number of nested pauses may wait here.
    // Inside one of the pass's own steps there is nothing to wait for: the
    // pass sees the stop request once that step is over.
    if (pass_ && !pass_->WaitFor()) return;
    autoRunActive_ = false;
}

bool BackgroundWork::Stop() {
    if (!stopped_) {
        stopped_ = true;
        timer_.SetEnabled(false);
        stopRequest_ = 1;
    }
    // A worker whose call runs below us is only told to end; it is joined by
    // a later Stop, once that call has returned.
    const bool updateEnded = updateThread_->Stop();
    const bool passEnded = !pass_ || pass_->Stop();
    if (passEnded) autoRunActive_ = false;
    return updateEnded && passEnded;
}

}  // namespace vistrel
