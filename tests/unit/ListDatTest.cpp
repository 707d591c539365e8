#include "exclusion/ListDat.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using Lines = std::vector<std::string>;

TEST(ListDat, Parse) {
    using namespace std::string_view_literals;
    const struct {
        const char* what;
        std::string_view bytes;
        Lines lines;
    } cases[] = {
        {"empty file", ""sv, {}},
        {"one line, no ending", "a.exe"sv, {"a.exe"}},
        {"CR LF", "a\r\nb\r\n"sv, {"a", "b"}},
        {"LF", "a\nb\n"sv, {"a", "b"}},
        {"CR", "a\rb\r"sv, {"a", "b"}},
        {"mixed, last without ending", "a\r\nb\nc\rd"sv, {"a", "b", "c", "d"}},
        {"empty lines kept", "a\r\n\r\nb\r\n"sv, {"a", "", "b"}},
        {"a lone line end is one empty line", "\r\n"sv, {""}},
        {"LF CR is two line ends", "\n\r"sv, {"", ""}},
        {"CR CR LF", "\r\r\n"sv, {"", ""}},
        {"no trimming", " a.exe \t\r\n"sv, {" a.exe \t"}},
        {"NUL is content", "a\0b\r\n"sv, {std::string("a\0b", 3)}},
        // "表" and "ソ" end in 0x5C, "ポ" in 0x7C: bytes, not separators.
        {"Shift-JIS path", "C:\\表示\\ソポ.exe\r\nC:\\x.exe"sv, {"C:\\表示\\ソポ.exe", "C:\\x.exe"}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseListDat(c.bytes), c.lines) << c.what;
}

TEST(ListDat, FormatEndsEveryLineWithCrLf) {
    EXPECT_EQ(FormatListDat({}), "");
    EXPECT_EQ(FormatListDat({""}), "\r\n");
    EXPECT_EQ(FormatListDat({"C:\\a.exe", "", "C:\\表\\b.exe"}), "C:\\a.exe\r\n\r\nC:\\表\\b.exe\r\n");
}

TEST(ListDat, RoundTrip) {
    const Lines tables[] = {
        {},
        {""},
        {"", ""},
        {"C:\\Program Files\\App\\app.exe"},
        {"c:\\a.exe", "C:\\A.EXE", "", "D:\\ツール\\表示.exe"},
    };
    for (const Lines& lines : tables) EXPECT_EQ(ParseListDat(FormatListDat(lines)), lines);
}

}  // namespace
}  // namespace vistrel
