// How it works: one control thread owns the message-only control window and
// answers the driver's WM_COPYDATA commands. Test windows live on group
// threads (group 0 unless the driver asks otherwise), each with a
// message-only host window that creates windows on request. The control
// thread hands every window operation to the window's own thread with a
// bounded SendMessageTimeout, so a window whose thread was told to hang never
// stalls the control: the driver can still read states, counts and the list
// (all kept in the window table, read without sending a message) while a
// group hangs. A hang ends when the driver wakes the window, which the
// control thread does by an event, never by a message to the hung thread.
#include "TestWindowsHost.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <vector>
#include <memory>
#include <string>

namespace vistrel::e2e::helper {
namespace {

using protocol::Command;
using protocol::Kind;
using protocol::Op;

constexpr UINT kMsgCreate = WM_APP + 1;      // to a group host: lParam = const Command*, result HWND
constexpr UINT kMsgOp = WM_APP + 2;          // to a test window: lParam = const Command*, result 1/0
constexpr UINT kMsgHang = WM_APP + 3;        // posted to a test window: wParam = the hang's bound in milliseconds
constexpr UINT kMsgCloseAll = WM_APP + 4;    // to a group host: destroy the group's windows
constexpr UINT kMsgWindowGone = WM_APP + 5;  // posted to the control window

// A hung group makes operations on its windows fail after this long; the
// driver waits longer than this for the control's answer.
constexpr UINT kWindowAnswerMs = 5000;

constexpr const char* kGroupHostClass = "VistrelTestGroupHost";

const char* DefaultClass(Kind kind) {
    switch (kind) {
    case Kind::Frame: return "VistrelTestFrame";
    case Kind::Popup: return "VistrelTestPopup";
    case Kind::Tool: return "VistrelTestTool";
    case Kind::Dialog: return "#32770";
    case Kind::ZeroSize: return "VistrelTestZeroSize";
    }
    return "VistrelTestFrame";
}

struct TestWindow {
    HWND hwnd = nullptr;
    Kind kind = Kind::Frame;
    uint32_t group = 0;
    DWORD threadId = 0;
    WNDPROC original = nullptr;  // the dialog manager's procedure for Kind::Dialog
    std::atomic<bool> alive{true};
    std::atomic<uint32_t> colour{0};
    std::atomic<uint32_t> printCount{0};
    std::atomic<uint32_t> closeRequests{0};
    bool refusesClose = false;
    bool refusesMove = false;
    std::atomic<uint32_t> hanging{0};
    // What the next WM_NULL sends, and to whom (0: nothing).
    std::atomic<uint64_t> askTarget{0};
    std::atomic<uint32_t> askMessage{0};
    std::atomic<int32_t> askWParam{0};
    std::atomic<int32_t> askLParam{0};
    HANDLE wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);  // ends a hang; never closed, like the entry
    char title[protocol::kTitleSize] = {};  // guarded by the host's lock
    char className[protocol::kClassSize] = {};
};

// A group's thread runs until its process ends; nobody joins it.
struct Group {
    uint32_t id = 0;
    HWND host = nullptr;
    HANDLE ready = nullptr;  // set once the host window exists (or failed)
};

class SolidBrush {
public:
    explicit SolidBrush(uint32_t colour) : brush_(CreateSolidBrush(colour)) {}
    ~SolidBrush() { DeleteObject(brush_); }
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;
    HBRUSH get() const { return brush_; }

private:
    HBRUSH brush_;
};

class Host {
public:
    explicit Host(const HostOptions& options) : options_(options) {
        InitializeSRWLock(&lock_);
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&RunHost), &instance_);
    }

    int Run();

    static Host* current;

    HINSTANCE instance() const { return instance_; }
    TestWindow* Adopt(std::unique_ptr<TestWindow> window);
    void Forget(TestWindow* window);
    HWND CreateTestWindow(const Command& c);
    void CloseThreadWindows();

private:
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static DWORD WINAPI GroupThread(void* param);

    LRESULT Dispatch(const Command& c);
    LRESULT WindowOp(const Command& c);
    LRESULT FillState(HWND hwnd);
    LRESULT FillList();
    LRESULT Wake(HWND hwnd);
    LRESULT CloseAll();
    Group* EnsureGroup(uint32_t id);
    bool RegisterClasses();
    bool EnsureClass(const char* name);
    TestWindow* Find(HWND hwnd, bool aliveOnly);
    size_t LivingCount();

    HostOptions options_;
    HINSTANCE instance_ = nullptr;
    SRWLOCK lock_;
    std::vector<std::unique_ptr<TestWindow>> windows_;  // creation order; closed ones stay for their counts
    std::vector<std::unique_ptr<Group>> groups_;        // control thread only
    HWND control_ = nullptr;
    protocol::Reply* reply_ = nullptr;
    bool exitWhenEmpty_ = false;
};

Host* Host::current = nullptr;

// The named event of the protocol's counts, set after any count changes.
HANDLE countsChanged = nullptr;

void Count(std::atomic<uint32_t>& counter) {
    ++counter;
    if (countsChanged) SetEvent(countsChanged);
}

// The picture of TestWindowsProtocol.h, drawn with its outer-window origin at
// (originX, originY) of the device context.
void PaintPicture(HDC dc, uint32_t colour, int originX, int originY, int width, int height) {
    const RECT whole{originX, originY, originX + width, originY + height};
    FillRect(dc, &whole, SolidBrush(colour).get());
    const protocol::Block b = protocol::MarkBlock(width, height);
    const RECT mark{originX + b.left, originY + b.top, originX + b.right, originY + b.bottom};
    FillRect(dc, &mark, SolidBrush(protocol::InverseColour(colour)).get());
}

// The client area shows its part of the outer picture.
void PaintClient(HWND hwnd, HDC dc, uint32_t colour) {
    RECT window;
    GetWindowRect(hwnd, &window);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    PaintPicture(dc, colour, window.left - origin.x, window.top - origin.y, window.right - window.left,
                 window.bottom - window.top);
}

void PaintWhole(HWND hwnd, HDC dc, uint32_t colour) {
    RECT window;
    GetWindowRect(hwnd, &window);
    PaintPicture(dc, colour, 0, 0, window.right - window.left, window.bottom - window.top);
}

LRESULT DoWindowOp(HWND hwnd, TestWindow& w, const Command& c) {
    switch (c.op) {
    case Op::Minimise: ShowWindow(hwnd, SW_MINIMIZE); return 1;
    case Op::Restore: ShowWindow(hwnd, SW_RESTORE); return 1;
    case Op::Show: ShowWindow(hwnd, SW_SHOWNA); return 1;
    case Op::Hide: ShowWindow(hwnd, SW_HIDE); return 1;
    case Op::Rename: {
        if (!SetWindowTextA(hwnd, c.title)) return 0;
        return 1;
    }
    case Op::Move:
        return SetWindowPos(hwnd, nullptr, c.x, c.y, c.width, c.height, SWP_NOZORDER | SWP_NOACTIVATE) ? 1 : 0;
    case Op::SetColour:
        w.colour = c.colour & 0xFFFFFFu;
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return 1;
    case Op::Close: return DestroyWindow(hwnd) ? 1 : 0;
    default: return 0;
    }
}

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
    }
    auto* w = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    auto fallback = [&] {
        return w && w->original ? CallWindowProcA(w->original, hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
    };
    if (!w) return DefWindowProcA(hwnd, msg, wp, lp);

    switch (msg) {
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        PaintClient(hwnd, dc, w->colour);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintClient(hwnd, reinterpret_cast<HDC>(wp), w->colour);
        return 0;
    case WM_NULL:
        if (const uint64_t target = w->askTarget.exchange(0)) {
            DWORD_PTR result = 0;
            SendMessageTimeoutA(reinterpret_cast<HWND>(static_cast<uintptr_t>(target)), w->askMessage,
                                static_cast<WPARAM>(w->askWParam.load()), static_cast<LPARAM>(w->askLParam.load()),
                                SMTO_NORMAL, kWindowAnswerMs, &result);
        }
        return 0;
    case WM_PRINT: {
        // Wine's default WM_PRINT draws no frame, so the whole picture, frame
        // area included, comes from here.
        Count(w->printCount);
        if ((lp & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return 0;
        HDC dc = reinterpret_cast<HDC>(wp);
        if (lp & PRF_NONCLIENT)
            PaintWhole(hwnd, dc, w->colour);
        else if (lp & PRF_CLIENT)
            PaintClient(hwnd, dc, w->colour);
        return 0;
    }
    case WM_CLOSE:
        // Every kind closes on request, dialogs too (their default would only
        // send IDCANCEL to a dialog procedure that ignores it).
        Count(w->closeRequests);
        if (!w->refusesClose) DestroyWindow(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGING: {
        // Only a plain move of the open window: minimising and restoring
        // (which the system marks 0x8000) place it as ever.
        constexpr UINT kStateChanged = 0x8000;
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        if (w->refusesMove && !IsIconic(hwnd) && !(pos->flags & kStateChanged)) pos->flags |= SWP_NOMOVE;
        return fallback();
    }
    case kMsgOp: return DoWindowOp(hwnd, *w, *reinterpret_cast<const Command*>(lp));
    case kMsgHang:
        Count(w->hanging);
        WaitForSingleObject(w->wake, static_cast<DWORD>(wp));
        w->hanging = 0;
        if (countsChanged) SetEvent(countsChanged);
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = fallback();
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (Host::current) Host::current->Forget(w);
        return result;
    }
    default: break;
    }
    return fallback();
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TestWindow* Host::Adopt(std::unique_ptr<TestWindow> window) {
    AcquireSRWLockExclusive(&lock_);
    windows_.push_back(std::move(window));
    TestWindow* w = windows_.back().get();
    ReleaseSRWLockExclusive(&lock_);
    return w;
}

void Host::Forget(TestWindow* window) {
    window->alive = false;
    if (countsChanged) SetEvent(countsChanged);
    if (control_) PostMessageA(control_, kMsgWindowGone, 0, 0);
}

TestWindow* Host::Find(HWND hwnd, bool aliveOnly) {
    // The newest entry wins: a closed window's handle may be reused.
    AcquireSRWLockShared(&lock_);
    TestWindow* found = nullptr;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if ((*it)->hwnd == hwnd && (!aliveOnly || (*it)->alive)) {
            found = it->get();
            break;
        }
    }
    ReleaseSRWLockShared(&lock_);
    return found;
}

size_t Host::LivingCount() {
    AcquireSRWLockShared(&lock_);
    size_t n = 0;
    for (const auto& w : windows_) n += w->alive ? 1 : 0;
    ReleaseSRWLockShared(&lock_);
    return n;
}

// An icon all of one colour, which a thumbnail's corner shows as it is.
HICON SolidIcon(COLORREF colour) {
    constexpr int kSide = 32;
    HDC screen = GetDC(nullptr);
    HBITMAP colourBits = CreateCompatibleBitmap(screen, kSide, kSide);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colourBits);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, kSide, kSide};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    std::vector<BYTE> opaque(kSide * kSide / 8, 0);  // a mask of 0: every pixel shows
    HBITMAP mask = CreateBitmap(kSide, kSide, 1, 1, opaque.data());
    ICONINFO info{TRUE, 0, 0, mask, colourBits};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colourBits);
    return icon;
}

bool Host::EnsureClass(const char* name) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance_, name, &existing)) return true;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = std::strcmp(name, protocol::kIconClass) == 0 ? SolidIcon(protocol::kIconColour)
                                                             : LoadIcon(nullptr, IDI_APPLICATION);
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

HWND Host::CreateTestWindow(const Command& c) {
    auto owned = std::make_unique<TestWindow>();
    owned->kind = c.kind;
    owned->group = c.group;
    owned->threadId = GetCurrentThreadId();
    owned->colour = c.colour & 0xFFFFFFu;
    owned->refusesClose = (c.flags & protocol::kFlagRefuseClose) != 0;
    owned->refusesMove = (c.flags & protocol::kFlagRefuseMove) != 0;
    std::memcpy(owned->title, c.title, sizeof owned->title);
    owned->title[sizeof owned->title - 1] = 0;
    const char* cls = c.className[0] ? c.className : DefaultClass(c.kind);
    std::snprintf(owned->className, sizeof owned->className, "%s", cls);
    HWND owner = reinterpret_cast<HWND>(static_cast<uintptr_t>(c.owner));
    TestWindow* w = Adopt(std::move(owned));

    HWND hwnd = nullptr;
    if (c.kind == Kind::Dialog && !c.className[0]) {
        // A real dialog box: an empty in-memory template, then our procedure
        // in front of the dialog manager's for painting and commands.
        alignas(4) WORD tmpl[16] = {};
        auto* head = reinterpret_cast<DLGTEMPLATE*>(tmpl);
        head->style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        hwnd = CreateDialogIndirectParamA(instance_, head, owner, PlainDialogProc, 0);
        if (hwnd) {
            w->hwnd = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w));
            w->original = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TestWindowProc)));
            SetWindowTextA(hwnd, c.title);
            SetWindowPos(hwnd, nullptr, c.x, c.y, c.width, c.height, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else {
        if (!EnsureClass(cls)) {
            w->alive = false;
            return nullptr;
        }
        DWORD style = WS_OVERLAPPEDWINDOW, exStyle = 0;
        int width = c.width, height = c.height;
        switch (c.kind) {
        case Kind::Frame: break;
        case Kind::Popup: style = WS_POPUP | WS_BORDER; break;
        case Kind::Tool:
            style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
            exStyle = WS_EX_TOOLWINDOW;
            break;
        case Kind::Dialog: style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; break;
        case Kind::ZeroSize:
            style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
            width = height = 0;
            break;
        }
        hwnd = CreateWindowExA(exStyle, cls, c.title, style, c.x, c.y, width, height, owner, nullptr, instance_, w);
        if (hwnd) w->hwnd = hwnd;
    }
    if (!hwnd) {
        w->alive = false;
        return nullptr;
    }
    if (c.flags & protocol::kFlagUtf8Title) {
        // Stored as the system's own text, in UTF-16: what another program
        // reads of it without asking the window.
        wchar_t wide[protocol::kTitleSize] = {};
        MultiByteToWideChar(CP_UTF8, 0, c.title, -1, wide, protocol::kTitleSize - 1);
        DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide));
    }
    if (!(c.flags & protocol::kFlagHidden)) {
        ShowWindow(hwnd, (c.flags & protocol::kFlagNoActivate) ? SW_SHOWNA : SW_SHOW);
        UpdateWindow(hwnd);
    }
    return hwnd;
}

void Host::CloseThreadWindows() {
    std::vector<HWND> mine;
    AcquireSRWLockShared(&lock_);
    for (const auto& w : windows_)
        if (w->alive && w->threadId == GetCurrentThreadId()) mine.push_back(w->hwnd);
    ReleaseSRWLockShared(&lock_);
    // Owned windows first: destroying an owner takes its owned windows along.
    for (auto it = mine.rbegin(); it != mine.rend(); ++it)
        if (IsWindow(*it)) DestroyWindow(*it);
}

LRESULT CALLBACK GroupHostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case kMsgCreate: return reinterpret_cast<LRESULT>(Host::current->CreateTestWindow(*reinterpret_cast<const Command*>(lp)));
    case kMsgCloseAll: Host::current->CloseThreadWindows(); return 1;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

DWORD WINAPI Host::GroupThread(void* param) {
    auto* group = static_cast<Group*>(param);
    group->host = CreateWindowExA(0, kGroupHostClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  Host::current->instance(), nullptr);
    SetEvent(group->ready);
    if (!group->host) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

Group* Host::EnsureGroup(uint32_t id) {
    for (auto& g : groups_)
        if (g->id == id) return g->host ? g.get() : nullptr;
    auto group = std::make_unique<Group>();
    group->id = id;
    group->ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (HANDLE thread = CreateThread(nullptr, 0, GroupThread, group.get(), 0, nullptr)) {
        // Unbounded on purpose: the thread only makes a message-only window,
        // which waits on nobody.
        WaitForSingleObject(group->ready, INFINITE);
        CloseHandle(thread);
    }
    CloseHandle(group->ready);
    group->ready = nullptr;
    groups_.push_back(std::move(group));
    return groups_.back()->host ? groups_.back().get() : nullptr;
}

LRESULT Host::WindowOp(const Command& c) {
    HWND hwnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(c.window));
    TestWindow* w = Find(hwnd, true);
    if (!w) return 0;
    if (c.op == Op::Hang) {
        // Posted, so the answer comes back at once and the window's thread
        // hangs when it reaches the message. A wake left from before must
        // not end this hang.
        ResetEvent(w->wake);
        return PostMessageA(hwnd, kMsgHang, c.milliseconds, 0) ? 1 : 0;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, kMsgOp, 0, reinterpret_cast<LPARAM>(&c), SMTO_NORMAL, kWindowAnswerMs, &result))
        return 0;
    if (result && c.op == Op::Rename) {
        AcquireSRWLockExclusive(&lock_);
        std::memcpy(w->title, c.title, sizeof w->title);
        w->title[sizeof w->title - 1] = 0;
        ReleaseSRWLockExclusive(&lock_);
    }
    return static_cast<LRESULT>(result);
}

LRESULT Host::FillState(HWND hwnd) {
    TestWindow* w = Find(hwnd, false);
    if (!w) return 0;
    protocol::WindowState s{};
    s.window = reinterpret_cast<uintptr_t>(hwnd);
    // Only calls that send no message, so the state of a hung window can be read.
    s.exists = (w->alive && IsWindow(hwnd)) ? 1 : 0;
    if (s.exists) {
        s.visible = IsWindowVisible(hwnd) ? 1 : 0;
        s.iconic = IsIconic(hwnd) ? 1 : 0;
        RECT r;
        GetWindowRect(hwnd, &r);
        s.left = r.left, s.top = r.top, s.right = r.right, s.bottom = r.bottom;
        RECT client;
        GetClientRect(hwnd, &client);
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        s.clientLeft = origin.x, s.clientTop = origin.y;
        s.clientRight = origin.x + client.right, s.clientBottom = origin.y + client.bottom;
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(hwnd, &wp);
        s.normalLeft = wp.rcNormalPosition.left, s.normalTop = wp.rcNormalPosition.top;
        s.normalRight = wp.rcNormalPosition.right, s.normalBottom = wp.rcNormalPosition.bottom;
        s.owner = reinterpret_cast<uintptr_t>(GetWindow(hwnd, GW_OWNER));
        s.style = static_cast<uint32_t>(GetWindowLongPtrA(hwnd, GWL_STYLE));
        s.exStyle = static_cast<uint32_t>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
    }
    s.colour = w->colour;
    s.printCount = w->printCount;
    s.closeRequests = w->closeRequests;
    s.hanging = w->hanging;
    s.threadId = w->threadId;
    AcquireSRWLockShared(&lock_);
    std::memcpy(s.title, w->title, sizeof s.title);
    std::memcpy(s.className, w->className, sizeof s.className);
    ReleaseSRWLockShared(&lock_);
    reply_->state = s;
    return 1;
}

LRESULT Host::FillList() {
    protocol::WindowList list{};
    AcquireSRWLockShared(&lock_);
    for (const auto& w : windows_)
        if (w->alive && list.count < static_cast<uint32_t>(protocol::kMaxListed))
            list.windows[list.count++] = reinterpret_cast<uintptr_t>(w->hwnd);
    ReleaseSRWLockShared(&lock_);
    reply_->list = list;
    return static_cast<LRESULT>(list.count);
}

LRESULT Host::Wake(HWND hwnd) {
    if (hwnd) {
        TestWindow* w = Find(hwnd, true);
        return w && SetEvent(w->wake) ? 1 : 0;
    }
    AcquireSRWLockShared(&lock_);
    for (const auto& w : windows_)
        if (w->alive) SetEvent(w->wake);
    ReleaseSRWLockShared(&lock_);
    return 1;
}

LRESULT Host::CloseAll() {
    LRESULT ok = 1;
    for (auto& g : groups_) {
        if (!g->host) continue;
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(g->host, kMsgCloseAll, 0, 0, SMTO_NORMAL, kWindowAnswerMs, &result)) ok = 0;
    }
    return ok;
}

LRESULT Host::Dispatch(const Command& c) {
    switch (c.op) {
    case Op::Ping: return static_cast<LRESULT>(GetCurrentProcessId());
    case Op::Create: {
        Group* g = EnsureGroup(c.group);
        if (!g) return 0;
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(g->host, kMsgCreate, 0, reinterpret_cast<LPARAM>(&c), SMTO_NORMAL, kWindowAnswerMs,
                                 &result))
            return 0;
        return static_cast<LRESULT>(result);
    }
    case Op::Minimise:
    case Op::Restore:
    case Op::Show:
    case Op::Hide:
    case Op::Rename:
    case Op::Move:
    case Op::SetColour:
    case Op::Close:
    case Op::Hang: return WindowOp(c);
    case Op::Wake: return Wake(reinterpret_cast<HWND>(static_cast<uintptr_t>(c.window)));
    case Op::State: return FillState(reinterpret_cast<HWND>(static_cast<uintptr_t>(c.window)));
    case Op::ResetCounts: {
        TestWindow* w = Find(reinterpret_cast<HWND>(static_cast<uintptr_t>(c.window)), false);
        if (!w) return 0;
        w->printCount = 0;
        w->closeRequests = 0;
        return 1;
    }
    case Op::List: return FillList();
    case Op::CloseAll: return CloseAll();
    case Op::ExitWhenEmpty:
        exitWhenEmpty_ = true;
        PostMessageA(control_, kMsgWindowGone, 0, 0);
        return 1;
    case Op::Quit:
        if (options_.guest) return CloseAll();
        PostQuitMessage(0);
        return 1;
    case Op::SendWhenAsked: {
        TestWindow* w = Find(reinterpret_cast<HWND>(static_cast<uintptr_t>(c.window)), true);
        if (!w) return 0;
        w->askMessage = c.milliseconds;
        w->askWParam = c.x;
        w->askLParam = c.y;
        w->askTarget = c.owner;
        return 1;
    }
    case Op::Crash: {
        // A fault on a thread of its own, so that it reaches the process's
        // unhandled-exception filter and no window procedure's handler.
        const HANDLE thread = CreateThread(
            nullptr, 0,
            [](void*) -> DWORD {
                *static_cast<volatile int*>(nullptr) = 0;
                return 0;
            },
            nullptr, 0, nullptr);
        if (!thread) return 0;
        CloseHandle(thread);
        return 1;
    }
    }
    return 0;
}

LRESULT CALLBACK Host::ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Host* host = Host::current;
    switch (msg) {
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        if (!host || !data || data->cbData != sizeof(Command) || !data->lpData) return 0;
        Command c;
        std::memcpy(&c, data->lpData, sizeof c);
        c.title[sizeof c.title - 1] = 0;
        c.className[sizeof c.className - 1] = 0;
        return host->Dispatch(c);
    }
    case kMsgWindowGone:
        if (host && host->exitWhenEmpty_ && !host->options_.guest && host->LivingCount() == 0) PostQuitMessage(0);
        return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

bool Host::RegisterClasses() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = GroupHostProc;
    wc.hInstance = instance_;
    wc.lpszClassName = kGroupHostClass;
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    return true;
}

int Host::Run() {
    current = this;
    exitWhenEmpty_ = options_.exitWhenEmpty;
    if (!RegisterClasses()) return 3;

    const std::string pid = std::to_string(GetCurrentProcessId());
    const std::string mappingName = std::string(protocol::kReplyMappingPrefix) + pid;
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(protocol::Reply),
                                        mappingName.c_str());
    if (!mapping) return 4;
    reply_ = static_cast<protocol::Reply*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(protocol::Reply)));
    if (!reply_) return 4;
    const std::string countsName = std::string(protocol::kCountsEventPrefix) + pid;
    countsChanged = CreateEventA(nullptr, TRUE, FALSE, countsName.c_str());
    if (!countsChanged) return 4;

    // The initial windows exist before the control does: a driver that finds
    // the control may rely on them.
    for (const Command& c : options_.initial) {
        Dispatch(c);
    }

    const std::string controlClass = std::string(protocol::kControlClassPrefix) + pid;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = instance_;
    wc.lpszClassName = controlClass.c_str();
    if (!RegisterClassA(&wc)) return 5;
    control_ = CreateWindowExA(0, controlClass.c_str(), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance_, nullptr);
    if (!control_) return 5;
    if (exitWhenEmpty_) PostMessageA(control_, kMsgWindowGone, 0, 0);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyWindow(control_);
    return 0;
}

}  // namespace

int RunHost(const HostOptions& options) {
    // Never destroyed: group threads may still be finishing a window while
    // the process ends, and the DLL's host lives as long as its guest process.
    static Host* host = new Host(options);
    return host->Run();
}

}  // namespace vistrel::e2e::helper
