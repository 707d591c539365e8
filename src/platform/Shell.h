#pragma once
// The shell: documents and addresses opened the way the user has chosen.

#include <windows.h>

#include <string>

namespace vistrel::platform {

// Opens a file (relative to `folder`, which may be empty) or a web address
// with its default handler (the default browser for an address), shown as
// `show` says; false when the shell reports that it could not. `owner`
// parents any message the shell shows.
bool OpenWithDefaultHandler(HWND owner, const std::string& target, const std::string& folder = {},
                            int show = SW_SHOWNORMAL);

}  // namespace vistrel::platform
