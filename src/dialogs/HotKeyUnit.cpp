#include "dialogs/HotKeyUnit.h"

namespace vistrel {

namespace {

// Wide enough for the longest names the keyboard gives ("Ctrl + Shift + Alt +
// Scroll Lock").
constexpr int kClientWidth = 250;
constexpr int kClientHeight = 94;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

}  // namespace

THotKeyDlg::THotKeyDlg(HotKey current, HWND ownerForm) : current_(current) {
    CreateForm("THotKeyDlg", "ホットキー設定",
               tk::CentredClientPlace(kClientWidth, kClientHeight, kStyle, 0, ownerForm), kStyle, 0,
               ownerForm);
    SetFont(ScaledFont("ＭＳ Ｐゴシック", -12));

    HotKey1.Create(this, 0, Scaled(19, 16, 212, 21));
    HotKey1.SetHotKey(ToControl(current));
    OKBtn.Create(this, IDOK, Scaled(46, 53, 75, 25), "OK", true);
    OKBtn.ModalResult = tk::mrOk;
    CancelBtn.Create(this, IDCANCEL, Scaled(130, 53, 75, 25), "キャンセル", false, true);
    CancelBtn.ModalResult = tk::mrCancel;
    // The keys pressed go to the control from the start.
    OnShow = [this](tk::Component&) { HotKey1.SetFocus(); };
}

}  // namespace vistrel
