#include "main/WindowActions.h"

#include <algorithm>

namespace vistrel {

AwaitedState StateToAwait(WindowCommand command, bool openOnly) {
    switch (command) {
    case WindowCommand::Show:
        return openOnly ? AwaitedState::None : AwaitedState::Restored;
    case WindowCommand::Minimise:
        return openOnly ? AwaitedState::None : AwaitedState::Minimised;
    case WindowCommand::Close:
        return AwaitedState::Gone;
    }
    return AwaitedState::None;
}

AwaitedState StateToAwaitOnToggle(bool wasMinimised, bool openOnly) {
    if (wasMinimised) return AwaitedState::Restored;
    return openOnly ? AwaitedState::None : AwaitedState::Minimised;
}

bool SelectedBy(int tag, bool minimized) {
    switch (tag) {
    case 1: return !minimized;
    case 2: return minimized;
    default: return true;
    }
}

int MoveTarget(int index, int count, bool forward) {
    const int target = forward ? index - 1 : index + 1;
    return index >= 0 && index < count && target >= 0 && target < count ? target : -1;
}

PopupStates ComputePopupStates(const std::vector<SelectedItem>& selected, const PopupFacts& facts) {
    PopupStates s;
    const bool any = !selected.empty();
    const bool one = selected.size() == 1;
    const bool firstOpen = any && !selected.front().minimized;
    auto anyOf = [&](auto test) { return std::any_of(selected.begin(), selected.end(), test); };

    s.topWindow = one && firstOpen;
    s.close = any;
    s.clipping = any && facts.printWindow;
    s.clipMenu = facts.printWindow;
    s.clipMenuImage = facts.clipMenuChecked ? 17 : 16;
    s.trimSave = facts.printWindow && anyOf([](const SelectedItem& i) { return i.hasClips; });
    s.trimLoad = facts.printWindow && any && facts.trimStored;
    s.clipSet = one && firstOpen;
    s.clipRemove = anyOf([](const SelectedItem& i) { return i.hasClips; });
    s.autoOn = anyOf([](const SelectedItem& i) { return !i.autoUpdate; });
    s.autoOff = anyOf([](const SelectedItem& i) { return i.autoUpdate; });
    s.actualSize = facts.printWindow;
    s.clipList = facts.regionTotal > 0 && facts.autoChecked && facts.printWindow;
    if (any && selected.front().hasClips) s.clipChoices = selected.front().slotFilled;
    return s;
}

ListKey ListKeyOf(int key, bool control, bool shift, bool alt) {
    // Virtual-key codes: Enter, Delete, F5, and the letters as their capitals.
    constexpr int kEnter = 0x0D;
    constexpr int kDelete = 0x2E;
    constexpr int kF5 = 0x74;
    constexpr int kBackspace = 0x08;
    constexpr int kEscape = 0x1B;
    if (alt) return ListKey::None;
    if (control) {
        if (shift) return ListKey::None;
        if (key == 'A') return ListKey::SelectAll;
        if (key == 'C') return ListKey::Copy;
        return ListKey::None;
    }
    switch (key) {
    case kEnter:
        return shift ? ListKey::Minimise : ListKey::GoTo;
    case kDelete:
        return shift ? ListKey::None : ListKey::Close;
    case kF5:
        return shift ? ListKey::None : ListKey::Refresh;
    case kBackspace:
        return ListKey::FindBack;
    case kEscape:
        return ListKey::FindClear;
    default:
        return ListKey::None;
    }
}

}  // namespace vistrel
