#pragma once
// The shell: documents and addresses opened the way the user has chosen, and
// the icons it shows for files.

#include <windows.h>

#include <string>

#include "platform/GdiHandles.h"

namespace vistrel::platform {

// Opens a file (relative to `folder`, which may be empty) or a web address
// with its default handler (the default browser for an address), shown as
// `show` says; false when the shell reports that it could not. `owner`
// parents any message the shell shows.
bool OpenWithDefaultHandler(HWND owner, const std::string& target, const std::string& folder = {},
                            int show = SW_SHOWNORMAL);

// The shell's icon of a file (32 x 32, or 16 x 16 when small); empty when the
// shell has none. An empty path asks about the empty string.
IconOwner GetFileIcon(const std::u16string& path, bool small);

}  // namespace vistrel::platform
