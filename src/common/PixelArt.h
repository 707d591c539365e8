#pragma once
// Pictures drawn as text: rows of palette keys, one character a pixel. The
// checks are constexpr, so that a picture's file can static_assert them and a
// mistyped row becomes a build error rather than a stray pixel.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vistrel {

struct Ink {
    char key;
    uint32_t colour;  // in the form the picture's user wants (ARGB, COLORREF, ...)
};

// The ink of a key; null when the palette has none.
constexpr const Ink* FindInk(std::span<const Ink> inks, char key) {
    for (const Ink& ink : inks) {
        if (ink.key == key) return &ink;
    }
    return nullptr;
}

// Every row of every picture is `width` keys long, and every key is in the palette.
template <class Pictures>
constexpr bool WellFormedArt(const Pictures& pictures, size_t width, std::span<const Ink> inks) {
    for (const auto& picture : pictures) {
        for (std::string_view row : picture) {
            if (row.size() != width) return false;
            for (char key : row) {
                if (!FindInk(inks, key)) return false;
            }
        }
    }
    return true;
}

}  // namespace vistrel
