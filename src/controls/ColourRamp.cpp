#include "controls/ColourRamp.h"

namespace vistrel {

namespace {

constexpr int kRampDarken = 84;      // taken off every channel above it
constexpr float kRampSpan = 150.0F;  // brightening over half the span

int Channel(RampColour c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

RampColour Rgb(int r, int g, int b) {
    return static_cast<RampColour>(r) | (static_cast<RampColour>(g) << 8) |
           (static_cast<RampColour>(b) << 16);
}

}  // namespace

RampColour DarkenChannels(RampColour colour, int amount) {
    int value[3];
    for (int i = 0; i < 3; ++i) {
        value[i] = Channel(colour, 8 * i);
        if (value[i] > amount) value[i] -= amount;
    }
    return Rgb(value[0], value[1], value[2]);
}

float RampStep(int span) {
    if (span <= 0) return 1.0F;
    const float step = kRampSpan / (static_cast<float>(span) * 0.5F);
    return step < 1.0F ? 1.0F : step;
}

std::vector<RampColour> RampColours(RampColour colour, int span, int lines) {
    std::vector<RampColour> out;
    if (lines <= 0) return out;
    out.reserve(static_cast<size_t>(lines));
    const RampColour darkened = DarkenChannels(colour, kRampDarken);
    int base[3];
    float acc[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) base[i] = Channel(darkened, 8 * i);
    const float step = RampStep(span);
    for (int line = 0; line < lines; ++line) {
        int value[3];
        for (int i = 0; i < 3; ++i) value[i] = static_cast<int>(static_cast<float>(base[i]) + acc[i]);
        out.push_back(Rgb(value[0], value[1], value[2]));
        for (int i = 0; i < 3; ++i)
            if (static_cast<float>(base[i]) + acc[i] + step < 255.0F) acc[i] += step;
    }
    return out;
}

}  // namespace vistrel
