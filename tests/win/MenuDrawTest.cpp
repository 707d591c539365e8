// The main window's menu items drawn on a memory DC, in both colour schemes:
// the bar, the boxes, the check mark, the picture and the engraved text as
// they land in the pixels, and no GDI object left behind by a draw.

#include "main/WndCloseMenuDraw.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "main/MenuLook.h"
#include "toolkit/Bitmap.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"

namespace vistrel {
namespace {

constexpr COLORREF kPicture = RGB(0x20, 0x80, 0xE0);
constexpr int kWidth = 160;
constexpr int kHeight = 19;
constexpr RECT kItem{0, 0, kWidth, kHeight};

// Live GDI objects of this process. GetGuiResources reads 0 under Wine;
// there a handle value with a zero upper word names whatever object lives in
// its slot of the handle table, so the slots are counted instead.
int GdiObjectCount() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(count);
    int live = 0;
    for (uintptr_t slot = 1; slot < 0x10000; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++live;
    return live;
}

class MenuDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
        const std::vector<uint32_t> solid(16 * 16, 0xFF000000u | (GetRValue(kPicture) << 16) |
                                                       (GetGValue(kPicture) << 8) | GetBValue(kPicture));
        ASSERT_EQ(0, images.AddPixels(solid.data(), 16, 16));
        menu.Images = &images;
        menu.Items = {&item};
        item.Caption = "閉じる";
        item.ImageIndex = 0;
        menu.Rebuild();  // the item learns its menu, and so its pictures
    }

    // The item drawn afresh on a 32-bit bitmap.
    tk::Bitmap Draw(const ColourScheme& colours, bool selected) {
        tk::Bitmap bitmap(kWidth, kHeight, tk::PixelFormat::Bgra32);
        bitmap.GetCanvas().SetBrushColor(RGB(1, 2, 3));  // shows what was never painted
        bitmap.GetCanvas().FillRect(kItem);
        DrawMenuItem(item, bitmap.Dc(), kItem, selected, colours);
        return bitmap;
    }

    tk::ImageList images;
    tk::PopupMenu menu;
    tk::MenuItem item;
};

int CountColour(const tk::Bitmap& bitmap, const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += bitmap.PixelAt(x, y) == colour;
    return count;
}

bool SamePixels(const tk::Bitmap& a, const tk::Bitmap& b) {
    return std::memcmp(a.Bits(), b.Bits(), static_cast<size_t>(a.Stride()) * a.Height()) == 0;
}

// Where the caption goes: right of the picture column.
constexpr RECT kTextArea{24, 3, kWidth - 1, kHeight};

enum class Colour { Background, Bar, Dark, Light, Picture, NotPicture, Text, BarText, Greyed, None };

COLORREF Expected(Colour colour, const ColourScheme& scheme) {
    switch (colour) {
    case Colour::Background: return scheme.menuBackground;
    case Colour::Bar: return scheme.menuHighlight;
    case Colour::Dark: return kMenuDarkLine;
    case Colour::Light: return kMenuLightLine;
    case Colour::Text: return kMenuText;
    case Colour::BarText: return scheme.menuHighlightText;
    case Colour::Greyed: return kMenuDisabledText;
    default: return kPicture;
    }
}

TEST_F(MenuDrawTest, EachStateInBothColourDepths) {
    using C = Colour;
    const struct {
        const char* name;
        int image;
        bool checked, enabled, selected, separator;
        std::vector<std::tuple<int, int, Colour>> probes;
        Colour text;  // plenty of it right of the picture column
    } cases[] = {
        {"plain", 0, false, true, false, false,
         {{kWidth - 1, 1, C::Background}, {1, 5, C::Background}, {9, 9, C::Picture}}, C::Text},
        {"highlighted: bar from the text column, raised box", 0, false, true, true, false,
         {{23, 1, C::Bar}, {kWidth - 2, 18, C::Bar}, {kWidth - 1, 5, C::Background}, {22, 10, C::Background},
          {1, 5, C::Light}, {5, 1, C::Light}, {18, 5, C::Dark}, {5, 18, C::Dark}, {9, 9, C::Picture}},
         C::BarText},
        {"checked with a picture: sunken box", 0, true, true, false, false,
         {{1, 5, C::Dark}, {5, 1, C::Dark}, {18, 5, C::Light}, {5, 18, C::Light}, {9, 9, C::Picture}}, C::Text},
        {"checked without a picture: sunken white box and tick", -1, true, true, false, false,
         {{1, 5, C::Dark}, {18, 5, C::Light}, {3, 3, C::Light}, {7, 9, C::Dark}, {10, 8, C::Dark},
          {10, 10, C::Dark}, {13, 7, C::Dark}, {4, 12, C::Light}},
         C::Text},
        {"picture index past the list: as without a picture", 5, true, true, false, false,
         {{3, 3, C::Light}, {7, 9, C::Dark}}, C::Text},
        {"disabled and highlighted: bar, greyed picture, engraved text", 0, false, false, true, false,
         {{30, 1, C::Bar}, {9, 9, C::NotPicture}, {2, 2, C::NotPicture}}, C::Greyed},
        {"separator", -1, false, true, false, true,
         {{1, 3, C::Dark}, {kWidth - 2, 3, C::Dark}, {1, 4, C::Light}, {kWidth - 2, 4, C::Light},
          {0, 3, C::Background}, {kWidth - 1, 3, C::Background}, {5, 5, C::Background}},
         C::None},
    };
    for (int bits : {8, 32}) {
        const ColourScheme colours = ChooseColourScheme(bits);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << bits << " bits: " << c.name);
            item.Caption = c.separator ? "-" : "閉じる";
            item.ImageIndex = c.image;
            item.Checked = c.checked;
            item.Enabled = c.enabled;
            const tk::Bitmap drawn = Draw(colours, c.selected);
            for (const auto& [x, y, colour] : c.probes) {
                const COLORREF seen = drawn.PixelAt(x, y);
                SCOPED_TRACE(testing::Message() << "(" << x << ", " << y << ") is " << std::hex << seen);
                if (colour == C::NotPicture) {
                    EXPECT_NE(seen, kPicture);
                } else {
                    EXPECT_EQ(seen, Expected(colour, colours));
                }
            }
            if (c.text != C::None) {
                EXPECT_GT(CountColour(drawn, kTextArea, Expected(c.text, colours)), 10);
            }
            if (c.text == C::Greyed) {  // engraved: a white shadow, on the bar as well
                EXPECT_GT(CountColour(drawn, kTextArea, kMenuLightLine), 10);
            }
            EXPECT_EQ(CountColour(drawn, kItem, RGB(1, 2, 3)), 0) << "left unpainted";
        }
    }
}

TEST_F(MenuDrawTest, AccessKeyAmpersandIsNotDrawnAndTheCaptionStays) {
    const struct {
        const char* caption;
        const char* same;
    } cases[] = {
        {"エクスポート(&S)", "エクスポート(S)"},
        {"Clip (&", "Clip ("},
    };
    const ColourScheme colours = ChooseColourScheme(32);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        item.Caption = c.same;
        const tk::Bitmap expected = Draw(colours, false);
        item.Caption = c.caption;
        const tk::Bitmap drawn = Draw(colours, false);
        EXPECT_TRUE(SamePixels(drawn, expected));
        EXPECT_EQ(item.Caption, c.caption);
    }
}

// The caption in the menu font of the owner's DPI: twice as tall at 192 as
// at 96, in an item twice as large. (The small size may come from a bitmap
// face of other widths: the height tells the font's size.)
TEST_F(MenuDrawTest, CaptionIsInTheMenuFontOfTheOwnersDpi) {
    const ColourScheme colours = ChooseColourScheme(32);
    auto textHeight = [&](int dpi) {
        const RECT area{0, 0, MulDiv(kWidth, dpi, 96), MulDiv(kHeight, dpi, 96)};
        tk::Bitmap bitmap(area.right, area.bottom, tk::PixelFormat::Bgra32);
        DrawMenuItem(item, bitmap.Dc(), area, false, colours, dpi);
        int top = area.bottom, bottom = 0;
        for (int y = 0; y < area.bottom; ++y)
            for (int x = MulDiv(kTextArea.left, dpi, 96); x < area.right; ++x)
                if (bitmap.PixelAt(x, y) == kMenuText) top = std::min(top, y), bottom = std::max(bottom, y + 1);
        return bottom - top;
    };
    const int at96 = textHeight(96);
    ASSERT_GT(at96, 5);
    EXPECT_NEAR(textHeight(192), 2 * at96, 2);
}

TEST_F(MenuDrawTest, AThousandDrawsLeaveNoGdiObjectBehind) {
    tk::Bitmap bitmap(kWidth, kHeight, tk::PixelFormat::Bgra32);
    const ColourScheme colours = ChooseColourScheme(32);
    tk::MenuItem& made = item.AddChild();  // only to have a bold default item
    made.Caption = "設定";
    made.Default = true;
    menu.Rebuild();
    auto drawAll = [&](int rounds) {
        for (int i = 0; i < rounds; ++i) {
            item.Enabled = i % 3 != 0;  // greyed pictures too
            item.Checked = i % 4 == 0;
            DrawMenuItem(item, bitmap.Dc(), kItem, i % 2 == 0, colours);
            DrawMenuItem(made, bitmap.Dc(), kItem, i % 2 == 1, colours);
        }
    };
    drawAll(10);  // whatever the system caches on first use
    const int before = GdiObjectCount();
    ASSERT_GT(before, 0);
    drawAll(500);
    EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
}  // namespace vistrel
