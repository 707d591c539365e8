#include "toolkit/Window.h"

#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "toolkit/MessageChecks.h"
#include "common/DpiScale.h"
#include "common/Utf16.h"
#include "platform/Text.h"

#include <commctrl.h>

#include <algorithm>
#include <set>
#include <unordered_map>

namespace vistrel::tk {

namespace {

// Handle to object, for the windows of the user-interface thread. A map in
// our own memory rather than window properties or subclass data: those are a
// round trip to the window server on every message under Wine.
std::unordered_map<HWND, Window*>& Objects() {
    static std::unordered_map<HWND, Window*> objects;
    return objects;
}

// Every window of ours is a Unicode window: the titles of other programs
// that it shows, and the characters typed into it, reach it whole. The
// program's own ANSI texts are widened by the system on the way in.
void RegisterOwnClass(const std::u16string& name, UINT style, HBRUSH background, WNDPROC proc) {
    static std::set<std::u16string> registered;
    if (!registered.insert(name).second) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = platform::AsWide(name);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.hIconSm = wc.hIcon;
    RegisterClassExW(&wc);
}

}  // namespace

Window::~Window() {
    Application::Instance().ForgetCallsServed(this);
    for (Window* child : children_) child->parent_ = nullptr;
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    DestroyHandle();
}

void Window::DestroyHandle() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    Detach();
    DestroyWindow(hwnd);
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    const auto& objects = Objects();
    const auto it = objects.find(hwnd);
    return it == objects.end() ? nullptr : it->second;
}

void Window::SetAlias(HWND hwnd, Window* window) {
    if (window)
        Objects()[hwnd] = window;
    else
        Objects().erase(hwnd);
}

void Window::Attach(HWND hwnd, Window* parent) {
    hwnd_ = hwnd;
    parent_ = parent;
    Objects()[hwnd] = this;
    if (parent && std::find(parent->children_.begin(), parent->children_.end(), this) ==
                      parent->children_.end())
        parent->children_.push_back(this);
}

void Window::Detach() {
    if (!hwnd_) return;
    if (originalProc_ &&
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC)) == ControlProc)
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
    originalProc_ = nullptr;
    Objects().erase(hwnd_);
    hwnd_ = nullptr;
}

void Window::CreateOwn(const char* className, Window* parent, DWORD style, DWORD exStyle,
                       const RECT& bounds, int id, const std::string& text, UINT classStyle,
                       HBRUSH background, HWND owner) {
    const std::u16string wideClass = AsciiToUtf16(className);
    RegisterOwnClass(wideClass, classStyle, background, OwnClassProc);
    HWND parentHandle = parent ? parent->Handle() : owner;
    HMENU menuOrId =
        (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    pendingParent_ = parent;
    CreateWindowExW(exStyle, platform::AsWide(wideClass), platform::AsWide(platform::Widen(text)), style,
                    bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                    parentHandle, menuOrId, GetModuleHandleW(nullptr), this);
}

void Window::CreateControl(const char* className, Window* parent, DWORD style, DWORD exStyle,
                           const RECT& bounds, int id, const std::string& text) {
    HWND hwnd = CreateWindowExW(exStyle, platform::AsWide(AsciiToUtf16(className)),
                                platform::AsWide(platform::Widen(text)), style | WS_CHILD, bounds.left,
                                bounds.top, bounds.right - bounds.left,
                                bounds.bottom - bounds.top, parent ? parent->Handle() : nullptr,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return;
    Attach(hwnd, parent);
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
    if (parent && parent->Font()) SetFont(parent->Font());
}

LRESULT CALLBACK Window::OwnClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (auto* self = static_cast<Window*>(create->lpCreateParams))
            self->Attach(hwnd, self->pendingParent_);
    }
    Window* self = FromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = self->SafeWndProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->Detach();
    return result;
}

LRESULT CALLBACK Window::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = FromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = self->SafeWndProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->Detach();
    return result;
}

// An exception never unwinds through the system's frames: it ends the handler
// that threw it and is shown in the standard error box, and the program goes on.
LRESULT Window::SafeWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A notification whose header lies in another program's memory, or
    // nowhere, is none of our controls'.
    if (message == WM_NOTIFY && !OwnNotification(lParam)) return 0;
    // Inside a worker's call (a menu choice a pump there takes, a command
    // another program sends while a step waits for a window) no command may
    // pull the list from under the step below: it waits in the application's
    // own queue until the call is over, never in the queue that pump drains.
    auto& app = Application::Instance();
    if (message == WM_COMMAND && !originalProc_ && app.ServingAnyCall()) {
        const HWND self = hwnd_;
        app.WhenCallsServed(this, [self, wParam, lParam] { SendMessageA(self, WM_COMMAND, wParam, lParam); });
        return 0;
    }
    try {
        return WndProc(message, wParam, lParam);
    } catch (...) {
        Application::Instance().HandleException();
        return 0;
    }
}

bool Window::HandleSelfPaint(UINT message, WPARAM wParam, const std::function<void(HDC)>& paint,
                             LRESULT& result) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        paint(BeginPaint(hwnd_, &ps));
        EndPaint(hwnd_, &ps);
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    default:
        return false;
    }
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (originalProc_) return CallWindowProcW(originalProc_, hwnd_, message, wParam, lParam);
    // Our controls' notifications stay ANSI, as their handlers read them:
    // a Unicode parent would otherwise be sent the W forms.
    if (message == WM_NOTIFYFORMAT && lParam == NF_QUERY) return NFR_ANSI;
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
        if (lParam) {
            Window* child = FromHandle(reinterpret_cast<HWND>(lParam));
            if (child && child->OnCommand(LOWORD(wParam), HIWORD(wParam))) {
                result = 0;
                return true;
            }
        } else if (HIWORD(wParam) <= 1) {
            // A menu item or accelerator, or a command sent by id from outside.
            if (CommandTarget* target = CommandTarget::FromId(LOWORD(wParam))) {
                target->Click();
                result = 0;
                return true;
            }
        }
        return false;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        Window* child = FromHandle(header->hwndFrom);
        return child && child != this && child->OnNotify(*header, result);
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
        Window* child = FromHandle(reinterpret_cast<HWND>(lParam));
        if (child && child->OnScroll(LOWORD(wParam))) {
            result = 0;
            return true;
        }
        return false;
    }
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType == ODT_MENU) return false;
        Window* child = FromHandle(draw->hwndItem);
        if (!child || child == this || !child->OnOwnerDraw(*draw)) return false;
        result = TRUE;  // the item is drawn
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        Window* child = FromHandle(reinterpret_cast<HWND>(lParam));
        return child && child->OnColor(reinterpret_cast<HDC>(wParam), result);
    }
    default:
        return false;
    }
}

LRESULT Window::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Reflect(message, wParam, lParam, result)) return result;
    // Answered before the default handling, which would let the parent decide.
    if (message == WM_SETCURSOR && cursor_ && reinterpret_cast<HWND>(wParam) == hwnd_ &&
        LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(cursor_);
        return TRUE;
    }
    if (message == WM_SIZE) {
        LRESULT r = DefaultProc(message, wParam, lParam);
        Realign();
        OnResized();
        return r;
    }
    return DefaultProc(message, wParam, lParam);
}

bool Window::OnCommand(WORD, WORD) { return false; }
bool Window::OnNotify(NMHDR&, LRESULT&) { return false; }
bool Window::OnScroll(WORD) { return false; }
bool Window::OnColor(HDC, LRESULT&) { return false; }
bool Window::OnOwnerDraw(const DRAWITEMSTRUCT&) { return false; }

std::string Window::HintAt(POINT) const { return Hint; }

void Window::SetBounds(int left, int top, int width, int height) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, left, top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

RECT BoundsInParent(HWND window) {
    RECT r{};
    if (!window) return r;
    GetWindowRect(window, &r);
    HWND parent = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void RegisterCommonControls(DWORD classes) {
    INITCOMMONCONTROLSEX controls{sizeof controls, classes};
    InitCommonControlsEx(&controls);
}

RECT Window::BoundsRect() const { return BoundsInParent(hwnd_); }

int Window::Width() const {
    RECT r = BoundsRect();
    return r.right - r.left;
}

int Window::Height() const {
    RECT r = BoundsRect();
    return r.bottom - r.top;
}

int Window::ClientWidth() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r.right;
}

int Window::ClientHeight() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r.bottom;
}

bool Window::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Window::SetVisible(bool visible) {
    if (!hwnd_) return;
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    if (align_ != Align::None && parent_) parent_->Realign();
}

bool Window::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Window::SetEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled);
}

std::string Window::Text() const {
    if (!hwnd_) return {};
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void Window::SetText(const std::string& text) {
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

void Window::SetText(const std::u16string& text) {
    if (hwnd_) SetWindowTextW(hwnd_, platform::AsWide(text));
}

bool Window::Focused() const { return hwnd_ && GetFocus() == hwnd_; }

void Window::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

int Window::Dpi() const { return parent_ ? parent_->Dpi() : WindowDpi(hwnd_); }

int Window::Scale(int length96) const { return ScaleToDpi(length96, Dpi()); }

RECT Window::Scaled(int left, int top, int width, int height) const {
    const int dpi = Dpi();
    return Bounds(ScaleToDpi(left, dpi), ScaleToDpi(top, dpi), ScaleToDpi(width, dpi), ScaleToDpi(height, dpi));
}

void Window::Invalidate() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Window::Repaint() {
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void Window::SetFont(HFONT font) {
    font_ = font;
    if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Window::SetAlign(Align align) {
    align_ = align;
    if (parent_) parent_->Realign();
}

void Window::Realign() {
    if (!hwnd_ || children_.empty()) return;
    RECT area{};
    GetClientRect(hwnd_, &area);
    // As the VCL does it: top, bottom, left, right, then client, each group in
    // creation order.
    const Align order[] = {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client};
    for (Align pass : order) {
        for (Window* child : children_) {
            // The child's own style, not IsWindowVisible: a form lays out its
            // children while it is still hidden.
            if (child->align_ != pass || !child->hwnd_ ||
                !(GetWindowLongA(child->hwnd_, GWL_STYLE) & WS_VISIBLE))
                continue;
            const int w = area.right - area.left;
            const int h = area.bottom - area.top;
            switch (pass) {
            case Align::Top: {
                int ch = child->Height();
                child->SetBounds(area.left, area.top, w, ch);
                area.top += ch;
                break;
            }
            case Align::Bottom: {
                int ch = child->Height();
                child->SetBounds(area.left, area.bottom - ch, w, ch);
                area.bottom -= ch;
                break;
            }
            case Align::Left: {
                int cw = child->Width();
                child->SetBounds(area.left, area.top, cw, h);
                area.left += cw;
                break;
            }
            case Align::Right: {
                int cw = child->Width();
                child->SetBounds(area.right - cw, area.top, cw, h);
                area.right -= cw;
                break;
            }
            case Align::Client:
                child->SetBounds(area.left, area.top, std::max(w, 0), std::max(h, 0));
                break;
            case Align::None:
                break;
            }
        }
    }
}

}  // namespace vistrel::tk
