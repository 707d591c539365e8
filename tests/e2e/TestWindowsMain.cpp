// testwindows.exe: test windows in a process of their own, as a user's
// applications are. Arguments: see TestWindowsProtocol.h.
#include <windows.h>

#include <string>

#include "TestWindowsHost.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vistrel::e2e;
    helper::HostOptions options;
    const auto args = protocol::SplitCommandLine(GetCommandLineA());
    if (args.size() == 4 && args[1] == protocol::kRecordArgument) {
        HANDLE file = CreateFileA(args[2].c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 3;
        // The working folder, a line break and the argument: a document name
        // may come relative to the folder it is opened in.
        char folder[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, folder);
        const std::string text = std::string(folder) + "\n" + args[3];
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
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
