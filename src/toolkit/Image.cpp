#include "toolkit/Image.h"

#include "toolkit/Panel.h"

namespace vistrel::tk {

void Image::Create(Window* parent, int id, const RECT& bounds) {
    // CS_HREDRAW | CS_VREDRAW: a stretched picture is drawn anew at every size.
    CreateOwn("TImage", parent, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, id, "",
              CS_HREDRAW | CS_VREDRAW);
}

void Image::PictureChanged() {
    if (autoSize_ && Handle())
        SetWindowPos(Handle(), nullptr, 0, 0, picture_.Width(), picture_.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void Image::SetStretch(bool stretch) {
    stretch_ = stretch;
    PictureChanged();
}

void Image::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    PictureChanged();
}

void Image::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = picture_.Width();
    const int height = picture_.Height();
    if (stretch_ && width > 0 && height > 0) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, client.right, client.bottom, picture_.Dc(), 0, 0, width, height,
                   SRCCOPY);
    } else {
        BitBlt(dc, 0, 0, width, height, picture_.Dc(), 0, 0, SRCCOPY);
        // What the picture leaves uncovered, right of it and below it, shows
        // the parent's background.
        HBRUSH background = ParentBackground(*this, dc);
        const RECT right{width, 0, client.right, client.bottom};
        const RECT below{0, height, width, client.bottom};
        FillRect(dc, &right, background);
        FillRect(dc, &below, background);
    }
}

LRESULT Image::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleSelfPaint(message, wParam, [this](HDC dc) { Paint(dc); }, result)) return result;
    DispatchMouse(*this, Handle(), message, wParam, lParam);
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel::tk
