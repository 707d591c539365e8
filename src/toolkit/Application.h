#pragma once
// Application: the message loop, the pump used by bounded waits, the current
// hint and the standard exception box.

#include <windows.h>

#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vistrel::tk {

// An error whose text names other programs' files or windows as they name
// themselves: shown whole in the standard error box, as any error is.
class WideError : public std::exception {
public:
    explicit WideError(std::u16string text) : text_(std::move(text)) {}
    const char* what() const noexcept override { return "WideError"; }
    const std::u16string& Text() const { return text_; }

private:
    std::u16string text_;
};

class Form;

class Application {
public:
    static Application& Instance();

    // Common controls and the thread's plumbing window; call once, first.
    void Initialize();

    std::string Title;

    // Shows the main form and runs the message loop until it is destroyed.
    void Run(Form& mainForm);
    // Handles the messages waiting in this thread's queue, then returns (after
    // the first one that came later, so that a steady stream cannot hold it).
    void ProcessMessages();
    // Waits for a kernel object while serving this thread's messages, so a
    // worker blocked in a synchronised call can always finish.
    void WaitFor(HANDLE object);
    // Waits for a kernel object serving only messages sent from other threads
    // (the workers' synchronised calls among them); input, timers and posted
    // messages such as a close stay queued until the wait is over.
    // True when the object was signalled, false at the time limit.
    bool WaitServingCalls(HANDLE object, DWORD milliseconds = INFINITE);
    // Runs fn in the user-interface thread and returns when it has run; from
    // that thread itself, runs it at once. Only calls made this way are run by
    // the plumbing window: a message of the same number from anywhere else
    // (another program can find message-only windows) is ignored.
    void CallInMainThread(const std::function<void()>& fn);
    // Whether the user-interface thread is running a synchronised call of
    // that worker (a Win32 thread id) right now, somewhere below on its
    // stack. Such a worker cannot end before the call returns: waiting for
    // it there would wait for ever.
    bool ServingCallOf(DWORD threadId) const;
    bool ServingAnyCall() const { return !servingCalls_.empty(); }
    // Runs fn once this thread serves no worker's call any more, from the
    // message loop: what must not run below such a call (a command, a
    // rebuild) waits here, in our own queue. A pump running inside the call
    // never sees it, so no pump drains it back into itself. `owner` names
    // whose it is: ForgetCallsServed(owner) drops it, as the owner must before
    // it goes. An owner queues at most kMostQueuedPerOwner; more are dropped.
    void WhenCallsServed(const void* owner, std::function<void()> fn);
    void ForgetCallsServed(const void* owner);
    static constexpr size_t kMostQueuedPerOwner = 32;
    // A worker's code failed: the exception is reported in the
    // user-interface thread as any exception is. Callable from any thread.
    void ReportWorkerException(std::exception_ptr error);

    bool Terminated() const { return terminated_; }
    // The program is to end now (the end of the session): every message
    // loop, modal ones included, ends as soon as it is back in control, and
    // work that checks Terminated() starts nothing new.
    void Terminate();

    // The hint of the control under the mouse or of the highlighted menu
    // item; OnHint runs whenever it changes.
    void SetHint(const std::string& hint);
    const std::string& Hint() const { return hint_; }
    std::function<void(const std::string&)> OnHint;

    // The standard error box, as shown for an exception that escapes a handler.
    void ShowException(const std::exception& error);
    void ShowError(const std::string& text);
    // A text that names other programs' windows as they name themselves.
    void ShowError(const std::u16string& text);
    void HandleException();  // call inside a catch block
    // Takes the place of the standard box when set (tests).
    std::function<void(const std::u16string&)> OnErrorBox;

    // The message-only window of the user-interface thread: timers and
    // synchronised calls are delivered to it. Message-only windows are never
    // enumerated, so none of this shows up in our own window list.
    HWND UtilityWindow() const { return utility_; }
    DWORD MainThreadId() const { return mainThreadId_; }

private:
    Application() = default;
    bool HandleMessage(MSG& msg);
    void TrackHint(const MSG& msg);

    static LRESULT CALLBACK UtilityProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool IsPendingCall(WPARAM threadId, LPARAM call);
    void CallEnded();
    void PostCallsServed();
    void RunCallsServed();
    void ReportWorkerFailures();

    HWND utility_ = nullptr;
    DWORD mainThreadId_ = 0;
    bool terminated_ = false;
    std::string hint_;
    // The synchronised call each worker thread is waiting in, by thread id.
    std::mutex callsMutex_;
    std::unordered_map<DWORD, const std::function<void()>*> pendingCalls_;
    // The workers whose calls the user-interface thread is running, the
    // innermost last; touched by that thread only.
    std::vector<DWORD> servingCalls_;
    friend class ServingCall;
    // What waits until no call is served, in the order it was queued.
    std::vector<std::pair<const void*, std::function<void()>>> afterCalls_;
    bool callsServedPosted_ = false;
    bool runningCallsServed_ = false;
    // The workers' failures not yet reported; any thread adds to them.
    std::mutex failuresMutex_;
    std::vector<std::exception_ptr> failures_;
};

}  // namespace vistrel::tk
