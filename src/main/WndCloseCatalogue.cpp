// TPrintWndDlg: refresh list and the commands that act on list items.

#include "catalogue/HoverText.h"
#include "main/WndCloseUnit.h"
#include "platform/WindowFacts.h"

namespace vistrel {

void TPrintWndDlg::RefreshList(const ListHold& held) {
    list_->Rebuild(held, columnCount_);
    if (background_) background_->SetItemCount(ListView1.Count());
    if (trimView_) RegionsAfterRebuild();
    if (!list_->Filter().Empty()) ShowFindStatus(ListView1.ShownCount());
}

void TPrintWndDlg::ClearList() {
    list_->Clear();
    if (background_) background_->SetItemCount(0);
}

void TPrintWndDlg::N9Click(tk::Component&) {
    // Takes effect at the next rebuild of the list.
    for (int i = 0; i < ListView1.Count(); ++i) {
        if (!ListView1.Selected(i)) continue;
        if (const WindowEntry* entry = EntryOf(i))
            exclusion_.AddUnique(list_->ExecutablePath(WindowOf(*entry)));
    }
}

void TPrintWndDlg::ListView1Click(tk::Component&) {
    const int item = ListView1.FirstSelected();
    if (item < 0) return;
    if (const WindowEntry* entry = EntryOf(item)) platform::RedrawNow(WindowOf(*entry));
}

std::u16string TPrintWndDlg::ListView1HoverText(int item) {
    const WindowEntry* entry = EntryOf(item);
    if (!entry) return {};
    const HWND window = WindowOf(*entry);
    // Translucency is given to the window that stands for it on the screen.
    const WindowChange* change = changes_.Find(list_->PlacementTargetOf(window));
    const HoverStates states{entry->minimized, entry->parked, change && change->layer, entry->clips != nullptr};
    return HoverText(ListView1.Caption(item), list_->ProgramPath(window), states);
}

void TPrintWndDlg::ListView1SelectItem(int item, bool selected) {
    const WindowEntry* entry = selected ? EntryOf(item) : nullptr;
    if (!entry) {
        Panel5.SetCaption("");
        StatusBar1.SetSimpleText("");
        return;
    }
    Panel5.SetCaption(ListView1.Caption(item));
    // While the user types to find, the status line shows what is found.
    if (list_->Filter().Empty())
        StatusBar1.SetSimpleText(list_->ExecutablePath(WindowOf(*entry)));
    else
        ShowFindStatus(ListView1.ShownCount());
}

}  // namespace vistrel
