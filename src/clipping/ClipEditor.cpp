#include "clipping/ClipEditor.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "clipping/ClipData.h"

namespace vistrel {

const char* const kClipEntryPrefix = "クリップ ";

namespace {

// Dragged sides shorter than this are stored as 0.
constexpr int kMinimumSide = 8;

// Stored rectangles come from trm.ini too: the arithmetic is done in 64
// bits and the results are held to the range of the fields.
int32_t Clamp32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                     std::numeric_limits<int32_t>::max()));
}

int64_t ThreeQuarters(int64_t value) { return (value / 4) * 3; }
int64_t FourThirds(int64_t value) { return value + value / 3; }

bool FullRectangle(const ClipRect& r) { return r.width >= kMinimumSide && r.height >= kMinimumSide; }

}  // namespace

int DisplayedSize(int fullSize) { return Clamp32(ThreeQuarters(fullSize)); }

Rect ToPicture(const ClipRect& slot) {
    const int64_t left = ThreeQuarters(slot.x);
    const int64_t top = ThreeQuarters(slot.y);
    return {Clamp32(left), Clamp32(top), Clamp32(ThreeQuarters(slot.width) + left),
            Clamp32(ThreeQuarters(slot.height) + top)};
}

Point ToWindowPoint(int pictureX, int pictureY) {
    return {Clamp32(FourThirds(pictureX)), Clamp32(FourThirds(pictureY))};
}

ClipEditor::ClipEditor(const ClipSet& clips) : working_(clips) {
    Relabel();
    if (!entries_.empty()) Select(0);
    else selection_ = ToPicture(working_[0]);
}

void ClipEditor::Relabel() {
    int last = -1;
    for (int i = 0; i < kClipSlots; ++i)
        if (working_[i].width > 0) last = i;
    // Added entries whose rectangle is still to be drawn stay.
    const int count = std::max<int>(last + 1, static_cast<int>(entries_.size()));
    entries_.clear();
    for (int i = 0; i < count && i < kClipSlots; ++i)
        entries_.push_back(FullRectangle(working_[i]) ? kClipEntryPrefix + std::to_string(i + 1)
                                                      : std::string(kClipEntryPrefix));
}

void ClipEditor::Select(int entry) {
    if (entry < 0 || entry >= static_cast<int>(entries_.size())) return;
    selected_ = entry;
    selection_ = ToPicture(working_[entry]);
}

void ClipEditor::Add() {
    if (entries_.size() >= static_cast<size_t>(kClipSlots)) return;
    entries_.push_back(kClipEntryPrefix);
    selected_ = static_cast<int>(entries_.size()) - 1;
}

void ClipEditor::Delete() {
    if (selected_ < 0) return;
    working_[selected_] = ClipRect{};
    Compact(working_);
    const size_t remaining = entries_.size() - 1;
    entries_.clear();
    entries_.resize(remaining);
    Relabel();
    if (selected_ >= static_cast<int>(entries_.size())) selected_ = static_cast<int>(entries_.size()) - 1;
    if (selected_ < 0) {
        selection_.right = selection_.bottom = 0;
        return;
    }
    selection_ = ToPicture(working_[selected_]);
}

void ClipEditor::Press(int x, int y) {
    dragging_ = true;
    selection_ = {x, y, 0, 0};
}

void ClipEditor::Move(int x, int y) {
    if (!dragging_) return;
    selection_.right = x;
    selection_.bottom = y;
}

void ClipEditor::Release(int x, int y) {
    if (!std::exchange(dragging_, false)) return;
    if (selected_ < 0) {
        selection_.right = selection_.bottom = 0;
        return;
    }
    int left = selection_.left, top = selection_.top;
    if (x < left) std::swap(x, left);
    if (y < top) std::swap(y, top);
    selection_ = {left, top, x, y};
    int64_t w = int64_t{x} - left;
    int64_t h = int64_t{y} - top;
    if (w < kMinimumSide) w = 0;
    if (h < kMinimumSide) h = 0;
    working_[selected_] = {Clamp32(FourThirds(left)), Clamp32(FourThirds(top)), Clamp32(FourThirds(w)),
                           Clamp32(FourThirds(h))};
    entries_[selected_] = FullRectangle(working_[selected_])
                              ? kClipEntryPrefix + std::to_string(selected_ + 1)
                              : std::string(kClipEntryPrefix);
}

ClipSet ClipEditor::Result() const {
    ClipSet result = working_;
    Compact(result);
    return result;
}

}  // namespace vistrel
