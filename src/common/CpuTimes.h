#pragma once
// The machine's processor times as the system counts them since it started,
// in 100-nanosecond units. Kernel time includes idle time.

#include <cstdint>

namespace vistrel {

struct CpuTimes {
    uint64_t idle = 0;
    uint64_t kernel = 0;
    uint64_t user = 0;
};

}  // namespace vistrel
