#pragma once
// Parking and the waits for a window to change state. Parking acts on a
// placement target; the caller resolves it through the catalogue.

#include <windows.h>

#include <optional>

#include "catalogue/Parking.h"

namespace vistrel {

// A window that does not answer the probe (platform::Answers) is left as it
// is by every operation here, except that a parked one is still sent home.

// Told of every window parked and brought back, so that a record of the
// parked windows outlives the program (the main window's ParkJournal).
class ParkObserver {
public:
    virtual ~ParkObserver() = default;
    // `home`: where the window stood before, and goes back to.
    virtual void Parked(HWND target, Point home) = 0;
    virtual void Unparked(HWND target) = 0;
    // Where the window was when this run parked it, if it did: a window moved
    // further out than the offset cannot be brought home by arithmetic alone.
    virtual std::optional<Point> RecordedHome(HWND target) const = 0;
};
// The one observer of the process; null for none.
void SetParkObserver(ParkObserver* observer);

// Parks a window out of sight, or brings it back when it is parked already
// (parking is a toggle). Returns whether the window was moved out of sight.
bool ParkWindow(HWND target);
// Moves a parked window back home (UnparkedPosition); nothing otherwise. A
// window that does not answer is moved asynchronously, when it pumps again.
void UnparkWindow(HWND target);
bool IsWindowParked(HWND target);

// Restores a minimised window quietly and waits for it. A window that was
// parked before it was minimised is put back where it was before parking:
// restoring through the placement moves a window lying off every screen onto
// the screen, and the parked state, which lives only in the position, would be
// lost with the window's own place. False when the window did not answer and
// was left alone.
bool QuietRestoreFromParked(HWND window);
// Quiet minimise, then the wait for it; false when the window did not answer.
bool QuietMinimiseAndWait(HWND window);
// Pump the program's own messages until the window is restored, or
// minimised, but never more than the wait bound: a window that ignores us
// must not hang the program.
void WaitUntilRestored(HWND window);
void WaitUntilMinimised(HWND window);
// The wait that follows a command on a window; None returns at once.
void AwaitState(HWND window, AwaitedState state);

}  // namespace vistrel
