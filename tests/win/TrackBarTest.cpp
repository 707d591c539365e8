// TrackBar on a real msctls_trackbar32: properties and the order of its events.

#include "toolkit/TrackBar.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vistrel::tk {
namespace {

class Host : public Window {
public:
    Host() {
        CreateOwn("VistrelTrackBarTestHost", nullptr, WS_OVERLAPPEDWINDOW, 0, RECT{0, 0, 400, 200},
                  0, "host");
    }
};

class TrackBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_NE(nullptr, host.Handle());
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
        bar.OnMouseDown = [&](TrackBar&) { log.push_back("press"); };
        bar.OnMouseUp = [&](TrackBar&) {
            log.push_back("release at " + std::to_string(bar.Position()) +
                          (GetCapture() == bar.Handle() ? " captured" : ""));
        };
    }

    Host host;
    TrackBar bar;
    std::vector<std::string> log;
};

TEST_F(TrackBarTest, PropertiesRoundTrip) {
    EXPECT_EQ(30, bar.Min());
    EXPECT_EQ(160, bar.Max());
    EXPECT_EQ(30, bar.Position());
    EXPECT_EQ(1, bar.PageSize());
    EXPECT_EQ(10, bar.Frequency());
    EXPECT_EQ(12, bar.ThumbLength());
    // Ticks every 10 between the ends: 40 ... 150 (the ends are not counted).
    EXPECT_EQ(14, SendMessageA(bar.Handle(), TBM_GETNUMTICS, 0, 0));
    const LONG style = GetWindowLongA(bar.Handle(), GWL_STYLE);
    EXPECT_EQ(0, style & TBS_VERT);
    EXPECT_EQ(0, style & (TBS_TOP | TBS_BOTH));  // ticks below only
    EXPECT_TRUE(style & TBS_FIXEDLENGTH);
    bar.SetPosition(500);  // clamped by the control
    EXPECT_EQ(160, bar.Position());
    EXPECT_TRUE(log.empty());  // setting from code is not a change by the user
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
    Host other;
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

}  // namespace
}  // namespace vistrel::tk
