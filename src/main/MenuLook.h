#pragma once
// The look of the main window's owner-drawn menu items: a flat light
// background, a dark-blue bar behind the highlighted item, embossed text, 3-D
// boxes around the pictures and a check mark of our own. Here is only what is
// painted where and in which colour, as a list of paints in drawing order;
// the GDI side (WndCloseMenuDraw.cpp) replays it on the menu's DC.

#include <cstdint>
#include <string>
#include <vector>

#include "common/Geometry.h"
#include "main/ColourScheme.h"

namespace vistrel {

// The look's fixed colours (0x00BBGGRR); the background and the bar come
// from the colour scheme.
constexpr uint32_t kMenuDarkLine = 0x505050;
constexpr uint32_t kMenuLightLine = 0xFFFFFF;
constexpr uint32_t kMenuText = 0x000000;
constexpr uint32_t kMenuDisabledText = 0x808080;
constexpr uint32_t kMenuSelectedShadow = 0x800000;

struct MenuItemLook {
    std::string caption;
    bool separator = false;
    bool menuHasImages = true;  // the item's menu has an image list
    bool hasImage = false;      // the item's picture is in that list
    bool checked = false;
    bool enabled = true;
    bool selected = false;  // highlighted
    bool isDefault = false;  // the menu's default item: bold
    // The menu's window's DPI: margins grow with it, lines stay one pixel.
    int dpi = 96;
    Size imageSize{16, 16};  // of the menu's pictures; the box around them follows
};

enum class MenuPaintKind {
    Fill,      // rect in colour (right and bottom edges excluded)
    Polyline,  // points in a one-pixel pen of colour, the last point excluded
    Ellipse,   // inside rect, outline and inside in colour
    Image,     // the item's picture with its top-left corner at `at`
    Text,      // text with its top-left corner at `at`, transparent
};

struct MenuPaint {
    MenuPaintKind kind = MenuPaintKind::Fill;
    uint32_t colour = 0;
    Rect rect;
    std::vector<Point> points;
    Point at;
    bool greyed = false;  // Image: the image list's disabled look
    bool bold = false;    // Text
    std::string text;
    friend bool operator==(const MenuPaint&, const MenuPaint&) = default;

    static MenuPaint Filled(const Rect& rect, uint32_t colour);
    static MenuPaint Line(std::vector<Point> points, uint32_t colour);
};

// Where the caption starts, counted from the item's left edge.
int MenuTextOffset(const MenuItemLook& item);
// The left edge of the highlight bar, in menu coordinates (not from the
// item's left edge): it leaves the picture column plain when there is
// something in it.
int MenuBarLeft(const MenuItemLook& item);

// The caption as drawn: the access-key '&' of the first "(&" goes, so that
// "エクスポート(&S)" ends in "(S)"; every other '&' is drawn as it is.
std::string MenuCaptionText(const std::string& caption);

// Everything drawn for one item in `area`, in order.
std::vector<MenuPaint> MenuItemPaints(const MenuItemLook& item, const Rect& area,
                                      const ColourScheme& colours);

// The room an item needs, given the extent of MenuCaptionText in the font it
// is drawn in: the embossed text with its shadow and a right margin, and the
// picture in its box.
Size MenuItemSize(const MenuItemLook& item, Size textExtent);

}  // namespace vistrel
