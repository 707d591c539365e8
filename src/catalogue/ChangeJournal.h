#pragma once
// ChangeJournal: the record of what the program changed on other programs'
// windows (ChangeRecord), kept in the data folder as it changes, and the
// giving back of parked windows from it. Every give-back reads the record,
// never the list: a parked window comes home at the close, the end of the
// session, a crash, or the next start after a kill, whether it is listed,
// hidden or owns other windows by then. The translucency of the record is
// given back by LayeredWindows.
//
// Two files: "changes.dat", the whole record, and "parked.dat", the parked
// windows in the form earlier versions wrote and read.

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/ChangeRecord.h"
#include "catalogue/GiveBack.h"

namespace vistrel {

class ChangeJournal {
public:
    ChangeJournal();
    ~ChangeJournal();
    ChangeJournal(const ChangeJournal&) = delete;
    ChangeJournal& operator=(const ChangeJournal&) = delete;

    // The files of the data folder (with its trailing backslash); what an
    // earlier run left there becomes this run's record, to be given back.
    void Open(const std::string& folder);
    // Told once a run that the record could not be written (the file's
    // path); parking goes on all the same.
    std::function<void(const std::string& file)> OnCannotWrite;
    // A window that stayed where it was when it was to be parked.
    std::function<void(HWND window)> OnRefused;

    // --- Parking (WindowStates) ----------------------------------------
    // False once the windows have been given back for good, or while the
    // session may be ending: nothing may be parked then.
    bool MayChange() const { return !sealed_ && !away_; }
    // Before the window moves; `listed` is the listed window it is parked for.
    void NoteParking(HWND window, HWND listed, const ParkChange& park);
    // Where it was seen once it had moved.
    void NoteParkedAt(HWND window, Point at);
    // It did not move out of sight: no longer in the record. `answered`: it
    // answered and still stayed, which the user is told.
    void NoteRefused(HWND window, bool answered);
    // Whether a window parked for `listed` (or `target` itself) still stands
    // where parking left it.
    bool AnyParkedFor(HWND listed, HWND target) const;
    // The record parked the window at `where` (its restored place, while
    // it is minimised).
    bool ParkedAt(HWND window, Point where) const;
    // The windows the record names as parked for `listed`, or `target`.
    std::vector<HWND> ParkedFor(HWND listed, HWND target) const;
    // The listed windows the record parks windows for, each once.
    std::vector<HWND> ListedOfParked() const;
    // Brings one parked window of the record home. `wait`: asked first and
    // placed at once when it answers (else sent, carried out when it pumps).
    // `knownParked`: it stood where parking left it until the caller itself
    // restored it, which may have moved it.
    enum class Return { NotOurs, Home, Sent };
    Return GiveBackPark(HWND window, bool wait, bool knownParked = false);

    // --- Translucency (LayeredWindows) -----------------------------------
    const WindowChange* Find(HWND window) const { return record_.Find(KeyOf(window)); }
    // The windows with a layer change (only the released ones, if asked): a
    // copy, since giving each back may wait.
    std::vector<HWND> TranslucentWindows(bool releasedOnly) const;
    // A layered window of the record as it is now.
    static LayerNow LayerNowOf(HWND window);
    static HWND WindowOf(uint64_t key) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(key)); }
    static uint64_t KeyOf(HWND window) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window)); }
    void NoteLayering(HWND window, bool wasLayered, const std::optional<LayeredAttributes>& own, BYTE given);
    void NoteReleased(HWND window);
    void ForgetLayer(HWND window);
    const ChangeRecord& Record() const { return record_; }

    // While the object lives, the files are written once, when it goes,
    // instead of at every change (the start gives back a whole record).
    class SavedAtEnd {
    public:
        explicit SavedAtEnd(ChangeJournal& journal) : journal_(&journal) { ++journal.batch_; }
        SavedAtEnd(SavedAtEnd&& other) noexcept : journal_(std::exchange(other.journal_, nullptr)) {}
        SavedAtEnd(const SavedAtEnd&) = delete;
        SavedAtEnd& operator=(const SavedAtEnd&) = delete;
        SavedAtEnd& operator=(SavedAtEnd&&) = delete;
        ~SavedAtEnd() {
            if (!journal_ || --journal_->batch_ != 0 || !journal_->unsaved_) return;
            try {
                journal_->Save();
            } catch (...) {
                // Out of memory: the file stays as it was, and the next
                // change writes it whole.
            }
        }

    private:
        ChangeJournal* journal_;
    };
    [[nodiscard]] SavedAtEnd SaveOnce() { return SavedAtEnd(*this); }

    // --- Every window at once ---------------------------------------------
    // What the last run left parked comes home (asynchronously: a window of
    // the last run that hangs now moves when it pumps again). The windows it
    // left translucent stay in the record for LayeredWindows.
    void GiveBackFromLastRun();
    // At the close: every parked window home, each waited for no longer than
    // the probe. Nothing is parked afterwards.
    void GiveBackParks();
    // The session may end (WM_QUERYENDSESSION answered yes): every parked
    // window is sent home now, before programs save their places, and
    // nothing is parked until ParkAgain. The record stays as it is.
    void SendHomeForNow();
    // The session goes on after all: the windows sent home are parked again
    // where they were.
    void ParkAgain();
    // The same, once the session has been away for so long without an end.
    void ParkAgainAfter(unsigned milliseconds);
    // In a crash or at the session's end: every parked window sent home,
    // waiting for nobody; nothing is parked afterwards. The file stays for
    // the next start, which forgets the windows that did come home.
    void GiveBackNow() noexcept;

private:
    void Save();
    std::vector<Monitor> MonitorsNow() const;

    std::string changesPath_;
    std::string parkedPath_;
    ChangeRecord record_;
    // Lines of a park file left by an earlier version that the record of
    // changes does not name: given back at the start like the record.
    ParkRecord olderLines_;
    bool sealed_ = false;
    bool away_ = false;
    ULONGLONG awaySince_ = 0;
    bool cannotWriteSaid_ = false;
    int batch_ = 0;
    bool unsaved_ = false;
    // Where SendHomeForNow sent each window, to tell whether it went.
    struct SentHome {
        HWND window;
        Point home;
    };
    std::vector<SentHome> sentHome_;
};

}  // namespace vistrel
