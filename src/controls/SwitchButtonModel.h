#pragma once
// The switch button's decisions and arithmetic, apart from drawing: which
// colours a face and caption take, the shaded ramp of the face, where the
// ramp and the caption go, the quarter-resolution hit mask, and the
// press/release/group state machine. TSwitchButton only draws and routes
// messages through these.

#include <cstdint>
#include <vector>

#include "controls/ColourRamp.h"

namespace vistrel {

enum BTNSTYLE { btEllipse = 0, btRound = 1, btGraphic = 2 };
enum ALIGN { psTop = 0, psCenter = 1, psBottom = 2 };

// Colours are 0x00BBGGRR, as COLORREF and TColor keep them.
using SwitchColour = uint32_t;

// Below this width or height there is no room for a rim, a shadow and a face:
// such a button paints nothing and never takes a click.
constexpr int kSwitchMinSide = 4;
bool SwitchPaintable(int width, int height);

// How the face is drawn: pressed (mouse held), latched down and shown
// shifted (DownFrg), or up.
enum class SwitchDrawState { Up, DownDrawn, Pressed };

enum class SwitchFace { Ellipse, Round, Rect };

struct SwitchRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const SwitchRect&) const = default;
};

// The rectangle the ramp fills, for a control of width x height.
SwitchRect RampFace(SwitchFace face, SwitchDrawState state, int width, int height);
// Rows of the ramp in a face: bottom - top, at least one; painted from y = bottom
// up in the colours of RampColours(colour, control height, rows).
int RampRows(const SwitchRect& face);

// Pixels the caption moves by in each direction, following the face.
int CaptionShift(SwitchDrawState state);
// The caption's top when CaptionTop is 0; fontHeight is negative for a
// character height, which lifts the text by half of it.
int TextPosition(ALIGN align, int height, int fontHeight);
// The caption's left when CaptionLeft is 0: centred, truncating halves.
int CaptionX(int captionLeft, int width, int textWidth);

// A colour well lighter than c (white for dark or system colours).
SwitchColour GetLightColor(int32_t c);

// The shape at a quarter of the control's size; a point counts only where
// the mask is set. Points whose quarter lies beyond the mask (the last one to
// three pixels of a side that is not a multiple of 4) are outside.
class SwitchHitMask {
public:
    void Build(BTNSTYLE style, int width, int height, int roundSize);
    bool Contains(int x, int y) const;  // control coordinates
    int Width() const { return maskWidth_; }
    int Height() const { return maskHeight_; }
    bool At(int maskX, int maskY) const;

private:
    int controlWidth_ = 0;
    int controlHeight_ = 0;
    int maskWidth_ = 0;
    int maskHeight_ = 0;
    std::vector<bool> bits_;
};

// Press, release, latch and group rules of one button.
struct SwitchState {
    bool down = false;
    bool allowAllUp = false;
    int groupIndex = 0;
    bool downFrg = true;
    bool pressed = false;      // the left button is held on the button
    bool paintedDown = false;  // Down as last painted after a release
    bool loading = true;       // the next Down is taken unchanged

    SwitchDrawState Drawing() const;

    // The left button goes down inside the shape.
    void Press();
    // The release steps; the group is to be checked in between (after
    // ClearPress, before FinishRelease). FinishRelease says whether to repaint.
    void ClearPress() { pressed = false; }
    bool FinishRelease();
    // A move with the left button held; insideShape: strictly inside the
    // control and on the mask. dragging is the flag every button shares.
    // Returns whether to repaint.
    bool Drag(bool insideShape, bool& dragging);
    // Down assigned from outside; the group is to be checked afterwards.
    void SetDown(bool value);
    // Whether this button's latching releases the others of its group.
    bool ReleasesGroup() const { return !pressed && down; }
    // Another button of the group latched: this one lets go. Returns whether
    // it changed (and needs a repaint).
    bool ReleaseForGroupOf(int latchedGroupIndex);
};

// Colours chosen at paint time; while a button with AllowAllUp is pressed the
// previous choice stays.
SwitchColour FaceColour(const SwitchState& state, SwitchColour colorButton, SwitchColour colorDown,
                        SwitchColour previous);
SwitchColour CaptionColour(const SwitchState& state, SwitchColour fontColor,
                           SwitchColour colorDownText, bool downTextIsWindowText,
                           SwitchColour previous);

}  // namespace vistrel
