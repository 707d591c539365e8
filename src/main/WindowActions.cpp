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

}  // namespace vistrel
