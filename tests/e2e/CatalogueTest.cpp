// Which windows the program lists, in which order, and what it does to the
// windows it parks: the real Vistrel.exe against windows of another process
// (testwindows.exe), as a user's other applications are.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ListWaits.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

int IndexOf(const std::vector<std::string>& titles, const std::string& title) {
    const auto it = std::find(titles.begin(), titles.end(), title);
    return it == titles.end() ? -1 : static_cast<int>(it - titles.begin());
}

std::string Joined(const std::vector<std::string>& titles) {
    std::string text;
    for (const std::string& t : titles) text += "\n  \"" + t + "\"";
    return text.empty() ? " (empty)" : text;
}

// ---------------------------------------------------------------- the list

// One helper and one Vistrel for the whole suite: the cases only read the
// list, except the order case, which brings and takes its own windows.
class ListedWindowsTest : public SharedVistrelSuite<ListedWindowsTest> {
protected:
    friend class SharedVistrelSuite<ListedWindowsTest>;

    static void StartAll() {
        helper_ = std::make_unique<TestWindows>(TestWindows::StartExe());
        TestWindows& h = *helper_;
        int x = 700;
        auto at = [&x](Kind kind, const std::string& title) {
            WindowPlan plan = Plan(kind, title, x, 560, 200, 120);
            x += 12;
            return plan;
        };
        h.Create(at(Kind::Frame, "Plain frame"));
        h.Create(at(Kind::Frame, "日本語のウィンドウ"));
        // WS_EX_TOOLWINDOW keeps a window off the task bar, not off our list.
        h.Create(at(Kind::Tool, "ツールウィンドウ"));
        h.Create(at(Kind::Popup, "Popup window"));
        h.Create(at(Kind::Dialog, "Unowned dialog"));
        // Only the visible-window enumeration leaves out TApplication.
        h.Create(at(Kind::ZeroSize, "TApplication window").OfClass("TApplication"));
        h.Create(at(Kind::Frame, "Vistrel α 2"));
        const HWND minimised = h.Create(at(Kind::Frame, "Minimised frame"));
        h.Minimise(minimised);

        h.Create(at(Kind::Frame, "Hidden frame").Hidden());
        h.Create(at(Kind::Frame, ""));
        h.Create(at(Kind::Frame, "VISTREL α"));
        h.Create(at(Kind::Frame, "vistrel α"));
        h.Create(at(Kind::Frame, "Hint class").OfClass("THintWindow"));
        h.Create(at(Kind::Frame, "Level dialog class").OfClass("TLebelDlg"));
        h.Create(at(Kind::Frame, "Desktop class").OfClass("Progman"));

        const HWND owner = h.Create(at(Kind::Frame, "Owner of a dialog"));
        h.Create(at(Kind::Dialog, "Owned dialog").OwnedBy(owner));
        h.Create(at(Kind::Frame, "Owned frame").OwnedBy(owner));
        h.CreateZeroSizeApp("Zero-size application", at(Kind::Frame, "Frame of the application"));

        app_ = std::make_unique<VistrelProcess>(VistrelProcess::Start());
        // A window of the main window's class would make the driver believe
        // Vistrel is already running, so it comes after the start, and a
        // refresh lists again. A window made after it is the witness: a list
        // that shows it was enumerated after both.
        h.Create(at(Kind::Frame, "Main window class").OfClass("TPrintWndDlg"));
        h.Create(at(Kind::Frame, kWitness));
        app_->Command(ids::ToolButton1);
        std::vector<std::string> wanted(std::begin(kAccepted), std::end(kAccepted));
        wanted.push_back(kWitness);
        titles_ = WaitForTitles(*app_, wanted);
    }

    static constexpr const char* kWitness = "Made after the start";
    static constexpr const char* kAccepted[] = {
        "Plain frame",       "日本語のウィンドウ", "ツールウィンドウ",      "Popup window",
        "Unowned dialog",    "TApplication window", "Vistrel α 2",          "Minimised frame",
        "Owner of a dialog", "Zero-size application",
    };

    static inline std::vector<std::string> titles_;  // the first complete list
};

TEST_F(ListedWindowsTest, ListsWindowsOfAnotherProcessByTitleInTitleOrder) {
    const std::vector<std::string>& titles = titles_;
    std::vector<std::string> ours;
    for (const char* title : kAccepted) {
        EXPECT_GE(IndexOf(titles, title), 0) << "\"" << title << "\" is not listed; the list:" << Joined(titles);
        ours.push_back(title);
    }
    // Every one was new at the first build, so they follow the titles' order.
    std::vector<std::string> expected = ours;
    std::sort(expected.begin(), expected.end(),
              [](const std::string& a, const std::string& b) { return lstrcmpA(a.c_str(), b.c_str()) < 0; });
    std::vector<std::string> listed;
    for (const std::string& t : titles)
        if (std::find(ours.begin(), ours.end(), t) != ours.end()) listed.push_back(t);
    EXPECT_EQ(listed, expected);
}

TEST_F(ListedWindowsTest, LeavesOutTheRejectedKinds) {
    struct Case {
        const char* why;
        const char* title;
    };
    const Case cases[] = {
        {"invisible", "Hidden frame"},
        {"empty title", ""},
        {"the program's title, upper case", "VISTREL α"},
        {"the program's title, lower case", "vistrel α"},
        {"class THintWindow", "Hint class"},
        {"class TLebelDlg", "Level dialog class"},
        {"class TPrintWndDlg", "Main window class"},
        {"class Progman", "Desktop class"},
        {"owned dialog", "Owned dialog"},
        {"owned frame", "Owned frame"},
        {"frame owned by a zero-size application window", "Frame of the application"},
    };
    const std::vector<std::string>& titles = titles_;
    for (const Case& c : cases)
        EXPECT_EQ(IndexOf(titles, c.title), -1) << c.why << ": \"" << c.title << "\" is listed";
    // Its own main window never shows up either.
    EXPECT_EQ(IndexOf(titles, kVistrelTitle), -1);
}

TEST_F(ListedWindowsTest, OwnerOfADialogAndZeroSizeApplicationAreListed) {
    // The owned windows are out (above); their owners stand for them.
    const std::vector<std::string>& titles = titles_;
    EXPECT_GE(IndexOf(titles, "Owner of a dialog"), 0) << Joined(titles);
    EXPECT_GE(IndexOf(titles, "Zero-size application"), 0) << Joined(titles);
    EXPECT_EQ(IndexOf(titles, "Owned dialog"), -1);
}

TEST_F(ListedWindowsTest, RefreshKeepsTheOrderOfListedWindowsAndAppendsNewOnes) {
    TestWindows& h = *helper_;
    const HWND b = h.Create(Plan(Kind::Frame, "Order b", 820, 620, 180, 110));
    const HWND d = h.Create(Plan(Kind::Frame, "Order d", 840, 640, 180, 110));
    app_->Command(ids::ToolButton1);
    WaitForTitles(*app_, {"Order b", "Order d"});
    // Renamed after it was listed: the change tick updates the caption in
    // place, and the next refresh keeps the place.
    h.Rename(b, "Order z");
    WaitForTitles(*app_, {"Order z"});
    const HWND a = h.Create(Plan(Kind::Frame, "Order a", 860, 660, 180, 110));
    const HWND c = h.Create(Plan(Kind::Frame, "Order c", 880, 680, 180, 110));
    app_->Command(ids::ToolButton1);

    // Whichever build lists the new windows first, the change tick's or the
    // refresh's, carries the old order over.
    const std::vector<std::string> titles = WaitForTitles(*app_, {"Order z", "Order d", "Order a", "Order c"});
    std::vector<std::string> ours;
    for (const std::string& t : titles)
        if (t.rfind("Order ", 0) == 0) ours.push_back(t);
    EXPECT_EQ(ours, (std::vector<std::string>{"Order z", "Order d", "Order a", "Order c"})) << Joined(titles);

    for (HWND w : {a, b, c, d}) h.Close(w);
    WaitForList(
        *app_,
        [](const std::vector<std::string>& now) {
            return Contains(now, "Plain frame") && !Contains(now, "Order a") && !Contains(now, "Order z");
        },
        "the closed windows to leave the list");
}

// ---------------------------------------------------------------- parking

int Left(const TestWindows& h, HWND w) { return h.State(w).rect.left; }
int Top(const TestWindows& h, HWND w) { return h.State(w).rect.top; }

class ParkedWindowsTest : public VistrelTest {};

// "Open Only": a minimised window is restored by the refresh the check box
// runs and then parked out of sight by the change tick, so that it can still
// be pictured; at exit it comes back.
TEST_F(ParkedWindowsTest, OpenOnlyRestoresAMinimisedWindowAndParksIt) {
    TestWindows h = TestWindows::StartExe();
    const HWND minimised = h.Create(Plan(Kind::Frame, "To be parked", 300, 200, 240, 160));
    const HWND open = h.Create(Plan(Kind::Frame, "Stays open", 620, 300, 240, 160));
    h.Minimise(minimised);
    ASSERT_TRUE(IsIconic(minimised));

    VistrelProcess app = VistrelProcess::Start();
    ASSERT_GE(app.List().Find("To be parked"), 0);
    EXPECT_TRUE(IsIconic(minimised)) << "restored before Open Only was checked";

    app.ClickCheckBox(ids::CheckBox1);
    EXPECT_TRUE(app.IsChecked(ids::CheckBox1));
    WaitFor([&] { return !IsIconic(minimised); }, 5000, "the minimised window to be restored");
    EXPECT_TRUE(WaitUntil([&] { return Left(h, minimised) == 300 + 20000 && Top(h, minimised) == 200 + 20000; }, 5000))
        << "not parked at (20300, 20200) but at (" << Left(h, minimised) << ", " << Top(h, minimised) << ")";
    EXPECT_FALSE(IsIconic(minimised));
    EXPECT_GE(app.List().Find("To be parked"), 0);
    EXPECT_GE(app.List().Find("Stays open"), 0);
    EXPECT_EQ(Left(h, open), 620);
    EXPECT_EQ(Top(h, open), 300);

    ASSERT_EQ(app.Close(), 0u);
    const TestWindowState back = h.State(minimised);
    EXPECT_EQ(back.rect.left, 300);
    EXPECT_EQ(back.rect.top, 200);
    EXPECT_EQ(back.width(), 240);
}

// Whoever parked them (an earlier run, say), windows at left 10000 or more
// come back by 20000 pixels when the program closes; a zero-size application
// window stands for its frame.
TEST_F(ParkedWindowsTest, ParkedWindowsComeBackAtExit) {
    TestWindows h = TestWindows::StartExe();
    const HWND before = h.Create(Plan(Kind::Frame, "Parked before the start", 500, 600, 220, 140));
    h.Move(before, 20500, 20600, 220, 140);
    const HWND during = h.Create(Plan(Kind::Frame, "Parked while running", 420, 380, 220, 140));
    const HWND frame =
        h.CreateZeroSizeApp("Parked application", Plan(Kind::Frame, "Its parked frame", 360, 240, 220, 140)).second;
    h.Move(frame, 20360, 20240, 220, 140);
    const HWND distant = h.Create(Plan(Kind::Frame, "Far but not parked", 9000, 100, 220, 140));

    VistrelProcess app = VistrelProcess::Start();
    // A parked window is still listed: nothing in the test asks for a place.
    for (const char* title : {"Parked before the start", "Parked while running", "Parked application"})
        EXPECT_GE(app.List().Find(title), 0) << title;
    h.Move(during, 20420, 20380, 220, 140);
    ASSERT_EQ(app.Close(), 0u);

    struct Case {
        const char* name;
        HWND window;
        int left, top;
    };
    const Case cases[] = {
        {"parked before the start", before, 500, 600},
        {"parked while running", during, 420, 380},
        {"frame of a zero-size application", frame, 360, 240},
        {"left below 10000", distant, 9000, 100},
    };
    for (const Case& c : cases) {
        const TestWindowState s = h.State(c.window);
        EXPECT_EQ(s.rect.left, c.left) << c.name;
        EXPECT_EQ(s.rect.top, c.top) << c.name;
        EXPECT_EQ(s.width(), 220) << c.name;
    }
}

}  // namespace
}  // namespace vistrel::e2e
