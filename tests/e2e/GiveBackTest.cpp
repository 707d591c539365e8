// What Vistrel changes on other programs' windows comes back, however it
// ends and wherever the window has gone meanwhile, and nothing it did not
// change is touched. The windows belong to another process, as a user's do.
#include <gtest/gtest.h>

#include <string>

#include "ThumbnailProbe.h"
#include "VistrelSuites.h"
#include "WindowPlaces.h"

namespace vistrel::e2e {
namespace {

class GiveBackTest : public VistrelTest {
protected:
    HWND MakeWindow(WindowPlan plan) {
        if (!helper_) helper_.emplace(TestWindows::StartExe());
        return helper_->Create(plan.Quiet());
    }
    void Start(const VistrelOptions& options = {}) { app_.emplace(VistrelProcess::Start(options)); }

    // "Open Only" on and the window minimised: the change tick parks it.
    void MinimiseInOpenOnly(HWND window, const std::string& title) {
        ThumbnailProbe(*app_).WaitForItem(title);
        if (!app_->IsChecked(ids::CheckBox1)) app_->ClickCheckBox(ids::CheckBox1);
        helper_->Minimise(window);
    }
    void Park(HWND window, const std::string& title) {
        MinimiseInOpenOnly(window, title);
        WaitFor([&] { return IsParked(window); }, 5000, "the window to be parked");
    }
    void Select(const std::string& title) const {
        app_->List().SelectOnly(ThumbnailProbe(*app_).WaitForItem(title));
    }
    void Press(int button) const {
        WaitFor([&] { return app_->IsButtonEnabled(button); }, 5000, "tool button " + std::to_string(button));
        app_->Command(button);
    }
    std::string RecordFile() const { return app_->DataFolder() + "changes.dat"; }

    // Ended as by the task manager; the next start finds what it recorded.
    void KillAndStartAgain() {
        VistrelOptions options;
        options.changesDat = ReadWholeFile(RecordFile()).value_or("");
        ASSERT_FALSE(options.changesDat->empty()) << "nothing was recorded";
        TerminateProcess(app_->ProcessHandle(), 9);
        ASSERT_EQ(app_->WaitForExit(10000), 9u);
        Start(options);
    }
    void ExpectAt(HWND window, int x, int y) const {
        EXPECT_TRUE(WaitUntil([&] { return AtHome(window, x, y); }, 5000))
            << "at (" << RectOf(window).left << ", " << RectOf(window).top << ")";
    }

    std::optional<TestWindows> helper_;
    std::optional<VistrelProcess> app_;
};

// Three 4K monitors side by side are wider than the parked threshold: a
// window standing far right is a window on the desktop, not a parked one.
TEST_F(GiveBackTest, AWindowStandingFarRightIsNeverTakenForParked) {
    const HWND window = MakeWindow(Plan(Kind::Frame, "Far right", 10500, 100, 300, 200));
    Start();
    app_->ClickCheckBox(ids::CheckBox1);
    Select("Far right");
    app_->Command(ids::ToolButton3);      // show, in "Open Only" mode
    app_->ClickCheckBox(ids::CheckBox1);  // "Open Only" off
    EXPECT_EQ(app_->Close(), 0u);
    ExpectAt(window, 10500, 100);
}

TEST_F(GiveBackTest, AWindowLeftTransparentByAKillIsVisibleAfterTheNextStart) {
    const HWND window = MakeWindow(Plan(Kind::Frame, "Left transparent", 700, 300, 300, 200));
    Start();
    Select("Left transparent");
    Press(ids::ToolButton7);
    ASSERT_TRUE(helper_->State(window).exStyle & WS_EX_LAYERED);
    KillAndStartAgain();
    EXPECT_TRUE(WaitUntil([&] { return !(helper_->State(window).exStyle & WS_EX_LAYERED); }, 5000))
        << "still layered";
}

// Made transparent again while a release of it still waits for the window to
// answer: the release, retried once it answers, must not take the new
// transparency away. A window released with it shows when the retry ran.
TEST_F(GiveBackTest, TranslucencyGivenAgainAfterABusyReleaseStays) {
    const HWND again = MakeWindow(Plan(Kind::Frame, "Given again", 700, 300, 300, 200).InGroup(2));
    const HWND witness = MakeWindow(Plan(Kind::Frame, "Released busy", 700, 560, 300, 200).InGroup(2));
    Start();
    ThumbnailProbe(*app_).WaitForItem("Released busy");
    const ListViewProbe list = app_->List();
    list.Select(-1, false);
    for (const char* title : {"Given again", "Released busy"}) list.Select(ThumbnailProbe(*app_).WaitForItem(title));
    Press(ids::ToolButton7);
    helper_->Hang(again, 30000);  // the group's thread: both windows
    helper_->WaitForState(again, [](const TestWindowState& s) { return s.hanging != 0; }, 5000, "the hang");
    Press(ids::ToolButton10);
    ASSERT_EQ(LayeringOf(again).alpha, 255);
    Select("Given again");
    Press(ids::ToolButton7);
    ASSERT_EQ(LayeringOf(again).alpha, 0);
    helper_->Wake(again);
    WaitFor([&] { return !LayeringOf(witness).layered; }, 5000, "the release to be retried");
    EXPECT_TRUE(LayeringOf(again).layered);
    EXPECT_EQ(LayeringOf(again).alpha, 0) << "the retried release took it";
}

// Hidden by its own program while parked, it leaves the list; the record
// still brings it home.
TEST_F(GiveBackTest, AParkedWindowHiddenByItsProgramComesHomeAtTheClose) {
    const HWND window = MakeWindow(Plan(Kind::Frame, "Hidden parked", 700, 300, 300, 200));
    Start();
    Park(window, "Hidden parked");
    helper_->Hide(window);
    ThumbnailProbe(*app_).WaitForNoItem("Hidden parked");
    EXPECT_EQ(app_->Close(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return RectOf(window).left == 700 && RectOf(window).top == 300; }, 5000))
        << "at (" << RectOf(window).left << ", " << RectOf(window).top << ")";
}

// Asked whether the session may end, Vistrel sends the parked windows home at
// once, before their programs note their places; if the session goes on they
// are parked again, and when it does end they stay home.
TEST_F(GiveBackTest, AtLogoffParkedWindowsGoHomeBeforeTheSessionEnds) {
    const HWND window = MakeWindow(Plan(Kind::Frame, "Logoff parked", 700, 300, 300, 200));
    Start();
    Park(window, "Logoff parked");
    helper_->Hide(window);
    const HWND main = app_->MainWindow();
    EXPECT_EQ(SendBounded(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_TRUE(WaitUntil([&] { return RectOf(window).left == 700; }, 5000)) << "not sent home";
    SendBounded(main, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(WaitUntil([&] { return IsParked(window); }, 5000)) << "not parked again";
    EXPECT_EQ(SendBounded(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendBounded(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(app_->WaitForExit(15000), 0u);
    EXPECT_TRUE(WaitUntil([&] { return RectOf(window).left == 700 && RectOf(window).top == 300; }, 5000));
}

// Parked from a place no monitor shows (as when its monitor was unplugged
// while Vistrel was killed): it comes onto the nearest monitor, size kept.
TEST_F(GiveBackTest, AParkedWindowWhoseHomeIsOnNoMonitorComesOntoOneAfterAKill) {
    const HWND window = MakeWindow(Plan(Kind::Frame, "Off every monitor", 1500, 100, 300, 200));
    Start();
    Park(window, "Off every monitor");
    KillAndStartAgain();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    ExpectAt(window, screenWidth - 300, 100);
    EXPECT_EQ(RectOf(window).right - RectOf(window).left, 300);
}

TEST_F(GiveBackTest, AMaximisedWindowParkedBeforeAKillIsHomeRightAfterTheNextStart) {
    const HWND window = MakeWindow(Plan(Kind::Frame, "Maximised parked", 200, 150, 300, 200));
    ShowWindow(window, SW_MAXIMIZE);
    Start();
    Park(window, "Maximised parked");
    KillAndStartAgain();
    ExpectAt(window, 1, 1);
    EXPECT_EQ(RectOf(window).right - RectOf(window).left, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(GiveBackTest, AWindowThatRefusesToMoveIsNotParkedAndTheStatusLineSaysSo) {
    const HWND window = MakeWindow(Plan(Kind::Frame, "Stays put", 700, 300, 300, 200).RefusingMove());
    Start();
    MinimiseInOpenOnly(window, "Stays put");
    EXPECT_TRUE(WaitUntil([&] { return app_->StatusText().find("Stays put") != std::string::npos; }, 5000))
        << "the status line says \"" << app_->StatusText() << "\"";
    EXPECT_TRUE(AtHome(window, 700, 300));
    EXPECT_FALSE(FileExists(RecordFile())) << "recorded as parked";
}

// The window parked is the one that comes back, whatever it owns by then:
// an owned window shown meanwhile becomes the listed window's placement
// target, and used to take the show in its stead.
TEST_F(GiveBackTest, ShowBringsBackTheParkedWindowAfterItGainedAnOwnedOne) {
    const HWND window = MakeWindow(Plan(Kind::Frame, "Owner parked", 700, 300, 300, 200));
    Start();
    Park(window, "Owner parked");
    MakeWindow(Plan(Kind::Frame, "Owned later", 100, 600, 200, 120).OwnedBy(window));
    Select("Owner parked");
    Press(ids::ToolButton3);
    ExpectAt(window, 700, 300);
}

// A record that cannot be written is said once, naming the file; parking
// goes on.
TEST_F(GiveBackTest, ARecordThatCannotBeWrittenIsSaidInTheStatusLine) {
    const HWND window = MakeWindow(Plan(Kind::Frame, "Unrecorded", 700, 300, 300, 200));
    Start();
    ASSERT_TRUE(CreateDirectoryA(RecordFile().c_str(), nullptr));  // a folder where the file goes
    Park(window, "Unrecorded");
    EXPECT_TRUE(WaitUntil([&] {
        return app_->StatusText().find("changes.dat に書き込めません") != std::string::npos;
    }, 5000)) << "the status line says \"" << app_->StatusText() << "\"";
    EXPECT_EQ(app_->Close(), 0u);
    ExpectAt(window, 700, 300);
}

}  // namespace
}  // namespace vistrel::e2e
