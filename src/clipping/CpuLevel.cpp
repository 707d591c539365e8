#include "clipping/CpuLevel.h"

#include <limits>

namespace vistrel {

namespace {

constexpr uint32_t kPaleBlue = 0xFFF3DD;
constexpr uint32_t kYellowGreen = 0x0FF0DF;
constexpr uint32_t kLightOrange = 0x81D9FE;
constexpr uint32_t kLightRed = 0xB3CBFF;

}  // namespace

int ClampPercent(long long value) {
    if (value < 0) return 0;
    if (value > 100) return 100;
    return static_cast<int>(value);
}

uint32_t CpuLevelColour(int percent) {
    if (percent < 25) return kPaleBlue;
    if (percent < 50) return kYellowGreen;
    if (percent < 75) return kLightOrange;
    return kLightRed;
}

std::string CpuCaption(int percent) { return std::to_string(percent) + "%"; }

std::optional<int> UsageBetween(const CpuTimes& before, const CpuTimes& after) {
    if (after.idle < before.idle || after.kernel < before.kernel || after.user < before.user)
        return std::nullopt;
    uint64_t idle = after.idle - before.idle;
    uint64_t kernel = after.kernel - before.kernel;
    uint64_t user = after.user - before.user;
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    // Halving all three keeps their ratios; whole percents do not miss the
    // low bits.
    while (kernel > kMax / 200 || user > kMax / 200) {
        idle >>= 1;
        kernel >>= 1;
        user >>= 1;
    }
    const uint64_t total = kernel + user;
    if (total == 0) return std::nullopt;
    // Idle beyond the whole time is a counter out of step, not negative load.
    const uint64_t busy = idle >= total ? 0 : total - idle;
    return static_cast<int>((busy * 100 + total / 2) / total);
}

std::optional<int> NextSample(std::optional<int> last, std::optional<long long> reading) {
    if (reading) return ClampPercent(*reading);
    return last;
}

std::optional<uint32_t> CpuMeter::Apply(int percent, bool highColour) {
    value_ = ClampPercent(percent);
    if (!highColour) return std::nullopt;
    const uint32_t colour = CpuLevelColour(value_);
    if (colour == colour_) return std::nullopt;
    colour_ = colour;
    return colour;
}

}  // namespace vistrel
