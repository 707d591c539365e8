#pragma once
// TColorProgressBar's rules apart from drawing: the 64-bit range and position
// with the whole-percent repaint decision, the step, block count and gap
// limits, the tick position, and where the bar, its blocks and its ramp lines
// go for a control of a given size. TColorProgressBar only draws these.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/BarShapes.h"

namespace vistrel {

enum TProgressBarOrientation { pbHorizontal = 0, pbVertical = 1 };

class ColorProgressModel {
public:
    int64_t Min() const { return range_.min; }
    int64_t Max() const { return range_.max; }
    int64_t Position() const { return range_.position; }
    // Neither repaints. Min never passes Max nor Max Min; a position the new
    // range leaves outside is pulled in, so that Position stays in Min..Max.
    void SetMin(int64_t value);
    void SetMax(int64_t value);
    // Clamped to Min..Max. True when the whole percent changed, which is
    // when the control repaints at once; a move within one percent waits
    // for the next paint.
    bool SetPosition(int64_t value) { return range_.MoveTo(value); }
    bool StepIt() { return StepBy(step_); }
    // Stops at the ends of 64 bits rather than wrapping.
    bool StepBy(int64_t delta) { return range_.MoveBy(delta); }
    // floor(100 x (Position - Min) / (Max - Min)), 0 for an empty range.
    int64_t GetPercentDone() const { return range_.Percent(); }
    // (100 x Position) div Max, what the text shows; 0 when Max is 0.
    int64_t ParValue() const;

    int Step() const { return step_; }
    // Never more than Max.
    void SetStep(int value);
    int BlockCount() const { return blockCount_; }
    // Taken when at least one pixel per block fits in `width`, else 1.
    void SetBlockCount(int value, int width);
    int BlockSpace() const { return blockSpace_; }
    // Taken only while below half a block (of the length the orientation
    // divides); otherwise the old gap stays.
    void SetBlockSpace(int value, int width, int height);
    int LinePar() const { return linePar_; }
    // At most 100.
    void SetLinePar(int value);

    bool smooth = false;  // blocks rather than one continuous bar
    TProgressBarOrientation orientation = pbHorizontal;
    PAINTTYPE barStyle = btSolid;
    bool flat = false;
    bool textSwitch = false;
    bool lineParVisible = false;

    // --- Drawing, for a control of width x height ----------------------------
    // The parts of the bar to fill: the lit blocks, or the one continuous
    // bar; none at Position 0 or below, or without a positive Max.
    std::vector<BarSpan> BarSpans(int width, int height) const;
    // What a solid bar fills for one span.
    BarRect SolidRect(const BarSpan& span, int width, int height) const;
    // The ramp's lines over one span: rows from the bottom up (horizontal) or
    // columns from the right leftward (vertical), darkest first.
    std::vector<BarLine> RampLines(const BarSpan& span, RampColour barColour, int width,
                                   int height) const;
    // The two short tick marks at LinePar percent of the length.
    std::vector<BarLine> TickLines(int width, int height) const;
    bool ShowsText() const;
    std::string PercentText() const;

private:
    ProgressRange<int64_t> range_;
    int step_ = 10;
    int blockCount_ = 10;
    int blockSpace_ = 1;
    int linePar_ = 50;
};

// The percentage text's top-left corner: centred on truncated halves of the
// control, the text's width and the height of a letter.
BarPoint PercentTextOrigin(int width, int height, int textWidth, int letterHeight);

}  // namespace vistrel
