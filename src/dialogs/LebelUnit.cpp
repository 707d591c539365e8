#include "dialogs/LebelUnit.h"

#include "toolkit/Colours.h"

namespace vistrel {

namespace {

constexpr int kClientWidth = 212;
constexpr int kClientHeight = 107;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr COLORREF kLabelText = RGB(0x50, 0x50, 0x50);

}  // namespace

TLebelDlg::TLebelDlg(HWND preview, HWND ownerForm)
    : preview_(preview), mode_(preview ? LevelMode::Opacity : LevelMode::Interval) {
    // Above everything, the window being adjusted included. Owned by the
    // program's own window, not by the one being adjusted: an owner of
    // another program would share its input with this dialog, and a hung
    // one would freeze it.
    CreateForm("TLebelDlg", "透過設定",
               tk::CentredClientPlace(kClientWidth, kClientHeight, kStyle, WS_EX_TOPMOST, ownerForm),
               kStyle, WS_EX_TOPMOST, ownerForm);
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, WS_EX_TOPMOST);
    SetModalOwner(ownerForm);
    SetFont(ScaledFont("ＭＳ Ｐゴシック", -12));

    Label1.Create(this, 0, Scaled(17, 8, 176, 12), "-", tk::TextAlign::Center);
    Label1.SetColor(Color());
    Label1.SetFontColor(kLabelText);
    const LevelRange range = RangeOf(mode_);
    NewTrackBar1.Create(this, 0, Scaled(19, 26, 174, 30));
    NewTrackBar1.SetMin(range.min);
    NewTrackBar1.SetMax(range.max);
    NewTrackBar1.SetFrequency(range.frequency);
    NewTrackBar1.SetThumbLength(Scale(16));
    // The selection is set while the box is still shown: the control
    // ignores one set after the line style took it away.
    if (mode_ == LevelMode::Opacity) {
        NewTrackBar1.SetSelStart(range.min);
        NewTrackBar1.SetSelEnd(range.max);
    } else {
        NewTrackBar1.SetSelStart(0);
        NewTrackBar1.SetSelEnd(0);
        Label1.Hint = "単位はミリ秒";
        AddTooltip(Label1);
    }
    NewTrackBar1.SetBarStyle(styLine);
    NewTrackBar1.OnChange = [this](tk::Component&) { NewTrackBar1Change(); };
    NewTrackBar1.OnMouseUp = [this](tk::Component&, const tk::MouseInfo& m) { NewTrackBar1MouseUp(m); };
    NewTrackBar1.OnKeyUp = [this](tk::TrackBar&, WORD) { NewTrackBar1KeyUp(); };

    OKBtn.Create(this, IDOK, Scaled(27, 73, 75, 25), "OK", true);
    OKBtn.ModalResult = tk::mrOk;
    CancelBtn.Create(this, IDCANCEL, Scaled(111, 73, 75, 25), "キャンセル");
    CancelBtn.ModalResult = tk::mrCancel;
    SetPosition(range.initial);
}

void TLebelDlg::SetPosition(int position) {
    NewTrackBar1.SetPosition(ClampLevel(mode_, position));
    NewTrackBar1Change();
}

void TLebelDlg::NewTrackBar1Change() { Label1.SetCaption(LevelCaption(mode_, NewTrackBar1.Position())); }

void TLebelDlg::NewTrackBar1MouseUp(const tk::MouseInfo& mouse) {
    if (mode_ == LevelMode::Opacity) {
        Preview();
    } else if (mouse.button == tk::MouseButton::Right) {
        SetPosition(kDefaultInterval);
    }
}

void TLebelDlg::NewTrackBar1KeyUp() {
    if (mode_ == LevelMode::Opacity) Preview();
}

void TLebelDlg::Preview() {
    if (preview_ && OnPreview) OnPreview(preview_, NewTrackBar1.Position());
}

}  // namespace vistrel
