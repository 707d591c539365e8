// TPrintWndDlg: the controls of the main window and where they sit.

#include <algorithm>

#include "common/DpiScale.h"
#include "main/Glyphs.h"
#include "main/WndCloseUnit.h"
#include "toolkit/Colours.h"
#include "toolkit/Dpi.h"

namespace vistrel {

namespace {

using tk::clBlue;
using tk::clGray;
using tk::clLime;
using tk::clWhite;
using tk::clYellow;
constexpr COLORREF kDarkGrey = 0x505050;  // the check boxes' text

constexpr int kPanel1Height = 61;
constexpr int kToolBarHeight = 22;  // of the design; the real one follows the glyphs
constexpr int kPanel2Width = 331;
constexpr int kPanel3Width = 57;
constexpr int kPanel4Width = 273;
constexpr int kStatusBarHeight = 19;

using tk::Bounds;

}  // namespace

void TPrintWndDlg::CreateControls() {
    SetFont(ScaledFont("ＭＳ Ｐゴシック", -12));

    CreateGlyphs();
    CreateMenus();

    // Creation order is alignment order: the top panel, the status line, then
    // the list view filling what is left.
    Panel1.Create(this, ids::Panel1, Bounds(0, 0, ClientWidth(), Scale(kPanel1Height)), clWhite);
    Panel1.SetAlign(tk::Align::Top);
    StatusBar1.Create(this, ids::StatusBar1);
    StatusBar1.SetBounds(0, ClientHeight() - Scale(kStatusBarHeight), ClientWidth(), Scale(kStatusBarHeight));
    StatusBar1.SetAlign(tk::Align::Bottom);
    ListView1.Create(this, ids::ListView1, Bounds(0, Scale(kPanel1Height), ClientWidth(), Scale(300)));
    ListView1.SetAlign(tk::Align::Client);
    ListView1.OnClick = [this](tk::Component& sender) { ListView1Click(sender); };
    ListView1.OnDblClick = [this](tk::Component& sender) { ListView1DblClick(sender); };
    ListView1.OnSelectItem = [this](tk::ListView&, int item, bool selected) {
        ListView1SelectItem(item, selected);
    };
    ListView1.OnContextPopup = [this](tk::ListView&, POINT screen) {
        PopupMenu2.Popup(Handle(), screen.x, screen.y);
    };
    ListView1.OnKeyDown = [this](tk::ListView&, WORD key) { return ListView1KeyDown(key); };
    ListView1.OnChar = [this](tk::ListView&, char16_t unit) { return ListView1Char(unit); };
    ListView1.OnHoverText = [this](tk::ListView&, int item) { return ListView1HoverText(item); };
    // A middle click closes the window under it, as on the task bar's thumbnails.
    ListView1.OnMiddleClick = [this](tk::ListView&, int item) {
        if (const WindowEntry* entry = EntryOf(item)) CloseOneWindow(WindowOf(*entry));
    };

    CreateToolBar();
    CreatePanels();
    ConnectThumbnailHandlers();
    SizeTopPanel();
    OnDpiChanged = [this](tk::Form&, int) { RedoDpiLayout(); };
}

// Pixel art is enlarged by whole factors only (see PixelArtScale).
void TPrintWndDlg::CreateGlyphs() {
    const int scale = PixelArtScale(Dpi());
    const int side = kGlyphSize * scale;
    ImageList2.Create(side, side, ILC_COLOR32 | ILC_MASK, kGlyphCount, 4);
    for (int i = 0; i < kGlyphCount; ++i) {
        const auto pixels = GlyphPixels(i, scale);
        ImageList2.AddPixels(pixels.data(), side, side);
    }
}

// The toolbar's buttons follow the glyphs, so the top panel is as tall as the
// toolbar and the designed row of controls below it.
void TPrintWndDlg::SizeTopPanel() {
    Panel1.SetBounds(0, 0, ClientWidth(), ToolBar1.Height() + Scale(kPanel1Height - kToolBarHeight));
    Panel2.SetBounds(Panel2.Left(), 0, Panel2.Width(), ToolBar1.ButtonHeight());
    const int boxTop = (ToolBar1.ButtonHeight() - Scale(17)) / 2;
    for (tk::CheckBox* box : {&CheckBox1, &CheckBox2, &AutoChkBox, &HighQualityChkBox})
        box->SetBounds(box->Left(), boxTop, box->Width(), box->Height());
    Realign();
    Panel1.Realign();
}

// The width the form opens with: every control of the toolbar in sight, as
// far as the monitor allows.
int TPrintWndDlg::FirstWidth() const {
    const RECT frame = tk::FrameAt(static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)),
                                   static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)), Dpi());
    const RECT work = tk::PlacementWorkArea(Handle());
    const int frameWidth = frame.right - frame.left;
    const int needed = std::max(Scale(kDesignWidth), ToolBar1.ContentWidth() + frameWidth);
    return std::min(needed, static_cast<int>(work.right - work.left));
}

void TPrintWndDlg::RedoDpiLayout() {
    CreateGlyphs();
    ToolBar1.SetImages(ImageList2);
    ToolBar1.SetControlSpace(Panel3, Scale(kPanel3Width));
    ToolBar1.SetControlSpace(Panel2, Scale(kPanel2Width));
    SizeTopPanel();
    ListView1.Invalidate();
}

void TPrintWndDlg::CreateToolBar() {
    ToolBar1.Create(&Panel1, ids::ToolBar1);
    ToolBar1.SetImages(ImageList2);

    Panel3.Create(&ToolBar1, ids::Panel3, Scaled(0, 0, kPanel3Width, kToolBarHeight), clWhite);
    Panel3.SetFont(ScaledFont("ＭＳ Ｐ明朝", -15));
    Panel3.SetFontColor(clGray);
    Panel3.SetCaption("Quillon");
    ToolBar1.AddControlSpace(Panel3, Scale(kPanel3Width));

    struct ButtonSpec {
        tk::ToolButton& button;
        int image;
        int tag;
        const char* hint;
        tk::ToolButtonStyle style;
    };
    using Style = tk::ToolButtonStyle;
    const ButtonSpec buttons[] = {
        {ToolButton1, 3, 0, "更新|全てのウィンドウを更新表示", Style::Button},
        {ToolButton2, 4, 0, "全て選択", Style::DropDown},
        {ToolButton6, -1, 0, "", Style::Separator},
        {ToolButton3, 0, 0, "ウィンドウ表示", Style::Button},
        {ToolButton4, 1, 1, "アイコン化", Style::Button},
        {ToolButton5, 2, 2, "閉じる", Style::Button},
        {ToolButton8, -1, 0, "", Style::Separator},
        {ToolButton7, 8, 0, "", Style::Button},
        {ToolButton9, 9, 1, "", Style::Button},
        {ToolButton10, 10, 2, "", Style::Button},
        {ToolButton11, -1, 0, "", Style::Separator},
        {SortToolBtn, 19, 0, "Sort|ウィンドウの名前でソート", Style::DropDown},
        {ToolButton16, 20, 0, "", Style::Button},
        {ToolButton17, 21, 0, "", Style::Button},
        {ToolButton15, -1, 0, "", Style::Separator},
        {ToolButton18, 18, 0, "更新間隔の設定", Style::Button},
        {ToolButton14, 23, 0, "除外リストを開く", Style::Button},
        {ToolButton12, 11, 0, "Version", Style::Button},
        {ToolButton13, 12, 0, "Help", Style::Button},
    };
    for (const ButtonSpec& spec : buttons) {
        spec.button.ImageIndex = spec.image;
        spec.button.Tag = spec.tag;
        spec.button.Hint = spec.hint;
        spec.button.Style = spec.style;
        ToolBar1.AddButton(spec.button);
    }
    ToolButton2.DropdownMenu = &PopupMenu1;
    ToolButton2.DropdownItem = &N1;
    SortToolBtn.DropdownMenu = &PopupMenu1;
    SortToolBtn.DropdownItem = &SortMenu;
    ToolButton1.OnClick = [this](tk::Component&) { ToolButton1Click(RefreshKind::List); };
    for (tk::ToolButton* button : {&ToolButton3, &ToolButton4, &ToolButton5})
        button->OnClick = [this](tk::Component& sender) { ToolButton3Click(sender); };
    ToolButton2.OnClick = [this](tk::Component& sender) { ToolButton2Click(sender); };
    ToolButton16.OnClick = [this](tk::Component&) { ToolButton16Click(true); };
    ToolButton17.OnClick = [this](tk::Component&) { ToolButton16Click(false); };
    ToolButton14.OnClick = [this](tk::Component& sender) { ToolButton14Click(sender); };
    ToolButton12.OnClick = [this](tk::Component& sender) { ToolButton12Click(sender); };
    ToolButton13.OnClick = [this](tk::Component& sender) { ToolButton13Click(sender); };
    ConnectSortAndTranslucency();

    // The check boxes ride on the toolbar after its buttons.
    const int barHeight = ToolBar1.ButtonHeight();
    Panel2.Create(&ToolBar1, ids::Panel2, Bounds(0, 0, Scale(kPanel2Width), barHeight), clWhite);
    ToolBar1.AddControlSpace(Panel2, Scale(kPanel2Width));
    struct CheckSpec {
        tk::CheckBox& box;
        int id;
        int left;
        int width;
        const char* caption;
        const char* hint;
    };
    const CheckSpec checks[] = {
        {CheckBox1, ids::CheckBox1, 4, 80, "Open Only", "最小化しても開いたウィンドウを表示"},
        {CheckBox2, ids::CheckBox2, 86, 62, "Stretch", "ウィンドウ画像を枠一杯に表示"},
        {AutoChkBox, ids::AutoChkBox, 150, 48, "Auto", "自動更新|一定間隔でウィンドウを更新する"},
        {HighQualityChkBox, ids::HighQualityChkBox, 200, 40, "HighQualityChkBox",
         "high quality|高画質"},
    };
    const int boxTop = (barHeight - Scale(17)) / 2;
    for (const CheckSpec& spec : checks) {
        RECT bounds = Scaled(spec.left, 0, spec.width, 17);
        OffsetRect(&bounds, 0, boxTop);
        spec.box.Create(&Panel2, spec.id, bounds, spec.caption);
        spec.box.SetFontColor(kDarkGrey);
        spec.box.Hint = spec.hint;
        AddTooltip(spec.box);
    }
    CheckBox1.OnClick = [this](tk::Component&) { ToolButton1Click(RefreshKind::OpenOnlySwitched); };
    AutoChkBox.OnClick = [this](tk::Component&) { AutoChkBoxClick(); };
    Timer1.OnTimer = [this](tk::Component&) { Timer1Timer(); };
}

void TPrintWndDlg::CreatePanels() {
    const int barHeight = ToolBar1.Height();
    const int lowerHeight = Scale(kPanel1Height - kToolBarHeight);
    ToolBar1.SetAlign(tk::Align::Top);

    Panel4.Create(&Panel1, ids::Panel4, Bounds(0, barHeight, Scale(kPanel4Width), lowerHeight), clWhite);
    Panel4.SetAlign(tk::Align::Left);
    SizeSetTrackBar.Create(&Panel4, ids::SizeSetTrackBar, Scaled(0, 2, 150, 34));
    SizeSetTrackBar.SetMin(30);
    SizeSetTrackBar.SetMax(160);
    SizeSetTrackBar.SetPosition(30);
    SizeSetTrackBar.SetPageSize(1);
    SizeSetTrackBar.SetFrequency(10);
    SizeSetTrackBar.SetThumbLength(Scale(12));
    SizeSetTrackBar.SetBarStyle(styLine);
    SizeSetTrackBar.Hint = "拡大";
    AddTooltip(SizeSetTrackBar);

    const HFONT labelFont = ScaledFont("ＭＳ Ｐゴシック", -15);
    Label2.Create(&Panel4, ids::Label2, Scaled(152, 2, 57, 16), "100%", tk::TextAlign::Center);
    Label2.SetFont(labelFont);
    Label2.SetColor(clYellow);
    Label2.Hint = "CPU 使用率";
    AddTooltip(Label2);
    Label1.Create(&Panel4, ids::Label1, Scaled(152, 20, 57, 16), "0", tk::TextAlign::Center);
    Label1.SetFont(labelFont);
    Label1.SetColor(clLime);
    Label1.Hint = "更新間隔";
    AddTooltip(Label1);
    SwitchButton2.Create(&Panel4, ids::SwitchButton2, Scaled(231, 10, 17, 16));
    SwitchButton2.SetButtonStyle(btEllipse);
    SwitchButton2.SetColor(clWhite);
    SwitchButton2.SetBtnColor(0x694F4E);
    SwitchButton2.SetDownColor(clYellow);
    SwitchButton2.SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
    SwitchButton2.Loaded();
    SwitchButton2.Hint = "クリッピングの切換";
    AddTooltip(SwitchButton2);
    SwitchButton2.OnClick = [this](tk::Component& sender) { SwitchButton2Click(sender); };

    Panel5.Create(&Panel1, ids::Panel5, Bounds(Scale(kPanel4Width), barHeight, Scale(300), lowerHeight), clWhite);
    Panel5.SetAlign(tk::Align::Client);
    Panel5.SetFont(ScaledFont("ＭＳ Ｐゴシック", -16));
    Panel5.SetFontColor(clBlue);
    Panel5.SetCaptionAlign(tk::TextAlign::Left);
}

}  // namespace vistrel
