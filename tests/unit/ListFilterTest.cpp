#include "catalogue/ListFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vistrel {
namespace {

using testing::PrintToString;

TEST(ListFilter, Matches) {
    const struct {
        const char16_t* filter;
        const char16_t* title;
        const char16_t* path;
        bool shown;
    } cases[] = {
        {u"", u"anything", u"", true},
        // Case and accents, precomposed or not, in every script.
        {u"CAFE", u"Café au lait", u"", true},
        {u"CAFE", u"Cafe\u0301 au lait", u"", true},
        {u"ΕΛΛΆΔΑ", u"ελλάδα", u"", true},
        {u"𐐀", u"x𐐨", u"", true},  // a case pair beyond the BMP
        // Width and kana type.
        {u"notepad", u"ＮＯＴＥＰＡＤ", u"", true},
        {u"めも", u"無題 - メモ帳", u"", true},
        {u"ﾒﾓ", u"無題 - メモ帳", u"", true},
        // Voicing is no accent: a voiced kana in any form is that kana.
        {u"ｶﾞ", u"ガイド", u"", true},
        {u"が", u"ｶﾞｲﾄﾞ", u"", true},
        {u"ぱ", u"ハ゜ス", u"", true},
        {u"か", u"が", u"", false},
        {u"か", u"か\u3099", u"", false},
        // Invisible characters, in the title or typed.
        {u"microsoft edge", u"News - Microsoft\u200B Edge", u"", true},
        {u"ab", u"a\u00ADb\uFE0F", u"", true},
        // Romaji read as kana.
        {u"memo", u"無題 - メモ帳", u"", true},
        {u"kyoutsuu", u"キョウツウ", u"", true},
        {u"kyotsu", u"キョウツウ", u"", false},  // long vowels as typed
        {u"shinbun", u"シンブン", u"", true},
        {u"shimbun", u"シンブン", u"", true},
        {u"matcha", u"マッチャ", u"", true},
        {u"gakkou", u"ガッコウ", u"", true},
        {u"chi-zu", u"チーズ", u"", true},
        {u"kanji", u"かんじ", u"", true},
        {u"kan'i", u"カンイ", u"", true},
        {u"kan'i", u"カニ", u"", false},
        {u"memo 2", u"メモ 2", u"", true},
        // Letters still being typed: the next kana may start with them.
        {u"mem", u"無題 - メモ帳", u"", true},
        {u"ky", u"キョウ", u"", true},
        {u"kan", u"カナ", u"", true},
        {u"kan", u"カメ", u"", false},
        {u"gak", u"ガッコウ", u"", true},  // k may be the first of kk
        // Kanji are found by themselves, never by a reading.
        {u"memochou", u"無題 - メモ帳", u"", false},
        {u"kanji", u"漢字", u"", false},
        {u"漢字", u"漢字の練習", u"", true},
        // The program's file name, the last component of its path.
        {u"notepad", u"無題 - メモ帳", u"C:\\Windows\\notepad.exe", true},
        {u"windows", u"無題", u"C:\\Windows\\notepad.exe", false},
        {u"メモ", u"x", u"D:\\アプリ\\めも.exe", true},
        {u"アプリ", u"x", u"D:/アプリ/めも.exe", false},
        // Unpaired surrogates are kept as they are, and read safely.
        {u"a", u"\xDC00" u"a\xD800", u"", true},
        {u"b", u"\xD800", u"\xDC00", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchesFilter(c.filter, c.title, c.path), c.shown)
            << PrintToString(c.filter) << " in " << PrintToString(c.title) << " / " << PrintToString(c.path);
    }
}

// Keys as they reach the list: the code units of WM_CHAR, Backspace and Escape.
constexpr int kBack = -1;
constexpr int kEscape = -2;
constexpr int kHigh = 0xD83D, kLow = 0xDE00;  // U+1F600

TEST(ListFilter, Typing) {
    const struct {
        std::vector<int> keys;
        std::u16string text;
        bool lastChanged;  // what the last key answered
    } cases[] = {
        {{'a', 'B'}, u"aB", true},
        {{u'メ', u'モ'}, u"メモ", true},
        {{kHigh, kLow}, u"😀", true},
        // A high surrogate waits for its low one, out of the text.
        {{'a', kHigh}, u"a", false},
        {{kHigh, 'x'}, u"x", true},
        {{kHigh, '\r', kLow}, u"", false},
        {{kLow}, u"", false},
        // Control characters are no text.
        {{0x08, 0x1B, 0x01, 0x7F, '\t'}, u"", false},
        // Backspace takes whole characters.
        {{'a', kHigh, kLow, kBack}, u"a", true},
        {{'a', kHigh, kBack}, u"", true},  // the waiting high surrogate and the 'a'
        {{kHigh, kBack, kLow}, u"", false},
        {{'a', kHigh, kLow, kEscape}, u"", true},
        {{kEscape}, u"", false},
    };
    for (const auto& c : cases) {
        ListFilter filter;
        bool changed = false;
        for (int key : c.keys) {
            if (key == kBack)
                changed = filter.RemoveLast();
            else if (key == kEscape)
                changed = filter.Clear();
            else
                changed = filter.Append(static_cast<char16_t>(key));
        }
        EXPECT_EQ(filter.Text(), c.text);
        EXPECT_EQ(filter.Empty(), c.text.empty()) << PrintToString(c.text);
        EXPECT_EQ(changed, c.lastChanged) << PrintToString(c.text);
    }
}

// The typed text is made ready for matching again at every change.
TEST(ListFilter, MatchesFollowTheTypedText) {
    ListFilter filter;
    for (char16_t key : std::u16string(u"memo")) filter.Append(key);
    EXPECT_TRUE(filter.Matches(u"無題 - メモ帳", u""));
    EXPECT_FALSE(filter.Matches(u"Paint", u""));
    filter.Clear();
    EXPECT_TRUE(filter.Matches(u"Paint", u""));
}

TEST(ListFilter, StatusTextShowsTheWholeFilterAndTheCount) {
    EXPECT_EQ(FilterStatusText(u"aメモ😀", 12), u"検索: aメモ😀 (12)");
}

}  // namespace
}  // namespace vistrel
