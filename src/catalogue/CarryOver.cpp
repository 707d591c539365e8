#include "catalogue/CarryOver.h"

#include <algorithm>
#include <numeric>

namespace vistrel {

void CarryOverSnapshot::Add(WindowEntry& entry, int32_t previousPosition) {
    CarryRecord record;
    record.handle = entry.handle;
    record.minimized = entry.minimized;
    record.autoUpdate = entry.autoUpdate;
    record.parked = entry.parked;
    record.previousPosition = previousPosition;
    record.clipIndex = entry.clipIndex;
    record.clips = std::move(entry.clips);
    record.hiddenClips = entry.hiddenClips;
    records_.push_back(std::move(record));
}

bool CarryOverSnapshot::TakeOver(WindowHandle handle, WindowEntry& entry, std::string& positionKey,
                                 bool withClipping) {
    bool found = false;
    for (CarryRecord& record : records_) {
        if (record.handle == nullptr) break;
        if (record.handle != handle) continue;
        found = true;
        entry.autoUpdate = record.autoUpdate;
        positionKey = std::to_string(record.previousPosition);
        if (withClipping) {
            entry.clipIndex = record.clipIndex;
            entry.clips = std::move(record.clips);
            entry.hiddenClips = record.hiddenClips;
        }
    }
    return found;
}

std::vector<size_t> StableOrder(size_t size, const std::function<bool(size_t, size_t)>& less) {
    std::vector<size_t> order(size);
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), less);
    return order;
}

int32_t PositionKeyValue(const std::string& key) {
    size_t i = 0;
    bool negative = false;
    if (i < key.size() && (key[i] == '+' || key[i] == '-')) {
        negative = key[i] == '-';
        ++i;
    }
    if (i == key.size()) return 0;
    int64_t value = 0;
    for (; i < key.size(); ++i) {
        const char c = key[i];
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        if (value > int64_t{INT32_MAX} + 1) return 0;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return 0;
    return static_cast<int32_t>(value);
}

std::vector<size_t> RefreshOrder(const std::vector<SortItem>& items, const CaptionCompare& compareCaption) {
    std::vector<size_t> order = StableOrder(items.size(), [&](size_t a, size_t b) {
        return compareCaption(items[a].caption, items[b].caption) < 0;
    });
    // Parse once: the comparison would otherwise parse each key many times.
    std::vector<int32_t> keys(items.size());
    for (size_t i = 0; i < items.size(); ++i) keys[i] = PositionKeyValue(items[i].positionKey);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    return order;
}

bool PicturesStayInPlace(const std::vector<int>& lastPicture, int pictureCount) {
    if (static_cast<int>(lastPicture.size()) != pictureCount) return false;
    for (size_t position = 0; position < lastPicture.size(); ++position)
        if (lastPicture[position] >= 0 && lastPicture[position] != static_cast<int>(position)) return false;
    return true;
}

}  // namespace vistrel
