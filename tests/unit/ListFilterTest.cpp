#include "catalogue/ListFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vistrel {
namespace {

// Bytes of the characters below in code page 932, which the literals become:
// ア 83 41 ('A' as trail), ヂ 83 61 ('a' as trail), ャ 83 83 (a lead byte as
// trail), 表 95 5C and ソ 83 5C ('\' as trail), ポ 83 7C ('|' as trail).

TEST(ListFilter, Matches) {
    const struct {
        const char* filter;
        const char* title;
        const char* path;
        bool shown;
    } cases[] = {
        {"", "anything", "", true},
        // ASCII letters fold; nothing else does.
        {"notepad", "NotePad", "", true},
        {"ＡＢ", "ａｂ", "", false},  // full-width letters stay as they are
        {"ｱ", "ｱｲｳ", "", true},     // half-width katakana are single bytes
        // A match never starts on a trail byte.
        {"\\", "表示", "", false},
        {"\\", "a\\b", "", true},
        {"|", "ポート", "", false},
        {"a", "アプリ", "", false},
        {"ア", "ヂ", "", false},      // the trail bytes differ only in ASCII case
        {"ア", "ャア", "", true},
        {"ア", "ャA", "", false},     // 83 41 appears, from the trail of ャ on
        {"a", "a\x95", "", true},         // a title cut off in its last character
        {"表", "x\x95", "", false},
        // The program's file name, the last component of its path.
        {"notepad", "無題 - メモ帳", "C:\\Windows\\notepad.exe", true},
        {"EXE", "無題", "C:\\Windows\\notepad.exe", true},
        {"windows", "無題", "C:\\Windows\\notepad.exe", false},
        {"ソ", "x", "C:\\ソフト\\ソ", true},   // ソ ends in 0x5C: still the name
        {"表", "x", "C:\\表\\a.exe", false},
        {"表", "x", "D:\\アプリ\\表.exe", true},
        {"x", "無題", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesFilter(c.filter, c.title, c.path, ShiftJisLeadByte), c.shown)
            << "filter '" << c.filter << "' title '" << c.title << "' path '" << c.path << "'";
}

// Keys as they reach the list: bytes of WM_CHAR, WM_IME_CHAR codes,
// Backspace and Escape.
struct Key {
    enum { Byte, Ime, Back, Escape } kind;
    unsigned int code = 0;
};

Key B(unsigned int byte) { return {Key::Byte, byte}; }
Key I(unsigned int code) { return {Key::Ime, code}; }
const Key kBack{Key::Back};
const Key kEscape{Key::Escape};

TEST(ListFilter, Typing) {
    const struct {
        std::vector<Key> keys;
        std::string text;
        bool lastChanged;  // what the last key answered
    } cases[] = {
        {{B('a'), B('B')}, "aB", true},
        {{B(0x95), B(0x5C)}, "表", true},
        {{B(0x83), B(0x83)}, "ャ", true},        // a lead byte is a trail byte here
        {{B(0x83), B(0x83), B(0x83)}, "ャ", false},
        // A lead byte waits for its trail, out of the text.
        {{B('a'), B(0x95)}, "a", false},
        {{B(0x95), B('1')}, "1", true},          // '1' is no trail: the lead goes
        {{B(0x95), B('\r')}, "", false},
        {{B(0x95), I(0x835C)}, "ソ", true},
        // Control characters are no text.
        {{B(0x08), B(0x1B), B(0x01), B(0x7F), B('\t')}, "", false},
        // WM_IME_CHAR carries both bytes.
        {{I(0x955C), I(0x8341)}, "表ア", true},
        {{I(0x4141)}, "", false},                // no lead byte
        {{I(0x9530)}, "", false},                // no trail byte
        {{I(0x95)}, "", false},                  // a lead byte alone waits...
        {{I(0x95), B(0x5C)}, "表", true},        // ...for the next WM_CHAR
        // Backspace takes whole characters.
        {{B('a'), I(0x955C), kBack}, "a", true},
        {{I(0x8383), I(0x8383), kBack}, "ャ", true},
        {{I(0x955C), B('\\'), kBack}, "表", true},
        {{B('a'), B(0x95), kBack}, "", true},    // the waiting lead and the 'a'
        {{B(0x95), kBack, B(0x5C)}, "\\", true},  // the lead did not outlive it
        {{B('a'), I(0x955C), kEscape}, "", true},
        {{B(0x95), kEscape, B(0x5C)}, "\\", true},
        {{kEscape}, "", false},
    };
    for (const auto& c : cases) {
        ListFilter filter(ShiftJisLeadByte);
        bool changed = false;
        for (const Key& key : c.keys) {
            switch (key.kind) {
            case Key::Byte: changed = filter.AppendByte(static_cast<unsigned char>(key.code)); break;
            case Key::Ime: changed = filter.AppendImeChar(key.code); break;
            case Key::Back: changed = filter.RemoveLast(); break;
            case Key::Escape: changed = filter.Clear(); break;
            }
            EXPECT_FALSE(HasBrokenCharacter(filter.Text(), ShiftJisLeadByte)) << c.text;
        }
        EXPECT_EQ(filter.Text(), c.text);
        EXPECT_EQ(filter.Empty(), c.text.empty()) << c.text;
        EXPECT_EQ(changed, c.lastChanged) << c.text;
    }
}

TEST(ListFilter, StatusTextShowsTheWholeFilterAndTheCount) {
    ListFilter filter(ShiftJisLeadByte);
    for (unsigned char byte : std::string("a表")) filter.AppendByte(byte);
    EXPECT_EQ(FilterStatusText(filter.Text(), 12), "検索: a表 (12)");
}

}  // namespace
}  // namespace vistrel
