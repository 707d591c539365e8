// The colour progress bar drawn on a memory DC: frames, solid and shaded
// bars, blocks, tick marks and the percentage text.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "HostWindow.h"
#include "PixelProbes.h"
#include "controls/ColorProgressBar.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Colours.h"

namespace vistrel {
namespace {

using test::Count;
using test::ExpectPixels;
using test::Probe;

constexpr COLORREF kBox = RGB(0, 0, 160);
constexpr COLORREF kBar = RGB(200, 100, 50);
constexpr COLORREF kText = RGB(255, 255, 0);
constexpr COLORREF kInner = RGB(0, 200, 0);

class ColorProgressBarWin : public test::HostedControlTest {
protected:
    TColorProgressBar& Add(int width, int height) {
        bars_.push_back(std::make_unique<TColorProgressBar>());
        TColorProgressBar& bar = *bars_.back();
        bar.Create(&host, static_cast<int>(100 + bars_.size()), {0, 0, width, height});
        bar.SetBoxColor(kBox);
        bar.SetBarColor(kBar);
        bar.SetFontColor(kText);
        bar.SetColor(kInner);
        return bar;
    }

    // The clipping list's processor meter: 63 x 33, flat grey frame, text.
    TColorProgressBar& Meter() {
        TColorProgressBar& bar = Add(63, 33);
        bar.SetMax(100);
        bar.SetLineColor(tk::clGray);
        bar.SetTextSwitch(true);
        bar.SetFlat(true);
        return bar;
    }

    static tk::Bitmap Picture(TColorProgressBar& bar) {
        tk::Bitmap picture(bar.Width(), bar.Height(), tk::PixelFormat::Bgr24);
        bar.PaintTo(picture.Dc());
        return picture;
    }

    std::vector<std::unique_ptr<TColorProgressBar>> bars_;
};

TEST_F(ColorProgressBarWin, TheMeterShowsAFlatFrameItsBarAndItsPercentage) {
    TColorProgressBar& bar = Meter();
    bar.SetPosition(50);  // bar from x 2 to 30
    const tk::Bitmap half = Picture(bar);
    ExpectPixels(half,
                 {{0, 5, tk::clGray}, {62, 5, tk::clGray}, {30, 0, tk::clGray}, {30, 31, tk::clGray},
                  {30, 32, kBox},  // the frame ends a row above the bottom
                  {1, 5, kBox}, {2, 2, kBar}, {30, 29, kBar}, {31, 5, kBox}, {30, 30, kBox}},
                 "half");
    EXPECT_GT(Count(half, kText), 10) << "the text 50%";

    bar.SetPosition(0);
    const tk::Bitmap empty = Picture(bar);
    EXPECT_EQ(Count(empty, kBar), 0) << "no bar at 0";
    EXPECT_GT(Count(empty, kText), 5) << "the text 0%";

    bar.SetTextSwitch(false);
    EXPECT_EQ(Count(Picture(bar), kText), 0);
}

TEST_F(ColorProgressBarWin, ASunkenFrameIsDarkTopLeftAndLightBottomRight) {
    const struct {
        const char* name;
        TProgressBarOrientation orientation;
        std::vector<Probe> probes;
    } cases[] = {
        {"horizontal", pbHorizontal,
         {{0, 0, RGB(0x50, 0x50, 0x50)}, {0, 15, RGB(0x50, 0x50, 0x50)}, {79, 0, tk::clWhite},
          {79, 15, tk::clWhite}, {40, 15, tk::clWhite}, {78, 8, kInner}, {40, 1, kBox}}},
        {"vertical", pbVertical, {{0, 0, RGB(0x50, 0x50, 0x50)}, {79, 8, tk::clWhite}, {40, 1, kInner}, {78, 8, kBox}}},
    };
    for (const auto& c : cases) {
        TColorProgressBar& bar = Add(80, 16);
        bar.SetOrientation(c.orientation);
        ExpectPixels(Picture(bar), c.probes, c.name);
    }
}

TEST_F(ColorProgressBarWin, TheRampShadesRowsFromTheBottomAndBlocksLeaveGaps) {
    TColorProgressBar& shaded = Add(150, 16);
    shaded.SetBarStyle(btGradetion);
    shaded.SetPosition(50);  // columns 2 to 72
    // (200, 100, 50) darkened by 64 and by 84 where it can: (52, 36, 50) at
    // the bottom row (13), 18.75 lighter a row upward.
    ExpectPixels(Picture(shaded),
                 {{10, 13, RGB(52, 36, 50)}, {10, 12, RGB(70, 54, 68)}, {72, 13, RGB(52, 36, 50)}, {73, 13, kBox}},
                 "shaded");

    TColorProgressBar& blocks = Add(150, 16);
    blocks.SetSmooth(true);
    blocks.SetBlockCount(10);
    blocks.SetPosition(25);  // two blocks: columns 2 to 14 and 16 to 29
    ExpectPixels(Picture(blocks), {{2, 8, kBar}, {14, 8, kBar}, {15, 8, kBox}, {16, 8, kBar}, {29, 8, kBar}, {30, 8, kBox}},
                 "blocks");
}

TEST_F(ColorProgressBarWin, TicksAreDrawnOverTheFrameAtLineParOfTheLength) {
    TColorProgressBar& bar = Meter();
    bar.SetLineParVisible(true);
    bar.SetLinePar(150);  // stored as 100: the far end
    ExpectPixels(Picture(bar), {{62, 1, tk::clRed}, {62, 4, tk::clRed}, {62, 5, tk::clGray}, {62, 27, tk::clRed}},
                 "far end");
    bar.SetLinePar(50);
    ExpectPixels(Picture(bar), {{31, 2, tk::clRed}, {31, 30, tk::clRed}, {31, 10, kBox}}, "middle");
}

TEST_F(ColorProgressBarWin, AShadowedTextIsDrawnInTheBoxColourOverTheBarColour) {
    TColorProgressBar& bar = Meter();
    bar.SetShadow(true);
    bar.SetPosition(100);  // the bar lies under the text; the shadow must show beside it
    bar.SetBarStyle(btGradetion);
    const tk::Bitmap picture = Picture(bar);
    EXPECT_EQ(Count(picture, kText), 0) << "the font colour is not used";
    EXPECT_GT(Count(picture, kBar), 5) << "the shadow";
    EXPECT_GT(Count(picture, kBox), 30) << "the text and the bottom row";
}

}  // namespace
}  // namespace vistrel
