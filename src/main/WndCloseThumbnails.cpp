// TPrintWndDlg: thumbnail pictures, their size and their re-rendering.

#include "catalogue/ThumbnailGeometry.h"
#include "main/WndCloseUnit.h"

namespace vistrel {

int TPrintWndDlg::ApplyThumbnailSize(bool apply) {
    const Size thumb = ThumbnailSize(baseCellWidth_, baseCellHeight_, SizeSetTrackBar.Position());
    if (thumb.width < baseCellWidth_) return columnCount_;
    const int columns = ColumnCount(ListView1.Width(), thumb.width);
    if (!apply) return columns;
    columnCount_ = columns;
    ImageList1.SetSize(thumb.width, thumb.height);
    return columns;
}

void TPrintWndDlg::RerenderEntry(int item, bool minimised, bool parked) {
    WindowEntry* entry = EntryOf(item);
    if (!entry) return;
    entry->minimized = minimised;
    entry->parked = parked;
}

void TPrintWndDlg::RefreshThumbnail(HWND, int) {}

}  // namespace vistrel
