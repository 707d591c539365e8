#include "controls/VersionBoxModel.h"

#include <algorithm>
#include <random>

#include "common/ColourDepth.h"

namespace vistrel {

uint32_t VersionPanelColour(int bitsPerPixel, uint32_t backColor) {
    return IsHighColour(bitsPerPixel) ? backColor : kVersionPanelWhite;
}

int JitterOffset(int random, int jumpXY) {
    if (jumpXY <= 0) return 0;
    int r = random % jumpXY;
    if (r > jumpXY / 2) r -= jumpXY;
    return r;
}

int WobbleOffset(int random, int offset, int stretchMax) {
    const int r = random % 10;
    if (r > 5 && offset < stretchMax) return offset + 1;
    if (r <= 4 && offset > -stretchMax) return offset - 1;
    return offset;
}

VersionAnimation::VersionAnimation(Random random) : random_(std::move(random)) {
    if (!random_) {
        // Only the look of the animation rests on these numbers.
        random_ = [engine = std::minstd_rand(std::random_device{}())]() mutable {
            return static_cast<int>(engine() & 0x7FFFFFFF);
        };
    }
}

VersionAnimation::Tick VersionAnimation::Next() {
    Tick tick;
    tick.frame = frame_;
    frame_ ^= 1;
    if (frame_ == 1) {
        tick.moved = true;
        tick.dx = JitterOffset(random_(), JumpXY);
        tick.dy = JitterOffset(random_(), JumpXY);
    } else {
        offset_ = WobbleOffset(random_(), offset_, StretchMax);
    }
    // A wobble limit near the sprite's size must not turn the picture inside out.
    tick.size = std::max(1, kSpriteFrameSize + offset_);
    return tick;
}

void VersionAnimation::MouseMoveOnPicture() {
    if (!pressed_) offset_ = kSwell;
}

void VersionAnimation::MouseDownOnPicture() {
    offset_ = kSqueeze;
    pressed_ = true;
}

void VersionAnimation::MouseMoveOnPanel() { pressed_ = false; }

}  // namespace vistrel
