// The entry point: one instance per desktop, then the main window.

#include <windows.h>

#include <string>

#include "common/AppIdentity.h"
#include "main/WndCloseUnit.h"
#include "platform/SingleInstance.h"
#include "platform/SystemLibrary.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vistrel;
    // Before anything loads a library: never from the program's own folder.
    platform::RestrictDllSearchToSystem();

    auto& app = tk::Application::Instance();
    app.Title = kAppTitle;
    // Released by its owner however the loop below ends.
    const platform::InstanceMutex mutex = platform::InstanceMutex::Create(kAppTitle);
    if (mutex.AnotherInstance()) {
        const std::string message = std::string(kAppTitle) + kAlreadyRunningSuffix;
        MessageBoxA(nullptr, message.c_str(), kAppTitle, MB_OK);
        return 0;
    }
    try {
        app.Initialize();
        TPrintWndDlg mainWindow;
        app.Run(mainWindow);
    } catch (...) {
        app.HandleException();
    }
    return 0;
}
