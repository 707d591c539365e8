#include "main/MenuLook.h"

#include <algorithm>
#include <utility>

#include "common/DpiScale.h"

namespace vistrel {

namespace {

// The picture column: the picture's place and the box around it (or around
// the check mark of an item without one), relative to the item's top-left
// corner; at 96 DPI with 16 x 16 pictures the box is {1, 1, 18, 19}.
constexpr int kImageAt = 2;
// The round mark of a checked item in a menu without pictures.
constexpr Rect kCheckCircle{3, 6, 8, 11};
constexpr int kRightMargin = 13;
constexpr int kSeparatorHeight = 9;

Rect PictureBox(const MenuItemLook& item) {
    const int at = ScaleToDpi(kImageAt, item.dpi);
    return Rect{at - 1, at - 1, at + item.imageSize.width, at + item.imageSize.height + 1};
}

// A 96-DPI rectangle of the look at `dpi`, moved by (dx, dy).
Rect Placed(const Rect& r, int dpi, int dx, int dy) {
    return Rect{ScaleToDpi(r.left, dpi) + dx, ScaleToDpi(r.top, dpi) + dy, ScaleToDpi(r.right, dpi) + dx,
                ScaleToDpi(r.bottom, dpi) + dy};
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

// Three strokes one pixel apart make a bold tick (more at a higher DPI).
void AddCheckMark(std::vector<MenuPaint>& paints, int left, int top, int dpi) {
    const auto at = [dpi](int length96) { return ScaleToDpi(length96, dpi); };
    for (int dy = 0; dy < at(3); ++dy)
        paints.push_back(MenuPaint::Line({{left + at(6), top + at(8) + dy},
                                          {left + at(8), top + at(10) + dy},
                                          {left + at(14), top + at(4) + dy}},
                                         kMenuDarkLine));
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

int MenuTextOffset(const MenuItemLook& item) {
    return item.menuHasImages ? PictureBox(item).right + ScaleToDpi(5, item.dpi) : ScaleToDpi(10, item.dpi);
}

int MenuBarLeft(const MenuItemLook& item) {
    if (!item.menuHasImages) return 1;
    return (item.hasImage || item.checked) ? MenuTextOffset(item) : 1;
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

    const int dpi = item.dpi;
    if (item.separator) {
        const int y = T + ScaleToDpi(3, dpi);
        paints.push_back(MenuPaint::Line({{L + 1, y}, {R - 1, y}}, kMenuDarkLine));
        paints.push_back(MenuPaint::Line({{L + 1, y + 1}, {R - 1, y + 1}}, kMenuLightLine));
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

    const Rect box = Placed(PictureBox(item), kBaseDpi, L, T);
    if (item.hasImage) {
        if (item.checked)
            AddBox(paints, box, true);
        else if (item.selected)
            AddBox(paints, box, false);
    } else if (item.checked) {
        if (item.menuHasImages) {
            AddBox(paints, box, true);
            AddCheckMark(paints, L, T, dpi);
        } else {
            MenuPaint dot;
            dot.kind = MenuPaintKind::Ellipse;
            dot.rect = Placed(kCheckCircle, dpi, L, T);
            dot.colour = item.selected ? kMenuLightLine : kMenuDarkLine;
            paints.push_back(dot);
        }
    }

    if (item.hasImage) {
        MenuPaint image;
        image.kind = MenuPaintKind::Image;
        image.at = Point{L + ScaleToDpi(kImageAt, dpi), T + ScaleToDpi(kImageAt, dpi)};
        image.greyed = !item.enabled;
        paints.push_back(image);
    }

    const std::string text = MenuCaptionText(item.caption);
    if (!text.empty()) {
        const int x = L + MenuTextOffset(item) + 1;
        const int y = T + ScaleToDpi(3, dpi);
        paints.push_back(Text(Point{x + 1, y + 1}, text, shadowColour, item.isDefault));
        paints.push_back(Text(Point{x, y}, text, textColour, item.isDefault));
    }
    return paints;
}

Size MenuItemSize(const MenuItemLook& item, Size textExtent) {
    const auto at = [&item](int length96) { return ScaleToDpi(length96, item.dpi); };
    if (item.separator) return Size{item.imageSize.width, at(kSeparatorHeight)};
    // The shadow lies one pixel right of and below the text, which starts
    // one pixel after the offset and three below the top.
    const int width = MenuTextOffset(item) + 2 + textExtent.width + at(kRightMargin);
    const int textHeight = textExtent.height + at(3) + 1;
    const int markHeight = item.menuHasImages ? PictureBox(item).bottom : at(kCheckCircle.bottom) + 1;
    return Size{width, std::max(textHeight, markHeight)};
}

}  // namespace vistrel
