#include "toolkit/StringGrid.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

namespace vistrel::tk {

namespace {

RECT ToRect(const Rect& box) { return {box.left, box.top, box.right, box.bottom}; }

// The drag's answer: an arrow where a grid takes it, "no" elsewhere.
void ShowDragCursor(bool accepted) {
    ::SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(accepted ? IDC_ARROW : IDC_NO)));
}

}  // namespace

StringGrid::StringGrid() : color_(GetSysColor(COLOR_WINDOW)) {
    // The VCL grid's defaults.
    model_.Cols().SetCount(5);
    model_.Rows().SetCount(5);
    SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);
}

void StringGrid::Create(Window* parent, int id, const RECT& bounds) {
    CreateOwn("TStringGrid", parent, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
              WS_EX_CLIENTEDGE, bounds, id, "");
    Changed();
}

// --- Properties ---------------------------------------------------------------

void StringGrid::SetColCount(int count) {
    model_.Cols().SetCount(count);
    Changed();
}

void StringGrid::SetRowCount(int count) {
    model_.Rows().SetCount(count);
    Changed();
}

void StringGrid::SetDefaultColWidth(int width) {
    model_.Cols().SetDefaultSize(width);
    Changed();
}

void StringGrid::SetDefaultRowHeight(int height) {
    model_.Rows().SetDefaultSize(height);
    Changed();
}

void StringGrid::SetColWidth(int col, int width) {
    model_.Cols().SetSize(col, width);
    Changed();
}

void StringGrid::SetRowHeight(int row, int height) {
    model_.Rows().SetSize(row, height);
    Changed();
}

void StringGrid::SetGridLineWidth(int width) {
    lineWidth_ = width;
    SetOptions(options_);
}

void StringGrid::SetOptions(GridOptions options) {
    options_ = options;
    // Only the lines between ordinary cells take room: there are no fixed cells.
    model_.Cols().SetLineWidth((options & goVertLine) ? lineWidth_ : 0);
    model_.Rows().SetLineWidth((options & goHorzLine) ? lineWidth_ : 0);
    model_.SetRangeSelect((options & goRangeSelect) != 0);
    Changed();
}

void StringGrid::SetColor(COLORREF color) {
    color_ = color;
    Invalidate();
}

void StringGrid::SetCol(int col) { MoveCurrent({col, Row()}, false); }

void StringGrid::SetRow(int row) { MoveCurrent({Col(), row}, false); }

void StringGrid::SetSelection(const GridRect& selection) {
    model_.SetSelection(selection);
    Changed();
}

void StringGrid::SetLeftCol(int col) {
    model_.SetLeftCol(col);
    Changed();
}

void StringGrid::SetTopRow(int row) {
    model_.SetTopRow(row);
    Changed();
}

void StringGrid::MouseToCell(int x, int y, int& col, int& row) const {
    const GridCoord cell = model_.CellAt(x, y);
    col = cell.col;
    row = cell.row;
}

RECT StringGrid::CellRect(int col, int row) const { return ToRect(model_.CellBox(col, row)); }

void StringGrid::MoveCurrent(GridCoord cell, bool extend) {
    const GridRect selection = model_.Selection();
    const GridCoord current = model_.Current();
    const GridCoord scroll{model_.LeftCol(), model_.TopRow()};
    model_.MoveCurrent(cell, extend);
    if (model_.Selection() != selection || model_.Current() != current ||
        GridCoord{model_.LeftCol(), model_.TopRow()} != scroll)
        Changed();
}

void StringGrid::Changed() {
    model_.Clamp();
    UpdateScrollBars();
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void StringGrid::OnResized() { Changed(); }

// --- Scrolling ----------------------------------------------------------------

void StringGrid::UpdateScrollBars() {
    // Showing or hiding a bar resizes the client area, which comes back here.
    if (!Handle() || updatingBars_) return;
    updatingBars_ = true;
    const HWND hwnd = Handle();
    RECT client{};
    GetClientRect(hwnd, &client);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    const ScrollBarLayout layout = DecideScrollBars(
        model_.Cols(), model_.Rows(), client.right + ((style & WS_VSCROLL) ? barWidth : 0),
        client.bottom + ((style & WS_HSCROLL) ? barHeight : 0), barWidth, barHeight);
    model_.SetClientSize(layout.clientWidth, layout.clientHeight);
    const auto show = [hwnd](int bar, bool shown, const ScrollRange& range) {
        if (shown) {
            SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, range.max,
                            static_cast<UINT>(range.page), range.position, 0};
            SetScrollInfo(hwnd, bar, &info, TRUE);
        }
        ShowScrollBar(hwnd, bar, shown);
    };
    show(SB_HORZ, layout.horizontal, ScrollRangeOf(model_.Cols(), model_.LeftCol(), layout.clientWidth));
    show(SB_VERT, layout.vertical, ScrollRangeOf(model_.Rows(), model_.TopRow(), layout.clientHeight));
    GetClientRect(hwnd, &client);
    model_.SetClientSize(client.right, client.bottom);
    updatingBars_ = false;
}

void StringGrid::ScrollBy(int bar, int cells) {
    if (bar == SB_VERT)
        SetTopRow(TopRow() + cells);
    else
        SetLeftCol(LeftCol() + cells);
}

void StringGrid::Scroll(int bar, WORD code) {
    const int page = std::max(bar == SB_VERT ? VisibleRowCount() : VisibleColCount(), 1);
    const int first = bar == SB_VERT ? TopRow() : LeftCol();
    switch (code) {
    case SB_LINEUP: ScrollBy(bar, -1); break;
    case SB_LINEDOWN: ScrollBy(bar, 1); break;
    case SB_PAGEUP: ScrollBy(bar, -page); break;
    case SB_PAGEDOWN: ScrollBy(bar, page); break;
    case SB_TOP: ScrollBy(bar, -first); break;
    case SB_BOTTOM: ScrollBy(bar, INT_MAX - first); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(Handle(), bar, &info);
        ScrollBy(bar, info.nTrackPos - first);
        break;
    }
    default: break;
    }
}

// --- Painting -----------------------------------------------------------------

void StringGrid::Paint(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    buffer_.SetSize(client.right, client.bottom);
    const HDC buffer = buffer_.Dc();
    Canvas& canvas = buffer_.GetCanvas();
    SelectClipRgn(buffer, nullptr);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(color_);
    canvas.FillRect(client);
    const GridRect shown = model_.ShownCells();
    const GridRect selection = model_.Selection();
    const GridCoord current = model_.Current();
    const bool focused = Focused();
    for (int row = shown.top; OnDrawCell && row <= shown.bottom; ++row) {
        for (int col = shown.left; col <= shown.right; ++col) {
            const RECT rect = CellRect(col, row);
            // A cell's drawing never spills into its neighbours.
            SelectClipRgn(buffer, nullptr);
            IntersectClipRect(buffer, rect.left, rect.top, rect.right, rect.bottom);
            const GridDrawState state{selection.Contains({col, row}),
                                      focused && current == GridCoord{col, row}};
            OnDrawCell(*this, col, row, rect, state);
        }
    }
    SelectClipRgn(buffer, nullptr);
    DrawGridLines(canvas, shown);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
}

void StringGrid::DrawGridLines(Canvas& canvas, const GridRect& shown) {
    const int vertical = model_.Cols().LineWidth();
    const int horizontal = model_.Rows().LineWidth();
    if (vertical == 0 && horizontal == 0) return;
    const RECT last = CellRect(shown.right, shown.bottom);
    canvas.SetBrushColor(GetSysColor(COLOR_BTNFACE));
    for (int col = shown.left; vertical > 0 && col <= shown.right; ++col) {
        const int x = CellRect(col, shown.top).right;
        canvas.FillRect({x, 0, x + vertical, last.bottom + horizontal});
    }
    for (int row = shown.top; horizontal > 0 && row <= shown.bottom; ++row) {
        const int y = CellRect(shown.left, row).bottom;
        canvas.FillRect({0, y, last.right + vertical, y + horizontal});
    }
}

// --- Mouse, drag and keys -----------------------------------------------------

void StringGrid::Press(UINT message, WPARAM wParam, LPARAM lParam) {
    pointer_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // A press while a drag runs (another button) ends it without a drop.
    CancelDrag();
    if (!Focused()) SetFocus();
    const bool left = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
    if (left) {
        const GridCoord cell = model_.CellAt(pointer_.x, pointer_.y);
        if (cell.col >= 0) {
            MoveCurrent(cell, (wParam & MK_SHIFT) != 0);
            selecting_ = true;
        }
    }
    // Takes the mouse and runs OnMouseDown, which may begin a drag.
    DispatchMouse(*this, Handle(), left ? WM_LBUTTONDOWN : message, wParam, lParam);
    if (message == WM_LBUTTONDBLCLK && OnDblClick) OnDblClick(*this);
}

void StringGrid::PointerMoved(WPARAM wParam, LPARAM lParam) {
    pointer_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (drag_.Phase() != DragPhase::None) {
        // The pointer belongs to the drag, pending or running: no selecting.
        drag_.Move(pointer_.x, pointer_.y);
        if (Dragging()) ShowDragOver();
        return;
    }
    if (selecting_ && (wParam & MK_LBUTTON)) MoveCurrent(model_.NearestCell(pointer_.x, pointer_.y), true);
    DispatchMouse(*this, Handle(), WM_MOUSEMOVE, wParam, lParam);
}

void StringGrid::Released(UINT message, WPARAM wParam, LPARAM lParam) {
    pointer_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    selecting_ = false;
    // A pending drag that never passed its threshold was a plain click.
    EndDrag(true);
    DispatchMouse(*this, Handle(), message, wParam, lParam);
}

void StringGrid::BeginDrag(bool immediate, int threshold) {
    drag_.Begin(immediate, threshold, pointer_.x, pointer_.y);
    selecting_ = false;
    // The moves and the release must reach us wherever the pointer goes.
    if (Handle() && GetCapture() != Handle()) SetCapture(Handle());
    if (immediate) ShowDragOver();
}

void StringGrid::ShowDragOver() {
    StringGrid* target = nullptr;
    POINT targetPoint{};
    ShowDragCursor(DragOverAt(pointer_, target, targetPoint));
}

void StringGrid::EndDrag(bool drop) {
    if (drag_.Phase() == DragPhase::None) return;
    const bool active = Dragging();
    // Ended before the handlers run, so that they may begin another.
    drag_.End();
    if (!active) return;
    ShowDragCursor(true);
    StringGrid* target = nullptr;
    POINT targetPoint{};
    if (drop && DragOverAt(pointer_, target, targetPoint) && target->OnDragDrop)
        target->OnDragDrop(*target, *this, targetPoint.x, targetPoint.y);
}

bool StringGrid::DragOverAt(POINT point, StringGrid*& target, POINT& targetPoint) {
    POINT screen = point;
    ClientToScreen(Handle(), &screen);
    target = dynamic_cast<StringGrid*>(FromHandle(WindowFromPoint(screen)));
    if (!target || !target->OnDragOver) return false;
    targetPoint = screen;
    ScreenToClient(target->Handle(), &targetPoint);
    bool accept = true;
    target->OnDragOver(*target, *this, targetPoint.x, targetPoint.y, accept);
    return accept;
}

void StringGrid::KeyDown(WPARAM key) {
    GridKey move;
    switch (key) {
    case VK_LEFT: move = GridKey::Left; break;
    case VK_RIGHT: move = GridKey::Right; break;
    case VK_UP: move = GridKey::Up; break;
    case VK_DOWN: move = GridKey::Down; break;
    case VK_PRIOR: move = GridKey::PageUp; break;
    case VK_NEXT: move = GridKey::PageDown; break;
    case VK_HOME: move = GridKey::Home; break;
    case VK_END: move = GridKey::End; break;
    case VK_ESCAPE: CancelDrag(); return;
    default: return;
    }
    MoveCurrent(model_.KeyTarget(move, GetKeyState(VK_CONTROL) < 0), GetKeyState(VK_SHIFT) < 0);
}

LRESULT StringGrid::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleSelfPaint(message, wParam, [this](HDC dc) { Paint(dc); }, result)) return result;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Press(message, wParam, lParam);
        return 0;
    case WM_MOUSEMOVE:
        PointerMoved(wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        Released(message, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        // Someone else took the mouse (a menu, another window): no button
        // is held for us any more.
        if (reinterpret_cast<HWND>(lParam) != Handle()) {
            selecting_ = false;
            CancelDrag();
        }
        break;
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The focused state of the current cell changes.
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: {
        // One cell per notch; a grid that cannot scroll down scrolls across.
        wheel_ += GET_WHEEL_DELTA_WPARAM(wParam);
        const int notches = wheel_ / WHEEL_DELTA;
        wheel_ %= WHEEL_DELTA;
        if (message == WM_MOUSEHWHEEL)
            ScrollBy(SB_HORZ, notches);
        else
            ScrollBy(model_.Rows().MaxFirst(model_.ClientHeight()) > 0 ? SB_VERT : SB_HORZ, -notches);
        return 0;
    }
    default:
        break;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel::tk
