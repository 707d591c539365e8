// TPrintWndDlg: the global hot key. Pressed anywhere it brings this window to
// the front with its list focused; pressed while the window is in front it
// sends it back. The user chooses it in THotKeyDlg from the list's menu.

#include "clipping/TrimViewUnit.h"
#include "dialogs/HotKeyUnit.h"
#include "main/WndCloseUnit.h"
#include "platform/Keyboard.h"

namespace vistrel {

namespace {

constexpr int kHotKeyId = 1;

}  // namespace

void TPrintWndDlg::RegisterGlobalHotKey() {
    // Said once, where it does not stand in the way.
    if (!TakeHotKey(hotKey_)) StatusBar1.SetSimpleText(HotKeyTakenMessage(hotKey_, platform::KeyName));
}

bool TPrintWndDlg::TakeHotKey(HotKey hotKey) {
    hotKeyHeld_ = {};  // the old one given back first: it may be the one asked for again
    if (!hotKey.None()) {
        hotKeyHeld_ = platform::HotKeyRegistration::Register(Handle(), kHotKeyId, hotKey.modifiers, hotKey.key);
        if (!hotKeyHeld_) return false;
    }
    hotKey_ = hotKey;
    return true;
}

void TPrintWndDlg::HotKeyPressed() {
    if (gate_.ClosingStarted()) return;
    // While the clipping list window is open this one stays hidden.
    const HWND window = trimView_ ? trimView_->Handle() : Handle();
    // A dialog of ours that is open stands for the window.
    const HWND front = GetForegroundWindow();
    if (!IsIconic(window) && (front == window || front == GetLastActivePopup(window))) {
        ShowWindow(window, SW_MINIMIZE);
        return;
    }
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(window));
    if (trimView_ || !IsWindowEnabled(Handle())) return;
    ListView1.SetFocus();
    if (list_->Filter().Clear()) FindChanged();
}

void TPrintWndDlg::HotKeyMenuClick() {
    // A command for as long as the dialog runs: a close waits for its end.
    const auto running = gate_.TryBegin();
    if (!running) return;
    // Let go while the dialog is open: pressed there, the hot key goes to
    // the dialog's control rather than sending this window back.
    hotKeyHeld_ = {};
    // However the dialog ends (an exception included), the key in use before
    // is held again unless OK took the chosen one.
    struct HeldAgain {
        TPrintWndDlg& form;
        bool taken = false;
        ~HeldAgain() {
            if (!taken && !form.gate_.ClosingStarted()) form.RegisterGlobalHotKey();
        }
    } again{*this};
    THotKeyDlg dialog(hotKey_, Handle(), [this](HotKey chosen) { return TakeHotKey(chosen); });
    if (dialog.ShowModal() != tk::mrOk) return;
    again.taken = true;
    WriteHotKey();
}

}  // namespace vistrel
