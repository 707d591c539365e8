// TPrintWndDlg: the order of the list (by title, clipped first, updated
// automatically first, by program) and the automatic-update mark of the
// selected windows.

#include <algorithm>
#include <vector>

#include "main/SortOrder.h"
#include "common/Utf16.h"
#include "main/WndCloseUnit.h"
#include "platform/Locale.h"

namespace vistrel {

void TPrintWndDlg::ConnectSortAndTranslucency() {
    const auto sort = [this](tk::Component& s) { SortToolBtnClick(s); };
    SortToolBtn.OnClick = sort;
    N8.OnClick = sort;
    ON2.OnClick = sort;
    ProgramSortMenu.OnClick = sort;
    ON1.OnClick = [this](tk::Component&) { ON1Click(true); };
    OFF1.OnClick = [this](tk::Component&) { ON1Click(false); };
    for (tk::ToolButton* button : {&ToolButton7, &ToolButton9, &ToolButton10})
        button->OnClick = [this](tk::Component& s) { ToolButton7Click(s); };
    ToolButton18.OnClick = [this](tk::Component& s) { ToolButton18Click(s); };
}

void TPrintWndDlg::SortToolBtnClick(tk::Component& sender) {
    if (!gate_.MayBegin() || ListView1.Count() < 2) return;
    const SortKey key = SortKeyOfTag(sender.Tag);
    std::vector<ListOrderItem> items;
    std::vector<WindowHandle> selected;
    for (int i = 0; i < ListView1.Count(); ++i) {
        const WindowEntry* entry = EntryOf(i);
        ListOrderItem item{ListView1.Caption(i), entry && entry->clips, !entry || entry->autoUpdate, {}};
        // Only this order asks for the programs: a process opened per window.
        if (entry && key == SortKey::Program) item.program = FileNamePart(list_->ProgramPath(WindowOf(*entry)));
        items.push_back(item);
        if (entry && ListView1.Selected(i)) selected.push_back(entry->handle);
    }
    const std::vector<size_t> order = SortOrderOf(items, key, platform::CompareLstr);
    ListView1.BeginUpdate();
    if (ListView1.Reorder(order)) {
        for (int i = 0; i < ListView1.Count(); ++i) {
            // Each item's index as its key: the next rebuild keeps the order.
            ListView1.SetSubItem(i, 0, std::to_string(i));
            // The selection travels with the windows.
            const WindowEntry* entry = EntryOf(i);
            if (entry && std::find(selected.begin(), selected.end(), entry->handle) != selected.end())
                ListView1.SetSelected(i, true);
        }
        list_->LayOutGrid(columnCount_);
    }
    ListView1.EndUpdate();
}

void TPrintWndDlg::ON1Click(bool on) {
    const auto running = gate_.TryBegin();
    if (!running) return;
    for (int i = ListView1.FirstSelected(); i >= 0; i = ListView1.NextSelected(i))
        if (WindowEntry* entry = EntryOf(i)) entry->autoUpdate = on;
    if (!PrintWindowAvailable()) return;
    // Every picture anew: the frames and marks tell the new state.
    for (int i = 0; i < ListView1.Count(); ++i) {
        if (gate_.ClosingStarted()) return;
        if (const WindowEntry* entry = EntryOf(i)) RefreshThumbnail(WindowOf(*entry), i);
    }
}

}  // namespace vistrel
