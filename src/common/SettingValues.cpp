#include "common/SettingValues.h"

#include <algorithm>

namespace vistrel {

std::optional<uint32_t> DwordOf(const RegistryValue& value) {
    if (value.type != kRegistryDword || value.data.size() != 4) return std::nullopt;
    uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = number << 8 | static_cast<uint8_t>(value.data[i]);
    return number;
}

std::optional<bool> SwitchSetting(const std::optional<RegistryValue>& value) {
    if (!value) return std::nullopt;
    const auto number = DwordOf(*value);
    if (!number) return std::nullopt;
    return *number != 0;
}

std::optional<uint32_t> IntervalSetting(const std::optional<RegistryValue>& value) {
    if (!value) return std::nullopt;
    const auto number = DwordOf(*value);
    if (!number || *number == 0) return std::nullopt;
    return std::clamp(*number, kShortestInterval, kLongestInterval);
}

}  // namespace vistrel
