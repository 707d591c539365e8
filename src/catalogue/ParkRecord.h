#pragma once
// The windows parked out of sight at this moment, in the form of the park
// file the program has always kept in its data folder (parked.dat): each
// window's handle and the place it comes home to. The record of changes
// (ChangeRecord) holds more; this file is still written beside it, and one
// left by an earlier version is still read at the start.

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

}  // namespace vistrel
