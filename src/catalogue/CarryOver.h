#pragma once
// What survives a rebuild of the list: the marks and clipping rectangles of
// every listed window, keyed by window handle, and the order that puts the
// windows already listed back where they were.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/WindowEntry.h"

namespace vistrel {

// Position key of a window that was not listed before the rebuild; it sorts
// after every real position.
constexpr const char* kNewPositionKey = "10000";

struct CarryRecord {
    WindowHandle handle = nullptr;
    bool minimized = false;
    bool autoUpdate = true;
    bool parked = false;
    int32_t previousPosition = 0;
    int32_t clipIndex = 0;
    std::unique_ptr<ClipSet> clips;
    uint16_t hiddenClips = 0;
};

class CarryOverSnapshot {
public:
    // Records one list item; the entry's clipping set moves into the snapshot,
    // so the entry can be released right after.
    void Add(WindowEntry& entry, int32_t previousPosition);

    // Hands the saved state of `handle` to the entry of the rebuilt list. The
    // search runs in list order and ends at the first record without a handle;
    // every matching record is applied, so of duplicates the last one wins.
    // Copies autoUpdate and sets positionKey to the previous position; with
    // withClipping also clipIndex and the clipping set (moved out). Returns
    // whether a record matched.
    bool TakeOver(WindowHandle handle, WindowEntry& entry, std::string& positionKey, bool withClipping);

    const std::vector<CarryRecord>& Records() const { return records_; }

private:
    std::vector<CarryRecord> records_;
};

// A stable permutation: indexes 0..size-1 ordered by `less` on the indexes,
// equal ones in their original order.
std::vector<size_t> StableOrder(size_t size, const std::function<bool(size_t, size_t)>& less);

// Numeric value of a position key: an optional sign and decimal digits that
// fit in 32 bits; any other text counts as 0.
int32_t PositionKeyValue(const std::string& key);

struct SortItem {
    std::u16string caption;
    std::string positionKey;
};

// Three-way comparison of captions (lstrcmp on Windows): negative, zero or
// positive.
using CaptionCompare = std::function<int(const std::u16string&, const std::u16string&)>;

// The order of the rebuilt list: by caption, then by position key with equal
// keys keeping the caption order. Windows listed before keep their order and
// new ones follow in title order. Result[i] is the index into `items` of the
// item that goes to position i.
std::vector<size_t> RefreshOrder(const std::vector<SortItem>& items, const CaptionCompare& compareCaption);

// Whether the pictures of a rebuild may be written over the last ones in
// place: the number of pictures stays, and every window that had one had it at
// the index its new position gives it, so no picture is overwritten before its
// window has been pictured. `lastPicture[i]` is the index of the last picture
// of the window going to position i, or -1 for none.
bool PicturesStayInPlace(const std::vector<int>& lastPicture, int pictureCount);

}  // namespace vistrel
