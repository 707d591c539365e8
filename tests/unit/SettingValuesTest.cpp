// The registry values read at start, as anyone may have left them.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "DwordValue.h"
#include "common/SettingValues.h"

namespace vistrel {
namespace {

constexpr uint32_t kString = 1, kBinary = 3, kBigEndian = 5, kQword = 11;

using test::Dword;

TEST(SettingValues, WhatEachValueFeeds) {
    using std::nullopt;
    struct Case {
        const char* name;
        std::optional<RegistryValue> value;
        std::optional<bool> on;             // "hi", "clip"
        std::optional<uint32_t> interval;   // "tims"
    };
    const Case cases[] = {
        {"absent", nullopt, nullopt, nullopt},
        {"0", Dword(0), false, nullopt},
        {"1", Dword(1), true, kShortestInterval},
        {"500", Dword(500), true, 500u},
        {"2 is on too", Dword(2), true, kShortestInterval},
        {"the shortest", Dword(10), true, 10u},
        {"the longest", Dword(0x7FFFFFFF), true, 0x7FFFFFFFu},
        {"beyond the longest", Dword(0x80000000), true, kLongestInterval},
        {"all ones", Dword(0xFFFFFFFF), true, kLongestInterval},
        {"bytes in little-endian order", RegistryValue{kRegistryDword, std::string("\xE8\x03\0\0", 4)}, true, 1000u},
        {"a string", RegistryValue{kString, std::string("500\0", 4)}, nullopt, nullopt},
        {"four bytes of binary", RegistryValue{kBinary, Dword(500).data}, nullopt, nullopt},
        {"big-endian", RegistryValue{kBigEndian, Dword(500).data}, nullopt, nullopt},
        {"a qword", RegistryValue{kQword, Dword(500).data + std::string(4, '\0')}, nullopt, nullopt},
        {"a short dword", RegistryValue{kRegistryDword, std::string("\xF4\x01", 2)}, nullopt, nullopt},
        {"an empty dword", RegistryValue{kRegistryDword, ""}, nullopt, nullopt},
        {"a long dword", RegistryValue{kRegistryDword, Dword(500).data + "x"}, nullopt, nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SwitchSetting(c.value), c.on);
        EXPECT_EQ(IntervalSetting(c.value), c.interval);
    }
}

}  // namespace
}  // namespace vistrel
