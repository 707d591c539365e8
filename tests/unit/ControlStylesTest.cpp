// The styles the track bar and the number edit choose for their controls.
#include <gtest/gtest.h>

#include "controls/ControlStyles.h"

namespace vistrel {
namespace {

TEST(ControlStyles, TrackBarSelectionBoxFollowsTheBarStyle) {
    const struct {
        uint32_t style;
        TBarStyle barStyle;
        uint32_t result;
    } cases[] = {
        {0x50010021, styLine, 0x50010001}, {0x50010001, styLine, 0x50010001},
        {0x50010001, styBox, 0x50010021},  {0x50010021, styBox, 0x50010021},
    };
    for (const auto& c : cases) EXPECT_EQ(TrackBarStyle(c.style, c.barStyle), c.result) << c.style;
}

TEST(ControlStyles, NumberEditTakesItsAlignmentAndDigitsOnly) {
    const struct {
        uint32_t base;
        ALIGNMENT alignment;
        bool numberOnly;
        uint32_t result;
    } cases[] = {
        {0x50010080, etLeftJustify, false, 0x50010080}, {0x50010080, etCenter, false, 0x50010081},
        {0x50010080, etRightJustify, false, 0x50010082}, {0x50010080, etRightJustify, true, 0x50012082},
        {0x50010882, etLeftJustify, true, 0x50012880},  // read-only (0x800) stays
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberEditStyle(c.base, c.alignment, c.numberOnly), c.result) << c.alignment;
}

}  // namespace
}  // namespace vistrel
