#include "clipping/ClipSizeUnit.h"

#include <string>

#include "clipping/ClipDialogLayout.h"
#include "clipping/ClipSizeIds.h"
#include "common/MonitorLayout.h"
#include "toolkit/Colours.h"
#include "toolkit/Dpi.h"

namespace vistrel {

namespace {

constexpr int kFirstTickMs = 100;
constexpr int kBlinkMs = 500;
constexpr COLORREF kFrameRed = 255;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_BORDER;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// Ticks that found no drag in progress: every other one shows the frame.
int blinkCounter = 0;

using tk::Bounds;

// The form's outer bounds for the picture, centred on the work area of the
// owner's monitor and sized to fit it, at the DPI of that monitor.
tk::FormPlace FormPlaceFor(HWND owner, int displayedWidth, int displayedHeight) {
    const RECT work = tk::PlacementWorkArea(owner);
    const int dpi = tk::PlacementDpi(owner);
    const RECT frame = tk::FrameAt(kStyle, kExStyle, dpi);
    ClipDialogMetrics metrics;
    metrics.dpi = dpi;
    metrics.captionButtonHeight = tk::SystemMetricAt(SM_CYSIZE, dpi);
    metrics.frame = {frame.right - frame.left, frame.bottom - frame.top};
    metrics.workArea = {work.right - work.left, work.bottom - work.top};
    const Size size = ClipDialogSize({displayedWidth, displayedHeight}, metrics);
    const Rect r = CentredIn({work.left, work.top, work.right, work.bottom}, size);
    const SIZE client{r.width() - metrics.frame.width, r.height() - metrics.frame.height};
    return {{r.left, r.top, r.right, r.bottom}, dpi, client};
}

}  // namespace

TOKBottomDlg::TOKBottomDlg(HWND owner, const tk::Bitmap& picture, const ClipSet& clips)
    : editor_(clips) {
    displayedWidth_ = DisplayedSize(picture.Width());
    displayedHeight_ = DisplayedSize(picture.Height());
    SetColor(tk::clWhite);
    CreateForm("TOKBottomDlg", "クリッピング設定", FormPlaceFor(owner, displayedWidth_, displayedHeight_),
               kStyle, kExStyle, owner);
    SetFont(ScaledFont("ＭＳ Ｐゴシック", -12));

    // The clean picture: the window scaled once; frames are drawn over a copy.
    clean_.SetSize(displayedWidth_, displayedHeight_);
    clean_.GetCanvas().SetStretchMode(HALFTONE);
    clean_.GetCanvas().StretchBltFrom(picture.Dc(), {0, 0, picture.Width(), picture.Height()},
                                      {0, 0, displayedWidth_, displayedHeight_});

    Panel1.Create(this, ids::ClipDialogPanel1, Bounds(0, 0, ClientWidth(), Scale(kClipButtonPanelHeight)), tk::clWhite);
    Panel1.SetAlign(tk::Align::Bottom);
    Panel2.Create(this, ids::ClipDialogPanel2, Bounds(0, 0, Scale(kClipListPanelWidth), ClientHeight()), tk::clWhite);
    Panel2.SetAlign(tk::Align::Right);
    ScrollBox1.Create(
        this, ids::ClipDialogScrollBox1,
        Bounds(0, 0, ClientWidth() - Scale(kClipListPanelWidth), ClientHeight() - Scale(kClipButtonPanelHeight)),
        tk::clWhite);
    ScrollBox1.SetAlign(tk::Align::Client);
    Image1.Create(&ScrollBox1, ids::ClipDialogImage1, Bounds(1, 1, displayedWidth_, displayedHeight_));
    ScrollBox1.SetContentSize(displayedWidth_ + 2, displayedHeight_ + 2);
    Image1.Picture().SetSize(displayedWidth_, displayedHeight_);
    Image1.OnMouseDown = [this](tk::Component&, const tk::MouseInfo& m) { Image1MouseDown(m); };
    Image1.OnMouseMove = [this](tk::Component&, const tk::MouseInfo& m) { Image1MouseMove(m); };
    Image1.OnMouseUp = [this](tk::Component&, const tk::MouseInfo& m) { Image1MouseUp(m); };

    Label2.Create(&Panel2, ids::ClipDialogLabel2, Scaled(8, 8, 95, 16), "クリッピングデータ");
    ListBox1.Create(&Panel2, ids::ClipDialogListBox1, Scaled(8, 28, 91, 160), Scale(15));
    ListBox1.OnClick = [this](tk::Component&) { ListBox1Click(); };
    Button1.Create(&Panel2, ids::ClipDialogButton1, Scaled(8, 196, 91, 25), "追加");
    Button1.Hint = "クリッピングの箇所を追加";
    Button1.OnClick = [this](tk::Component&) { Button1Click(); };
    Button2.Create(&Panel2, ids::ClipDialogButton2, Scaled(8, 226, 91, 25), "削除");
    Button2.OnClick = [this](tk::Component&) { Button2Click(); };
    Label1.Create(&Panel2, ids::ClipDialogLabel1, Scaled(8, kClipPointerLabelTop, 91, kClipPointerLabelHeight), "",
                  tk::TextAlign::Center);

    OKBtn.Create(&Panel1, IDOK, Scaled(0, 8, kClipOkCancelWidth, 25), "OK", true);
    OKBtn.ModalResult = tk::mrOk;
    CancelBtn.Create(&Panel1, IDCANCEL, Scaled(0, 8, kClipOkCancelWidth, 25), "キャンセル");
    CancelBtn.ModalResult = tk::mrCancel;

    Timer1.SetInterval(kFirstTickMs);
    Timer1.OnTimer = [this](tk::Component&) { Timer1Timer(); };
    OnShow = [this](tk::Component&) { FormShow(); };
    OnResize = [this](tk::Component&) { FormResize(); };
    Realign();
    FormResize();
    ShowEntries();
}

TOKBottomDlg::~TOKBottomDlg() { Timer1.SetEnabled(false); }

void TOKBottomDlg::FormShow() { Timer1.SetEnabled(true); }

void TOKBottomDlg::FormResize() {
    const int middle = Width() / 2;
    const int gap = Scale(kClipOkCancelGap);
    OKBtn.SetBounds(middle - OKBtn.Width() - gap, OKBtn.Top(), OKBtn.Width(), OKBtn.Height());
    CancelBtn.SetBounds(middle + gap, CancelBtn.Top(), CancelBtn.Width(), CancelBtn.Height());
}

void TOKBottomDlg::ShowEntries() {
    ListBox1.Clear();
    for (const std::string& entry : editor_.Entries()) ListBox1.Add(entry);
    ListBox1.SetItemIndex(editor_.Selected());
}

void TOKBottomDlg::ShowClean() {
    Image1.Picture().GetCanvas().CopyFrom(clean_.Dc(), {0, 0, displayedWidth_, displayedHeight_}, {0, 0});
}

void TOKBottomDlg::DrawFrame(const Rect& rect) {
    if (rect.right == 0 || rect.bottom == 0) return;
    ShowClean();
    const HDC dc = Image1.Picture().Dc();
    tk::PenOwner pen(CreatePen(PS_DOT, 1, kFrameRed));
    const tk::Selection selected(dc, pen.get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    for (int d = 0; d < 2; ++d) {
        const POINT corners[] = {{rect.left + d, rect.top + d},
                                 {rect.right + d, rect.top + d},
                                 {rect.right + d, rect.bottom + d},
                                 {rect.left + d, rect.bottom + d},
                                 {rect.left + d, rect.top + d}};
        Polyline(dc, corners, 5);
    }
    SetBkMode(dc, oldMode);
}

void TOKBottomDlg::Image1MouseDown(const tk::MouseInfo& mouse) {
    editor_.Press(mouse.x, mouse.y);
    ShowClean();
    Image1.PictureChanged();
}

void TOKBottomDlg::Image1MouseMove(const tk::MouseInfo& mouse) {
    if (editor_.Dragging()) {
        editor_.Move(mouse.x, mouse.y);
        DrawFrame(editor_.Selection());
        Image1.PictureChanged();
    }
    const Point at = ToWindowPoint(mouse.x, mouse.y);
    Label1.SetCaption(std::to_string(at.x) + "," + std::to_string(at.y));
}

void TOKBottomDlg::Image1MouseUp(const tk::MouseInfo& mouse) {
    editor_.Release(mouse.x, mouse.y);
    ShowEntries();
}

void TOKBottomDlg::Timer1Timer() {
    Timer1.SetInterval(kBlinkMs);
    if (!editor_.Dragging()) {
        ShowClean();
        if (blinkCounter % 2 == 0) DrawFrame(editor_.Selection());
        ++blinkCounter;
        Image1.PictureChanged();
    }
    Button2.SetEnabled(ListBox1.ItemIndex() >= 0);
}

void TOKBottomDlg::ListBox1Click() { editor_.Select(ListBox1.ItemIndex()); }

void TOKBottomDlg::Button1Click() {
    editor_.Add();
    ShowEntries();
}

void TOKBottomDlg::Button2Click() {
    editor_.Delete();
    ShowEntries();
}

}  // namespace vistrel
