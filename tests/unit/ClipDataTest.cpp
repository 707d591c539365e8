// Clipping sets: compaction, regions, the switch, the text in trm.ini and
// the section a title is stored under.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "clipping/ClipData.h"

namespace vistrel {
namespace {

ClipSet SetOf(std::initializer_list<ClipRect> rects) {
    ClipSet set{};
    size_t i = 0;
    for (const ClipRect& r : rects) set[i++] = r;
    return set;
}

bool Same(const ClipSet& a, const ClipSet& b) { return EncodeClipText(a) == EncodeClipText(b); }

TEST(ClipData, CompactionKeepsWideRectanglesInOrder) {
    ClipSet set = SetOf({{1, 1, 7, 50}, {10, 10, 40, 5}, {0, 0, 0, 0}, {-5, 3, 8, 8}, {2, 2, -20, 9}});
    Compact(set);
    // Width alone decides: 40 x 5 stays, 7 wide and negative widths go.
    EXPECT_TRUE(Same(set, SetOf({{10, 10, 40, 5}, {-5, 3, 8, 8}})));
    EXPECT_EQ(RegionsOf(set), 2);
}

TEST(ClipData, RegionsCountEverySlotAndTheTotalOnlyAutomaticEntries) {
    const ClipSet gap = SetOf({{0, 0, 20, 20}, {0, 0, 0, 0}, {0, 0, 30, 30}});
    EXPECT_EQ(RegionsOf(gap), 2);
    const ClipSet one = SetOf({{0, 0, 20, 20}});
    EXPECT_EQ(RegionTotal({{true, &gap}, {false, &one}, {true, nullptr}, {true, &one}}), 3);
}

TEST(ClipData, SwitchCyclesThroughTheRegions) {
    EXPECT_EQ(NextClipIndex(0, 3), 1);
    EXPECT_EQ(NextClipIndex(2, 3), 0);
    EXPECT_EQ(NextClipIndex(0, 1), 0);
    EXPECT_EQ(NextClipIndex(7, 3), 0);   // a slot that is no region any more
    EXPECT_EQ(NextClipIndex(-4, 3), 0);
}

TEST(ClipData, TextIsThreeHundredTwentyUpperCaseDigits) {
    const ClipSet set = SetOf({{8, 40, 200, 120}});
    EXPECT_EQ(EncodeClipText(set), "0800000028000000C800000078000000" + std::string(288, '0'));
    const ClipSet extremes = SetOf({{INT_MIN, INT_MAX, -1, 0}, {-8, 1, 2, 3}});
    ClipSet back{};
    ASSERT_TRUE(DecodeClipText(EncodeClipText(extremes), back));
    EXPECT_TRUE(Same(back, extremes));
}

TEST(ClipData, TextTheProgramDidNotWrite) {
    const ClipSet before = SetOf({{1, 2, 30, 40}, {5, 6, 70, 80}});
    struct Case {
        const char* name;
        std::string text;
        bool readable;
        ClipSet expected;
    };
    const Case cases[] = {
        {"lower case", "0800000028000000c800000078000000", true, SetOf({{8, 40, 200, 120}, {5, 6, 70, 80}})},
        {"short: the rest stays", "09", true, SetOf({{9, 2, 30, 40}, {5, 6, 70, 80}})},
        {"odd: the lone digit is no byte", "090", true, SetOf({{9, 2, 30, 40}, {5, 6, 70, 80}})},
        {"empty", "", true, before},
        {"a stranger character", "08000000G8", false, before},
        {"a space", "0800 000", false, before},
        {"huge: only 160 bytes", std::string(100000, 'F'), true,
         SetOf({{-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1},
                {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}})},
        {"garbage after the 320th digit is ignored", EncodeClipText(SetOf({{3, 3, 30, 30}})) + "xyz", true,
         SetOf({{3, 3, 30, 30}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClipSet set = before;
        EXPECT_EQ(DecodeClipText(c.text, set), c.readable);
        EXPECT_TRUE(Same(set, c.expected)) << EncodeClipText(set).substr(0, 64);
    }
}

TEST(ClipData, EveryTitleHasASectionOfItsOwn) {
    const auto name = [](const std::string& title) { return ClipSectionName(title, ShiftJisLeadByte); };
    EXPECT_EQ(name("メモ帳 - 無題"), "メモ帳 - 無題");
    EXPECT_EQ(name("a = b"), "a = b");
    // "ﾝ" and many kanji have a trail byte that reads as ']' on its own.
    EXPECT_EQ(name("\x83\x5D"), "\x83\x5D");
    const std::string awkward[] = {"a]b", "line\nbreak", ";comment", "[bracket", " padded", "padded ",
                                   "~vistrel~41", std::string(300, 'x'),
                                   // a cut-off last character would swallow the closing "]";
                                   // a lead byte hides a line end or a "]" from a byte search
                                   "cut\x95", "a\x81\nb", "a\x81\rb"};
    for (const std::string& title : awkward) {
        const std::string section = name(title);
        EXPECT_NE(section, title);
        EXPECT_EQ(section, name(title)) << "the same every time";
        EXPECT_EQ(section.find_first_of("]\r\n;["), std::string::npos) << section;
        for (const std::string& other : awkward) {
            if (other != title) {
                EXPECT_NE(section, name(other));
            }
        }
    }
}

}  // namespace
}  // namespace vistrel
