#include "toolkit/Thread.h"

#include <thread>

#include "toolkit/Application.h"
#include "toolkit/Messages.h"

namespace vistrel::tk {

Thread::Thread()
    : finished_(std::make_shared<EventOwner>(CreateEventA(nullptr, TRUE, FALSE, nullptr))) {}

Thread::~Thread() {
    // A thread that frees itself is already past Execute; any other one must
    // not outlive its object.
    if (started_ && !FreeOnTerminate) {
        Terminate();
        WaitFor();
    }
}

void Thread::Resume() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        suspended_ = false;
    }
    wake_.notify_all();
    if (!started_) {
        started_ = true;
        std::thread(&Thread::Run, this).detach();
    }
}

void Thread::Suspend() { suspended_ = true; }

void Thread::Terminate() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        terminated_ = true;
    }
    wake_.notify_all();
}

void Thread::WaitFor() {
    if (!started_) return;
    auto finished = finished_;
    if (GetCurrentThreadId() == Application::Instance().MainThreadId())
        Application::Instance().WaitFor(finished->get());
    else
        WaitForSingleObject(finished->get(), INFINITE);
}

void Thread::Run(Thread* self) {
    auto finished = self->finished_;
    try {
        self->Execute();
    } catch (...) {
        // A worker has nobody to report to; it ends quietly.
    }
    if (self->FreeOnTerminate) delete self;
    SetEvent(finished->get());
}

void Thread::Synchronize(const std::function<void()>& fn) {
    HWND target = Application::Instance().UtilityWindow();
    if (!target) return;
    // Blocks until the UI thread has run fn; SendMessage fails at once when the
    // plumbing window is already gone at shut-down.
    SendMessageA(target, WM_VT_SYNCHRONIZE, 0, reinterpret_cast<LPARAM>(&fn));
}

bool Thread::WaitWhileSuspended() {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait(lock, [this] { return !suspended_.load() || terminated_.load(); });
    return !terminated_.load();
}

bool Thread::SleepFor(DWORD milliseconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                   [this] { return terminated_.load(); });
    return !terminated_.load();
}

}  // namespace vistrel::tk
