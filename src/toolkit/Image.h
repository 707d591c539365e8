#pragma once
// Image: a picture in a window of its own, as the VCL's TImage: drawn at the
// top-left corner on the parent's background, or stretched over the whole
// control. With AutoSize the control takes the picture's size. Draw on
// Picture() and call PictureChanged() to show what was drawn.

#include "toolkit/Bitmap.h"
#include "toolkit/MouseEvents.h"
#include "toolkit/Window.h"

namespace vistrel::tk {

class Image : public Window, public MouseEvents {
public:
    void Create(Window* parent, int id, const RECT& bounds);

    Bitmap& Picture() { return picture_; }
    const Bitmap& Picture() const { return picture_; }
    void PictureChanged();

    void SetStretch(bool stretch);
    bool Stretch() const { return stretch_; }
    void SetAutoSize(bool autoSize);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);

    Bitmap picture_{PixelFormat::Bgr24};
    bool stretch_ = false;
    bool autoSize_ = false;
};

}  // namespace vistrel::tk
