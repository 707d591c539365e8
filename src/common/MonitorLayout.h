#pragma once
// Which monitor a window belongs to and where a form opens on it. The Win32
// side lists the monitors (platform/DisplayInfo); the choices are made here.

#include <vector>

#include "common/DpiScale.h"
#include "common/Geometry.h"

namespace vistrel {

struct Monitor {
    Rect area;  // the whole monitor, in virtual-screen coordinates
    Rect work;  // its area without the task bar and docked bars
    int dpi = kBaseDpi;  // its scale; the system's where the system tells no other
};

// The monitor holding the point, else the nearest one (as the system's
// MONITOR_DEFAULTTONEAREST); -1 when there is no monitor at all. On a shared
// edge the first monitor listed wins.
int MonitorAtPoint(const std::vector<Monitor>& monitors, Point p);
// The monitor sharing the most area with the rectangle, else the nearest one:
// a window straddling two monitors belongs to the one showing most of it.
int MonitorOfRect(const std::vector<Monitor>& monitors, const Rect& r);

// The bounds of all the rectangles together (the virtual screen of the
// monitors' areas); empty for none.
Rect BoundsOf(const std::vector<Rect>& rects);

// Bounds of this size centred in a work area. A size larger than the work
// area is cut to it, so that the form neither straddles two monitors nor
// hangs off the screen.
Rect CentredIn(const Rect& work, Size size);

// The outer bounds of a form that opens in `work` on a monitor at `dpi`: its
// 96-DPI size at that DPI, grown by `frame` (what the frame of that DPI adds
// on each side, as AdjustWindowRectEx grows an empty rectangle: left and top
// negative; empty when the size is the whole window's), then centred and cut
// as CentredIn does. Sized for the monitor it opens on, not the system's
// scale, so that the controls laid out at the monitor's DPI fit in it.
Rect FormBounds(const Rect& work, Size size96, const Rect& frame, int dpi);

// Where a tip of this size goes for the thing at `item` (both in screen
// coordinates), inside `work`: below it, else above it, so that it never
// covers what it describes; where neither has room, on the side with more,
// as far from it as the work area allows. Its left edge is the item's,
// moved in to keep it on the work area.
Point TipPlace(const Rect& item, Size tip, const Rect& work);

}  // namespace vistrel
