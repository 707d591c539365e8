// Vistrel's thumbnails: their size on this screen, the grid they are laid
// out in, the picture of each window, and the size track bar. The windows
// pictured live inside Vistrel's process (the helper DLL), because under Wine
// PrintWindow reaches no other process's window.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr int kDefaultPosition = 30;

class ThumbnailTest : public InjectedVistrelTest {
protected:
    // Windows beside Vistrel's, listed by the change tick, shown, and then
    // listed again by the refresh command.
    std::vector<HWND> MakeListedWindows(const std::vector<std::string>& titles, const std::vector<uint32_t>& colours) {
        std::vector<HWND> windows;
        for (size_t i = 0; i < titles.size(); ++i) {
            const int at = static_cast<int>(i);
            const uint32_t colour = colours[i % colours.size()];
            windows.push_back(
                guest_->Create(Plan(Kind::Frame, titles[i], kBesideVistrelX + 30 * at, 60 + 70 * at, 320, 240, colour)
                                   .Quiet()));
        }
        for (const std::string& title : titles) probe_->WaitForItem(title);
        probe_->WaitForFrameSize(0, ExpectedThumbnail(kDefaultPosition));
        app_->Command(ids::ToolButton1);
        for (const std::string& title : titles) probe_->WaitForItem(title, 1000);
        return windows;
    }
};

const std::vector<uint32_t> kColours = {0x3050D0, 0x40B040, 0xC06020, 0x20A0E0, 0x9040A0};

TEST_F(ThumbnailTest, DefaultSizeFillsTheGridRowByRow) {
    MakeListedWindows({"Grid 1", "Grid 2", "Grid 3", "Grid 4", "Grid 5"}, kColours);
    const ListViewProbe list = app_->List();
    ASSERT_GE(list.Count(), 5);

    EXPECT_EQ(app_->Send(ids::SizeSetTrackBar, TBM_GETPOS), kDefaultPosition);
    EXPECT_FALSE(GetWindowLongA(app_->Control(ids::SizeSetTrackBar), GWL_STYLE) & TBS_ENABLESELRANGE)
        << "a thin line for a channel, not the selection box";
    const SIZE expected = ExpectedThumbnail(kDefaultPosition);
    // The figures the pictures are checked against hold on this test screen only.
    ASSERT_EQ(expected.cx, 240);
    ASSERT_EQ(expected.cy, 192);

    const int columns = ExpectedColumns(probe_->ListWidth(), expected.cx);
    Report("list_width", probe_->ListWidth());
    Report("columns", columns);
    ASSERT_GE(columns, 2) << "the default main window holds two pictures a row";
    for (int i = 0; i < columns; ++i) {
        const SIZE seen = probe_->WaitForFrameSize(i, expected);
        EXPECT_EQ(seen.cx, expected.cx) << "picture of item " << i;
        EXPECT_EQ(seen.cy, expected.cy) << "picture of item " << i;
    }
    for (int i = 0; i < list.Count(); ++i) {
        const RECT icon = list.Bounds(i, LVIR_ICON);
        EXPECT_GE(icon.right - icon.left, expected.cx) << "icon area of item " << i;
        EXPECT_GE(icon.bottom - icon.top, expected.cy) << "icon area of item " << i;
    }
    EXPECT_EQ(GridMismatch(*app_, columns), "");
    const POINT first = list.Position(0);
    EXPECT_EQ(first.x, 0);
    EXPECT_EQ(first.y, 0);
}

// A column count that differs from the last layout's is a change the tick
// applies by itself: a new layout and a full refresh.
TEST_F(ThumbnailTest, ResizingTheMainWindowRelaysTheGrid) {
    MakeListedWindows({"Cols 1", "Cols 2", "Cols 3", "Cols 4", "Cols 5"}, kColours);
    const int thumbnailWidth = ExpectedThumbnail(kDefaultPosition).cx;
    RECT original{};
    GetWindowRect(app_->MainWindow(), &original);
    ASSERT_EQ(GridMismatch(*app_, ExpectedColumns(probe_->ListWidth(), thumbnailWidth)), "");

    struct Case {
        const char* name;
        int width;
    };
    const Case cases[] = {
        {"wider", 1180},
        {"narrower", 420},
        {"back to the start", original.right - original.left},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetWindowPos(app_->MainWindow(), nullptr, 0, 0, c.width, original.bottom - original.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const int columns = ExpectedColumns(probe_->ListWidth(), thumbnailWidth);
        std::string mismatch;
        WaitUntil([&] { return Settled([&] { return (mismatch = GridMismatch(*app_, columns)).empty(); }); }, 5000);
        EXPECT_EQ(mismatch, "") << "list width " << probe_->ListWidth();
    }
}

TEST_F(ThumbnailTest, EachPictureShowsItsOwnWindow) {
    const uint32_t red = 0x3050D0, green = 0x40B040, blue = 0xC06020;
    const std::vector<HWND> windows = MakeListedWindows({"Picture red", "Picture green"}, {red, green});
    const SIZE expected = ExpectedThumbnail(kDefaultPosition);
    const double area = double(expected.cx) * expected.cy;

    struct Case {
        const char* title;
        uint32_t own;
        uint32_t other;
    };
    for (const Case& c : {Case{"Picture red", red, green}, Case{"Picture green", green, red}}) {
        SCOPED_TRACE(c.title);
        const int item = app_->List().Find(c.title);
        ASSERT_GE(item, 0);
        ASSERT_LT(item, ExpectedColumns(probe_->ListWidth(), expected.cx)) << "the first row is in view";
        int own = 0;
        EXPECT_TRUE(probe_->WaitForColour(item, c.own, 0.6, 5000, &own))
            << own << " of " << area << " pixels in the window's colour";
        // The block of the inverse colour shows the picture is the window's
        // own, not a fill in its colour.
        EXPECT_GE(probe_->CountInPicture(item, protocol::InverseColour(c.own)), area * 0.03);
        EXPECT_EQ(probe_->CountInPicture(item, c.other), 0);
    }

    // The refresh command pictures every window anew.
    guest_->SetColour(windows[0], blue);
    app_->Command(ids::ToolButton1);
    const int item = probe_->WaitForItem("Picture red", 1000);
    int shown = 0;
    EXPECT_TRUE(probe_->WaitForColour(item, blue, 0.6, 5000, &shown)) << shown << " pixels in the new colour";
    EXPECT_EQ(probe_->CountInPicture(item, red), 0);
}

// Releasing an arrow key or the mouse on the track bar resizes the pictures
// to its position; other keys move it without resizing.
TEST_F(ThumbnailTest, SizeTrackBarResizesOnRelease) {
    MakeListedWindows({"Size 1", "Size 2", "Size 3"}, kColours);
    const HWND bar = app_->Control(ids::SizeSetTrackBar);

    enum class Input { Key, MouseRelease };
    struct Case {
        const char* name;
        Input input;
        WPARAM keyOrPosition;
        int position;         // the track bar's afterwards
        int picturePosition;  // the position the pictures are sized for
    };
    const Case cases[] = {
        {"arrow right", Input::Key, VK_RIGHT, 31, 31},
        {"page down moves without resizing", Input::Key, VK_NEXT, 32, 31},
        {"the next arrow resizes to where the bar is", Input::Key, VK_RIGHT, 33, 33},
        {"arrow left", Input::Key, VK_LEFT, 32, 32},
        {"mouse released at 40", Input::MouseRelease, 40, 40, 40},
    };
    int lastPicturePosition = kDefaultPosition;
    int lastCellWidth = 0;
    {
        const RECT cell = app_->List().Bounds(0, LVIR_BOUNDS);
        lastCellWidth = cell.right - cell.left;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.input == Input::Key) {
            SendBounded(bar, WM_KEYDOWN, c.keyOrPosition, 1);
            SendBounded(bar, WM_KEYUP, c.keyOrPosition, 0xC0000001);
        } else {
            SendBounded(bar, TBM_SETPOS, TRUE, static_cast<LPARAM>(c.keyOrPosition));
            SendBounded(bar, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        }
        EXPECT_EQ(SendBounded(bar, TBM_GETPOS, 0, 0), c.position);
        const SIZE expected = ExpectedThumbnail(c.picturePosition);
        // The resize runs inside the release, so the list is rebuilt by now:
        // its cells are as wide as the new pictures need, or as before.
        const RECT cell = app_->List().Bounds(0, LVIR_BOUNDS);
        const RECT icon = app_->List().Bounds(0, LVIR_ICON);
        EXPECT_GE(icon.right - icon.left, expected.cx);
        if (c.picturePosition == lastPicturePosition)
            EXPECT_EQ(cell.right - cell.left, lastCellWidth) << "resized although no arrow key or mouse was released";
        else
            EXPECT_NE(cell.right - cell.left, lastCellWidth) << "not resized on release";
        lastCellWidth = cell.right - cell.left;
        lastPicturePosition = c.picturePosition;
        const SIZE seen = probe_->WaitForFrameSize(0, expected);
        EXPECT_EQ(seen.cx, expected.cx);
        EXPECT_EQ(seen.cy, expected.cy);
        EXPECT_EQ(GridMismatch(*app_, ExpectedColumns(probe_->ListWidth(), expected.cx)), "");
    }
    // 3.1 as a float is a hair under 3.1: 247, not 248, pixels wide.
    EXPECT_EQ(ExpectedThumbnail(31).cx, 247);
    EXPECT_EQ(ExpectedThumbnail(31).cy, 198);

    // The change tick goes on after the track bar paused it.
    guest_->Create(Plan(Kind::Frame, "Size after resize", kBesideVistrelX, 500, 300, 200, 0x40B040).Quiet());
    probe_->WaitForItem("Size after resize");
}

// The grid as the user first sees it, before any refresh: the list built at
// start keeps its 10-pixel gaps through the list view's first paint.
using FirstViewTest = VistrelTest;

TEST_F(FirstViewTest, TheFirstListIsAlreadyTheGrid) {
    std::vector<WindowPlan> windows;
    for (int i = 0; i < 5; ++i)
        windows.push_back(Plan(Kind::Frame, "First view " + std::to_string(i), kBesideVistrelX + 20 * i, 80 + 60 * i,
                               300, 200, kColours[static_cast<size_t>(i)])
                              .Quiet());
    TestWindows helper = TestWindows::StartExe(windows);
    VistrelProcess app = VistrelProcess::Start();
    ASSERT_GE(app.ItemCount(), 5);
    const ThumbnailProbe probe(app);
    // Painted: a picture of the first item is on the screen.
    probe.WaitForFrameSize(0, ExpectedThumbnail(kDefaultPosition));
    EXPECT_EQ(GridMismatch(app, ExpectedColumns(probe.ListWidth(), ExpectedThumbnail(kDefaultPosition).cx)), "");
}

}  // namespace
}  // namespace vistrel::e2e
