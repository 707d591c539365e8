// TPrintWndDlg: the commands on the selected windows (show, minimise, close,
// the double click, bring to front), the select commands, moving an item,
// help, and which context-menu items a selection enables.

#include <string>
#include <utility>
#include <vector>

#include "catalogue/WindowStates.h"
#include "clipping/ClipData.h"
#include "main/WindowActions.h"
#include "main/WndCloseUnit.h"
#include "platform/Shell.h"
#include "platform/WindowFacts.h"

namespace vistrel {

namespace {

struct Selected {
    int item;
    HWND window;
    bool minimized;
    bool parked;
};

}  // namespace

void TPrintWndDlg::ToolButton3Click(tk::Component& sender) {
    RunWindowCommand(static_cast<WindowCommand>(sender.Tag), false);
}

void TPrintWndDlg::RunWindowCommand(WindowCommand command, bool bringToFront) {
    // One command at a time: another that waits for its windows holds the list.
    const auto running = gate_.TryBegin();
    if (!running) return;
    std::vector<int> items;
    for (int i = ListView1.FirstSelected(); i >= 0; i = ListView1.NextSelected(i)) items.push_back(i);
    RunWindowCommandOn(*running, command, bringToFront, items);
}

void TPrintWndDlg::CloseOneWindow(HWND window) {
    const auto running = gate_.TryBegin();
    if (!running) return;
    // Found again once the list is ours: the click named a window, not a place.
    if (const int item = ItemOfWindow(window); item >= 0)
        RunWindowCommandOn(*running, WindowCommand::Close, false, {item});
}

void TPrintWndDlg::RunWindowCommandOn(const ListHold& held, WindowCommand command, bool bringToFront,
                                      const std::vector<int>& items) {
    const bool openOnly = OpenOnlyInForce();
    std::vector<Selected> selected;
    std::vector<HWND> windows;
    for (const int i : items)
        if (const WindowEntry* entry = EntryOf(i)) {
            selected.push_back({i, WindowOf(*entry), entry->minimized, entry->parked});
            windows.push_back(WindowOf(*entry));
        }
    if (selected.empty()) return;

    const std::vector<HWND> targets = list_->PlacementTargets(windows);
    for (size_t n = 0; n < selected.size(); ++n) {
        // Each window's change may wait, and a close or the end of the
        // session met there ends the command: nothing more goes out of sight.
        if (gate_.ClosingStarted()) return;
        const Selected& s = selected[n];
        const HWND target = targets[n];
        switch (command) {
        case WindowCommand::Show:
            if (openOnly) {
                if (s.parked) UnparkWindow(held, s.window, target);
            } else if (s.minimized) {
                platform::QuietShow(s.window);
            }
            break;
        case WindowCommand::Minimise:
            if (openOnly) {
                if (!s.parked) ParkWindow(held, s.window, target);
            } else if (!s.minimized) {
                platform::QuietMinimise(s.window);
            }
            break;
        case WindowCommand::Close:
            // As if by its close box: the program may still ask or refuse.
            SetForegroundWindow(s.window);
            PostMessageA(s.window, WM_CLOSE, 0, 0);
            break;
        }
    }
    const AwaitedState awaited = StateToAwait(command, openOnly);
    for (const Selected& s : selected) {
        if (gate_.ClosingStarted()) return;
        AwaitState(held, s.window, awaited);
    }
    // Closed windows leave the list when the change tick sees them gone.
    if (command == WindowCommand::Close || gate_.ClosingStarted()) return;

    const bool minimisedNow = command == WindowCommand::Minimise && !openOnly;
    const std::vector<HWND> targetsNow = list_->PlacementTargets(windows);
    for (size_t n = 0; n < selected.size(); ++n) {
        if (gate_.ClosingStarted()) return;
        const Selected& s = selected[n];
        RerenderEntry(held, s.item, minimisedNow, IsWindowParked(s.window, targetsNow[n]));
        if (s.minimized) platform::RedrawNow(s.window);
    }
    if (command != WindowCommand::Show) return;
    if (!bringToFront) {
        // The restored windows do not keep the focus.
        SetForegroundWindow(Handle());
        return;
    }
    // Each in front in turn: the last one selected ends in front of all.
    for (const Selected& s : selected) {
        if (gate_.ClosingStarted()) return;
        SetForegroundWindow(s.window);
    }
}

bool TPrintWndDlg::ListView1Char(char16_t unit) {
    // Backspace and Escape come as keys (ListView1KeyDown); as characters
    // they are not the list's type-ahead either.
    if (unit == u'\b' || unit == 0x1B) return true;
    if (unit < 0x20) return false;
    if (list_->Filter().Append(unit)) FindChanged();
    return true;
}

bool TPrintWndDlg::FindChanged() {
    const int shown = list_->ApplyFilter();
    // The first window found is selected and has the keyboard.
    ListView1.SetSelected(-1, false);
    if (const int first = list_->FirstShown(); first >= 0) {
        ListView1.SetSelected(first, true);
        ListView1.SetFocusedItem(first);
        ListView1.EnsureVisible(first);
    }
    ShowFindStatus(shown);
    return true;
}

void TPrintWndDlg::ShowFindStatus(int shown) {
    const ListFilter& filter = list_->Filter();
    StatusBar1.SetSimpleText(filter.Empty() ? std::u16string()
                                            : FilterStatusText(filter.Text(), static_cast<size_t>(shown)));
}

bool TPrintWndDlg::ListView1KeyDown(WORD key) {
    const auto down = [](int virtualKey) { return GetKeyState(virtualKey) < 0; };
    switch (ListKeyOf(key, down(VK_CONTROL), down(VK_SHIFT), down(VK_MENU))) {
    case ListKey::GoTo:
        RunWindowCommand(WindowCommand::Show, true);
        return true;
    case ListKey::Minimise:
        RunWindowCommand(WindowCommand::Minimise, false);
        return true;
    case ListKey::Close:
        RunWindowCommand(WindowCommand::Close, false);
        return true;
    case ListKey::SelectAll:
        ListView1.SetSelected(-1, true);  // the items shown
        return true;
    case ListKey::Refresh:
        ToolButton1Click(RefreshKind::List);
        return true;
    case ListKey::Copy:
        N6Click(PictureScale::Shown);
        return true;
    case ListKey::FindBack:
        return list_->Filter().RemoveLast() && FindChanged();
    case ListKey::FindClear:
        // A second Escape, with nothing to clear, is left to the list.
        return list_->Filter().Clear() && FindChanged();
    case ListKey::None:
        break;
    }
    return false;
}

void TPrintWndDlg::ListView1DblClick(tk::Component&) {
    const auto running = gate_.TryBegin();
    if (!running) return;
    const int item = ListView1.FirstSelected();
    const WindowEntry* entry = item >= 0 ? EntryOf(item) : nullptr;
    if (!entry) return;
    const HWND window = WindowOf(*entry);
    const bool wasMinimised = entry->minimized;
    const bool openOnly = OpenOnlyInForce();
    bool minimisedNow = false;
    bool parkedNow = false;
    if (wasMinimised) {
        platform::Restore(window);
    } else if (openOnly) {
        parkedNow = ParkWindow(*running, window, list_->PlacementTargetOf(window));
    } else {
        platform::Minimise(window);
        minimisedNow = true;
    }
    AwaitState(*running, window, StateToAwaitOnToggle(wasMinimised, openOnly));
    if (gate_.ClosingStarted()) return;
    RerenderEntry(*running, item, minimisedNow, parkedNow);
    if (wasMinimised) platform::RedrawNow(window);
    SetForegroundWindow(Handle());
}

void TPrintWndDlg::ToolButton2Click(tk::Component& sender) {
    for (int i = 0; i < ListView1.Count(); ++i)
        if (const WindowEntry* entry = EntryOf(i))
            ListView1.SetSelected(i, SelectedBy(sender.Tag, entry->minimized));
    if (!ListView1.Focused()) ListView1.SetFocus();
}

void TPrintWndDlg::TopWndMenuClick(tk::Component&) {
    const int item = ListView1.FirstSelected();
    const WindowEntry* entry = item >= 0 ? EntryOf(item) : nullptr;
    if (!entry) return;
    SetForegroundWindow(WindowOf(*entry));
    platform::RedrawNow(WindowOf(*entry));
}

void TPrintWndDlg::ToolButton16Click(bool forward) {
    const auto running = gate_.TryBegin();
    if (!running) return;
    const int item = ListView1.FirstSelected();
    const int target = MoveTarget(item, ListView1.Count(), forward);
    if (target < 0) return;
    ListView1.SwapItems(item, target);
    // Its neighbour in the whole list may be one the filter hides.
    list_->LayOutGrid(columnCount_);
    // Each slot's own index as its key: a rebuild keeps the new order.
    ListView1.SetSubItem(target, 0, std::to_string(target));
    ListView1.SetSubItem(item, 0, std::to_string(item));
    // The selection travels with the window.
    ListView1.SetSelected(target, true);
    ListView1.SetSelected(item, false);
}

void TPrintWndDlg::ToolButton13Click(tk::Component&) {
    // Opens in the user's viewer for the type; nothing to report if none.
    // By its full path: a bare name is looked for by the shell elsewhere too.
    if (executableFolder_.empty()) return;
    const std::string folder = executableFolder_ + "Help";
    platform::OpenWithDefaultHandler(Handle(), folder + "\\Vistrel.htm", folder, SW_SHOWMAXIMIZED);
}

void TPrintWndDlg::PopupMenu2Popup() {
    std::vector<SelectedItem> selected;
    std::vector<ClipCount> counts;
    for (int i = 0; i < ListView1.Count(); ++i) {
        const WindowEntry* entry = EntryOf(i);
        if (!entry) continue;
        counts.push_back({entry->autoUpdate, entry->clips.get()});
        if (!ListView1.Selected(i)) continue;
        SelectedItem s;
        s.minimized = entry->minimized;
        s.autoUpdate = entry->autoUpdate;
        s.hasClips = entry->clips != nullptr;
        if (entry->clips)
            for (int slot = 0; slot < kClipChoiceCount; ++slot)
                s.slotFilled[slot] = (*entry->clips)[slot].width != 0;
        selected.push_back(s);
    }
    PopupFacts facts;
    facts.printWindow = PrintWindowAvailable();
    facts.clipMenuChecked = ClipMenu.Checked;
    facts.autoChecked = AutoChkBox.Checked();
    facts.regionTotal = vistrel::RegionTotal(counts);
    facts.trimStored = ClippingStored(ListView1.FirstSelected());

    const PopupStates states = ComputePopupStates(selected, facts);
    TopWndMenu.Enabled = states.topWindow;
    for (tk::MenuItem* item : {&Close1, &N9, &GrpSaveMenu, &Copy1}) item->Enabled = states.close;
    for (tk::MenuItem* item : {&N4, &AutoUpdateMenu, &TrimDataMenu}) item->Enabled = states.clipping;
    ClipMenu.Enabled = states.clipMenu;
    ClipMenu.ImageIndex = states.clipMenuImage;
    TrimSaveMenu.Enabled = states.trimSave;
    TrmInpotMenu.Enabled = states.trimLoad;
    Clip1.Enabled = states.clipSet;
    N5.Enabled = states.clipRemove;
    ON1.Enabled = states.autoOn;
    OFF1.Enabled = states.autoOff;
    N13.Enabled = states.actualSize;
    N14.Enabled = states.actualSize;
    TrimingOnMenu.Enabled = states.clipList;
    // N4's items from its separator on: the separator stays off, each slot
    // item follows its rectangle.
    for (size_t index = 2; index < N4.Items.size(); ++index) {
        const size_t slot = index - 3;
        N4.Items[index]->Enabled = index >= 3 && slot < states.clipChoices.size() && states.clipChoices[slot];
    }
}

}  // namespace vistrel
