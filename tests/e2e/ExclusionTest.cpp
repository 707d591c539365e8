// Excluding a program: from the context menu while running, through list.dat
// across a restart. An entry is an executable, so every window of the helper
// goes, whatever its title, while windows of other programs stay. The
// exclusion list dialog lists list.dat's lines, deletes the selected ones,
// and changes the list only through OK.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListWaits.h"
#include "VistrelSuites.h"
#include "TempFolder.h"
#include "common/Utf16.h"
#include "exclusion/JogaiIds.h"
#include "platform/Text.h"

namespace vistrel::e2e {
namespace {

class ExclusionTest : public VistrelTest {};

constexpr const char* kHelperTitles[] = {"Exclude me", "除外されるウィンドウ", "Same program, other title"};

std::vector<WindowPlan> HelperWindows() {
    std::vector<WindowPlan> plans;
    int x = 700;
    for (const char* title : kHelperTitles) {
        plans.push_back(Plan(Kind::Frame, title, x, 560, 220, 140));
        x += 30;
    }
    return plans;
}

std::vector<std::string> HelperTitlesIn(const std::vector<std::string>& titles) {
    std::vector<std::string> listed;
    for (const char* title : kHelperTitles)
        if (Contains(titles, title)) listed.push_back(title);
    return listed;
}

// The lines of list.dat, each of which must end in CR LF.
std::vector<std::string> ListDatLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "list.dat does not end with CR LF";
    return lines;
}

constexpr const char* kGuestTitle = "Window of another program";

// A window of Vistrel's own process: another executable, so it stays. Made
// after the helper's windows (or after the command that excludes them), it is
// also the witness that the list looked at is a later one: the enumeration
// that found it found them too, had they not been left out.
void GuestWindow(const VistrelProcess& app, TestWindows& guest, const std::string& title = kGuestTitle) {
    guest.Create(Plan(Kind::Frame, title, 200, 620, 200, 120));
    app.Command(ids::ToolButton1);
}

// The first list that holds the window of another program.
std::vector<std::string> ListWithGuest(const VistrelProcess& app, const std::string& title = kGuestTitle) {
    return WaitForTitles(app, {title});
}

TEST_F(ExclusionTest, ExcludingOneWindowRemovesItsProgramAndIsSavedOnce) {
    TestWindows helper = TestWindows::StartExe(HelperWindows());
    VistrelProcess app = VistrelProcess::Start();
    TestWindows guest = app.InjectTestWindows();
    GuestWindow(app, guest);
    std::vector<std::string> titles = ListWithGuest(app);
    ASSERT_EQ(HelperTitlesIn(titles).size(), std::size(kHelperTitles));

    // Three windows of one program in one command, and the command twice:
    // one line. (Should the change tick rebuild the list between the two
    // commands, the second finds nothing selected and adds nothing either.)
    ListViewProbe list = app.List();
    list.Select(-1, false);
    for (const char* title : kHelperTitles) {
        const int item = list.Find(title);
        ASSERT_GE(item, 0) << title;  // -1 would select every item
        list.Select(item);
    }
    ASSERT_EQ(list.Selected().size(), std::size(kHelperTitles));
    app.Command(ids::N9);
    app.Command(ids::N9);
    GuestWindow(app, guest, "Made after the exclusion");
    titles = ListWithGuest(app, "Made after the exclusion");
    EXPECT_TRUE(HelperTitlesIn(titles).empty());
    EXPECT_TRUE(Contains(titles, kGuestTitle));

    // Whatever its title, a new window of that program stays out.
    helper.Create(Plan(Kind::Frame, "Opened after the exclusion", 640, 640, 200, 120));
    GuestWindow(app, guest, "Made after the new window");
    titles = ListWithGuest(app, "Made after the new window");
    EXPECT_FALSE(Contains(titles, "Opened after the exclusion"));
    EXPECT_TRUE(Contains(titles, kGuestTitle));

    guest.CloseAll();
    ASSERT_EQ(app.Close(), 0u);
    const auto saved = ReadWholeFile(app.DataFolder() + "list.dat");
    ASSERT_TRUE(saved) << "no list.dat";
    const std::vector<std::string> lines = ListDatLines(*saved);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(SameTextIgnoringCase(lines[0], TestWindowsExePath()))
        << "list.dat holds \"" << lines[0] << "\", the helper is \"" << TestWindowsExePath() << "\"";
}

// No refresh asked for: the change tick sees fewer qualifying windows.
TEST_F(ExclusionTest, ChangeTickDropsExcludedWindows) {
    TestWindows helper = TestWindows::StartExe(HelperWindows());
    VistrelProcess app = VistrelProcess::Start();
    TestWindows guest = app.InjectTestWindows();
    GuestWindow(app, guest);
    ASSERT_EQ(HelperTitlesIn(ListWithGuest(app)).size(), std::size(kHelperTitles));
    const int item = app.List().Find("Exclude me");
    ASSERT_GE(item, 0);
    app.List().SelectOnly(item);
    app.Command(ids::N9);
    WaitForList(
        app,
        [](const std::vector<std::string>& now) { return Contains(now, kGuestTitle) && HelperTitlesIn(now).empty(); },
        "the change tick to drop the excluded windows");
    guest.CloseAll();
}

TEST_F(ExclusionTest, ListDatKeepsTheProgramOutAfterARestart) {
    const std::string path = TestWindowsExePath();
    std::string upper = path;
    CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    struct Case {
        const char* name;
        std::string listDat;
        std::string saved;  // list.dat after the close
    };
    const Case cases[] = {
        {"as saved", path + "\r\n", path + "\r\n"},
        {"CR only, among others", "C:\\Other\\one.exe\r" + path + "\r", "C:\\Other\\one.exe\r\n" + path + "\r\n"},
        {"LF only, upper case, last line open", "C:\\Other\\one.exe\n" + upper,
         "C:\\Other\\one.exe\r\n" + upper + "\r\n"},
    };
    TestWindows helper = TestWindows::StartExe(HelperWindows());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VistrelOptions options;
        options.listDat = c.listDat;
        VistrelProcess app = VistrelProcess::Start(options);
        TestWindows guest = app.InjectTestWindows();
        GuestWindow(app, guest);
        EXPECT_TRUE(HelperTitlesIn(ListWithGuest(app)).empty());
        guest.CloseAll();
        ASSERT_EQ(app.Close(), 0u);
        EXPECT_EQ(ReadWholeFile(app.DataFolder() + "list.dat"), c.saved);
    }
}

std::string WindowsFile(const char* name) {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

std::string ListDatOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// An edit control's text: WM_GETTEXT, which the system carries across processes.
std::string EditText(HWND edit) {
    char text[1024] = {};
    SendBounded(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// The exclusion list dialog, opened from the toolbar.
struct ExclusionDialog {
    explicit ExclusionDialog(const VistrelProcess& app)
        : window((app.PostCommand(ids::ToolButton14), app.WaitForWindow("TJogaiDlg"))),
          list(Control(ids::JogaiListBox1)),
          edit(Control(ids::JogaiEdit1)) {}

    HWND Control(int id) const {
        const HWND control = FindChild(window, id);
        if (!control) throw DriverError("no control " + std::to_string(id) + " in " + Describe(window));
        return control;
    }
    // Selects exactly these lines and deletes them from the context menu.
    void Delete(std::initializer_list<int> lines) const {
        list.Select(-1, false);
        for (int line : lines) list.Select(line);
        SendCommand(window, ids::JogaiDelete1);
    }
    void End(int button) const {
        ClickButton(Control(button));
        WaitFor([&] { return !IsWindow(window); }, 5000, "the exclusion list dialog to close");
    }

    HWND window;
    ListBoxProbe list;
    HWND edit;
};

// A program in a folder the code page cannot name: list.dat turns UTF-8 to
// hold it, and keeps it out after a restart as it keeps any other.
TEST_F(ExclusionTest, AProgramInAFolderOfAnyScriptIsExcludedAndStaysExcluded) {
    test::TempFolder temp("vistrel-exclude");
    const std::u16string folder = platform::Widen(temp.Path()) + u"probe-uni 한국어 😀";
    const std::u16string exe = folder + u"\\testwindows.exe";
    ASSERT_TRUE(CreateDirectoryW(platform::AsWide(folder), nullptr));
    ASSERT_TRUE(CopyFileW(platform::AsWide(platform::Widen(TestWindowsExePath())), platform::AsWide(exe), FALSE));
    std::string saved;
    {
        TestWindows helper = TestWindows::StartExeAt(exe, {Plan(Kind::Frame, "From a far folder", 700, 560, 220, 140)});
        VistrelProcess app = VistrelProcess::Start();
        TestWindows guest = app.InjectTestWindows();
        GuestWindow(app, guest);
        ListViewProbe list = app.List();
        ASSERT_TRUE(Contains(ListWithGuest(app), "From a far folder"));
        list.Select(-1, false);
        list.Select(list.Find("From a far folder"));
        app.Command(ids::N9);
        GuestWindow(app, guest, "Made after the exclusion");
        EXPECT_FALSE(Contains(ListWithGuest(app, "Made after the exclusion"), "From a far folder"));
        guest.CloseAll();
        ASSERT_EQ(app.Close(), 0u);
        saved = ReadWholeFile(app.DataFolder() + "list.dat").value_or("");
        EXPECT_EQ(saved, "\xEF\xBB\xBF" + Utf8FromUtf16(exe) + "\r\n");

        VistrelOptions options;
        options.listDat = saved;
        VistrelProcess again = VistrelProcess::Start(options);
        TestWindows guestAgain = again.InjectTestWindows();
        GuestWindow(again, guestAgain);
        EXPECT_FALSE(Contains(ListWithGuest(again), "From a far folder")) << "after a restart";
        guestAgain.CloseAll();
        ASSERT_EQ(again.Close(), 0u);
        EXPECT_EQ(ReadWholeFile(again.DataFolder() + "list.dat"), saved) << "read back as it was written";
    }
    DeleteFileW(platform::AsWide(exe));
    RemoveDirectoryW(platform::AsWide(folder));
}

TEST_F(ExclusionTest, TheDialogListsTheLinesAndOkKeepsWhatWasNotDeleted) {
    const std::string explorer = WindowsFile("explorer.exe");
    const std::string regedit = WindowsFile("regedit.exe");
    const std::vector<std::string> lines = {explorer, TestWindowsExePath(), "", "C:\\No longer\\there.exe", regedit};
    TestWindows helper = TestWindows::StartExe(HelperWindows());
    VistrelOptions options;
    options.listDat = ListDatOf(lines);
    VistrelProcess app = VistrelProcess::Start(options);
    TestWindows guest = app.InjectTestWindows();
    GuestWindow(app, guest);
    ASSERT_TRUE(HelperTitlesIn(ListWithGuest(app)).empty());

    const ExclusionDialog dialog(app);
    EXPECT_EQ(WindowText(dialog.window), "除外リスト");
    EXPECT_EQ(dialog.list.Texts(), lines);
    dialog.list.Click(4);
    EXPECT_EQ(EditText(dialog.edit), regedit) << "the clicked path";
    EXPECT_EQ(dialog.list.Selected(), std::vector<int>{4});

    // The helper's line, the empty line and the vanished program go.
    dialog.Delete({1, 2, 3});
    EXPECT_EQ(dialog.list.Texts(), (std::vector<std::string>{explorer, regedit}));
    EXPECT_EQ(EditText(dialog.edit), "");
    dialog.End(IDOK);

    // The helper's windows come back at the next change tick.
    WaitForList(
        app, [](const std::vector<std::string>& now) { return HelperTitlesIn(now).size() == std::size(kHelperTitles); },
        "the helper's windows back in the list");
    guest.CloseAll();
    ASSERT_EQ(app.Close(), 0u);
    EXPECT_EQ(ReadWholeFile(app.DataFolder() + "list.dat"), ListDatOf({explorer, regedit}));
}

// Cancel after deleting changes nothing; a close that comes while the dialog
// is open waits for it and then ends the program.
TEST_F(ExclusionTest, CancelKeepsTheListAndACloseWaitsForTheDialog) {
    const std::vector<std::string> lines = {WindowsFile("explorer.exe"), "", WindowsFile("regedit.exe")};
    VistrelOptions options;
    options.listDat = ListDatOf(lines);
    VistrelProcess app = VistrelProcess::Start(options);

    const ExclusionDialog dialog(app);
    dialog.Delete({0, 1, 2});
    EXPECT_EQ(dialog.list.Count(), 0);
    dialog.End(IDCANCEL);
    {
        const ExclusionDialog again(app);
        EXPECT_EQ(again.list.Texts(), lines) << "cancel changed the list";
        again.Delete({0});
        // Handled at once, and put off: the dialog stays, the program runs.
        SendBounded(app.MainWindow(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(again.window));
        EXPECT_TRUE(app.IsRunning());
        again.End(IDCANCEL);
    }
    EXPECT_EQ(app.WaitForExit(), 0u) << "the close asked for meanwhile";
    EXPECT_EQ(ReadWholeFile(app.DataFolder() + "list.dat"), ListDatOf(lines));
}

}  // namespace
}  // namespace vistrel::e2e
