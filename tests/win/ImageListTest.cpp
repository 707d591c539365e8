// ImageList with real comctl32 image lists: pictures in, pictures out.

#include "toolkit/Bitmap.h"
#include "toolkit/ImageList.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>

namespace vistrel::tk {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBackground = RGB(10, 200, 30);

Bitmap Solid(int width, int height, COLORREF colour, PixelFormat format = PixelFormat::Device) {
    Bitmap bitmap(width, height, format);
    bitmap.GetCanvas().SetBrushColor(colour);
    bitmap.GetCanvas().FillRect(RECT{0, 0, width, height});
    return bitmap;
}

// The whole picture `index`, read back through a 24-bit DIB.
Bitmap CopyOut(const ImageList& list, int index, COLORREF under = kWhite) {
    Bitmap copy = Solid(list.Width(), list.Height(), under, PixelFormat::Bgr24);
    EXPECT_TRUE(list.CopyImage(index, copy.Dc()));
    return copy;
}

bool AllPixels(const Bitmap& bitmap, COLORREF colour) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.PixelAt(x, y) != colour) return false;
    return true;
}

// A 16 x 16 glyph: an opaque red square from (4, 4) to (12, 12) on transparent
// white (artwork often has colour under alpha 0).
std::array<uint32_t, 256> SquareGlyph() {
    std::array<uint32_t, 256> pixels;
    pixels.fill(0x00FFFFFF);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) pixels[y * 16 + x] = 0xFFFF0000;
    return pixels;
}

bool InSquare(int x, int y) { return x >= 4 && x < 12 && y >= 4 && y < 12; }

TEST(ImageListTest, AddReplaceAndCopyOutKeepEachPicture) {
    ImageList list;
    list.Create(20, 12, ILC_COLOR24, 0, 4);
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(40, 80, 120)};
    for (int i = 0; i < 3; ++i) {
        Bitmap picture = Solid(20, 12, colours[i]);
        EXPECT_EQ(i, list.Add(picture));
        // The bitmap is back in its DC and still draws.
        picture.GetCanvas().SetPixel(0, 0, kWhite);
        EXPECT_EQ(kWhite, picture.PixelAt(0, 0));
    }
    EXPECT_EQ(3, list.Count());
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(AllPixels(CopyOut(list, i), colours[i])) << i;

    Bitmap replacement = Solid(20, 12, RGB(200, 100, 0), PixelFormat::Bgr24);
    replacement.GetCanvas().SetPixel(19, 11, RGB(1, 2, 3));
    EXPECT_TRUE(list.Replace(1, replacement));
    EXPECT_EQ(3, list.Count());
    const Bitmap copy = CopyOut(list, 1);
    EXPECT_EQ(RGB(200, 100, 0), copy.PixelAt(0, 0));
    EXPECT_EQ(RGB(1, 2, 3), copy.PixelAt(19, 11));
    EXPECT_TRUE(AllPixels(CopyOut(list, 0), colours[0]));
    EXPECT_TRUE(AllPixels(CopyOut(list, 2), colours[2]));

    Bitmap scratch(20, 12, PixelFormat::Bgr24);
    for (int bad : {-1, 3}) {
        EXPECT_FALSE(list.Replace(bad, replacement)) << bad;
        EXPECT_FALSE(list.CopyImage(bad, scratch.Dc())) << bad;
    }
}

TEST(ImageListTest, SetSizeAndClearEmptyTheList) {
    ImageList list;
    list.Create(120, 100, ILC_COLOR24, 0, 16);
    Bitmap picture = Solid(120, 100, RGB(0, 0, 255));
    list.Add(picture);
    list.Add(picture);
    ASSERT_EQ(2, list.Count());

    list.SetSize(240, 192);
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(240, list.Width());
    EXPECT_EQ(192, list.Height());

    Bitmap larger = Solid(240, 192, RGB(0, 0, 255));
    EXPECT_EQ(0, list.Add(larger));
    list.Clear();
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(240, list.Width());
}

TEST(ImageListTest, PixelGlyphsAreTransparentWhereAlphaIsZero) {
    const UINT kinds[] = {ILC_COLOR24 | ILC_MASK, ILC_COLOR32, ILC_COLOR32 | ILC_MASK};
    const auto glyph = SquareGlyph();
    for (UINT flags : kinds) {
        SCOPED_TRACE(flags);
        ImageList list;
        list.Create(16, 16, flags, 0, 4);
        EXPECT_EQ(-1, list.AddPixels(glyph.data(), 8, 8));  // not the list's size
        ASSERT_EQ(0, list.AddPixels(glyph.data(), 16, 16));

        Bitmap target = Solid(20, 20, kBackground, PixelFormat::Bgr24);
        list.Draw(0, target.Dc(), 2, 2);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(InSquare(x - 2, y - 2) ? RGB(255, 0, 0) : kBackground, target.PixelAt(x, y))
                    << x << "," << y;

        // Replacing with pixels keeps the index and its transparency.
        auto blue = glyph;
        for (auto& pixel : blue)
            if (pixel >> 24) pixel = 0xFF0000FF;
        EXPECT_TRUE(list.ReplacePixels(0, blue.data(), 16, 16));
        const Bitmap copy = CopyOut(list, 0, kBackground);
        EXPECT_EQ(RGB(0, 0, 255), copy.PixelAt(4, 4));
        EXPECT_EQ(kBackground, copy.PixelAt(3, 3));
    }
}

TEST(ImageListTest, DisabledLookIsEmbossedGreyAndKeepsTransparency) {
    ImageList list;
    list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4);
    const auto glyph = SquareGlyph();
    ASSERT_EQ(0, list.AddPixels(glyph.data(), 16, 16));

    Bitmap target = Solid(20, 20, kBackground, PixelFormat::Bgr24);
    // The DC's text colours must not leak into the look.
    SetTextColor(target.Dc(), RGB(255, 0, 255));
    SetBkColor(target.Dc(), RGB(0, 255, 255));
    list.Draw(0, target.Dc(), 0, 0, false);

    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_3DHILIGHT);
    struct Case {
        int x, y;
        COLORREF expected;
    };
    const Case cases[] = {
        {4, 4, shadow},        {11, 11, shadow},   {7, 8, shadow},        // the picture
        {12, 12, highlight},   {12, 6, highlight}, {6, 12, highlight},   // its lit edge
        {3, 3, kBackground},   {12, 4, kBackground}, {0, 0, kBackground}, // transparent
        {17, 17, kBackground},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, target.PixelAt(c.x, c.y)) << c.x << "," << c.y;
}

}  // namespace
}  // namespace vistrel::tk
