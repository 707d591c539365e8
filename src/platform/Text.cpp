#include "platform/Text.h"

namespace vistrel::platform {

std::u16string Widen(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int size = static_cast<int>(ansi.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    if (units <= 0) return {};
    std::u16string text(static_cast<size_t>(units), u'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, AsWide(text.data()), units);
    return text;
}

std::string Narrow(std::u16string_view text) {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, size, ansi.data(), bytes, nullptr, nullptr);
    return ansi;
}

std::optional<std::string> NarrowExactly(std::u16string_view text) {
    if (text.empty()) return std::string();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    BOOL defaulted = FALSE;
    const int bytes =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, nullptr, &defaulted);
    if (bytes <= 0 || defaulted) return std::nullopt;
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, size, ansi.data(), bytes, nullptr, &defaulted);
    // No best fit means no look-alike; a default char means none at all. A
    // round trip catches what either flag may miss on some code pages.
    if (defaulted || Widen(ansi) != text) return std::nullopt;
    return ansi;
}

}  // namespace vistrel::platform
