// Vistrel on two monitors side by side: the main window opens on the mouse
// pointer's monitor, its dialogs on the main window's, and a window on the
// second monitor parks and comes home exactly. The e2e-two-monitors test runs
// these cases on such a display; on one monitor they skip.

#include <gtest/gtest.h>

#include "ThumbnailProbe.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr int kParkingOffset = 20000;

::testing::AssertionResult Inside(HWND window, const RECT& area) {
    RECT r{};
    GetWindowRect(window, &r);
    if (r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ClassName(window) << " at (" << r.left << ", " << r.top << ")-("
                                         << r.right << ", " << r.bottom << ")";
}

class TwoMonitorsTest : public VistrelTest {
protected:
    void SetUp() override {
        VistrelTest::SetUp();
        if (IsSkipped()) return;
        // Under Wine the second monitor can only lie right of the primary.
        const HMONITOR monitor = MonitorFromPoint({GetSystemMetrics(SM_CXSCREEN), 0}, MONITOR_DEFAULTTONULL);
        second_.cbSize = sizeof second_;
        if (!monitor || !GetMonitorInfoA(monitor, &second_)) GTEST_SKIP() << "one monitor: run by e2e-two-monitors";
    }

    MONITORINFO second_{};
};

TEST_F(TwoMonitorsTest, TheMainWindowOpensOnThePointersMonitorAndDialogsOnItsOwn) {
    const RECT& work = second_.rcWork;
    ASSERT_TRUE(SetCursorPos((work.left + work.right) / 2, (work.top + work.bottom) / 2));
    VistrelOptions options;
    options.mainWindowAtLeft = false;
    VistrelProcess app = VistrelProcess::Start(options);
    EXPECT_TRUE(Inside(app.MainWindow(), work));

    // Back on the primary monitor, the pointer no longer leads.
    SetCursorPos(10, 10);
    for (const auto& [command, dialogClass] : {std::pair{ids::ToolButton18, "TLebelDlg"},
                                               std::pair{ids::ToolButton12, "TVersionBox"}}) {
        app.PostCommand(command);
        const HWND dialog = app.WaitForWindow(dialogClass);
        EXPECT_TRUE(Inside(dialog, work));
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindow(dialog); }, 10000, "the dialog to close");
    }
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(TwoMonitorsTest, AWindowOnTheSecondMonitorParksAndComesHomeExactly) {
    const char* title = "On the second monitor";
    TestWindows helper = TestWindows::StartExe(
        {Plan(Kind::Frame, title, second_.rcWork.left + 200, second_.rcWork.top + 150, 300, 200, 0x30A050).Quiet()});
    const HWND window = helper.Windows().front();
    VistrelProcess app = VistrelProcess::Start();
    ThumbnailProbe(app).WaitForItem(title);
    const RECT home = helper.State(window).rect;

    app.ClickCheckBox(ids::CheckBox1);
    for (const int command : {ids::ToolButton4, ids::ToolButton3}) {  // minimise (park), then show
        app.List().SelectOnly(app.List().Find(title));
        WaitFor([&] { return app.IsButtonEnabled(command); }, 5000, "the tool button");
        app.Command(command);
        const RECT now = helper.State(window).rect;
        const int by = command == ids::ToolButton4 ? kParkingOffset : 0;
        EXPECT_EQ(now.left, home.left + by);
        EXPECT_EQ(now.top, home.top + by);
    }
    EXPECT_EQ(app.Close(), 0u);
}

}  // namespace
}  // namespace vistrel::e2e
