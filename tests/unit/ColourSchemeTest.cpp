#include "main/ColourScheme.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(ColourScheme, ElevenBitsMakeHighColour) {
    const struct {
        int bits;
        bool high;
    } cases[] = {{1, false}, {4, false}, {8, false}, {10, false}, {11, true}, {16, true}, {24, true}, {32, true}};
    for (const auto& c : cases) {
        const ColourScheme s = ChooseColourScheme(c.bits);
        if (c.high) {
            EXPECT_EQ(s.menuBackground, 0xE8E8E8u) << c.bits;
            EXPECT_EQ(s.menuHighlight, 0x854236u) << c.bits;
            EXPECT_EQ(s.menuHighlightText, 0xFFFFBBu) << c.bits;
            EXPECT_EQ(s.label1Colour, 0xB0FFB0u) << c.bits;
        } else {
            EXPECT_EQ(s.menuBackground, 0xFFFFFFu) << c.bits;
            EXPECT_EQ(s.menuHighlight, 0x800000u) << c.bits;
            EXPECT_EQ(s.menuHighlightText, 0x00FFFFu) << c.bits;
            EXPECT_FALSE(s.label1Colour.has_value()) << c.bits;
        }
    }
}

}  // namespace
}  // namespace vistrel
