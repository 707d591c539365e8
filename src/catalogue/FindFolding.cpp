#include "catalogue/FindFolding.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "common/Utf16.h"

namespace vistrel {

namespace {

enum FoldKind : uint8_t {
    kShift,      // every code point of the range moves by `value`
    kShiftEven,  // those at an even distance from `first` move by `value`; the others are folded already
    kToOne,      // every code point of the range becomes `value`
    kDrop,       // the find ignores them
};

struct FoldRange {
    char32_t first;
    uint16_t count;
    FoldKind kind;
    int32_t value;
};

#include "catalogue/FindFoldTables.inc"

constexpr bool RangesAreOrdered() {
    for (size_t i = 1; i < std::size(kFoldRanges); ++i)
        if (kFoldRanges[i].first < kFoldRanges[i - 1].first + kFoldRanges[i - 1].count) return false;
    return true;
}
static_assert(RangesAreOrdered(), "the lookup below is a binary search");

constexpr char32_t kVoicedMark = 0x3099;
constexpr char32_t kSemiVoicedMark = 0x309A;
constexpr char32_t kHiraganaBlock = 0x3040;  // the voicing tables cover U+3040-309F

char32_t FoldByTable(char32_t cp) {
    const FoldRange* end = std::end(kFoldRanges);
    const FoldRange* after =
        std::upper_bound(std::begin(kFoldRanges), end, cp, [](char32_t c, const FoldRange& r) { return c < r.first; });
    if (after == std::begin(kFoldRanges)) return cp;
    const FoldRange& r = after[-1];
    const char32_t offset = cp - r.first;
    if (offset >= r.count) return cp;
    switch (r.kind) {
    case kShift: return static_cast<char32_t>(static_cast<int32_t>(cp) + r.value);
    case kShiftEven: return offset % 2 == 0 ? static_cast<char32_t>(static_cast<int32_t>(cp) + r.value) : cp;
    case kToOne: return static_cast<char32_t>(r.value);
    case kDrop: return kFoldDropped;
    }
    return cp;
}

}  // namespace

char32_t FoldCodePoint(char32_t cp) {
    // Titles are mostly ASCII, kana and kanji: those skip the table.
    if (cp < 0x80) return cp >= 'A' && cp <= 'Z' ? cp + ('a' - 'A') : cp;
    if (cp >= 0x4E00 && cp <= 0x9FFF) return cp;
    if (cp >= 0x3041 && cp <= 0x3096) return cp;
    if (cp >= 0x30A1 && cp <= 0x30F6) return cp - 0x60;
    return FoldByTable(cp);
}

size_t FoldForFind(std::u16string_view text, char32_t* out) {
    size_t length = 0;
    for (size_t i = 0; i < text.size();) {
        char32_t cp = text[i++];
        if (IsHighSurrogate(cp) && i < text.size() && IsLowSurrogate(text[i]))
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i++] - 0xDC00);
        cp = FoldCodePoint(cp);
        if (cp == kFoldDropped) continue;
        if ((cp == kVoicedMark || cp == kSemiVoicedMark) && length > 0) {
            char32_t& kana = out[length - 1];
            if (kana >= kHiraganaBlock && kana < kHiraganaBlock + std::size(kVoicedShift)) {
                const auto& shifts = cp == kVoicedMark ? kVoicedShift : kSemiVoicedShift;
                const int shift = shifts[kana - kHiraganaBlock];
                if (shift != 0) {
                    kana += shift;
                    continue;
                }
            }
        }
        out[length++] = cp;
    }
    return length;
}

std::u32string FoldForFind(std::u16string_view text) {
    std::u32string folded(text.size(), U'\0');
    folded.resize(FoldForFind(text, folded.data()));
    return folded;
}

std::u32string_view FoldBuffer::Fold(std::u16string_view text) {
    char32_t* out = local_;
    if (text.size() > kLocalCapacity) {
        heap_.resize(text.size());
        out = heap_.data();
    }
    return {out, FoldForFind(text, out)};
}

}  // namespace vistrel
