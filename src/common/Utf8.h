#pragma once
// UTF-8 and UTF-16, for the files that hold what the ANSI code page cannot.

#include <string>
#include <string_view>

namespace vistrel {

// A lone surrogate (a title may hold one) is written as U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
// Bytes that are no UTF-8 (cut, overlong, a surrogate, past U+10FFFF) read as
// U+FFFD, one per byte that cannot start a character.
std::u16string Utf16FromUtf8(std::string_view bytes);

// The halves of a UTF-16 character beyond the BMP.
constexpr bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The byte-order mark that starts a UTF-8 file of ours.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace vistrel
