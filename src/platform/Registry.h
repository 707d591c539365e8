#pragma once
// The settings key. The program opens it but never creates it.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/SettingValues.h"

namespace vistrel::platform {

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // `path` is taken from `root`; a leading backslash ("\Software\...") is
    // allowed. An empty key when the key does not exist or access is denied.
    static RegistryKey Open(HKEY root, const std::string& path, REGSAM access);

    explicit operator bool() const noexcept { return key_ != nullptr; }

    // The value's type and bytes as they are, whatever they are; what they
    // mean is decided in common/SettingValues.h.
    std::optional<RegistryValue> ReadValue(const char* name) const;
    // A REG_DWORD of four bytes. A value of any other type or size (a string,
    // a QWORD, a short binary left by hand-editing) reads as missing, so that
    // it never feeds a setting garbage.
    std::optional<uint32_t> ReadDword(const char* name) const;
    bool WriteDword(const char* name, uint32_t value) const;

    void Close() noexcept;

private:
    explicit RegistryKey(HKEY key) noexcept : key_(key) {}
    HKEY key_ = nullptr;
};

}  // namespace vistrel::platform
