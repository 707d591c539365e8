#pragma once
// Any program can post or send our windows any message. The messages whose
// parameter is read as a pointer are checked here before it is used: such a
// message is never legitimately posted, and a pointer that came from outside
// must point at memory of ours that may be read.

#include <windows.h>

#include <cstddef>

namespace vistrel::tk {

// Whether [address, address + size) lies in committed memory of this process
// that may be read.
bool ReadableMemory(const void* address, size_t size);

// A message the system only ever sends, so that posted it comes from another
// program: one whose receiver would read lParam as a pointer, and the end of
// the session (posted, it would end the program or bring the parked windows
// home for nothing).
bool OnlyEverSent(UINT message);

// A WM_NOTIFY's lParam as a control of ours sends it: a readable header
// naming a window of this thread. (Whether the message came from another
// thread says nothing: a notification a control sends while it handles
// another program's message counts as sent by that program.)
bool OwnNotification(LPARAM lParam);

// The rectangle a WM_DPICHANGED offers, when the message is one the system
// could have sent: both halves of wParam one plausible DPI, and lParam
// pointing at a readable rectangle of a plausible size. Null otherwise.
const RECT* OfferedRectangle(WPARAM wParam, LPARAM lParam);

// Installs, once per thread, the filter that turns every posted message
// OnlyEverSent into WM_NULL before any loop of the thread (modal ones,
// the system's menus among them) dispatches it.
void FilterPostedPointers();

}  // namespace vistrel::tk
