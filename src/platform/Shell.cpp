#include "platform/Shell.h"

#include "platform/Text.h"

#include <objbase.h>
#include <shellapi.h>

namespace vistrel::platform {

bool OpenWithDefaultHandler(HWND owner, const std::string& target, const std::string& folder,
                            int show) {
    // The handler may be a shell extension, which needs COM on the calling
    // thread; the thread may already have it, in any apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // Values above 32 mean success; the result is an HINSTANCE only in name.
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
        owner, "open", target.c_str(), nullptr, folder.empty() ? nullptr : folder.c_str(), show));
    if (SUCCEEDED(com)) CoUninitialize();
    return result > 32;
}

IconOwner GetFileIcon(const std::u16string& path, bool small) {
    SHFILEINFOW info{};
    const UINT flags = SHGFI_ICON | (small ? SHGFI_SMALLICON : 0);
    if (!SHGetFileInfoW(AsWide(path), 0, &info, sizeof info, flags)) return {};
    return IconOwner(info.hIcon);
}

}  // namespace vistrel::platform
