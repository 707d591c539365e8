#pragma once
// The arithmetic of the toolkit's StringGrid, apart from any window: where
// the cells lie for the column widths, row heights and scroll position, which
// cell a point falls on, which cells show, how far the grid can scroll and
// when it needs scroll bars, the current cell and the selection rectangle,
// keyboard moves, and when a pending drag starts. The grid scrolls by whole
// cells: its scroll position is the first column and row shown.

#include <cstdint>
#include <vector>

#include "common/Geometry.h"

namespace vistrel::tk {

struct GridCoord {
    int col = 0;
    int row = 0;
    friend bool operator==(const GridCoord&, const GridCoord&) = default;
};

// Cells from (left, top) to (right, bottom), both ends included.
struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(GridCoord cell) const {
        return cell.col >= left && cell.col <= right && cell.row >= top && cell.row <= bottom;
    }
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

// One direction of the grid: the columns or the rows. Each cell is followed
// by a grid line of LineWidth pixels (0 when lines are off), which counts as
// part of the cell for hit tests. "first" is the first cell shown.
class GridAxis {
public:
    explicit GridAxis(int defaultSize) : defaultSize_(defaultSize), sizes_(1, defaultSize) {}

    int Count() const { return static_cast<int>(sizes_.size()); }
    // At least one cell; the cells added take the default size, the others keep theirs.
    void SetCount(int count);
    int DefaultSize() const { return defaultSize_; }
    // Every cell returns to the new default, as the grid's rules have it.
    void SetDefaultSize(int size);
    int Size(int index) const;  // 0 outside the axis
    void SetSize(int index, int size);
    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int width);

    // Pixels from the start of `first` to the start of `index` (index >= first).
    int64_t Offset(int first, int index) const;
    int64_t Total() const { return Offset(0, Count()); }
    // The cell under `pixel`, or -1 before the first cell or past the last.
    int IndexAt(int first, int pixel) const;
    // The cell a held button points at while it selects, even outside the
    // cells: before them the cell before `first`, past the client area the
    // one after the last shown (so the selection scrolls on), past the last
    // cell inside the client area the last cell.
    int NearestIndex(int first, int pixel, int client) const;
    // The last cell that starts inside `client` pixels (first - 1 when none does).
    int LastShown(int first, int client) const;
    // How many cells from `first` fit whole into `client` pixels.
    int FullyShown(int first, int client) const;
    // The largest useful first cell: the smallest one from which all the
    // remaining cells fit; the last cell when even that one alone does not.
    int MaxFirst(int client) const;
    // `first` moved as little as needed for `index` to be shown, whole when it fits.
    int ScrollToShow(int first, int index, int client) const;

private:
    int defaultSize_;
    int lineWidth_ = 0;
    std::vector<int> sizes_;
};

// Which scroll bars a grid shows and the client area left for the cells:
// a bar is needed when scrolling by cells can bring more into view, and one
// bar's room may make the other needed.
struct ScrollBarLayout {
    bool horizontal = false;
    bool vertical = false;
    int clientWidth = 0;
    int clientHeight = 0;
    friend bool operator==(const ScrollBarLayout&, const ScrollBarLayout&) = default;
};
ScrollBarLayout DecideScrollBars(const GridAxis& cols, const GridAxis& rows, int widthWithoutBars,
                                 int heightWithoutBars, int verticalBarWidth,
                                 int horizontalBarHeight);

// A scroll bar over one axis, scrolling by cells: positions 0 … MaxFirst.
struct ScrollRange {
    int max = 0;   // the last cell
    int page = 1;  // cells the thumb stands for, so that the last position is MaxFirst
    int position = 0;
    friend bool operator==(const ScrollRange&, const ScrollRange&) = default;
};
ScrollRange ScrollRangeOf(const GridAxis& axis, int first, int client);

enum class GridKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

class GridModel {
public:
    GridModel() = default;

    GridAxis& Cols() { return cols_; }
    GridAxis& Rows() { return rows_; }
    const GridAxis& Cols() const { return cols_; }
    const GridAxis& Rows() const { return rows_; }
    // After the counts or sizes changed: the current cell, the selection and
    // the scroll position come back inside the grid.
    void Clamp();

    void SetClientSize(int width, int height);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }

    int LeftCol() const { return leftCol_; }
    int TopRow() const { return topRow_; }
    void SetLeftCol(int col);  // clamped to 0 … MaxFirst
    void SetTopRow(int row);

    // Cells, at least partly inside the client area: from (LeftCol, TopRow)
    // to (right, bottom); right < left or bottom < top when none shows.
    GridRect ShownCells() const;
    int FullyShownCols() const { return cols_.FullyShown(leftCol_, clientWidth_); }
    int FullyShownRows() const { return rows_.FullyShown(topRow_, clientHeight_); }
    // The cell under a client point, or {-1, -1} when it is on no cell.
    GridCoord CellAt(int x, int y) const;
    // The cell a held button points at while selecting (GridAxis::NearestIndex).
    GridCoord NearestCell(int x, int y) const;
    // The cell's pixels in client coordinates, without its grid line; empty
    // (all 0) when it is scrolled out of view. A cell partly inside the
    // client area keeps its whole size.
    Rect CellBox(int col, int row) const;

    bool RangeSelect() const { return rangeSelect_; }
    void SetRangeSelect(bool on);
    GridCoord Current() const { return current_; }
    GridCoord Anchor() const { return anchor_; }
    // The selection between the anchor and the current cell, normalised.
    GridRect Selection() const;
    // Moves the current cell (clamped). With range selection and `extend`
    // the anchor stays and the selection grows to the new cell; else the
    // selection is the cell alone. The grid scrolls to show the cell.
    void MoveCurrent(GridCoord cell, bool extend);
    // The anchor goes to the top left, the current cell to the bottom right.
    void SetSelection(GridRect selection);
    // Where a key moves the current cell; a page is the rows shown whole.
    GridCoord KeyTarget(GridKey key, bool ctrl) const;

private:
    GridCoord Clamped(GridCoord cell) const;
    void ShowCurrent();

    GridAxis cols_{64};
    GridAxis rows_{24};
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int leftCol_ = 0;
    int topRow_ = 0;
    bool rangeSelect_ = false;
    GridCoord current_;
    GridCoord anchor_;
};

// Dragging after a press: a drag begun "not immediately" waits until the
// pointer has moved `threshold` pixels along either axis from where it
// began; a release before that is a plain click.
constexpr int kDefaultDragThreshold = 5;

enum class DragPhase { None, Pending, Active };

class DragTracker {
public:
    DragPhase Phase() const { return phase_; }
    // threshold < 0 takes kDefaultDragThreshold.
    void Begin(bool immediate, int threshold, int x, int y);
    // A pointer move: true when this move starts a pending drag.
    bool Move(int x, int y);
    void End() { phase_ = DragPhase::None; }

private:
    DragPhase phase_ = DragPhase::None;
    int threshold_ = kDefaultDragThreshold;
    int startX_ = 0;
    int startY_ = 0;
};

}  // namespace vistrel::tk
