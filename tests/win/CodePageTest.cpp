#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// The program's texts are Shift-JIS bytes made by the compiler from the UTF-8
// sources, and the A functions read them in the ANSI code page. Both sides must
// say 932, or every caption is garbled; under Wine the locale of the run
// decides the code page, so this guards the test environment as well.
TEST(CodePageTest, SourceTextsAndTheAnsiCodePageAgree) {
    EXPECT_EQ(GetACP(), 932u);

    // 表 has 0x5C, the backslash, as its trail byte.
    EXPECT_EQ(std::string("表示"), "\x95\x5C\x8E\xA6");

    const char text[] = "クリッピングの一覧";
    wchar_t wide[32] = {};
    ASSERT_GT(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, -1, wide, 32), 0);
    EXPECT_EQ(std::wstring(wide), L"クリッピングの一覧");
}
