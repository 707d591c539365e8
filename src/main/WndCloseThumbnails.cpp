// TPrintWndDlg: thumbnail pictures, their size and their re-rendering.

#include "catalogue/ThumbnailGeometry.h"
#include "main/WndCloseUnit.h"

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
    const Size thumb = ThumbnailSize(baseCell_.width, baseCell_.height, SizeSetTrackBar.Position());
    if (thumb.width < baseCell_.width) return columnCount_;
    const int columns = ColumnCount(ListView1.Width(), thumb.width, Dpi());
    if (!apply) return columns;
    columnCount_ = columns;
    list_->SetThumbnailSize(thumb.width, thumb.height);
    return columns;
}

void TPrintWndDlg::RerenderEntry(const ListHold& held, int item, bool minimised, bool parked) {
    list_->RerenderEntry(held, item, minimised, parked);
}

void TPrintWndDlg::RefreshThumbnail(HWND window, int item) { list_->RefreshThumbnail(window, item); }

void TPrintWndDlg::ResizeThumbnails() {
    const auto command = gate_.Admit(CommandGate::Request::Resize);
    if (!command) return;
    ApplyThumbnailSize(true);
    // Icon cards carry nothing worth keeping: every window comes back as new.
    if (!PrintWindowAvailable()) ClearList();
    RefreshList(*command);
}

void TPrintWndDlg::SizeLetGo() {
    gate_.ReleaseSize();
    ResizeThumbnails();
}

void TPrintWndDlg::CheckBox2Click() {
    // Also runs while the settings are read at construction: nothing to redo yet.
    if (!Visible()) return;
    if (!AutoChkBox.Checked()) ToolButton1Click(RefreshKind::List);
}

void TPrintWndDlg::ConnectThumbnailHandlers() {
    // Held, the bar pauses the background; let go, the list takes the new
    // size. The toolkit also reports a release when the bar loses the mouse
    // capture or the focus while held, so the pause never outlives the hold.
    // Only the left button moves the thumb; the others leave the size alone.
    SizeSetTrackBar.OnMouseDown = [this](tk::Component&, const tk::MouseInfo& mouse) {
        if (mouse.button == tk::MouseButton::Left) gate_.HoldSize();
    };
    SizeSetTrackBar.OnMouseUp = [this](tk::Component&, const tk::MouseInfo& mouse) {
        if (mouse.button == tk::MouseButton::Left) SizeLetGo();
    };
    SizeSetTrackBar.OnKeyDown = [this](tk::TrackBar&, WORD key) {
        if (ArrowKey(key)) gate_.HoldSize();
    };
    SizeSetTrackBar.OnKeyUp = [this](tk::TrackBar&, WORD key) {
        if (ArrowKey(key)) SizeLetGo();
    };
    CheckBox2.OnClick = [this](tk::Component&) { CheckBox2Click(); };
    HighQualityChkBox.OnClick = [this](tk::Component&) { CheckBox2Click(); };
}

}  // namespace vistrel
