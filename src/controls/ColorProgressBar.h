#pragma once
// TColorProgressBar: our own drawn progress bar, a continuous bar or a row of
// blocks, solid or shaded by the controls' ramp, in a sunken or flat frame,
// with an optional percentage text (with or without a shadow) and a pair of
// tick marks. Range and position are 64-bit; a new position repaints only
// when the whole percent changes. Every paint goes through an off-screen
// bitmap. The rules are ColorProgressModel's; this file draws them.
//
// Block count and gap are checked against the control's size: set them after
// Create.

#include <windows.h>

#include <cstdint>

#include "controls/ColorProgressBarModel.h"
#include "toolkit/Bitmap.h"
#include "toolkit/MouseEvents.h"
#include "toolkit/Window.h"

namespace vistrel {

class TColorProgressBar : public tk::Window, public tk::MouseEvents {
public:
    TColorProgressBar();

    void Create(tk::Window* parent, int id, const RECT& bounds);

    int64_t Min() const { return model_.Min(); }
    void SetMin(int64_t value) { model_.SetMin(value); }
    int64_t Max() const { return model_.Max(); }
    void SetMax(int64_t value) { model_.SetMax(value); }
    int64_t Position() const { return model_.Position(); }
    void SetPosition(int64_t value);
    int Step() const { return model_.Step(); }
    void SetStep(int value) { model_.SetStep(value); }
    void StepIt();
    void StepBy(int64_t delta);
    int64_t GetPercentDone() const { return model_.GetPercentDone(); }
    int64_t ParValue() const { return model_.ParValue(); }

    bool Smooth() const { return model_.smooth; }
    void SetSmooth(bool value) { Assign(model_.smooth, value); }
    TProgressBarOrientation Orientation() const { return model_.orientation; }
    void SetOrientation(TProgressBarOrientation value) { Assign(model_.orientation, value); }
    int BlockCount() const { return model_.BlockCount(); }
    void SetBlockCount(int value);
    int BlockSpace() const { return model_.BlockSpace(); }
    void SetBlockSpace(int value);
    PAINTTYPE BarStyle() const { return model_.barStyle; }
    void SetBarStyle(PAINTTYPE value) { Assign(model_.barStyle, value); }
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
    // The control's own colour: the inner line of the sunken border.
    void SetColor(COLORREF color) { Assign(color_, color); }
    bool Shadow() const { return shadow_; }
    void SetShadow(bool value) { Assign(shadow_, value); }
    // Borrowed from an owner that outlives the control (the parent's unless set).
    void SetFont(HFONT font);
    void SetFontColor(COLORREF color) { Assign(fontColor_, color); }

    // Draws the whole bar as it looks now onto `dc` at (0, 0).
    void PaintTo(HDC dc);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BarDraw(tk::Canvas& canvas, int width, int height);
    void DrawFrame(tk::Canvas& canvas, int width, int height);
    void DrawText(tk::Canvas& canvas, int width, int height);
    // Every property but the position repaints at the next paint.
    template <class T>
    void Assign(T& field, T value) {
        field = value;
        Invalidate();
    }

    ColorProgressModel model_;
    COLORREF boxColor_;
    COLORREF barColor_;
    COLORREF lineColor_;
    COLORREF lineParColor_ = RGB(255, 0, 0);
    COLORREF color_;
    COLORREF fontColor_;
    bool shadow_ = false;
    tk::Bitmap buffer_;
};

}  // namespace vistrel
