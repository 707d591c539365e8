#pragma once
// The main window's menu items in the program's own look (main/MenuLook.h):
// the facts of a toolkit item gathered, the look's paints replayed on the
// menu's DC. Every pen, brush and font made for an item is gone when its
// drawing returns, however often the user moves over the menu.

#include <windows.h>

#include "main/ColourScheme.h"
#include "toolkit/Menu.h"

namespace vistrel {

// The item's picture comes from the image list of the popup menu it was last
// built into.
// dpi: that of the menu's owner window; the margins and the menu font follow it.
void DrawMenuItem(const tk::MenuItem& item, HDC dc, const RECT& rect, bool selected,
                  const ColourScheme& colours, int dpi = 96);

// For MenuItem::OnMeasureItem: dc holds the menu font at `dpi`.
void MeasureMenuItem(const tk::MenuItem& item, HDC dc, int& width, int& height, int dpi = 96);

}  // namespace vistrel
