#include "toolkit/Application.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/Text.h"
#include "toolkit/Form.h"
#include "toolkit/MessageChecks.h"
#include "toolkit/Messages.h"
#include "toolkit/Timer.h"

namespace vistrel::tk {

namespace {

constexpr const wchar_t* kUtilityClass = L"VistrelUtilityWindow";

}  // namespace

// The worker whose call runs, on the stack of calls being served while it runs.
class ServingCall {
public:
    ServingCall(Application& app, DWORD threadId) : app_(app) { app_.servingCalls_.push_back(threadId); }
    ~ServingCall() { app_.CallEnded(); }
    ServingCall(const ServingCall&) = delete;
    ServingCall& operator=(const ServingCall&) = delete;

private:
    Application& app_;
};

LRESULT CALLBACK Application::UtilityProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_VT_SYNCHRONIZE:
            // wParam: the sending worker's thread id; lParam: its call.
            if (Instance().IsPendingCall(wParam, lParam)) {
                const ServingCall serving(Instance(), static_cast<DWORD>(wParam));
                (*reinterpret_cast<const std::function<void()>*>(lParam))();
            }
            return 0;
        case WM_VT_CALLS_SERVED:
            Instance().RunCallsServed();
            return 0;
        case WM_VT_WORKER_FAILED:
            Instance().ReportWorkerFailures();
            return 0;
        case WM_TIMER:
            Timer::Dispatch(wParam);
            return 0;
        default:
            break;
        }
    } catch (...) {
        Application::Instance().HandleException();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool Application::IsPendingCall(WPARAM threadId, LPARAM call) {
    std::lock_guard<std::mutex> lock(callsMutex_);
    const auto found = pendingCalls_.find(static_cast<DWORD>(threadId));
    return found != pendingCalls_.end() &&
           reinterpret_cast<LPARAM>(found->second) == call;
}

void Application::CallInMainThread(const std::function<void()>& fn) {
    const DWORD self = GetCurrentThreadId();
    if (self == mainThreadId_) {
        fn();
        return;
    }
    if (!utility_) return;
    {
        std::lock_guard<std::mutex> lock(callsMutex_);
        pendingCalls_[self] = &fn;
    }
    // Blocks until the UI thread has run fn; fails at once when the plumbing
    // window is already gone at shut-down.
    SendMessageA(utility_, WM_VT_SYNCHRONIZE, self, reinterpret_cast<LPARAM>(&fn));
    std::lock_guard<std::mutex> lock(callsMutex_);
    pendingCalls_.erase(self);
}

bool Application::ServingCallOf(DWORD threadId) const {
    return std::find(servingCalls_.begin(), servingCalls_.end(), threadId) != servingCalls_.end();
}

void Application::CallEnded() {
    servingCalls_.pop_back();
    if (servingCalls_.empty() && !afterCalls_.empty()) PostCallsServed();
}

void Application::WhenCallsServed(const void* owner, std::function<void()> fn) {
    const auto queued = std::count_if(afterCalls_.begin(), afterCalls_.end(),
                                      [owner](const auto& waiting) { return waiting.first == owner; });
    if (static_cast<size_t>(queued) >= kMostQueuedPerOwner) return;
    afterCalls_.emplace_back(owner, std::move(fn));
    if (!ServingAnyCall()) PostCallsServed();
}

void Application::ForgetCallsServed(const void* owner) {
    std::erase_if(afterCalls_, [owner](const auto& waiting) { return waiting.first == owner; });
}

void Application::PostCallsServed() {
    if (callsServedPosted_ || !utility_) return;
    callsServedPosted_ = PostMessageA(utility_, WM_VT_CALLS_SERVED, 0, 0) != FALSE;
}

void Application::RunCallsServed() {
    // Whoever posted the message, only our own queue is run, and only once no
    // call is served: retrieved by a pump inside a call, it waits for that
    // call's end, which posts again.
    callsServedPosted_ = false;
    // Nor inside one of the queue's own: a command run from here waits with
    // messages, and the next one would meet it still running.
    if (ServingAnyCall() || runningCallsServed_) return;
    runningCallsServed_ = true;
    // One at a time from the queue itself, so that an owner that goes while
    // one runs takes the rest of its own with it; what is queued meanwhile
    // waits for the next message.
    for (size_t due = afterCalls_.size(); due > 0 && !afterCalls_.empty(); --due) {
        const std::function<void()> fn = std::move(afterCalls_.front().second);
        afterCalls_.erase(afterCalls_.begin());
        try {
            fn();
        } catch (...) {
            HandleException();
        }
    }
    runningCallsServed_ = false;
    if (!afterCalls_.empty()) PostCallsServed();
}

void Application::ReportWorkerException(std::exception_ptr error) {
    {
        std::lock_guard<std::mutex> lock(failuresMutex_);
        failures_.push_back(std::move(error));
    }
    if (utility_) PostMessageA(utility_, WM_VT_WORKER_FAILED, 0, 0);
}

void Application::ReportWorkerFailures() {
    std::vector<std::exception_ptr> failures;
    {
        std::lock_guard<std::mutex> lock(failuresMutex_);
        failures.swap(failures_);
    }
    for (const std::exception_ptr& failure : failures) {
        if (!failure) continue;
        try {
            std::rethrow_exception(failure);
        } catch (...) {
            HandleException();
        }
    }
}

void Application::Terminate() {
    if (std::exchange(terminated_, true)) return;
    PostQuitMessage(0);
}

Application& Application::Instance() {
    static Application instance;
    return instance;
}

void Application::Initialize() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    mainThreadId_ = GetCurrentThreadId();
    FilterPostedPointers();
    if (utility_) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = UtilityProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kUtilityClass;
    RegisterClassExW(&wc);
    utility_ = CreateWindowExW(0, kUtilityClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
}

void Application::Run(Form& mainForm) {
    mainForm.SetMainForm(true);
    mainForm.Show();
    MSG msg;
    while (!terminated_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        HandleMessage(msg);
    }
    terminated_ = true;
}

bool Application::HandleMessage(MSG& msg) {
    if (msg.message == WM_MOUSEMOVE) TrackHint(msg);
    // Enter and Escape reach the focused control, not its form: the form's
    // default and cancel buttons answer them first, as in a dialog box.
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) && msg.hwnd) {
        auto* form = dynamic_cast<Form*>(Window::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
        if (form && form->DialogKey(static_cast<UINT>(msg.wParam))) return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void Application::ProcessMessages() {
    // The messages that wait now: one another program keeps posting must not
    // keep the caller here, so the pump ends after the first that came later.
    const DWORD entered = GetTickCount();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the main loop to see.
            PostQuitMessage(static_cast<int>(msg.wParam));
            terminated_ = true;
            break;
        }
        HandleMessage(msg);
        if (static_cast<LONG>(msg.time - entered) > 0) break;
    }
}

void Application::WaitFor(HANDLE object) {
    for (;;) {
        DWORD r = MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1) return;  // signalled, or the handle is bad
        ProcessMessages();
    }
}

bool Application::WaitServingCalls(HANDLE object, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        DWORD left = INFINITE;
        if (milliseconds != INFINITE) {
            const ULONGLONG now = GetTickCount64();
            left = now >= end ? 0 : static_cast<DWORD>(end - now);
        }
        const DWORD r = MsgWaitForMultipleObjects(1, &object, FALSE, left, QS_SENDMESSAGE);
        if (r == WAIT_TIMEOUT) return false;
        if (r != WAIT_OBJECT_0 + 1) return true;  // signalled, or the handle is bad
        // Delivers the messages sent to this thread and nothing else.
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void Application::TrackHint(const MSG& msg) {
    // The first object found from the window under the mouse upwards answers;
    // a control without a hint empties the status line.
    HWND hwnd = msg.hwnd;
    Window* window = nullptr;
    while (hwnd && !(window = Window::FromHandle(hwnd))) hwnd = GetParent(hwnd);
    if (!window) return;
    POINT point = msg.pt;
    ScreenToClient(window->Handle(), &point);
    SetHint(window->HintAt(point));
}

void Application::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    if (OnHint) OnHint(hint_);
}

void Application::ShowException(const std::exception& error) { ShowError(error.what()); }

void Application::ShowError(const std::string& text) { ShowError(platform::Widen(text)); }

void Application::ShowError(const std::u16string& text) {
    if (OnErrorBox) {
        OnErrorBox(text);
        return;
    }
    MessageBoxW(nullptr, platform::AsWide(text), platform::AsWide(platform::Widen(Title)),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void Application::HandleException() {
    try {
        throw;
    } catch (const WideError& error) {
        ShowError(error.Text());
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowError("Unknown error");
    }
}

}  // namespace vistrel::tk
