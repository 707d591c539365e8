#include "clipping/RegionTable.h"

#include <algorithm>

#include "clipping/ClipData.h"

namespace vistrel {

std::vector<RegionRow> BuildRegionTable(const std::vector<RegionSource>& items) {
    std::vector<RegionRow> rows;
    for (size_t item = 0; item < items.size(); ++item) {
        const RegionSource& source = items[item];
        if (!source.autoUpdate || !source.clips) continue;
        for (int slot = 0; slot < kClipSlots; ++slot) {
            if (!IsRegion(*source.clips, source.hiddenClips, slot)) continue;
            rows.push_back({source.handle, static_cast<int32_t>(rows.size()), static_cast<int32_t>(item), slot});
        }
    }
    return rows;
}

bool RenewRegionRows(std::vector<RegionRow>& rows, const std::vector<RegionRow>& built) {
    // Picture k is the k-th region the passes meet, in the order `built`
    // has: each row must still find its own region there.
    bool same = rows.size() == built.size();
    for (size_t i = 0; same && i < rows.size(); ++i) {
        const RegionRow& row = rows[i];
        same = row.pictureIndex >= 0 && static_cast<size_t>(row.pictureIndex) < built.size() &&
               built[row.pictureIndex].handle == row.handle && built[row.pictureIndex].rectIndex == row.rectIndex;
    }
    if (!same) {
        rows = built;
        return true;
    }
    for (RegionRow& row : rows) row.listIndex = built[row.pictureIndex].listIndex;
    return false;
}

std::vector<int> PictureSources(const std::vector<RegionRow>& before, const std::vector<RegionRow>& renewed) {
    std::vector<int> sources(renewed.size(), -1);
    for (const RegionRow& row : renewed) {
        if (row.pictureIndex < 0 || static_cast<size_t>(row.pictureIndex) >= sources.size()) continue;
        const auto old = std::find_if(before.begin(), before.end(), [&](const RegionRow& was) {
            return was.handle == row.handle && was.rectIndex == row.rectIndex;
        });
        if (old != before.end()) sources[row.pictureIndex] = old->pictureIndex;
    }
    return sources;
}

bool MoveRow(std::vector<RegionRow>& rows, int from, int to) {
    const int count = static_cast<int>(rows.size());
    if (from == to || from < 0 || to < 0 || from >= count || to >= count) return false;
    if (from > to)
        std::rotate(rows.begin() + to, rows.begin() + from, rows.begin() + from + 1);
    else
        std::rotate(rows.begin() + from, rows.begin() + from + 1, rows.begin() + to + 1);
    return true;
}

bool DeleteRow(std::vector<RegionRow>& rows, int index) {
    if (index < 0 || index >= static_cast<int>(rows.size())) return false;
    const int32_t removed = rows[index].pictureIndex;
    rows.erase(rows.begin() + index);
    for (RegionRow& row : rows)
        if (row.pictureIndex > removed) --row.pictureIndex;
    return true;
}

int ItemOfRow(const RegionRow& row, const std::vector<WindowHandle>& items) {
    const int count = static_cast<int>(items.size());
    if (row.listIndex >= 0 && row.listIndex < count && items[row.listIndex] == row.handle) return row.listIndex;
    const auto found = std::find(items.begin(), items.end(), row.handle);
    return found == items.end() || row.handle == nullptr ? -1 : static_cast<int>(found - items.begin());
}

}  // namespace vistrel
