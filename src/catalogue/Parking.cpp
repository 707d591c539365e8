#include "catalogue/Parking.h"

#include <cstdint>

namespace vistrel {

namespace {

bool HasArea(const Rect& r) {
    return int64_t{r.width()} * r.height() != 0;
}

}  // namespace

bool IsParkedLeft(int left) {
    return left >= kParkedThreshold;
}

bool ListedAsParked(const Rect& r) {
    return HasArea(r) && IsParkedLeft(r.left);
}

ParkAction ParkDecision(const Rect& r, bool zoomed) {
    if (!HasArea(r)) return ParkAction::None;
    if (IsParkedLeft(r.left)) return ParkAction::Unpark;
    return zoomed ? ParkAction::RestoreMaximisedAndMoveOut : ParkAction::MoveOut;
}

Point ParkedPosition(const Rect& r) {
    return {r.left + kParkingOffset, r.top + kParkingOffset};
}

Point UnparkedPosition(const Rect& r) {
    return {r.left - kParkingOffset, r.top - kParkingOffset};
}

}  // namespace vistrel
