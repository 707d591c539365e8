#include "main/MenuLook.h"

#include <algorithm>
#include <utility>

namespace vistrel {

namespace {

// The picture column: the box around a picture (or around the check mark of
// an item without one), relative to the item's top-left corner.
constexpr Rect kBox{1, 1, 18, 19};
constexpr Point kImageAt{2, 2};
// The round mark of a checked item in a menu without pictures.
constexpr Rect kCheckCircle{3, 6, 8, 11};
constexpr int kRightMargin = 13;
constexpr int kSeparatorHeight = 9;

Rect Offset(const Rect& r, int dx, int dy) {
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

MenuPaint Text(Point at, const std::string& text, uint32_t colour, bool bold) {
    MenuPaint p;
    p.kind = MenuPaintKind::Text;
    p.at = at;
    p.text = text;
    p.colour = colour;
    p.bold = bold;
    return p;
}

// A 3-D box: sunken (white inside, dark top and left edges) or raised (light
// top and left edges, nothing inside). The bottom-right edges are drawn last
// and so own the bottom-left corner.
void AddBox(std::vector<MenuPaint>& paints, const Rect& r, bool sunken) {
    if (sunken) {
        const Rect inside{r.left + 1, r.top + 1, r.right - 1, r.bottom - 2};
        paints.push_back(MenuPaint::Filled(inside, kMenuLightLine));
    }
    const uint32_t topLeft = sunken ? kMenuDarkLine : kMenuLightLine;
    const uint32_t bottomRight = sunken ? kMenuLightLine : kMenuDarkLine;
    paints.push_back(MenuPaint::Line({{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}}, topLeft));
    paints.push_back(
        MenuPaint::Line({{r.left, r.bottom - 1}, {r.right, r.bottom - 1}, {r.right, r.top}}, bottomRight));
}

// Three strokes one pixel apart make a bold tick.
void AddCheckMark(std::vector<MenuPaint>& paints, int left, int top) {
    for (int dy = 0; dy < 3; ++dy)
        paints.push_back(MenuPaint::Line(
            {{left + 6, top + 8 + dy}, {left + 8, top + 10 + dy}, {left + 14, top + 4 + dy}}, kMenuDarkLine));
}

}  // namespace

MenuPaint MenuPaint::Filled(const Rect& rect, uint32_t colour) {
    MenuPaint p;
    p.kind = MenuPaintKind::Fill;
    p.rect = rect;
    p.colour = colour;
    return p;
}

MenuPaint MenuPaint::Line(std::vector<Point> points, uint32_t colour) {
    MenuPaint p;
    p.kind = MenuPaintKind::Polyline;
    p.points = std::move(points);
    p.colour = colour;
    return p;
}

int MenuTextOffset(bool menuHasImages) { return menuHasImages ? 23 : 10; }

int MenuBarLeft(const MenuItemLook& item) {
    if (!item.menuHasImages) return 1;
    return (item.hasImage || item.checked) ? 23 : 1;
}

std::string MenuCaptionText(const std::string& caption) {
    // Neither '(' nor '&' can be the trail byte of a Shift-JIS character, so
    // a byte search finds only real ones. A caption ending in "(&" simply
    // loses its last byte.
    std::string text = caption;
    const size_t pair = text.find("(&");
    if (pair != std::string::npos) text.erase(pair + 1, 1);
    return text;
}

std::vector<MenuPaint> MenuItemPaints(const MenuItemLook& item, const Rect& area,
                                      const ColourScheme& colours) {
    const int L = area.left;
    const int T = area.top;
    const int R = area.right;
    const int B = area.bottom;
    std::vector<MenuPaint> paints;
    paints.push_back(MenuPaint::Filled(area, colours.menuBackground));

    if (item.separator) {
        paints.push_back(MenuPaint::Line({{L + 1, T + 3}, {R - 1, T + 3}}, kMenuDarkLine));
        paints.push_back(MenuPaint::Line({{L + 1, T + 4}, {R - 1, T + 4}}, kMenuLightLine));
        return paints;
    }

    uint32_t textColour = kMenuText;
    uint32_t shadowColour = kMenuLightLine;
    if (item.selected) {
        paints.push_back(MenuPaint::Filled(Rect{MenuBarLeft(item), T, R - 1, B}, colours.menuHighlight));
        textColour = colours.menuHighlightText;
        shadowColour = kMenuSelectedShadow;
    }
    if (!item.enabled) {
        // Engraved, on the bar as well.
        textColour = kMenuDisabledText;
        shadowColour = kMenuLightLine;
    }

    const Rect box = Offset(kBox, L, T);
    if (item.hasImage) {
        if (item.checked)
            AddBox(paints, box, true);
        else if (item.selected)
            AddBox(paints, box, false);
    } else if (item.checked) {
        if (item.menuHasImages) {
            AddBox(paints, box, true);
            AddCheckMark(paints, L, T);
        } else {
            MenuPaint dot;
            dot.kind = MenuPaintKind::Ellipse;
            dot.rect = Offset(kCheckCircle, L, T);
            dot.colour = item.selected ? kMenuLightLine : kMenuDarkLine;
            paints.push_back(dot);
        }
    }

    if (item.hasImage) {
        MenuPaint image;
        image.kind = MenuPaintKind::Image;
        image.at = Point{L + kImageAt.x, T + kImageAt.y};
        image.greyed = !item.enabled;
        paints.push_back(image);
    }

    const std::string text = MenuCaptionText(item.caption);
    if (!text.empty()) {
        const int x = L + MenuTextOffset(item.menuHasImages);
        paints.push_back(Text(Point{x + 2, T + 4}, text, shadowColour, item.isDefault));
        paints.push_back(Text(Point{x + 1, T + 3}, text, textColour, item.isDefault));
    }
    return paints;
}

Size MenuItemSize(const MenuItemLook& item, Size textExtent, Size imageSize) {
    if (item.separator) return Size{imageSize.width, kSeparatorHeight};
    // The shadow lies one pixel right of and below the text, which starts
    // one pixel after the offset and three below the top.
    const int width = MenuTextOffset(item.menuHasImages) + 2 + textExtent.width + kRightMargin;
    const int textHeight = textExtent.height + 4;
    const int markHeight = item.menuHasImages ? std::max(imageSize.height + kImageAt.y + 1, kBox.bottom)
                                              : kCheckCircle.bottom + 1;
    return Size{width, std::max(textHeight, markHeight)};
}

}  // namespace vistrel
