// The commands on the selected windows, as a user gives them: show, minimise
// and close from the toolbar, the select commands, moving an item, in and out
// of "Open Only" mode. The windows belong to another process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "ListWaits.h"
#include "TempFolder.h"
#include "ThumbnailProbe.h"
#include "VistrelSuites.h"
#include "WindowPlaces.h"

namespace vistrel::e2e {
namespace {

class ActionsTest : public VistrelTest {
protected:
    // Windows of a helper process, then Vistrel listing them.
    void StartWith(const std::vector<std::string>& titles) {
        std::vector<WindowPlan> plans;
        for (size_t i = 0; i < titles.size(); ++i) {
            const int at = static_cast<int>(i);
            plans.push_back(Plan(Kind::Frame, titles[i], kBesideVistrelX + 30 * at, 60 + 90 * at, 300, 200,
                                 0x3050D0 + 0x101010 * static_cast<uint32_t>(i))
                                .Quiet());
        }
        helper_.emplace(TestWindows::StartExe(plans));
        windows_ = helper_->Windows();
        app_.emplace(VistrelProcess::Start());
        for (const std::string& title : titles) ThumbnailProbe(*app_).WaitForItem(title);
    }

    int Item(const std::string& title) const {
        const int item = app_->List().Find(title);
        if (item < 0) throw DriverError("\"" + title + "\" is not listed");
        return item;
    }
    void Select(const std::vector<std::string>& titles) const {
        const ListViewProbe list = app_->List();
        list.Select(-1, false);
        for (const std::string& title : titles) list.Select(Item(title));
    }
    std::vector<std::string> SelectedTitles() const {
        std::vector<std::string> titles;
        for (int item : app_->List().Selected()) titles.push_back(app_->List().Text(item));
        return titles;
    }
    // A tool button as the user presses it: once the change tick has enabled
    // it for the selection.
    void Press(int button) const {
        WaitFor([&] { return app_->IsButtonEnabled(button); }, 5000, "tool button " + std::to_string(button));
        app_->Command(button);
    }
    // A fresh list takes the minimised state from the windows themselves.
    void Refresh() const { app_->Command(ids::ToolButton1); }

    std::optional<TestWindows> helper_;
    std::vector<HWND> windows_;
    std::optional<VistrelProcess> app_;
};

TEST_F(ActionsTest, ShowAndMinimiseTheSelectedWindows) {
    StartWith({"Act one", "Act two", "Act three"});
    helper_->Minimise(windows_[0]);
    Refresh();

    // A mixed selection: show restores the minimised one and leaves the open one.
    Select({"Act one", "Act two"});
    Press(ids::ToolButton3);
    EXPECT_FALSE(helper_->State(windows_[0]).iconic);
    EXPECT_FALSE(helper_->State(windows_[1]).iconic);

    Press(ids::ToolButton4);
    EXPECT_TRUE(WaitUntil([&] { return helper_->State(windows_[0]).iconic && helper_->State(windows_[1]).iconic; },
                          5000));
    EXPECT_FALSE(helper_->State(windows_[2]).iconic) << "an unselected window is left alone";

    // The select commands go by what Vistrel last saw of each window.
    app_->Command(ids::Window1);
    EXPECT_EQ(SelectedTitles(), std::vector<std::string>{"Act three"});
    app_->Command(ids::N3);
    EXPECT_EQ(SelectedTitles(), (std::vector<std::string>{"Act one", "Act two"}));
    app_->Command(ids::ToolButton2);
    EXPECT_EQ(SelectedTitles().size(), 3u);
}

TEST_F(ActionsTest, OpenOnlyParksAndShowBringsBackExactly) {
    StartWith({"Act park one", "Act park two"});
    const RECT home0 = helper_->State(windows_[0]).rect;
    const RECT home1 = helper_->State(windows_[1]).rect;
    app_->ClickCheckBox(ids::CheckBox1);
    Select({"Act park one", "Act park two"});
    WaitFor([&] { return app_->IsButtonEnabled(ids::ToolButton4); }, 5000, "the minimise button");
    // Parking has nothing to wait for: the command does not run to the
    // bound of its waits (a figure, not a check).
    const ULONGLONG pressed = GetTickCount64();
    app_->Command(ids::ToolButton4);
    Report("open_only_minimise_two_ms", Elapsed(pressed));
    for (const auto& [window, home] : {std::pair{windows_[0], home0}, std::pair{windows_[1], home1}}) {
        const TestWindowState s = helper_->State(window);
        EXPECT_FALSE(s.iconic);
        EXPECT_EQ(s.rect.left, home.left + kParkingOffset);
        EXPECT_EQ(s.rect.top, home.top + kParkingOffset);
    }
    Select({"Act park one", "Act park two"});
    Press(ids::ToolButton3);
    for (const auto& [window, home] : {std::pair{windows_[0], home0}, std::pair{windows_[1], home1}}) {
        const TestWindowState s = helper_->State(window);
        EXPECT_EQ(s.rect.left, home.left);
        EXPECT_EQ(s.rect.top, home.top);
    }
}

TEST_F(ActionsTest, DoubleClickTogglesTheWindow) {
    StartWith({"Act toggle"});
    const ListViewProbe list = app_->List();
    list.DoubleClick(list.Find("Act toggle"));
    EXPECT_TRUE(WaitUntil([&] { return helper_->State(windows_[0]).iconic; }, 5000)) << "minimised";
    list.DoubleClick(list.Find("Act toggle"));
    EXPECT_TRUE(WaitUntil([&] { return !helper_->State(windows_[0]).iconic; }, 5000)) << "restored";
}

TEST_F(ActionsTest, CloseAsksTheWindowsAndOnlyThoseThatCloseGo) {
    StartWith({"Act close"});
    // Made on command: the helper's command line does not carry the trait.
    windows_.push_back(helper_->Create(
        Plan(Kind::Frame, "Act stay open", kBesideVistrelX, 400, 300, 200, 0x40B040).Quiet().RefusingClose()));
    ThumbnailProbe(*app_).WaitForItem("Act stay open");
    Select({"Act close", "Act stay open"});
    Press(ids::ToolButton5);
    EXPECT_EQ(helper_->State(windows_[0]).closeRequests, 1u);
    EXPECT_EQ(helper_->State(windows_[1]).closeRequests, 1u);
    ThumbnailProbe(*app_).WaitForNoItem("Act close");
    // Read once the list has settled: a rebuild may be under way.
    EXPECT_TRUE(WaitUntil([&] { return app_->List().Find("Act stay open") >= 0; }, 5000))
        << "a window that refused stays listed";
    EXPECT_TRUE(helper_->State(windows_[1]).exists);
}

TEST_F(ActionsTest, ARebuildKeepsTheSelectionAndTheScrollAndCommandsActOnThem) {
    std::vector<std::string> titles;
    for (int n = 1; n <= 14; ++n) titles.push_back("Keep " + std::string(n < 10 ? "0" : "") + std::to_string(n));
    StartWith(titles);
    const ListViewProbe list = app_->List();
    SendMessageA(list.handle(), LVM_SCROLL, 0, 400);  // down the list, by the user's wheel as it were
    Select({"Keep 11", "Keep 12"});
    const RECT shown = list.Bounds(Item("Keep 11"));
    ASSERT_LT(list.Bounds(0).top, 0) << "the list is scrolled";

    // A window opens and closes elsewhere: two rebuilds.
    const HWND other =
        helper_->Create(Plan(Kind::Frame, "Keep passing", kBesideVistrelX, 500, 200, 150, 0x40B040).Quiet());
    ThumbnailProbe(*app_).WaitForItem("Keep passing");
    helper_->Close(other);
    ThumbnailProbe(*app_).WaitForNoItem("Keep passing");
    const std::vector<std::string> two{"Keep 11", "Keep 12"};
    EXPECT_TRUE(WaitUntil([&] { return Settled([&] { return SelectedTitles() == two; }); }, 5000));
    EXPECT_EQ(list.Bounds(Item("Keep 11")).top, shown.top) << "the view has not scrolled";

    Press(ids::ToolButton4);
    EXPECT_TRUE(WaitUntil(
        [&] { return helper_->State(windows_[10]).iconic && helper_->State(windows_[11]).iconic; }, 5000));
    EXPECT_FALSE(helper_->State(windows_[0]).iconic);
}

TEST_F(ActionsTest, TheKeysOfTheListGoToCloseAndOpenTheMenuAtTheFocusedItem) {
    StartWith({"Key one", "Key two", "Key three"});
    const ListViewProbe list = app_->List();
    ThumbnailProbe(*app_).BringToFront();
    const HWND listView = app_->Control(ids::ListView1);
    list.Click(Item("Key two"));  // selected, and the list has the focus

    // Enter goes to the window: in front of everything.
    PressKey(listView, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows_[1]; }, 5000));

    // Delete asks the selected window to close.
    ThumbnailProbe(*app_).BringToFront();
    list.Click(Item("Key three"));
    PressKey(listView, VK_DELETE);
    EXPECT_TRUE(WaitUntil([&] { return helper_->State(windows_[2]).closeRequests == 1; }, 5000));
    EXPECT_EQ(helper_->State(windows_[1]).closeRequests, 0u);

    // Shift+F10 opens the item menu at the focused item, typed for real.
    ThumbnailProbe(*app_).BringToFront();
    list.Click(Item("Key one"));
    const RECT item = list.Bounds(Item("Key one"));
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(listView, &centre);
    TypeChord({VK_SHIFT, VK_F10});
    const HWND menu = app_->WaitForWindow("#32768");
    RECT at{};
    GetWindowRect(menu, &at);
    EXPECT_LE(std::abs(at.left - centre.x) + std::abs(at.top - centre.y), 4) << "the menu opens at the item";
    PressKey(menu, VK_ESCAPE);
    WaitFor([&] { return !IsWindowVisible(menu); }, 5000, "the menu to close");
}

TEST_F(ActionsTest, TypingNarrowsTheListByTitleOrProgramAndBackspaceAndEscapeWiden) {
    StartWith({"検索 りんご", "検索 みかん", "Other"});
    TestWindows inside = app_->InjectTestWindows();  // a window of Vistrel.exe itself
    inside.Create(Plan(Kind::Frame, "Inside", kBesideVistrelX, 500, 200, 150, 0x40B040).Quiet());
    ThumbnailProbe(*app_).WaitForItem("Inside");
    const HWND listView = app_->Control(ids::ListView1);
    const auto type = [&](const std::string& text) {
        for (const char byte : text) PostMessageA(listView, WM_CHAR, static_cast<BYTE>(byte), 1);
    };
    const auto shows = [&](std::vector<std::string> titles) {
        std::sort(titles.begin(), titles.end());
        return WaitUntil([&] {
            auto now = TitlesIfReadable(*app_);
            if (!now) return false;
            std::sort(now->begin(), now->end());
            return *now == titles;
        }, 5000);
    };
    type("りん");
    EXPECT_TRUE(shows({"検索 りんご"}));
    EXPECT_EQ(app_->StatusText(), "検索: りん (1)");
    EXPECT_EQ(SelectedTitles(), std::vector<std::string>{"検索 りんご"}) << "the first found is selected";
    PressKey(listView, VK_BACK);
    PressKey(listView, VK_BACK);
    EXPECT_TRUE(shows({"検索 りんご", "検索 みかん", "Other", "Inside"}));
    type("VISTREL.E");  // the program file, whatever the case
    EXPECT_TRUE(shows({"Inside"}));
    PressKey(listView, VK_ESCAPE);
    EXPECT_TRUE(shows({"検索 りんご", "検索 みかん", "Other", "Inside"}));
    EXPECT_EQ(app_->StatusText().find("検索"), std::string::npos);
}

TEST_F(ActionsTest, MovingAnItemSurvivesARefresh) {
    StartWith({"Act A", "Act B", "Act C"});
    const std::vector<std::string> before = app_->ListTitles();
    ASSERT_EQ(before.size(), 3u);

    // Forward from the first place: nothing moves.
    Select({before[0]});
    WaitFor([&] { return app_->IsButtonEnabled(ids::ToolButton16); }, 5000, "the move buttons");
    app_->Command(ids::ToolButton16);
    EXPECT_EQ(app_->ListTitles(), before);

    // Back one place: the selection travels with the window.
    Press(ids::ToolButton17);
    const std::vector<std::string> moved{before[1], before[0], before[2]};
    EXPECT_EQ(app_->ListTitles(), moved);
    EXPECT_EQ(SelectedTitles(), std::vector<std::string>{before[0]});
    // Both swapped slots carry their own index as the key a rebuild sorts by.
    EXPECT_EQ(app_->List().Text(0, 1), "0");
    EXPECT_EQ(app_->List().Text(1, 1), "1");

    Refresh();
    EXPECT_EQ(app_->ListTitles(), moved);
}

// Sorting reorders the list for good (each item's key is its new place) and
// keeps the order of items that compare equal.
TEST_F(ActionsTest, SortingIsStableAndSurvivesARefresh) {
    StartWith({"Act b", "Act A", "Act c"});
    Select({"Act A"});
    app_->Command(ids::OFF1);
    app_->Command(ids::ON2);  // automatic update first: "Act A" goes last, the others keep their order
    std::vector<std::string> expected = app_->ListTitles();
    EXPECT_EQ(expected.back(), "Act A");
    EXPECT_EQ(SelectedTitles(), std::vector<std::string>{"Act A"}) << "the selection travels with the window";

    app_->Command(ids::SortToolBtn);  // by title, in the user's word order: A before b
    expected = {"Act A", "Act b", "Act c"};
    EXPECT_EQ(app_->ListTitles(), expected);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(app_->List().Text(i, 1), std::to_string(i));
    Refresh();
    EXPECT_EQ(app_->ListTitles(), expected);
}

// Transparent, a level previewed on release and applied by OK, cancel and
// release; at the end every window the program made layered is as before,
// and a window layered by its own program keeps its own opacity.
TEST_F(ActionsTest, TranslucencyIsPreviewedAppliedAndGivenBackAtTheEnd) {
    StartWith({"Act see", "Act own"});
    const HWND see = windows_[0], own = windows_[1];
    SetWindowLongPtrA(own, GWL_EXSTYLE, GetWindowLongPtrA(own, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(own, 0, 200, LWA_ALPHA);

    Select({"Act see"});
    Press(ids::ToolButton7);
    EXPECT_TRUE(LayeringOf(see).layered);
    EXPECT_EQ(LayeringOf(see).alpha, 0);
    Press(ids::ToolButton10);
    EXPECT_FALSE(LayeringOf(see).layered);

    // The level dialog: its label starts at 255; a key let go previews.
    auto openLevel = [&] {
        WaitFor([&] { return app_->IsButtonEnabled(ids::ToolButton9); }, 5000, "the level button");
        app_->PostCommand(ids::ToolButton9);
        return app_->WaitForWindow("TLebelDlg");
    };
    HWND dialog = openLevel();
    EXPECT_NE(StaticTexts(dialog).size(), 0u);
    EXPECT_EQ(StaticTexts(dialog).front(), "透明 ←  255  → 不透明");
    HWND bar = FindWindowExA(dialog, nullptr, TRACKBAR_CLASSA, nullptr);
    SendBounded(bar, TBM_SETPOS, TRUE, 101);
    SendBounded(bar, WM_KEYDOWN, VK_LEFT, 0);
    SendBounded(bar, WM_KEYUP, VK_LEFT, 0);
    EXPECT_TRUE(WaitUntil([&] { return LayeringOf(see).layered && LayeringOf(see).alpha == 100; }, 5000))
        << "previewed at " << int(LayeringOf(see).alpha);
    ClickButton(GetDlgItem(dialog, IDCANCEL));
    WaitFor([&] { return !IsWindow(dialog); }, 5000, "the level dialog to close");
    EXPECT_FALSE(LayeringOf(see).layered) << "cancel leaves no level";

    dialog = openLevel();
    bar = FindWindowExA(dialog, nullptr, TRACKBAR_CLASSA, nullptr);
    SendBounded(bar, TBM_SETPOS, TRUE, 150);
    ClickButton(GetDlgItem(dialog, IDOK));
    WaitFor([&] { return !IsWindow(dialog); }, 5000, "the level dialog to close");
    // Applied once the dialog has gone, in the same handler.
    EXPECT_TRUE(WaitUntil([&] { return LayeringOf(see).alpha == 150; }, 5000)) << int(LayeringOf(see).alpha);

    Select({"Act own"});
    Press(ids::ToolButton7);
    EXPECT_EQ(LayeringOf(own).alpha, 0);
    EXPECT_EQ(app_->Close(), 0u);
    EXPECT_FALSE(LayeringOf(see).layered);
    EXPECT_TRUE(LayeringOf(own).layered);
    EXPECT_EQ(LayeringOf(own).alpha, 200);
}

// Released while it is busy for a moment: its style cannot change without
// waiting for it, but it is visible at once, and the style goes as soon as
// it answers again.
TEST_F(ActionsTest, AReleasedWindowThatIsBusyIsVisibleAtOnce) {
    StartWith({"Act busy"});
    const HWND busy = windows_[0];
    Select({"Act busy"});
    Press(ids::ToolButton7);
    ASSERT_EQ(LayeringOf(busy).alpha, 0);
    helper_->Hang(busy, 30000);
    helper_->WaitForState(busy, [](const TestWindowState& s) { return s.hanging != 0; }, 5000, "the hang");
    Press(ids::ToolButton10);
    EXPECT_EQ(LayeringOf(busy).alpha, 255) << "left invisible";
    helper_->Wake(busy);
    EXPECT_TRUE(WaitUntil([&] { return !LayeringOf(busy).layered; }, 5000)) << "the style stayed";
}

// The interval dialog: its label reads in milliseconds, a right-click chooses
// the default, OK sets the timer.
TEST_F(ActionsTest, TheIntervalDialogSetsTheUpdateInterval) {
    StartWith({"Act timed"});
    app_->PostCommand(ids::ToolButton18);
    const HWND dialog = app_->WaitForWindow("TLebelDlg");
    EXPECT_EQ(WindowText(dialog), "更新間隔の設定");
    const HWND bar = FindWindowExA(dialog, nullptr, TRACKBAR_CLASSA, nullptr);
    SendBounded(bar, TBM_SETPOS, TRUE, 300);
    SendBounded(bar, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    SendBounded(bar, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(SendBounded(bar, TBM_GETPOS, 0, 0), 1000);
    EXPECT_EQ(StaticTexts(dialog), std::vector<std::string>{"早い ←  1000ms  → 遅い"});
    SendBounded(bar, TBM_SETPOS, TRUE, 700);
    ClickButton(GetDlgItem(dialog, IDOK));
    WaitFor([&] { return !IsWindow(dialog); }, 5000, "the interval dialog to close");
    EXPECT_EQ(app_->ControlText(ids::Label1), "700ms");
}

// For the life of the object, documents of a type open with the helper, which
// writes down what it was asked to open. The prefix's own association comes
// back afterwards.
class RecordingOpener {
public:
    RecordingOpener(const std::string& extension, const std::string& record) : extension_(extension) {
        const std::string type = "VistrelTestDocument";
        previous_ = Default(kClasses + extension_);
        SetDefault(kClasses + extension_, type);
        // Appended piece by piece: GCC 12 warns falsely about a chain of + here.
        std::string command = "\"";
        command += TestWindowsExePath();
        command += "\" ";
        command += protocol::kRecordArgument;
        command += " \"";
        command += record;
        command += "\" \"%1\"";
        SetDefault(kClasses + type + "\\shell\\open\\command", command);
    }
    ~RecordingOpener() { SetDefault(kClasses + extension_, previous_); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

private:
    static constexpr const char* kClasses = "Software\\Classes\\";
    static std::string Default(const std::string& key) {
        char value[256] = {};
        LONG size = sizeof value;
        return RegQueryValueA(HKEY_LOCAL_MACHINE, key.c_str(), value, &size) == ERROR_SUCCESS ? value : "";
    }
    static void SetDefault(const std::string& key, const std::string& value) {
        HKEY handle = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                            nullptr) != ERROR_SUCCESS)
            throw DriverError("cannot write HKLM\\" + key);
        RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(handle);
    }
    std::string extension_;
    std::string previous_;
};

TEST_F(ActionsTest, HelpOpensTheHelpFileBesideTheProgram) {
    StartWith({"Act help"});
    test::TempFolder folder("Vistrel-e2e-help");
    const std::string record = folder.File("opened.txt");
    const RecordingOpener opener(".htm", record);
    app_->Command(ids::ToolButton13);
    auto lower = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    // The record may be seen before its writer has finished it.
    const auto written = [&] { return lower(ReadWholeFile(record).value_or("")); };
    WaitFor([&] { return written().ends_with(".htm"); }, 15000, "the help file to be opened");
    // The helper wrote its working folder and the name it was given: the
    // full path, never a bare name the shell could find somewhere else.
    const std::string opened = written();
    EXPECT_EQ(opened, lower(app_->Folder() + "Help\n" + app_->Folder() + "Help\\Vistrel.htm"));
    EXPECT_TRUE(FileExists(app_->Folder() + "Help\\Vistrel.htm"));
}

}  // namespace
}  // namespace vistrel::e2e
