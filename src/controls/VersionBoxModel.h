#pragma once
// The version box's decisions, apart from its windows: the panel colour for
// the display, and the picture's animation tick by tick (which frame, where,
// how large) with the mouse's effect on it. Random numbers come from outside,
// so the arithmetic can be run on any sequence of them.

#include <cstdint>
#include <functional>

namespace vistrel {

// One frame of the sprite, and the picture's size at rest.
constexpr int kSpriteFrameSize = 64;

// COLORREF / TColor values, 0x00BBGGRR: the panel's usual tint, and its
// colour on a palette display.
constexpr uint32_t kVersionBackColor = 0xBFFFF1;
constexpr uint32_t kVersionPanelWhite = 0xFFFFFF;

// The panel is plain white on a palette display, where a tint would dither.
uint32_t VersionPanelColour(int bitsPerPixel, uint32_t backColor);

// How far the picture strays from its home on a jitter tick, along one axis:
// random % jumpXY folded into about -jumpXY/2 .. jumpXY/2 (jumpXY 2 gives 0 or
// 1). No jitter for a range of 0 or less. random is not negative.
int JitterOffset(int random, int jumpXY);

// The size offset after one wobble tick: random % 10 above 5 grows it by one
// while it is below stretchMax, 4 or less shrinks it by one while it is above
// -stretchMax, 5 leaves it. An offset beyond the limits (the mouse's doing)
// therefore only ever returns towards them.
int WobbleOffset(int random, int offset, int stretchMax);

class VersionAnimation {
public:
    using Random = std::function<int()>;  // numbers of 0 and more

    // Without a source the animation draws from its own generator.
    explicit VersionAnimation(Random random = {});

    int JumpXY = 2;      // jitter range in pixels
    int StretchMax = 5;  // wobble limit in pixels

    struct Tick {
        int frame = 0;       // the sprite frame to show now
        bool moved = false;  // a jitter tick: the picture goes to home + (dx, dy)
        int dx = 0;
        int dy = 0;
        int size = kSpriteFrameSize;  // the picture's width and height
    };
    // One timer tick. Frames alternate; a tick that shows frame 0 also
    // jitters the picture, one that shows frame 1 wobbles its size.
    Tick Next();

    // The mouse: over the picture it swells (unless it was pressed and has
    // not left it since), a press squeezes it, the panel around it forgets
    // the press.
    void MouseMoveOnPicture();
    void MouseDownOnPicture();
    void MouseMoveOnPanel();

    int SizeOffset() const { return offset_; }

private:
    static constexpr int kSwell = 10;
    static constexpr int kSqueeze = -10;

    Random random_;
    int frame_ = 0;
    int offset_ = 0;
    bool pressed_ = false;
};

}  // namespace vistrel
