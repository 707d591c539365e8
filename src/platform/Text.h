#pragma once
// Two kinds of text meet in this program. Its own texts (captions, messages,
// the stored files) are ANSI strings in the system code page. What other
// programs hold (window titles, class names, program paths) is UTF-16, kept
// as std::u16string so that no character outside the code page is lost before
// the user sees it. These turn one into the other.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace vistrel::platform {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 is what the W functions take");

// The same code units as the W functions take them.
inline const wchar_t* AsWide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline wchar_t* AsWide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline std::u16string FromWide(const wchar_t* text, size_t units) {
    return std::u16string(text, text + units);
}

// An ANSI text as UTF-16.
std::u16string Widen(std::string_view ansi);
// UTF-16 as a program of the ANSI code page is given it by the A functions:
// a character the code page lacks becomes its nearest look-alike or '?'.
std::string Narrow(std::u16string_view text);
// The ANSI form only when every character has one of its own.
std::optional<std::string> NarrowExactly(std::u16string_view text);

}  // namespace vistrel::platform
