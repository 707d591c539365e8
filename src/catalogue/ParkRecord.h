#pragma once
// The windows parked out of sight at this moment, as a small file in the
// data folder: should the program end without bringing them back (killed,
// crashed, the power gone), its next start finds them where it left them and
// brings them home. Nothing else knows where a parked window belongs.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Geometry.h"

namespace vistrel {

struct ParkedWindow {
    uint64_t handle = 0;
    // Where the window stood before it was parked (its left and top).
    int32_t left = 0;
    int32_t top = 0;
};

class ParkRecord {
public:
    // A window parked again replaces its earlier line.
    void Parked(const ParkedWindow& window);
    void Unparked(uint64_t handle);
    void Clear() { windows_.clear(); }
    const std::vector<ParkedWindow>& Windows() const { return windows_; }

    // One line a window: the handle in hex, left, top.
    std::string Format() const;
    // Lines that are not such a line are passed over: a damaged file never
    // stops the start, and never moves a window it does not name.
    static ParkRecord Parse(std::string_view text);

private:
    std::vector<ParkedWindow> windows_;
};

// The window still stands where parking put it (StandsParkedFrom its
// recorded home, on this virtual screen): the record is about it, and not
// about a new window that was given the same handle.
bool StandsParked(const ParkedWindow& window, const Rect& now, const Rect& virtualScreen);

// Whether the start brings home a window that the last run's record names.
// The file may be damaged or planted, and a handle may have passed to
// another window since: a line whose window stands on a screen at (x, y) and
// whose home is (x - offset, y - offset) would otherwise send that window off
// every screen. So only a top-level window still standing where parking put
// it, past the parked threshold, comes back, and only when its home (its
// present size at the recorded place) lies at least partly on one of
// `screens` (the monitors' areas); anything else is passed over.
bool BringsHomeAtStart(const ParkedWindow& window, const Rect& now, bool topLevel,
                       const std::vector<Rect>& screens);

}  // namespace vistrel
