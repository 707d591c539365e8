// TPrintWndDlg: N1DrawItem, the one drawing handler of every item of both
// popup menus, and the replay of the menu look on a DC.

#include "main/WndCloseMenuDraw.h"

#include <optional>
#include <string>
#include <vector>

#include "main/MenuLook.h"
#include "main/WndCloseUnit.h"
#include "toolkit/Canvas.h"
#include "toolkit/ImageList.h"

namespace vistrel {

namespace {

const tk::ImageList* ImagesOf(const tk::MenuItem& item) {
    const tk::PopupMenu* menu = item.Menu();
    return menu && menu->Images && menu->Images->Handle() ? menu->Images : nullptr;
}

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

MenuItemLook LookOf(const tk::MenuItem& item, bool selected, int dpi) {
    const tk::ImageList* images = ImagesOf(item);
    MenuItemLook look;
    look.caption = item.Caption;
    look.separator = item.IsSeparator();
    look.menuHasImages = images != nullptr;
    // An index past the list's end has no picture to box.
    look.hasImage = images && item.ImageIndex >= 0 && item.ImageIndex < images->Count();
    look.checked = item.Checked;
    look.enabled = item.Enabled;
    look.selected = selected;
    look.isDefault = item.Default;
    look.dpi = dpi;
    if (images) look.imageSize = Size{images->Width(), images->Height()};
    return look;
}

}  // namespace

void DrawMenuItem(const tk::MenuItem& item, HDC dc, const RECT& rect, bool selected,
                  const ColourScheme& colours, int dpi) {
    const MenuItemLook look = LookOf(item, selected, dpi);
    const std::vector<MenuPaint> paints =
        MenuItemPaints(look, Rect{rect.left, rect.top, rect.right, rect.bottom}, colours);
    // The font outlives the canvas, which puts the DC's own font back first.
    tk::FontOwner font;
    tk::Canvas canvas(dc);
    std::vector<POINT> points;
    for (const MenuPaint& paint : paints) {
        switch (paint.kind) {
        case MenuPaintKind::Fill:
            canvas.SetBrushColor(paint.colour);
            canvas.FillRect(ToRect(paint.rect));
            break;
        case MenuPaintKind::Polyline:
            points.clear();
            for (const Point& p : paint.points) points.push_back(POINT{p.x, p.y});
            canvas.SetPenColor(paint.colour);
            canvas.Polyline(points);
            break;
        case MenuPaintKind::Ellipse:
            canvas.SetPenColor(paint.colour);
            canvas.SetBrushColor(paint.colour);
            canvas.Ellipse(ToRect(paint.rect));
            break;
        case MenuPaintKind::Image:
            if (const tk::ImageList* images = ImagesOf(item))
                images->Draw(item.ImageIndex, dc, paint.at.x, paint.at.y, !paint.greyed);
            break;
        case MenuPaintKind::Text:
            if (!font) {
                font = tk::MenuFont(dpi, paint.bold);
                canvas.SetFont(font.get());
            }
            canvas.SetBrushStyle(tk::BrushStyle::Clear);
            canvas.SetFontColor(paint.colour);
            canvas.TextOut(paint.at.x, paint.at.y, paint.text);
            break;
        }
    }
}

void MeasureMenuItem(const tk::MenuItem& item, HDC dc, int& width, int& height, int dpi) {
    const MenuItemLook look = LookOf(item, false, dpi);
    SIZE extent{0, 0};
    if (!look.separator) {
        const std::string text = MenuCaptionText(look.caption);
        tk::FontOwner bold = look.isDefault ? tk::MenuFont(dpi, true) : tk::FontOwner();
        std::optional<tk::Selection> selected;
        if (bold) selected.emplace(dc, bold.get());
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    const Size size = MenuItemSize(look, Size{extent.cx, extent.cy});
    width = size.width;
    height = size.height;
}

void TPrintWndDlg::N1DrawItem(tk::MenuItem& item, HDC dc, const RECT& rect, bool selected) {
    DrawMenuItem(item, dc, rect, selected, colours_, Dpi());
}

void TPrintWndDlg::OwnerDrawMenuItem(tk::MenuItem& item) {
    item.OnDrawItem = [this](tk::MenuItem& sender, HDC dc, const RECT& rect, bool selected) {
        N1DrawItem(sender, dc, rect, selected);
    };
    item.OnMeasureItem = [this](tk::MenuItem& sender, HDC dc, int& width, int& height) {
        MeasureMenuItem(sender, dc, width, height, Dpi());
    };
    for (tk::MenuItem* child : item.Items)
        if (child) OwnerDrawMenuItem(*child);
}

}  // namespace vistrel
