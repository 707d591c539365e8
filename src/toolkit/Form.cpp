#include "toolkit/Form.h"

#include <commctrl.h>

#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/DpiScale.h"
#include "common/MonitorLayout.h"
#include "platform/DisplayInfo.h"
#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "toolkit/HintText.h"
#include "platform/Locale.h"
#include "toolkit/Menu.h"
#include "toolkit/MessageChecks.h"

namespace vistrel::tk {

Form::~Form() {
    if (tooltip_) DestroyWindow(tooltip_);
    // The window outlives this object's members: it lets go of the icon first.
    if (icon_) SetIcon({});
}

void Form::CreateForm(const char* className, const std::string& caption, const RECT& bounds,
                      DWORD style, DWORD exStyle, HWND owner) {
    background_.reset(CreateSolidBrush(color_));
    CreateOwn(className, nullptr, style & ~WS_VISIBLE, exStyle, bounds, 0, caption, CS_DBLCLKS,
              nullptr, owner);
    dpi_ = Dpi();
}

void Form::CreateForm(const char* className, const std::string& caption, const FormPlace& place, DWORD style,
                      DWORD exStyle, HWND owner) {
    // Set first: the messages of the creation see the form at its DPI.
    dpi_ = place.dpi;
    CreateForm(className, caption, place.bounds, style, exStyle, owner);
    if (place.client.cx <= 0 || place.client.cy <= 0) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const int dx = place.client.cx - client.right;
    const int dy = place.client.cy - client.bottom;
    if (dx == 0 && dy == 0) return;
    const RECT& b = place.bounds;
    SetWindowPos(Handle(), nullptr, b.left - dx / 2, b.top - dy / 2, b.right - b.left + dx, b.bottom - b.top + dy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT Form::ScaledFont(const char* face, int height96, bool bold, bool underline) {
    FontOwner font = MakeFont(face, ScaleToDpi(height96, Dpi()), bold, underline);
    const HFONT handle = font.get();
    fonts_.push_back({face, height96, bold, underline, std::move(font)});
    return handle;
}

namespace {

// The children of a window and theirs, each with its bounds in its parent.
BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<std::pair<HWND, RECT>>*>(list)->emplace_back(child, BoundsInParent(child));
    return TRUE;
}

}  // namespace

// Every control keeps its place in proportion, so one handler serves every
// form; controls that align to their parent are laid out again by the resize
// that follows. The bounds are all read before any is changed, because a
// panel that changes size aligns its children at once.
void Form::DpiChanged(int newDpi, const RECT& suggested) {
    const int oldDpi = dpi_ ? dpi_ : newDpi;
    dpi_ = newDpi;
    std::unordered_map<HFONT, HFONT> renewed;
    std::vector<FontOwner> retired;
    for (ScaledFontRecord& record : fonts_) {
        FontOwner font = MakeFont(record.face.c_str(), ScaleToDpi(record.height96, newDpi), record.bold,
                                  record.underline);
        renewed[record.font.get()] = font.get();
        retired.push_back(std::exchange(record.font, std::move(font)));
    }
    std::vector<std::pair<HWND, RECT>> children;
    EnumChildWindows(Handle(), CollectChild, reinterpret_cast<LPARAM>(&children));
    for (const auto& [child, r] : children) {
        if (oldDpi != newDpi) {
            const int left = Rescale(r.left, oldDpi, newDpi);
            const int top = Rescale(r.top, oldDpi, newDpi);
            SetWindowPos(child, nullptr, left, top, Rescale(r.right, oldDpi, newDpi) - left,
                         Rescale(r.bottom, oldDpi, newDpi) - top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        Window* control = FromHandle(child);
        if (!control) continue;
        if (oldDpi != newDpi) control->RescaleOwnSizes(oldDpi, newDpi);
        const auto font = renewed.find(control->Font());
        if (font != renewed.end()) control->SetFont(font->second);
    }
    const auto own = renewed.find(Font());
    if (own != renewed.end()) SetFont(own->second);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Realign();
    if (OnDpiChanged) OnDpiChanged(*this, oldDpi);
    Invalidate();
}

void Form::SetColor(COLORREF color) {
    color_ = color;
    background_.reset(CreateSolidBrush(color_));
    Invalidate();
}

void Form::SetIcon(IconOwner icon) {
    if (Handle()) {
        const auto handle = reinterpret_cast<LPARAM>(icon.get());
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, handle);
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, handle);
    }
    // The window lets go of the old icon above before it is destroyed here.
    icon_ = std::move(icon);
}

void Form::Show() {
    if (!Handle()) return;
    if (OnShow) OnShow(*this);
    if (!IsWindowVisible(Handle())) ShowWindow(Handle(), SW_SHOW);
}

void Form::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void Form::Close() {
    if (Handle()) SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

namespace {

// The monitor where a form anchored on `anchor` opens; none when the system
// lists no monitor.
std::optional<Monitor> PlacementMonitor(HWND anchor) {
    const std::vector<Monitor> monitors = platform::Monitors();
    RECT window{};
    const int index = anchor && GetWindowRect(anchor, &window)
                          ? MonitorOfRect(monitors, {window.left, window.top, window.right, window.bottom})
                          : MonitorAtPoint(monitors, platform::CursorPosition());
    if (index < 0) return std::nullopt;
    return monitors[static_cast<size_t>(index)];
}

Rect WorkAreaOf(const std::optional<Monitor>& monitor) {
    if (monitor) return monitor->work;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right, work.bottom};
}

RECT ToWin(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

struct Placement {
    Rect work;
    int dpi;
};

Placement PlacementOf(HWND anchor) {
    const std::optional<Monitor> monitor = PlacementMonitor(anchor);
    int dpi = monitor ? monitor->dpi : WindowDpi(nullptr);
    if (anchor) {
        const Window* window = Window::FromHandle(anchor);
        dpi = window ? window->Dpi() : WindowDpi(anchor);
    }
    return {WorkAreaOf(monitor), dpi};
}

}  // namespace

RECT PlacementWorkArea(HWND anchor) { return ToWin(WorkAreaOf(PlacementMonitor(anchor))); }

RECT CentredBounds(int width, int height, HWND anchor) {
    return ToWin(CentredIn(WorkAreaOf(PlacementMonitor(anchor)), {width, height}));
}

int PlacementDpi(HWND anchor) { return PlacementOf(anchor).dpi; }

FormPlace CentredPlace(int width96, int height96, HWND anchor) {
    const Placement place = PlacementOf(anchor);
    return {ToWin(FormBounds(place.work, {width96, height96}, {}, place.dpi)), place.dpi};
}

FormPlace CentredClientPlace(int clientWidth96, int clientHeight96, DWORD style, DWORD exStyle, HWND anchor) {
    const Placement place = PlacementOf(anchor);
    const RECT frame = FrameAt(style, exStyle, place.dpi);
    const Rect grown{frame.left, frame.top, frame.right, frame.bottom};
    const Rect bounds = FormBounds(place.work, {clientWidth96, clientHeight96}, grown, place.dpi);
    return {ToWin(bounds), place.dpi, {bounds.width() - grown.width(), bounds.height() - grown.height()}};
}

int Form::ShowModal() {
    // Our own modal loop: the owner is disabled while the form runs, as a
    // dialog box would do it, and ModalResult ends the loop.
    HWND owner = modalOwner_ ? modalOwner_ : GetWindow(Handle(), GW_OWNER);
    if (!owner) owner = GetActiveWindow();
    // Another program's window (a form may be owned by the window it works
    // on) is never disabled: only a window of ours waits for the form.
    if (owner == Handle() || (owner && GetWindowThreadProcessId(owner, nullptr) != GetCurrentThreadId()))
        owner = nullptr;
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    modalResult_ = mrNone;
    inModalLoop_ = true;
    Show();
    auto& app = Application::Instance();
    while (modalResult_ == mrNone && Handle() && !app.Terminated()) {
        WaitMessage();
        app.ProcessMessages();
    }
    inModalLoop_ = false;
    // The owner comes back before the form goes, so that activation returns
    // to it rather than to another program's window.
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (owner) SetActiveWindow(owner);
    if (Handle() && OnClose) OnClose(*this);
    Hide();
    return modalResult_;
}

void Form::AddTooltip(Window& control) {
    if (!tooltip_) {
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    }
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = Handle();
    info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    info.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

bool Form::TooltipText(NMHDR& header) {
    if (header.hwndFrom != tooltip_ || header.code != TTN_GETDISPINFOA) return false;
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
    Window* control = FromHandle(reinterpret_cast<HWND>(header.idFrom));
    static std::string text;  // must outlive this notification
    text = control ? ShortHint(control->Hint, platform::IsLeadByte) : std::string();
    info.lpszText = text.data();
    return true;
}

bool Form::DialogKey(UINT key) {
    const HWND button = key == VK_RETURN ? defaultButton_ : key == VK_ESCAPE ? cancelButton_ : nullptr;
    if (!button || !IsWindow(button) || !IsWindowEnabled(button)) return false;
    SendMessageA(button, BM_CLICK, 0, 0);
    return true;
}

void Form::OnResized() {
    if (OnResize) OnResize(*this);
}

LRESULT Form::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    std::string menuHint;
    if (PopupMenu::HandleOwnerMessage(message, wParam, lParam, result, &menuHint, Dpi())) {
        if (message == WM_MENUSELECT) Application::Instance().SetHint(menuHint);
        return result;
    }
    switch (message) {
    case WM_NOTIFY:
        if (TooltipText(*reinterpret_cast<NMHDR*>(lParam))) return 0;
        break;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, background_.get());
        return 1;
    }
    case WM_KEYDOWN:
        if (DialogKey(static_cast<UINT>(wParam))) return 0;
        break;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        if (minWidth_) info->ptMinTrackSize.x = Scale(minWidth_);
        if (minHeight_) info->ptMinTrackSize.y = Scale(minHeight_);
        return 0;
    }
    case WM_CLOSE: {
        bool canClose = true;
        if (OnCloseQuery) OnCloseQuery(*this, canClose);
        if (!canClose) return 0;
        if (inModalLoop_) {
            if (modalResult_ == mrNone) modalResult_ = mrCancel;
            return 0;
        }
        if (OnClose) OnClose(*this);
        if (mainForm_) DestroyWindow(Handle());
        else Hide();
        return 0;
    }
    case WM_DPICHANGED:
        // Both halves of wParam carry the new DPI; lParam is the rectangle
        // Windows suggests, which keeps the form where the user dragged it.
        // Anything else that comes with this number is ignored.
        if (const RECT* offered = OfferedRectangle(wParam, lParam)) DpiChanged(HIWORD(wParam), *offered);
        return 0;
    case WM_DESTROY:
        if (OnDestroy) OnDestroy(*this);
        if (mainForm_) PostQuitMessage(0);
        break;
    default:
        break;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel::tk
