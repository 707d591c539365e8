#pragma once
// Which monitor a window belongs to and where a form opens on it. The Win32
// side lists the monitors (platform/DisplayInfo); the choices are made here.

#include <vector>

#include "common/Geometry.h"

namespace vistrel {

struct Monitor {
    Rect area;  // the whole monitor, in virtual-screen coordinates
    Rect work;  // its area without the task bar and docked bars
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

}  // namespace vistrel
