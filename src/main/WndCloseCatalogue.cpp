// TPrintWndDlg: refresh list, the grid, and the commands that act on list items.

#include "catalogue/CarryOver.h"
#include "catalogue/GridLayout.h"
#include "catalogue/Parking.h"
#include "catalogue/WindowStates.h"
#include "main/WndCloseUnit.h"
#include "platform/Locale.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"

namespace vistrel {

void TPrintWndDlg::RefreshList() {
    // The build pumps messages (step 4, and the waits of parking). It runs
    // inside a command, which holds back every other refresh meanwhile.
    // 1. What each listed window carries over: marks, clipping, position.
    // Item counts are asked once per loop: each question is a message to the
    // list view, and none of these loops adds or removes items.
    CarryOverSnapshot snapshot;
    const int previousCount = ListView1.Count();
    for (int i = 0; i < previousCount; ++i)
        if (WindowEntry* entry = EntryOf(i)) snapshot.Add(*entry, i);
    ReleaseEntries();

    // 2.-4. An empty list, a fresh enumeration (restoring minimised windows in
    // Open Only mode), and one round of our own messages.
    ListView1.BeginUpdate();
    ListView1.Clear();
    ImageList1.Clear();
    catalogue_->EnumerateListed(OpenOnlyInForce());
    tk::Application::Instance().ProcessMessages();

    // 5.-8. Items in their order, and their places.
    BuildListItems(snapshot);
    ListView1.EndUpdate();
    if (background_) background_->SetItemCount(ListView1.Count());
    LayOutGrid();
    // 9. Clipping of windows that are gone goes with the snapshot.
}

void TPrintWndDlg::BuildListItems(CarryOverSnapshot& snapshot) {
    catalogue_->EnumerateVisible();
    const bool pictures = PrintWindowAvailable();
    const int count = catalogue_->ListedCount();

    // Entries and position keys first. The order of the list follows from
    // them alone (by title, then by previous position), so the items are
    // added in that order rather than sorted inside the list view afterwards.
    std::vector<SortItem> keys;
    keys.reserve(static_cast<size_t>(count));
    entries_.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const EnumeratedWindow& listed = catalogue_->Listed(i);
        auto entry = std::make_unique<WindowEntry>();
        entry->handle = listed.handle;
        entry->minimized = listed.minimized;
        std::string positionKey = kNewPositionKey;
        // Without pictures there is no clipping to carry.
        snapshot.TakeOver(listed.handle, *entry, positionKey, pictures);
        keys.push_back({listed.title, std::move(positionKey)});
        entries_.push_back(std::move(entry));
    }
    const std::vector<size_t> order = RefreshOrder(keys, platform::CompareLstr);

    // One picture per item, in list order; room for all of them at once.
    ImageList1.SetImageCount(count);
    for (int position = 0; position < count; ++position) {
        const size_t index = order[static_cast<size_t>(position)];
        WindowEntry& entry = *entries_[index];
        const HWND pictured = RenderNewItem(entry, position);
        const int item =
            ListView1.AddItem(keys[index].caption, reinterpret_cast<LPARAM>(&entry), position);
        ListView1.SetSubItem(item, 0, keys[index].positionKey);
        if (!entry.minimized && !entry.parked) platform::RedrawNow(pictured);
    }
}

void TPrintWndDlg::LayOutGrid() {
    const int count = ListView1.Count();
    if (count == 0) return;
    const RECT cell = ListView1.ItemBounds(0);
    const auto positions =
        GridPositions(count, columnCount_, cell.right - cell.left, cell.bottom - cell.top);
    for (int i = 0; i < count; ++i) ListView1.SetPosition(i, {positions[i].x, positions[i].y});
}

void TPrintWndDlg::ClearList() {
    ReleaseEntries();
    ListView1.Clear();
    ImageList1.Clear();
    if (background_) background_->SetItemCount(0);
}

void TPrintWndDlg::ReleaseEntries() {
    const int count = ListView1.Count();
    for (int i = 0; i < count; ++i) ListView1.SetData(i, 0);
    entries_.clear();
}

void TPrintWndDlg::RestoreAtExit() {
    // Every parked window comes back, also one parked by an earlier run: the
    // parked state lives only in the window's position.
    catalogue_->EnumerateVisible();
    for (int i = 0; i < ListView1.Count(); ++i) {
        const WindowEntry* entry = EntryOf(i);
        if (!entry) continue;
        const HWND target = catalogue_->PlacementTarget(WindowOf(*entry));
        if (IsWindowParked(target)) UnparkWindow(target);
    }
    ReleaseEntries();
}

void TPrintWndDlg::N9Click(tk::Component&) {
    // Takes effect at the next rebuild of the list.
    for (int i = 0; i < ListView1.Count(); ++i) {
        if (!ListView1.Selected(i)) continue;
        if (const WindowEntry* entry = EntryOf(i))
            exclusion_.AddUnique(catalogue_->ExecutablePath(WindowOf(*entry)));
    }
}

void TPrintWndDlg::ListView1Click(tk::Component&) {
    const int item = ListView1.FirstSelected();
    if (item < 0) return;
    if (const WindowEntry* entry = EntryOf(item)) platform::RedrawNow(WindowOf(*entry));
}

void TPrintWndDlg::ListView1SelectItem(int item, bool selected) {
    const WindowEntry* entry = selected ? EntryOf(item) : nullptr;
    if (!entry) {
        Panel5.SetCaption("");
        StatusBar1.SetSimpleText("");
        return;
    }
    Panel5.SetCaption(ListView1.Caption(item));
    StatusBar1.SetSimpleText(catalogue_->ExecutablePath(WindowOf(*entry)));
}

}  // namespace vistrel
