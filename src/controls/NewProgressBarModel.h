#pragma once
// TNewProgressBar's rules apart from drawing: the unsigned 64-bit range and
// position with their refusals and the whole-percent repaint decision, the
// block count and gap limits, and where the bars, the pie, the needle and the
// text go for a control of a given size. TNewProgressBar only draws these.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/BarShapes.h"

namespace vistrel {

enum TProgressKind { iuText = 0, iuHorizontalBar = 1, iuVerticalBar = 2, iuPie = 3, iuNeedle = 4 };
// A form's border style; only bsSingle draws a border, any other value acts like bsNone.
enum TBorderStyle { bsNone = 0, bsSingle = 1 };

// An ellipse box (right and bottom as GDI's Ellipse and Pie take them) and
// the wedge cut from it counter-clockwise from `start` to `end`.
struct PieShape {
    BarRect box;
    bool wedge = false;  // false: no wedge, the bare ellipse
    BarPoint start;
    BarPoint end;
    bool operator==(const PieShape&) const = default;
};

// The half-dial (a pie of the upper half of an ellipse), its baseline, and
// the needle from the pivot on the baseline (none at 0 %).
struct NeedleShape {
    PieShape dial;
    BarLine baseline;
    bool hasNeedle = false;
    BarLine needle;
    bool operator==(const NeedleShape&) const = default;
};

class NewProgressModel {
public:
    uint64_t Min() const { return range_.min; }
    uint64_t Max() const { return range_.max; }
    uint64_t Position() const { return range_.position; }
    // True when the control repaints. A Min above Max, or a Max below Min,
    // throws std::out_of_range with the message the user sees and changes
    // nothing; a Max of 0 is refused silently. The position is pulled into
    // the new range.
    bool SetMinValue(uint64_t value);
    bool SetMaxValue(uint64_t value);
    // Clamped to Min..Max. True when the whole percent changed; a move within
    // one percent shows at the next paint.
    bool SetProgress(uint64_t value) { return range_.MoveTo(value); }
    // Stops at the ends of the range rather than wrapping.
    bool StepBy(int64_t delta) { return range_.MoveBy(delta); }
    // floor(100 x (Position - Min) / (Max - Min)), 0 for an empty range.
    uint64_t GetPercentDone() const { return static_cast<uint64_t>(range_.Percent()); }

    int BlockCount() const { return blockCount_; }
    // Taken when at least one pixel per block fits in `width`, else 1.
    void SetBlockCount(int value, int width);
    int BlockSpace() const { return blockSpace_; }
    // Taken only while below half a block of the width (horizontal bar) or
    // the height (any other kind); otherwise the old gap stays.
    void SetBlockSpace(int value, int width, int height);

    TProgressKind kind = iuHorizontalBar;
    bool showText = true;
    TBorderStyle borderStyle = bsSingle;
    bool smooth = false;  // blocks rather than one continuous bar
    PAINTTYPE barStyle = btSolid;

    // --- Drawing, for a control of width x height ----------------------------
    // The control less its 1-pixel border under bsSingle.
    BarRect DrawingRect(int width, int height) const;
    // The bar kinds' lit blocks or continuous bar: measured against Max
    // alone, none at Position 0.
    std::vector<BarSpan> BarSpans(int width, int height) const;
    // What a solid bar fills for one span.
    BarRect SolidRect(const BarSpan& span, int width, int height) const;
    // The sunken border, its inner line in the background colour.
    std::vector<BarLine> FrameLines(int width, int height, RampColour backColour) const;
    // The pie filling clockwise from twelve o'clock, inside `rect`.
    PieShape Pie(const BarRect& rect) const;
    // The needle over its half-dial inside `rect`, pivoting on the middle of
    // the control's `width`.
    NeedleShape Needle(const BarRect& rect, int width) const;
    std::string PercentText() const;

private:
    bool Single() const { return borderStyle == bsSingle; }

    ProgressRange<uint64_t> range_;
    int blockCount_ = 10;
    int blockSpace_ = 1;
};

// The percentage text's top-left corner: centred in the drawing rectangle's
// size (measured one pixel larger each way), not offset by its corner.
BarPoint GaugeTextOrigin(const BarRect& rect, int textWidth, int textHeight);

}  // namespace vistrel
