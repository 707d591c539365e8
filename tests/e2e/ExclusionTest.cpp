// Excluding a program: from the context menu while running, through list.dat
// across a restart. An entry is an executable, so every window of the helper
// goes, whatever its title, while windows of other programs stay.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SettledList.h"
#include "VistrelProcess.h"

namespace vistrel::e2e {
namespace {

class ExclusionTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!VistrelProcess::IsBuilt()) GTEST_SKIP() << "Vistrel.exe is not built yet";
    }
};

constexpr const char* kHelperTitles[] = {"Exclude me", "除外されるウィンドウ", "Same program, other title"};

std::vector<WindowSpec> HelperWindows() {
    std::vector<WindowSpec> specs;
    int x = 700;
    for (const char* title : kHelperTitles) {
        specs.push_back(Spec(Kind::Frame, title, x, 560, 220, 140));
        x += 30;
    }
    return specs;
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

bool SameTextIgnoringCase(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

constexpr const char* kGuestTitle = "Window of another program";

// A window of Vistrel's own process: another executable, so it must stay.
// It also shows that the list is not simply empty.
HWND GuestWindow(const VistrelProcess& app, TestWindows& guest) {
    const HWND w = guest.Create(Spec(Kind::Frame, kGuestTitle, 200, 620, 200, 120));
    app.Command(ids::ToolButton1);
    return w;
}

TEST_F(ExclusionTest, ExcludingOneWindowRemovesItsProgramAndIsSavedOnce) {
    TestWindows helper = TestWindows::StartExe(HelperWindows());
    VistrelProcess app = VistrelProcess::Start();
    TestWindows guest = app.InjectTestWindows();
    GuestWindow(app, guest);
    std::vector<std::string> titles = SettledTitles(app);
    ASSERT_EQ(HelperTitlesIn(titles).size(), std::size(kHelperTitles));
    ASSERT_TRUE(Contains(titles, kGuestTitle));

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
    app.Command(ids::ToolButton1);
    titles = SettledTitles(app);
    EXPECT_TRUE(HelperTitlesIn(titles).empty());
    EXPECT_TRUE(Contains(titles, kGuestTitle));

    // Whatever its title, a new window of that program stays out.
    helper.Create(Spec(Kind::Frame, "Opened after the exclusion", 640, 640, 200, 120));
    app.Command(ids::ToolButton1);
    titles = SettledTitles(app);
    EXPECT_FALSE(Contains(titles, "Opened after the exclusion"));
    EXPECT_TRUE(Contains(titles, kGuestTitle));

    guest.CloseAll();
    ASSERT_EQ(app.Close(), 0u);
    const std::vector<std::string> lines = ListDatLines(ReadFileBytes(app.DataFolder() + "list.dat"));
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
    ASSERT_EQ(HelperTitlesIn(SettledTitles(app)).size(), std::size(kHelperTitles));
    const int item = app.List().Find("Exclude me");
    ASSERT_GE(item, 0);
    app.List().SelectOnly(item);
    app.Command(ids::N9);
    WaitFor(
        [&] {
            const auto now = TitlesIfReadable(app);
            return now && Contains(*now, kGuestTitle) && HelperTitlesIn(*now).empty();
        },
        5000, "the change tick to drop the excluded windows");
    const std::vector<std::string> titles = SettledTitles(app);
    EXPECT_TRUE(HelperTitlesIn(titles).empty());
    EXPECT_TRUE(Contains(titles, kGuestTitle));
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
        const std::vector<std::string> titles = SettledTitles(app);
        EXPECT_TRUE(Contains(titles, kGuestTitle)) << "nothing is listed at all";
        EXPECT_TRUE(HelperTitlesIn(titles).empty());
        guest.CloseAll();
        ASSERT_EQ(app.Close(), 0u);
        EXPECT_EQ(ReadFileBytes(app.DataFolder() + "list.dat"), c.saved);
    }
}

}  // namespace
}  // namespace vistrel::e2e
