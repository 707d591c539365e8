#include "platform/Registry.h"

#include <utility>

namespace vistrel::platform {

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

RegistryKey RegistryKey::Open(HKEY root, const std::string& path, REGSAM access) {
    // The settings path is written from the root ("\Software\Quillon\..."),
    // but the registry wants subkey paths relative to the root key and does
    // not open a path that starts with a backslash.
    const size_t start = path.find_first_not_of('\\');
    const std::string relative = start == std::string::npos ? std::string() : path.substr(start);
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, relative.c_str(), 0, access, &key) != ERROR_SUCCESS) return {};
    return RegistryKey(key);
}

std::optional<uint32_t> RegistryKey::ReadDword(const char* name) const {
    if (!key_) return std::nullopt;
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    // A value larger than four bytes fails with ERROR_MORE_DATA and reads as
    // missing too.
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_DWORD || size != sizeof value) return std::nullopt;
    return value;
}

bool RegistryKey::WriteDword(const char* name, uint32_t value) const {
    if (!key_) return false;
    const DWORD data = value;
    return RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}

void RegistryKey::Close() noexcept {
    if (key_) RegCloseKey(std::exchange(key_, nullptr));
}

}  // namespace vistrel::platform
