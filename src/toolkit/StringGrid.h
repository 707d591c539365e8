#pragma once
// StringGrid: a grid of cells that its owner draws, as the VCL's TStringGrid
// with DefaultDrawing off (there is no default drawing and no cell text).
// Columns and rows have default and individual sizes; the grid keeps a
// current cell and a selection rectangle, scrolls by whole cells with its
// scroll bars, the wheel and the keys, and drags with a threshold onto
// itself or another StringGrid. The arithmetic is GridModel's.
//
// Painting: every visible cell is handed to OnDrawCell, which draws it on
// GetCanvas() within the rectangle it is given (drawing is clipped to it).
// The canvas is a back buffer copied to the screen in one piece, so the grid
// never flickers; it is only valid inside OnDrawCell.
//
// Mouse: a left press on a cell makes it current (with Shift and range
// selection it extends the selection), then OnMouseDown runs. Moving with
// the left button held selects a range, unless OnMouseDown began a drag:
// with a drag pending, moves only count towards its threshold, and past it
// the drag runs instead (OnDragOver on the grid under the pointer, OnDragDrop
// at the release when that grid accepts). A double-click is a press, then
// OnDblClick. Right and middle presses leave the current cell alone.

#include <windows.h>

#include <functional>

#include "toolkit/Bitmap.h"
#include "toolkit/GridModel.h"
#include "toolkit/MouseEvents.h"
#include "toolkit/Window.h"

namespace vistrel::tk {

// The VCL's grid options that apply here. Fixed lines have no effect: the
// grid has no fixed cells.
enum GridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
};
using GridOptions = unsigned;

struct GridDrawState {
    bool selected = false;  // inside the selection rectangle
    bool focused = false;   // the current cell, while the grid has the keyboard focus
};

using DrawCellEvent =
    std::function<void(Component& sender, int col, int row, const RECT& rect, GridDrawState state)>;
// x, y: the pointer in the sender's client coordinates; source: the grid dragged from.
using DragOverEvent =
    std::function<void(Component& sender, Component& source, int x, int y, bool& accept)>;
using DragDropEvent = std::function<void(Component& sender, Component& source, int x, int y)>;

class StringGrid : public Window, public MouseEvents {
public:
    StringGrid();

    void Create(Window* parent, int id, const RECT& bounds);

    // Sizes. Counts are at least 1. Setting a default size returns every
    // column (row) to it; an individual size set afterwards stays until then.
    int ColCount() const { return model_.Cols().Count(); }
    void SetColCount(int count);
    int RowCount() const { return model_.Rows().Count(); }
    void SetRowCount(int count);
    int DefaultColWidth() const { return model_.Cols().DefaultSize(); }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return model_.Rows().DefaultSize(); }
    void SetDefaultRowHeight(int height);
    int ColWidth(int col) const { return model_.Cols().Size(col); }
    void SetColWidth(int col, int width);
    int RowHeight(int row) const { return model_.Rows().Size(row); }
    void SetRowHeight(int row, int height);
    int GridLineWidth() const { return lineWidth_; }
    void SetGridLineWidth(int width);
    GridOptions Options() const { return options_; }
    void SetOptions(GridOptions options);

    // The background where no cell is (and what a cell shows that its handler leaves).
    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color);

    // The current cell; setting it makes the selection that cell alone and
    // scrolls it into view.
    int Col() const { return model_.Current().col; }
    void SetCol(int col);
    int Row() const { return model_.Current().row; }
    void SetRow(int row);
    GridRect Selection() const { return model_.Selection(); }
    // The current cell goes to the bottom right of the selection.
    void SetSelection(const GridRect& selection);

    // Scrolling, by cells: the first column and row shown.
    int LeftCol() const { return model_.LeftCol(); }
    void SetLeftCol(int col);
    int TopRow() const { return model_.TopRow(); }
    void SetTopRow(int row);
    int VisibleColCount() const { return model_.FullyShownCols(); }
    int VisibleRowCount() const { return model_.FullyShownRows(); }

    // The cell under a client point; -1, -1 when the point is on no cell.
    void MouseToCell(int x, int y, int& col, int& row) const;
    // The cell's client rectangle; empty when it is scrolled out of view.
    RECT CellRect(int col, int row) const;

    Canvas& GetCanvas() { return buffer_.GetCanvas(); }

    // Drag and drop. BeginDrag is meant for OnMouseDown: immediate starts
    // at once, else once the pointer has moved `threshold` pixels (negative:
    // the default, 5). EndDrag(true) drops where the pointer is if the grid
    // there accepts; EndDrag(false) and CancelDrag end without a drop.
    void BeginDrag(bool immediate, int threshold = -1);
    void EndDrag(bool drop);
    void CancelDrag() { EndDrag(false); }
    bool Dragging() const { return drag_.Phase() == DragPhase::Active; }
    bool DragPending() const { return drag_.Phase() == DragPhase::Pending; }

    DrawCellEvent OnDrawCell;
    NotifyEvent OnDblClick;
    DragOverEvent OnDragOver;
    DragDropEvent OnDragDrop;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnResized() override;

private:
    void Paint(HDC dc);
    void DrawGridLines(Canvas& canvas, const GridRect& shown);
    // After a change of sizes, counts or scroll position.
    void Changed();
    void UpdateScrollBars();
    void Scroll(int bar, WORD code);
    void ScrollBy(int bar, int cells);
    void Press(UINT message, WPARAM wParam, LPARAM lParam);
    void PointerMoved(WPARAM wParam, LPARAM lParam);
    void Released(UINT message, WPARAM wParam, LPARAM lParam);
    void KeyDown(WPARAM key);
    // Asks the grid under the client point whether it takes the drag; it
    // is the target, with the point in its client coordinates.
    bool DragOverAt(POINT point, StringGrid*& target, POINT& targetPoint);
    // DragOverAt the pointer, with its answer shown in the cursor.
    void ShowDragOver();
    void MoveCurrent(GridCoord cell, bool extend);

    GridModel model_;
    GridOptions options_ = 0;
    int lineWidth_ = 1;
    COLORREF color_;
    Bitmap buffer_;
    DragTracker drag_;
    bool selecting_ = false;  // the left button went down on a cell and is held
    POINT pointer_{};         // of the last mouse message, client coordinates
    int wheel_ = 0;           // wheel movement not yet turned into cells
    bool updatingBars_ = false;
};

}  // namespace vistrel::tk
