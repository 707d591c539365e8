#include "main/ColourScheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vistrel {
namespace {

// The sixteen colours every palette display shows without dithering.
bool IsStandardColour(uint32_t colour) {
    constexpr uint32_t kStandard[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                      0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                      0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return std::find(std::begin(kStandard), std::end(kStandard), colour) != std::end(kStandard);
}

// Relative luminance and contrast ratio as the accessibility guidelines
// define them; 4.5 is their minimum for text.
double Luminance(uint32_t colour) {
    auto channel = [](uint32_t value) {
        const double c = static_cast<double>(value & 0xFF) / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour) + 0.7152 * channel(colour >> 8) + 0.0722 * channel(colour >> 16);
}

double Contrast(uint32_t a, uint32_t b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr uint32_t kMenuText = 0x000000;

TEST(ColourScheme, PaletteDisplaysGetOnlyStandardColours) {
    for (int bits = 1; bits <= 10; ++bits) {
        SCOPED_TRACE(bits);
        const ColourScheme s = ChooseColourScheme(bits);
        EXPECT_TRUE(IsStandardColour(s.menuBackground)) << std::hex << s.menuBackground;
        EXPECT_TRUE(IsStandardColour(s.menuHighlight)) << std::hex << s.menuHighlight;
        EXPECT_TRUE(IsStandardColour(s.menuHighlightText)) << std::hex << s.menuHighlightText;
        EXPECT_FALSE(s.label1Colour.has_value()) << "the form's lime is a standard colour already";
    }
}

TEST(ColourScheme, HighColourSchemeFromElevenBitsOn) {
    const ColourScheme palette = ChooseColourScheme(8);
    const ColourScheme high = ChooseColourScheme(32);
    EXPECT_NE(high.menuHighlight, palette.menuHighlight);
    EXPECT_TRUE(high.label1Colour.has_value());
    for (int bits : {11, 15, 16, 24}) {
        SCOPED_TRACE(bits);
        const ColourScheme s = ChooseColourScheme(bits);
        EXPECT_EQ(s.menuBackground, high.menuBackground);
        EXPECT_EQ(s.menuHighlight, high.menuHighlight);
        EXPECT_EQ(s.menuHighlightText, high.menuHighlightText);
        EXPECT_EQ(s.label1Colour, high.label1Colour);
    }
    EXPECT_EQ(ChooseColourScheme(10).menuHighlight, palette.menuHighlight);
}

TEST(ColourScheme, MenuTextIsReadableAtEveryDepth) {
    for (int bits : {1, 4, 8, 10, 11, 16, 24, 32}) {
        SCOPED_TRACE(bits);
        const ColourScheme s = ChooseColourScheme(bits);
        EXPECT_GE(Contrast(s.menuHighlightText, s.menuHighlight), 4.5);
        EXPECT_GE(Contrast(kMenuText, s.menuBackground), 4.5);
        EXPECT_GE(Contrast(s.menuHighlight, s.menuBackground), 3.0) << "the highlight shows as a bar";
    }
}

}  // namespace
}  // namespace vistrel
