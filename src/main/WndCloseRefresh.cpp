// TPrintWndDlg: keeping the list current. The refresh command, the change tick
// that the update thread paces, and the automatic passes that Timer1 starts.

#include <algorithm>
#include <utility>

#include "catalogue/AutoThreadUnit.h"
#include "catalogue/ChangeCheck.h"
#include "catalogue/UpdateThreadUnit.h"
#include "catalogue/WindowStates.h"
#include "main/WndCloseUnit.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"

namespace vistrel {

void TPrintWndDlg::CreateUpdateThread() {
    updateThread_ = new TUpdateThread([this] { ChangeTick(); });
}

void TPrintWndDlg::StopUpdateThread() {
    // The thread frees itself once it sees the request; it is not touched
    // again after this point.
    updateStopping_ = true;
    if (updateThread_) updateThread_->Terminate();
    updateThread_ = nullptr;
}

void TPrintWndDlg::PauseBackgroundWork() {
    if (updateThread_) updateThread_->Suspend();
    if (!AutoChkBox.Checked()) return;
    Timer1.SetEnabled(false);
    if (autoRunActive_) {
        stopRequest_ = 1;
        WaitForPass();
    }
}

void TPrintWndDlg::ResumeBackgroundWork() {
    if (updateThread_) updateThread_->Resume();
    if (AutoChkBox.Checked()) Timer1.SetEnabled(true);
}

void TPrintWndDlg::WaitForPass() {
    // The pass may have freed itself already; its event outlives it. Messages
    // keep being served meanwhile, so the pass can finish its current item.
    if (auto finished = std::exchange(passFinished_, nullptr))
        tk::Application::Instance().WaitFor(finished->get());
}

void TPrintWndDlg::ToolButton1Click(tk::Component& sender) {
    platform::RedrawNow(GetDesktopWindow());
    PauseBackgroundWork();
    if (CheckBox1.Checked() || &sender == &ToolButton1 || !PrintWindowAvailable()) {
        RefreshList();
    } else {
        // "Open Only" was just unchecked: every parked window comes back to
        // where it was and is minimised for real.
        catalogue_->EnumerateVisible();
        for (int i = 0; i < ListView1.Count(); ++i) {
            const WindowEntry* entry = EntryOf(i);
            if (!entry) continue;
            const HWND target = catalogue_->PlacementTarget(WindowOf(*entry));
            if (!IsWindowParked(target)) continue;
            UnparkWindow(target);
            platform::QuietMinimise(WindowOf(*entry));
            WaitUntilMinimised(WindowOf(*entry));
            RerenderEntry(i, true, false);
        }
    }
    ResumeBackgroundWork();
}

void TPrintWndDlg::ChangeTick() {
    if (updateStopping_ || !catalogue_) return;
    UpdateToolbarStates();
    const int kind = ChangeCheck();
    stopRequest_ = kind;
    if (kind != kNoChange && !autoRunActive_ && !updateStopping_) ApplyChange(kind);
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
        catalogue_->EnumerateListed(false);
        // The enumeration has just read every listed window's title and
        // minimised state; the item checks below take them from here instead
        // of asking each window again (a round trip per question under Wine).
        // A sorted vector that keeps its capacity: nothing is allocated per tick.
        listedIndex_.clear();
        for (int i = 0; i < catalogue_->ListedCount(); ++i)
            listedIndex_.push_back({catalogue_->Listed(i).handle, i});
        std::sort(listedIndex_.begin(), listedIndex_.end());
        return catalogue_->ListedCount();
    };
    input.readItem = [this](int index, ItemNow& item) {
        if (updateStopping_) return false;
        const WindowEntry* entry = EntryOf(index);
        if (!entry) return false;
        const HWND window = WindowOf(*entry);
        item.markedMinimised = entry->minimized;
        item.caption = ListView1.Caption(index);
        const auto found = std::lower_bound(listedIndex_.begin(), listedIndex_.end(),
                                            std::pair<HWND, int>{window, 0});
        if (found != listedIndex_.end() && found->first == window) {
            const EnumeratedWindow& listed = catalogue_->Listed(found->second);
            item.iconic = listed.minimized;
            item.title = listed.title;
        } else {
            item.iconic = platform::IsMinimised(window);
            item.title = platform::WindowTitle(window);
        }
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
    catalogue_->EnumerateVisible();
    const bool openOnly = OpenOnlyInForce();
    for (int i = 0; i < ListView1.Count(); ++i) {
        if (updateStopping_) return;
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
                    QuietRestoreFromParked(h);
                    catalogue_->EnumerateVisible();
                }
                const HWND target = catalogue_->PlacementTarget(h);
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
    if (!PassMayStart(AutoChkBox.Checked(), autoRunActive_, stopRequest_)) return;
    autoRunActive_ = true;
    regionCursor_ = 0;
    auto* pass = new AutoThread(tickCounter_, {autoRunActive_, stopRequest_, itemCount_},
                                [this](int tick, int index) { PassStep(tick, index); });
    passFinished_ = pass->Finished();
    pass->Resume();
    tickCounter_ = NextTick(tickCounter_, clipListOpen_);
}

void TPrintWndDlg::PassStep(int tick, int index) {
    if (index >= ListView1.Count()) return;
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
    Timer1.SetEnabled(on);
}

}  // namespace vistrel
