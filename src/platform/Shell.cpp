#include "platform/Shell.h"

#include <shellapi.h>

namespace vistrel::platform {

bool OpenDocument(HWND owner, const std::string& file, const std::string& folder, int show) {
    // ShellExecute reports success as a value above 32.
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
        owner, "open", file.c_str(), nullptr, folder.empty() ? nullptr : folder.c_str(), show));
    return result > 32;
}

}  // namespace vistrel::platform
