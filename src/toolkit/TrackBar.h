#pragma once
// TrackBar: a horizontal common-controls track bar with ticks below, a fixed
// thumb length, a selection range, and the VCL's key and mouse events. The
// events come from the control itself, before the control handles the
// message, except OnMouseUp, which comes after it: the track bar holds the
// mouse while the thumb is dragged and sets its final position when the
// button is released. A press always gets its release: every button takes
// the mouse capture while down, so its release comes back here, and losing
// the capture (or the focus) while a button is down counts as OnMouseUp for
// that button, losing the focus while a key is down as OnKeyUp for that key.

#include <windows.h>

#include <functional>

#include "toolkit/MouseEvents.h"
#include "toolkit/Window.h"

namespace vistrel::tk {

class TrackBar : public Window {
public:
    // Created with the selection range enabled, as the VCL's track bar is.
    void Create(Window* parent, int id, const RECT& bounds);

    int Min() const;
    void SetMin(int value);
    int Max() const;
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);  // does not run OnChange
    int PageSize() const;
    void SetPageSize(int value);
    int LineSize() const;
    void SetLineSize(int value);
    int Frequency() const { return frequency_; }
    void SetFrequency(int value);
    int ThumbLength() const;
    void SetThumbLength(int value);
    int SelStart() const;
    void SetSelStart(int value);
    int SelEnd() const;
    void SetSelEnd(int value);
    // The background around the channel (clWindow unless set).
    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color);

    NotifyEvent OnChange;  // the user moved the thumb to a new position
    std::function<void(TrackBar&, WORD key)> OnKeyDown;
    std::function<void(TrackBar&, WORD key)> OnKeyUp;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseMove;
    MouseEvent OnMouseUp;

    void RescaleOwnSizes(int oldDpi, int newDpi) override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnScroll(WORD code) override;
    bool OnColor(HDC dc, LRESULT& brush) override;

private:
    LRESULT MouseButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    void ReleaseHeldButtons();

    unsigned heldButtons_ = 0;  // one bit per MouseButton whose press was reported
    WORD heldKey_ = 0;
    int frequency_ = 1;
    int reported_ = 0;  // the position OnChange last saw
    COLORREF color_ = GetSysColor(COLOR_WINDOW);
    BrushOwner brush_;
};

}  // namespace vistrel::tk
