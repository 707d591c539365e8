// Names of saved pictures.

#include <gtest/gtest.h>

#include "common/SaveNaming.h"

namespace vistrel {
namespace {

// "表" in Shift-JIS is 0x95 0x5C: its trail byte is a backslash.
constexpr LeadBytePredicate ShiftJisLead = ShiftJisLeadByte;

TEST(SaveNaming, TheChosenTypeDecidesTheExtension) {
    struct Case {
        std::string typed;
        int filter;
        std::string saved;
    };
    const Case cases[] = {
        {"shot.jpeg", 2, "shot.jpg"},
        {"shot", 2, "shot.jpg"},
        {"shot.jpg", 1, "shot.bmp"},
        {"Minutes 3.5", 2, "Minutes 3.jpg"},  // ".5" counts as the extension
        {"C:\\pics.d\\shot", 1, "C:\\pics.d\\shot.bmp"},  // a dot in a folder is not one
        {"C:\\pics\\.hidden", 2, "C:\\pics\\.jpg"},
        {"D:shot.x", 1, "D:shot.bmp"},
        {"\x95\x5C.txt", 2, "\x95\x5C.jpg"},  // the trail byte is no separator
        {"a\x95\x5C" "b", 1, "a\x95\x5C" "b.bmp"},
        // A title cut off inside its last character loses that byte: it would
        // take the dot for its second one.
        {"C:\\\x95\x5C\x8E", 2, "C:\\\x95\x5C.jpg"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ForceExtension(c.typed, SaveExtension(c.filter), ShiftJisLead), c.saved) << c.typed;
}

TEST(SaveNaming, SeveralPicturesAreNumberedByListPosition) {
    const std::string base = BaseName("C:\\out\\Editor.jpg", ShiftJisLead);
    EXPECT_EQ(base, "C:\\out\\Editor");
    EXPECT_EQ(NumberedName(base, 2, ".jpg"), "C:\\out\\Editor2.jpg");
    EXPECT_EQ(NumberedName(base, 5, ".jpg"), "C:\\out\\Editor5.jpg");
    EXPECT_EQ(NumberedName(base, 9, ".jpg"), "C:\\out\\Editor9.jpg");
    EXPECT_EQ(NumberedName(BaseName("Editor\x95", ShiftJisLead), 3, ".bmp"), "Editor3.bmp");
}

TEST(SaveNaming, AFolderTitleProposesItsLastComponent) {
    EXPECT_EQ(ProposedName("C:\\Users\\me\\Documents", true, ShiftJisLead), "Documents");
    EXPECT_EQ(ProposedName("C:\\Users\\me\\Documents\\", true, ShiftJisLead), "Documents");
    EXPECT_EQ(ProposedName("C:\\Users\\me\\Documents", false, ShiftJisLead), "C:\\Users\\me\\Documents");
    EXPECT_EQ(ProposedName("メモ帳", false, ShiftJisLead), "メモ帳");
}

}  // namespace
}  // namespace vistrel
