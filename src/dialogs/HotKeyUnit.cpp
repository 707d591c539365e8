#include "dialogs/HotKeyUnit.h"

#include <string>
#include <utility>

#include "common/AppIdentity.h"
#include "platform/Keyboard.h"

namespace vistrel {

namespace {

// Wide enough for the longest names the keyboard gives ("Ctrl + Shift + Alt +
// Scroll Lock").
constexpr int kClientWidth = 250;
constexpr int kClientHeight = 94;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

}  // namespace

THotKeyDlg::THotKeyDlg(HotKey current, HWND ownerForm, TakeHotKey take) : current_(current), take_(std::move(take)) {
    CreateForm("THotKeyDlg", "ホットキー設定",
               tk::CentredClientPlace(kClientWidth, kClientHeight, kStyle, 0, ownerForm), kStyle, 0,
               ownerForm);
    SetFont(ScaledFont("ＭＳ Ｐゴシック", -12));

    HotKey1.Create(this, 0, Scaled(19, 16, 212, 21));
    HotKey1.SetRules(ControlRules());
    HotKey1.SetHotKey(ToControl(current));
    OKBtn.Create(this, IDOK, Scaled(46, 53, 75, 25), "OK", true);
    OKBtn.OnClick = [this](tk::Component&) { OKBtnClick(); };
    CancelBtn.Create(this, IDCANCEL, Scaled(130, 53, 75, 25), "キャンセル", false, true);
    CancelBtn.ModalResult = tk::mrCancel;
    // The keys pressed go to the control from the start.
    OnShow = [this](tk::Component&) { HotKey1.SetFocus(); };
}

void THotKeyDlg::OKBtnClick() {
    const HotKey chosen = Chosen();
    std::string refusal;
    if (!AllowedHotKey(chosen))
        refusal = HotKeyRefusedMessage(chosen, platform::KeyName);
    else if (!take_(chosen))
        refusal = HotKeyTakenMessage(chosen, platform::KeyName);
    if (refusal.empty()) {
        SetModalResult(tk::mrOk);
        return;
    }
    MessageBoxA(Handle(), refusal.c_str(), kAppTitle, MB_OK | MB_ICONEXCLAMATION);
    HotKey1.SetFocus();
}

}  // namespace vistrel
