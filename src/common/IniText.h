#pragma once
// The text of an initialization file (trm.ini) with one value written, as the
// system's profile functions would leave it: the key's line replaced where
// the section has it, else added after the section's last line, else the
// section added at the end. Every other byte stays as it was. The program
// writes the result to a new file that takes the old one's place, so a
// failure half-way never leaves a file cut short.

#include <functional>
#include <string>
#include <string_view>

namespace vistrel {

// How the system compares section and key names (lstrcmpiA).
using SameIniName = std::function<bool(std::string_view, std::string_view)>;

std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value, const SameIniName& same);

}  // namespace vistrel
