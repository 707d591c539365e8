// TPrintWndDlg: keeping the list current. The refresh command, the change tick
// that the update thread paces, and the automatic passes that Timer1 starts.

#include <algorithm>
#include <utility>

#include "catalogue/ChangeCheck.h"
#include "catalogue/WindowStates.h"
#include "main/WndCloseUnit.h"
#include "platform/WindowFacts.h"
#include "toolkit/Messages.h"

namespace vistrel {

void TPrintWndDlg::CreateBackgroundWork() {
    // Created suspended; FormCreate lets the update thread run at its end.
    background_ = std::make_unique<BackgroundWork>(
        Timer1, [this] { return AutoChkBox.Checked(); }, [this] { ChangeTick(); },
        [this](int tick, int index) { PassStep(tick, index); });
    background_->OnIdle = [this] { PostMessageA(Handle(), tk::WM_VT_RUN_DEFERRED, 0, 0); };
}

void TPrintWndDlg::ToolButton1Click(tk::Component& sender) {
    if (ClosingStarted()) return;
    if (MustDefer()) {
        // Rebuilding the list under a running command would pull its items
        // away; the refresh follows when the command is over.
        pendingRefresh_ = &sender;
        return;
    }
    platform::RedrawNow(GetDesktopWindow());
    const auto pause = PauseBackgroundWork();
    if (CheckBox1.Checked() || &sender == &ToolButton1 || !PrintWindowAvailable()) {
        RefreshList();
    } else {
        // "Open Only" was just unchecked: every parked window comes back to
        // where it was and is minimised for real.
        Catalogue().EnumerateVisible();
        for (int i = 0; i < ListView1.Count(); ++i) {
            if (ClosingStarted()) return;
            const WindowEntry* entry = EntryOf(i);
            if (!entry) continue;
            const HWND target = Catalogue().PlacementTarget(WindowOf(*entry));
            if (!IsWindowParked(target)) continue;
            UnparkWindow(target);
            // A window that does not answer stays as it is for now.
            if (QuietMinimiseAndWait(WindowOf(*entry))) RerenderEntry(i, true, false);
        }
    }
}

void TPrintWndDlg::ChangeTick() {
    if (ClosingStarted() || Busy() || !list_) return;
    RetryReleasedTranslucency();
    UpdateToolbarStates();
    const int kind = ChangeCheck();
    background_->SetStopRequest(kind);
    if (kind == kNoChange || background_->PassRunning()) return;
    const auto pause = PauseBackgroundWork();
    ApplyChange(kind);
}

void TPrintWndDlg::UpdateToolbarStates() {
    selectedMarks_.clear();  // keeps its capacity: nothing is allocated per tick
    for (int i = ListView1.FirstSelected(); i >= 0; i = ListView1.NextSelected(i))
        if (const WindowEntry* entry = EntryOf(i))
            selectedMarks_.push_back({entry->minimized, entry->parked});
    const ToolbarStates states =
        ComputeToolbarStates(selectedMarks_, OpenOnlyInForce(), ListView1.Count());
    ToolButton3.SetEnabled(states.show);
    ToolButton4.SetEnabled(states.minimise);
    ToolButton5.SetEnabled(states.close);
    ToolButton7.SetEnabled(states.translucent);
    ToolButton9.SetEnabled(states.translucent);
    ToolButton10.SetEnabled(states.translucent);
    SortToolBtn.SetEnabled(states.sort);
    ToolButton16.SetEnabled(states.move);
    ToolButton17.SetEnabled(states.move);
}

int TPrintWndDlg::ChangeCheck() {
    ChangeCheckInput input;
    input.askedColumns = ApplyThumbnailSize(false);
    input.columnCount = columnCount_;
    input.listedCount = ListView1.Count();
    input.openOnlyInForce = OpenOnlyInForce();
    input.countQualifying = [this] {
        Catalogue().EnumerateListed(false);
        // The enumeration has just read every listed window's title and
        // minimised state; the item checks below take them from here instead
        // of asking each window again (a round trip per question under Wine).
        // A sorted vector that keeps its capacity: nothing is allocated per tick.
        listedIndex_.clear();
        for (int i = 0; i < Catalogue().ListedCount(); ++i)
            listedIndex_.push_back({Catalogue().Listed(i).handle, i});
        std::sort(listedIndex_.begin(), listedIndex_.end());
        return Catalogue().ListedCount();
    };
    input.readItem = [this](int index, ItemNow& item) {
        const WindowEntry* entry = EntryOf(index);
        if (!entry) return false;
        const HWND window = WindowOf(*entry);
        item.markedMinimised = entry->minimized;
        item.caption = ListView1.Caption(index);
        const auto found = std::lower_bound(listedIndex_.begin(), listedIndex_.end(),
                                            std::pair<HWND, int>{window, 0});
        item.qualifies = found != listedIndex_.end() && found->first == window;
        if (!item.qualifies) return true;
        const EnumeratedWindow& listed = Catalogue().Listed(found->second);
        item.iconic = listed.minimized;
        item.title = listed.title;
        return true;
    };
    return ChangeKind(input);
}

void TPrintWndDlg::ApplyChange(int kind) {
    switch (kind) {
    case kLayoutChanged:
        ApplyThumbnailSize(true);
        if (!PrintWindowAvailable()) ClearList();
        RefreshList();
        break;
    case kCountChanged:
        RefreshList();
        break;
    case kItemChanged:
        ApplyItemChanges();
        break;
    default:
        break;
    }
}

void TPrintWndDlg::ApplyItemChanges() {
    Catalogue().EnumerateVisible();
    const bool openOnly = OpenOnlyInForce();
    for (int i = 0; i < ListView1.Count(); ++i) {
        if (ClosingStarted()) return;
        const WindowEntry* entry = EntryOf(i);
        if (!entry) continue;
        const HWND h = WindowOf(*entry);
        const bool marked = entry->minimized;
        const bool parked = entry->parked;
        if (openOnly) {
            if (platform::IsMinimised(h) || marked) {
                // Minimised by the user: restored and parked out of sight, so
                // it keeps being pictured. Minimised while parked: brought back.
                if (platform::IsMinimised(h)) {
                    // One that does not answer is passed over until it does.
                    if (!QuietRestoreFromParked(h)) continue;
                    Catalogue().EnumerateVisible();
                }
                const HWND target = Catalogue().PlacementTarget(h);
                if (!parked) {
                    RerenderEntry(i, false, ParkWindow(target));
                } else {
                    UnparkWindow(target);
                    RerenderEntry(i, false, false);
                }
            }
        } else if (platform::IsMinimised(h) != marked) {
            RerenderEntry(i, platform::IsMinimised(h), false);
        }
        if (!platform::IsMinimised(h)) platform::RedrawNow(h);
        const std::string title = platform::WindowTitle(h);
        if (title != ListView1.Caption(i)) {
            ListView1.SetCaption(i, title);
            if (PrintWindowAvailable()) RefreshThumbnail(h, i);
        }
    }
}

void TPrintWndDlg::Timer1Timer() {
    if (!background_ || !PassMayStart(AutoChkBox.Checked(), background_->PassRunning(),
                                      background_->StopRequest()))
        return;
    regionCursor_ = 0;
    if (!background_->StartPass(tickCounter_)) return;
    tickCounter_ = NextTick(tickCounter_, trimView_ != nullptr);
}

void TPrintWndDlg::PassStep(int tick, int index) {
    if (ClosingStarted() || index >= ListView1.Count()) return;
    const WindowEntry* entry = EntryOf(index);
    if (!entry) return;
    if (!PassStepDue(entry->autoUpdate, entry->minimized, tick, entry->clips != nullptr,
                     !Visible()))
        return;
    RefreshThumbnail(WindowOf(*entry), index);
    Sleep(kPassStepRestMs);
}

void TPrintWndDlg::AutoChkBoxClick() {
    const bool on = AutoChkBox.Checked();
    ListView1.SetDoubleBuffered(on);
    // While a command runs the timer stays off; its end switches it on.
    if (!Busy() && !ClosingStarted()) Timer1.SetEnabled(on);
}

}  // namespace vistrel
