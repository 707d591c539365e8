#include "catalogue/Parking.h"

#include <algorithm>
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

ParkAction ParkDecision(const Rect& r, bool zoomed, bool parked) {
    if (!HasArea(r)) return ParkAction::None;
    if (parked) return ParkAction::Unpark;
    return zoomed ? ParkAction::RestoreMaximisedAndMoveOut : ParkAction::MoveOut;
}

namespace {

// In 64 bits: the home may come from a file, the size from another program.
struct Place {
    int64_t x, y;
};

bool OffEveryMonitor(Place p, Place size, const Rect& screen) {
    return p.x >= screen.right || p.y >= screen.bottom || p.x + size.x <= screen.left || p.y + size.y <= screen.top;
}

bool Fits(Place p) {
    return p.x >= kParkedThreshold && p.x <= kCoordinateLimit && p.y <= kCoordinateLimit;
}

Place ParkedPlace(Place home, Place size, const Rect& virtualScreen) {
    const Place candidates[] = {
        {home.x + kParkingOffset, home.y + kParkingOffset},
        {std::max<int64_t>(kParkedThreshold, virtualScreen.right),
         std::min<int64_t>(home.y + kParkingOffset, kCoordinateLimit)},
        {std::clamp<int64_t>(home.x + kParkingOffset, kParkedThreshold, kCoordinateLimit), virtualScreen.bottom},
    };
    for (const Place& p : candidates)
        if (Fits(p) && OffEveryMonitor(p, size, virtualScreen)) return p;
    return {kCoordinateLimit, kCoordinateLimit};
}

Place SizeOf(const Rect& r) { return {int64_t{r.right} - r.left, int64_t{r.bottom} - r.top}; }

}  // namespace

Point ParkedPosition(const Rect& home, const Rect& virtualScreen) {
    const Place p = ParkedPlace({home.left, home.top}, SizeOf(home), virtualScreen);
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
}

bool StandsParkedFrom(Point home, const Rect& now, const Rect& virtualScreen) {
    // A window at its home has come back, whatever else the rules say.
    if (now.left == home.x && now.top == home.y) return false;
    if (int64_t{now.left} == int64_t{home.x} + kParkingOffset && int64_t{now.top} == int64_t{home.y} + kParkingOffset)
        return true;
    const Place p = ParkedPlace({home.x, home.y}, SizeOf(now), virtualScreen);
    return now.left == p.x && now.top == p.y;
}

Point UnparkedPosition(const Rect& now) {
    return {static_cast<int>(int64_t{now.left} - kParkingOffset), static_cast<int>(int64_t{now.top} - kParkingOffset)};
}

ParkChange PlanPark(const Rect& r, bool zoomed, const std::vector<Monitor>& monitors) {
    std::vector<Rect> areas;
    for (const Monitor& m : monitors) areas.push_back(m.area);
    ParkChange park;
    park.home = r;
    park.maximised = zoomed;
    if (zoomed && !monitors.empty()) {
        const Rect& m = monitors[static_cast<size_t>(MonitorOfRect(monitors, r))].area;
        const int offset = kParkedMaximisedPos - kParkingOffset;
        park.home = {m.left + offset, m.top + offset, m.left + offset + m.width(), m.top + offset + m.height()};
    }
    park.at = ParkedPosition(park.home, BoundsOf(areas));
    return park;
}

}  // namespace vistrel
