// TPrintWndDlg: translucency of the selected windows (transparent, a level
// chosen in TLebelDlg, released) and the interval dialog.

#include <vector>

#include "dialogs/LebelUnit.h"
#include "main/IntervalText.h"
#include "main/WndCloseUnit.h"
#include "toolkit/HintText.h"
#include "platform/Locale.h"

namespace vistrel {

namespace {

enum TranslucencyCommand { kTransparent = 0, kLevel = 1, kRelease = 2 };

}  // namespace

void TPrintWndDlg::ToolButton7Click(tk::Component& sender) {
    const auto running = gate_.TryBegin();
    if (!running) return;
    // The windows are gathered before the dialog waits: the list may change
    // under it, the windows stay what the user selected.
    std::vector<HWND> open;
    for (int i = ListView1.FirstSelected(); i >= 0; i = ListView1.NextSelected(i))
        if (const WindowEntry* entry = EntryOf(i); entry && !entry->minimized) open.push_back(WindowOf(*entry));
    const std::vector<HWND> targets = list_->PlacementTargets(open);
    // Nothing open is selected (a minimised window in Open Only mode): no
    // window to preview on, nothing to do.
    if (targets.empty()) return;

    int level = 0;
    if (sender.Tag == kLevel) {
        const HWND preview = targets.front();
        TLebelDlg dialog(preview, Handle());
        dialog.OnPreview = [this](HWND window, int opacity) {
            if (ListView1.FirstSelected() >= 0) layered_.Apply(window, static_cast<BYTE>(opacity));
        };
        SetForegroundWindow(preview);
        const bool accepted = dialog.ShowModal() == tk::mrOk;
        level = dialog.Position();
        if (!accepted) layered_.CancelPreview(preview);
        SetForegroundWindow(Handle());
        if (!accepted || gate_.ClosingStarted()) return;
    }
    for (const HWND target : targets) {
        if (gate_.ClosingStarted()) return;
        switch (sender.Tag) {
        case kTransparent:
        case kLevel:
            layered_.Apply(target, static_cast<BYTE>(sender.Tag == kLevel ? level : 0));
            break;
        case kRelease:
            layered_.Release(target);
            break;
        default:
            break;
        }
    }
}

void TPrintWndDlg::ToolButton18Click(tk::Component&) {
    const auto running = gate_.TryBegin();
    if (!running) return;
    // A command: a close that comes while the dialog is open waits for it.
    TLebelDlg dialog(nullptr, Handle());
    dialog.SetPosition(static_cast<int>(Timer1.Interval()));
    dialog.SetText(tk::ShortHint(ToolButton18.Hint, platform::IsLeadByte));
    if (dialog.ShowModal() != tk::mrOk || gate_.ClosingStarted()) return;
    Timer1.SetInterval(dialog.Position());
    Label1.SetCaption(IntervalText(Timer1.Interval()));
}

}  // namespace vistrel
