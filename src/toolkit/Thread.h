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
//   popup menus) and while it waits for a worker. Code run this way must cope
//   with running inside such a loop. Once the thread is asked to terminate, a
//   call still on its way is not run: whoever terminated it may be tearing
//   down what the call would touch.
// - A thread is owned. Whoever calls into it (its window) keeps it and stops
//   it with Stop() before it destroys anything the thread's calls use; a
//   derived class calls Stop() in its own destructor, because by the time the
//   base destructor runs, the derived part that Execute uses is gone.
// - The UI thread never waits for a worker without serving the workers'
//   synchronised calls, so a worker inside Synchronize can always finish.
//   Stop() and WaitFor() serve only those calls (sent messages), not input or
//   posted messages: a close or a click is not run inside the wait.
// - A wait can meet any sent message, the end of the session among them, so
//   Stop() may be asked for while the user-interface thread is itself inside
//   one of this worker's calls. The worker cannot end before that call
//   returns; Stop() then only tells it to end and returns, and a later
//   Stop() (the destructor's at the latest) joins it once the call is over.
// - An exception that escapes Execute is handed to the user-interface thread
//   and reported there as any exception is; the worker ends.

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/Handles.h"

namespace vistrel::tk {

class Thread {
public:
    Thread();
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts the thread on the first call; afterwards clears the pause flag.
    // False when the thread could not be started.
    bool Resume();
    // Asks the thread to pause at its next WaitWhileSuspended().
    void Suspend();
    bool Suspended() const { return suspended_.load(); }
    bool Started() const { return worker_.joinable(); }

    void Terminate();
    bool Terminated() const { return terminated_.load(); }

    // Waits until Execute has returned; from the UI thread it serves the
    // workers' synchronised calls meanwhile. Any number of callers may wait.
    // Returns at once, false, when the UI thread runs a call of this worker
    // below the caller: the worker cannot end before it returns.
    bool WaitFor();
    // Terminate, WaitFor and join. Safe to call more than once, and inside
    // the wait of another Stop (which then finds the worker joined). True when
    // the worker has ended and is joined (or never ran).
    bool Stop();
    // Terminate and wait at most `milliseconds` for Execute to return, then
    // join. False when the worker is still inside a call that cannot be
    // interrupted (the caller may Abandon it).
    bool StopWithin(DWORD milliseconds);
    // For a worker that would not end at the program's end: it is let go,
    // and its object must outlive it (the owner releases it on purpose, the
    // process ends soon). Nothing it hands over is run any more.
    void Abandon();

protected:
    virtual void Execute() = 0;

    // Runs fn in the user-interface thread and waits for it to finish.
    void Synchronize(const std::function<void()>& fn);
    // Blocks while suspended; returns false once the thread is to terminate.
    bool WaitWhileSuspended();
    // Sleeps, waking early when asked to terminate; false when terminated.
    bool SleepFor(DWORD milliseconds);

private:
    void Run();

    bool CallBelow() const;
    void Join();

    std::atomic<bool> suspended_{true};
    std::atomic<DWORD> threadId_{0};  // the worker's, once it runs
    std::atomic<bool> terminated_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    platform::UniqueHandle finished_;
    std::thread worker_;
};

}  // namespace vistrel::tk
