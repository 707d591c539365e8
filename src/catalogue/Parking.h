#pragma once
// Parking: in Open Only mode a minimised window is restored and moved far off
// every screen instead, where it keeps painting and can still be pictured.

#include <optional>
#include <vector>

#include "catalogue/ChangeRecord.h"
#include "common/Geometry.h"
#include "common/MonitorLayout.h"

namespace vistrel {

constexpr int kParkingOffset = 20000;
// A window whose left edge is this far right may have been parked (see
// ParkedByPosition for when it counts as parked).
constexpr int kParkedThreshold = 10000;
// The system keeps window positions within 16 bits: a window sent further is
// put at this edge (measured under Wine: a move to 41500 lands at 32767).
constexpr int kCoordinateLimit = 32767;
// A maximised window is restored and put here with the screen's size, from
// the primary monitor; it comes home at this place less the offset.
constexpr int kParkedMaximisedPos = 20001;
// Most rounds of message processing spent waiting for a window to reach its
// new state; a hung window must not hang us.
constexpr int kWaitBound = 100000;
// And never longer than this: a window may take its time, we may not.
constexpr unsigned kWaitTimeBoundMs = 1000;

// What a command on a window waits for once it has acted.
enum class AwaitedState { None, Restored, Minimised, Gone };

bool IsParkedLeft(int left);

// What a refresh shows a listed window as: parked only when it has an area
// and sits beyond the threshold.
bool ListedAsParked(const Rect& r);

enum class ParkAction {
    None,                         // no area: nothing to move
    MoveOut,                      // shift by the offset, keeping the size
    RestoreMaximisedAndMoveOut,   // restore first, then place at kParkedMaximisedPos with the screen size
    Unpark,                       // already parked: parking toggles it back
};

// `parked`: the parked test's answer for the window (the record of changes,
// else ParkedByPosition), which no longer follows from the place alone.
ParkAction ParkDecision(const Rect& r, bool zoomed, bool parked);

// Where a window standing at `r` is parked from and to: its place, or for a
// maximised one a place one pixel in from its monitor's corner with the
// monitor's size (the screen's, on the primary one); out of sight past every
// monitor (ParkedPosition).
ParkChange PlanPark(const Rect& r, bool zoomed, const std::vector<Monitor>& monitors);

// Where a window standing at `home` parks: the offset right and down, where
// that leaves every monitor (the virtual screen, all of them together) and
// passes the threshold. Monitors may reach past the offset, and a window may
// stand far left of or above the primary monitor; then the window goes just
// right of the virtual screen, else just below it, and as a last resort as
// far out as the system lets windows go. A window parked there can no longer
// be brought home by the offset: it goes home by its recorded place.
Point ParkedPosition(const Rect& home, const Rect& virtualScreen);
// Whether a window now at `now` stands where parking from `home` put it: by
// the offset, or where ParkedPosition puts a window of its size.
bool StandsParkedFrom(Point home, const Rect& now, const Rect& virtualScreen);
// Where a window parked by the offset goes back to, for one the record of
// changes does not name (the record knows every other window's home).
Point UnparkedPosition(const Rect& now);

}  // namespace vistrel
