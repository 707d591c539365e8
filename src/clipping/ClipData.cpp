#include "clipping/ClipData.h"

#include <cstdint>
#include <cstring>

namespace vistrel {

namespace {

constexpr size_t kSetBytes = sizeof(ClipSet);
static_assert(kSetBytes == 160, "ten slots of four 32-bit values");
constexpr const char* kDigits = "0123456789ABCDEF";
// No usable section name starts like this: such titles are escaped as well.
constexpr std::string_view kEscapedPrefix = "~vistrel~";

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The set's bytes in the file's order, whatever the host's byte order.
void ToBytes(const ClipSet& clips, uint8_t* bytes) {
    size_t at = 0;
    for (const ClipRect& r : clips)
        for (int32_t value : {r.x, r.y, r.width, r.height}) {
            const auto u = static_cast<uint32_t>(value);
            for (int shift = 0; shift < 32; shift += 8) bytes[at++] = static_cast<uint8_t>(u >> shift);
        }
}

void FromBytes(const uint8_t* bytes, ClipSet& clips) {
    size_t at = 0;
    for (ClipRect& r : clips)
        for (int32_t* value : {&r.x, &r.y, &r.width, &r.height}) {
            uint32_t u = 0;
            for (int shift = 0; shift < 32; shift += 8) u |= uint32_t{bytes[at++]} << shift;
            *value = static_cast<int32_t>(u);
        }
}

bool Usable(const std::string& title, LeadBytePredicate isLeadByte) {
    if (title.empty() || title.size() > 255) return false;
    if (title.front() == ';' || title.front() == '[' || title.front() == ' ' || title.front() == '\t')
        return false;
    if (title.back() == ' ' || title.back() == '\t') return false;
    if (title.compare(0, kEscapedPrefix.size(), kEscapedPrefix) == 0) return false;
    for (const char c : {']', '\r', '\n', '\0'})
        if (FindChar(title, c, isLeadByte) != std::string::npos) return false;
    // A lead byte at the end would take the section's closing "]" for its
    // second byte; one before a line end, a NUL or a "]" hides them from the
    // searches above but not from the file.
    return !HasBrokenCharacter(title, isLeadByte);
}

}  // namespace

bool IsRegion(const ClipSet& clips, uint16_t hiddenClips, int slot) {
    return slot >= 0 && slot < kClipSlots && clips[slot].width > 0 && (hiddenClips & (1u << slot)) == 0;
}

int RegionsOf(const ClipSet& clips, uint16_t hiddenClips) {
    int count = 0;
    for (int slot = 0; slot < kClipSlots; ++slot)
        if (IsRegion(clips, hiddenClips, slot)) ++count;
    return count;
}

void Compact(ClipSet& clips) {
    ClipSet kept{};
    size_t next = 0;
    for (const ClipRect& r : clips)
        if (r.width >= kMinimumClipWidth) kept[next++] = r;
    clips = kept;
}

int NextClipIndex(int clipIndex, int regionCount) {
    // Compared before adding: the last int has no next one.
    return clipIndex >= 0 && clipIndex < regionCount && clipIndex + 1 < regionCount ? clipIndex + 1 : 0;
}

int RegionTotal(const std::vector<ClipCount>& entries) {
    int total = 0;
    for (const ClipCount& e : entries)
        if (e.autoUpdate && e.clips) total += RegionsOf(*e.clips, e.hiddenClips);
    return total;
}

std::string EncodeClipText(const ClipSet& clips) {
    uint8_t bytes[kSetBytes];
    ToBytes(clips, bytes);
    std::string text;
    text.reserve(2 * kSetBytes);
    for (uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

bool DecodeClipText(std::string_view text, ClipSet& clips) {
    const size_t digits = std::min(text.size(), 2 * kSetBytes);
    for (size_t i = 0; i < digits; ++i)
        if (DigitValue(text[i]) < 0) return false;
    uint8_t bytes[kSetBytes];
    ToBytes(clips, bytes);
    for (size_t i = 0; i + 1 < digits; i += 2)
        bytes[i / 2] = static_cast<uint8_t>(DigitValue(text[i]) * 16 + DigitValue(text[i + 1]));
    FromBytes(bytes, clips);
    return true;
}

std::string ClipSectionName(const std::string& title, LeadBytePredicate isLeadByte) {
    if (Usable(title, isLeadByte)) return title;
    std::string name(kEscapedPrefix);
    for (const char c : title) {
        const auto b = static_cast<uint8_t>(c);
        name += kDigits[b >> 4];
        name += kDigits[b & 0x0F];
    }
    return name;
}

}  // namespace vistrel
