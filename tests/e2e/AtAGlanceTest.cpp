// Telling windows apart and acting on one in a gesture: the sort that puts
// the windows of one program side by side, and the middle click that closes
// the window under it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListWaits.h"
#include "VistrelSuites.h"
#include "WindowPlaces.h"

namespace vistrel::e2e {
namespace {

class AtAGlanceTest : public VistrelTest {};

// Where the titles stand in the list, in its order.
std::vector<std::string> OrderOf(const std::vector<std::string>& listed, const std::vector<std::string>& titles) {
    std::vector<std::string> order;
    for (const std::string& title : listed)
        if (std::find(titles.begin(), titles.end(), title) != titles.end()) order.push_back(title);
    return order;
}

TEST_F(AtAGlanceTest, TheProgramSortPutsTheWindowsOfOneProgramSideBySide) {
    // Two of testwindows.exe, two of Vistrel.exe itself, their titles
    // interleaved: the title order mixes the programs.
    TestWindows helper = TestWindows::StartExe({Plan(Kind::Frame, "Glance M", kBesideVistrelX, 80, 200, 150).Quiet(),
                                                Plan(Kind::Frame, "Glance Z", kBesideVistrelX, 300, 200, 150).Quiet()});
    VistrelProcess app = VistrelProcess::Start();
    TestWindows inside = app.InjectTestWindows();
    inside.Create(Plan(Kind::Frame, "Glance A", kBesideVistrelX, 520, 200, 150).Quiet());
    inside.Create(Plan(Kind::Frame, "Glance N", kBesideVistrelX, 740, 200, 150).Quiet());
    const std::vector<std::string> titles = {"Glance A", "Glance M", "Glance N", "Glance Z"};
    app.Command(ids::ToolButton1);
    WaitForTitles(app, titles);
    app.Command(ids::SortToolBtn);
    EXPECT_EQ(OrderOf(app.ListTitles(), titles), titles) << "by title";
    app.Command(ids::ProgramSortMenu);
    EXPECT_EQ(OrderOf(app.ListTitles(), titles), (std::vector<std::string>{"Glance M", "Glance Z", "Glance A", "Glance N"}))
        << "testwindows.exe before Vistrel.exe, each by title";
    app.Command(ids::ToolButton1);
    EXPECT_EQ(OrderOf(WaitForTitles(app, titles), titles), (std::vector<std::string>{"Glance M", "Glance Z", "Glance A", "Glance N"}))
        << "remembered by the next refresh";
    inside.CloseAll();
}

TEST_F(AtAGlanceTest, AMiddleClickClosesTheWindowUnderItAndNoOther) {
    TestWindows helper = TestWindows::StartExe({Plan(Kind::Frame, "Middle close", kBesideVistrelX, 80, 200, 150).Quiet(),
                                                Plan(Kind::Frame, "Middle stay", kBesideVistrelX, 300, 200, 150).Quiet()});
    const std::vector<HWND> windows = helper.Windows();
    VistrelProcess app = VistrelProcess::Start();
    WaitForTitles(app, {"Middle close", "Middle stay"});
    const ListViewProbe list = app.List();
    POINT at = list.Position(list.Find("Middle close"));
    at.x += 20;
    at.y += 20;  // inside the thumbnail
    PostMessageA(app.Control(ids::ListView1), WM_MBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    WaitFor([&] { return !IsWindow(windows[0]); }, 5000, "the window to close");
    EXPECT_TRUE(IsWindow(windows[1]));
    EXPECT_EQ(helper.State(windows[1]).closeRequests, 0u);
    WaitForList(app, [](const std::vector<std::string>& titles) { return !Contains(titles, "Middle close"); },
                "the thumbnail to go");
    EXPECT_TRUE(Contains(app.ListTitles(), "Middle stay"));
}

}  // namespace
}  // namespace vistrel::e2e
