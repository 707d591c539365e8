#pragma once
// The driver's side of the testwindows helper: a helper process of its own
// (StartExe) or the helper DLL inside another process (Inject), and the
// windows it makes on command. Wire format: TestWindowsProtocol.h.
//
// Every call waits for the helper's answer (bounded) and throws DriverError
// when the helper does not answer or the operation failed, for example on a
// window whose thread was told to hang.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Driver.h"
#include "TestWindowsProtocol.h"
#include "common/Utf16.h"

namespace vistrel::e2e {

using protocol::Kind;

// One test window: what the helper makes. Plan() gives the common case;
// the rarer traits are added in a chain, Plan(...).Quiet().InGroup(1).
struct WindowPlan {
    Kind kind = Kind::Frame;
    std::string title = "Test window";  // ANSI (Shift-JIS literals stay as they are)
    int x = 100;
    int y = 100;
    int width = 240;
    int height = 160;
    uint32_t colour = 0x0000FF;  // COLORREF 0x00BBGGRR
    HWND owner = nullptr;
    std::string className;  // empty: the kind's own class ("VistrelTestFrame", "#32770", ...)
    uint32_t group = 0;     // windows of one group share a thread, and hang together
    bool hidden = false;
    bool noActivate = false;
    bool refusesClose = false;
    bool refusesMove = false;
    bool utf8Title = false;

    // Shown without taking activation: Vistrel drops behind every other
    // window when it loses activation, which would hide its list.
    WindowPlan& Quiet() {
        noActivate = true;
        return *this;
    }
    WindowPlan& InGroup(uint32_t id) {
        group = id;
        return *this;
    }
    WindowPlan& OwnedBy(HWND window) {
        owner = window;
        return *this;
    }
    WindowPlan& OfClass(const std::string& name) {
        className = name;
        return *this;
    }
    WindowPlan& Hidden() {
        hidden = true;
        return *this;
    }
    // Counts a close request and stays, as a program asking to save would.
    WindowPlan& RefusingClose() {
        refusesClose = true;
        return *this;
    }
    // Stays where it is when another program moves it.
    WindowPlan& RefusingMove() {
        refusesMove = true;
        return *this;
    }
    // A title in any script, held as the window's UTF-16 text.
    WindowPlan& Titled(const std::u16string& text) {
        title = Utf8FromUtf16(text);
        utf8Title = true;
        return *this;
    }

};

inline WindowPlan Plan(Kind kind, const std::string& title, int x, int y, int width, int height,
                       uint32_t colour = 0x0000FF) {
    WindowPlan plan;
    plan.kind = kind;
    plan.title = title;
    plan.x = x, plan.y = y, plan.width = width, plan.height = height;
    plan.colour = colour;
    return plan;
}

// The window as testwindows.exe takes it on its command line, quoted.
std::string HelperArgument(const WindowPlan& plan);

struct TestWindowState {
    HWND window = nullptr;
    bool exists = false;
    bool visible = false;
    bool iconic = false;
    RECT rect{};    // GetWindowRect
    RECT client{};  // client area in screen coordinates
    RECT normal{};  // GetWindowPlacement's normal position
    uint32_t colour = 0;
    unsigned printCount = 0;
    unsigned closeRequests = 0;
    bool hanging = false;  // the window's thread is inside a hang
    DWORD threadId = 0;
    HWND owner = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string title;
    std::string className;

    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
};

class TestWindows {
public:
    // testwindows.exe with the given initial windows (made before this
    // returns). exitWhenEmpty: the helper ends once its last window closes.
    static TestWindows StartExe(const std::vector<WindowPlan>& initial = {}, bool exitWhenEmpty = false);
    // The same from a copy of the helper elsewhere (a folder named in any script).
    static TestWindows StartExeAt(const std::u16string& exe, const std::vector<WindowPlan>& initial = {},
                                  bool exitWhenEmpty = false);
    // testwindows.dll loaded into the process (once; a second call attaches
    // to the helper already there). The helper makes its windows on threads
    // of its own inside that process.
    static TestWindows Inject(HANDLE process, DWORD processId);

    TestWindows(TestWindows&& other) noexcept;
    TestWindows& operator=(TestWindows&& other) noexcept;
    TestWindows(const TestWindows&) = delete;
    TestWindows& operator=(const TestWindows&) = delete;
    // The exe is told to quit and, if it does not, ended by its handle; a DLL
    // helper closes its windows (best effort: its process may be gone).
    ~TestWindows();

    DWORD ProcessId() const { return pid_; }
    HANDLE ProcessHandle() const { return process_.get(); }  // the exe only

    HWND Create(const WindowPlan& plan);
    // An unowned, titled 0 x 0 window owning a visible frame, as some
    // frameworks show an application; returns {zero-size window, frame}.
    std::pair<HWND, HWND> CreateZeroSizeApp(const std::string& appTitle, WindowPlan frame);

    void Minimise(HWND window);
    void Restore(HWND window);
    void Show(HWND window);  // without activation
    void Hide(HWND window);
    void Rename(HWND window, const std::string& title);
    void Move(HWND window, int x, int y, int width, int height);
    void SetColour(HWND window, uint32_t colour);
    void Close(HWND window);
    // The window's thread (its whole group) stops answering as soon as it
    // reaches the request, until Wake or at most for the time given; this
    // returns at once.
    void Hang(HWND window, int boundMs);
    // The next question the window is asked (WM_NULL) makes it send
    // `message` to `target` before it answers: a message that reaches the
    // asking program while it waits for the answer.
    void SendWhenAsked(HWND window, HWND target, UINT message, WPARAM wParam, LPARAM lParam);
    void Wake(HWND window);
    void WakeAll();
    void ResetCounts(HWND window);

    // Also for windows already closed (exists false, counts kept).
    TestWindowState State(HWND window) const;
    unsigned PrintCount(HWND window) const { return State(window).printCount; }
    // Waits until the window's state satisfies `done`, reading it again each
    // time one of its counts changes; throws "timed out ... waiting for
    // <what>" after timeoutMs.
    TestWindowState WaitForState(HWND window, const std::function<bool(const TestWindowState&)>& done,
                                 int timeoutMs, const std::string& what) const;
    unsigned WaitForPrints(HWND window, unsigned atLeast, int timeoutMs) const;
    std::vector<HWND> Windows() const;  // living windows in creation order

    void CloseAll();
    void ExitWhenEmpty();
    void Quit();
    // Faults a thread of the helper's process: injected, the program's own.
    void Crash();
    DWORD WaitForExit(int timeoutMs);  // the exe only

private:
    TestWindows() = default;
    static TestWindows Connect(DWORD pid, bool guest, UniqueHandle process, int timeoutMs);
    LRESULT Call(protocol::Command command) const;
    void Require(protocol::Op op, HWND window, LRESULT result, const char* what) const;
    void WindowOp(protocol::Op op, HWND window, const char* what);
    void Release() noexcept;

    HWND control_ = nullptr;
    DWORD pid_ = 0;
    bool guest_ = false;
    UniqueHandle process_;
    UniqueHandle mapping_;
    UniqueHandle countsChanged_;
    const protocol::Reply* reply_ = nullptr;
};

}  // namespace vistrel::e2e
