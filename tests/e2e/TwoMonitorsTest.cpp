// Vistrel on two monitors side by side: the main window opens on the mouse
// pointer's monitor, its dialogs on the main window's, and a window on the
// second monitor parks and comes home exactly. The e2e-two-monitors test runs
// these cases on such a display; on one monitor they skip.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ThumbnailProbe.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr int kParkingOffset = 20000;

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM infos) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) reinterpret_cast<std::vector<MONITORINFO>*>(infos)->push_back(info);
    return TRUE;
}

bool Inside(const RECT& r, const RECT& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

std::string Describe(const RECT& r) {
    char text[64];
    snprintf(text, sizeof text, "(%ld, %ld)-(%ld, %ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

RECT WindowBounds(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

class TwoMonitorsTest : public VistrelTest {
protected:
    void SetUp() override {
        VistrelTest::SetUp();
        if (IsSkipped()) return;
        std::vector<MONITORINFO> monitors;
        EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
        for (const MONITORINFO& m : monitors) (m.dwFlags & MONITORINFOF_PRIMARY ? primary_ : second_) = m;
        if (monitors.size() < 2) GTEST_SKIP() << "one monitor: run by e2e-two-monitors";
    }

    MONITORINFO primary_{}, second_{};
};

TEST_F(TwoMonitorsTest, TheMainWindowOpensOnThePointersMonitorAndDialogsOnItsOwn) {
    const RECT& work = second_.rcWork;
    ASSERT_TRUE(SetCursorPos((work.left + work.right) / 2, (work.top + work.bottom) / 2));
    VistrelOptions options;
    options.mainWindowAtLeft = false;
    VistrelProcess app = VistrelProcess::Start(options);
    EXPECT_TRUE(Inside(WindowBounds(app.MainWindow()), work)) << Describe(WindowBounds(app.MainWindow()));

    // The pointer goes back to the primary monitor: the dialogs follow the
    // main window, not the pointer.
    SetCursorPos(primary_.rcWork.left + 10, primary_.rcWork.top + 10);
    const struct {
        int command;
        const char* dialogClass;
    } dialogs[] = {{ids::ToolButton18, "TLebelDlg"}, {ids::ToolButton12, "TVersionBox"}};
    for (const auto& d : dialogs) {
        app.PostCommand(d.command);
        const HWND dialog = app.WaitForWindow(d.dialogClass);
        EXPECT_TRUE(Inside(WindowBounds(dialog), work)) << d.dialogClass << " at " << Describe(WindowBounds(dialog));
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindow(dialog); }, 10000, std::string(d.dialogClass) + " to close");
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
    ASSERT_TRUE(Inside(home, second_.rcMonitor)) << Describe(home);

    app.ClickCheckBox(ids::CheckBox1);
    const auto selectIt = [&] { app.List().SelectOnly(app.List().Find(title)); };
    selectIt();
    WaitFor([&] { return app.IsButtonEnabled(ids::ToolButton4); }, 5000, "the minimise button");
    app.Command(ids::ToolButton4);
    const RECT parked = helper.State(window).rect;
    EXPECT_EQ(parked.left, home.left + kParkingOffset);
    EXPECT_EQ(parked.top, home.top + kParkingOffset);
    EXPECT_GE(parked.left, GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN))
        << "parked on a monitor";

    selectIt();
    WaitFor([&] { return app.IsButtonEnabled(ids::ToolButton3); }, 5000, "the show button");
    app.Command(ids::ToolButton3);
    const RECT back = helper.State(window).rect;
    EXPECT_EQ(back.left, home.left);
    EXPECT_EQ(back.top, home.top);
    EXPECT_EQ(app.Close(), 0u);
}

}  // namespace
}  // namespace vistrel::e2e
