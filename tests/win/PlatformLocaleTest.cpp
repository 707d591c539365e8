// Text comparison in the ANSI code page.

#include "platform/Locale.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace vistrel::platform {
namespace {

TEST(PlatformLocale, CaseInsensitiveEquality) {
    const struct {
        std::string a;
        std::string b;
        bool equal;
    } cases[] = {
        {"C:\\Program Files\\Tool.exe", "c:\\PROGRAM FILES\\tool.EXE", true},
        {"C:\\a.exe", "C:\\a.exe ", false},
        {"C:\\a.exe", "C:\\b.exe", false},
        {"", "", true},  // the unreadable path matches the empty line
        {"", "C:\\a.exe", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a + " | " + c.b);
        EXPECT_EQ(c.equal, EqualIgnoreCaseUser(c.a, c.b));
        EXPECT_EQ(c.equal, EqualIgnoreCaseLstr(c.a, c.b));
    }
}

TEST(PlatformLocale, ShiftJisSecondBytesAreNotFoldedAsLetters) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    // "ア" is 83 41 and "ヂ" is 83 61: a byte-wise comparison that folds
    // letters would take 0x41 and 0x61 for "A" and "a".
    const std::string a = "ア.exe";
    const std::string b = "ヂ.exe";
    ASSERT_EQ(a.substr(2), b.substr(2));
    EXPECT_FALSE(EqualIgnoreCaseUser(a, b));
    EXPECT_FALSE(EqualIgnoreCaseLstr(a, b));
    EXPECT_TRUE(EqualIgnoreCaseUser("ア.EXE", a));
    EXPECT_TRUE(IsLeadByte(0x83));
    EXPECT_TRUE(IsLeadByte(0x95));
    EXPECT_FALSE(IsLeadByte('A'));
    EXPECT_FALSE(IsLeadByte(0xA6));  // a half-width katakana is one byte
}

TEST(PlatformLocale, LstrcmpIsAWordSortNotAByteOrder) {
    const struct {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"a", "B", -1},  // byte order would put "B" (0x42) first
        {"B", "a", 1},
        {"abc", "abc", 0},
        {"abc", "abd", -1},
        {"", "a", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " | " + c.b);
        const int result = CompareLstr(c.a, c.b);
        EXPECT_EQ(c.sign, (result > 0) - (result < 0));
    }
}

}  // namespace
}  // namespace vistrel::platform
