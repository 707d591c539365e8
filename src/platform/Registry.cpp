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

std::optional<RegistryValue> RegistryKey::ReadValue(const char* name) const {
    if (!key_) return std::nullopt;
    // The size first, then the bytes; a value that grows in between (another
    // program writing it) is asked for again, a few times at most.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
        RegistryValue value;
        value.data.resize(size);
        const LONG result = RegQueryValueExA(key_, name, nullptr, &type,
                                             reinterpret_cast<BYTE*>(value.data.data()), &size);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return std::nullopt;
        value.type = type;
        value.data.resize(size);
        return value;
    }
    return std::nullopt;
}

std::optional<uint32_t> RegistryKey::ReadDword(const char* name) const {
    const auto value = ReadValue(name);
    return value ? DwordOf(*value) : std::nullopt;
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
