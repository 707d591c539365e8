#include "main/MenuLook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace vistrel {
namespace {

using Paint = MenuPaint;
const ColourScheme kHigh = ChooseColourScheme(32);
const ColourScheme kLow = ChooseColourScheme(8);
// Not at the menu's left edge, so that what follows the item and what is a
// menu coordinate can be told apart.
constexpr Rect kArea{4, 40, 140, 59};

std::vector<Paint> Of(const std::vector<Paint>& paints, MenuPaintKind kind) {
    std::vector<Paint> found;
    for (const Paint& p : paints)
        if (p.kind == kind) found.push_back(p);
    return found;
}

MenuItemLook Look(bool menuHasImages, bool hasImage, bool checked, bool selected) {
    MenuItemLook item;
    item.caption = "x";
    item.menuHasImages = menuHasImages;
    item.hasImage = hasImage;
    item.checked = checked;
    item.selected = selected;
    return item;
}

TEST(MenuLook, CaptionLosesOnlyTheAmpersandOfTheFirstBracketPair) {
    const struct {
        const char* caption;
        const char* drawn;
    } cases[] = {
        {"エクスポート(&S)", "エクスポート(S)"}, {"Clip (&9)", "Clip (9)"}, {"Clip (&", "Clip ("},
        {"(&", "("}, {"&", "&"}, {"A&B", "A&B"}, {"a(&b)(&c)", "a(b)(&c)"}, {"(&&)", "(&)"}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(MenuCaptionText(c.caption), c.drawn) << c.caption;
}

TEST(MenuLook, ColoursByStateAndDepth) {
    const struct {
        const ColourScheme* scheme;
        bool selected, enabled;
        uint32_t text, shadow;
    } cases[] = {
        {&kHigh, false, true, 0x000000, 0xFFFFFF}, {&kHigh, true, true, 0xFFFFBB, 0x800000},
        {&kHigh, true, false, 0x808080, 0xFFFFFF}, {&kLow, false, false, 0x808080, 0xFFFFFF},
        {&kLow, true, true, 0x00FFFF, 0x800000},
    };
    for (const auto& c : cases) {
        MenuItemLook item = Look(true, true, false, c.selected);
        item.enabled = c.enabled;
        SCOPED_TRACE(testing::Message() << std::hex << c.scheme->menuBackground << c.selected << c.enabled);
        const auto paints = MenuItemPaints(item, kArea, *c.scheme);
        const auto fills = Of(paints, MenuPaintKind::Fill);
        ASSERT_EQ(fills.size(), c.selected ? 2u : 1u);
        EXPECT_EQ(fills[0], Paint::Filled(kArea, c.scheme->menuBackground));
        if (c.selected) {
            EXPECT_EQ(fills[1], Paint::Filled({23, kArea.top, kArea.right - 1, kArea.bottom}, c.scheme->menuHighlight));
        }
        const auto texts = Of(paints, MenuPaintKind::Text);
        ASSERT_EQ(texts.size(), 2u);  // the shadow first, one pixel right and down
        EXPECT_EQ(texts[0].colour, c.shadow);
        EXPECT_EQ(texts[0].at, (Point{kArea.left + 25, kArea.top + 4}));
        EXPECT_EQ(texts[1].colour, c.text);
        EXPECT_EQ(texts[1].at, (Point{kArea.left + 24, kArea.top + 3}));
        const auto images = Of(paints, MenuPaintKind::Image);
        ASSERT_EQ(images.size(), 1u);
        EXPECT_EQ(images[0].at, (Point{kArea.left + 2, kArea.top + 2}));
        EXPECT_EQ(images[0].greyed, !c.enabled);
    }
}

// The picture column by picture and check state, and where bar and text start.
TEST(MenuLook, PictureColumnBarAndText) {
    const int L = kArea.left, T = kArea.top;
    enum class Box { None, Sunken, Raised };
    const struct {
        bool menuHasImages, hasImage, checked, selected;
        Box box;
        bool tick;
        std::optional<uint32_t> dot;
        int barLeft, textX;
    } cases[] = {
        {true, true, true, false, Box::Sunken, false, {}, 23, L + 24},
        {true, true, false, true, Box::Raised, false, {}, 23, L + 24},
        {true, true, false, false, Box::None, false, {}, 23, L + 24},
        {true, false, true, true, Box::Sunken, true, {}, 23, L + 24},
        {true, false, false, true, Box::None, false, {}, 1, L + 24},
        {false, false, true, false, Box::None, false, 0x505050, 1, L + 11},
        {false, false, true, true, Box::None, false, 0xFFFFFF, 1, L + 11},
    };
    const Paint sunkenFill = Paint::Filled({L + 2, T + 2, L + 17, T + 17}, 0xFFFFFF);
    const std::vector<Point> topLeft{{L + 1, T + 18}, {L + 1, T + 1}, {L + 18, T + 1}};
    const std::vector<Point> bottomRight{{L + 1, T + 18}, {L + 18, T + 18}, {L + 18, T + 1}};
    const std::vector<Paint> tick = {
        Paint::Line({{L + 6, T + 8}, {L + 8, T + 10}, {L + 14, T + 4}}, 0x505050),
        Paint::Line({{L + 6, T + 9}, {L + 8, T + 11}, {L + 14, T + 5}}, 0x505050),
        Paint::Line({{L + 6, T + 10}, {L + 8, T + 12}, {L + 14, T + 6}}, 0x505050)};
    for (const auto& c : cases) {
        const MenuItemLook item = Look(c.menuHasImages, c.hasImage, c.checked, c.selected);
        SCOPED_TRACE(testing::Message() << c.menuHasImages << c.hasImage << c.checked << c.selected);
        const auto paints = MenuItemPaints(item, kArea, kLow);
        std::vector<Paint> lines;
        if (c.box != Box::None) {
            const bool sunken = c.box == Box::Sunken;
            lines.push_back(Paint::Line(topLeft, sunken ? 0x505050 : 0xFFFFFF));
            lines.push_back(Paint::Line(bottomRight, sunken ? 0xFFFFFF : 0x505050));
        }
        if (c.tick) lines.insert(lines.end(), tick.begin(), tick.end());
        EXPECT_EQ(Of(paints, MenuPaintKind::Polyline), lines);
        const auto fills = Of(paints, MenuPaintKind::Fill);
        EXPECT_EQ(std::count(fills.begin(), fills.end(), sunkenFill), c.box == Box::Sunken ? 1 : 0);
        const auto dots = Of(paints, MenuPaintKind::Ellipse);
        ASSERT_EQ(dots.size(), c.dot ? 1u : 0u);
        if (c.dot) {
            EXPECT_EQ(dots[0].colour, *c.dot);
            EXPECT_EQ(dots[0].rect, (Rect{L + 3, T + 6, L + 8, T + 11}));
        }
        EXPECT_EQ(MenuBarLeft(item), c.barLeft);  // a menu coordinate, not from the item's edge
        EXPECT_EQ(Of(paints, MenuPaintKind::Text)[1].at.x, c.textX);
    }
}

TEST(MenuLook, SeparatorIsTwoLinesAndNothingElse) {
    MenuItemLook item = Look(true, false, true, true);
    item.caption = "-";
    item.separator = true;
    const Rect area{0, 50, 120, 59};
    const std::vector<Paint> expected = {
        Paint::Filled(area, 0xE8E8E8),
        Paint::Line({{1, 53}, {119, 53}}, 0x505050),
        Paint::Line({{1, 54}, {119, 54}}, 0xFFFFFF),
    };
    EXPECT_EQ(MenuItemPaints(item, area, kHigh), expected);
}

// Whatever the caption's extent and the scale, the measured item holds
// everything drawn, and the picture sits inside its box.
TEST(MenuLook, MeasuredSizeHoldsTheDrawing) {
    const struct {
        bool menuHasImages, hasImage, checked;
        Size text;
    } cases[] = {
        {true, true, false, {60, 12}}, {true, false, true, {0, 12}}, {true, true, true, {200, 24}},
        {false, false, true, {40, 12}}, {false, false, false, {5, 3}},
    };
    const struct {
        int dpi, imageSide;
    } scales[] = {{96, 16}, {120, 16}, {144, 32}, {192, 32}};
    for (const auto& scale : scales) {
        for (const auto& c : cases) {
            MenuItemLook item = Look(c.menuHasImages, c.hasImage, c.checked, true);
            item.dpi = scale.dpi;
            item.imageSize = {scale.imageSide, scale.imageSide};
            const Size size = MenuItemSize(item, c.text);
            SCOPED_TRACE(testing::Message() << scale.dpi << ' ' << c.menuHasImages << c.hasImage << c.checked
                                            << c.text.width);
            for (const Paint& p : MenuItemPaints(item, Rect{0, 0, size.width, size.height}, kHigh)) {
                if (p.kind == MenuPaintKind::Text) {
                    EXPECT_LE(p.at.x + c.text.width, size.width - 8);
                    EXPECT_LE(p.at.y + c.text.height, size.height);
                    EXPECT_GT(p.at.x, c.menuHasImages ? scale.imageSide + 1 : 0);
                }
                if (p.kind == MenuPaintKind::Image) {
                    EXPECT_LE(p.at.y + scale.imageSide, size.height - 1);
                }
                for (const Point& pt : p.points) EXPECT_LT(pt.y, size.height);
                EXPECT_LE(p.rect.bottom, size.height);
            }
        }
    }
    // With 16 x 16 pictures at 96 DPI, as the toolkit sizes such items.
    EXPECT_EQ(MenuItemSize(Look(true, true, false, false), Size{50, 12}), (Size{88, 19}));
}

}  // namespace
}  // namespace vistrel
