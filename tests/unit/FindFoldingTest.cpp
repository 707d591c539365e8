#include "catalogue/FindFolding.h"

#include <gtest/gtest.h>

#include <string>

namespace vistrel {
namespace {

using testing::PrintToString;

TEST(FindFolding, FoldsWhatAFindIgnores) {
    const struct {
        std::u16string text;
        std::u32string folded;
    } cases[] = {
        // Case: simple case folding, in every script that has case.
        {u"ÀÉÎÕÜ Ǻ İ ẞ ſ K Ω ǅ", U"aeiou a i ß s k ω ǆ"},
        {u"ΣΑΣ ς Ά ЁЖ Ա Ⴀ", U"σασ σ α еж ա ⴀ"},
        {u"Ⅻ Ⓐ 𐐀", U"ⅻ ⓐ 𐐨"},
        // Width: full-width ASCII and every space; half-width kana grow.
        {u"ＡＢ１！\u3000\u00A0x", U"ab1!  x"},
        {u"ｧｰｶﾞﾊﾟ･", U"ぁーがぱ・"},
        // Katakana become hiragana; ヷ-ヺ have none and stay.
        {u"アヽヾヴヵヶ", U"あゝゞゔゕゖ"},
        {u"ヷわ\u3099ワ゛ﾜﾞ", U"ヷヷヷヷ"},
        // Voicing marks join only a kana that takes them.
        {u"は\u309Aは゜ﾊﾟ", U"ぱぱぱ"},
        {u"が\u3099 \u3099a ア\u309A", U"が\u3099 \u3099a あ\u309A"},
        // Accents and invisible characters go; the marks of other scripts stay.
        {u"e\u0301\u0308 a\u200B\u00AD\uFE0F\u202E\u2066b\U000E0041 \uFEFF", U"e ab "},
        {u"क\u093C", U"क\u093C"},
    };
    for (const auto& c : cases) EXPECT_EQ(FoldForFind(c.text), c.folded) << PrintToString(c.text);
}

TEST(FindFolding, KeepsUnpairedSurrogates) {
    const std::u16string text{0xDC00, u'A', 0xD800};
    EXPECT_EQ(FoldForFind(text), (std::u32string{0xDC00, U'a', 0xD800}));
}

TEST(FindFolding, BufferTakesTextsOfAnyLength) {
    FoldBuffer buffer;
    EXPECT_EQ(buffer.Fold(std::u16string(600, u'Ａ')), std::u32string(600, U'a'));
    EXPECT_EQ(buffer.Fold(u"ｶﾞ"), U"が");
}

}  // namespace
}  // namespace vistrel
