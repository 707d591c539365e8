// Telling windows apart and acting on one in a gesture: the sort that puts
// the windows of one program side by side, and the middle click that closes
// the window under it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

#include "ListWaits.h"
#include "VistrelSuites.h"
#include "WindowPlaces.h"
#include "platform/Text.h"

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
    const HWND listView = app.Control(ids::ListView1);
    PostMessageA(listView, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(listView, WM_MBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    WaitFor([&] { return !IsWindow(windows[0]); }, 5000, "the window to close");
    EXPECT_TRUE(IsWindow(windows[1]));
    EXPECT_EQ(helper.State(windows[1]).closeRequests, 0u);
}

// The whole title that the caption cuts, in the list's tooltip, which stands
// below the thumbnail and never over it.
TEST_F(AtAGlanceTest, HoveringAThumbnailShowsItsWholeTitleBesideIt) {
    const std::string title = "A title far too long to be shown whole below the thumbnail of its window";
    TestWindows helper = TestWindows::StartExe({Plan(Kind::Frame, title, kBesideVistrelX, 80, 200, 150).Quiet()});
    VistrelProcess app = VistrelProcess::Start();
    const ThumbnailProbe probe(app);
    const RECT thumbnail = probe.IconOnScreen(probe.WaitForItem(title));
    const PointerMoved pointer;
    const POINT centre{(thumbnail.left + thumbnail.right) / 2, (thumbnail.top + thumbnail.bottom) / 2};
    pointer.MoveTo(centre.x - 2, centre.y);
    pointer.MoveTo(centre.x, centre.y);

    // A tooltip of the main window's, shown, that tells the title.
    HWND tip = nullptr;
    std::u16string text;
    const bool shown = WaitUntil(
        [&] {
            tip = nullptr;
            for (HWND w = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w && !tip;
                 w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr))
                if (GetWindow(w, GW_OWNER) == app.MainWindow() && IsWindowVisible(w)) tip = w;
            if (!tip) return false;
            wchar_t buffer[512] = L"";
            DWORD_PTR copied = 0;
            SendMessageTimeoutW(tip, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                                SMTO_ABORTIFHUNG, 2000, &copied);
            text = platform::FromWide(buffer, wcslen(buffer));
            return text.starts_with(platform::Widen(title));
        },
        10000);
    EXPECT_TRUE(shown) << Utf8FromUtf16(text);
    RECT at{}, overlap{};
    GetWindowRect(tip, &at);
    EXPECT_FALSE(IntersectRect(&overlap, &at, &thumbnail)) << "the tip covers the thumbnail";
    EXPECT_NE(text.find(u"testwindows.exe"), std::u16string::npos) << "the program's file name";
}

}  // namespace
}  // namespace vistrel::e2e
