#include "exclusion/ListDat.h"

#include <gtest/gtest.h>

#include "Latin1CodePage.h"

namespace vistrel {
namespace {

using Lines = std::vector<std::u16string>;
using test::Latin1Decode;
using test::Latin1Encode;

TEST(ListDat, Parse) {
    using namespace std::string_view_literals;
    const struct {
        const char* what;
        std::string_view bytes;
        Lines lines;
    } cases[] = {
        {"empty file", ""sv, {}},
        {"one line, no ending", "a.exe"sv, {u"a.exe"}},
        {"CR LF", "a\r\nb\r\n"sv, {u"a", u"b"}},
        {"LF", "a\nb\n"sv, {u"a", u"b"}},
        {"CR", "a\rb\r"sv, {u"a", u"b"}},
        {"mixed, last without ending", "a\r\nb\nc\rd"sv, {u"a", u"b", u"c", u"d"}},
        {"empty lines kept", "a\r\n\r\nb\r\n"sv, {u"a", u"", u"b"}},
        {"a lone line end is one empty line", "\r\n"sv, {u""}},
        {"LF CR is two line ends", "\n\r"sv, {u"", u""}},
        {"CR CR LF", "\r\r\n"sv, {u"", u""}},
        {"no trimming", " a.exe \t\r\n"sv, {u" a.exe \t"}},
        {"NUL is content", "a\0b\r\n"sv, {std::u16string(u"a\0b", 3)}},
        {"the code page's bytes", "C:\\caf\xE9.exe\r\n"sv, {u"C:\\café.exe"}},
        // With the mark the bytes are UTF-8, whatever the code page.
        {"UTF-8", "\xEF\xBB\xBF" "C:\\\xED\x95\x9C\\a.exe\r\nC:\\\xF0\x9F\x98\x80.exe"sv, {u"C:\\한\\a.exe", u"C:\\😀.exe"}},
        {"UTF-8, only the mark", "\xEF\xBB\xBF"sv, {}},
        {"damaged UTF-8 reads as replacement characters", "\xEF\xBB\xBF" "a\xC3\r\n\xC0\xAF"sv,
         {u"a\uFFFD", u"\uFFFD\uFFFD"}},
        {"a lone surrogate of a file name", "\xEF\xBB\xBF" "C:\\\xED\xA0\x80.exe"sv, {u"C:\\\xD800.exe"}},
        {"a mark not at the start is content", "a\r\n\xEF\xBB\xBF"sv, {u"a", u"\u00EF\u00BB\u00BF"}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseListDat(c.bytes, Latin1Decode), c.lines) << c.what;
}

TEST(ListDat, FormatKeepsTheCodePageWhileEveryPathFitsIt) {
    EXPECT_EQ(FormatListDat({}, Latin1Encode), "");
    EXPECT_EQ(FormatListDat({u""}, Latin1Encode), "\r\n");
    EXPECT_EQ(FormatListDat({u"C:\\a.exe", u"", u"C:\\café.exe"}, Latin1Encode),
              "C:\\a.exe\r\n\r\nC:\\caf\xE9.exe\r\n");
    // One path the code page cannot hold makes the whole file UTF-8.
    EXPECT_EQ(FormatListDat({u"C:\\café.exe", u"C:\\한\\a.exe"}, Latin1Encode),
              "\xEF\xBB\xBF" "C:\\caf\xC3\xA9.exe\r\nC:\\\xED\x95\x9C\\a.exe\r\n");
}

TEST(ListDat, RoundTrip) {
    const Lines tables[] = {
        {},
        {u""},
        {u"", u""},
        {u"C:\\Program Files\\App\\app.exe"},
        {u"c:\\a.exe", u"C:\\A.EXE", u"", u"D:\\café\\ÿ.exe"},
        {u"C:\\probe-uni café 한국어 😀 Ελλάδα\\app.exe", u"", u"C:\\a.exe"},
        {u"C:\\a\xDC00" u"b\\c.exe", u"C:\\한.exe"},  // NTFS takes a lone surrogate in a name
    };
    for (const Lines& lines : tables)
        EXPECT_EQ(ParseListDat(FormatListDat(lines, Latin1Encode), Latin1Decode), lines);
}

// A code page that reads some bytes loosely (as Shift-JIS reads a damaged
// pair, or a character that has two codes) must not change the file.
TEST(ListDat, LinesOfTheCodePageAreWrittenBackAsTheFileHeldThem) {
    const auto loose = [](std::string_view bytes) {
        std::u16string text = Latin1Decode(bytes);
        for (char16_t& unit : text)
            if (unit >= 0x80 && unit < 0xA0) unit = u'?';
        return text;
    };
    const std::string file = "C:\\\x81\x9F.exe\r\nC:\\a.exe\r\n";
    StoredLines stored;
    Lines lines = ParseListDat(file, loose, &stored);
    EXPECT_EQ(lines, (Lines{u"C:\\??.exe", u"C:\\a.exe"}));
    EXPECT_EQ(FormatListDat(lines, Latin1Encode, &stored), file);
    lines.push_back(u"C:\\café.exe");
    EXPECT_EQ(FormatListDat(lines, Latin1Encode, &stored), file + "C:\\caf\xE9.exe\r\n");
}

}  // namespace
}  // namespace vistrel
