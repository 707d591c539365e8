#include "platform/SystemLibrary.h"

#include <string>

#include "common/Mbcs.h"
#include "platform/Locale.h"

namespace vistrel::platform {

namespace {

bool HasFolderPart(const char* name) { return !ExtractFolder(name, IsLeadByte).empty(); }

std::string SystemFolderPath(const char* name) {
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return JoinPath(std::string(folder, length), name, IsLeadByte);
}

}  // namespace

SystemLibrary& SystemLibrary::operator=(SystemLibrary&& other) noexcept {
    if (this != &other) {
        Free();
        module_ = std::exchange(other.module_, nullptr);
    }
    return *this;
}

SystemLibrary SystemLibrary::Load(const char* name) {
    if (!name || !*name || HasFolderPart(name)) return {};
    HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) {
        // Windows 7 without KB2533623 does not know the search flags. The
        // full path keeps the search away from our folder; the altered search
        // path makes the library's own imports come from the system folder
        // too, not from the program's folder.
        const std::string path = SystemFolderPath(name);
        if (path.empty()) return {};
        module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return SystemLibrary(module);
}

void SystemLibrary::Free() noexcept {
    if (module_) FreeLibrary(std::exchange(module_, nullptr));
}

void RestrictDllSearchToSystem() {
    // kernel32 is in every process; GetModuleHandleA neither loads nor
    // searches anything.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void (*)()>(
                                   GetProcAddress(kernel, "SetDefaultDllDirectories")))
                             : nullptr;
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // An empty DLL directory at least takes the current folder out of the
    // search; the program's own folder stays in it on such a system.
    SetDllDirectoryA("");
}

}  // namespace vistrel::platform
