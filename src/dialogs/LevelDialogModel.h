#pragma once
// TLebelDlg's two modes: the opacity of a window (30 to 255) or the
// automatic-update interval (100 to 1500 ms), and what its label says.

#include <string>

namespace vistrel {

enum class LevelMode { Opacity, Interval };

struct LevelRange {
    int min = 0;
    int max = 0;
    int frequency = 0;  // of the ticks
    int initial = 0;
};

LevelRange RangeOf(LevelMode mode);

// The track bar's position for a wanted value: within the mode's range.
int ClampLevel(LevelMode mode, long long value);

// "透明 ←  n  → 不透明", or "早い ←  nms  → 遅い".
std::string LevelCaption(LevelMode mode, int position);

// A right-click on the interval bar chooses this.
constexpr int kDefaultInterval = 1000;

}  // namespace vistrel
