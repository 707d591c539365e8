#include "toolkit/Thread.h"

#include <system_error>

#include "toolkit/Application.h"

namespace vistrel::tk {

Thread::Thread() : finished_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

Thread::~Thread() {
    // Derived classes stop their thread in their own destructor; this is the
    // last guard, so that no worker ever outlives its object.
    Stop();
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

void Thread::WaitFor() {
    if (!worker_.joinable() || worker_.get_id() == std::this_thread::get_id()) return;
    if (GetCurrentThreadId() == Application::Instance().MainThreadId())
        Application::Instance().WaitServingCalls(finished_.get());
    else
        WaitForSingleObject(finished_.get(), INFINITE);
}

void Thread::Stop() {
    Terminate();
    if (!worker_.joinable() || worker_.get_id() == std::this_thread::get_id()) return;
    WaitFor();
    worker_.join();
}

void Thread::Run() {
    try {
        Execute();
    } catch (...) {
        // A worker has nobody to report to; it ends quietly.
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
