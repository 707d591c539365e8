#pragma once
// A REG_DWORD as the registry holds it: four bytes, little-endian.

#include <cstdint>
#include <string>

#include "common/SettingValues.h"

namespace vistrel::test {

inline RegistryValue Dword(uint32_t number) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>(number >> (8 * i));
    return {kRegistryDword, bytes};
}

}  // namespace vistrel::test
