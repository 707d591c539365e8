#pragma once
// Opening documents with the user's own programs.

#include <windows.h>

#include <string>

namespace vistrel::platform {

// Opens `file` (relative to `folder`, which may be empty) with whatever the
// user opens such files with. False when the shell found nothing to open it.
bool OpenDocument(HWND owner, const std::string& file, const std::string& folder, int show);

}  // namespace vistrel::platform
