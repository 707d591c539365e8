// TPrintWndDlg: translucency of the selected windows (transparent, a level
// chosen in TLebelDlg, released), the interval dialog, and giving back at
// the end what the program changed.

#include <vector>

#include "dialogs/LebelUnit.h"
#include "main/IntervalText.h"
#include "main/WndCloseUnit.h"
#include "toolkit/HintText.h"
#include "platform/Layered.h"
#include "platform/Locale.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"

namespace vistrel {

namespace {

enum TranslucencyCommand { kTransparent = 0, kLevel = 1, kRelease = 2 };

LayeredBefore ReadBefore(HWND window) {
    LayeredBefore before{window, platform::HasLayeredStyle(window), std::nullopt};
    platform::LayeredState state;
    if (before.wasLayered && platform::ReadLayeredState(window, state))
        before.attributes = LayeredAttributes{state.key, state.alpha, state.flags};
    return before;
}

}  // namespace

void TPrintWndDlg::SetTranslucency(HWND window, BYTE opacity, bool on) {
    if (!layered_.Available() || !IsWindow(window)) return;
    if (!on) {
        ReleaseTranslucency(window);
        return;
    }
    // The program is ending: nothing is made translucent that nobody would
    // give back.
    if (tk::Application::Instance().Terminated()) return;
    const LayeredBefore before = ReadBefore(window);
    if (!before.wasLayered && !platform::SetLayeredStyle(window, true)) return;
    translucency_.NoteBefore(before);
    // A layered window without attributes is not drawn at all: the style
    // goes again when they cannot be set.
    if (!layered_.SetAttributes(window, 0, opacity, LWA_ALPHA) && !before.wasLayered) {
        platform::SetLayeredStyle(window, false);
        translucency_.Forget(window);
    }
}

void TPrintWndDlg::ReleaseTranslucency(HWND window) {
    if (!platform::HasLayeredStyle(window) || platform::SetLayeredStyle(window, false)) {
        translucency_.Forget(window);
        return;
    }
    // Busy for the moment: changing its style would wait for it. Fully
    // opaque it is visible at once (that sends no message), and its style
    // goes when it answers again, or at the end.
    layered_.SetAttributes(window, 0, 255, LWA_ALPHA);
    translucency_.NoteReleased(window);
}

void TPrintWndDlg::RetryReleasedTranslucency() {
    if (!translucency_.AnyReleased()) return;
    std::vector<HWND> released;
    for (const LayeredBefore& before : translucency_.Changed())
        if (before.released) released.push_back(static_cast<HWND>(before.window));
    for (const HWND window : released)
        if (!IsWindow(window) || platform::SetLayeredStyle(window, false)) translucency_.Forget(window);
}

void TPrintWndDlg::GiveBackOwnOpacity(const LayeredBefore& before) const noexcept {
    if (!before.attributes) return;
    layered_.SetAttributes(static_cast<HWND>(before.window), before.attributes->key, before.attributes->alpha,
                           before.attributes->flags);
}

void TPrintWndDlg::CancelLevelPreview(HWND window) {
    // The window as it was before the dialog: its own opacity back when its
    // program had layered it, else no layered style at all.
    for (const LayeredBefore& before : translucency_.Changed()) {
        if (before.window != window || RestoreOf(before) != LayeredRestore::RestoreAttributes) continue;
        GiveBackOwnOpacity(before);
        translucency_.Forget(window);
        return;
    }
    SetTranslucency(window, 0, false);
}

void TPrintWndDlg::ToolButton7Click(tk::Component& sender) {
    const auto running = TryBeginCommand();
    if (!running) return;
    Catalogue().EnumerateVisible();
    // The windows are gathered before the dialog waits: the list may change
    // under it, the windows stay what the user selected.
    std::vector<HWND> targets;
    for (int i = ListView1.FirstSelected(); i >= 0; i = ListView1.NextSelected(i))
        if (const WindowEntry* entry = EntryOf(i); entry && !entry->minimized)
            targets.push_back(Catalogue().PlacementTarget(WindowOf(*entry)));
    // Nothing open is selected (a minimised window in Open Only mode): no
    // window to preview on, nothing to do.
    if (targets.empty()) return;

    int level = 0;
    if (sender.Tag == kLevel) {
        const HWND preview = targets.front();
        TLebelDlg dialog(preview, Handle());
        dialog.OnPreview = [this](HWND window, int opacity) {
            if (ListView1.FirstSelected() >= 0) SetTranslucency(window, static_cast<BYTE>(opacity), true);
        };
        SetForegroundWindow(preview);
        const bool accepted = dialog.ShowModal() == tk::mrOk;
        level = dialog.Position();
        if (!accepted) CancelLevelPreview(preview);
        SetForegroundWindow(Handle());
        if (!accepted || ClosingStarted()) return;
    }
    for (const HWND target : targets) {
        if (ClosingStarted()) return;
        switch (sender.Tag) {
        case kTransparent:
        case kLevel:
            SetTranslucency(target, static_cast<BYTE>(sender.Tag == kLevel ? level : 0), true);
            ++translucencyCounter_;
            break;
        case kRelease:
            SetTranslucency(target, 0, false);
            break;
        default:
            break;
        }
    }
}

void TPrintWndDlg::ToolButton18Click(tk::Component&) {
    const auto running = TryBeginCommand();
    if (!running) return;
    // A command: a close that comes while the dialog is open waits for it.
    TLebelDlg dialog(nullptr, Handle());
    dialog.SetPosition(static_cast<int>(Timer1.Interval()));
    dialog.SetText(tk::ShortHint(ToolButton18.Hint, platform::IsLeadByte));
    if (dialog.ShowModal() != tk::mrOk || ClosingStarted()) return;
    Timer1.SetInterval(dialog.Position());
    Label1.SetCaption(IntervalText(Timer1.Interval()));
}

void TPrintWndDlg::RestoreTranslucencyAtExit() {
    if (!layered_.Available()) return;
    // A copy: the questions below wait, and what arrives meanwhile may
    // change the record.
    const std::vector<LayeredBefore> changed = translucency_.Changed();
    for (const LayeredBefore& before : changed) {
        const HWND window = static_cast<HWND>(before.window);
        if (!IsWindow(window)) continue;
        switch (RestoreOf(before)) {
        case LayeredRestore::RemoveStyle:
            // A window that does not answer cannot have its style changed
            // now; fully opaque it is visible all the same.
            if (platform::SetLayeredStyle(window, false))
                platform::RedrawNow(window);
            else
                layered_.SetAttributes(window, 0, 255, LWA_ALPHA);
            break;
        case LayeredRestore::RestoreAttributes:
            GiveBackOwnOpacity(before);
            break;
        case LayeredRestore::MakeOpaque:
            layered_.SetAttributes(window, 0, 255, LWA_ALPHA);
            break;
        }
    }
}

}  // namespace vistrel
