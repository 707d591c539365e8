#pragma once
// Initialization files (trm.ini): sections of key=value lines, read and
// written through the system's profile functions.

#include <string>

namespace vistrel::platform {

// The value of `key` in `section` of `file`; empty when the file, the section
// or the key is missing. Never reads win.ini: an empty file name gives empty.
std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key);

// Writes or replaces one value; the file is created when missing, and every
// other section and key stays as it was. The file is replaced whole, so a
// write that fails leaves it exactly as it was: false then.
bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value);

// Whether `section` of `file` has a key of that name (letter case aside).
bool ProfileHasKey(const std::string& file, const std::string& section, const std::string& key);

}  // namespace vistrel::platform
