#pragma once
// ScrollBox: a container whose children may cover more than it shows; scroll
// bars appear for the part that does not fit and move the children, so a
// child keeps its own coordinates (a picture's mouse positions stay the
// picture's) however far the box is scrolled.

#include "toolkit/Window.h"

namespace vistrel::tk {

class ScrollBox : public Window {
public:
    void Create(Window* parent, int id, const RECT& bounds, COLORREF color);

    // The area the children cover, from the box's top-left corner.
    void SetContentSize(int width, int height);
    POINT Offset() const { return offset_; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnResized() override { UpdateBars(); }

private:
    void UpdateBars();
    void Scroll(int bar, WORD code);
    void ScrollTo(int x, int y);

    BrushOwner brush_;
    SIZE content_{};
    POINT offset_{};
};

}  // namespace vistrel::tk
