#pragma once
// Texts of an executable's version resource: which key names its product in
// the first language it declares, and how much of a string value is taken.
// The Win32 side (platform/VersionInfo.h) reads the resource and answers the
// lookups; what is asked and what is kept is decided here.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/Mbcs.h"

namespace vistrel {

// A value that VerQueryValueA found: its bytes, from where it starts to the
// end of the resource that holds it (never further), and the length the
// lookup reported (bytes for a binary value, characters for a text).
struct VersionValue {
    std::string_view bytes;
    size_t reported = 0;
};

// Answers one key of the resource; none when the resource lacks it.
using VersionLookup = std::function<std::optional<VersionValue>(const std::string& key)>;

inline constexpr const char* kTranslationKey = "\\VarFileInfo\\Translation";

// Product names longer than this are cut (a 256-byte buffer and its terminator).
inline constexpr size_t kMaxProductName = 255;

// "\StringFileInfo\LLLLCCCC\ProductName" for the first entry of a Translation
// value, a 32-bit little-endian number whose low half is the language and
// whose high half the code page. Empty when the value is shorter than one
// entry: there is no language to ask in.
std::string ProductNameKey(std::string_view translation);

// The text of a string value: up to its terminator, at most as many bytes as
// the lookup reported and as the resource holds, and at most kMaxProductName
// bytes without half a character at the end.
std::string VersionString(const VersionValue& value, LeadBytePredicate isLeadByte);

// The product name in the first translation, or the empty text when any step
// finds nothing.
std::string ProductName(const VersionLookup& lookup, LeadBytePredicate isLeadByte);

}  // namespace vistrel
