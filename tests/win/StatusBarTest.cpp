// StatusBar: the simple text as the program and an outside reader see it, and
// a height that stays one line whoever places the bar.

#include "toolkit/StatusBar.h"

#include "HostWindow.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace vistrel::tk {
namespace {

class StatusBarTest : public test::HostedControlTest {
protected:
    void SetUp() override {
        HostedControlTest::SetUp();
        status.Create(&host, 1031);
        ASSERT_NE(nullptr, status.Handle());
    }

    StatusBar status;
};

// The text is the control's, as an outside reader (the end-to-end driver)
// asks for it: part 0 of a simple status bar.
TEST_F(StatusBarTest, SimpleTextIsWhatAnOutsideReaderSees) {
    const std::string texts[] = {"選択したアイテムに実行", "C:\\Program Files\\表示\\app.exe",
                                 std::string(300, 'x'), ""};
    for (const std::string& text : texts) {
        status.SetSimpleText(text);
        char buffer[512] = "stale";
        SendMessageA(status.Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer));
        EXPECT_EQ(text, std::string(buffer));
    }
    EXPECT_TRUE(SendMessageA(status.Handle(), SB_ISSIMPLE, 0, 0));
}

TEST_F(StatusBarTest, StaysWherePlacedAndOneLineHigh) {
    host.SetBounds(0, 0, 600, 400);
    status.SetBounds(0, 200, 300, 50);
    SendMessageA(status.Handle(), WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(300, 50));  // as a parent would forward it
    const RECT r = status.BoundsRect();
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(200, r.top);
    EXPECT_EQ(300, r.right - r.left);
    EXPECT_EQ(StatusBar::kHeight, r.bottom - r.top);

    status.SetSimpleText("after the move");
    char buffer[64] = "";
    SendMessageA(status.Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer));
    EXPECT_STREQ("after the move", buffer);
}

}  // namespace
}  // namespace vistrel::tk
