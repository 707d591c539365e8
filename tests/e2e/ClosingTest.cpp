// However Vistrel ends, no window stays out of sight and nothing the user did
// in the session is lost: a close that arrives while a command waits, a second
// close during the close, the end of the Windows session, and windows that
// stop answering in "Open Only" mode. The parked windows belong to another
// process, as a user's windows do.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "ThumbnailProbe.h"
#include "VistrelSuites.h"
#include "WindowPlaces.h"

namespace vistrel::e2e {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The settings key present, holding only the update interval.
VistrelOptions WithInterval(uint32_t milliseconds) {
    VistrelOptions options;
    options.settingsKey = VistrelOptions::Key::Present;
    options.tims = milliseconds;
    return options;
}

class ClosingTest : public VistrelTest {
protected:
    void TearDown() override { VistrelSettings::Remove(); }

    // Starts Vistrel beside a helper window, turns "Open Only" on and lets
    // the change tick park the window once it is minimised.
    void StartWithParkedWindow(const VistrelOptions& options = {}) {
        helper_.emplace(TestWindows::StartExe());
        window_ =
            helper_->Create(Plan(Kind::Frame, "Closing parked", kX, kY, 300, 200, 0x3050D0).Quiet().InGroup(1));
        app_.emplace(VistrelProcess::Start(options));
        ThumbnailProbe(*app_).WaitForItem("Closing parked");
        app_->ClickCheckBox(ids::CheckBox1);
        helper_->Minimise(window_);
        WaitFor([&] { return IsParked(window_); }, 5000, "the minimised window to be parked");
        ASSERT_EQ(RectOf(window_).left, kX + kParkingOffset);
    }

    void ExpectClosedCleanlyWithTheWindowHome() {
        EXPECT_EQ(app_->WaitForExit(20000), 0u) << "Vistrel did not end cleanly";
        EXPECT_TRUE(WaitUntil([&] { return AtHome(window_, kX, kY); }, 5000))
            << "the parked window was left at (" << RectOf(window_).left << ", " << RectOf(window_).top << ")";
    }

    static constexpr int kX = 760, kY = 300;
    std::optional<TestWindows> helper_;
    std::optional<VistrelProcess> app_;
    HWND window_ = nullptr;
};

// The refresh processes its messages once with the list empty; a close
// waiting there used to run inside it and take the list away.
TEST_F(ClosingTest, ACloseDuringARefreshRunsWhenTheRefreshIsOver) {
    StartWithParkedWindow();
    const HWND main = app_->MainWindow();
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(ids::ToolButton1, 0), 0);
    PostMessageA(main, WM_CLOSE, 0, 0);
    ExpectClosedCleanlyWithTheWindowHome();
}

// The close waits for a running pass and processes messages while it
// brings parked windows home; a second close arriving there must not start a
// second close inside the first. Passes run almost without a break here.
TEST_F(ClosingTest, ASecondCloseDuringTheCloseChangesNothing) {
    StartWithParkedWindow(WithInterval(100));
    // Pictured inside Vistrel's process, so every pass step in view really
    // paints.
    TestWindows guest = app_->InjectTestWindows();
    std::vector<HWND> busy;
    for (int i = 0; i < 12; ++i)
        busy.push_back(guest.Create(
            Plan(Kind::Frame, "Closing busy " + std::to_string(i), kX + 10 * i, 560, 300, 200, 0x40B040).Quiet()));
    ThumbnailProbe(*app_).WaitForItem("Closing busy 11");
    app_->ClickCheckBox(ids::AutoChkBox);
    WaitFor([&] { return guest.PrintCount(busy.front()) >= 3; }, 10000, "automatic passes");
    const HWND main = app_->MainWindow();
    for (int i = 0; i < 3; ++i) PostMessageA(main, WM_CLOSE, 0, 0);
    ExpectClosedCleanlyWithTheWindowHome();
}

TEST_F(ClosingTest, TheEndOfTheSessionSavesEverythingAndBringsWindowsHome) {
    StartWithParkedWindow(WithInterval(700));
    // An exclusion made in this session, which only the close writes out.
    helper_->Create(Plan(Kind::Frame, "Closing excluded", kX, 620, 200, 120, 0x40B040).Quiet());
    const ThumbnailProbe probe(*app_);
    const int item = probe.WaitForItem("Closing excluded");
    app_->List().SelectOnly(item);
    app_->Command(ids::N9);

    const HWND main = app_->MainWindow();
    EXPECT_EQ(SendBounded(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendBounded(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    // The process may be ended the moment WM_ENDSESSION returns: all of it
    // must be done by then. The window's move is the window's own thread's
    // to carry out, Vistrel gone or not.
    EXPECT_TRUE(WaitUntil([&] { return AtHome(window_, kX, kY); }, 5000)) << "still at " << RectOf(window_).left;
    const auto listDat = ReadWholeFile(app_->DataFolder() + "list.dat");
    ASSERT_TRUE(listDat) << "list.dat was not written";
    EXPECT_NE(Lower(*listDat).find("testwindows.exe"), std::string::npos);
    EXPECT_EQ(VistrelSettings::Read("tims"), 700u);
    EXPECT_EQ(VistrelSettings::Read("clip"), 1u);
    EXPECT_EQ(VistrelSettings::Read("hi"), 0u);
    EXPECT_EQ(app_->WaitForExit(20000), 0u);
}

// The end of the session, or a close sent by another program, reaching
// Vistrel while a pass step waits for the parked window's answer: the step's
// worker cannot end before the step does, so nothing may wait for it there.
// Vistrel ends all the same, with everything saved and the window home.
class ClosingInsideAPass : public ClosingTest, public ::testing::WithParamInterface<UINT> {};

TEST_P(ClosingInsideAPass, EndsVistrelWithEverythingSavedAndTheWindowHome) {
    StartWithParkedWindow(WithInterval(100));
    app_->ClickCheckBox(ids::AutoChkBox);
    // A window out of sight is never pictured from the screen, so every pass
    // asks the parked window before it prints it.
    const UINT message = GetParam();
    helper_->SendWhenAsked(window_, app_->MainWindow(), message, message == WM_ENDSESSION ? TRUE : 0,
                           message == WM_ENDSESSION ? ENDSESSION_LOGOFF : 0);
    EXPECT_EQ(app_->WaitForExit(15000), 0u) << "Vistrel did not end";
    EXPECT_TRUE(WaitUntil([&] { return AtHome(window_, kX, kY); }, 5000))
        << "the parked window was left at (" << RectOf(window_).left << ", " << RectOf(window_).top << ")";
    EXPECT_TRUE(FileExists(app_->DataFolder() + "list.dat")) << "list.dat was not written";
    EXPECT_EQ(VistrelSettings::Read("clip"), 1u) << "the settings were not written";
}

INSTANTIATE_TEST_SUITE_P(SessionEndOrClose, ClosingInsideAPass, ::testing::Values(WM_ENDSESSION, WM_CLOSE),
                         [](const auto& info) { return info.param == WM_ENDSESSION ? "SessionEnd" : "Close"; });

// A minimise of several windows in "Open Only" mode that meets the end of the
// session at its first window parks none of the others afterwards.
TEST_F(ClosingTest, AMinimiseInterruptedByTheSessionEndParksNothingMore) {
    StartWithParkedWindow();
    std::vector<HWND> others;
    for (int i = 0; i < 3; ++i)
        others.push_back(helper_->Create(
            Plan(Kind::Frame, "Interrupted " + std::to_string(i), 60 + 250 * i, 700, 240, 160, 0x40B040).Quiet()));
    const ThumbnailProbe probe(*app_);
    probe.WaitForItem("Interrupted 2");
    const ListViewProbe list = app_->List();
    list.Select(-1, false);
    for (int i = 0; i < 3; ++i) list.Select(probe.WaitForItem("Interrupted " + std::to_string(i)));
    // Each stands wholly on the screen, so only the minimise asks them; the
    // first it parks is the first selected, "Interrupted 0".
    helper_->SendWhenAsked(others[0], app_->MainWindow(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    WaitFor([&] { return app_->IsButtonEnabled(ids::ToolButton4); }, 5000, "the minimise button");
    app_->PostCommand(ids::ToolButton4);
    EXPECT_EQ(app_->WaitForExit(15000), 0u);
    for (HWND other : others) EXPECT_FALSE(IsParked(other)) << "a window was parked after the session ended";
    EXPECT_TRUE(WaitUntil([&] { return AtHome(window_, kX, kY); }, 5000));
}

// A list.dat that cannot be written at the close is named in the error box,
// and the close goes on, leaving the file as it was.
TEST_F(ClosingTest, AnUnwritableListDatIsReportedAtTheClose) {
    VistrelOptions options;
    options.listDat = "C:\\kept.exe\r\n";
    app_.emplace(VistrelProcess::Start(options));
    const std::string file = app_->DataFolder() + "list.dat";
    {
        // Held open without leave to be replaced, as a backup program may.
        const UniqueHandle held(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        PostMessageA(app_->MainWindow(), WM_CLOSE, 0, 0);
        const HWND box = WaitForBoxSaying(app_->ProcessId(), "list.dat に書き込めません", 10000);
        EXPECT_NE(box, nullptr) << "the failed write went unsaid";
        if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(app_->WaitForExit(20000), 0u);
    }
    EXPECT_NE(ReadWholeFile(file).value_or("").find("kept.exe"), std::string::npos);
}

// Killed with a window parked: the next start finds the window where the
// killed run left it and brings it home.
TEST_F(ClosingTest, AKilledRunLeavesNoWindowOutOfSight) {
    StartWithParkedWindow();
    // Recorded just after the window has moved out of sight.
    const std::string file = app_->DataFolder() + "parked.dat";
    ASSERT_TRUE(WaitUntil([&] { return FileExists(file); }, 5000)) << "the parked window is not recorded";
    const auto record = ReadWholeFile(file);
    ASSERT_TRUE(record);
    TerminateProcess(app_->ProcessHandle(), 9);
    EXPECT_EQ(app_->WaitForExit(10000), 9u);
    EXPECT_TRUE(IsParked(window_)) << "nothing but the next start can bring it back";

    VistrelOptions options;
    options.parkedDat = *record;
    app_.emplace(VistrelProcess::Start(options));
    EXPECT_TRUE(WaitUntil([&] { return AtHome(window_, kX, kY); }, 5000))
        << "still at (" << RectOf(window_).left << ", " << RectOf(window_).top << ")";
    EXPECT_FALSE(FileExists(app_->DataFolder() + "parked.dat")) << "the record is cleared";
}

// A line naming a window on the screen, as if parked from 20000 pixels up
// and left (a damaged or planted record), moves nothing.
TEST_F(ClosingTest, ARecordNeverMovesAWindowThatIsNotParked) {
    helper_.emplace(TestWindows::StartExe());
    window_ = helper_->Create(Plan(Kind::Frame, "Closing on screen", kX, kY, 300, 200).Quiet());
    std::ostringstream line;
    line << std::hex << reinterpret_cast<uintptr_t>(window_) << std::dec << ' ' << kX - kParkingOffset << ' '
         << kY - kParkingOffset;
    VistrelOptions options;
    options.parkedDat = line.str();
    app_.emplace(VistrelProcess::Start(options));
    // A move the start asked for waits in the window's queue ahead of this.
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result));
    EXPECT_TRUE(AtHome(window_, kX, kY)) << "moved to (" << RectOf(window_).left << ", " << RectOf(window_).top << ")";
    EXPECT_FALSE(FileExists(app_->DataFolder() + "parked.dat")) << "the record is cleared";
}

// A crash sends the parked window home before the process goes.
TEST_F(ClosingTest, ACrashBringsParkedWindowsHome) {
    StartWithParkedWindow();
    TestWindows guest = app_->InjectTestWindows();
    guest.Crash();
    EXPECT_TRUE(WaitUntil([&] { return AtHome(window_, kX, kY); }, 10000))
        << "left at (" << RectOf(window_).left << ", " << RectOf(window_).top << ")";
    EXPECT_NE(app_->WaitForExit(20000), 0u) << "the crash ends the program";
}

// A window that stops answering while Vistrel would restore, park or bring
// it back: Vistrel passes it over and keeps answering, and at the close a
// parked one is still sent home, to arrive when it answers again.
TEST_F(ClosingTest, HungWindowsInOpenOnlyModeNeverFreezeVistrel) {
    StartWithParkedWindow();
    const HWND minimised =
        helper_->Create(Plan(Kind::Frame, "Closing minimised", kX + 40, 640, 300, 200, 0x40B040).Quiet().InGroup(1));
    ThumbnailProbe(*app_).WaitForItem("Closing minimised");
    // Minimised and hung before the next tick can restore it: every tick
    // now finds a minimised window it cannot restore.
    constexpr int kHangBoundMs = 60000;
    helper_->Minimise(minimised);
    helper_->Hang(minimised, kHangBoundMs);  // the group's thread, both windows, until woken
    const ULONGLONG start = GetTickCount64();

    const HWND main = app_->MainWindow();
    uint64_t slowest = 0;
    bool refreshed = false;
    while (Elapsed(start) < 4000) {
        if (!refreshed && Elapsed(start) > 1000) {
            PostMessageA(main, WM_COMMAND, MAKEWPARAM(ids::ToolButton1, 0), 0);
            refreshed = true;
        }
        const ULONGLONG sent = GetTickCount64();
        DWORD_PTR result = 0;
        SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        slowest = std::max<uint64_t>(slowest, Elapsed(sent));
        Sleep(50);  // probe pacing, not a wait for a condition
    }
    Report("hung_open_only_slowest_answer_ms", slowest);
    // A freeze lasts as long as the hang; a loaded machine stays well below.
    EXPECT_LT(slowest, 2000u) << "Vistrel froze with the hung window";

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app_->WaitForExit(20000), 0u);
    DWORD_PTR result = 0;
    EXPECT_FALSE(SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &result))
        << "the close waited until the hung window answered again";
    helper_->Wake(minimised);
    EXPECT_TRUE(WaitUntil([&] { return AtHome(window_, kX, kY); }, 10000))
        << "the parked window was left at (" << RectOf(window_).left << ", " << RectOf(window_).top << ")";
}

}  // namespace
}  // namespace vistrel::e2e
