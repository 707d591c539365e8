#pragma once
// A stand-in for the system code page in host tests, which have none: each
// byte is the character of the same number, and a character above 0xFF has
// no form in it, as a Hangul or an emoji has none in Shift-JIS.

#include <optional>
#include <string>
#include <string_view>

namespace vistrel::test {

inline std::u16string Latin1Decode(std::string_view bytes) {
    std::u16string text;
    for (const char byte : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(byte));
    return text;
}

inline std::optional<std::string> Latin1Encode(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        if (unit > 0xFF) return std::nullopt;
        bytes += static_cast<char>(unit);
    }
    return bytes;
}

}  // namespace vistrel::test
