// TPrintWndDlg: keeping the list current. The refresh command, the change tick
// that the update thread paces, and the automatic passes that Timer1 starts.

#include <utility>

#include "catalogue/ChangeCheck.h"
#include "catalogue/ItemChange.h"
#include "catalogue/WindowStates.h"
#include "main/WndCloseUnit.h"
#include "platform/WindowFacts.h"
#include "toolkit/Messages.h"

namespace vistrel {

void TPrintWndDlg::CreateBackgroundWork() {
    // Created suspended; FormCreate lets the update thread run at its end.
    background_ = std::make_unique<BackgroundWork>(
        Timer1, [this] { return AutoChkBox.Checked(); }, [this] { ChangeTick(); },
        [this](int tick, int index) { return PassStep(tick, index); });
    gate_.Attach(*background_);
}

void TPrintWndDlg::ToolButton1Click(RefreshKind kind) {
    // Rebuilding the list under a running command would pull its items
    // away; the refresh follows when the command is over.
    const auto command = gate_.Admit(CommandGate::Request::Refresh, kind);
    if (!command) return;
    platform::RedrawNow(GetDesktopWindow());
    if (kind == RefreshKind::OpenOnlySwitched && !CheckBox1.Checked() && PrintWindowAvailable())
        BringParkedWindowsHome(*command);
    else
        RefreshList(*command);
}

void TPrintWndDlg::BringParkedWindowsHome(const ListHold& held) {
    // "Open Only" was just unchecked: every parked window comes back to
    // where it was and is minimised for real; the listed ones, and then the
    // ones the record names for windows that left the list meanwhile.
    const std::vector<HWND> windows = list_->Windows();
    const std::vector<HWND> targets = list_->PlacementTargets(windows);
    const auto bringHome = [this, &held](HWND window, HWND target) {
        // Only a window that was out of sight is minimised. One that does
        // not answer stays as it is for now; a hidden one stays hidden.
        if (!UnparkWindow(held, window, target)) return;
        // Each wait may change the list: the item is found again by its window.
        if (!platform::IsVisible(window) || !QuietMinimiseAndWait(held, window)) return;
        if (const int item = ItemOfWindow(window); item >= 0) RerenderEntry(held, item, true, false);
    };
    for (size_t i = 0; i < windows.size(); ++i) {
        if (gate_.ClosingStarted()) return;
        if (windows[i] && IsWindowParked(windows[i], targets[i])) bringHome(windows[i], targets[i]);
    }
    for (const HWND listed : changes_.ListedOfParked()) {
        if (gate_.ClosingStarted()) return;
        bringHome(listed, listed);
    }
}

void TPrintWndDlg::ChangeTick() {
    // While the session may be ending the parked windows are at home, and
    // nothing is parked or layered until it goes on.
    if (!gate_.ListFree() || !list_) return;
    // Long enough for a program to ask about unsaved work on the way out;
    // Windows says WM_ENDSESSION(FALSE) when the end is called off.
    constexpr unsigned kSessionEndWaitMs = 5 * 60 * 1000;
    changes_.ParkAgainAfter(kSessionEndWaitMs);
    if (!changes_.MayChange()) return;
    layered_.RetryReleased();
    UpdateToolbarStates();
    const int kind = ChangeCheck();
    background_->SetStopRequest(kind);
    if (background_->PassRunning()) return;
    // A tick that finds nothing to do holds nothing: the passes go on.
    if (kind == kNoChange && !list_->IconsArrived()) return;
    if (const auto held = gate_.HoldForChangeTick()) {
        if (kind != kNoChange) ApplyChange(*held, kind);
        RedrawArrivedIcons(*held);
    }
}

void TPrintWndDlg::RedrawArrivedIcons(const ListHold&) {
    // A window's own icon came after its thumbnail was drawn with its
    // program's: put on the picture it has.
    const std::vector<HWND> arrived = list_->TakeArrivedIcons();
    if (!PrintWindowAvailable()) return;
    for (const HWND window : arrived)
        if (const int item = ItemOfWindow(window); item >= 0) list_->RedrawIcon(window, item);
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
    input.countQualifying = [this] { return list_->CountQualifying(); };
    input.readItem = [this](int index, ItemNow& item) {
        const WindowEntry* entry = EntryOf(index);
        if (!entry) return false;
        item.markedMinimised = entry->minimized;
        item.caption = entry->title;
        // The enumeration has just read every listed window's title and
        // minimised state: taken from there instead of asking each window
        // again (a round trip per question under Wine).
        const EnumeratedWindow* listed = list_->ListedNow(WindowOf(*entry));
        item.qualifies = listed != nullptr;
        if (!listed) return true;
        item.iconic = listed->minimized;
        item.title = listed->Title();
        return true;
    };
    return ChangeKind(input);
}

void TPrintWndDlg::ApplyChange(const ListHold& held, int kind) {
    switch (kind) {
    case kLayoutChanged:
        ApplyThumbnailSize(true);
        if (!PrintWindowAvailable()) ClearList();
        RefreshList(held);
        break;
    case kCountChanged:
        RefreshList(held);
        break;
    case kItemChanged:
        ApplyItemChanges(held);
        break;
    default:
        break;
    }
}

void TPrintWndDlg::ApplyItemChanges(const ListHold& held) {
    const bool openOnly = OpenOnlyInForce();
    bool retitled = false;
    for (int i = 0; i < ListView1.Count(); ++i) {
        if (gate_.ClosingStarted()) return;
        const WindowEntry* entry = EntryOf(i);
        if (!entry) continue;
        const HWND h = WindowOf(*entry);
        const ItemPlan plan = PlanItemChange({openOnly, platform::IsMinimised(h), entry->minimized, entry->parked});
        if (plan.restoreFirst && !QuietRestoreFromParked(held, h)) continue;
        if (plan.park != ParkStep::None) {
            // Looked up after the restore: the windows it owns show again.
            const HWND target = list_->PlacementTargetOf(h);
            const bool parked = plan.park == ParkStep::Park && ParkWindow(held, h, target);
            if (plan.park == ParkStep::Unpark) UnparkWindow(held, h, target);
            RerenderEntry(held, i, false, parked);
        }
        if (plan.remark) RerenderEntry(held, i, plan.minimisedMark, false);
        if (plan.redraw) platform::RedrawNow(h);
        const std::u16string title = platform::WindowTitle(h);
        if (title != ListView1.Caption(i)) {
            list_->SetTitle(i, title);
            retitled = true;
            if (PrintWindowAvailable()) RefreshThumbnail(h, i);
        }
    }
    // A new title may be found, or no longer.
    if (retitled && !list_->Filter().Empty()) ShowFindStatus(list_->ApplyFilter());
}

void TPrintWndDlg::Timer1Timer() {
    if (!background_ || !PassMayStart(AutoChkBox.Checked(), background_->PassRunning(),
                                      background_->StopRequest()))
        return;
    regions_.cursor = 0;
    if (!background_->StartPass(tickCounter_)) return;
    tickCounter_ = NextTick(tickCounter_, trimView_ != nullptr);
}

bool TPrintWndDlg::PassStep(int tick, int index) {
    if (gate_.ClosingStarted()) return false;
    // What nobody can see is not captured: a thumbnail scrolled out of view
    // (or in a minimised main window) is captured by the first pass that
    // finds it in view again. Asked first, as it asks nothing of the list;
    // the window's own state once a pass.
    if (index == 0) {
        passSees_ = {!Visible(), IsIconic(Handle()) != FALSE};
        list_->LookAtViewAgain();
    }
    const bool mainHidden = passSees_.mainHidden;
    const bool inView = !mainHidden && !passSees_.minimised && list_->InView(index);
    if (!mainHidden && !inView) return false;
    const WindowEntry* entry = index < ListView1.Count() ? EntryOf(index) : nullptr;
    if (!entry) return false;
    if (!PassStepDue(entry->autoUpdate, entry->minimized, tick, entry->clips != nullptr, mainHidden, inView))
        return false;
    list_->RefreshForPass(WindowOf(*entry), index);
    return true;
}

void TPrintWndDlg::AutoChkBoxClick() {
    const bool on = AutoChkBox.Checked();
    ListView1.SetDoubleBuffered(on);
    // While a command runs the timer stays off; its end switches it on.
    if (gate_.ListFree()) Timer1.SetEnabled(on);
}

}  // namespace vistrel
