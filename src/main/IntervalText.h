#pragma once
// The update interval as Label1 shows it.

#include <cstdint>
#include <string>

namespace vistrel {

// "1000ms" for 1000.
std::string IntervalText(uint32_t milliseconds);

}  // namespace vistrel
