#include "catalogue/GiveBack.h"

#include <algorithm>
#include <climits>

#include "catalogue/Parking.h"

namespace vistrel {

namespace {

// LWA_ALPHA: the opacity given applies.
constexpr uint32_t kAlphaFlag = 2;

int ToInt(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

bool Overlaps(int64_t left, int64_t top, int64_t right, int64_t bottom, const Rect& area) {
    return left < area.right && area.left < right && top < area.bottom && area.top < bottom;
}

Size SizeOf(const Rect& r) { return {r.width(), r.height()}; }

// The virtual screen of the monitors, without allocating: the crash
// give-back asks it too.
Rect BoundsOfMonitors(const std::vector<Monitor>& monitors) {
    if (monitors.empty()) return {};
    Rect bounds = monitors.front().area;
    for (const Monitor& m : monitors) {
        bounds.left = std::min(bounds.left, m.area.left);
        bounds.top = std::min(bounds.top, m.area.top);
        bounds.right = std::max(bounds.right, m.area.right);
        bounds.bottom = std::max(bounds.bottom, m.area.bottom);
    }
    return bounds;
}

}  // namespace

bool StandsAsParked(const WindowChange& change, const WindowNow& now) {
    return change.park && now.exists && now.topLevel && SameProcess(now.process, change.process) &&
           now.rect.left == change.park->at.x && now.rect.top == change.park->at.y;
}

bool OnAnyMonitor(const Rect& r, const std::vector<Monitor>& monitors) {
    return std::any_of(monitors.begin(), monitors.end(),
                       [&](const Monitor& m) { return Overlaps(r.left, r.top, r.right, r.bottom, m.area); });
}

Rect PlaceOnAMonitor(Point home, Size size, const std::vector<Monitor>& monitors) {
    // In 64 bits: the home comes from a file, the size from another program.
    const int64_t width = std::max(size.width, 0);
    const int64_t height = std::max(size.height, 0);
    const int64_t right = int64_t{home.x} + width;
    const int64_t bottom = int64_t{home.y} + height;
    const bool shown = std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) {
        return Overlaps(home.x, home.y, right, bottom, m.area);
    });
    if (shown || monitors.empty()) return {home.x, home.y, ToInt(right), ToInt(bottom)};
    const int nearest = MonitorOfRect(monitors, {home.x, home.y, ToInt(right), ToInt(bottom)});
    const Rect& work = monitors[static_cast<size_t>(nearest)].work;
    const int w = static_cast<int>(std::min<int64_t>(width, std::max(work.width(), 0)));
    const int h = static_cast<int>(std::min<int64_t>(height, std::max(work.height(), 0)));
    const int left = std::clamp(home.x, work.left, std::max(work.left, work.right - w));
    const int top = std::clamp(home.y, work.top, std::max(work.top, work.bottom - h));
    return {left, top, left + w, top + h};
}

std::optional<Rect> ParkGiveBack(const WindowChange& change, const WindowNow& now,
                                 const std::vector<Monitor>& monitors) {
    if (!change.park) return std::nullopt;
    const Rect& home = change.park->home;
    // Where it was seen after the move, or (the program ended before it
    // looked) where parking from its home puts a window.
    const bool asLeft =
        StandsAsParked(change, now) ||
        (now.exists && now.topLevel && SameProcess(now.process, change.process) && IsParkedLeft(now.rect.left) &&
         StandsParked({change.window, home.left, home.top}, now.rect, BoundsOfMonitors(monitors)));
    if (!asLeft) return std::nullopt;
    // A maximised window was given its monitor's size to be parked with; any
    // other keeps the size it has now.
    const Size size = change.park->maximised ? SizeOf(home) : SizeOf(now.rect);
    return PlaceOnAMonitor({home.left, home.top}, size, monitors);
}

std::optional<Rect> ParkLineGiveBack(const ParkedWindow& line, const WindowNow& now,
                                     const std::vector<Monitor>& monitors) {
    if (!now.exists || !now.topLevel || !IsParkedLeft(now.rect.left)) return std::nullopt;
    if (!StandsParked(line, now.rect, BoundsOfMonitors(monitors))) return std::nullopt;
    return PlaceOnAMonitor({line.left, line.top}, SizeOf(now.rect), monitors);
}

bool ParkedByPosition(const Rect& now, const std::vector<Rect>& monitors) {
    if (!ListedAsParked(now)) return false;
    const int64_t left = int64_t{now.left} - kParkingOffset;
    const int64_t top = int64_t{now.top} - kParkingOffset;
    const int64_t right = int64_t{now.right} - kParkingOffset;
    const int64_t bottom = int64_t{now.bottom} - kParkingOffset;
    return std::any_of(monitors.begin(), monitors.end(),
                       [&](const Rect& m) { return Overlaps(left, top, right, bottom, m); });
}

LayerGiveBack LayerGiveBackOf(const WindowChange& change, const LayerNow& now) {
    if (!change.layer || !now.exists || !SameProcess(now.process, change.process) || !now.layered || !now.attributes)
        return LayerGiveBack::Forget;
    const LayeredAttributes& a = *now.attributes;
    constexpr uint8_t kOpaque = 255;
    const LayerChange& layer = *change.layer;
    if (!(a.flags & kAlphaFlag) || (a.alpha != layer.given && a.alpha != layer.earlier && a.alpha != kOpaque))
        return LayerGiveBack::Forget;
    switch (RestoreOf(layer)) {
    case LayeredRestore::RemoveStyle:
        return LayerGiveBack::RemoveStyle;
    case LayeredRestore::RestoreAttributes:
        return LayerGiveBack::RestoreAttributes;
    case LayeredRestore::MakeOpaque:
        return LayerGiveBack::MakeOpaque;
    }
    return LayerGiveBack::Forget;
}

}  // namespace vistrel
