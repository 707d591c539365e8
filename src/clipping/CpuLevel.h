#pragma once
// The CPU usage meter: a percentage from the system's processor times, the
// value a sampling step hands on, and how the main window's label shows it
// (its caption, and a colour per level of load).

#include <cstdint>
#include <optional>
#include <string>

#include "common/CpuTimes.h"

namespace vistrel {

// Readings outside 0..100 (a counter that overshoots, a garbled value) are
// brought into it, so the meter never shows more than a full processor.
int ClampPercent(long long value);

// The level colour of a percentage, COLORREF 0x00BBGGRR: pale blue, yellow
// green, light orange, light red, in steps of 25.
uint32_t CpuLevelColour(int percent);

// The label's caption, "n%".
std::string CpuCaption(int percent);

// The usage between two readings, in percent rounded to the nearest. None
// when no time passed between them or a counter went backwards (a reading
// taken out of order): there is nothing to measure then.
std::optional<int> UsageBetween(const CpuTimes& before, const CpuTimes& after);

// What one sampling step hands on: the new reading brought into 0..100, or
// the last value when the reading failed; none until a reading has succeeded.
std::optional<int> NextSample(std::optional<int> last, std::optional<long long> reading);

// The value and level colour that the main window shows and the clipping list
// window's meter reads. The colour is applied only when it changes, and only
// on a high-colour display: elsewhere the label keeps its design colour and
// the colour stays 0.
class CpuMeter {
public:
    // Takes a new percentage; the colour to give the label when it differs
    // from the one last applied.
    std::optional<uint32_t> Apply(int percent, bool highColour);

    int value() const { return value_; }
    uint32_t colour() const { return colour_; }

private:
    int value_ = 0;
    uint32_t colour_ = 0;  // the last one applied; 0 before any
};

}  // namespace vistrel
