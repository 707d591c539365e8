#pragma once
// Thread: a worker with a virtual Execute, in the manner of the VCL's TThread.
//
// How it works
// - A thread is created suspended; the first Resume starts it. Later
//   Suspend/Resume calls only set and clear a flag: the worker stops at its
//   next WaitWhileSuspended() and goes on when resumed. SuspendThread is never
//   used, so a worker is never frozen while it holds a lock or is half way
//   through a synchronised call.
// - Synchronize(fn) runs fn in the user-interface thread and returns when it
//   has run: it is a SendMessage carrying &fn to the UI thread's message-only
//   plumbing window. The UI thread serves it whenever it retrieves messages:
//   in its main loop, inside ProcessMessages, inside modal loops (dialogs,
//   popup menus) and inside Application::WaitFor. Code run this way must cope
//   with running inside such a loop.
// - The UI thread never waits for a worker without serving messages
//   (Application::WaitFor), so a worker inside Synchronize can always finish.
// - A FreeOnTerminate thread deletes itself when Execute returns. Whoever may
//   wait for it after that keeps Finished(), a shared event that outlives the
//   object and is signalled once Execute has returned.

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "toolkit/GdiOwners.h"

namespace vistrel::tk {

class Thread {
public:
    Thread();
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts the thread on the first call; afterwards clears the pause flag.
    void Resume();
    // Asks the thread to pause at its next WaitWhileSuspended().
    void Suspend();
    bool Suspended() const { return suspended_.load(); }
    bool Started() const { return started_; }

    void Terminate();
    bool Terminated() const { return terminated_.load(); }

    // Set before Resume: the object deletes itself when Execute returns.
    bool FreeOnTerminate = false;

    // Signalled when Execute has returned; valid even after self-deletion.
    std::shared_ptr<EventOwner> Finished() const { return finished_; }
    // Waits, serving the UI thread's messages, until Execute has returned.
    void WaitFor();

protected:
    virtual void Execute() = 0;

    // Runs fn in the user-interface thread and waits for it to finish.
    void Synchronize(const std::function<void()>& fn);
    // Blocks while suspended; returns false once the thread is to terminate.
    bool WaitWhileSuspended();
    // Sleeps, waking early when asked to terminate; false when terminated.
    bool SleepFor(DWORD milliseconds);

private:
    static void Run(Thread* self);

    std::atomic<bool> suspended_{true};
    std::atomic<bool> terminated_{false};
    bool started_ = false;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<EventOwner> finished_;
};

}  // namespace vistrel::tk
