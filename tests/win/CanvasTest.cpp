// Canvas and Bitmap on real GDI: what lands in the pixels.

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace vistrel::tk {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);

bool Inside(int x, int y, const RECT& r) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

int Grey(COLORREF c) { return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3; }

TEST(BitmapTest, DibRowsArePaddedAndReadBackAsDrawn) {
    struct Case {
        PixelFormat format;
        int width;
        int stride;
    };
    const Case cases[] = {
        {PixelFormat::Bgr24, 3, 12}, {PixelFormat::Bgr24, 4, 12}, {PixelFormat::Bgr24, 5, 16},
        {PixelFormat::Bgra32, 3, 12}, {PixelFormat::Bgra32, 5, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        Bitmap bitmap(c.width, 2, c.format);
        EXPECT_EQ(c.stride, bitmap.Stride());
        ASSERT_NE(nullptr, bitmap.Bits());
        EXPECT_EQ(kWhite, bitmap.PixelAt(c.width - 1, 1));  // a new bitmap is white
        bitmap.GetCanvas().SetPixel(c.width - 1, 1, RGB(10, 20, 30));
        // Bottom row, last pixel, read straight from memory: B, G, R.
        const int bytes = c.format == PixelFormat::Bgr24 ? 3 : 4;
        const uint8_t* p = bitmap.Bits() + bitmap.Stride() + (c.width - 1) * bytes;
        EXPECT_EQ(30, p[0]);
        EXPECT_EQ(20, p[1]);
        EXPECT_EQ(10, p[2]);
        EXPECT_EQ(RGB(10, 20, 30), bitmap.PixelAt(c.width - 1, 1));
        EXPECT_EQ(CLR_INVALID, bitmap.PixelAt(c.width, 0));
    }
}

TEST(BitmapTest, SameSizeKeepsThePictureNewSizeStartsWhiteMoveCarriesIt) {
    Bitmap bitmap(4, 4, PixelFormat::Bgr24);
    bitmap.GetCanvas().SetPixel(1, 1, kRed);
    bitmap.SetSize(4, 4);
    EXPECT_EQ(kRed, bitmap.PixelAt(1, 1));

    Bitmap moved = std::move(bitmap);
    EXPECT_EQ(0, bitmap.Width());
    EXPECT_EQ(nullptr, bitmap.Handle());
    EXPECT_EQ(kRed, moved.PixelAt(1, 1));
    moved.GetCanvas().SetPixel(2, 2, kBlue);  // its canvas draws on its own DC
    EXPECT_EQ(kBlue, moved.PixelAt(2, 2));

    moved.SetSize(6, 5);
    EXPECT_EQ(6, moved.Width());
    EXPECT_EQ(5, moved.Height());
    EXPECT_EQ(kWhite, moved.PixelAt(1, 1));
    moved.SetSize(0, 0);
    EXPECT_EQ(nullptr, moved.Handle());
}

TEST(BitmapTest, UnselectTakesTheBitmapOutOfItsDcForTheScope) {
    Bitmap bitmap(8, 8);
    ASSERT_EQ(bitmap.Handle(), GetCurrentObject(bitmap.Dc(), OBJ_BITMAP));
    {
        auto released = bitmap.Unselect();
        EXPECT_NE(bitmap.Handle(), GetCurrentObject(bitmap.Dc(), OBJ_BITMAP));
        // Selectable elsewhere now, which is what image lists and the clipboard do.
        MemoryDcOwner other(CreateCompatibleDC(nullptr));
        Selection selected(other.get(), bitmap.Handle());
        EXPECT_EQ(bitmap.Handle(), GetCurrentObject(other.get(), OBJ_BITMAP));
    }
    EXPECT_EQ(bitmap.Handle(), GetCurrentObject(bitmap.Dc(), OBJ_BITMAP));
}

TEST(CanvasTest, FrameRectDrawsOnePixelBorderInBrushColourAndLeavesTheInside) {
    const RECT frames[] = {{0, 0, 10, 8}, {1, 1, 9, 7}, {2, 3, 5, 6}};
    for (const RECT& frame : frames) {
        SCOPED_TRACE(frame.left);
        Bitmap bitmap(10, 8, PixelFormat::Bgr24);
        Canvas& canvas = bitmap.GetCanvas();
        canvas.SetBrushColor(kBlue);
        canvas.FrameRect(frame);
        const RECT inner{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x) {
                const bool border = Inside(x, y, frame) && !Inside(x, y, inner);
                EXPECT_EQ(border ? kBlue : kWhite, bitmap.PixelAt(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(CanvasTest, FillRectCoversAllButRightAndBottomEdges) {
    Bitmap bitmap(6, 6, PixelFormat::Bgr24);
    bitmap.GetCanvas().SetBrushColor(kGreen);
    const RECT area{1, 2, 4, 5};
    bitmap.GetCanvas().FillRect(area);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(Inside(x, y, area) ? kGreen : kWhite, bitmap.PixelAt(x, y)) << x << "," << y;

    // A clear brush fills nothing.
    bitmap.GetCanvas().SetBrushStyle(BrushStyle::Clear);
    bitmap.GetCanvas().FillRect(RECT{0, 0, 6, 6});
    EXPECT_EQ(kWhite, bitmap.PixelAt(0, 0));
}

TEST(CanvasTest, ShapesUsePenOutlineAndBrushInterior) {
    struct Case {
        BrushStyle style;
        COLORREF inside;
    };
    for (const Case c : {Case{BrushStyle::Solid, kGreen}, Case{BrushStyle::Clear, kWhite}}) {
        Bitmap bitmap(12, 12, PixelFormat::Bgr24);
        Canvas& canvas = bitmap.GetCanvas();
        canvas.SetPenColor(kRed);
        canvas.SetBrushColor(kGreen);
        canvas.SetBrushStyle(c.style);
        canvas.Rectangle(RECT{2, 2, 10, 10});
        EXPECT_EQ(kRed, bitmap.PixelAt(2, 2));
        EXPECT_EQ(kRed, bitmap.PixelAt(9, 5));
        EXPECT_EQ(c.inside, bitmap.PixelAt(5, 5));
        EXPECT_EQ(kWhite, bitmap.PixelAt(10, 10));
    }

    Bitmap lines(10, 10, PixelFormat::Bgr24);
    lines.GetCanvas().SetPenColor(kBlue);
    lines.GetCanvas().MoveTo(0, 3);
    lines.GetCanvas().LineTo(9, 3);  // the end point is not drawn
    EXPECT_EQ(kBlue, lines.PixelAt(0, 3));
    EXPECT_EQ(kBlue, lines.PixelAt(8, 3));
    EXPECT_EQ(kWhite, lines.PixelAt(9, 3));
    const POINT corner[] = {{5, 0}, {5, 9}};
    lines.GetCanvas().SetPenColor(kRed);
    lines.GetCanvas().Polyline(corner);
    EXPECT_EQ(kRed, lines.PixelAt(5, 5));
}

TEST(CanvasTest, TextBackgroundFollowsTheBrush) {
    struct Case {
        BrushStyle style;
        COLORREF background;
    };
    for (const Case c : {Case{BrushStyle::Solid, kGreen}, Case{BrushStyle::Clear, kWhite}}) {
        Bitmap bitmap(64, 32, PixelFormat::Bgr24);
        Canvas& canvas = bitmap.GetCanvas();
        canvas.SetFont("Arial", -16);
        canvas.SetBrushColor(kGreen);
        canvas.SetBrushStyle(c.style);
        canvas.SetFontColor(kBlack);
        const SIZE extent = canvas.TextExtent("W");
        ASSERT_GT(extent.cx, 0);
        ASSERT_GT(extent.cy, 0);
        EXPECT_GT(canvas.TextWidth("WW"), canvas.TextWidth("W"));
        canvas.TextOut(0, 0, "W");
        int ink = 0, background = 0;
        for (int y = 0; y < extent.cy; ++y) {
            for (int x = 0; x < extent.cx; ++x) {
                const COLORREF pixel = bitmap.PixelAt(x, y);
                if (pixel == c.background) ++background;
                if (Grey(pixel) < 80) ++ink;
            }
        }
        EXPECT_GT(ink, 5);
        EXPECT_GT(background, extent.cx * extent.cy / 3);
        EXPECT_EQ(kWhite, bitmap.PixelAt(63, 31));  // outside the text cell
    }
}

TEST(CanvasTest, ReleasePutsTheDcsOwnObjectsBack) {
    MemoryDcOwner dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ pen = GetCurrentObject(dc.get(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(dc.get(), OBJ_BRUSH);
    const HGDIOBJ font = GetCurrentObject(dc.get(), OBJ_FONT);
    {
        Canvas canvas(dc.get());
        canvas.SetPenColor(kRed);
        canvas.SetBrushColor(kBlue);
        canvas.SetFont("Arial", -12);
        canvas.Rectangle(RECT{0, 0, 2, 2});
        canvas.SetPenColor(kGreen);  // a second pen replaces the first
        canvas.LineTo(1, 1);
        EXPECT_NE(pen, GetCurrentObject(dc.get(), OBJ_PEN));
        EXPECT_NE(brush, GetCurrentObject(dc.get(), OBJ_BRUSH));
        EXPECT_NE(font, GetCurrentObject(dc.get(), OBJ_FONT));
    }
    EXPECT_EQ(pen, GetCurrentObject(dc.get(), OBJ_PEN));
    EXPECT_EQ(brush, GetCurrentObject(dc.get(), OBJ_BRUSH));
    EXPECT_EQ(font, GetCurrentObject(dc.get(), OBJ_FONT));
}

// A 2 x 2 source: red, green / blue, white.
Bitmap Quadrants() {
    Bitmap source(2, 2, PixelFormat::Bgr24);
    source.GetCanvas().SetPixel(0, 0, kRed);
    source.GetCanvas().SetPixel(1, 0, kGreen);
    source.GetCanvas().SetPixel(0, 1, kBlue);
    source.GetCanvas().SetPixel(1, 1, kWhite);
    return source;
}

TEST(CanvasTest, StretchBltFromEnlargesBlockwiseInBothModes) {
    for (int mode : {COLORONCOLOR, HALFTONE}) {
        SCOPED_TRACE(mode);
        Bitmap source = Quadrants();
        Bitmap target(8, 8, PixelFormat::Bgr24);
        target.GetCanvas().SetStretchMode(mode);
        target.GetCanvas().StretchBltFrom(source.Dc(), RECT{0, 0, 2, 2}, RECT{2, 2, 6, 6});
        // The corners of each 2 x 2 block are the source pixel itself.
        EXPECT_EQ(kRed, target.PixelAt(2, 2));
        EXPECT_EQ(kGreen, target.PixelAt(5, 2));
        EXPECT_EQ(kBlue, target.PixelAt(2, 5));
        EXPECT_EQ(kWhite, target.PixelAt(5, 5));
        EXPECT_EQ(kWhite, target.PixelAt(1, 1));  // outside the destination
        EXPECT_EQ(kWhite, target.PixelAt(6, 6));
    }
}

TEST(CanvasTest, ShrinkingPicksSourceColoursWithColorOnColorAndBlendsWithHalftone) {
    // A 16 x 16 checkerboard of black and white shrunk to 3 x 3. Windows
    // averages each source block under HALFTONE; Wine 8 interpolates between
    // the pixels nearest each sample point instead, so a shrink by a whole
    // factor, which samples exact pixels, would stay black and white there.
    // Either way a shrink by 16/3 shows blended greys.
    Bitmap source(16, 16, PixelFormat::Bgr24);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) source.GetCanvas().SetPixel(x, y, (x + y) % 2 ? kWhite : kBlack);

    for (int mode : {COLORONCOLOR, HALFTONE}) {
        SCOPED_TRACE(mode);
        Bitmap target(3, 3, PixelFormat::Bgr24);
        target.GetCanvas().SetStretchMode(mode);
        target.GetCanvas().StretchDraw(RECT{0, 0, 3, 3}, source);
        int blended = 0;
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 3; ++x) {
                const COLORREF pixel = target.PixelAt(x, y);
                if (pixel == kBlack || pixel == kWhite) continue;
                ++blended;
                EXPECT_GT(Grey(pixel), 32);
                EXPECT_LT(Grey(pixel), 224);
            }
        }
        EXPECT_EQ(mode == HALFTONE, blended > 0) << blended;
    }
}

TEST(CanvasTest, CopyFromAndDrawCopyUnscaled) {
    Bitmap source = Quadrants();
    Bitmap target(4, 4, PixelFormat::Bgr24);
    target.GetCanvas().CopyFrom(source.Dc(), RECT{0, 0, 1, 2}, POINT{1, 0});
    EXPECT_EQ(kGreen, target.PixelAt(0, 0));
    EXPECT_EQ(kWhite, target.PixelAt(0, 1));
    target.GetCanvas().Draw(2, 2, source);
    EXPECT_EQ(kRed, target.PixelAt(2, 2));
    EXPECT_EQ(kBlue, target.PixelAt(2, 3));
    EXPECT_EQ(kGreen, target.PixelAt(3, 2));
}

TEST(CanvasTest, BrushCopyShowsTheBrushWhereTheSourceHasTheKeyColour) {
    Bitmap source(3, 1, PixelFormat::Bgr24);
    source.GetCanvas().SetPixel(0, 0, kBlue);
    source.GetCanvas().SetPixel(1, 0, kRed);
    source.GetCanvas().SetPixel(2, 0, kBlue);
    Bitmap target(5, 3, PixelFormat::Bgr24);
    target.GetCanvas().SetBrushColor(kBlack);
    target.GetCanvas().FillRect(RECT{0, 0, 5, 3});
    target.GetCanvas().SetBrushColor(kGreen);
    target.GetCanvas().BrushCopy(RECT{1, 1, 4, 2}, source, RECT{0, 0, 3, 1}, kBlue);
    EXPECT_EQ(kGreen, target.PixelAt(1, 1));
    EXPECT_EQ(kRed, target.PixelAt(2, 1));
    EXPECT_EQ(kGreen, target.PixelAt(3, 1));
    // Nothing outside the destination changes.
    for (POINT outside : {POINT{0, 1}, POINT{4, 1}, POINT{2, 0}, POINT{2, 2}})
        EXPECT_EQ(kBlack, target.PixelAt(outside.x, outside.y)) << outside.x << ", " << outside.y;
}

}  // namespace
}  // namespace vistrel::tk
