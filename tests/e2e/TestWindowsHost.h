#pragma once
// The testwindows helper's engine, shared by testwindows.exe (windows of a
// process of their own) and testwindows.dll (windows inside the process the
// driver injects it into). Protocol: TestWindowsProtocol.h.

#include <vector>

#include "TestWindowsProtocol.h"

namespace vistrel::e2e::helper {

struct HostOptions {
    std::vector<protocol::Command> initial;  // made before the control window appears
    bool exitWhenEmpty = false;
    // Inside somebody else's process: never end the process, and Quit only
    // closes the windows.
    bool guest = false;
};

// Runs in the calling thread until Quit (or, with exitWhenEmpty, until the
// last window is closed). Returns the process exit code to use.
int RunHost(const HostOptions& options);

}  // namespace vistrel::e2e::helper
