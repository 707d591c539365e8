// TPrintWndDlg: the clipping list window. It is shown modally while this
// window hides; the passes go on and render one picture per region into it,
// and it reaches back here for the timer, "Auto", the windows behind its
// regions and the CPU meter.

#include <algorithm>

#include "catalogue/WindowStates.h"
#include "clipping/ClipData.h"
#include "clipping/TrimViewUnit.h"
#include "main/WndCloseUnit.h"
#include "toolkit/Messages.h"

namespace vistrel {

std::vector<RegionSource> TPrintWndDlg::RegionSources() const {
    std::vector<RegionSource> sources;
    for (int i = 0; i < ListView1.Count(); ++i) {
        RegionSource source;
        if (const WindowEntry* entry = EntryOf(i))
            source = {entry->handle, entry->autoUpdate, entry->clips.get(), entry->hiddenClips};
        sources.push_back(source);
    }
    return sources;
}

void TPrintWndDlg::TrimingOnMenuClick(tk::Component&) {
    if (!gate_.MayBegin() || trimView_) return;
    Timer1.SetEnabled(false);
    regions_.rows = BuildRegionTable(RegionSources());
    regions_.total = static_cast<int>(regions_.rows.size());
    regions_.cursor = 0;
    if (regions_.total > 0) {
        TTrimViewDlg dialog(*this, Handle());
        trimView_ = &dialog;
        list_->SetRegionSink(&dialog);
        Timer1.SetEnabled(AutoChkBox.Checked());
        AnimateWindow(Handle(), kFadeMs, AW_HIDE | AW_BLEND);
        Hide();
        dialog.ShowModal();
        // The passes render thumbnails again from here on.
        list_->SetRegionSink(nullptr);
        trimView_ = nullptr;
        if (dialog.Deleted())
            for (int i = 0; i < ListView1.Count(); ++i)
                if (WindowEntry* entry = EntryOf(i)) entry->hiddenClips = 0;
    }
    regions_ = {};
    Timer1.SetEnabled(AutoChkBox.Checked() && !gate_.ClosingStarted());
    if (closing_.CloseAsked()) {
        // A close came while the list window was open: it ended that window
        // and now ends this one, which need not appear again first.
        PostRunDeferred();
        return;
    }
    if (!gate_.ClosingStarted()) Show();
}

void TPrintWndDlg::RegionsAfterRebuild() {
    // The list was built anew. The passes meet the regions in its order, so
    // the rows are made anew in that order, and the list window lays them
    // out, once a picture would no longer stand for its row's region.
    // The pictures move with the rows at once: a pass may be far off (or
    // stopped for good), and a cell must never show another region.
    const std::vector<RegionRow> before = regions_.rows;
    if (!RenewRegionRows(regions_.rows, BuildRegionTable(RegionSources()))) return;
    if (trimView_) trimView_->Rearrange(PictureSources(before, regions_.rows));
    regions_.total = static_cast<int>(regions_.rows.size());
    regions_.changed = true;
}

int TPrintWndDlg::CaptureInterval() const { return Timer1.Interval(); }

void TPrintWndDlg::SetCaptureInterval(int milliseconds) { Timer1.SetInterval(milliseconds); }

bool TPrintWndDlg::AutoUpdating() const { return AutoChkBox.Checked(); }

void TPrintWndDlg::SetAutoUpdating(bool on) {
    AutoChkBox.SetChecked(on);
    AutoChkBoxClick();
}

void TPrintWndDlg::ActivateRegionWindow(const RegionRow& row) {
    const HWND window = static_cast<HWND>(row.handle);
    if (!IsWindow(window)) return;
    const auto running = gate_.TryBegin();
    if (!running) return;
    const HWND target = list_->PlacementTargetOf(window);
    UnparkWindow(*running, window, target);
    SetForegroundWindow(window);
}

void TPrintWndDlg::HideRegion(const RegionRow& row) {
    std::vector<WindowHandle> handles;
    for (int i = 0; i < ListView1.Count(); ++i) {
        const WindowEntry* entry = EntryOf(i);
        handles.push_back(entry ? entry->handle : nullptr);
    }
    const int item = ItemOfRow(row, handles);
    WindowEntry* entry = item >= 0 ? EntryOf(item) : nullptr;
    if (entry && entry->clips && row.rectIndex >= 0 && row.rectIndex < kClipSlots)
        entry->hiddenClips = static_cast<uint16_t>(entry->hiddenClips | (1u << row.rectIndex));
}

SIZE TPrintWndDlg::PictureSize() const { return {ImageList1.Width(), ImageList1.Height()}; }

}  // namespace vistrel
