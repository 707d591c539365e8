#pragma once
// The real main window, TPrintWndDlg, built inside the benchmark as Vistrel's
// entry point builds it: its constructor runs the whole start-up, the first
// refresh list included, and then lets the update thread tick.
//
// The update thread hands every change tick to this thread as a sent message,
// served whenever this thread retrieves messages. Timed calls therefore run
// between pumps, never with a tick in the middle, except where the program
// itself pumps (refresh list step 4): ServeNextTick lines such a call up with
// the thread's 500 ms pause.

#include <windows.h>

#include <functional>
#include <memory>

#include "SettingsKeyAside.h"
#include "main/WndCloseUnit.h"

namespace vistrel::bench {

class MainWindowHarness {
public:
    // Initialises the application (once per process), puts the settings key
    // aside, builds the main window over the windows open now and shows it.
    MainWindowHarness();
    // Closes the window as its close box does and lets the update thread end.
    ~MainWindowHarness();
    MainWindowHarness(const MainWindowHarness&) = delete;
    MainWindowHarness& operator=(const MainWindowHarness&) = delete;

    TPrintWndDlg& operator*() { return *window_; }
    TPrintWndDlg* operator->() { return window_.get(); }

    // The list item showing `window`, or -1.
    int ItemOf(HWND window) const;

    // Serves whatever is waiting in this thread's queue.
    void Pump();
    void PumpFor(DWORD milliseconds);
    // Pumps until `done` holds; false after the time.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
    // Waits for the update thread's next tick and serves it, so that the next
    // one is a whole pause away. False when none came in the time.
    bool ServeNextTick(DWORD timeoutMs = 2000);

private:
    SettingsKeyAside settings_;
    std::unique_ptr<TPrintWndDlg> window_;
};

}  // namespace vistrel::bench
