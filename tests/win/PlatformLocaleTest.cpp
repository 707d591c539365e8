// Other programs' texts: compared in UTF-16, and turned into the ANSI code
// page only where a stored file needs them.

#include "platform/Locale.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/Text.h"

namespace vistrel::platform {
namespace {

TEST(PlatformLocale, CaseInsensitiveEquality) {
    const struct {
        std::u16string a;
        std::u16string b;
        bool equal;
    } cases[] = {
        {u"C:\\Program Files\\Tool.exe", u"c:\\PROGRAM FILES\\tool.EXE", true},
        {u"C:\\a.exe", u"C:\\a.exe ", false},
        {u"C:\\a.exe", u"C:\\b.exe", false},
        {u"", u"", true},  // the unreadable path matches the empty line
        {u"", u"C:\\a.exe", false},
        {u"C:\\Ελλάδα\\한.exe", u"c:\\ΕΛΛΆΔΑ\\한.EXE", true},
        {u"C:\\ア.exe", u"C:\\ヂ.exe", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.a) + " | " + Narrow(c.b));
        EXPECT_EQ(c.equal, EqualIgnoreCaseUser(c.a, c.b));
        EXPECT_EQ(c.equal, EqualIgnoreCaseLstr(c.a, c.b));
    }
    EXPECT_TRUE(IsLeadByte(0x83));
    EXPECT_FALSE(IsLeadByte('A'));
}

// Titles the code page holds sort as they did when they were compared in it.
TEST(PlatformLocale, LstrcmpIsAWordSortInTheOrderOfTheCodePage) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    const char* const titles[] = {"a", "B", "abc", "abd", "", "メモ帳", "めも", "表示", "ＡＢ", "ｱｲｳ", "Zeta 2", "zeta 10"};
    for (const char* a : titles)
        for (const char* b : titles) {
            SCOPED_TRACE(std::string(a) + " | " + b);
            const int ansi = lstrcmpA(a, b);
            const int wide = CompareLstr(Widen(a), Widen(b));
            EXPECT_EQ((ansi > 0) - (ansi < 0), (wide > 0) - (wide < 0));
        }
}

TEST(PlatformText, TheCodePageFormIsExactOrNone) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    EXPECT_EQ(Widen("表示テスト α"), u"表示テスト α");
    EXPECT_EQ(NarrowExactly(u"C:\\表示\\ｱ.exe"), std::optional<std::string>("C:\\表示\\ｱ.exe"));
    EXPECT_EQ(NarrowExactly(u""), std::optional<std::string>(""));
    for (const std::u16string lacking : {u"C:\\한\\a.exe", u"café", u"😀", u"Microsoft\u200B Edge"})
        EXPECT_FALSE(NarrowExactly(lacking)) << Narrow(lacking);
    // What an ANSI program was given: a character the code page lacks is
    // never dropped, so a section name keeps its length.
    EXPECT_EQ(Narrow(u"a한b").size(), 3u);
}

}  // namespace
}  // namespace vistrel::platform
