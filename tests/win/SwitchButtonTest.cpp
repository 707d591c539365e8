// The switch button drawn on a memory DC (the shaded rows, the pressed shift,
// the square face's edges, the embossed caption of a disabled button), and
// what mouse messages do to it: clicks only on the shape, releases outside,
// radio groups.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "HostWindow.h"
#include "PixelProbes.h"
#include "controls/SwitchButton.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Colours.h"

namespace vistrel {
namespace {

using test::Count;

constexpr COLORREF kBackground = RGB(0, 0, 255);
constexpr COLORREF kFace = RGB(200, 150, 100);  // ramp base (116, 66, 16), 7.5 a row at 40 high
constexpr COLORREF kGreen = RGB(0, 255, 0);

RECT Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

class SwitchButtonWin : public test::HostedControlTest {
protected:
    TSwitchButton& Add(int left, int top, int width, int height, BTNSTYLE style, int group = 0) {
        buttons_.push_back(std::make_unique<TSwitchButton>());
        TSwitchButton& button = *buttons_.back();
        button.Create(&host, static_cast<int>(100 + buttons_.size()), Bounds(left, top, width, height));
        button.SetButtonStyle(style);
        button.SetGroupIndex(group);
        button.SetColor(kBackground);
        button.SetBtnColor(kFace);
        button.SetDownColor(kFace);
        button.Loaded();
        button.OnClick = [this, &button](tk::Component&) { clicked_.push_back(&button); };
        return button;
    }

    static tk::Bitmap Picture(TSwitchButton& button) {
        tk::Bitmap picture(button.Width(), button.Height(), tk::PixelFormat::Bgr24);
        picture.GetCanvas().SetBrushColor(kGreen);
        picture.GetCanvas().FillRect({0, 0, picture.Width(), picture.Height()});
        button.PaintTo(picture.Dc());
        return picture;
    }

    static void Send(TSwitchButton& button, UINT message, int x, int y) {
        SendMessageA(button.Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    static void Click(TSwitchButton& button, int x, int y) {
        Send(button, WM_LBUTTONDOWN, x, y);
        Send(button, WM_LBUTTONUP, x, y);
    }

    std::vector<std::unique_ptr<TSwitchButton>> buttons_;
    std::vector<TSwitchButton*> clicked_;
};

TEST_F(SwitchButtonWin, EachStyleShadesItsRowsAndAPressShiftsTheFaceDownRight) {
    const struct {
        const char* name;
        BTNSTYLE style;
        int roundSize;
        POINT probe;
        COLORREF up, pressed;
    } cases[] = {
        // Ellipse: rows run from y 37 up; the pressed face from y 39.
        {"ellipse", btEllipse, 0, {19, 36}, RGB(123, 73, 23), RGB(138, 88, 38)},
        {"ellipse", btEllipse, 0, {19, 30}, RGB(168, 118, 68), RGB(183, 133, 83)},
        // Rectangles: rows from y 36 up; pressed from y 38.
        {"round", btRound, 10, {19, 35}, RGB(123, 73, 23), RGB(138, 88, 38)},
        {"square", btRound, 0, {19, 35}, RGB(123, 73, 23), RGB(138, 88, 38)},
        {"square", btRound, 0, {2, 20}, RGB(236, 186, 136), RGB(0, 0, 0)},  // left of the shifted face
        {"graphic", btGraphic, 0, {19, 30}, kBackground, kBackground},
    };
    for (const auto& c : cases) {
        TSwitchButton& button = Add(0, 0, 40, 40, c.style);
        button.SetRoundSize(c.roundSize);
        EXPECT_EQ(Picture(button).PixelAt(c.probe.x, c.probe.y), c.up) << c.name;
        Send(button, WM_LBUTTONDOWN, 20, 20);
        EXPECT_EQ(button.Pressed(), c.style != btGraphic) << c.name << ": a graphic face has no shape";
        EXPECT_EQ(Picture(button).PixelAt(c.probe.x, c.probe.y), c.pressed) << c.name << " pressed";
        Send(button, WM_LBUTTONUP, 20, 20);
    }
}

TEST_F(SwitchButtonWin, ShapesLeaveTheirCornersAndEdgesAsDesigned) {
    const struct {
        const char* name;
        BTNSTYLE style;
        int roundSize;
        POINT probe;
        COLORREF colour;
    } cases[] = {
        {"ellipse corner", btEllipse, 0, {0, 0}, kBackground},
        {"round corner", btRound, 10, {0, 0}, kBackground},
        {"square corner", btRound, 0, {0, 0}, RGB(0, 0, 0)},
        {"square right shadow", btRound, 0, {38, 20}, RGB(0, 0, 0)},
        {"square outer right edge", btRound, 0, {39, 20}, RGB(255, 255, 255)},
        {"square outer bottom edge", btRound, 0, {20, 39}, RGB(255, 255, 255)},
    };
    for (const auto& c : cases) {
        TSwitchButton& button = Add(0, 0, 40, 40, c.style);
        button.SetRoundSize(c.roundSize);
        EXPECT_EQ(Picture(button).PixelAt(c.probe.x, c.probe.y), c.colour) << c.name;
    }
}

TEST_F(SwitchButtonWin, ADisabledButtonEmbossesItsCaptionAndKeepsItsRamp) {
    TSwitchButton& button = Add(0, 0, 60, 40, btEllipse);
    button.SetText("WW");
    button.SetLightColor(RGB(255, 255, 0));
    button.SetFontColor(RGB(255, 0, 255));
    const tk::Bitmap enabled = Picture(button);
    EXPECT_GT(Count(enabled, RGB(255, 0, 255)), 0);
    EXPECT_EQ(Count(enabled, tk::clGray), 0);

    button.SetEnabled(false);
    const tk::Bitmap disabled = Picture(button);
    EXPECT_EQ(Count(disabled, RGB(255, 0, 255)), 0);
    EXPECT_GT(Count(disabled, tk::clGray), 20) << "grey caption and outline";
    EXPECT_GT(Count(disabled, tk::clWhite), 20) << "white caption shadow and outline";
    // Row y 34 of a 40-high face: base + 3 steps of 7.5.
    EXPECT_EQ(disabled.PixelAt(30, 34), RGB(138, 88, 38)) << "the ramp stays";
}

TEST_F(SwitchButtonWin, TooSmallButtonsPaintNothingAndTakeNoClicks) {
    for (int side : {0, 1, 3}) {
        TSwitchButton& button = Add(0, 0, side, side, btEllipse);
        tk::Bitmap picture(4, 4, tk::PixelFormat::Bgr24);
        picture.GetCanvas().SetBrushColor(kGreen);
        picture.GetCanvas().FillRect({0, 0, 4, 4});
        button.PaintTo(picture.Dc());
        EXPECT_EQ(Count(picture, kGreen), 16) << side;
        Click(button, 0, 0);
        Click(button, 1, 1);
        EXPECT_TRUE(clicked_.empty()) << side;
    }
}

TEST_F(SwitchButtonWin, ClicksCountOnlyOnTheShape) {
    // The clipping switch's size: a 4 x 4 mask.
    const struct {
        int x, y;
        bool clicks;
    } cases[] = {{8, 8, true}, {1, 1, false}, {15, 14, false}, {16, 8, false}, {16, 5, false}, {0, 8, true}, {8, 15, true}};
    for (const auto& c : cases) {
        TSwitchButton& button = Add(0, 0, 17, 16, btEllipse);
        clicked_.clear();
        Click(button, c.x, c.y);
        EXPECT_EQ(clicked_.size(), c.clicks ? 1U : 0U) << c.x << "," << c.y;
        EXPECT_FALSE(button.Down()) << "a push button never stays down";
        EXPECT_FALSE(button.Pressed());
    }
}

TEST_F(SwitchButtonWin, BmClickClicksAtTheCentre) {
    TSwitchButton& button = Add(0, 0, 17, 16, btEllipse);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicked_.size(), 2U);
    button.SetEnabled(false);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicked_.size(), 2U) << "a disabled button ignores it";
}

TEST_F(SwitchButtonWin, AReleaseOutsideLetsGoWithoutAClickAndSettlesTheGroup) {
    TSwitchButton& push = Add(0, 0, 40, 40, btRound);
    Send(push, WM_LBUTTONDOWN, 20, 20);
    ASSERT_TRUE(push.Pressed());
    Send(push, WM_LBUTTONUP, 60, 60);
    EXPECT_FALSE(push.Pressed());
    EXPECT_TRUE(clicked_.empty());
    EXPECT_EQ(Picture(push).PixelAt(19, 35), RGB(123, 73, 23)) << "drawn up again";

    // A menu or dialog that takes the mouse away mid-press: let go, no click.
    Send(push, WM_LBUTTONDOWN, 20, 20);
    ASSERT_EQ(GetCapture(), push.Handle());
    ReleaseCapture();
    EXPECT_FALSE(push.Pressed());
    Send(push, WM_LBUTTONUP, 60, 60);
    EXPECT_TRUE(clicked_.empty());

    TSwitchButton& a = Add(50, 0, 40, 40, btRound, 1);
    TSwitchButton& b = Add(100, 0, 40, 40, btRound, 1);
    Click(b, 20, 20);
    ASSERT_TRUE(b.Down());
    clicked_.clear();
    Send(a, WM_LBUTTONDOWN, 20, 20);
    Send(a, WM_LBUTTONUP, -10, 20);
    EXPECT_TRUE(clicked_.empty());
    EXPECT_TRUE(a.Down());
    EXPECT_FALSE(b.Down()) << "only one button of a group stays down";
}

TEST_F(SwitchButtonWin, AGroupKeepsOneButtonDown) {
    TSwitchButton& a = Add(0, 0, 40, 40, btRound, 1);
    TSwitchButton& b = Add(50, 0, 40, 40, btRound, 1);
    TSwitchButton& other = Add(100, 0, 40, 40, btRound, 2);
    other.SetDown(true);  // the first assignment is taken as it is
    EXPECT_EQ(a.ParentBtnCount(), 3);

    const struct {
        TSwitchButton* clicked;
        bool allowAllUp;
        bool aDown, bDown;
    } steps[] = {
        {&a, false, true, false},
        {&b, false, false, true},
        {&b, false, false, true},  // a down button stays down
        {&b, true, false, false},  // unless AllowAllUp
        {&a, true, true, false},
    };
    for (const auto& s : steps) {
        a.SetAllowAllUp(s.allowAllUp);
        b.SetAllowAllUp(s.allowAllUp);
        Click(*s.clicked, 20, 20);
        EXPECT_EQ(a.Down(), s.aDown);
        EXPECT_EQ(b.Down(), s.bDown);
        EXPECT_TRUE(other.Down()) << "another group is left alone";
    }
    // Down is drawn shifted by one (DownFrg): a's rows run from y 37 up.
    EXPECT_EQ(Picture(a).PixelAt(19, 36), RGB(123, 73, 23));
    a.SetDownFrg(false);
    EXPECT_EQ(Picture(a).PixelAt(19, 36), RGB(116, 66, 16)) << "unshifted: the rows start at y 36";
}

}  // namespace
}  // namespace vistrel
