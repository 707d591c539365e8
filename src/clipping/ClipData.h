#pragma once
// Clipping sets: the rectangles a thumbnail may show instead of its whole
// window, their order, and their text in trm.ini.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/WindowEntry.h"
#include "common/Mbcs.h"

namespace vistrel {

// A rectangle narrower than this does not survive compaction.
constexpr int kMinimumClipWidth = 8;

// A region: a slot wider than 0 that is not hidden (WindowEntry::hiddenClips).
bool IsRegion(const ClipSet& clips, uint16_t hiddenClips, int slot);
// The regions of a set, over all ten slots.
int RegionsOf(const ClipSet& clips, uint16_t hiddenClips = 0);

// The rectangles at least kMinimumClipWidth wide, moved down in their order
// to slots 0, 1, 2 ...; every slot after them all zero.
void Compact(ClipSet& clips);

// The switch: the next region, after the last one the first.
int NextClipIndex(int clipIndex, int regionCount);

// Region total of the main list: the regions of the entries marked for
// automatic update.
struct ClipCount {
    bool autoUpdate = true;
    const ClipSet* clips = nullptr;
    uint16_t hiddenClips = 0;
};
int RegionTotal(const std::vector<ClipCount>& entries);

// The value of key "trim": the set's 160 bytes (ten slots of x, y, width,
// height, each a little-endian int32) as 320 upper-case hex digits.
std::string EncodeClipText(const ClipSet& clips);
// Reads a value back into `clips`, two digits a byte, at most 160 bytes;
// bytes a shorter value does not reach keep what they held, digits after the
// 320th are ignored, and a lone last digit is no byte. Lower-case digits read
// as upper-case ones. Any other character makes the value unreadable: false,
// and `clips` stays exactly as it was.
bool DecodeClipText(std::string_view text, ClipSet& clips);

// The trm.ini section of a window title. A title the profile functions can
// hold as a section name is its own name; one they cannot ("]", a line
// break, a leading ";" or "[", spaces at either end, a broken double-byte
// character, or a title that looks like an escaped name) is stored under an
// escaped name that no usable title can have, the same for the same title
// every time.
std::string ClipSectionName(const std::string& title, LeadBytePredicate isLeadByte);

}  // namespace vistrel
