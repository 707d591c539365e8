#pragma once
// TColorProgressBar: our own drawn progress bar, a continuous bar or a row of
// blocks, solid or shaded by the controls' ramp, in a sunken or flat frame,
// with an optional percentage text (with or without a shadow) and a pair of
// tick marks. Range and position are 64-bit; a new position repaints only
// when the whole percent changes. The control's own Color is the inner line
// of the sunken frame. The rules are ColorProgressModel's; this file draws
// them.

#include <windows.h>

#include <cstdint>

#include "controls/ColorProgressBarModel.h"
#include "controls/ProgressBarBase.h"
#include "toolkit/Window.h"

namespace vistrel {

class TColorProgressBar : public ProgressBarBase<ColorProgressModel> {
public:
    TColorProgressBar();

    void Create(tk::Window* parent, int id, const RECT& bounds);

    void SetMin(int64_t value) { model_.SetMin(value); }
    void SetMax(int64_t value) { model_.SetMax(value); }
    void SetPosition(int64_t value);
    int Step() const { return model_.Step(); }
    void SetStep(int value) { model_.SetStep(value); }
    void StepIt();
    int64_t ParValue() const { return model_.ParValue(); }

    // These repaint at the next paint.
    TProgressBarOrientation Orientation() const { return model_.orientation; }
    void SetOrientation(TProgressBarOrientation value) { Assign(model_.orientation, value); }
    bool TextSwitch() const { return model_.textSwitch; }
    void SetTextSwitch(bool value) { Assign(model_.textSwitch, value); }
    bool Flat() const { return model_.flat; }
    void SetFlat(bool value) { Assign(model_.flat, value); }
    bool LineParVisible() const { return model_.lineParVisible; }
    void SetLineParVisible(bool value) { Assign(model_.lineParVisible, value); }
    int LinePar() const { return model_.LinePar(); }
    void SetLinePar(int value);

    COLORREF BoxColor() const { return boxColor_; }
    void SetBoxColor(COLORREF color) { Assign(boxColor_, color); }
    COLORREF BarColor() const { return barColor_; }
    void SetBarColor(COLORREF color) { Assign(barColor_, color); }
    COLORREF LineColor() const { return lineColor_; }
    void SetLineColor(COLORREF color) { Assign(lineColor_, color); }
    COLORREF LineParColor() const { return lineParColor_; }
    void SetLineParColor(COLORREF color) { Assign(lineParColor_, color); }
    bool Shadow() const { return shadow_; }
    void SetShadow(bool value) { Assign(shadow_, value); }
    void SetFontColor(COLORREF color) { Assign(fontColor_, color); }

protected:
    void Draw(tk::Bitmap& buffer, int width, int height) override;

private:
    void BarDraw(tk::Canvas& canvas, int width, int height);
    void DrawFrame(tk::Canvas& canvas, int width, int height);
    void DrawText(tk::Canvas& canvas, int width, int height);

    COLORREF boxColor_;
    COLORREF barColor_;
    COLORREF lineColor_;
    COLORREF lineParColor_ = RGB(255, 0, 0);
    COLORREF fontColor_;
    bool shadow_ = false;
};

}  // namespace vistrel
