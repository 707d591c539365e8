#include "platform/WindowFacts.h"

#include <algorithm>

#include "platform/Handles.h"
#include "platform/Text.h"

#include <exception>

namespace vistrel::platform {

namespace {

constexpr int kTextBuffer = 256;
// Paths of up to 260 UTF-16 units, plus room for the terminator.
constexpr DWORD kPathUnits = 260;
// PROCESS_QUERY_INFORMATION | PROCESS_VM_READ: what GetModuleFileNameExW needs
// on every Windows version, including Windows 7.
constexpr DWORD kProcessAccess = 0x0410;

struct EnumState {
    const std::function<bool(HWND)>* visit;
    std::exception_ptr error;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    try {
        return (*state->visit)(window) ? TRUE : FALSE;
    } catch (...) {
        state->error = std::current_exception();
        return FALSE;
    }
}

}  // namespace

RECT WindowRect(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) rect = RECT{};
    return rect;
}

bool HasArea(HWND window) {
    const RECT r = WindowRect(window);
    return r.right > r.left && r.bottom > r.top;
}

std::u16string WindowTitle(HWND window) {
    TitleBuffer buffer;
    return std::u16string(WindowTitle(window, buffer));
}

std::u16string_view WindowTitle(HWND window, TitleBuffer& buffer) {
    // GetWindowTextW sends WM_GETTEXT only to windows of our own process; for
    // other processes it reads the stored caption, so a hung window cannot
    // block us here. Read in UTF-16, nothing of the title is lost on the way.
    buffer[0] = u'\0';
    const int length = GetWindowTextW(window, AsWide(buffer.data()), static_cast<int>(buffer.size()));
    return {buffer.data(), static_cast<size_t>(std::clamp(length, 0, static_cast<int>(buffer.size()) - 1))};
}

std::u16string WindowClass(HWND window) {
    wchar_t buffer[kTextBuffer] = {};
    const int length = GetClassNameW(window, buffer, kTextBuffer);
    return FromWide(buffer, static_cast<size_t>(std::clamp(length, 0, kTextBuffer - 1)));
}

HWND WindowOwner(HWND window) { return GetWindow(window, GW_OWNER); }

HWND WindowParent(HWND window) { return GetParent(window); }

bool IsVisible(HWND window) { return IsWindowVisible(window) != FALSE; }

bool IsMinimised(HWND window) { return IsIconic(window) != FALSE; }

TopLevelState TopLevelStateOf(HWND window) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    return {(style & WS_VISIBLE) != 0, (style & WS_MINIMIZE) != 0};
}

bool IsMaximised(HWND window) { return IsZoomed(window) != FALSE; }

bool WindowExists(HWND window) { return IsWindow(window) != FALSE; }

bool IsTopLevel(HWND window) { return window && GetAncestor(window, GA_ROOT) == window; }

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    if (!GetWindowThreadProcessId(window, &process)) return 0;
    return process;
}

uint64_t ProcessStarted(DWORD process) {
    UniqueHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!handle || !GetProcessTimes(handle.get(), &created, &exited, &kernel, &user)) return 0;
    return (uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime;
}

bool SetShowState(HWND window, UINT showCmd) {
    if (!Answers(window)) return false;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    // A placement that cannot be changed (Wine refuses it for other
    // processes' windows) leaves the show state as it was; the caller's next
    // step still applies.
    if (GetWindowPlacement(window, &placement)) {
        placement.showCmd = showCmd;
        SetWindowPlacement(window, &placement);
    }
    return true;
}

namespace {

// Where workspace coordinates start: the primary monitor's work area, for
// every window but a tool window, whose placement is in screen coordinates.
POINT WorkspaceOrigin(HWND window) {
    if (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return {0, 0};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info)) return {0, 0};
    return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

}  // namespace

RECT NormalPosition(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return {};
    RECT r = placement.rcNormalPosition;
    const POINT origin = WorkspaceOrigin(window);
    OffsetRect(&r, origin.x, origin.y);
    return r;
}

bool SetNormalPosition(HWND window, const RECT& screen) {
    if (IsHungAppWindow(window)) return false;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return false;
    const POINT origin = WorkspaceOrigin(window);
    placement.rcNormalPosition = screen;
    OffsetRect(&placement.rcNormalPosition, -origin.x, -origin.y);
    // Minimised it stays, inactive; hidden (in the tray, say) it stays hidden.
    if (!IsWindowVisible(window))
        placement.showCmd = SW_HIDE;
    else if (placement.showCmd == SW_SHOWMINIMIZED)
        placement.showCmd = SW_SHOWMINNOACTIVE;
    return SetWindowPlacement(window, &placement) != FALSE;
}

void RedrawNow(HWND window) {
    // RDW_UPDATENOW sends WM_PAINT to every window of the tree that needs
    // painting and waits for each one, and a window that needs painting is
    // exactly what a hung window is; the desktop's tree holds every top-level
    // window. So only our own thread's windows are painted at once; others are
    // invalidated and paint themselves as soon as they pump their messages.
    UINT flags = RDW_INVALIDATE | RDW_ALLCHILDREN;
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) flags |= RDW_UPDATENOW;
    RedrawWindow(window, nullptr, nullptr, flags);
}

bool MoveWindowTo(HWND window, int x, int y) {
    return PlaceWindow(window, x, y, 0, 0, SWP_NOSIZE);
}

bool PlaceWindow(HWND window, int x, int y, int cx, int cy, UINT flags) {
    if (!Answers(window)) return false;
    return SetWindowPos(window, HWND_NOTOPMOST, x, y, cx, cy, flags) != FALSE;
}

bool PlaceWindowAsync(HWND window, int x, int y, int cx, int cy, UINT flags) {
    // The request is posted to the window's thread, which carries it out
    // whenever it pumps again; we do not wait for it.
    return SetWindowPos(window, HWND_NOTOPMOST, x, y, cx, cy, flags | SWP_ASYNCWINDOWPOS) != FALSE;
}

bool QuietShow(HWND window) {
    // One probe covers both calls: a window that answered a moment ago is
    // not asked again.
    if (!SetShowState(window, SW_HIDE)) return false;
    OpenIcon(window);
    return true;
}

bool QuietMinimise(HWND window) {
    if (!SetShowState(window, SW_HIDE)) return false;
    CloseWindow(window);
    return true;
}

bool Restore(HWND window) {
    if (!Answers(window)) return false;
    OpenIcon(window);
    return true;
}

bool Minimise(HWND window) {
    if (!Answers(window)) return false;
    CloseWindow(window);
    return true;
}

void ForEachTopLevelWindow(const std::function<bool(HWND)>& visit) {
    EnumState state{&visit, nullptr};
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&state));
    if (state.error) std::rethrow_exception(state.error);
}

std::u16string ExecutablePath(HWND window, const ProcessPathApi& api) {
    if (!api.Available()) return {};
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(window, &processId) || processId == 0) return {};
    UniqueHandle process(OpenProcess(kProcessAccess, FALSE, processId));
    if (!process) return {};
    wchar_t path[kPathUnits + 1] = {};
    const DWORD length = api.ModuleFileName(process.get(), nullptr, path, kPathUnits);
    if (length == 0) return {};
    return FromWide(path, length < kPathUnits ? length : kPathUnits);
}

bool Answers(HWND window) { return Responds(window, kAnswerTimeoutMs); }

bool Responds(HWND window, UINT timeoutMs) {
    // Windows of this thread get sent messages as plain calls: nothing to wait for.
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return true;
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result))
        return true;
    return !IsWindow(window);
}

}  // namespace vistrel::platform
