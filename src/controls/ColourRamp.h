#pragma once
// The shaded ramp the program's drawn controls share: a base colour darkened
// for the bottom (or right) line, each further line a little lighter, so that
// a face looks lit from the top (or left). The switch button's face and the
// colour progress bar's bar are drawn from it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistrel {

// 0x00BBGGRR, as COLORREF and TColor keep them.
using RampColour = uint32_t;

// Each channel above `amount` loses `amount`; darker channels stay.
RampColour DarkenChannels(RampColour colour, int amount);

// The per-line brightening for a control whose side across the lines is
// `span` pixels (its height for rows, its width for columns): 150 over half
// the span, at least 1.
float RampStep(int span);

// The colours of `lines` lines, the first (darkest) first: the base colour
// darkened by 84 per channel, each line lighter by the step; a channel stops
// growing before it would reach 255.
std::vector<RampColour> RampColours(RampColour colour, int span, int lines);

}  // namespace vistrel
