#include "toolkit/Mbcs.h"

#include <gtest/gtest.h>

namespace vistrel::tk {
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
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractFolder(c.path, ShiftJisLeadByte), c.folder) << c.path;
}

TEST(Mbcs, TrailingBackslashAndJoin) {
    EXPECT_EQ(IncludeTrailingBackslash("C:\\表", ShiftJisLeadByte), "C:\\表\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\dir\\", ShiftJisLeadByte), "C:\\dir\\");
    EXPECT_EQ(IncludeTrailingBackslash("", ShiftJisLeadByte), "");
    EXPECT_EQ(JoinPath("C:\\表", "list.dat", ShiftJisLeadByte), "C:\\表\\list.dat");
    EXPECT_EQ(JoinPath("C:\\data\\", "list.dat", ShiftJisLeadByte), "C:\\data\\list.dat");
}

TEST(Mbcs, CutOffCharacterIsNotReadPast) {
    const std::string cut("a\\\x95", 3);  // a lead byte without its trail
    EXPECT_EQ(FindChar(cut, '\\', ShiftJisLeadByte), 1u);
    EXPECT_EQ(FindLastOf(cut, "\\", ShiftJisLeadByte), 1u);
    EXPECT_EQ(FindChar("\x95", '|', ShiftJisLeadByte), std::string::npos);
}

}  // namespace
}  // namespace vistrel::tk
