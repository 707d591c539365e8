#pragma once
// Application: the message loop, the pump used by bounded waits, the current
// hint and the standard exception box.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace vistrel::tk {

class Form;

class Application {
public:
    static Application& Instance();

    // Common controls and the thread's plumbing window; call once, first.
    void Initialize();

    std::string Title;

    // Shows the main form and runs the message loop until it is destroyed.
    void Run(Form& mainForm);
    // Handles every message waiting in this thread's queue, then returns.
    void ProcessMessages();
    // Waits for a kernel object while serving this thread's messages, so a
    // worker blocked in a synchronised call can always finish.
    void WaitFor(HANDLE object);
    bool Terminated() const { return terminated_; }

    // The hint of the control under the mouse or of the highlighted menu
    // item; OnHint runs whenever it changes.
    void SetHint(const std::string& hint);
    const std::string& Hint() const { return hint_; }
    std::function<void(const std::string&)> OnHint;

    // The standard error box, as shown for an exception that escapes a handler.
    void ShowException(const std::exception& error);
    void HandleException();  // call inside a catch block

    // The message-only window of the user-interface thread: timers and
    // synchronised calls are delivered to it. Message-only windows are never
    // enumerated, so none of this shows up in our own window list.
    HWND UtilityWindow() const { return utility_; }
    DWORD MainThreadId() const { return mainThreadId_; }

private:
    Application() = default;
    bool HandleMessage(MSG& msg);
    void TrackHint(const MSG& msg);

    HWND utility_ = nullptr;
    DWORD mainThreadId_ = 0;
    bool terminated_ = false;
    std::string hint_;
};

}  // namespace vistrel::tk
