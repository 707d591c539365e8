#pragma once
// Window: owns an HWND and dispatches its messages to a virtual WndProc.
//
// Windows of our own classes are attached to their object at WM_NCCREATE
// (the object comes in lpCreateParams); standard controls (buttons, list
// views, ...) are subclassed by replacing their window procedure. Either way
// the object is found again from its handle with FromHandle, which is how a
// parent hands WM_COMMAND, WM_NOTIFY, WM_HSCROLL and WM_CTLCOLOR* back to the
// control that caused them.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/GdiOwners.h"

namespace vistrel::tk {

enum class Align { None, Top, Bottom, Left, Right, Client };

// A control's bounds as forms give them: left, top, width, height.
inline RECT Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

class Window : public Component {
public:
    Window() = default;
    ~Window() override;

    HWND Handle() const { return hwnd_; }
    Window* Parent() const { return parent_; }
    static Window* FromHandle(HWND hwnd);
    // Lets a window that is not ours (a control's own tooltip) stand for this
    // object in FromHandle, so that its notifications reach us; null removes it.
    static void SetAlias(HWND hwnd, Window* window);

    void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const;  // in parent client coordinates
    int Left() const { return BoundsRect().left; }
    int Top() const { return BoundsRect().top; }
    int Width() const;
    int Height() const;
    int ClientWidth() const;
    int ClientHeight() const;

    // The DPI the window is laid out for (a control's is its form's), and a
    // 96-DPI length or bounds in its pixels. Before the window exists: the
    // system DPI.
    virtual int Dpi() const;
    int Scale(int length96) const;
    RECT Scaled(int left, int top, int width, int height) const;

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    std::string Text() const;
    void SetText(const std::string& text);
    // A text that names another program's window, as it names itself.
    void SetText(const std::u16string& text);
    bool Focused() const;
    void SetFocus();
    void Invalidate();
    void Repaint();

    // Font: borrowed from an owner that outlives the window (a form keeps its fonts).
    void SetFont(HFONT font);
    HFONT Font() const { return font_; }

    // The cursor over the window: a shared system cursor (LoadCursor with an
    // IDC_ value, never freed); null leaves it to the window's class.
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

    // Align-driven layout of the children, in creation order, as forms and panels do it.
    Align AlignMode() const { return align_; }
    void SetAlign(Align align);
    void Realign();

    // The form moved to a monitor of another scale and has moved and sized
    // this control in proportion; sizes the control keeps by itself (an item
    // height, a thumb) follow here.
    virtual void RescaleOwnSizes(int /*oldDpi*/, int /*newDpi*/) {}

    // Set when the mouse rests on this window; a control whose hint depends on
    // where the mouse is (a toolbar) overrides it.
    virtual std::string HintAt(POINT clientPoint) const;

protected:
    // Creates a window of one of our own classes (registered on first use).
    // A top-level window (no parent) may have an owner.
    void CreateOwn(const char* className, Window* parent, DWORD style, DWORD exStyle,
                   const RECT& bounds, int id, const std::string& text,
                   UINT classStyle = CS_DBLCLKS, HBRUSH background = nullptr,
                   HWND owner = nullptr);
    // Creates a standard control and subclasses it.
    void CreateControl(const char* className, Window* parent, DWORD style, DWORD exStyle,
                       const RECT& bounds, int id, const std::string& text);
    // Destroys the window and leaves the object without one, ready for a new
    // window (a control whose style can only be set at creation).
    void DestroyHandle();

    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The paint messages of a window that draws every pixel itself with
    // `paint`: WM_PAINT, WM_PRINTCLIENT (PrintWindow, as the program's own
    // thumbnails take it) and WM_ERASEBKGND (nothing to erase). True when
    // `message` was one of them; `result` is then what to return.
    bool HandleSelfPaint(UINT message, WPARAM wParam, const std::function<void(HDC)>& paint,
                         LRESULT& result);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Messages that a parent reflects to the child they concern. Return true
    // when handled; result is what the parent's window procedure returns.
    virtual bool OnCommand(WORD id, WORD code);
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    virtual bool OnScroll(WORD code);
    virtual bool OnColor(HDC dc, LRESULT& brush);
    // WM_DRAWITEM of an owner-drawn control (menus have theirs in Menu.h).
    virtual bool OnOwnerDraw(const DRAWITEMSTRUCT& draw);

    virtual void OnResized() {}

    // Children laid out by Realign (their Align is not None).
    const std::vector<Window*>& Children() const { return children_; }

private:
    friend class Application;
    void Attach(HWND hwnd, Window* parent);
    void Detach();
    static LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT SafeWndProc(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    Window* parent_ = nullptr;
    Window* pendingParent_ = nullptr;  // parent of a window being created
    WNDPROC originalProc_ = nullptr;  // of a subclassed standard control
    Align align_ = Align::None;
    HFONT font_ = nullptr;
    HCURSOR cursor_ = nullptr;
    std::vector<Window*> children_;
};

// A window's rectangle in its parent's client coordinates (a child's), or
// on the screen (a top-level window's).
RECT BoundsInParent(HWND window);

// Registers the common controls' window classes of `classes` (ICC_ flags),
// which a control made before Application::Initialize (in a test, say)
// needs; registering them again does no harm.
void RegisterCommonControls(DWORD classes);

}  // namespace vistrel::tk
