#include "common/Mbcs.h"

#include <gtest/gtest.h>

#include <string>

namespace vistrel {
namespace {

TEST(Mbcs, ShiftJisLeadBytes) {
    EXPECT_FALSE(ShiftJisLeadByte(0x80));
    EXPECT_TRUE(ShiftJisLeadByte(0x81));
    EXPECT_TRUE(ShiftJisLeadByte(0x9F));
    EXPECT_FALSE(ShiftJisLeadByte(0xA0));
    EXPECT_FALSE(ShiftJisLeadByte(0xDF));  // half-width katakana stand alone
    EXPECT_TRUE(ShiftJisLeadByte(0xE0));
    EXPECT_TRUE(ShiftJisLeadByte(0xFC));
    EXPECT_FALSE(ShiftJisLeadByte(0xFD));
    EXPECT_FALSE(ShiftJisLeadByte('\\'));
}

TEST(Mbcs, BrokenCharacters) {
    const struct {
        std::string text;
        bool cutOff;  // a lead byte ends the text
        bool broken;  // ... or one stands before a byte below 0x40
    } cases[] = {
        {"", false, false},
        {"表示", false, false},
        {"\x83\x5D", false, false},   // "]" as a trail byte is a proper one
        {"a\x81", true, true},
        {"\x81\x81", false, false},   // the second byte is the first one's trail
        {"\x81\x81\x81", true, true},
        {"\x81\n", false, true},
        {"\x81\r\x81\x40", false, true},
        {std::string("\x81\0", 2), false, true},
        {"\x81\x3F", false, true},
        {"ｱ\xDF", false, false},        // half-width katakana stand alone
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EndsInCutOffCharacter(c.text, ShiftJisLeadByte), c.cutOff) << c.text;
        EXPECT_EQ(HasBrokenCharacter(c.text, ShiftJisLeadByte), c.broken) << c.text;
    }
}

TEST(Mbcs, ExtractFolder) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"C:\\表示\\a.exe", "C:\\表示\\"},
        {"C:\\表", "C:\\"},                 // 表 ends in 0x5C
        {"C:\\ソフト\\表", "C:\\ソフト\\"},
        {"C:\\dir\\", "C:\\dir\\"},
        {"C:a.exe", "C:"},
        {"a.exe", ""},
        {"", ""},
        {"\\\\server\\share\\x.exe", "\\\\server\\share\\"},
        {"ｱｲ\\b", "ｱｲ\\"},                  // half-width katakana are single bytes
        // Windows takes '/' for a separator as well.
        {"a/b.txt", "a/"},
        {"C:/表/ソ", "C:/表/"},
        {"C:\\dir/sub\\x.exe", "C:\\dir/sub\\"},
        {"C:\\表/x", "C:\\表/"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractFolder(c.path, ShiftJisLeadByte), c.folder) << c.path;
}

TEST(Mbcs, TrailingSeparators) {
    const struct {
        const char* path;
        const char* with;
        const char* without;
    } cases[] = {
        {"C:\\表", "C:\\表\\", "C:\\表"},  // 表 ends in 0x5C
        {"C:\\dir\\", "C:\\dir\\", "C:\\dir"},
        {"C:\\dir/", "C:\\dir/", "C:\\dir"},
        {"C:\\dir\\/\\", "C:\\dir\\/\\", "C:\\dir"},
        {"C:\\ソ\\", "C:\\ソ\\", "C:\\ソ"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IncludeTrailingBackslash(c.path, ShiftJisLeadByte), c.with) << c.path;
        EXPECT_EQ(ExcludeTrailingSeparators(c.path, ShiftJisLeadByte), c.without) << c.path;
    }
}

TEST(Mbcs, JoinPath) {
    EXPECT_EQ(JoinPath("C:\\表", "list.dat", ShiftJisLeadByte), "C:\\表\\list.dat");
    EXPECT_EQ(JoinPath("C:\\data\\", "list.dat", ShiftJisLeadByte), "C:\\data\\list.dat");
}

TEST(Mbcs, ExtractFileName) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\Windows\\explorer.exe", "explorer.exe"},
        {"C:\\ソフト\\表", "表"},  // 表 ends in 0x5C
        {"C:a.exe", "a.exe"},
        {"a.exe", "a.exe"},
        {"C:\\dir\\", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractFileName(c.path, ShiftJisLeadByte), c.name) << c.path;
}

TEST(Mbcs, CutToBytesKeepsWholeCharacters) {
    const struct {
        std::string text;
        size_t maxBytes;
        std::string cut;
    } cases[] = {
        {"abc", 5, "abc"},
        {"abc", 2, "ab"},
        {"abc", 0, ""},
        {"a表b", 3, "a表"},
        {"a表b", 2, "a"},  // not half of 表
        {"表表", 3, "表"},
        {"ｱｲｳ", 2, "ｱｲ"},  // half-width katakana are single bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutToBytes(c.text, c.maxBytes, ShiftJisLeadByte), c.cut) << c.text << " to " << c.maxBytes;
}

TEST(Mbcs, CutOffCharacterIsNotReadPast) {
    const std::string cut("a\\\x95", 3);  // a lead byte without its trail
    EXPECT_EQ(FindChar(cut, '\\', ShiftJisLeadByte), 1u);
    EXPECT_EQ(FindLastOf(cut, "\\", ShiftJisLeadByte), 1u);
    EXPECT_EQ(FindChar("\x95", '|', ShiftJisLeadByte), std::string::npos);
}

}  // namespace
}  // namespace vistrel
