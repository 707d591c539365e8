// Names of saved pictures.

#include <gtest/gtest.h>

#include "common/SaveNaming.h"

namespace vistrel {
namespace {

TEST(SaveNaming, TheChosenTypeDecidesTheExtension) {
    struct Case {
        std::u16string typed;
        int filter;
        std::u16string saved;
    };
    const Case cases[] = {
        {u"shot.jpeg", 2, u"shot.jpg"},
        {u"shot", 2, u"shot.jpg"},
        {u"shot.jpg", 1, u"shot.bmp"},
        {u"Minutes 3.5", 2, u"Minutes 3.jpg"},  // ".5" counts as the extension
        {u"C:\\pics.d\\shot", 1, u"C:\\pics.d\\shot.bmp"},  // a dot in a folder is not one
        {u"C:\\pics\\.hidden", 2, u"C:\\pics\\.jpg"},
        {u"D:shot.x", 1, u"D:shot.bmp"},
        {u"C:\\表示\\한국어 😀.txt", 2, u"C:\\表示\\한국어 😀.jpg"},
        // A title cut off inside its last character loses that half: the
        // extension must not follow a lone surrogate.
        {std::u16string(u"C:\\a\xD83D"), 2, u"C:\\a.jpg"},
        {std::u16string(u"C:\\a\xD83D\xD83D.txt"), 2, u"C:\\a.jpg"},
    };
    for (const Case& c : cases) EXPECT_EQ(ForceExtension(c.typed, SaveExtension(c.filter)), c.saved);
}

TEST(SaveNaming, SeveralPicturesAreNumberedByListPosition) {
    const std::u16string base = BaseName(u"C:\\out\\Editor.jpg");
    EXPECT_EQ(base, u"C:\\out\\Editor");
    EXPECT_EQ(NumberedName(base, 2, u".jpg"), u"C:\\out\\Editor2.jpg");
    EXPECT_EQ(NumberedName(base, 12, u".jpg"), u"C:\\out\\Editor12.jpg");
}

TEST(SaveNaming, AFolderTitleProposesItsLastComponent) {
    EXPECT_EQ(ProposedName(u"C:\\Users\\me\\Documents", true), u"Documents");
    EXPECT_EQ(ProposedName(u"C:\\Users\\me\\Documents\\", true), u"Documents");
    EXPECT_EQ(ProposedName(u"C:\\Users\\me\\Documents", false), u"C:\\Users\\me\\Documents");
    EXPECT_EQ(ProposedName(u"メモ帳 café", false), u"メモ帳 café");
}

}  // namespace
}  // namespace vistrel
