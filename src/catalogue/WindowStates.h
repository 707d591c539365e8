#pragma once
// Parking and the waits for a window to change state. Parking acts on a
// placement target; the caller resolves it through the catalogue.

#include <windows.h>

namespace vistrel {

// Parks a window out of sight, or brings it back when it is parked already
// (parking is a toggle). Returns whether the window is parked afterwards.
bool ParkWindow(HWND target);
// Moves a parked window back by the parking offset; nothing otherwise.
void UnparkWindow(HWND target);
bool IsWindowParked(HWND target);

// Restores a minimised window quietly and waits for it. A window that was
// parked before it was minimised is put back where it was before parking:
// restoring through the placement moves a window lying off every screen onto
// the screen, and the parked state, which lives only in the position, would be
// lost with the window's own place.
void QuietRestoreFromParked(HWND window);
// Pump the program's own messages until the window is restored, or
// minimised, but never more than the wait bound: a window that ignores us
// must not hang the program.
void WaitUntilRestored(HWND window);
void WaitUntilMinimised(HWND window);

}  // namespace vistrel
