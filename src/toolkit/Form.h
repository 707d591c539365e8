#pragma once
// Form: a top-level window of its own class (the form's class name, so that
// rules about window classes apply to the program's own windows), with child
// controls placed by bounds and Align, the VCL's form events, a modal loop,
// and a tooltip control that shows the short hints of its controls.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace vistrel::tk {

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

// The work area of the monitor where a form opens: the one `anchor` (a
// window of ours, usually the main window) stands on most, or the mouse
// pointer's for no anchor; the user works there.
RECT PlacementWorkArea(HWND anchor);
// Form bounds of this outer size in pixels, centred in that work area and no
// larger than it.
RECT CentredBounds(int width, int height, HWND anchor);

// Where a form opens, and the DPI it is laid out for there.
struct FormPlace {
    FormPlace(const RECT& where, int atDpi, SIZE clientArea = {0, 0})
        : bounds(where), dpi(atDpi), client(clientArea) {}
    RECT bounds;
    int dpi;
    // The client area the bounds leave inside the frame foreseen for that
    // DPI; {0, 0} when only the outer size counts.
    SIZE client;
};
// The DPI of the monitor where a form anchored on `anchor` opens: the DPI the
// anchor is laid out for (a window moved to a monitor of another scale has
// that one's), or for no anchor that of the mouse pointer's monitor. The
// form's window does not exist yet, so the system cannot be asked for its.
int PlacementDpi(HWND anchor);
// Centred in PlacementWorkArea and sized at PlacementDpi: of this outer size
// at 96 DPI, or with a client area of this size at 96 DPI for the style.
FormPlace CentredPlace(int width96, int height96, HWND anchor);
FormPlace CentredClientPlace(int clientWidth96, int clientHeight96, DWORD style, DWORD exStyle, HWND anchor);

class Form : public Window {
public:
    Form() = default;
    ~Form() override;

    // Creates the form hidden. style defaults to an overlapped window. An
    // owned form stays above its owner, and ShowModal disables the owner.
    void CreateForm(const char* className, const std::string& caption, const RECT& bounds,
                    DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0, HWND owner = nullptr);
    // The same, laid out for the DPI of the place: the one its bounds were
    // sized for, so that the controls fit them. A frame other than the one
    // foreseen (a system that scales no frames, or draws them at another
    // scale) changes the outer size, never the client area.
    void CreateForm(const char* className, const std::string& caption, const FormPlace& place,
                    DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0, HWND owner = nullptr);

    void Show();
    void Hide();
    void Close();  // as the close box: OnCloseQuery, OnClose, then destroy or hide
    // Runs until ModalResult is set (a close sets mrCancel); OnClose runs at
    // the end, as it does when a form that is not modal closes.
    int ShowModal();
    int ModalResultValue() const { return modalResult_; }
    // The window ShowModal disables, when it is not the form's owner.
    void SetModalOwner(HWND owner) { modalOwner_ = owner; }
    void SetModalResult(int result) { modalResult_ = result; }

    // At 96 DPI; the form keeps it at its own.
    void SetMinSize(int width, int height) { minWidth_ = width; minHeight_ = height; }
    // The icon of the caption and the task switcher, in place of the class's;
    // the form keeps it for as long as it shows it.
    void SetIcon(IconOwner icon);
    void SetColor(COLORREF color);
    COLORREF Color() const { return color_; }

    // Shows the short part of control.Hint as a tooltip over the control.
    void AddTooltip(Window& control);
    // The buttons that Enter and Escape click (buttons of this form; Button
    // sets them).
    void SetDefaultButton(HWND button) { defaultButton_ = button; }
    void SetCancelButton(HWND button) { cancelButton_ = button; }
    // Enter or Escape: clicks the enabled default or cancel button; false
    // when there is none to click.
    bool DialogKey(UINT key);

    // A font of this height at 96 DPI, at the form's DPI; the form keeps it
    // and makes it anew when the DPI changes (its controls get the new one).
    HFONT ScaledFont(const char* face, int height96, bool bold = false, bool underline = false);
    // The DPI the form is laid out for: its place's, or its monitor's when it
    // was made without one, then the one of each WM_DPICHANGED.
    int Dpi() const override { return dpi_ ? dpi_ : Window::Dpi(); }

    // Events, named as the VCL names them.
    NotifyEvent OnShow;
    std::function<void(Form&, bool& canClose)> OnCloseQuery;
    NotifyEvent OnClose;
    NotifyEvent OnDestroy;
    NotifyEvent OnResize;
    // After the form moved to a monitor of another scale and took the size
    // Windows suggested: the controls are already moved and sized in
    // proportion and have their fonts at the new DPI; what the form draws or
    // measures itself (pictures, item heights) is redone here.
    std::function<void(Form&, int oldDpi)> OnDpiChanged;

    // The main form ends the message loop when it is destroyed.
    void SetMainForm(bool main) { mainForm_ = main; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnResized() override;

private:
    struct ScaledFontRecord {
        std::string face;
        int height96;
        bool bold;
        bool underline;
        FontOwner font;
    };

    bool TooltipText(NMHDR& header);
    void DpiChanged(int newDpi, const RECT& suggested);

    int modalResult_ = mrNone;
    HWND modalOwner_ = nullptr;
    bool inModalLoop_ = false;
    bool mainForm_ = false;
    int minWidth_ = 0;
    int minHeight_ = 0;
    COLORREF color_ = GetSysColor(COLOR_BTNFACE);
    BrushOwner background_;
    IconOwner icon_;
    HWND tooltip_ = nullptr;
    HWND defaultButton_ = nullptr;
    HWND cancelButton_ = nullptr;
    int dpi_ = 0;  // what the form was laid out for
    std::vector<ScaledFontRecord> fonts_;
};

}  // namespace vistrel::tk
