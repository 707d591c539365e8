// The switch button's rules: the shaded ramp and where it goes, caption
// placement, the hit mask, and press/release/latch behaviour.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/SwitchButtonModel.h"

namespace vistrel {
namespace {

constexpr SwitchColour Rgb(int r, int g, int b) {
    return static_cast<SwitchColour>(r) | static_cast<SwitchColour>(g) << 8 |
           static_cast<SwitchColour>(b) << 16;
}

TEST(SwitchRamp, StepIsHalfTheHeightIntoOneHundredFiftyAndAtLeastOne) {
    const struct {
        int height;
        float step;
    } cases[] = {{16, 18.75F}, {25, 12.0F}, {300, 1.0F}, {1000, 1.0F}, {0, 1.0F}, {-5, 1.0F}};
    for (const auto& c : cases) EXPECT_FLOAT_EQ(RampStep(c.height), c.step) << c.height;
}

TEST(SwitchRamp, DarkChannelsKeepTheirValueAtTheBottomAndRowsBrightenUpward) {
    // The main window's clipping switch: (78, 79, 105), 16 high.
    const std::vector<SwitchColour> rows = RampColours(Rgb(78, 79, 105), 16, 4);
    const std::vector<SwitchColour> expected = {Rgb(78, 79, 21), Rgb(96, 97, 39), Rgb(115, 116, 58),
                                                Rgb(134, 135, 77)};
    EXPECT_EQ(rows, expected);
}

TEST(SwitchRamp, AChannelStopsBeforeItWouldReachWhite) {
    const std::vector<SwitchColour> rows = RampColours(Rgb(255, 0, 84), 16, 8);
    const int reds[] = {171, 189, 208, 227, 246, 246, 246, 246};
    const int greens[] = {0, 18, 37, 56, 75, 93, 112, 131};
    const int blues[] = {84, 102, 121, 140, 159, 177, 196, 215};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(static_cast<int>(rows[i] & 0xFF), reds[i]) << i;
        EXPECT_EQ(static_cast<int>(rows[i] >> 8 & 0xFF), greens[i]) << i;
        EXPECT_EQ(static_cast<int>(rows[i] >> 16 & 0xFF), blues[i]) << i;
    }
}

TEST(SwitchRamp, NoRowsNoColoursAndAZeroHeightNeverDivides) {
    EXPECT_TRUE(RampColours(Rgb(200, 200, 200), 16, 0).empty());
    const std::vector<SwitchColour> rows = RampColours(Rgb(200, 200, 200), 0, 2);
    EXPECT_EQ(rows, (std::vector<SwitchColour>{Rgb(116, 116, 116), Rgb(117, 117, 117)}));
}

TEST(SwitchRamp, FaceFollowsTheShapeAndShiftsDownRightWhenPressed) {
    using S = SwitchDrawState;
    using F = SwitchFace;
    const struct {
        F face;
        S state;
        SwitchRect rect;
        int rows;
    } cases[] = {
        {F::Ellipse, S::Up, {1, 0, 14, 13}, 13},    {F::Ellipse, S::DownDrawn, {2, 1, 15, 14}, 13},
        {F::Ellipse, S::Pressed, {3, 2, 16, 15}, 13}, {F::Round, S::Up, {1, 0, 14, 12}, 12},
        {F::Round, S::DownDrawn, {2, 1, 15, 13}, 12}, {F::Rect, S::Pressed, {3, 2, 16, 14}, 12},
    };
    for (const auto& c : cases) {
        const SwitchRect rect = RampFace(c.face, c.state, 17, 16);
        EXPECT_EQ(rect, c.rect) << static_cast<int>(c.face) << "/" << static_cast<int>(c.state);
        EXPECT_EQ(RampRows(rect), c.rows);
    }
    EXPECT_EQ(RampRows(RampFace(F::Rect, S::Pressed, 4, 4)), 1) << "at least one row";
}

TEST(SwitchCaption, PositionFromAlignmentAndFontHeight) {
    const struct {
        ALIGN align;
        int height;
        int fontHeight;
        int top;
    } cases[] = {
        {psTop, 25, -12, 0},    {psCenter, 25, -12, 6}, {psBottom, 25, -12, 12},
        {psCenter, 25, -13, 6}, {psCenter, 40, 16, 28}, {psBottom, 3, -12, -6},
    };
    for (const auto& c : cases) EXPECT_EQ(TextPosition(c.align, c.height, c.fontHeight), c.top) << c.align;
    EXPECT_EQ(CaptionX(0, 75, 31), 22);
    EXPECT_EQ(CaptionX(0, 10, 31), -10) << "halves truncate toward zero";
    EXPECT_EQ(CaptionX(7, 75, 31), 7);
    EXPECT_EQ(CaptionShift(SwitchDrawState::Up), 0);
    EXPECT_EQ(CaptionShift(SwitchDrawState::DownDrawn), 1);
    EXPECT_EQ(CaptionShift(SwitchDrawState::Pressed), 2);
}

TEST(SwitchColours, LightColourAddsMoreToPureBrightColoursAndWhitensDarkOrSystemOnes) {
    const struct {
        int32_t c;
        SwitchColour light;
    } cases[] = {
        {0x00FF00, 0xC8FFC8}, {0x00FFFF, 0xC8FFFF}, {0xFFFF00, 0xFFFFC8}, {0x102030, 0x92A2B2},
        {29, 0xFFFFFF},       {30, 0x8282A0},       {static_cast<int32_t>(0x8000000F), 0xFFFFFF},
    };
    for (const auto& c : cases) EXPECT_EQ(GetLightColor(c.c), c.light) << std::hex << c.c;
}

TEST(SwitchColours, FaceAndCaptionFollowThePressedStateUnlessAllowAllUpKeepsThem) {
    constexpr SwitchColour kUp = 1, kDown = 2, kPrevious = 3, kFont = 4, kDownText = 5;
    const struct {
        bool allowAllUp, pressed, down;
        SwitchColour face, text;
    } cases[] = {
        {false, false, false, kUp, kFont},        {false, true, false, kDown, kDownText},
        {false, false, true, kDown, kDownText},   {true, false, true, kDown, kDownText},
        {true, false, false, kUp, kFont},         {true, true, false, kPrevious, kPrevious},
        {true, true, true, kPrevious, kPrevious},
    };
    for (const auto& c : cases) {
        SwitchState state;
        state.allowAllUp = c.allowAllUp;
        state.pressed = c.pressed;
        state.down = c.down;
        EXPECT_EQ(FaceColour(state, kUp, kDown, kPrevious), c.face);
        EXPECT_EQ(CaptionColour(state, kFont, kDownText, false, kPrevious), c.text);
    }
    SwitchState down;
    down.allowAllUp = true;
    down.down = true;
    EXPECT_EQ(CaptionColour(down, kFont, kDownText, true, kPrevious), kFont)
        << "the window text colour as down colour means: keep the font's";
}

TEST(SwitchHitMask, QuarterSizeShapeWithCornersOutAndNothingReadBeyondIt) {
    SwitchHitMask mask;
    mask.Build(btEllipse, 17, 16, 0);
    ASSERT_EQ(mask.Width(), 4);
    ASSERT_EQ(mask.Height(), 4);
    const struct {
        int x, y;
        bool inside;
    } cases[] = {
        {8, 8, true},   {1, 1, false},  {15, 1, false}, {1, 15, false}, {15, 15, false},
        {0, 8, true},   {15, 8, true},  {8, 0, true},   {8, 15, true},
        {16, 8, false},  // quarter 4 is past the mask's last column...
        {16, 4, false},  // ...and read as a flat row it would be the next row's inside
        {-1, 8, false}, {8, 16, false}, {17, 8, false},
    };
    for (const auto& c : cases) EXPECT_EQ(mask.Contains(c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(SwitchHitMask, StylesAndSizes) {
    const struct {
        BTNSTYLE style;
        int width, height, roundSize;
        int cornerX, cornerY;
        bool cornerIn, centreIn;
    } cases[] = {
        {btRound, 75, 25, 0, 0, 0, true, true},     // square corners: the whole rectangle
        {btRound, 80, 40, 40, 0, 0, false, true},   // 10-pixel corner ellipse in the mask
        {btRound, 80, 40, 40, 79, 39, false, true},
        {btRound, 80, 40, 40, 20, 0, true, true},   // top edge past the corner
        {btGraphic, 75, 25, 0, 0, 0, false, false}, // no shape: never clicked
        {btEllipse, 3, 3, 0, 0, 0, false, false},   // too small to have a face
        {btEllipse, 0, 0, 0, 0, 0, false, false},
        {btRound, 4, 4, 0, 0, 0, true, true},
    };
    for (const auto& c : cases) {
        SwitchHitMask mask;
        mask.Build(c.style, c.width, c.height, c.roundSize);
        EXPECT_EQ(mask.Contains(c.cornerX, c.cornerY), c.cornerIn) << c.style << " " << c.width;
        EXPECT_EQ(mask.Contains(c.width / 2, c.height / 2), c.centreIn) << c.style << " " << c.width;
    }
}

// What a press and release leave behind, from a button in a given state.
TEST(SwitchState, PressAndReleaseByGroupAndAllowAllUp) {
    const struct {
        int group;
        bool allowAllUp, downBefore;
        bool downAfter, repaintOnRelease;
    } cases[] = {
        {0, false, false, false, true},  // a push button never stays down, repaints each time
        {0, true, false, false, true},
        {1, false, false, true, true},   // latches
        {1, false, true, true, false},   // already down: stays, nothing to repaint
        {1, true, false, true, true},
        {1, true, true, false, true},    // AllowAllUp lets it go again
    };
    for (const auto& c : cases) {
        SwitchState state;
        state.loading = false;
        state.groupIndex = c.group;
        state.allowAllUp = c.allowAllUp;
        state.down = state.paintedDown = c.downBefore;
        state.Press();
        EXPECT_TRUE(state.pressed);
        EXPECT_EQ(state.Drawing(), SwitchDrawState::Pressed);
        state.ClearPress();
        EXPECT_EQ(state.FinishRelease(), c.repaintOnRelease) << c.group << c.allowAllUp << c.downBefore;
        EXPECT_FALSE(state.pressed);
        EXPECT_EQ(state.down, c.downAfter);
        EXPECT_EQ(state.paintedDown, c.downAfter);
        EXPECT_EQ(state.ReleasesGroup(), c.downAfter);
    }
}

TEST(SwitchState, SetDownTakesTheFirstValueAsItIsThenFollowsTheGroupRules) {
    const struct {
        int group;
        bool allowAllUp, downBefore, loading, value;
        bool downAfter;
    } cases[] = {
        {0, false, false, true, true, true},    // as streamed, even without a group
        {0, false, false, false, true, false},  // a push button cannot be latched
        {0, true, true, false, true, false},    // ... and AllowAllUp lets a latched one go
        {0, false, true, false, false, true},
        {2, false, false, false, true, true},
        {2, false, true, false, false, true},   // only another button releases it
        {2, true, true, false, false, false},
    };
    for (const auto& c : cases) {
        SwitchState state;
        state.groupIndex = c.group;
        state.allowAllUp = c.allowAllUp;
        state.down = c.downBefore;
        state.loading = c.loading;
        state.pressed = true;
        state.SetDown(c.value);
        EXPECT_EQ(state.down, c.downAfter) << c.group << c.allowAllUp << c.downBefore << c.loading;
        EXPECT_EQ(state.paintedDown, c.downAfter);
        EXPECT_FALSE(state.loading);
    }
}

TEST(SwitchState, OnlyALatchedButtonOfTheSameGroupIsReleasedByAnother) {
    const struct {
        int group;
        bool down;
        int latched;
        bool released;
    } cases[] = {{1, true, 1, true}, {1, false, 1, false}, {2, true, 1, false}, {0, true, 0, false}};
    for (const auto& c : cases) {
        SwitchState state;
        state.groupIndex = c.group;
        state.down = state.paintedDown = state.pressed = c.down;
        EXPECT_EQ(state.ReleaseForGroupOf(c.latched), c.released);
        EXPECT_EQ(state.down, c.down && !c.released);
    }
}

TEST(SwitchState, DraggingBackOntoAButtonPressesItAndOffAgainLetsGo) {
    SwitchState state;
    bool dragging = false;
    const struct {
        bool inside;
        bool repaint, pressed, draggingAfter;
    } steps[] = {
        {false, false, false, false},  // nothing tracked yet
        {true, true, true, true},      // onto the button
        {true, false, true, true},     // still on it
        {false, true, false, false},   // off it
    };
    for (const auto& s : steps) {
        EXPECT_EQ(state.Drag(s.inside, dragging), s.repaint);
        EXPECT_EQ(state.pressed, s.pressed);
        EXPECT_EQ(dragging, s.draggingAfter);
    }
    SwitchState latched;
    latched.down = true;
    latched.pressed = true;
    dragging = true;
    EXPECT_TRUE(latched.Drag(true, dragging)) << "a latched button under the mouse ends the drag";
    EXPECT_FALSE(latched.pressed);
}

}  // namespace
}  // namespace vistrel
