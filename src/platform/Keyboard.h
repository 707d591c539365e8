#pragma once
// The keyboard layout's names of keys.

#include <cstdint>
#include <string>

namespace vistrel::platform {

// The name the current keyboard layout gives a virtual key ("Space",
// "Delete"), as the hot key control shows it; empty when the layout has no
// key for it. A KeyNamer for common/HotKeySetting.h.
std::string KeyName(uint8_t key);

}  // namespace vistrel::platform
