// TPrintWndDlg: what its command gate carries out later. A close, a new
// thumbnail size or a refresh that came while a command held the list runs
// from a posted message once the command is over.

#include "main/WndCloseUnit.h"
#include "toolkit/Messages.h"

namespace vistrel {

CommandGate::Deferred TPrintWndDlg::MakeDeferredRequests() {
    CommandGate::Deferred deferred;
    deferred.close = [this] { Close(); };
    deferred.resize = [this] { ResizeThumbnails(); };
    deferred.refresh = [this](RefreshKind kind) { ToolButton1Click(kind); };
    return deferred;
}

void TPrintWndDlg::PostRunDeferred() {
    // Only our own post runs the deferred requests: anyone can post the number.
    if (!runDeferredPosted_) runDeferredPosted_ = PostMessageA(Handle(), tk::WM_VT_RUN_DEFERRED, 0, 0) != FALSE;
}

}  // namespace vistrel
