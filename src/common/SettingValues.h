#pragma once
// What the three registry values read at start mean. Anyone can write the
// settings key by hand (regedit, a .reg file, another program), so a value
// may have any type, any size and any number: this decides what each one
// feeds into the program, and a value that makes no sense feeds nothing.

#include <cstdint>
#include <optional>
#include <string>

namespace vistrel {

// The registry's type numbers for the types read here.
constexpr uint32_t kRegistryDword = 4;  // REG_DWORD, little-endian

// A value as the registry holds it: its type and its bytes, unread.
struct RegistryValue {
    uint32_t type = 0;
    std::string data;
};

// A REG_DWORD of exactly four bytes. A string, a QWORD, a big-endian DWORD or
// a DWORD of another size reads as missing.
std::optional<uint32_t> DwordOf(const RegistryValue& value);

// "hi" and "clip": any non-zero DWORD is on.
std::optional<bool> SwitchSetting(const std::optional<RegistryValue>& value);

// The automatic-update timer runs every 10 ms at the fastest and every
// 0x7FFFFFFF ms at the slowest (the system's own bounds for a timer).
constexpr uint32_t kShortestInterval = 10;
constexpr uint32_t kLongestInterval = 0x7FFFFFFF;

// "tims": the interval in milliseconds, brought within those bounds so that
// the label shows what the timer really does and the interval fits every int
// it passes through. 0 would be a timer that never ticks, "Auto" dead
// without a word: it reads as missing and the default holds.
std::optional<uint32_t> IntervalSetting(const std::optional<RegistryValue>& value);

}  // namespace vistrel
