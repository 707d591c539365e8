#pragma once
// DrawnControl: what the program's own drawn controls (the switch button and
// the progress bars) have in common. Each draws its whole picture into an
// off-screen bitmap of its client size, which is copied to the screen in one
// piece, so that a repaint never flickers; nothing is erased first.

#include <windows.h>

#include "toolkit/Bitmap.h"
#include "toolkit/Window.h"

namespace vistrel {

class DrawnControl : public tk::Window {
public:
    DrawnControl();

    // The control's own colour, the button face unless set; each control
    // says what it paints with it.
    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color) { Assign(color_, color); }

    // Draws the whole control as it looks now onto `dc` at (0, 0).
    void PaintTo(HDC dc);

protected:
    // Whether a control of this size draws anything at all.
    virtual bool Paintable(int width, int height) const { return width > 0 && height > 0; }
    // The picture, onto `buffer` (width x height, the client size).
    virtual void Draw(tk::Bitmap& buffer, int width, int height) = 0;

    // A property that shows at the next paint.
    template <class T>
    void Assign(T& field, T value) {
        field = value;
        Invalidate();
    }
    // The control's font, else the default GUI font.
    HFONT TextFont() const;

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF color_;
    tk::Bitmap buffer_;
};

}  // namespace vistrel
