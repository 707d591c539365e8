// The owner-drawn grid in a shown window: which cells it hands to OnDrawCell
// and where, points to cells, clicks, keys and range selection, scroll bars
// and the wheel, and drags that start only past their threshold.

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "HostWindow.h"
#include "toolkit/Bitmap.h"
#include "toolkit/StringGrid.h"

namespace vistrel::tk {
namespace {

constexpr COLORREF kBackground = RGB(0, 0, 255);

COLORREF CellColour(int col, int row) { return RGB(40 * col + 10, 40 * row + 10, 0); }

struct Drawn {
    int col, row;
    RECT rect;
    GridDrawState state;
};

// Three columns of 70 and four rows of 60, the last one 4 high, in a client
// area of 300 x 200: the clipping list with six pictures in three columns.
class StringGridWin : public test::HostedControlTest {
protected:
    void SetUp() override {
        HostedControlTest::SetUp();
        // Shown and on top: the drag finds its target with WindowFromPoint.
        SetWindowPos(host.Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
        grid.Create(&host, 1, {10, 10, 314, 214});
        ASSERT_EQ(grid.ClientWidth(), 300);
        grid.SetOptions(goFixedVertLine | goFixedHorzLine | goRangeSelect);
        grid.SetColor(kBackground);
        grid.SetColCount(3);
        grid.SetRowCount(4);
        grid.SetDefaultColWidth(70);
        grid.SetDefaultRowHeight(60);
        grid.SetRowHeight(3, 4);
        grid.OnDrawCell = [this](Component&, int col, int row, const RECT& rect, GridDrawState state) {
            drawn.push_back({col, row, rect, state});
            grid.GetCanvas().SetBrushColor(CellColour(col, row));
            grid.GetCanvas().FillRect({rect.left - 5, rect.top - 5, rect.right + 5, rect.bottom + 5});
        };
    }

    Bitmap Picture() {
        drawn.clear();
        Bitmap picture(grid.ClientWidth(), grid.ClientHeight(), PixelFormat::Bgr24);
        SendMessageA(grid.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
        return picture;
    }

    void Send(UINT message, int x, int y, WPARAM keys = MK_LBUTTON) {
        SendMessageA(grid.Handle(), message, keys, MAKELPARAM(x, y));
    }

    StringGrid grid;
    std::vector<Drawn> drawn;
};

TEST_F(StringGridWin, DrawsEveryShownCellInItsRectangleAndNoFurther) {
    const Bitmap picture = Picture();
    ASSERT_EQ(drawn.size(), 12u);
    const struct {
        int index;
        RECT rect;
        bool selected;
    } cells[] = {
        {0, {0, 0, 70, 60}, true}, {5, {140, 60, 210, 120}, false}, {11, {140, 180, 210, 184}, false}};
    for (const auto& c : cells) {
        const Drawn& d = drawn[static_cast<size_t>(c.index)];
        EXPECT_EQ(d.col, c.index % 3);
        EXPECT_EQ(d.row, c.index / 3);
        EXPECT_TRUE(EqualRect(&d.rect, &c.rect)) << c.index << ": " << d.rect.left << "," << d.rect.top
                                                 << "," << d.rect.right << "," << d.rect.bottom;
        EXPECT_EQ(d.state.selected, c.selected) << c.index;
    }
    const struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {{69, 59, CellColour(0, 0)},   {70, 60, CellColour(1, 1)}, {209, 183, CellColour(2, 3)},
                  {210, 100, kBackground},      {100, 184, kBackground}};
    for (const auto& p : pixels) EXPECT_EQ(picture.PixelAt(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(StringGridWin, PointsClicksAndKeysFindAndMoveTheCurrentCell) {
    const struct {
        int x, y, col, row;
    } points[] = {{139, 61, 1, 1}, {209, 183, 2, 3}, {210, 10, -1, -1}, {10, 184, -1, -1}};
    for (const auto& p : points) {
        int col = 0, row = 0;
        grid.MouseToCell(p.x, p.y, col, row);
        EXPECT_EQ(col, p.col) << p.x << "," << p.y;
        EXPECT_EQ(row, p.row) << p.x << "," << p.y;
    }
    Send(WM_LBUTTONDOWN, 100, 70);
    Send(WM_LBUTTONUP, 100, 70, 0);
    EXPECT_EQ((GridCoord{grid.Col(), grid.Row()}), (GridCoord{1, 1}));
    SendMessageA(grid.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(grid.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ((GridCoord{grid.Col(), grid.Row()}), (GridCoord{2, 2}));
    // With no drag begun, a held button selects the cells it passes over.
    Send(WM_LBUTTONDOWN, 35, 30);
    Send(WM_MOUSEMOVE, 175, 90);
    Send(WM_LBUTTONUP, 175, 90, 0);
    EXPECT_EQ(grid.Selection(), (GridRect{0, 0, 2, 1}));
}

TEST_F(StringGridWin, ScrollBarsAppearWhenTheCellsExceedTheClientArea) {
    const struct {
        int cols, rows;
        bool horizontal, vertical;
    } cases[] = {{3, 4, false, false}, {5, 3, true, false}, {3, 9, false, true}, {5, 9, true, true}};
    for (const auto& c : cases) {
        grid.SetColCount(c.cols);
        grid.SetRowCount(c.rows);
        const LONG style = GetWindowLongA(grid.Handle(), GWL_STYLE);
        EXPECT_EQ((style & WS_HSCROLL) != 0, c.horizontal) << c.cols << " x " << c.rows;
        EXPECT_EQ((style & WS_VSCROLL) != 0, c.vertical) << c.cols << " x " << c.rows;
    }
    SendMessageA(grid.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(grid.TopRow(), 1) << "a notch scrolls one row";
    SendMessageA(grid.Handle(), WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid.LeftCol(), 1);
    Picture();
    EXPECT_EQ(drawn.front().col, 1);
    EXPECT_EQ(drawn.front().row, 1);
}

TEST_F(StringGridWin, ADragBegunOnPressStartsPastItsThresholdAndDropsWhereAccepted) {
    std::vector<GridCoord> overs;
    std::vector<GridCoord> drops;
    int doubleClicks = 0;
    const auto cellAt = [this](int x, int y) {
        GridCoord cell;
        grid.MouseToCell(x, y, cell.col, cell.row);
        return cell;
    };
    grid.OnMouseDown = [this](Component&, const MouseInfo&) { grid.BeginDrag(false, 16); };
    grid.OnDragOver = [&](Component&, Component& source, int x, int y, bool& accept) {
        EXPECT_EQ(&source, &grid);
        overs.push_back(cellAt(x, y));
        accept = overs.back().col >= 0;
    };
    grid.OnDragDrop = [&](Component&, Component&, int x, int y) { drops.push_back(cellAt(x, y)); };
    grid.OnDblClick = [&](Component&) {
        ++doubleClicks;
        grid.CancelDrag();
    };
    const struct {
        const char* name;
        bool doubleClick;
        POINT to;
        bool drags;
        std::vector<GridCoord> drops;
    } cases[] = {
        {"past the threshold onto a cell", false, {175, 90}, true, {{2, 1}}},
        {"15 pixels each way", false, {50, 45}, false, {}},
        {"16 pixels down", false, {35, 46}, true, {{0, 0}}},
        {"onto no cell", false, {250, 90}, true, {}},
        {"after a double-click", true, {175, 90}, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        overs.clear();
        drops.clear();
        Send(WM_LBUTTONDOWN, 35, 30);
        if (c.doubleClick) {
            Send(WM_LBUTTONUP, 35, 30, 0);
            Send(WM_LBUTTONDBLCLK, 35, 30);
        }
        Send(WM_MOUSEMOVE, c.to.x, c.to.y);
        EXPECT_EQ(grid.Dragging(), c.drags);
        EXPECT_EQ(overs.empty(), !c.drags);
        if (c.drags && c.drops.empty()) {
            EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_NO)));
        }
        Send(WM_LBUTTONUP, c.to.x, c.to.y, 0);
        EXPECT_FALSE(grid.Dragging() || grid.DragPending());
        EXPECT_EQ(drops, c.drops);
        EXPECT_EQ(grid.Selection(), (GridRect{0, 0, 0, 0})) << "a drag selects nothing";
    }
    EXPECT_EQ(doubleClicks, 1);
}

}  // namespace
}  // namespace vistrel::tk
