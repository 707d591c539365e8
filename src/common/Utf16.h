#pragma once
// UTF-16, in which other programs' text (titles, paths) is kept: its
// surrogates, its UTF-8 form for the files that hold what the ANSI code page
// cannot, and the parts of a path.

#include <string>
#include <string_view>

namespace vistrel {

// A lone surrogate (a file name may hold one) is written as the three bytes
// its code would take, as UTF-8 writes any other code below U+10000, so that
// it comes back as it was.
std::string Utf8FromUtf16(std::u16string_view text);
// Bytes that are no UTF-8 (cut, overlong, past U+10FFFF) read as U+FFFD, one
// per byte that cannot start a character. A surrogate's three bytes read as
// that surrogate.
std::u16string Utf16FromUtf8(std::string_view bytes);

// ASCII (numbers, class names) as UTF-16.
std::u16string AsciiToUtf16(std::string_view ascii);

// The file name part of a path: what follows its last '\', '/' or the
// drive's ':'.
std::u16string_view FileNamePart(std::u16string_view path);

// The halves of a UTF-16 character beyond the BMP.
constexpr bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The byte-order mark that starts a UTF-8 file of ours.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace vistrel
