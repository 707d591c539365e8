#pragma once
// ClosingSequence: how the program ends, whichever way it ends. It keeps the
// state of closing and runs the main window's closing steps in one order,
// each of them at most once.
//
// The user's close (WM_CLOSE that nothing defers):
//   1. Query    closing has begun; the closing work runs (below).
//   2. Close    the settings are written; the farewell fade.
//   3. Destroy  the workers are joined; the list's entries are released.
//
// The closing work, once, whichever end comes first:
//   a. the CPU sampler is told to end (it never waits for it);
//   b. the background is stopped: the timer off, the change tick and any
//      pass ended and joined, a held size bar let go;
//   c. the windows are given back: parked ones home, translucent ones as
//      their programs had them (this may wait for each window);
//   d. the optional system functions the workers used are let go;
//   e. list.dat is saved; a failure is reported (never at the session end).
//
// The end of the Windows session (a sent message: it can arrive inside any
// wait, a close already under way included; Windows may end the process as
// soon as it has been answered):
//   1. The program is marked as ending: nothing new begins, nothing is
//      parked, layered or restored any more, and every message loop ends
//      once it is back in control.
//   2. The CPU sampler is told to end.
//   3. What must not be lost is saved: list.dat, then the settings.
//   4. The windows are given back without waiting for anyone.
//   5. The background is told to end (joined unless its call runs below).
//   The closing work counts as done from here on; Destroy follows as above.
//
// The window object going (Finish): the workers are joined; when no close
// ran (an exception ended the message loop) the closing work runs now, and
// if that fails too, the windows are given back without waiting.
//
// A crash: only the windows given back without waiting (the main window's
// crash filter calls that step directly).

#include <functional>

namespace vistrel {

struct ClosingSteps {
    std::function<void()> markEnding;        // session end, step 1
    std::function<void()> tellCpuToEnd;      // a.
    std::function<void()> stopBackground;    // b.
    std::function<void()> giveWindowsBack;   // c.
    std::function<void()> giveWindowsBackNow;  // the same, waiting for nobody
    std::function<void()> freeSystemFunctions;  // d.
    std::function<void(bool reportFailure)> saveList;  // e.
    std::function<void()> writeSettings;
    std::function<void()> fadeOut;
    std::function<void()> joinWorkers;
    std::function<void()> releaseEntries;
};

class ClosingSequence {
public:
    explicit ClosingSequence(ClosingSteps steps);

    // A close asked for while something held the list; it runs later.
    void NoteCloseAsked() { closeAsked_ = true; }
    bool TakeCloseAsked();
    bool CloseAsked() const { return closeAsked_; }

    // The program is on its way out: a close asked for or running, or the
    // session ending. Nothing new is started, parked or layered then.
    bool Started() const { return closeAsked_ || closing_ || workDone_ || sessionEnding_; }
    // Inside the close itself (from Query on): another close is ignored.
    bool Closing() const { return closing_; }
    bool SessionEnding() const { return sessionEnding_; }

    void Query();
    void Close();
    void Destroy();
    void EndSession();
    void Finish() noexcept;

private:
    void RunClosingWork();
    void WriteSettingsOnce();

    ClosingSteps steps_;
    bool closeAsked_ = false;
    bool closing_ = false;
    bool workDone_ = false;
    bool settingsWritten_ = false;
    bool sessionEnding_ = false;
};

}  // namespace vistrel
