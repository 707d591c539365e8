#pragma once
// Files and folders. The program's own files go by ANSI path, split with the
// system code page's lead bytes, so a Shift-JIS trail byte 0x5C is never
// taken for a backslash; a path the user chose (a picture saved) is UTF-16,
// as it may name a folder in any script.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel::platform {

// The folder of the program file, with its trailing backslash.
std::string ModuleFolder();

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool FileExists(const std::u16string& path);
bool DirectoryExists(const std::u16string& path);
// Creates the folder and all its missing parents; true when it exists
// afterwards. A trailing backslash is allowed.
bool CreateFolders(const std::string& path);

// The program's own data files (list.dat, the park record) are a few
// kilobytes; a file past this size is none of them, and is not held in
// memory whole.
constexpr uint64_t kDataFileLimit = 4 * 1024 * 1024;
// The file's size in bytes; nullopt when it cannot be asked.
std::optional<uint64_t> FileSize(const std::string& path);
// The file's bytes; nullopt when it cannot be read or holds more than
// `limit` bytes, so that a caller treats a huge file as unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t limit = kDataFileLimit);
// Replaces the file's contents as one step: the bytes go to a new file in the
// same folder, which then takes the old file's place. If anything fails the
// old file stays exactly as it was and the result is false.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);
bool ReplaceFileContents(const std::u16string& path, std::string_view bytes);
// The same for a new file that another writer fills: `write` is given the
// path of an empty file in the same folder. Its false, or any failure after
// it, leaves the old file exactly as it was.
bool ReplaceFileWith(const std::string& path, const std::function<bool(const std::string& newFile)>& write);

// The logged-on user's name (GetUserNameA); empty when it cannot be read.
std::string UserName();

}  // namespace vistrel::platform
