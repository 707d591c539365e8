// The gauge drawn on a memory DC: each kind's pixels on its black ground,
// the border, the text's shadow, and sizes too small to hold anything.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "HostWindow.h"
#include "PixelProbes.h"
#include "controls/NewProgressBar.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Colours.h"

namespace vistrel {
namespace {

using test::Count;
using test::ExpectPixels;
using test::Probe;

constexpr COLORREF kFore = RGB(200, 100, 50);
constexpr COLORREF kBack = RGB(250, 250, 200);
constexpr COLORREF kColor = RGB(0, 128, 0);
constexpr COLORREF kShade = RGB(0x50, 0x50, 0x50);

class NewProgressBarWin : public test::HostedControlTest {
protected:
    TNewProgressBar& Add(TProgressKind kind, int width, int height, uint64_t position) {
        gauges_.push_back(std::make_unique<TNewProgressBar>());
        TNewProgressBar& gauge = *gauges_.back();
        gauge.Create(&host, static_cast<int>(100 + gauges_.size()), {0, 0, width, height});
        gauge.SeTCGaugeKind(kind);
        gauge.SetForeColor(kFore);
        gauge.SetBackColor(kBack);
        gauge.SetColor(kColor);
        gauge.SetShowText(false);
        gauge.SetProgress(position);
        return gauge;
    }

    static tk::Bitmap Picture(TNewProgressBar& gauge) {
        tk::Bitmap picture(std::max(gauge.Width(), 1), std::max(gauge.Height(), 1), tk::PixelFormat::Bgr24);
        gauge.PaintTo(picture.Dc());
        return picture;
    }

    std::vector<std::unique_ptr<TNewProgressBar>> gauges_;
};

TEST_F(NewProgressBarWin, TextKindShowsThePercentageOnTheBackColourWithAShadow) {
    TNewProgressBar& gauge = Add(iuText, 150, 32, 0);
    const tk::Bitmap plain = Picture(gauge);
    ExpectPixels(plain, {{0, 0, tk::clBlack}, {149, 31, tk::clBlack}, {1, 1, kBack}, {148, 30, kBack}},
                 "border");
    EXPECT_EQ(Count(plain, kFore), 0);

    gauge.SetShowText(true);
    gauge.SetProgress(42);
    const tk::Bitmap text = Picture(gauge);
    EXPECT_GT(Count(text, kFore), 10) << "the shadow of 42%";
    // The shadow (and the text a pixel above and left of it) sits in the middle.
    RECT shadow{text.Width(), text.Height(), 0, 0};
    for (int y = 0; y < text.Height(); ++y)
        for (int x = 0; x < text.Width(); ++x)
            if (text.PixelAt(x, y) == kFore)
                shadow = {std::min<LONG>(shadow.left, x), std::min<LONG>(shadow.top, y),
                          std::max<LONG>(shadow.right, x), std::max<LONG>(shadow.bottom, y)};
    EXPECT_NEAR((shadow.left + shadow.right) / 2, 75, 3);
    EXPECT_NEAR((shadow.top + shadow.bottom) / 2, 16, 3);

    gauge.SetBorderStyle(bsNone);
    ExpectPixels(Picture(gauge), {{0, 0, kBack}, {149, 31, kBack}}, "no border");
}

TEST_F(NewProgressBarWin, HorizontalBarsFillOnBlackInsideASunkenBorder) {
    TNewProgressBar& bar = Add(iuHorizontalBar, 141, 32, 50);  // columns 2 to 68
    ExpectPixels(Picture(bar),
                 {{2, 2, kFore}, {68, 28, kFore}, {69, 10, tk::clBlack}, {1, 10, tk::clBlack},
                  {10, 29, tk::clBlack}, {0, 10, kShade}, {10, 0, kShade}, {140, 10, tk::clWhite},
                  {10, 31, tk::clWhite}, {139, 10, kBack}},
                 "half");

    TNewProgressBar& blocks = Add(iuHorizontalBar, 141, 32, 97);  // 7 blocks of 20: six lit
    blocks.SetSmooth(true);
    blocks.SetBlockCount(7);
    ExpectPixels(Picture(blocks),
                 {{20, 5, kFore}, {21, 5, tk::clBlack}, {22, 5, kFore}, {120, 5, kFore},
                  {121, 5, tk::clBlack}, {130, 5, tk::clBlack}},
                 "97%");
    blocks.SetProgress(98);
    ExpectPixels(Picture(blocks), {{130, 5, kFore}}, "98%");
}

TEST_F(NewProgressBarWin, AVerticalRampShadesColumnsFromTheRight) {
    TNewProgressBar& bar = Add(iuVerticalBar, 20, 101, 50);  // rows 51 to 97
    bar.SetBarStyle(btGradetion);
    // (200, 100, 50) less 64 and then 84 where it can: (52, 36, 50) in column
    // 17, 15 lighter a column leftward at 20 wide.
    ExpectPixels(Picture(bar),
                 {{17, 60, RGB(52, 36, 50)}, {16, 60, RGB(67, 51, 65)}, {17, 97, RGB(52, 36, 50)},
                  {17, 50, tk::clBlack}, {17, 98, tk::clBlack}, {10, 1, kBack}, {19, 60, tk::clWhite}},
                 "ramp");
}

TEST_F(NewProgressBarWin, ThePieCoversTheQuarterFromTwelveToThree) {
    TNewProgressBar& pie = Add(iuPie, 41, 41, 25);
    ExpectPixels(Picture(pie),
                 {{28, 12, kFore}, {12, 12, kBack}, {28, 28, kBack}, {12, 28, kBack}, {2, 2, kColor},
                  {0, 0, tk::clBlack}},
                 "25%");
    pie.SetProgress(75);
    ExpectPixels(Picture(pie), {{28, 12, kFore}, {28, 28, kFore}, {12, 28, kFore}, {12, 12, kBack}}, "75%");
    pie.SetProgress(0);
    ExpectPixels(Picture(pie), {{28, 12, kBack}, {12, 28, kBack}}, "0%");
}

TEST_F(NewProgressBarWin, TheNeedleStandsUpAtHalfOverItsDial) {
    TNewProgressBar& needle = Add(iuNeedle, 41, 41, 50);
    ExpectPixels(Picture(needle),
                 {{20, 20, kFore}, {20, 5, kFore}, {10, 30, kBack}, {25, 20, kBack}, {2, 2, kColor},
                  {10, 40, kFore}},
                 "50%");
    needle.SetProgress(0);
    ExpectPixels(Picture(needle), {{20, 20, kBack}, {20, 5, kBack}}, "0%");
}

TEST_F(NewProgressBarWin, SizesTooSmallForTheirPictureStillPaint) {
    const TProgressKind kinds[] = {iuText, iuHorizontalBar, iuVerticalBar, iuPie, iuNeedle};
    const SIZE sizes[] = {{0, 0}, {1, 1}, {3, 3}};
    for (TProgressKind kind : kinds) {
        for (SIZE size : sizes) {
            TNewProgressBar& gauge = Add(kind, size.cx, size.cy, 100);
            gauge.SetShowText(true);
            gauge.SetSmooth(true);
            gauge.SetBlockCount(0);
            EXPECT_EQ(gauge.BlockCount(), 1) << "a count of 0 is 1";
            Picture(gauge);
        }
    }
}

}  // namespace
}  // namespace vistrel
