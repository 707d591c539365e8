// StatusBar: the simple text as the program and an outside reader see it, and
// a height that stays one line whoever places the bar.

#include "toolkit/StatusBar.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace vistrel::tk {
namespace {

class Host : public Window {
public:
    Host() {
        CreateOwn("VistrelStatusBarTestHost", nullptr, WS_OVERLAPPEDWINDOW, 0, RECT{0, 0, 500, 300},
                  0, "host");
    }
};

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_NE(nullptr, host.Handle());
        status.Create(&host, 1031);
        ASSERT_NE(nullptr, status.Handle());
    }

    Host host;
    StatusBar status;
};

TEST_F(StatusBarTest, SimpleTextRoundTrips) {
    const std::string texts[] = {"選択したアイテムに実行", "C:\\Program Files\\表示\\app.exe",
                                 std::string(300, 'x'), ""};
    for (const std::string& text : texts) {
        status.SetSimpleText(text);
        EXPECT_EQ(text, status.SimpleText());
        // An outside reader (the end-to-end driver) asks for part 0.
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
