// The e2e machinery on its own: the helper in both shapes, the remote probes
// on a known set of controls, and a first start and close of Vistrel.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "PixelCapture.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

using protocol::Command;

// ---------------------------------------------------------------- protocol

TEST(TestWindowsProtocol, WindowArgumentsSurviveTheCommandLine) {
    struct Case {
        Kind kind;
        int x, y, width, height;
        uint32_t colour;
        const char* title;
        const char* className;
    };
    const Case cases[] = {
        {Kind::Frame, 10, 20, 300, 200, 0x0000FF, "plain", ""},
        {Kind::Tool, -5, 0, 1, 1, 0xFFFFFF, "日本語のタイトル", ""},
        {Kind::Dialog, 0, 0, 0, 0, 0x000000, "colons: and, commas", ""},
        {Kind::ZeroSize, 7, 8, 9, 10, 0x123456, "", "TApplication"},
        {Kind::Controls, 1, 2, 3, 4, 0xABCDEF, "with  two spaces", ""},
        {Kind::Frame, 54, 76, 638, 478, 0xC0C0C0, "Vistrel α", "TPrintWndDlg"},
    };
    for (const Case& c : cases) {
        Command in;
        in.kind = c.kind;
        in.x = c.x, in.y = c.y, in.width = c.width, in.height = c.height;
        in.colour = c.colour;
        std::snprintf(in.title, sizeof in.title, "%s", c.title);
        std::snprintf(in.className, sizeof in.className, "%s", c.className);
        const std::string argument = protocol::FormatWindowArgument(in);
        const auto split = protocol::SplitCommandLine("testwindows.exe \"" + argument + "\" --exit-when-empty");
        ASSERT_EQ(split.size(), 3u) << argument;
        Command out;
        ASSERT_TRUE(protocol::ParseWindowArgument(split[1], out)) << argument;
        EXPECT_EQ(out.kind, c.kind) << argument;
        EXPECT_EQ(out.x, c.x);
        EXPECT_EQ(out.y, c.y);
        EXPECT_EQ(out.width, c.width);
        EXPECT_EQ(out.height, c.height);
        EXPECT_EQ(out.colour, c.colour);
        EXPECT_STREQ(out.title, c.title);
        EXPECT_STREQ(out.className, c.className);
        EXPECT_EQ(split[2], protocol::kExitWhenEmptyArgument);
    }
}

TEST(TestWindowsProtocol, MalformedWindowArgumentsAreRejected) {
    for (const char* bad : {"", "frame", "frame:1,2,3,4,FF", "window:1,2,3,4,FF:t", "frame:1,2,3:t", "frame:1,2,3,4,FFx:t",
                            "frame:a,2,3,4,FF:t", "frame/:1,2,3,4,FF:t"}) {
        Command out;
        EXPECT_FALSE(protocol::ParseWindowArgument(bad, out)) << bad;
    }
}

TEST(TestWindowsProtocol, TextsAreShiftJis) {
    // Without -fexec-charset=CP932 every Japanese title, and the settings key,
    // would reach Windows as UTF-8 and match nothing of the program's.
    EXPECT_EQ(std::string(protocol::kControlsItems[1]), "\x83\x78\x81\x5B\x83\x5E");
    EXPECT_EQ(std::string(kVistrelTitle), "Vistrel \x83\xBF");
}

// The picture's mark sits in the upper-left quarter of the middle, so a
// flipped or shifted capture differs.
TEST(TestWindowsProtocol, PictureHasAnAsymmetricMark) {
    const uint32_t c = 0x102030;
    EXPECT_EQ(protocol::PictureColourAt(c, 0, 0, 400, 200), c);
    EXPECT_EQ(protocol::PictureColourAt(c, 100, 50, 400, 200), protocol::InverseColour(c));
    EXPECT_EQ(protocol::PictureColourAt(c, 199, 99, 400, 200), protocol::InverseColour(c));
    EXPECT_EQ(protocol::PictureColourAt(c, 200, 99, 400, 200), c);
    EXPECT_EQ(protocol::PictureColourAt(c, 300, 150, 400, 200), c);
}

// ---------------------------------------------------------------- driver basics

TEST(DriverBasics, SettingsKeyRoundTrip) {
    VistrelSettings::Create();
    EXPECT_TRUE(VistrelSettings::Exists());
    EXPECT_FALSE(VistrelSettings::Read("tims").has_value());
    VistrelSettings::Write("tims", 500);
    EXPECT_EQ(VistrelSettings::Read("tims"), 500u);
    VistrelSettings::Remove();
    EXPECT_FALSE(VistrelSettings::Exists());
    EXPECT_FALSE(VistrelSettings::Read("tims").has_value());
    EXPECT_NO_THROW(VistrelSettings::Remove());
}

TEST(DriverBasics, TempFoldersAreFreshAndFilesGoIntoNewFolders) {
    std::string gone;
    {
        const test::TempFolder a("e2e-basics"), b("e2e-basics");
        EXPECT_NE(a.Path(), b.Path());
        EXPECT_EQ(a.Path().back(), '\\');
        const std::string file = a.File("data\\" + UserName() + "\\list.dat");
        WriteFileBytes(file, "C:\\x.exe\r\n\r\n");
        EXPECT_EQ(ReadWholeFile(file), "C:\\x.exe\r\n\r\n");
        gone = a.Path();
    }
    EXPECT_FALSE(DirectoryExists(gone));
}

// ---------------------------------------------------------------- helper exe

TEST(TestWindowsExe, InitialWindowsComeFromTheCommandLine) {
    TestWindows helper = TestWindows::StartExe({Plan(Kind::Frame, "Plain ASCII", 40, 50, 300, 200, 0x00FF00),
                                               Plan(Kind::Tool, "日本語 ツール", 400, 60, 220, 140, 0xFF0000)});
    EXPECT_FALSE(helper.IsGuest());
    const std::vector<HWND> windows = helper.Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(WindowProcessId(windows[0]), helper.ProcessId());
    EXPECT_EQ(WindowText(windows[0]), "Plain ASCII");
    EXPECT_EQ(WindowText(windows[1]), "日本語 ツール");
    const TestWindowState first = helper.State(windows[0]);
    EXPECT_EQ(first.rect.left, 40);
    EXPECT_EQ(first.rect.top, 50);
    EXPECT_EQ(first.width(), 300);
    EXPECT_EQ(first.height(), 200);
    EXPECT_EQ(first.colour, 0x00FF00u);
    EXPECT_TRUE(helper.State(windows[1]).exStyle & WS_EX_TOOLWINDOW);
}

TEST(TestWindowsExe, EveryKindHasItsShape) {
    TestWindows helper = TestWindows::StartExe();
    HWND owner = helper.Create(Plan(Kind::Frame, "Owner", 20, 20, 200, 150));
    struct Case {
        const char* name;
        Kind kind;
        bool owned;
        std::string className;  // requested; empty: the kind's own
        const char* expectedClass;
        DWORD exStyle;
        bool zeroSize;
    };
    const Case cases[] = {
        {"frame", Kind::Frame, false, "", "VistrelTestFrame", 0, false},
        {"owned frame", Kind::Frame, true, "", "VistrelTestFrame", 0, false},
        {"popup", Kind::Popup, false, "", "VistrelTestPopup", 0, false},
        {"tool window", Kind::Tool, false, "", "VistrelTestTool", WS_EX_TOOLWINDOW, false},
        {"owned dialog", Kind::Dialog, true, "", "#32770", 0, false},
        {"zero size", Kind::ZeroSize, false, "", "VistrelTestZeroSize", 0, true},
        {"zero size of a named class", Kind::ZeroSize, false, "TApplication", "TApplication", 0, true},
    };
    int x = 240;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowPlan plan = Plan(c.kind, std::string("Kind ") + c.name, x, 300, 180, 120)
                                    .OwnedBy(c.owned ? owner : nullptr)
                                    .OfClass(c.className);
        x += 40;
        HWND w = helper.Create(plan);
        EXPECT_EQ(ClassName(w), c.expectedClass);
        EXPECT_EQ(WindowText(w), plan.title);
        EXPECT_EQ(GetWindow(w, GW_OWNER), plan.owner);
        EXPECT_TRUE(IsWindowVisible(w));
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(w, GWL_EXSTYLE)) & WS_EX_TOOLWINDOW, c.exStyle);
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r.right - r.left, c.zeroSize ? 0 : plan.width);
        EXPECT_EQ(r.bottom - r.top, c.zeroSize ? 0 : plan.height);
        EXPECT_EQ(r.left, plan.x);
    }

    auto [app, frame] = helper.CreateZeroSizeApp("Zero-size application", Plan(Kind::Frame, "Its frame", 600, 400, 250, 180));
    EXPECT_EQ(GetWindow(app, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindow(frame, GW_OWNER), app);
    EXPECT_TRUE(IsWindowVisible(app));
    EXPECT_TRUE(IsWindowVisible(frame));
}

TEST(TestWindowsExe, WindowsChangeOnCommand) {
    TestWindows helper = TestWindows::StartExe();
    HWND w = helper.Create(Plan(Kind::Frame, "Before", 100, 120, 260, 180));

    helper.Rename(w, "後の名前");
    EXPECT_EQ(WindowText(w), "後の名前");
    EXPECT_EQ(helper.State(w).title, "後の名前");

    helper.Minimise(w);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_TRUE(helper.State(w).iconic);
    helper.Restore(w);
    TestWindowState s = helper.State(w);
    EXPECT_FALSE(s.iconic);
    EXPECT_EQ(s.rect.left, 100);
    EXPECT_EQ(s.rect.top, 120);

    helper.Maximise(w);
    EXPECT_TRUE(helper.State(w).zoomed);
    helper.Restore(w);
    EXPECT_FALSE(helper.State(w).zoomed);

    helper.Move(w, 20300, 20400, 200, 100);
    s = helper.State(w);
    EXPECT_EQ(s.rect.left, 20300);
    EXPECT_EQ(s.rect.top, 20400);
    EXPECT_EQ(s.width(), 200);

    helper.Hide(w);
    EXPECT_FALSE(IsWindowVisible(w));
    helper.Show(w);
    EXPECT_TRUE(IsWindowVisible(w));

    helper.SetColour(w, 0x00FFFF);
    EXPECT_EQ(helper.State(w).colour, 0x00FFFFu);

    helper.Close(w);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(helper.State(w).exists);
    EXPECT_TRUE(helper.Windows().empty());
    EXPECT_THROW(helper.Minimise(w), DriverError);
}

TEST(TestWindowsExe, ClosesOnWmCloseAndCountsIt) {
    TestWindows helper = TestWindows::StartExe();
    HWND frame = helper.Create(Plan(Kind::Frame, "Frame to close", 100, 100, 200, 150));
    HWND dialog = helper.Create(Plan(Kind::Dialog, "Dialog to close", 150, 150, 200, 120).OwnedBy(frame));
    // The way another program closes a window: a posted WM_CLOSE.
    for (HWND w : {dialog, frame}) {
        ASSERT_TRUE(PostMessageA(w, WM_CLOSE, 0, 0));
        WaitFor([&] { return !IsWindow(w); }, 5000, "the window to close on WM_CLOSE");
        const TestWindowState s = helper.State(w);
        EXPECT_FALSE(s.exists);
        EXPECT_EQ(s.closeRequests, 1u);
    }
}

TEST(TestWindowsExe, HangingGroupLeavesTheControlAndOtherGroupsResponsive) {
    TestWindows helper = TestWindows::StartExe();
    HWND calm = helper.Create(Plan(Kind::Frame, "Calm", 50, 50, 200, 150));
    HWND sleepy = helper.Create(Plan(Kind::Frame, "Sleepy", 300, 50, 200, 150).InGroup(1));
    EXPECT_NE(helper.State(calm).threadId, helper.State(sleepy).threadId);

    helper.Hang(sleepy, 60000);
    helper.WaitForState(sleepy, [](const TestWindowState& s) { return s.hanging; }, 5000, "the hang");
    // Until it is woken the window cannot answer, however long this waits.
    DWORD_PTR result = 0;
    EXPECT_FALSE(SendMessageTimeoutA(sleepy, WM_NULL, 0, 0, SMTO_NORMAL, 500, &result));
    EXPECT_TRUE(SendMessageTimeoutA(calm, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result));
    EXPECT_TRUE(helper.State(sleepy).exists);  // read without the hung thread
    EXPECT_EQ(WindowText(sleepy), "Sleepy");
    helper.Wake(sleepy);
    helper.WaitForState(sleepy, [](const TestWindowState& s) { return !s.hanging; }, 5000, "the end of the hang");
    EXPECT_TRUE(SendMessageTimeoutA(sleepy, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result));
}

TEST(TestWindowsExe, ExitsWhenItsLastWindowCloses) {
    TestWindows helper = TestWindows::StartExe({Plan(Kind::Frame, "Last one", 60, 60, 200, 150)}, true);
    const std::vector<HWND> windows = helper.Windows();
    ASSERT_EQ(windows.size(), 1u);
    helper.Close(windows[0]);
    EXPECT_EQ(helper.WaitForExit(10000), 0u);
}

// ---------------------------------------------------------------- helper DLL

// Compares a capture with the picture, shifted by (dx, dy) into outer-window
// coordinates; returns the number of differing pixels and reports the first.
int PictureMismatches(const PixelCapture& capture, int width, int height, int dx, int dy, uint32_t colour, int outerWidth,
                      int outerHeight) {
    int mismatches = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t expected = protocol::PictureColourAt(colour, x + dx, y + dy, outerWidth, outerHeight);
            if (capture.At(x, y) != expected && mismatches++ == 0)
                ADD_FAILURE() << "first difference at (" << x << ", " << y << "): " << Hex(capture.At(x, y))
                              << " instead of " << Hex(expected);
        }
    }
    return mismatches;
}

TEST(TestWindowsDll, InjectedHelperPaintsItsWholePictureForPrintWindow) {
    TestWindows helper = TestWindows::InjectIntoSelf();
    EXPECT_TRUE(helper.IsGuest());
    EXPECT_EQ(helper.ProcessId(), GetCurrentProcessId());
    const uint32_t colour = 0x3060C0;
    HWND w = helper.Create(Plan(Kind::Frame, "印刷テスト", 200, 150, 320, 240, colour));
    EXPECT_EQ(WindowProcessId(w), GetCurrentProcessId());
    EXPECT_NE(GetWindowThreadProcessId(w, nullptr), GetCurrentThreadId());

    TestWindowState s = helper.State(w);
    const int width = s.width(), height = s.height();
    {
        PixelCapture capture(width, height);
        ASSERT_TRUE(PrintWindow(w, capture.dc(), 0));
        s = helper.State(w);
        EXPECT_EQ(s.printCount, 1u);
        EXPECT_TRUE(s.lastPrintFlags & PRF_NONCLIENT);
        EXPECT_EQ(PictureMismatches(capture, width, height, 0, 0, colour, width, height), 0);
    }
    {
        const int clientWidth = s.client.right - s.client.left, clientHeight = s.client.bottom - s.client.top;
        PixelCapture capture(clientWidth, clientHeight);
        SendMessageA(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(capture.dc()), PRF_CLIENT);
        EXPECT_EQ(helper.State(w).printClientCount, 1u);
        EXPECT_EQ(PictureMismatches(capture, clientWidth, clientHeight, s.client.left - s.rect.left,
                                    s.client.top - s.rect.top, colour, width, height),
                  0);
        // WM_PAINT draws the same client picture on the screen.
        const PixelCapture screen = PixelCapture::FromScreen(w, true);
        EXPECT_GT(helper.State(w).paintCount, 0u);
        EXPECT_EQ(PictureMismatches(screen, clientWidth, clientHeight, s.client.left - s.rect.left,
                                    s.client.top - s.rect.top, colour, width, height),
                  0);
    }
    helper.ResetCounts(w);
    EXPECT_EQ(helper.PrintCount(w), 0u);
    helper.Close(w);
}

TEST(TestWindowsDll, InjectsIntoAForeignProcess) {
    Process host = StartProcess(TestWindowsExePath(), protocol::kIdleArgument, "");
    {
        TestWindows helper = TestWindows::Inject(host.handle.get(), host.id);
        HWND w = helper.Create(Plan(Kind::Frame, "Guest window", 120, 140, 220, 160));
        EXPECT_EQ(WindowProcessId(w), host.id);
        EXPECT_EQ(helper.Windows(), std::vector<HWND>{w});
        // A second injection finds the helper already there.
        TestWindows again = TestWindows::Inject(host.handle.get(), host.id);
        EXPECT_EQ(again.Windows(), std::vector<HWND>{w});
    }
    // The idle host has no way to be told to end; it is ours, so it ends by
    // its own handle.
    TerminateProcess(host.handle.get(), 0);
    WaitForExit(host.handle.get(), 5000, "the idle host");
}

// ---------------------------------------------------------------- remote probes

class RemoteControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        WindowPlan plan = Plan(Kind::Controls, "Controls", 50, 50, 520, 420);
        helper_ = std::make_unique<TestWindows>(TestWindows::StartExe({plan}));
        frame_ = helper_->Windows().at(0);
        status_ = FindChild(frame_, protocol::kControlsStatusBarId);
        ASSERT_NE(status_, nullptr);
    }
    std::unique_ptr<TestWindows> helper_;
    HWND frame_ = nullptr;
    HWND status_ = nullptr;
};

TEST_F(RemoteControlsTest, ListViewOfAnotherProcess) {
    ListViewProbe list(FindChild(frame_, protocol::kControlsListViewId));
    ASSERT_EQ(list.Count(), protocol::kControlsItemCount);
    EXPECT_EQ(list.Texts(), (std::vector<std::string>{"alpha", "ベータ", "gamma"}));
    for (int i = 0; i < protocol::kControlsItemCount; ++i) {
        EXPECT_EQ(list.Text(i, 1), protocol::kControlsSubItems[i]);
        EXPECT_EQ(list.ImageIndex(i), i);
    }
    EXPECT_EQ(list.Find("gamma"), 2);
    EXPECT_EQ(list.Find("delta"), -1);
    EXPECT_THROW(list.Text(protocol::kControlsItemCount), DriverError);
    const POINT first = list.Position(0), second = list.Position(1);
    EXPECT_TRUE(first.x != second.x || first.y != second.y);
    const RECT bounds = list.Bounds(1);
    EXPECT_GT(bounds.right, bounds.left);

    EXPECT_TRUE(list.Selected().empty());
    list.SelectOnly(1);
    EXPECT_EQ(list.Selected(), std::vector<int>{1});
    EXPECT_TRUE(list.IsSelected(1));
    EXPECT_EQ(StatusBarText(status_), "selected ベータ");
    list.Select(-1);
    EXPECT_EQ(list.Selected(), (std::vector<int>{0, 1, 2}));
    list.Select(-1, false);
    EXPECT_TRUE(list.Selected().empty());

    list.Click(2);
    EXPECT_EQ(list.Selected(), std::vector<int>{2});
    EXPECT_EQ(StatusBarText(status_), "click 2");
    list.DoubleClick(0);
    EXPECT_EQ(StatusBarText(status_), "dblclick 0");
}

TEST_F(RemoteControlsTest, ButtonsToolbarAndCommands) {
    EXPECT_EQ(StatusBarText(status_), protocol::kControlsStatusReady);
    HWND check = FindChild(frame_, protocol::kControlsCheckBoxId);
    ASSERT_NE(check, nullptr);
    EXPECT_FALSE(IsChecked(check));
    ClickButton(check);
    EXPECT_TRUE(IsChecked(check));
    EXPECT_EQ(StatusBarText(status_), protocol::kControlsStatusChecked);
    ClickButton(check);
    EXPECT_FALSE(IsChecked(check));
    EXPECT_EQ(StatusBarText(status_), protocol::kControlsStatusUnchecked);

    HWND toolbar = FindChild(frame_, protocol::kControlsToolBarId);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(IsToolButtonEnabled(toolbar, protocol::kControlsButtonEnabledId));
    EXPECT_FALSE(IsToolButtonEnabled(toolbar, protocol::kControlsButtonDisabledId));

    SendCommand(frame_, protocol::kControlsButtonEnabledId);
    EXPECT_EQ(StatusBarText(status_), "button 200");
    PostCommand(frame_, protocol::kControlsButtonDisabledId);
    WaitFor([&] { return StatusBarText(status_) == "button 201"; }, 5000, "the posted command");
    EXPECT_EQ(FindChild(frame_, 9999), nullptr);
}

// ---------------------------------------------------------------- VistrelProcess

// The driver's start and close path, on testwindows.exe showing a window that
// looks from outside like Vistrel's main window.
std::string StandInArgument(const char* title, const char* className) {
    return HelperArgument(Plan(Kind::Frame, title, 54, 76, 638, 478, 0xC0C0C0).OfClass(className));
}

TEST(VistrelProcessStandIn, PreparesFolderAndSettingsThenStartsAndCloses) {
    VistrelOptions options;
    options.exePath = TestWindowsExePath();
    options.arguments =
        StandInArgument(kVistrelTitle, kMainWindowClass) + " " + protocol::kExitWhenEmptyArgument;
    options.settingsKey = VistrelOptions::Key::Present;
    options.tims = 500;
    options.listDat = "C:\\a.exe\r\n";
    std::string folder;
    {
        VistrelProcess app = VistrelProcess::Start(options);
        folder = app.Folder();
        EXPECT_EQ(app.Title(), kVistrelTitle);
        EXPECT_TRUE(FileExists(folder + "Vistrel.exe"));
        EXPECT_EQ(app.DataFolder(), folder + "data\\" + UserName() + "\\");
        EXPECT_EQ(ReadWholeFile(app.DataFolder() + "list.dat"), "C:\\a.exe\r\n");
        EXPECT_FALSE(FileExists(app.DataFolder() + "trm.ini"));
        EXPECT_EQ(VistrelSettings::Read("tims"), 500u);
        EXPECT_FALSE(VistrelSettings::Read("hi").has_value());
        EXPECT_TRUE(app.OtherWindows().empty());
        EXPECT_THROW(app.Control(ids::ListView1), DriverError);
        // A main window left open by an earlier test is refused loudly.
        EXPECT_THROW(VistrelProcess::Start(options), DriverError);
        EXPECT_EQ(app.Close(), 0u);
        EXPECT_FALSE(app.IsRunning());
    }
    EXPECT_FALSE(DirectoryExists(folder));
    VistrelSettings::Remove();
}

TEST(VistrelProcessStandIn, FailedStartsSayWhy) {
    struct Case {
        const char* name;
        std::string arguments;
        int timeoutMs;
        const char* expected;  // part of the error message
    };
    const Case cases[] = {
        {"ends early", "bogus", 10000, "ended with code 2 before its main window appeared"},
        {"no main window", StandInArgument("Something else", "VistrelTestFrame"), 1500, "\"Something else\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VistrelOptions options;
        options.exePath = TestWindowsExePath();
        options.arguments = c.arguments;
        options.startTimeoutMs = c.timeoutMs;
        try {
            VistrelProcess::Start(options);
            ADD_FAILURE() << "started";
        } catch (const DriverError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
        }
    }
}

// ---------------------------------------------------------------- Vistrel

class VistrelSmoke : public VistrelTest {};

TEST_F(VistrelSmoke, MainWindowAppearsAndClosesCleanly) {
    VistrelProcess app = VistrelProcess::Start();
    EXPECT_EQ(app.Title(), kVistrelTitle);
    EXPECT_EQ(ClassName(app.MainWindow()), kMainWindowClass);
    EXPECT_TRUE(IsWindowVisible(app.MainWindow()));
    EXPECT_TRUE(FileExists(app.Folder() + "Vistrel.exe"));

    // Windows made inside the program's own process must not disturb it.
    {
        TestWindows guest = app.InjectTestWindows();
        HWND w = guest.Create(Plan(Kind::Frame, "Guest of Vistrel", 700, 500, 200, 150));
        EXPECT_EQ(WindowProcessId(w), app.ProcessId());
    }
    EXPECT_EQ(app.Close(), 0u);
}

}  // namespace
}  // namespace vistrel::e2e
