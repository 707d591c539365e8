#include "toolkit/Thread.h"

#include <system_error>

#include "toolkit/Application.h"

namespace vistrel::tk {

Thread::Thread() : finished_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

Thread::~Thread() {
    // Derived classes stop their thread in their own destructor; this is the
    // last guard, so that no worker ever outlives its object.
    // Stop() cannot join only from inside the worker's own call, where no
    // owner destroys its thread; should it happen, the worker is let go
    // rather than the process ended.
    if (!Stop() && worker_.joinable()) worker_.detach();
}

bool Thread::Resume() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        suspended_ = false;
        wake_.notify_all();
    }
    if (worker_.joinable()) return true;
    try {
        worker_ = std::thread(&Thread::Run, this);
    } catch (const std::system_error&) {
        suspended_ = true;
        return false;
    }
    return true;
}

void Thread::Suspend() { suspended_ = true; }

void Thread::Terminate() {
    // Notified under the lock: a waiter cannot miss the change between its
    // test and its wait.
    std::lock_guard<std::mutex> lock(mutex_);
    terminated_ = true;
    wake_.notify_all();
}

bool Thread::CallBelow() const {
    auto& app = Application::Instance();
    return GetCurrentThreadId() == app.MainThreadId() && app.ServingCallOf(threadId_.load());
}

bool Thread::WaitFor() {
    if (!worker_.joinable() || worker_.get_id() == std::this_thread::get_id()) return true;
    if (CallBelow()) return false;
    if (GetCurrentThreadId() == Application::Instance().MainThreadId())
        Application::Instance().WaitServingCalls(finished_.get());
    else
        WaitForSingleObject(finished_.get(), INFINITE);
    return true;
}

bool Thread::Stop() {
    Terminate();
    if (!worker_.joinable()) return true;
    if (worker_.get_id() == std::this_thread::get_id() || !WaitFor()) return false;
    Join();
    return true;
}

void Thread::Join() {
    // A stop inside the wait of another (the end of the session arriving
    // while the close waits) may have joined already.
    if (worker_.joinable()) worker_.join();
}

bool Thread::StopWithin(DWORD milliseconds) {
    Terminate();
    if (!worker_.joinable()) return true;
    if (worker_.get_id() == std::this_thread::get_id() || CallBelow()) return false;
    auto& app = Application::Instance();
    const bool ended = GetCurrentThreadId() == app.MainThreadId()
                           ? app.WaitServingCalls(finished_.get(), milliseconds)
                           : WaitForSingleObject(finished_.get(), milliseconds) == WAIT_OBJECT_0;
    if (!ended) return false;
    Join();
    return true;
}

void Thread::Abandon() {
    Terminate();
    if (worker_.joinable()) worker_.detach();
}

void Thread::Run() {
    threadId_ = GetCurrentThreadId();
    try {
        Execute();
    } catch (...) {
        Application::Instance().ReportWorkerException(std::current_exception());
    }
    SetEvent(finished_.get());
}

void Thread::Synchronize(const std::function<void()>& fn) {
    const std::function<void()> call = [this, &fn] {
        if (!Terminated()) fn();
    };
    Application::Instance().CallInMainThread(call);
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
