#pragma once
// Files and folders, by ANSI path. Paths are split with the system code
// page's lead bytes, so a Shift-JIS trail byte 0x5C is never taken for a
// backslash.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel::platform {

// The folder of the program file, with its trailing backslash.
std::string ModuleFolder();

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the folder and all its missing parents; true when it exists
// afterwards. A trailing backslash is allowed.
bool CreateFolders(const std::string& path);

// The program's own data files (list.dat, the park record) are a few
// kilobytes; a file past this size is none of them, and is not held in
// memory whole.
constexpr uint64_t kDataFileLimit = 4 * 1024 * 1024;
// The file's bytes; nullopt when it cannot be read or holds more than
// `limit` bytes, so that a caller treats a huge file as unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t limit = kDataFileLimit);
// Replaces the file's contents as one step: the bytes go to a new file in the
// same folder, which then takes the old file's place. If anything fails the
// old file stays exactly as it was and the result is false.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// The logged-on user's name (GetUserNameA); empty when it cannot be read.
std::string UserName();

}  // namespace vistrel::platform
