#pragma once
// TNewProgressBar: our own drawn gauge. It shows a percentage as text only,
// as a horizontal or vertical bar (continuous or in blocks, solid or shaded
// by the controls' ramp), as a pie filling clockwise from twelve o'clock, or
// as a needle over a half-dial. Range and position are unsigned 64-bit; a new
// position repaints only when the whole percent changes. The picture is
// composed off-screen on black and copied to the screen in one piece. The
// rules are NewProgressModel's; this file draws them.
//
// Block count and gap are checked against the control's size: set them after
// Create.

#include <windows.h>

#include <cstdint>

#include "controls/NewProgressBarModel.h"
#include "toolkit/Bitmap.h"
#include "toolkit/MouseEvents.h"
#include "toolkit/Window.h"

namespace vistrel {

// The overlay a paint draws its kind into before it is laid over the image.
class TSubsBitmap : public tk::Bitmap {
public:
    // Sized like `image` and filled with the window frame colour.
    void SizeLike(const tk::Bitmap& image);
};

class TNewProgressBar : public tk::Window, public tk::MouseEvents {
public:
    TNewProgressBar();

    void Create(tk::Window* parent, int id, const RECT& bounds = tk::Bounds(0, 0, 150, 32));

    // These repaint at once when the value changes.
    TProgressKind Kind() const { return model_.kind; }
    void SeTCGaugeKind(TProgressKind value) { Refresh(model_.kind, value); }
    bool ShowText() const { return model_.showText; }
    void SetShowText(bool value) { Refresh(model_.showText, value); }
    TBorderStyle BorderStyle() const { return model_.borderStyle; }
    void SetBorderStyle(TBorderStyle value) { Refresh(model_.borderStyle, value); }
    COLORREF ForeColor() const { return foreColor_; }
    void SetForeColor(COLORREF value) { Refresh(foreColor_, value); }
    COLORREF BackColor() const { return backColor_; }
    void SetBackColor(COLORREF value) { Refresh(backColor_, value); }

    // Min above Max or Max below Min throws std::out_of_range (shown by the
    // application's error box) and changes nothing; Max 0 is ignored.
    uint64_t Min() const { return model_.Min(); }
    void SetMinValue(uint64_t value);
    uint64_t Max() const { return model_.Max(); }
    void SetMaxValue(uint64_t value);
    uint64_t Position() const { return model_.Position(); }
    void SetProgress(uint64_t value);
    void StepBy(int64_t delta);
    uint64_t GetPercentDone() const { return model_.GetPercentDone(); }

    // These repaint at the next paint.
    bool Smooth() const { return model_.smooth; }
    void SetSmooth(bool value) { Assign(model_.smooth, value); }
    int BlockCount() const { return model_.BlockCount(); }
    void SetBlockCount(int value);
    int BlockSpace() const { return model_.BlockSpace(); }
    void SetBlockSpace(int value);
    PAINTTYPE BarStyle() const { return model_.barStyle; }
    void SetBarStyle(PAINTTYPE value) { Assign(model_.barStyle, value); }
    // The control's own colour: behind the pie and the needle's dial.
    COLORREF Color() const { return color_; }
    void SetColor(COLORREF value) { Assign(color_, value); }
    // Borrowed from an owner that outlives the control (the parent's unless set).
    void SetFont(HFONT font);

    // Draws the whole gauge as it looks now onto `dc` at (0, 0).
    void PaintTo(HDC dc);

    // The steps of a paint, on bitmaps of the control's size; `rect` is the
    // drawing rectangle (the control less its border).
    void PaintBackground(tk::Bitmap& bitmap);
    void PaintAsText(tk::Bitmap& bitmap, const RECT& rect);
    void PaintAsNothing(tk::Bitmap& bitmap, const RECT& rect);
    void PaintAsPie(tk::Bitmap& bitmap, const RECT& rect);
    void PaintAsNeedle(tk::Bitmap& bitmap, const RECT& rect);
    void BarDraw(tk::Bitmap& bitmap);
    // The shaded ramp over columns startX..endX (rows endY..startY, bottom
    // first) of a bar whose channels have already lost 64 each.
    void DrawHorizontal(tk::Bitmap& bitmap, int blue, int green, int red, int startX, int endX);
    void DrawVertical(tk::Bitmap& bitmap, int blue, int green, int red, int startY, int endY);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    template <class T>
    void Refresh(T& field, T value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    template <class T>
    void Assign(T& field, T value) {
        field = value;
        Invalidate();
    }
    void DrawDialBase(tk::Canvas& canvas, const RECT& rect);

    NewProgressModel model_;
    COLORREF foreColor_ = RGB(0, 0, 0);
    COLORREF backColor_ = RGB(255, 255, 255);
    COLORREF color_;
    tk::Bitmap image_;
    TSubsBitmap overlay_;
};

}  // namespace vistrel
