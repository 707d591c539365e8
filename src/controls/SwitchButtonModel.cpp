#include "controls/SwitchButtonModel.h"

#include <algorithm>

namespace vistrel {

namespace {

int Channel(SwitchColour c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

SwitchColour Rgb(int r, int g, int b) {
    return static_cast<SwitchColour>(r) | (static_cast<SwitchColour>(g) << 8) |
           (static_cast<SwitchColour>(b) << 16);
}

// Whether the pixel's centre lies in the ellipse inscribed in the box
// (left, top, left + width, top + height), as GDI fills a small ellipse.
bool InEllipse(double px, double py, double left, double top, double width, double height) {
    if (width <= 0 || height <= 0) return false;
    const double rx = width / 2;
    const double ry = height / 2;
    const double dx = (px + 0.5 - (left + rx)) / rx;
    const double dy = (py + 0.5 - (top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

bool InRoundRect(int px, int py, int width, int height, int corner) {
    if (corner <= 0) return true;
    const int cw = std::min(corner, width);
    const int ch = std::min(corner, height);
    // Only the corner boxes are cut; pick the corner ellipse nearest the pixel.
    const bool left = px < cw / 2 + cw % 2;
    const bool right = px >= width - (cw / 2 + cw % 2);
    const bool top = py < ch / 2 + ch % 2;
    const bool bottom = py >= height - (ch / 2 + ch % 2);
    if (!((left || right) && (top || bottom))) return true;
    const double boxLeft = left ? 0 : width - cw;
    const double boxTop = top ? 0 : height - ch;
    return InEllipse(px, py, boxLeft, boxTop, cw, ch);
}

}  // namespace

bool SwitchPaintable(int width, int height) {
    return width >= kSwitchMinSide && height >= kSwitchMinSide;
}

SwitchRect RampFace(SwitchFace face, SwitchDrawState state, int width, int height) {
    // The ellipse's face reaches one row lower than the rectangles', whose
    // bottom row belongs to the shadow.
    const int extra = face == SwitchFace::Ellipse ? 0 : 1;
    switch (state) {
    case SwitchDrawState::Up:
        return {1, 0, width - 3, height - 3 - extra};
    case SwitchDrawState::DownDrawn:
        return {2, 1, width - 2, height - 2 - extra};
    case SwitchDrawState::Pressed:
    default:
        return {3, 2, width - 1, height - 1 - extra};
    }
}

int RampRows(const SwitchRect& face) { return std::max(1, face.bottom - face.top); }

int CaptionShift(SwitchDrawState state) {
    switch (state) {
    case SwitchDrawState::Pressed: return 2;
    case SwitchDrawState::DownDrawn: return 1;
    default: return 0;
    }
}

int TextPosition(ALIGN align, int height, int fontHeight) {
    const int half = fontHeight / 2;
    switch (align) {
    case psTop: return height / 4 + half;
    case psBottom: return 3 * (height / 4) + half;
    case psCenter:
    default: return height / 2 + half;
    }
}

int CaptionX(int captionLeft, int width, int textWidth) {
    return captionLeft != 0 ? captionLeft : width / 2 - textWidth / 2;
}

SwitchColour GetLightColor(int32_t c) {
    if (c < 30) return 0xFFFFFF;
    const SwitchColour colour = static_cast<SwitchColour>(c);
    const int add = colour == 0x00FF00 || colour == 0x00FFFF || colour == 0xFFFF00 ? 200 : 130;
    return Rgb(std::min(255, Channel(colour, 0) + add), std::min(255, Channel(colour, 8) + add),
               std::min(255, Channel(colour, 16) + add));
}

void SwitchHitMask::Build(BTNSTYLE style, int width, int height, int roundSize) {
    controlWidth_ = std::max(0, width);
    controlHeight_ = std::max(0, height);
    maskWidth_ = controlWidth_ / 4;
    maskHeight_ = controlHeight_ / 4;
    bits_.assign(static_cast<size_t>(maskWidth_) * static_cast<size_t>(maskHeight_), false);
    if (style == btGraphic || !SwitchPaintable(width, height)) return;
    for (int y = 0; y < maskHeight_; ++y)
        for (int x = 0; x < maskWidth_; ++x) {
            const bool inside = style == btEllipse
                                    ? InEllipse(x, y, 0, 0, maskWidth_, maskHeight_)
                                    : InRoundRect(x, y, maskWidth_, maskHeight_, roundSize / 4);
            bits_[static_cast<size_t>(y) * static_cast<size_t>(maskWidth_) + static_cast<size_t>(x)] = inside;
        }
}

bool SwitchHitMask::At(int maskX, int maskY) const {
    if (maskX < 0 || maskY < 0 || maskX >= maskWidth_ || maskY >= maskHeight_) return false;
    return bits_[static_cast<size_t>(maskY) * static_cast<size_t>(maskWidth_) + static_cast<size_t>(maskX)];
}

bool SwitchHitMask::Contains(int x, int y) const {
    if (x < 0 || y < 0 || x >= controlWidth_ || y >= controlHeight_) return false;
    return At(x / 4, y / 4);
}

SwitchDrawState SwitchState::Drawing() const {
    if (pressed) return SwitchDrawState::Pressed;
    if (downFrg && down) return SwitchDrawState::DownDrawn;
    return SwitchDrawState::Up;
}

void SwitchState::Press() {
    if (groupIndex == 0)
        down = false;
    else
        down = allowAllUp ? !down : true;
    pressed = true;
}

bool SwitchState::FinishRelease() {
    if (down == paintedDown && groupIndex != 0) return false;
    paintedDown = down;
    return true;
}

bool SwitchState::Drag(bool insideShape, bool& dragging) {
    if (insideShape && !down) {
        if (dragging) return false;
        pressed = true;
        dragging = true;
        return true;
    }
    if (dragging) {
        pressed = false;
        dragging = false;
        return true;
    }
    return false;
}

void SwitchState::SetDown(bool value) {
    if (loading) {
        down = value;
        loading = false;
    } else if (groupIndex != 0) {
        pressed = false;
        down = allowAllUp ? value : true;
    } else if (allowAllUp && down) {
        down = false;
    }
    paintedDown = down;
}

bool SwitchState::ReleaseForGroupOf(int latchedGroupIndex) {
    if (groupIndex == 0 || groupIndex != latchedGroupIndex || !down) return false;
    pressed = false;
    down = false;
    paintedDown = false;
    return true;
}

SwitchColour FaceColour(const SwitchState& state, SwitchColour colorButton, SwitchColour colorDown,
                        SwitchColour previous) {
    if (state.allowAllUp && state.pressed) return previous;
    const bool downLook = state.allowAllUp ? state.down : state.pressed || state.down;
    return downLook ? colorDown : colorButton;
}

SwitchColour CaptionColour(const SwitchState& state, SwitchColour fontColor,
                           SwitchColour colorDownText, bool downTextIsWindowText,
                           SwitchColour previous) {
    if (!state.allowAllUp) return state.pressed || state.down ? colorDownText : fontColor;
    if (state.pressed) return previous;
    return state.down && !downTextIsWindowText ? colorDownText : fontColor;
}

}  // namespace vistrel
