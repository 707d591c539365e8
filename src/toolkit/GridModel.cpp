#include "toolkit/GridModel.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace vistrel::tk {

namespace {

int ToPixel(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

}  // namespace

// --- GridAxis -----------------------------------------------------------------

void GridAxis::SetCount(int count) { sizes_.resize(static_cast<size_t>(std::max(count, 1)), defaultSize_); }

void GridAxis::SetDefaultSize(int size) {
    defaultSize_ = std::max(size, 0);
    std::fill(sizes_.begin(), sizes_.end(), defaultSize_);
}

int GridAxis::Size(int index) const {
    return index >= 0 && index < Count() ? sizes_[static_cast<size_t>(index)] : 0;
}

void GridAxis::SetSize(int index, int size) {
    if (index >= 0 && index < Count()) sizes_[static_cast<size_t>(index)] = std::max(size, 0);
}

void GridAxis::SetLineWidth(int width) { lineWidth_ = std::max(width, 0); }

int64_t GridAxis::Offset(int first, int index) const {
    int64_t offset = 0;
    for (int i = std::max(first, 0); i < std::min(index, Count()); ++i) offset += Size(i) + lineWidth_;
    return offset;
}

int GridAxis::IndexAt(int first, int pixel) const {
    if (pixel < 0) return -1;
    int64_t end = 0;
    for (int i = std::max(first, 0); i < Count(); ++i) {
        end += Size(i) + lineWidth_;
        if (pixel < end) return i;
    }
    return -1;
}

int GridAxis::NearestIndex(int first, int pixel, int client) const {
    if (pixel < 0) return std::max(first - 1, 0);
    if (pixel >= client) return std::clamp(LastShown(first, client) + 1, 0, Count() - 1);
    const int index = IndexAt(first, pixel);
    return index < 0 ? Count() - 1 : index;
}

int GridAxis::LastShown(int first, int client) const {
    int last = first - 1;
    int64_t start = 0;
    for (int i = std::max(first, 0); i < Count() && start < client; ++i) {
        last = i;
        start += Size(i) + lineWidth_;
    }
    return last;
}

int GridAxis::FullyShown(int first, int client) const {
    int shown = 0;
    int64_t start = 0;
    for (int i = std::max(first, 0); i < Count() && start + Size(i) <= client; ++i) {
        ++shown;
        start += Size(i) + lineWidth_;
    }
    return shown;
}

int GridAxis::MaxFirst(int client) const {
    int64_t rest = 0;
    for (int i = Count() - 1; i >= 0; --i) {
        rest += Size(i) + lineWidth_;
        if (rest > client) return std::min(i + 1, Count() - 1);
    }
    return 0;
}

int GridAxis::ScrollToShow(int first, int index, int client) const {
    index = std::clamp(index, 0, Count() - 1);
    if (index < first) return index;
    while (first < index && Offset(first, index) + Size(index) > client) ++first;
    return first;
}

ScrollBarLayout DecideScrollBars(const GridAxis& cols, const GridAxis& rows, int widthWithoutBars,
                                 int heightWithoutBars, int verticalBarWidth,
                                 int horizontalBarHeight) {
    ScrollBarLayout layout;
    // Each bar can only make the other one needed, never the reverse, so
    // the second pass settles it.
    for (int pass = 0; pass < 2; ++pass) {
        layout.clientWidth = std::max(widthWithoutBars - (layout.vertical ? verticalBarWidth : 0), 0);
        layout.horizontal = cols.MaxFirst(layout.clientWidth) > 0;
        layout.clientHeight =
            std::max(heightWithoutBars - (layout.horizontal ? horizontalBarHeight : 0), 0);
        layout.vertical = rows.MaxFirst(layout.clientHeight) > 0;
    }
    layout.clientWidth = std::max(widthWithoutBars - (layout.vertical ? verticalBarWidth : 0), 0);
    return layout;
}

ScrollRange ScrollRangeOf(const GridAxis& axis, int first, int client) {
    const int maxFirst = axis.MaxFirst(client);
    return {axis.Count() - 1, axis.Count() - maxFirst, std::clamp(first, 0, maxFirst)};
}

// --- GridModel ------------------------------------------------------------------

GridCoord GridModel::Clamped(GridCoord cell) const {
    return {std::clamp(cell.col, 0, cols_.Count() - 1), std::clamp(cell.row, 0, rows_.Count() - 1)};
}

void GridModel::Clamp() {
    current_ = Clamped(current_);
    anchor_ = Clamped(anchor_);
    SetLeftCol(leftCol_);
    SetTopRow(topRow_);
}

void GridModel::SetClientSize(int width, int height) {
    clientWidth_ = std::max(width, 0);
    clientHeight_ = std::max(height, 0);
    Clamp();
}

void GridModel::SetLeftCol(int col) { leftCol_ = std::clamp(col, 0, cols_.MaxFirst(clientWidth_)); }

void GridModel::SetTopRow(int row) { topRow_ = std::clamp(row, 0, rows_.MaxFirst(clientHeight_)); }

GridRect GridModel::ShownCells() const {
    return {leftCol_, topRow_, cols_.LastShown(leftCol_, clientWidth_),
            rows_.LastShown(topRow_, clientHeight_)};
}

GridCoord GridModel::CellAt(int x, int y) const {
    if (x >= clientWidth_ || y >= clientHeight_) return {-1, -1};
    const GridCoord cell{cols_.IndexAt(leftCol_, x), rows_.IndexAt(topRow_, y)};
    return cell.col < 0 || cell.row < 0 ? GridCoord{-1, -1} : cell;
}

GridCoord GridModel::NearestCell(int x, int y) const {
    return {cols_.NearestIndex(leftCol_, x, clientWidth_), rows_.NearestIndex(topRow_, y, clientHeight_)};
}

Rect GridModel::CellBox(int col, int row) const {
    const GridRect shown = ShownCells();
    if (!shown.Contains({col, row})) return {};
    const int64_t left = cols_.Offset(leftCol_, col);
    const int64_t top = rows_.Offset(topRow_, row);
    return {ToPixel(left), ToPixel(top), ToPixel(left + cols_.Size(col)), ToPixel(top + rows_.Size(row))};
}

void GridModel::SetRangeSelect(bool on) {
    rangeSelect_ = on;
    if (!on) anchor_ = current_;
}

GridRect GridModel::Selection() const {
    return {std::min(anchor_.col, current_.col), std::min(anchor_.row, current_.row),
            std::max(anchor_.col, current_.col), std::max(anchor_.row, current_.row)};
}

void GridModel::ShowCurrent() {
    leftCol_ = cols_.ScrollToShow(leftCol_, current_.col, clientWidth_);
    topRow_ = rows_.ScrollToShow(topRow_, current_.row, clientHeight_);
}

void GridModel::MoveCurrent(GridCoord cell, bool extend) {
    current_ = Clamped(cell);
    if (!extend || !rangeSelect_) anchor_ = current_;
    ShowCurrent();
}

void GridModel::SetSelection(GridRect selection) {
    anchor_ = Clamped({selection.left, selection.top});
    current_ = Clamped({selection.right, selection.bottom});
}

GridCoord GridModel::KeyTarget(GridKey key, bool ctrl) const {
    const int page = std::max(FullyShownRows(), 1);
    const int lastCol = cols_.Count() - 1;
    const int lastRow = rows_.Count() - 1;
    GridCoord to = current_;
    switch (key) {
    case GridKey::Left: --to.col; break;
    case GridKey::Right: ++to.col; break;
    case GridKey::Up: --to.row; break;
    case GridKey::Down: ++to.row; break;
    case GridKey::PageUp: to.row -= page; break;
    case GridKey::PageDown: to.row += page; break;
    case GridKey::Home: to = {0, ctrl ? 0 : to.row}; break;
    case GridKey::End: to = {lastCol, ctrl ? lastRow : to.row}; break;
    }
    return Clamped(to);
}

// --- DragTracker ------------------------------------------------------------------

void DragTracker::Begin(bool immediate, int threshold, int x, int y) {
    threshold_ = threshold < 0 ? kDefaultDragThreshold : threshold;
    startX_ = x;
    startY_ = y;
    phase_ = immediate ? DragPhase::Active : DragPhase::Pending;
}

bool DragTracker::Move(int x, int y) {
    if (phase_ != DragPhase::Pending) return false;
    if (std::abs(x - startX_) < threshold_ && std::abs(y - startY_) < threshold_) return false;
    phase_ = DragPhase::Active;
    return true;
}

}  // namespace vistrel::tk
