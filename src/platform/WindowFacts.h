#pragma once
// Facts about windows, ours or other programs', and the few state changes the
// program makes on them. Failures are not reported: a window that vanished
// reads as empty or zero, as the callers expect of foreign windows.

#include "platform/OptionalApis.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vistrel::platform {

// The outer rectangle in screen coordinates; all zero when it cannot be read.
RECT WindowRect(HWND window);
// Whether the window covers any pixel (an application window of some
// toolkits has none, and stands for the frame window it owns).
bool HasArea(HWND window);
// At most 255 UTF-16 units, as the window holds it.
std::u16string WindowTitle(HWND window);
using TitleBuffer = std::array<char16_t, 256>;
// The same, read into `buffer` (nothing allocated); views the buffer.
std::u16string_view WindowTitle(HWND window, TitleBuffer& buffer);
std::u16string WindowClass(HWND window);
HWND WindowOwner(HWND window);
// GetParent: the parent of a child window, and also the owner of an owned
// pop-up window; null for an owned overlapped window.
HWND WindowParent(HWND window);
bool IsVisible(HWND window);
// Visibility and the minimised state of a top-level window in one look-up of
// its style: for a window whose parent is the desktop, IsWindowVisible and
// IsIconic read exactly these two bits.
struct TopLevelState {
    bool visible = false;
    bool minimised = false;
};
TopLevelState TopLevelStateOf(HWND window);
bool IsMinimised(HWND window);
bool IsMaximised(HWND window);
bool WindowExists(HWND window);
// Not a child window: its own root. False for a window that has gone.
bool IsTopLevel(HWND window);
// The id of the window's process; 0 for a window that has gone.
DWORD ProcessOf(HWND window);
// When the process started (FILETIME units), which tells it from a later
// process given the same id; 0 when it cannot be read.
uint64_t ProcessStarted(DWORD process);

// The state changes below act on windows of other threads, which the system
// makes wait for that thread: each first asks the window with Answers() and
// leaves a window that does not answer as it is, returning false. A hung
// window may freeze itself, never us.

// Changes only the show command of the window's placement, leaving its normal
// position and its minimised and maximised positions as they are. False only
// when the window did not answer.
bool SetShowState(HWND window, UINT showCmd);
// The window's restored (normal) rectangle, as its placement records it, in
// screen coordinates (the placement counts from the primary monitor's work
// area for most windows).
RECT NormalPosition(HWND window);
// Sets that rectangle, leaving a minimised window minimised and inactive.
// Not for a window that has stopped answering (IsHungAppWindow); false when
// it was not set.
bool SetNormalPosition(HWND window, const RECT& screen);
// Repaints the window and its children: at once when they belong to the
// calling thread; windows of other threads are invalidated and repaint
// themselves as soon as they pump, so a hung one never holds us up.
void RedrawNow(HWND window);
// SetWindowPos with HWND_NOTOPMOST (the window leaves the topmost band).
bool MoveWindowTo(HWND window, int x, int y);
bool PlaceWindow(HWND window, int x, int y, int cx, int cy, UINT flags);
// The same, carried out by the window's own thread when it next pumps; never
// waits, so also for a window that does not answer.
bool PlaceWindowAsync(HWND window, int x, int y, int cx, int cy, UINT flags);
// Restore (OpenIcon) or minimise (CloseWindow) after hiding the window through
// its placement, so that the system's minimise and restore animation is not
// played.
bool QuietShow(HWND window);
bool QuietMinimise(HWND window);
// The same without the quiet step: OpenIcon and CloseWindow (which minimises).
bool Restore(HWND window);
bool Minimise(HWND window);

// Calls `visit` for every top-level window in Z order until it returns false.
// An exception thrown by `visit` ends the enumeration and is rethrown here
// rather than unwound through the system's frames.
void ForEachTopLevelWindow(const std::function<bool(HWND)>& visit);

// Whether the window's thread answers a message within the time: a hung
// window must never hang us. A window of the calling thread always answers,
// and one that has gone cannot block anyone.
bool Responds(HWND window, UINT timeoutMs);
// The probe asked before capturing or changing another program's window.
constexpr UINT kAnswerTimeoutMs = 100;
bool Answers(HWND window);

// The path of the executable of the window's process, at most 260 UTF-16
// units; empty when the process cannot be opened, its path cannot be read, or
// GetModuleFileNameExW is not available.
std::u16string ExecutablePath(HWND window, const ProcessPathApi& api);

}  // namespace vistrel::platform
