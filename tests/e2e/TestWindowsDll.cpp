// testwindows.dll: the same windows inside another process (the driver loads
// it into Vistrel with CreateRemoteThread on LoadLibraryA), where
// PrintWindow reaches them even under Wine.
#include <windows.h>

#include "TestWindowsHost.h"

namespace {

DWORD WINAPI GuestThread(void*) {
    // Pinned: the host's windows and threads outlive any FreeLibrary.
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&GuestThread), &self);
    vistrel::e2e::helper::HostOptions options;
    options.guest = true;
    return static_cast<DWORD>(vistrel::e2e::helper::RunHost(options));
}

}  // namespace

// Windows are never made under the loader lock: the host runs on a thread of
// its own, which starts once DllMain has returned.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        HANDLE thread = CreateThread(nullptr, 0, GuestThread, nullptr, 0, nullptr);
        if (!thread) return FALSE;
        CloseHandle(thread);
    }
    return TRUE;
}
