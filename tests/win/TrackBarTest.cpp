// TrackBar on a real msctls_trackbar32: properties and the order of its events.

#include "toolkit/TrackBar.h"

#include "HostWindow.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vistrel::tk {
namespace {

std::string Which(const MouseInfo& mouse) {
    return mouse.button == MouseButton::Right ? " right" : mouse.button == MouseButton::Middle ? " middle" : "";
}

class TrackBarTest : public test::HostedControlTest {
protected:
    void SetUp() override {
        HostedControlTest::SetUp();
        bar.Create(&host, 1020, RECT{10, 10, 210, 40});
        ASSERT_NE(nullptr, bar.Handle());
        // The size track bar's settings.
        bar.SetMin(30);
        bar.SetMax(160);
        bar.SetPosition(30);
        bar.SetPageSize(1);
        bar.SetFrequency(10);
        bar.SetThumbLength(12);
        bar.OnChange = [&](Component&) {
            log.push_back("change " + std::to_string(bar.Position()));
        };
        bar.OnKeyDown = [&](TrackBar&, WORD key) {
            log.push_back("down " + std::to_string(key) + " at " + std::to_string(bar.Position()));
        };
        bar.OnKeyUp = [&](TrackBar&, WORD key) {
            log.push_back("up " + std::to_string(key) + " at " + std::to_string(bar.Position()));
        };
        bar.OnMouseDown = [&](Component&, const MouseInfo& mouse) { log.push_back("press" + Which(mouse)); };
        bar.OnMouseUp = [&](Component&, const MouseInfo& mouse) {
            log.push_back("release" + Which(mouse) + " at " + std::to_string(bar.Position()) +
                          (GetCapture() == bar.Handle() ? " captured" : ""));
        };
    }

    TrackBar bar;
    std::vector<std::string> log;
};

// What the settings mean to a user: the thumb stays between 30 and 160
// whoever moves it, a tick marks every tenth position, and only a move by the
// user is a change.
TEST_F(TrackBarTest, ThumbStaysInItsRangeWithATickEveryTenPositions) {
    struct Case {
        const char* name;
        int set;  // from code; 0: a key instead
        WORD key;
        int position;
    };
    const Case cases[] = {
        {"set beyond the end", 500, 0, 160},
        {"set before the start", -3, 0, 30},
        {"Home key", 0, VK_HOME, 30},
        {"End key", 0, VK_END, 160},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        if (c.key) {
            SendMessageA(bar.Handle(), WM_KEYDOWN, c.key, 0);
        } else {
            bar.SetPosition(c.set);
            EXPECT_TRUE(log.empty()) << "setting from code is not a change by the user";
        }
        EXPECT_EQ(c.position, bar.Position());
    }
    // Ticks between the ends, which carry none of their own: 40 ... 150.
    ASSERT_EQ(14, SendMessageA(bar.Handle(), TBM_GETNUMTICS, 0, 0));
    EXPECT_EQ(40, SendMessageA(bar.Handle(), TBM_GETTIC, 0, 0));
    EXPECT_EQ(150, SendMessageA(bar.Handle(), TBM_GETTIC, 11, 0));
}

TEST_F(TrackBarTest, KeysReportBeforeTheControlMovesAndChangeFollows) {
    SendMessageA(bar.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(bar.Handle(), WM_KEYUP, VK_RIGHT, 0);
    SendMessageA(bar.Handle(), WM_KEYDOWN, VK_NEXT, 0);  // page: moves by the page size
    EXPECT_EQ((std::vector<std::string>{"down 39 at 30", "change 31", "up 39 at 31",
                                        "down 34 at 31", "change 32"}),
              log);
}

TEST_F(TrackBarTest, MouseUpComesAfterTheDragHasEnded) {
    RECT thumb{};
    SendMessageA(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int y = (thumb.top + thumb.bottom) / 2;
    const int x = (thumb.left + thumb.right) / 2;
    RECT client{};
    GetClientRect(bar.Handle(), &client);
    SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right + 50, y));
    SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.right + 50, y));
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ("press", log.front());
    EXPECT_EQ("change 160", log[log.size() - 2]);
    EXPECT_EQ("release at 160", log.back());
}

// A press whose release never reaches the bar still ends: whoever paused
// something on the press hears of its end exactly once.
TEST_F(TrackBarTest, APressEndsWhenTheBarLosesTheMouseOrTheFocus) {
    test::HostWindow other;
    RECT thumb{};
    SendMessageA(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2));
    ASSERT_EQ(GetCapture(), bar.Handle());
    SetCapture(other.Handle());  // another window takes the mouse
    ReleaseCapture();
    EXPECT_EQ((std::vector<std::string>{"press", "release at 30"}), log);

    log.clear();
    SetFocus(bar.Handle());
    SendMessageA(bar.Handle(), WM_KEYDOWN, VK_LEFT, 0);
    SendMessageA(bar.Handle(), WM_KILLFOCUS, reinterpret_cast<WPARAM>(other.Handle()), 0);
    SendMessageA(bar.Handle(), WM_KEYUP, VK_LEFT, 0);  // arrives after all: no second end
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ("down 37 at 30", log.front());
    EXPECT_EQ(1, std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.rfind("up 37", 0) == 0; }));
}

// The other buttons do not move the thumb, but a form may act on them (the
// level dialog resets its interval on a right click): their release comes
// back even from outside the bar.
TEST_F(TrackBarTest, OtherButtonsGetTheirReleaseWhereverItHappens) {
    const struct {
        const char* name;
        UINT down, up;
        const char* release;
    } cases[] = {
        {"right", WM_RBUTTONDOWN, WM_RBUTTONUP, "release right at 30"},
        {"middle", WM_MBUTTONDOWN, WM_MBUTTONUP, "release middle at 30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        SendMessageA(bar.Handle(), c.down, 0, MAKELPARAM(20, 10));
        EXPECT_EQ(GetCapture(), bar.Handle());
        SendMessageA(bar.Handle(), c.up, 0, MAKELPARAM(500, 300));
        EXPECT_EQ(GetCapture(), nullptr);
        ASSERT_EQ(log.size(), 2u);
        EXPECT_EQ(log[0], std::string("press ") + c.name);
        EXPECT_EQ(log[1], c.release);
    }
}

}  // namespace
}  // namespace vistrel::tk
