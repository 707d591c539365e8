#pragma once
// Libraries loaded at run time come from the system folder only. A DLL that
// carries a system library's name and lies beside Vistrel.exe (or in the
// current folder) would otherwise be loaded in its place and run with the
// user's rights: the classic planted-DLL attack on programs started from a
// download folder.

#include <windows.h>

#include <utility>

namespace vistrel::platform {

class SystemLibrary {
public:
    SystemLibrary() = default;
    ~SystemLibrary() { Free(); }
    SystemLibrary(SystemLibrary&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
    SystemLibrary& operator=(SystemLibrary&& other) noexcept;
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // `name` is a bare file name ("psapi.dll"); a name with a folder in it is
    // refused, since it would leave the system folder. An empty owner when
    // the library is not there.
    static SystemLibrary Load(const char* name);

    explicit operator bool() const noexcept { return module_ != nullptr; }
    HMODULE Handle() const noexcept { return module_; }

    // The exported function `name` as the function pointer type F, or
    // nullptr when the library or the function is missing.
    template <class F>
    F Proc(const char* name) const {
        if (!module_) return nullptr;
        // Through the generic function pointer type, which GCC accepts as a
        // stand-in for any function type without -Wcast-function-type.
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
    }

    void Free() noexcept;

private:
    explicit SystemLibrary(HMODULE module) noexcept : module_(module) {}
    HMODULE module_ = nullptr;
};

// Narrows the process's own DLL search to the system folder, for the
// libraries that the system loads on our behalf by bare name (delay-loaded
// imports, common controls' theme support, the save dialog's helpers), which
// SystemLibrary::Load cannot reach. Call it first thing in the program,
// before any window or dialog exists. SetDefaultDllDirectories is looked up at
// run time because Windows 7 has it only with KB2533623; without it the
// current folder is at least taken out of the search.
void RestrictDllSearchToSystem();

}  // namespace vistrel::platform
