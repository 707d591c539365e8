// The program's start and end as a user meets them: one instance only, the
// settings in the registry, the data folder, and the main window's own small
// behaviours (what a selection shows, the toolbar states, floating on top).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

class StartupTest : public VistrelTest {};

// ---------------------------------------------------------------- single instance

TEST_F(StartupTest, SecondStartShowsTheRunningMessageAndLeavesTheFirstAlone) {
    VistrelProcess first = VistrelProcess::Start();
    const int items = first.ItemCount();

    // A copy of its own, so that anything the second start made on disk
    // would show in a folder nobody else uses.
    test::TempFolder folder("Vistrel-e2e-second");
    const std::string exe = folder.File("Vistrel.exe");
    ASSERT_TRUE(CopyFileA(VistrelExePath().c_str(), exe.c_str(), FALSE));
    Process second = StartProcess(exe, "", folder.Path());
    // Should a check below fail, no message box may stay behind.
    struct Cleanup {
        Process& process;
        test::TempFolder& folder;
        ~Cleanup() {
            if (!HasExited(process.handle.get())) {
                TerminateProcess(process.handle.get(), 1);
                WaitForSingleObject(process.handle.get(), 5000);
            }
            WaitUntil([&] { return folder.Remove(); }, 3000);
        }
    } cleanup{second, folder};

    HWND box = nullptr;
    WaitUntil([&] { return (box = FindTopLevel(second.id, kDialogClass)) != nullptr || HasExited(second.handle.get()); },
              15000);
    ASSERT_NE(box, nullptr) << "no message box from the second start";
    const std::string expected = std::string(kVistrelTitle) + " は実行中です。";
    const std::vector<std::string> texts = StaticTexts(box);
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end())
        << "the message box does not say \"" << expected << "\"";
    for (HWND w : TopLevelWindows(second.id, false))
        EXPECT_NE(ClassName(w), kMainWindowClass) << "the second start made a main window";

    const HWND ok = FindChild(box, IDOK);
    ASSERT_NE(ok, nullptr);
    ClickButton(ok);
    EXPECT_EQ(WaitForExit(second.handle.get(), 10000, "the second start"), 0u);
    EXPECT_FALSE(DirectoryExists(folder.File("data"))) << "the second start made a data folder";

    EXPECT_TRUE(first.IsRunning());
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutA(first.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
    EXPECT_EQ(first.ItemCount(), items);
    EXPECT_EQ(first.Close(), 0u);

    // The first one's exit gives the name back.
    VistrelProcess third = VistrelProcess::Start();
    EXPECT_EQ(third.Title(), kVistrelTitle);
    EXPECT_EQ(third.Close(), 0u);
}

// ---------------------------------------------------------------- settings

void WriteStringValue(const char* name, const char* text) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_WRITE, &key), ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(lstrlenA(text) + 1));
    RegCloseKey(key);
}

TEST_F(StartupTest, SettingsAreReadAtStartAndWrittenAtClose) {
    using Key = VistrelOptions::Key;
    struct Case {
        const char* name;
        Key key;
        std::optional<uint32_t> hi, clip, tims;
        const char* timsText;  // written as REG_SZ when given
        const char* label1;
        bool highQuality;
        // After close; all three absent when the key is.
        std::optional<uint32_t> hiAfter, clipAfter, timsAfter;
    };
    const Case cases[] = {
        {"key absent", Key::Absent, {}, {}, {}, nullptr, "0", false, {}, {}, {}},
        {"key present, empty", Key::Present, {}, {}, {}, nullptr, "1000ms", false, 0, 1, 1000},
        {"interval 500", Key::Present, {}, {}, 500, nullptr, "500ms", false, 0, 1, 500},
        {"high quality on, clipping display off", Key::Present, 2, 0, {}, nullptr, "1000ms", true, 1, 0, 1000},
        {"interval of the wrong type", Key::AsPrepared, {}, {}, {}, "500", "1000ms", false, 0, 1, 1000},
        {"interval 0: a timer that never ticks keeps the default", Key::Present, {}, {}, 0u, nullptr, "1000ms",
         false, 0, 1, 1000},
        {"interval beyond the system's longest", Key::Present, {}, {}, 0xFFFFFFFFu, nullptr, "2147483647ms", false,
         0, 1, 0x7FFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VistrelOptions options;
        options.settingsKey = c.key;
        options.hi = c.hi;
        options.clip = c.clip;
        options.tims = c.tims;
        if (c.timsText) {
            VistrelSettings::Create();
            WriteStringValue("tims", c.timsText);
        }
        VistrelProcess app = VistrelProcess::Start(options);
        EXPECT_EQ(app.ControlText(ids::Label1), c.label1);
        EXPECT_EQ(app.IsChecked(ids::HighQualityChkBox), c.highQuality);
        // Written at close only, never while running.
        if (c.key != Key::Absent && !c.tims && !c.timsText) {
            EXPECT_FALSE(VistrelSettings::Read("tims").has_value());
        }
        ASSERT_EQ(app.Close(), 0u);

        EXPECT_EQ(VistrelSettings::Exists(), c.key != Key::Absent) << "the key is created by the program";
        EXPECT_EQ(VistrelSettings::Read("hi"), c.hiAfter);
        EXPECT_EQ(VistrelSettings::Read("clip"), c.clipAfter);
        EXPECT_EQ(VistrelSettings::Read("tims"), c.timsAfter);
    }
    VistrelSettings::Remove();
}

// ---------------------------------------------------------------- data folder

TEST_F(StartupTest, DataFolderIsMadePerUserAndListDatWrittenAtClose) {
    struct Case {
        const char* name;
        std::optional<std::string> listDat;  // before the start
        std::string after;
    };
    const Case cases[] = {
        {"no list.dat: an empty file", {}, ""},
        {"lines ended by CR LF stay", "C:\\One\\a.exe\r\nC:\\Two\\b.exe\r\n", "C:\\One\\a.exe\r\nC:\\Two\\b.exe\r\n"},
        {"CR, LF and a last line without an end", "C:\\One\\a.exe\rC:\\Two\\b.exe\nC:\\Three\\c.exe",
         "C:\\One\\a.exe\r\nC:\\Two\\b.exe\r\nC:\\Three\\c.exe\r\n"},
        {"empty lines are entries too", "\r\n\nC:\\x.exe\r\r", "\r\n\r\nC:\\x.exe\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VistrelOptions options;
        options.listDat = c.listDat;
        VistrelProcess app = VistrelProcess::Start(options);
        EXPECT_EQ(app.DataFolder(), app.Folder() + "data\\" + UserName() + "\\");
        EXPECT_TRUE(DirectoryExists(app.DataFolder())) << app.DataFolder();
        if (!c.listDat) {
            EXPECT_FALSE(FileExists(app.DataFolder() + "list.dat")) << "written before the close";
        }
        ASSERT_EQ(app.Close(), 0u);
        EXPECT_EQ(ReadWholeFile(app.DataFolder() + "list.dat"), c.after);
    }
}

// ---------------------------------------------------------------- main window

// One helper and one Vistrel for the cases on the running main window; each
// case leaves the selection empty and the main window active.
class SelectionAndActivationTest : public SharedVistrelSuite<SelectionAndActivationTest> {
protected:
    friend class SharedVistrelSuite<SelectionAndActivationTest>;

    static void StartAll() {
        helper_ = std::make_unique<TestWindows>(TestWindows::StartExe());
        open_ = helper_->Create(Plan(Kind::Frame, "選択するウィンドウ", 760, 560, 260, 170));
        minimised_ = helper_->Create(Plan(Kind::Frame, "Minimised helper", 800, 600, 260, 170));
        helper_->Minimise(minimised_);
        app_ = std::make_unique<VistrelProcess>(VistrelProcess::Start());
    }

    void TearDown() override {
        if (app_ && app_->IsRunning()) app_->List().Select(-1, false);
    }

    static int ItemOf(const std::string& title) {
        const int item = app_->List().Find(title);
        if (item < 0) throw DriverError("\"" + title + "\" is not listed");
        return item;
    }

    static inline HWND open_ = nullptr;
    static inline HWND minimised_ = nullptr;
};

TEST_F(SelectionAndActivationTest, SelectionShowsTitleAndExecutablePath) {
    ListViewProbe list = app_->List();
    list.SelectOnly(ItemOf("選択するウィンドウ"));
    EXPECT_EQ(app_->ControlText(ids::Panel5), "選択するウィンドウ");
    const std::string path = app_->StatusText();
    EXPECT_TRUE(SameTextIgnoringCase(path, TestWindowsExePath()))
        << "status line \"" << path << "\", helper \"" << TestWindowsExePath() << "\"";

    list.Select(-1, false);
    EXPECT_EQ(app_->ControlText(ids::Panel5), "");
    EXPECT_EQ(app_->StatusText(), "");
}

TEST_F(SelectionAndActivationTest, ToolbarStatesFollowTheSelection) {
    struct Button {
        const char* name;
        int id;
    };
    const Button buttons[] = {
        {"show", ids::ToolButton3},         {"minimise", ids::ToolButton4},     {"close", ids::ToolButton5},
        {"translucent", ids::ToolButton7},  {"level", ids::ToolButton9},        {"opaque", ids::ToolButton10},
        {"sort", ids::SortToolBtn},         {"forward", ids::ToolButton16},     {"back", ids::ToolButton17},
    };
    struct Case {
        const char* name;
        std::vector<const char*> selected;
        // In the order of `buttons`.
        std::vector<bool> enabled;
    };
    const Case cases[] = {
        {"nothing selected", {}, {false, false, false, false, false, false, true, false, false}},
        {"an open window", {"選択するウィンドウ"}, {false, true, true, true, true, true, true, true, true}},
        {"a minimised window", {"Minimised helper"}, {true, false, true, false, false, false, true, true, true}},
        {"both", {"選択するウィンドウ", "Minimised helper"}, {true, true, true, true, true, true, true, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListViewProbe list = app_->List();
        list.Select(-1, false);
        for (const char* title : c.selected) list.Select(ItemOf(title));
        auto states = [&] {
            std::string text;
            for (const Button& b : buttons)
                text += std::string(b.name) + (app_->IsButtonEnabled(b.id) ? "+ " : "- ");
            return text;
        };
        std::string want;
        for (size_t i = 0; i < std::size(buttons); ++i)
            want += std::string(buttons[i].name) + (c.enabled[i] ? "+ " : "- ");
        // The change tick sets them twice a second.
        EXPECT_TRUE(WaitUntil([&] { return states() == want; }, 5000))
            << "want " << want << "\nhave " << states();
    }
}

bool IsTopmost(HWND window) { return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// True when `upper` comes before `lower` in the Z order of top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper) return true;
        if (w == lower) return false;
    }
    return false;
}

TEST_F(SelectionAndActivationTest, FloatsOnTopWhileActiveAndDropsBehindOtherwise) {
    const HWND main = app_->MainWindow();
    // Another program's topmost window: only a topmost main window rises
    // above it. (Wine 8 also needs it: there a window that owns hidden popups,
    // as our main window owns its tooltips, does not keep WS_EX_TOPMOST from
    // SetWindowPos(HWND_TOPMOST) when no other visible window is topmost.
    // Windows does.)
    const HWND topmost = helper_->Create(Plan(Kind::Frame, "Topmost helper", 900, 100, 200, 120));
    SetWindowPos(topmost, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(IsTopmost(topmost));

    struct Step {
        const char* name;
        HWND activate;
        bool mainOnTop;
    };
    const Step steps[] = {
        {"a helper window activated", open_, false},
        {"the main window activated", main, true},
        {"the helper window activated again", open_, false},
        {"the main window activated again", main, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        SetForegroundWindow(s.activate);
        WaitFor([&] { return GetForegroundWindow() == s.activate; }, 5000, "the activation");
        EXPECT_TRUE(WaitUntil([&] { return IsTopmost(main) == s.mainOnTop; }, 5000))
            << "WS_EX_TOPMOST of the main window is " << IsTopmost(main);
        if (s.mainOnTop) {
            EXPECT_TRUE(IsAbove(main, topmost)) << "the main window is below another topmost window";
        } else {
            EXPECT_TRUE(IsAbove(open_, main)) << "the main window did not drop behind the activated window";
            // Dropping behind must not take the activation back.
            EXPECT_EQ(GetForegroundWindow(), open_);
        }
    }
    helper_->Close(topmost);
}

}  // namespace
}  // namespace vistrel::e2e
