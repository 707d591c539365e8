#include "platform/Profile.h"

#include <windows.h>

#include <vector>

#include "platform/Files.h"

namespace vistrel::platform {

namespace {
// No value we write comes near; a damaged file is not read further.
constexpr size_t kLongestValue = 64 * 1024;
}  // namespace

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key) {
    if (file.empty() || section.empty()) return {};
    // A clipping set takes 320 characters; room for more, and the length
    // tells when a value was cut.
    std::vector<char> buffer(1024);
    for (;;) {
        const DWORD length =
            GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                     static_cast<DWORD>(buffer.size()), file.c_str());
        if (length + 1 < buffer.size() || buffer.size() >= kLongestValue)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    if (file.empty() || section.empty()) return false;
    // The system's writer rewrites the file in place, where a full disk or a
    // crash half-way would cut every section short: it writes a copy here,
    // which then takes the file's place. A file too large to be one of ours
    // is left alone.
    const bool exists = FileExists(file);
    const auto size = FileSize(file);
    if (exists && (!size || *size > kDataFileLimit)) return false;
    return ReplaceFileWith(file, [&](const std::string& copy) {
        if (exists && !CopyFileA(file.c_str(), copy.c_str(), FALSE)) return false;
        if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), copy.c_str())) return false;
        // Written out of the system's cache now (what this says is no answer).
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, copy.c_str());
        return true;
    });
}

bool ProfileHasKey(const std::string& file, const std::string& section, const std::string& key) {
    if (file.empty() || section.empty()) return false;
    // With no key named, the section's key names come back, each ended by a
    // NUL and the list by a second one.
    std::vector<char> names(kLongestValue, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, "", names.data(),
                                                  static_cast<DWORD>(names.size()), file.c_str());
    for (size_t at = 0; at < length;) {
        const std::string name(names.data() + at);
        if (lstrcmpiA(name.c_str(), key.c_str()) == 0) return true;
        at += name.size() + 1;
    }
    return false;
}

}  // namespace vistrel::platform
