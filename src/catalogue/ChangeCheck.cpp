#include "catalogue/ChangeCheck.h"

namespace vistrel {

bool CountsAsMinimised(const ItemMarks& marks, bool openOnlyInForce) {
    return openOnlyInForce ? marks.parked : marks.minimized;
}

ToolbarStates ComputeToolbarStates(std::span<const ItemMarks> selected, bool openOnlyInForce, int itemCount) {
    bool anyMinimised = false;
    bool anyOpen = false;
    for (const ItemMarks& marks : selected) {
        if (CountsAsMinimised(marks, openOnlyInForce)) {
            anyMinimised = true;
        } else {
            anyOpen = true;
        }
    }
    ToolbarStates states;
    states.show = anyMinimised;
    states.minimise = anyOpen;
    states.close = !selected.empty();
    states.translucent = anyOpen;
    states.sort = itemCount > 1;
    states.move = states.sort && selected.size() == 1;
    return states;
}

bool ItemChanged(const ItemNow& item, bool openOnlyInForce) {
    if (openOnlyInForce) {
        // A window still marked minimised has not been parked yet; one that is
        // minimised now has just been minimised by the user.
        if (item.markedMinimised || item.iconic) return true;
    } else if (item.iconic != item.markedMinimised) {
        return true;
    }
    return item.title != item.caption;
}

int ChangeKind(const ChangeCheckInput& input) {
    if (input.askedColumns != input.columnCount) return kLayoutChanged;
    if (input.countQualifying() != input.listedCount) return kCountChanged;
    ItemNow item;
    for (int i = 0; i < input.listedCount; ++i) {
        if (!input.readItem(i, item)) return kNoChange;
        if (!item.qualifies) return kCountChanged;
        if (ItemChanged(item, input.openOnlyInForce)) return kItemChanged;
    }
    return kNoChange;
}

bool PassStepDue(bool autoUpdate, bool minimized, int tick, bool hasClips, bool mainHidden, bool inView) {
    if (!autoUpdate) return false;
    if (mainHidden) return hasClips;
    return inView && (!minimized || tick == 5);
}

int NextTick(int tickCounter, bool clipListOpen) {
    return tickCounter < 5 && !clipListOpen ? tickCounter + 1 : 0;
}

bool PassMayStart(bool autoChecked, bool passRunning, int stopRequest) {
    return autoChecked && !passRunning && stopRequest == 0;
}

RegionPicture PlaceRegionPicture(int cursor, int count, int total, bool renewed) {
    if (cursor >= 0 && cursor < count) return renewed ? RegionPicture::Replace : RegionPicture::Keep;
    // A list that is filling takes a picture for every region, old or blank,
    // so that the regions after it find their own places.
    if (cursor == count && count < total) return RegionPicture::Append;
    return RegionPicture::Keep;
}

}  // namespace vistrel
