#pragma once
// Parking: in Open Only mode a minimised window is restored and moved far off
// every screen instead, where it keeps painting and can still be pictured.

#include "common/Geometry.h"

namespace vistrel {

constexpr int kParkingOffset = 20000;
// A window whose left edge is this far right counts as parked: no real
// screen arrangement reaches it.
constexpr int kParkedThreshold = 10000;
// A maximised window is restored and put here with the screen's size.
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

ParkAction ParkDecision(const Rect& r, bool zoomed);

Point ParkedPosition(const Rect& r);
Point UnparkedPosition(const Rect& r);

}  // namespace vistrel
