#include "controls/VersionUnit.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "common/AppIdentity.h"
#include "common/DpiScale.h"
#include "controls/VersionSprite.h"
#include "platform/DisplayInfo.h"
#include "platform/Shell.h"
#include "toolkit/Colours.h"

namespace vistrel {

namespace {

constexpr int kClientWidth = 298;
constexpr int kClientHeight = 203;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
constexpr UINT kAnimationMs = 200;
constexpr int kLinkMargin = 16;  // between the link's text and the panel's right edge
constexpr COLORREF kVersionGrey = 0x505050;

enum : int {
    kPanel1Id = 100,
    kImage1Id,
    kImage2Id,
    kStaticText1Id,
    kLabel2Id,
    kStaticText2Id,
    kLabel3Id,
    kLabel4Id,
};

using tk::Bounds;

HCURSOR HandCursor() { return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)); }

}  // namespace

TVersionBox::TVersionBox(HWND owner, VersionAnimation::Random random)
    : animation_(std::move(random)) {
    CreateForm("TVersionBox", "ﾊﾞｰｼﾞｮﾝ情報",
               tk::CentredClientPlace(kClientWidth, kClientHeight, kStyle, kExStyle, owner),
               kStyle, kExStyle, owner);
    CreateControls();
    OnShow = [this](tk::Component&) { FormShow(); };
    OnClose = [this](tk::Component&) { FormClose(); };
    home_ = {Image1.Left(), Image1.Top()};
    OnDpiChanged = [this](tk::Form&, int oldDpi) {
        home_ = {Rescale(home_.x, oldDpi, Dpi()), Rescale(home_.y, oldDpi, Dpi())};
        FormShow();
    };
    SetPanelColour(kVersionBackColor);
}

void TVersionBox::CreateControls() {
    SetFont(ScaledFont("ＭＳ Ｐゴシック", -12));

    Panel1.Create(this, kPanel1Id, Scaled(0, 0, 297, 161), kVersionBackColor);
    Panel1.OnMouseMove = [this](tk::Component&, const tk::MouseInfo&) { Panel1MouseMove(); };

    Image1.Create(&Panel1, kImage1Id, Scaled(8, 8, kSpriteFrameSize, kSpriteFrameSize));
    Image1.SetStretch(true);
    Image1.SetCursor(HandCursor());
    Image1.OnMouseMove = [this](tk::Component&, const tk::MouseInfo&) { Image1MouseMove(); };
    Image1.OnMouseDown = [this](tk::Component&, const tk::MouseInfo&) { Image1MouseDown(); };

    Image2.Create(&Panel1, kImage2Id, Bounds(150, 80, kSpriteStripWidth, kSpriteStripHeight));
    Image2.SetVisible(false);
    Image2.SetAutoSize(true);
    LoadSprite();

    StaticText1.Create(&Panel1, kStaticText1Id, Scaled(88, 21, 195, 20), "",
                       tk::TextAlign::Center);
    StaticText1.SetFont(ScaledFont("ＭＳ Ｐ明朝", -16, true));

    Label2.Create(&Panel1, kLabel2Id, Scaled(104, 45, 0, 0), "");
    Label2.SetFont(ScaledFont("ＭＳ Ｐ明朝", -12));
    Label2.SetFontColor(tk::clGray);

    StaticText2.Create(&Panel1, kStaticText2Id, Scaled(104, 65, 165, 14), "",
                       tk::TextAlign::Center);
    StaticText2.SetFontColor(kVersionGrey);
    StaticText2.Hint = "バージョン";
    AddTooltip(StaticText2);

    Label3.Create(&Panel1, kLabel3Id, Scaled(12, 142, 0, 0), "");
    Label3.SetFont(ScaledFont("ＭＳ Ｐ明朝", -13));

    Label4.Create(&Panel1, kLabel4Id, Scaled(216, 142, 0, 0), "");
    Label4.SetFont(ScaledFont("ＭＳ Ｐゴシック", -12, false, true));
    Label4.SetFontColor(tk::clBlue);
    Label4.SetCursor(HandCursor());
    Label4.Hint = "Quillon Home";
    AddTooltip(Label4);
    Label4.OnClick = [this](tk::Component&) { Label4Click(); };

    // Every text sits on the panel's tint, whatever Execute makes of it.
    for (tk::Label* label : {&StaticText1, &Label2, &StaticText2, &Label3, &Label4})
        label->SetParentColor(true);
    for (tk::Label* label : {&Label2, &Label3, &Label4}) label->SetAutoSize(true);

    OKButton.Create(this, IDOK, Scaled(111, 172, 75, 25), "OK", true);
    OKButton.ModalResult = tk::mrOk;

    Timer1.SetInterval(kAnimationMs);
    Timer1.OnTimer = [this](tk::Component&) { Timer1Timer(); };
}

void TVersionBox::LoadSprite() {
    tk::Bitmap& strip = Image2.Picture();
    strip.SetSize(kSpriteStripWidth, kSpriteStripHeight);
    uint8_t* bits = strip.Bits();
    if (!bits) return;
    const std::vector<uint32_t> pixels = VersionSpriteStrip();
    for (int y = 0; y < kSpriteStripHeight; ++y) {
        uint8_t* row = bits + static_cast<ptrdiff_t>(y) * strip.Stride();
        for (int x = 0; x < kSpriteStripWidth; ++x) {
            const COLORREF colour = pixels[static_cast<size_t>(y) * kSpriteStripWidth + x];
            row[3 * x] = GetBValue(colour);
            row[3 * x + 1] = GetGValue(colour);
            row[3 * x + 2] = GetRValue(colour);
        }
    }
    Image2.PictureChanged();
}

void TVersionBox::SetPanelColour(COLORREF colour) {
    Panel1.SetColor(colour);
    tk::Bitmap& picture = Image1.Picture();
    picture.SetSize(kSpriteFrameSize, kSpriteFrameSize);
    picture.GetCanvas().SetBrushColor(colour);
    picture.GetCanvas().FillRect({0, 0, kSpriteFrameSize, kSpriteFrameSize});
    Image1.PictureChanged();
}

void TVersionBox::FormShow() {
    Label4.SetBounds(Panel1.Width() - Label4.Width() - Scale(kLinkMargin), Label4.Top(), Label4.Width(),
                     Label4.Height());
    Timer1.SetEnabled(true);
}

void TVersionBox::FormClose() { Timer1.SetEnabled(false); }

void TVersionBox::Timer1Timer() {
    const VersionAnimation::Tick tick = animation_.Next();
    const int frameLeft = tick.frame * kSpriteFrameSize;
    tk::Canvas& canvas = Image1.Picture().GetCanvas();
    canvas.SetBrushColor(Panel1.Color());
    canvas.BrushCopy({0, 0, kSpriteFrameSize, kSpriteFrameSize}, Image2.Picture(),
                     {frameLeft, 0, frameLeft + kSpriteFrameSize, kSpriteFrameSize},
                     kSpriteTransparent);
    Image1.PictureChanged();
    // Between jitters the picture stays where the last one put it.
    const int left = tick.moved ? home_.x + Scale(tick.dx) : Image1.Left();
    const int top = tick.moved ? home_.y + Scale(tick.dy) : Image1.Top();
    Image1.SetBounds(left, top, Scale(tick.size), Scale(tick.size));
}

void TVersionBox::Label4Click() {
    // Straight to the default handler: whatever browser the user has chosen.
    platform::OpenWithDefaultHandler(Handle(), kMakerHomePage);
}

void TVersionBox::Image1MouseMove() { animation_.MouseMoveOnPicture(); }

void TVersionBox::Image1MouseDown() { animation_.MouseDownOnPicture(); }

void TVersionBox::Panel1MouseMove() { animation_.MouseMoveOnPanel(); }

}  // namespace vistrel
