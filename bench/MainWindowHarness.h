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
#include <vector>

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
    // The items any part of which lies in the list view's client area.
    std::vector<int> ItemsInView() const;
    // Thumbnails in the list's first row.
    int ColumnsShown() const;

    // A control of the main window by id (main/WndCloseIds.h), at any depth;
    // null when there is none.
    HWND Control(int id) const;
    // The thumbnail size bar's greatest position.
    int SizeBarMax() const;
    // The size bar put at `position` and the mouse released on it, as the
    // user lets it go: the list is rebuilt at the new size before this
    // returns. False when the bar is not there.
    bool ReleaseSizeBarAt(int position);
    // Sizes the main window so that the list shows `columns` thumbnails a
    // row and `rows` whole rows, scrolled to the top, and lets the program's
    // own tick lay the list out for the new width. False when the list did
    // not come out so in the time (the window is left as it came out).
    bool ShowGrid(int columns, int rows, DWORD timeoutMs = 30000);

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
