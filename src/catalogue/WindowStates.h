#pragma once
// Parking and the waits for a window to change state. Parking acts on a
// placement target; the caller resolves it through the catalogue.

#include <windows.h>

#include <optional>

#include "catalogue/ListHold.h"
#include "catalogue/Parking.h"

namespace vistrel {

// A window that does not answer the probe (platform::Answers) is left as it
// is by every operation here, except that a parked one is still sent home.
// Each operation that may wait for a window (and so meet any message) takes
// the hold of the command or tick it runs for.

class ChangeJournal;
// The record of changes every park and give-back goes through (the main
// window's); null for none, when only the position tells a parked window.
void SetChangeJournal(ChangeJournal* journal);

// `listed` is a listed window, `target` its placement target (the window
// parked): the windows a listed window owns may change while it is parked,
// and the one that was parked is the one that comes back.

// Parks the target out of sight, or brings back what is parked for the
// listed window when something is (parking is a toggle). Returns whether the
// target was moved out of sight: looked at afterwards, since a window may
// refuse to move (the record of changes is told, and forgets it).
bool ParkWindow(const ListHold& held, HWND listed, HWND target);
// Brings home what is parked for the listed window: the windows the record
// names, else a target that the position alone shows parked. A window that
// does not answer is moved asynchronously, when it pumps again. Returns
// whether anything was brought or sent home.
bool UnparkWindow(const ListHold& held, HWND listed, HWND target);
// The parked test: the record names a window parked for the listed window
// that still stands where it was put, or the target is ParkedByPosition.
bool IsWindowParked(HWND listed, HWND target);

// Restores a minimised window quietly and waits for it. A window that was
// parked before it was minimised is put back where it was before parking:
// restoring through the placement moves a window lying off every screen onto
// the screen, and the parked state, which lives only in the position, would be
// lost with the window's own place. False when the window did not answer and
// was left alone.
bool QuietRestoreFromParked(const ListHold& held, HWND window);
// Quiet minimise, then the wait for it; false when the window did not answer.
bool QuietMinimiseAndWait(const ListHold& held, HWND window);
// Pump the program's own messages until the window is restored, or
// minimised, but never more than the wait bound: a window that ignores us
// must not hang the program.
void WaitUntilRestored(const ListHold& held, HWND window);
void WaitUntilMinimised(const ListHold& held, HWND window);
// The wait that follows a command on a window; None returns at once.
void AwaitState(const ListHold& held, HWND window, AwaitedState state);

}  // namespace vistrel
