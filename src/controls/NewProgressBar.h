#pragma once
// TNewProgressBar: our own drawn gauge. It shows a percentage as text only,
// as a horizontal or vertical bar (continuous or in blocks, solid or shaded
// by the controls' ramp), as a pie filling clockwise from twelve o'clock, or
// as a needle over a half-dial. Range and position are unsigned 64-bit; a new
// position repaints only when the whole percent changes. The picture is
// composed off-screen on black. The control's own Color lies behind the pie
// and the needle's dial. The rules are NewProgressModel's; this file draws
// them.

#include <windows.h>

#include <cstdint>

#include "controls/NewProgressBarModel.h"
#include "controls/ProgressBarBase.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Window.h"

namespace vistrel {

// The overlay a paint draws its kind into before it is laid over the image.
class TSubsBitmap : public tk::Bitmap {
public:
    // Sized like `image` and filled with the window frame colour.
    void SizeLike(const tk::Bitmap& image);
};

class TNewProgressBar : public ProgressBarBase<NewProgressModel> {
public:
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
    void SetMinValue(uint64_t value);
    void SetMaxValue(uint64_t value);
    void SetProgress(uint64_t value);

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
    // The kind's overlay laid over the black `image`, then the text.
    void Draw(tk::Bitmap& image, int width, int height) override;

private:
    template <class T>
    void Refresh(T& field, T value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    void DrawDialBase(tk::Canvas& canvas, const RECT& rect);

    COLORREF foreColor_ = RGB(0, 0, 0);
    COLORREF backColor_ = RGB(255, 255, 255);
    TSubsBitmap overlay_;
};

}  // namespace vistrel
