// The version box in this process: its layout at the designed sizes, the
// picture it draws on the panel's colour, and how the picture answers the
// mouse, with the animation's random numbers chosen by the test.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/VersionSprite.h"
#include "controls/VersionUnit.h"
#include "toolkit/Application.h"

namespace vistrel {
namespace {

constexpr COLORREF kPanel = RGB(10, 200, 220);
constexpr COLORREF kChickYellow = RGB(255, 214, 64);

class VersionBoxWin : public ::testing::Test {
protected:
    void SetUp() override { tk::Application::Instance().Initialize(); }
};

// Hands out the numbers given, in turn, over and over.
VersionAnimation::Random Numbers(std::vector<int> numbers) {
    return [numbers = std::move(numbers), next = size_t{0}]() mutable { return numbers[next++ % numbers.size()]; };
}

RECT Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

TEST_F(VersionBoxWin, ControlsSitWhereTheyWereDesignedAndTheLinkEndsBeforeTheEdge) {
    TVersionBox box(nullptr);
    box.Label4.SetCaption("Quillon");
    box.Show();
    EXPECT_EQ(box.ClientWidth(), 298);
    EXPECT_EQ(box.ClientHeight(), 203);
    const struct {
        const char* name;
        tk::Window& control;
        RECT bounds;
    } controls[] = {
        {"Panel1", box.Panel1, Bounds(0, 0, 297, 161)},
        {"Image1", box.Image1, Bounds(8, 8, 64, 64)},
        {"Image2", box.Image2, Bounds(150, 80, 128, 64)},
        {"StaticText1", box.StaticText1, Bounds(88, 21, 195, 20)},
        {"StaticText2", box.StaticText2, Bounds(104, 65, 165, 14)},
        {"OKButton", box.OKButton, Bounds(111, 172, 75, 25)},
    };
    for (const auto& c : controls) {
        const RECT r = c.control.BoundsRect();
        EXPECT_TRUE(EqualRect(&r, &c.bounds)) << c.name << ": " << r.left << ", " << r.top << ", " << r.right << ", "
                                              << r.bottom;
    }
    EXPECT_FALSE(box.Image2.Visible());
    EXPECT_GT(box.Label4.Width(), 0);
    EXPECT_EQ(box.Label4.BoundsRect().right, 297 - 16);
    EXPECT_EQ(box.Label4.Top(), 142);
    EXPECT_TRUE(box.Timer1.Enabled());
}

TEST_F(VersionBoxWin, TheChickIsDrawnOnThePanelColourAndTheMouseSqueezesAndSwellsIt) {
    // Jitter 9 % 2 = 1 on both axes; wobble 5 leaves the size.
    TVersionBox box(nullptr, Numbers({9, 9, 5}));
    box.SetPanelColour(kPanel);
    box.Show();
    const POINT home{box.Image1.Left(), box.Image1.Top()};

    box.Timer1Timer();  // frame 0, jittered
    const tk::Bitmap& picture = box.Image1.Picture();
    EXPECT_EQ(picture.PixelAt(0, 0), kPanel);  // the sprite's blue is the panel here
    EXPECT_EQ(picture.PixelAt(kSpriteFrameSize / 2, kSpriteFrameSize / 2), kChickYellow);
    EXPECT_EQ(box.Image1.Left(), home.x + 1);
    EXPECT_EQ(box.Image1.Top(), home.y + 1);
    std::vector<COLORREF> frame0;
    for (int y = 0; y < kSpriteFrameSize; ++y) frame0.push_back(picture.PixelAt(y, y));
    box.Timer1Timer();  // frame 1
    std::vector<COLORREF> frame1;
    for (int y = 0; y < kSpriteFrameSize; ++y) frame1.push_back(picture.PixelAt(y, y));
    EXPECT_NE(frame0, frame1);

    const auto mouse = [](tk::Window& window, UINT message) {
        SendMessageA(window.Handle(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(20, 20));
    };
    mouse(box.Image1, WM_LBUTTONDOWN);
    box.Timer1Timer();
    EXPECT_EQ(box.Image1.Width(), 54);
    EXPECT_EQ(box.Image1.Height(), 54);
    mouse(box.Image1, WM_MOUSEMOVE);  // still pressed
    box.Timer1Timer();
    EXPECT_EQ(box.Image1.Width(), 54);
    mouse(box.Panel1, WM_MOUSEMOVE);
    mouse(box.Image1, WM_MOUSEMOVE);
    box.Timer1Timer();
    EXPECT_EQ(box.Image1.Width(), 74);
    // Jitter moves it, the size leaves its top-left corner where it was.
    EXPECT_EQ(box.Image1.Left(), home.x + 1);
}

}  // namespace
}  // namespace vistrel
