#include "clipping/CpuLevel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace vistrel {
namespace {

constexpr uint32_t kPaleBlue = 0xFFF3DD;
constexpr uint32_t kYellowGreen = 0x0FF0DF;
constexpr uint32_t kLightOrange = 0x81D9FE;
constexpr uint32_t kLightRed = 0xB3CBFF;

TEST(CpuLevel, ColourBands) {
    const struct {
        int percent;
        uint32_t colour;
    } cases[] = {
        {0, kPaleBlue},     {24, kPaleBlue},     {25, kYellowGreen}, {49, kYellowGreen},
        {50, kLightOrange}, {74, kLightOrange},  {75, kLightRed},    {100, kLightRed},
    };
    for (const auto& c : cases) EXPECT_EQ(CpuLevelColour(c.percent), c.colour) << c.percent;
}

TEST(CpuLevel, AColourIsAppliedOnlyWhenTheBandChanges) {
    const struct {
        int percent;
        bool highColour;
        std::optional<uint32_t> applied;
        uint32_t colour;
    } steps[] = {
        {60, false, std::nullopt, 0},  // a palette display keeps the design colour
        {10, true, kPaleBlue, kPaleBlue},
        {20, true, std::nullopt, kPaleBlue},  // the same band twice: applied once
        {30, true, kYellowGreen, kYellowGreen},
        {49, true, std::nullopt, kYellowGreen},
        {100, true, kLightRed, kLightRed},
        {75, true, std::nullopt, kLightRed},
        {0, true, kPaleBlue, kPaleBlue},
        {150, true, kLightRed, kLightRed},  // out of range counts as full
    };
    CpuMeter meter;
    EXPECT_EQ(meter.value(), 0);
    EXPECT_EQ(meter.colour(), 0u) << "black until a colour has been applied";
    for (const auto& s : steps) {
        SCOPED_TRACE(s.percent);
        EXPECT_EQ(meter.Apply(s.percent, s.highColour), s.applied);
        EXPECT_EQ(meter.colour(), s.colour);
        EXPECT_EQ(meter.value(), ClampPercent(s.percent));
    }
}

TEST(CpuLevel, UsageFromSystemTimes) {
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    const struct {
        const char* name;
        CpuTimes before, after;  // idle, kernel (idle included), user
        std::optional<int> usage;
    } cases[] = {
        {"all idle", {0, 0, 0}, {1000, 1000, 0}, 0},
        {"all busy in user time", {0, 0, 0}, {0, 0, 1000}, 100},
        {"a quarter busy", {500, 600, 100}, {1250, 1400, 300}, 25},
        {"kernel and user both busy", {0, 0, 0}, {600, 800, 200}, 40},
        {"rounded to the nearest", {0, 0, 0}, {2, 3, 0}, 33},
        {"a half rounds up", {0, 0, 0}, {7, 8, 0}, 13},
        {"no time passed", {10, 20, 30}, {10, 20, 30}, std::nullopt},
        {"idle went back", {10, 20, 30}, {9, 40, 40}, std::nullopt},
        {"kernel went back", {10, 20, 30}, {20, 19, 40}, std::nullopt},
        {"user went back", {10, 20, 30}, {20, 40, 29}, std::nullopt},
        {"idle beyond the whole time", {0, 0, 0}, {500, 100, 100}, 0},
        {"huge intervals do not overflow", {0, 0, 0}, {kMax / 2, kMax, kMax}, 75},
        {"counters near their end", {kMax - 100, kMax - 100, kMax - 100}, {kMax - 50, kMax, kMax}, 75},
    };
    for (const auto& c : cases) EXPECT_EQ(UsageBetween(c.before, c.after), c.usage) << c.name;
}

TEST(CpuLevel, ASampleThatCannotBeReadKeepsTheLastValue) {
    const struct {
        const char* name;
        std::optional<int> last;
        std::optional<long long> reading;
        std::optional<int> handedOn;
    } cases[] = {
        {"nothing read yet", std::nullopt, std::nullopt, std::nullopt},
        {"the first reading", std::nullopt, 42, 42},
        {"a new reading", 42, 7, 7},
        {"a failed reading", 42, std::nullopt, 42},
        {"an overshooting reading", 42, 103, 100},
        {"a negative reading", 42, -5, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(NextSample(c.last, c.reading), c.handedOn) << c.name;
}

}  // namespace
}  // namespace vistrel
