// TPrintWndDlg: thumbnail pictures, their size and their re-rendering.

#include "catalogue/Parking.h"
#include "catalogue/ThumbnailGeometry.h"
#include "catalogue/WindowStates.h"
#include "main/WndCloseUnit.h"
#include "platform/WindowFacts.h"
#include "toolkit/Colours.h"

namespace vistrel {

namespace {

constexpr WORD kFirstArrowKey = VK_LEFT;  // 37 to 40: left, up, right, down
constexpr WORD kLastArrowKey = VK_DOWN;

bool ArrowKey(WORD key) { return key >= kFirstArrowKey && key <= kLastArrowKey; }

}  // namespace

RenderOptions TPrintWndDlg::CurrentRenderOptions() const {
    RenderOptions options;
    options.stretch = CheckBox2.Checked();
    options.highQuality = HighQualityChkBox.Checked();
    options.openOnly = CheckBox1.Checked();
    options.autoChecked = AutoChkBox.Checked();
    options.clipMenu = ClipMenu.Checked;
    return options;
}

int TPrintWndDlg::ApplyThumbnailSize(bool apply) {
    const Size thumb = ThumbnailSize(baseCellWidth_, baseCellHeight_, SizeSetTrackBar.Position());
    if (thumb.width < baseCellWidth_) return columnCount_;
    const int columns = ColumnCount(ListView1.Width(), thumb.width);
    if (!apply) return columns;
    columnCount_ = columns;
    workBitmap_.SetSize(thumb.width, thumb.height);
    ImageList1.SetSize(thumb.width, thumb.height);
    // The list view measures its cells when it is given the list.
    ListView1.SetLargeImages(ImageList1);
    return columns;
}

HWND TPrintWndDlg::RenderNewItem(WindowEntry& entry, int image) {
    if (!PrintWindowAvailable()) {
        renderer_->DrawIconCard(WindowOf(entry), entry.minimized && !CheckBox1.Checked(),
                                CheckBox2.Checked(), workBitmap_);
        ImageList1.Replace(image, workBitmap_);
        return WindowOf(entry);
    }
    buildBitmap_.SetSize(ImageList1.Width(), ImageList1.Height());
    const RenderResult result =
        renderer_->RenderThumbnail(entry, buildBitmap_, CurrentRenderOptions(), ClipListSink());
    if (!result.captured) {
        // A window that does not answer gets a blank picture for now; the
        // bitmap still holds the previous item's.
        buildBitmap_.GetCanvas().SetBrushColor(tk::clWhite);
        buildBitmap_.GetCanvas().FillRect({0, 0, buildBitmap_.Width(), buildBitmap_.Height()});
    }
    if (CheckBox1.Checked()) {
        const RECT r = platform::WindowRect(result.pictured);
        if (ListedAsParked({r.left, r.top, r.right, r.bottom})) {
            entry.minimized = false;
            entry.parked = true;
        }
        renderer_->DrawStateMarks(buildBitmap_, entry.parked, entry.autoUpdate);
    }
    ImageList1.Replace(image, buildBitmap_);
    return result.pictured;
}

void TPrintWndDlg::RerenderEntry(int item, bool minimised, bool parked) {
    WindowEntry* entry = EntryOf(item);
    if (!entry) return;
    entry->minimized = minimised;
    const int image = ListView1.ImageIndex(item);
    if (!PrintWindowAvailable()) {
        if (CheckBox1.Checked()) return;
        renderer_->DrawIconCard(WindowOf(*entry), minimised, CheckBox2.Checked(), workBitmap_);
        ImageList1.Replace(image, workBitmap_);
        ListView1.RedrawItem(item);
        return;
    }
    tk::Bitmap picture(ImageList1.Width(), ImageList1.Height());
    entry->parked = parked;
    if (CheckBox1.Checked()) {
        // The marks change, the picture does not: no new capture.
        ImageList1.CopyImage(image, picture.Dc());
        renderer_->DrawStateMarks(picture, parked, entry->autoUpdate);
    } else if (!renderer_->RenderThumbnail(*entry, picture, CurrentRenderOptions(), ClipListSink())
                    .captured) {
        return;  // keeps its last picture
    }
    ImageList1.Replace(image, picture);
    ListView1.RedrawItem(item);
}

void TPrintWndDlg::RefreshThumbnail(HWND window, int item) {
    const WindowEntry* entry = EntryOf(item);
    if (!entry) return;
    if (!renderer_->RenderThumbnail(*entry, workBitmap_, CurrentRenderOptions(), ClipListSink())
             .captured)
        return;  // keeps its last picture
    if (clipListOpen_) return;
    if (CheckBox1.Checked())
        renderer_->DrawStateMarks(workBitmap_, IsWindowParked(catalogue_->PlacementTarget(window)),
                                  entry->autoUpdate);
    ImageList1.Replace(ListView1.ImageIndex(item), workBitmap_);
    ListView1.RedrawItem(item);
}

void TPrintWndDlg::ResizeThumbnails() {
    if (ClosingStarted()) return;
    if (Busy()) {
        pendingResize_ = true;
        return;
    }
    const auto pause = PauseBackgroundWork();
    ApplyThumbnailSize(true);
    // Icon cards carry nothing worth keeping: every window comes back as new.
    if (!PrintWindowAvailable()) ClearList();
    RefreshList();
}

void TPrintWndDlg::CheckBox2Click() {
    // Also runs while the settings are read at construction: nothing to redo yet.
    if (!Visible()) return;
    if (!AutoChkBox.Checked()) ToolButton1Click(ToolButton1);
}

void TPrintWndDlg::ConnectThumbnailHandlers() {
    // Held, the bar pauses the background; let go, the list takes the new
    // size. The toolkit also reports a release when the bar loses the mouse
    // capture or the focus while held, so the pause never outlives the hold.
    SizeSetTrackBar.OnMouseDown = [this](tk::TrackBar&) { BeginSizeHold(); };
    SizeSetTrackBar.OnMouseUp = [this](tk::TrackBar&) { EndSizeHold(); };
    SizeSetTrackBar.OnKeyDown = [this](tk::TrackBar&, WORD key) {
        if (ArrowKey(key)) BeginSizeHold();
    };
    SizeSetTrackBar.OnKeyUp = [this](tk::TrackBar&, WORD key) {
        if (ArrowKey(key)) EndSizeHold();
    };
    CheckBox2.OnClick = [this](tk::Component&) { CheckBox2Click(); };
    HighQualityChkBox.OnClick = [this](tk::Component&) { CheckBox2Click(); };
}

}  // namespace vistrel
