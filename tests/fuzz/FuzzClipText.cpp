// The value of key "trim" in trm.ini, as a hand or another program may have
// left it: reading it never touches more than the set's 160 bytes, changes
// nothing when it fails, and what the program writes reads back exactly.

#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "clipping/ClipData.h"

namespace vistrel {
namespace {

// The set between two guards: a read that strays past its 160 bytes shows
// on them, even where the sanitizer sees memory of the same object.
struct Guarded {
    uint8_t before[16];
    ClipSet clips;
    uint8_t after[16];
};

int Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The set's bytes in the file's order (little-endian ints).
std::string BytesOf(const ClipSet& clips) {
    std::string bytes;
    for (const ClipRect& r : clips)
        for (int32_t value : {r.x, r.y, r.width, r.height})
            for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(static_cast<uint32_t>(value) >> shift);
    return bytes;
}

ClipSet SetOf(std::string_view bytes) {
    ClipSet clips{};
    uint8_t raw[sizeof(ClipSet)] = {};
    std::memcpy(raw, bytes.data(), std::min(bytes.size(), sizeof raw));
    size_t at = 0;
    for (ClipRect& r : clips)
        for (int32_t* value : {&r.x, &r.y, &r.width, &r.height}) {
            uint32_t u = 0;
            for (int shift = 0; shift < 32; shift += 8) u |= uint32_t{raw[at++]} << shift;
            *value = static_cast<int32_t>(u);
        }
    return clips;
}

}  // namespace
}  // namespace vistrel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vistrel;
    fuzz::Input input(data, size);
    // What the set held before the value was read: one byte repeated.
    const uint8_t fill = input.Byte();
    // The slot a thumbnail shows, as the switch meets it.
    const auto clipIndex = static_cast<int32_t>(input.Number<uint32_t>());
    const std::string_view text = input.Rest();

    Guarded g;
    std::memset(&g, fill, sizeof g);
    const std::string before = BytesOf(g.clips);
    const bool read = fuzz::NoThrow("DecodeClipText", [&] { return DecodeClipText(text, g.clips); });
    for (size_t i = 0; i < sizeof g.before; ++i) FUZZ_CHECK(g.before[i] == fill && g.after[i] == fill);

    const size_t digits = std::min<size_t>(text.size(), 320);
    bool allDigits = true;
    for (size_t i = 0; i < digits; ++i) allDigits = allDigits && Digit(text[i]) >= 0;
    FUZZ_CHECK(read == allDigits);
    const std::string after = BytesOf(g.clips);
    if (!read) {
        FUZZ_CHECK(after == before);
    } else {
        for (size_t i = 0; i < 160; ++i) {
            const auto expected = 2 * i + 1 < digits
                                      ? static_cast<char>(Digit(text[2 * i]) * 16 + Digit(text[2 * i + 1]))
                                      : before[i];
            FUZZ_CHECK(after[i] == expected);
        }
    }

    // What the program writes: 320 upper-case digits that read back exactly,
    // over any set.
    const ClipSet written = SetOf(text);
    const std::string encoded = EncodeClipText(written);
    FUZZ_CHECK(encoded.size() == 320);
    FUZZ_CHECK(encoded.find_first_not_of("0123456789ABCDEF") == std::string::npos);
    ClipSet back = g.clips;
    FUZZ_CHECK(DecodeClipText(encoded, back));
    FUZZ_CHECK(BytesOf(back) == BytesOf(written));
    FUZZ_CHECK(EncodeClipText(back) == encoded);

    // Compaction of whatever was read keeps the wide rectangles, in order.
    ClipSet compacted = g.clips;
    Compact(compacted);
    int wide = 0;
    for (const ClipRect& r : g.clips) {
        if (r.width < kMinimumClipWidth) continue;
        FUZZ_CHECK(std::memcmp(&compacted[wide], &r, sizeof r) == 0);
        ++wide;
    }
    for (int slot = wide; slot < kClipSlots; ++slot) FUZZ_CHECK(compacted[slot].width == 0);
    FUZZ_CHECK(RegionsOf(compacted) == wide);
    const int regions = RegionsOf(g.clips);
    FUZZ_CHECK(regions >= 0 && regions <= kClipSlots);
    const int next = NextClipIndex(clipIndex, regions);
    FUZZ_CHECK(next >= 0 && (regions == 0 ? next == 0 : next < regions));
    return 0;
}
