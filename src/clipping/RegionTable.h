#pragma once
// The clipping list window's rows: one per region of every listed window
// that has clipping and is updated automatically, in list order and slot
// order. A row's picture travels with it when the rows are reordered.

#include <cstdint>
#include <vector>

#include "catalogue/WindowEntry.h"

namespace vistrel {

struct RegionRow {
    WindowHandle handle = nullptr;
    int32_t pictureIndex = 0;  // in the list window's picture list
    int32_t listIndex = 0;     // the window's item when the row was built
    int32_t rectIndex = 0;     // the region's slot
};

// One main-list item as the table sees it.
struct RegionSource {
    WindowHandle handle = nullptr;
    bool autoUpdate = true;
    const ClipSet* clips = nullptr;
    uint16_t hiddenClips = 0;  // WindowEntry::hiddenClips
};

std::vector<RegionRow> BuildRegionTable(const std::vector<RegionSource>& items);

// After the main list was built anew: `rows` become `built` (a new table)
// when the regions in picture order are no longer the ones they show, and
// true says so. Otherwise they keep their order, the user's, and take the
// windows' new places in the list.
bool RenewRegionRows(std::vector<RegionRow>& rows, const std::vector<RegionRow>& built);

// For each picture of `renewed` (a table RenewRegionRows made anew), the
// picture of `before` that showed the same region, or -1 for a region that
// had none: the pictures are rearranged with the rows, so that no cell shows
// another window's region until the next pass.
std::vector<int> PictureSources(const std::vector<RegionRow>& before, const std::vector<RegionRow>& renewed);
// Row `from` taken out and put at `to`; false (nothing moved) unless both
// lie in the table and differ.
bool MoveRow(std::vector<RegionRow>& rows, int from, int to);

// Removes row `index`; the pictures after its own move one place down, as
// the renderer stops rendering the hidden region. False when out of range.
bool DeleteRow(std::vector<RegionRow>& rows, int index);

// The main-list item of a row: the one it was built from while that still
// holds the row's window, else wherever the window is now; -1 when it left.
int ItemOfRow(const RegionRow& row, const std::vector<WindowHandle>& items);

}  // namespace vistrel
