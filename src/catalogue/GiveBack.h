#pragma once
// Giving back what the record says the program changed: whether a window is
// still the one it changed and still as it left it, and where a parked
// window comes home. A window its own program has changed since (moved,
// re-layered, closed, its handle passed to another program) is left where
// and as it is, and forgotten.

#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/ChangeRecord.h"
#include "catalogue/ParkRecord.h"
#include "common/MonitorLayout.h"

namespace vistrel {

// A window the record names, as it is now.
struct WindowNow {
    bool exists = false;
    ProcessIdentity process;
    bool topLevel = false;
    // Where it stands; for a minimised window, where it stands once restored.
    Rect rect;
};

// The window is the one that was parked and stands where parking left it.
bool StandsAsParked(const WindowChange& change, const WindowNow& now);

// Whether any of the rectangle shows on a monitor.
bool OnAnyMonitor(const Rect& r, const std::vector<Monitor>& monitors);

// Where a window of `size` whose home is `home` comes back to: there, when
// that shows it on a monitor at least in part; otherwise on the nearest
// monitor's work area, as Windows does with the windows of a monitor that
// goes: moved in, its size kept where it fits and cut to the work area where
// it does not.
Rect PlaceOnAMonitor(Point home, Size size, const std::vector<Monitor>& monitors);

// Where a parked window of the record goes back to; none when it is no
// longer as parking left it (it stays where it is and leaves the record).
std::optional<Rect> ParkGiveBack(const WindowChange& change, const WindowNow& now,
                                 const std::vector<Monitor>& monitors);
// The same for a line of the older park file, which names no process: only a
// top-level window still standing where parking put it, past the parked
// threshold, comes back.
std::optional<Rect> ParkLineGiveBack(const ParkedWindow& line, const WindowNow& now,
                                     const std::vector<Monitor>& monitors);

// The parked test for a window the record does not name: it has an area and
// stands past the parked threshold, and its home by the parking offset lies on
// a monitor. Elsewhere the rule could never be true: a window standing at
// (10500, 100) was parked from nowhere, and a desktop of monitors wider than
// the threshold has real windows there.
bool ParkedByPosition(const Rect& now, const std::vector<Rect>& monitors);

// A layered window of the record, as it is now.
struct LayerNow {
    bool exists = false;
    ProcessIdentity process;
    bool layered = false;
    // What GetLayeredWindowAttributes says; none when it cannot be read.
    std::optional<LayeredAttributes> attributes;
};

enum class LayerGiveBack {
    Forget,  // not as the program left it: left alone
    RemoveStyle,
    RestoreAttributes,
    MakeOpaque,
};
// Known again only by its process and the opacity the program gave it (the
// last or the one before, or fully opaque, as a give-back that could not wait
// for the window leaves it); then as RestoreOf says.
LayerGiveBack LayerGiveBackOf(const WindowChange& change, const LayerNow& now);

}  // namespace vistrel
