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
    hotKeyHeld_ = {};  // the old one given back first: it may be the one asked for again
    if (hotKey_.None()) return;
    hotKeyHeld_ = platform::HotKeyRegistration::Register(Handle(), kHotKeyId, hotKey_.modifiers, hotKey_.key);
    // Said once, where it does not stand in the way.
    if (!hotKeyHeld_)
        StatusBar1.SetSimpleText("ホットキー " + HotKeyText(hotKey_, platform::KeyName) +
                                 " は他のプログラムが使っているため使えません");
}

void TPrintWndDlg::HotKeyPressed() {
    if (ClosingStarted()) return;
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
    THotKeyDlg dialog(hotKey_, Handle());
    if (dialog.ShowModal() != tk::mrOk || ClosingStarted()) return;
    hotKey_ = dialog.Chosen();
    RegisterGlobalHotKey();
    WriteHotKey();
}

}  // namespace vistrel
