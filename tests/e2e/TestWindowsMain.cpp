// testwindows.exe: test windows in a process of their own, as a user's
// applications are. Arguments: see TestWindowsProtocol.h.
#include <windows.h>

#include "TestWindowsHost.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vistrel::e2e;
    helper::HostOptions options;
    const auto args = protocol::SplitCommandLine(GetCommandLineA());
    if (args.size() == 2 && args[1] == protocol::kIdleArgument) {
        Sleep(INFINITE);
        return 0;
    }
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == protocol::kExitWhenEmptyArgument) {
            options.exitWhenEmpty = true;
            continue;
        }
        protocol::Command c;
        if (!protocol::ParseWindowArgument(args[i], c)) return 2;
        options.initial.push_back(c);
    }
    return helper::RunHost(options);
}
