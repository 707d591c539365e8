#pragma once
// The owner-drawn menus' colours, chosen once from the display's colour depth:
// the high-colour greys and blues band into ugly dithers on a palette display.

#include <cstdint>
#include <optional>

namespace vistrel {

// COLORREF values, 0x00BBGGRR.
struct ColourScheme {
    uint32_t menuBackground = 0;
    uint32_t menuHighlight = 0;
    uint32_t menuHighlightText = 0;
    // The interval label's colour; none keeps the form's lime.
    std::optional<uint32_t> label1Colour;
};

// High colour as common/ColourDepth.h has it.
ColourScheme ChooseColourScheme(int bitsPerPixel);

}  // namespace vistrel
