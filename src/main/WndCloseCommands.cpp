// TPrintWndDlg: commands run one at a time. A command pauses the background
// for as long as it runs, and its waits process messages; whatever arrives
// meanwhile and would pull the list from under it (a close, a refresh, a new
// thumbnail size) is recorded here and carried out once the outermost command
// has ended.

#include "main/WndCloseUnit.h"
#include "toolkit/Application.h"
#include "toolkit/Messages.h"

namespace vistrel {

BackgroundWork::Pause TPrintWndDlg::PauseBackgroundWork() { return BackgroundWork::Pause(*background_); }

bool TPrintWndDlg::CommandMayStart() const {
    return !ClosingStarted() && !Busy() && !tk::Application::Instance().ServingAnyCall();
}

std::optional<BackgroundWork::Pause> TPrintWndDlg::TryBeginCommand() {
    if (!CommandMayStart()) return std::nullopt;
    return PauseBackgroundWork();
}

bool TPrintWndDlg::MustDefer() {
    // The end of a command posts the deferred work itself.
    if (Busy()) return true;
    if (!tk::Application::Instance().ServingAnyCall()) return false;
    // Posted messages wait until the worker's call has returned.
    PostMessageA(Handle(), tk::WM_VT_RUN_DEFERRED, 0, 0);
    return true;
}

void TPrintWndDlg::RunDeferred() {
    // Another command may have begun between the post and now; its own end
    // posts again.
    if (closing_ || MustDefer()) return;
    if (std::exchange(closePending_, false)) {
        // The close supersedes whatever else was asked for.
        pendingResize_ = false;
        pendingRefresh_ = nullptr;
        Close();
        return;
    }
    if (std::exchange(pendingResize_, false)) ResizeThumbnails();
    if (tk::Component* sender = std::exchange(pendingRefresh_, nullptr)) ToolButton1Click(*sender);
}

void TPrintWndDlg::BeginSizeHold() {
    if (!sizeHold_ && !ClosingStarted()) sizeHold_.emplace(*background_);
}

void TPrintWndDlg::EndSizeHold() {
    sizeHold_.reset();
    ResizeThumbnails();
}

}  // namespace vistrel
