#include "toolkit/GridModel.h"

#include <gtest/gtest.h>

namespace vistrel::tk {
namespace {

// Three rows of 60 and a last row of 4, as the clipping list lays out six
// pictures in three columns.
GridAxis Rows(int lineWidth = 0) {
    GridAxis rows(60);
    rows.SetCount(4);
    rows.SetSize(3, 4);
    rows.SetLineWidth(lineWidth);
    return rows;
}

TEST(GridAxis, PixelsToCellsAndBack) {
    const GridAxis rows = Rows();
    const GridAxis lined = Rows(1);
    const struct {
        const GridAxis& axis;
        int first, pixel, index;
    } at[] = {
        {rows, 0, -1, -1}, {rows, 0, 0, 0},  {rows, 0, 59, 0},   {rows, 0, 60, 1},
        {rows, 0, 183, 3}, {rows, 0, 184, -1}, {rows, 2, 0, 2},  {rows, 2, 63, 3},
        {lined, 0, 60, 0},  // a cell's line belongs to it
        {lined, 0, 61, 1},
    };
    for (const auto& c : at)
        EXPECT_EQ(c.axis.IndexAt(c.first, c.pixel), c.index) << c.first << " " << c.pixel;
    EXPECT_EQ(rows.Offset(1, 3), 120);
    EXPECT_EQ(lined.Offset(0, 4), 188);
    EXPECT_EQ(rows.Total(), 184);
}

TEST(GridAxis, WhatShowsAndHowFarItScrolls) {
    const GridAxis rows = Rows();
    const struct {
        int first, client, lastShown, fullyShown;
    } shown[] = {
        {0, 100, 1, 1}, {0, 120, 1, 2}, {0, 121, 2, 2}, {0, 0, -1, 0}, {2, 64, 3, 2}, {3, 2, 3, 0},
    };
    for (const auto& c : shown) {
        EXPECT_EQ(rows.LastShown(c.first, c.client), c.lastShown) << c.first << " in " << c.client;
        EXPECT_EQ(rows.FullyShown(c.first, c.client), c.fullyShown) << c.first << " in " << c.client;
    }
    // From MaxFirst on, all the remaining rows fit; the last row when none does.
    const struct {
        int client, maxFirst;
    } range[] = {{184, 0}, {183, 1}, {124, 1}, {100, 2}, {64, 2}, {3, 3}};
    for (const auto& c : range) EXPECT_EQ(rows.MaxFirst(c.client), c.maxFirst) << c.client;
    const struct {
        int first, index, client, result;
    } show[] = {{0, 2, 130, 1}, {0, 2, 100, 2}, {0, 1, 130, 0}, {2, 0, 100, 0}, {0, 9, 130, 1}};
    for (const auto& c : show)
        EXPECT_EQ(rows.ScrollToShow(c.first, c.index, c.client), c.result) << c.first << "→" << c.index;
}

TEST(GridAxis, CountsAndSizes) {
    GridAxis rows = Rows();
    rows.SetCount(6);
    EXPECT_EQ(rows.Size(3), 4) << "kept";
    EXPECT_EQ(rows.Size(5), 60) << "new rows take the default";
    rows.SetDefaultSize(50);
    EXPECT_EQ(rows.Size(3), 50) << "a new default returns every row to it";
    rows.SetCount(0);
    EXPECT_EQ(rows.Count(), 1);
}

TEST(GridScrollBars, ABarAppearsWhenCellsCanScrollIntoViewAndMayBringTheOther) {
    GridAxis cols(70);
    cols.SetCount(3);  // 210 wide
    GridAxis rows(60);
    rows.SetCount(3);  // 180 high
    GridAxis huge(500);
    const struct {
        const GridAxis &cols, &rows;
        int width, height;
        ScrollBarLayout layout;
    } cases[] = {
        {cols, rows, 300, 300, {false, false, 300, 300}},
        {cols, rows, 210, 180, {false, false, 210, 180}},
        {cols, rows, 200, 300, {true, false, 200, 283}},
        {cols, rows, 300, 170, {false, true, 283, 170}},
        {cols, rows, 220, 170, {true, true, 203, 153}},  // the vertical bar brings the horizontal
        {cols, rows, 200, 190, {true, true, 183, 173}},  // and the other way round
        {huge, huge, 100, 100, {false, false, 100, 100}},  // one cell: nothing to scroll to
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideScrollBars(c.cols, c.rows, c.width, c.height, 17, 17), c.layout)
            << c.width << " x " << c.height;
    EXPECT_EQ(ScrollRangeOf(Rows(), 1, 100), (ScrollRange{3, 2, 1}));
    EXPECT_EQ(ScrollRangeOf(Rows(), 5, 100), (ScrollRange{3, 2, 2}));
}

// Three columns of 70 and the rows above in a client of 200 x 100.
GridModel Model() {
    GridModel model;
    model.Cols().SetDefaultSize(70);
    model.Cols().SetCount(3);
    model.Rows() = Rows();
    model.SetClientSize(200, 100);
    return model;
}

TEST(GridModel, CellsAtPointsAndTheirBoxesFollowTheScrollPosition) {
    GridModel model = Model();
    EXPECT_EQ(model.ShownCells(), (GridRect{0, 0, 2, 1}));
    const struct {
        int leftCol, topRow, x, y;
        GridCoord cell;
    } at[] = {
        {0, 0, 199, 99, {2, 1}}, {0, 0, 200, 50, {-1, -1}}, {1, 2, 0, 0, {1, 2}},
        {1, 2, 75, 62, {2, 3}},  {1, 2, 150, 10, {-1, -1}}, {1, 2, 5, 70, {-1, -1}},
    };
    for (const auto& c : at) {
        model.SetLeftCol(c.leftCol);
        model.SetTopRow(c.topRow);
        EXPECT_EQ(model.CellAt(c.x, c.y), c.cell) << c.x << "," << c.y << " from " << c.leftCol << "," << c.topRow;
    }
    EXPECT_EQ(model.CellBox(2, 3), (Rect{70, 60, 140, 64}));
    EXPECT_EQ(model.CellBox(0, 3), Rect{}) << "scrolled out";
    model.SetTopRow(0);
    model.SetLeftCol(0);
    EXPECT_EQ(model.CellBox(2, 1), (Rect{140, 60, 210, 120})) << "partly shown, whole size";
    model.SetTopRow(9);
    EXPECT_EQ(model.TopRow(), 2);
}

TEST(GridModel, SelectionFollowsTheAnchorWithRangeSelectOnly) {
    const struct {
        bool rangeSelect, extend;
        GridRect selection;
    } cases[] = {{true, true, {1, 1, 2, 3}}, {true, false, {1, 3, 1, 3}}, {false, true, {1, 3, 1, 3}}};
    for (const auto& c : cases) {
        GridModel model = Model();
        model.SetRangeSelect(c.rangeSelect);
        model.MoveCurrent({2, 1}, false);
        model.MoveCurrent({1, 3}, c.extend);
        EXPECT_EQ(model.Selection(), c.selection) << c.rangeSelect << c.extend;
        EXPECT_EQ(model.Current(), (GridCoord{1, 3}));
        EXPECT_EQ(model.TopRow(), 2) << "scrolled to the current cell";
    }
    GridModel model = Model();
    model.SetSelection({2, 3, 9, 9});
    EXPECT_EQ(model.Current(), (GridCoord{2, 3}));
    model.Cols().SetCount(2);
    model.Clamp();
    EXPECT_EQ(model.Selection(), (GridRect{1, 3, 1, 3}));
}

TEST(GridModel, KeysMoveTheCurrentCellWithinTheGrid) {
    const struct {
        GridKey key;
        bool ctrl;
        GridCoord from, to;
    } cases[] = {
        {GridKey::Left, false, {0, 1}, {0, 1}},   {GridKey::Right, false, {1, 1}, {2, 1}},
        {GridKey::Down, false, {1, 3}, {1, 3}},   {GridKey::PageDown, false, {0, 0}, {0, 1}},
        {GridKey::Home, false, {2, 2}, {0, 2}},   {GridKey::End, true, {0, 0}, {2, 3}},
    };
    for (const auto& c : cases) {
        GridModel model = Model();
        model.MoveCurrent(c.from, false);
        model.SetTopRow(0);  // a page is the one whole row shown from the top
        EXPECT_EQ(model.KeyTarget(c.key, c.ctrl), c.to) << static_cast<int>(c.key);
    }
}

TEST(DragTracker, APendingDragStartsOnceThePointerPassesTheThreshold) {
    const struct {
        int threshold, x, y;
        bool starts;
    } cases[] = {
        {16, 115, 100, false}, {16, 100, 85, false}, {16, 111, 111, false}, {16, 116, 100, true},
        {16, 84, 103, true},   {-1, 105, 100, true}, {-1, 104, 100, false},
    };
    for (const auto& c : cases) {
        DragTracker drag;
        drag.Begin(false, c.threshold, 100, 100);
        EXPECT_EQ(drag.Phase(), DragPhase::Pending);
        EXPECT_EQ(drag.Move(c.x, c.y), c.starts) << c.threshold << ": " << c.x << "," << c.y;
        EXPECT_EQ(drag.Phase(), c.starts ? DragPhase::Active : DragPhase::Pending);
    }
}

}  // namespace
}  // namespace vistrel::tk
