#include "platform/Profile.h"

#include <windows.h>

#include <vector>

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

}  // namespace vistrel::platform
