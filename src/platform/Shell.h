#pragma once
// The shell: documents and addresses opened the way the user has chosen.

#include <windows.h>

#include <string>

namespace vistrel::platform {

// Opens a file or a web address with its default handler (the default
// browser for an address); false when the shell reports that it could not.
// `owner` parents any message the shell shows.
bool OpenWithDefaultHandler(HWND owner, const std::string& target);

}  // namespace vistrel::platform
