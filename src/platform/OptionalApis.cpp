#include "platform/OptionalApis.h"

#include <utility>

namespace vistrel::platform {

namespace {

// Loads `library`, finds `function` in it, and keeps the library only when the
// function is there, so that a library without it is not held for nothing.
template <class F>
SystemLibrary LoadWith(const char* library, const char* function, F& pointer) {
    SystemLibrary module = SystemLibrary::Load(library);
    pointer = module.Proc<F>(function);
    if (!pointer) module.Free();
    return module;
}

}  // namespace

PrintWindowApi PrintWindowApi::Load() {
    PrintWindowApi api;
    api.library_ = LoadWith("User32.dll", "PrintWindow", api.print_);
    return api;
}

BOOL PrintWindowApi::Print(HWND window, HDC dc, UINT flags) const {
    return print_ ? print_(window, dc, flags) : FALSE;
}

void PrintWindowApi::Free() noexcept {
    print_ = nullptr;
    library_.Free();
}

ProcessPathApi ProcessPathApi::Load() {
    ProcessPathApi api;
    api.library_ = LoadWith("psapi.dll", "GetModuleFileNameExW", api.moduleFileName_);
    return api;
}

DWORD ProcessPathApi::ModuleFileName(HANDLE process, HMODULE module, wchar_t* buffer,
                                     DWORD size) const {
    return moduleFileName_ ? moduleFileName_(process, module, buffer, size) : 0;
}

void ProcessPathApi::Free() noexcept {
    moduleFileName_ = nullptr;
    library_.Free();
}

CloakApi CloakApi::Load() {
    CloakApi api;
    api.library_ = LoadWith("dwmapi.dll", "DwmGetWindowAttribute", api.getAttribute_);
    return api;
}

bool CloakApi::Cloaked(HWND window) const {
    // DWMWA_CLOAKED: older SDK headers lack it.
    constexpr DWORD kCloakedAttribute = 14;
    DWORD cloaked = 0;
    return getAttribute_ && getAttribute_(window, kCloakedAttribute, &cloaked, sizeof cloaked) == S_OK &&
           cloaked != 0;
}

LayeredApi LayeredApi::Load() {
    LayeredApi api;
    api.library_ = LoadWith("user32.dll", "SetLayeredWindowAttributes", api.setAttributes_);
    return api;
}

BOOL LayeredApi::SetAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags) const {
    return setAttributes_ ? setAttributes_(window, key, alpha, flags) : FALSE;
}

void LayeredApi::Free() noexcept {
    setAttributes_ = nullptr;
    library_.Free();
}

}  // namespace vistrel::platform
