#include "catalogue/ChangeJournal.h"

#include <algorithm>

#include "catalogue/WindowStates.h"
#include "platform/DisplayInfo.h"
#include "platform/Files.h"
#include "platform/Layered.h"
#include "platform/WindowFacts.h"

namespace vistrel {

namespace {

constexpr const char* kChangesFile = "changes.dat";
constexpr const char* kParkedFile = "parked.dat";

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Whether the window is there, and whose it is: what every look at a window
// of the record starts with.
ProcessIdentity IdentityOf(HWND window) {
    const DWORD process = platform::ProcessOf(window);
    return {process, platform::ProcessStarted(process)};
}

// `withStart`: the process's start read too (a question to the system); the
// parked test, asked at every pass, goes by the id, which SameProcess allows.
template <class Now>
Now Identify(HWND window, bool withStart = true) {
    Now now;
    now.exists = IsWindow(window) != FALSE;
    if (now.exists) now.process = withStart ? IdentityOf(window) : ProcessIdentity{platform::ProcessOf(window), 0};
    return now;
}

WindowNow NowOf(HWND window, bool withStart = true) {
    WindowNow now = Identify<WindowNow>(window, withStart);
    if (!now.exists) return now;
    now.topLevel = platform::IsTopLevel(window);
    // A parked window the user minimised still belongs where it was parked:
    // its restored place says so.
    now.rect = ToRect(platform::IsMinimised(window) ? platform::NormalPosition(window) : platform::WindowRect(window));
    return now;
}

UINT SizeFlags(const Rect& place, const Rect& now) {
    return place.width() == now.width() && place.height() == now.height() ? SWP_NOSIZE : 0;
}

RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// A minimised window keeps its restored place in its placement: moving it
// would move its icon only. Setting the placement waits for the window, and
// there is no asynchronous way: only a window that has just answered is set.
bool PlaceMinimised(HWND window, const Rect& place) {
    return platform::Answers(window) && platform::SetNormalPosition(window, ToRECT(place));
}

// Sent without waiting; a minimised window, which cannot be, only when
// `mayAsk` (where a moment's wait is allowed). Whether it was sent.
bool SendTo(HWND window, const Rect& place, const Rect& now, bool mayAsk = false) {
    if (platform::IsMinimised(window)) return mayAsk && PlaceMinimised(window, place);
    platform::PlaceWindowAsync(window, place.left, place.top, place.width(), place.height(), SizeFlags(place, now));
    return true;
}

bool PlaceNow(HWND window, const Rect& place, const Rect& now) {
    if (platform::IsMinimised(window)) return PlaceMinimised(window, place);
    return platform::PlaceWindow(window, place.left, place.top, place.width(), place.height(), SizeFlags(place, now));
}

std::vector<HWND> ParkedWindows(const ChangeRecord& record) {
    std::vector<HWND> windows;
    for (const WindowChange& change : record.Changes())
        if (change.park) windows.push_back(ChangeJournal::WindowOf(change.window));
    return windows;
}

}  // namespace

ChangeJournal::ChangeJournal() { SetChangeJournal(this); }

ChangeJournal::~ChangeJournal() { SetChangeJournal(nullptr); }

std::vector<Monitor> ChangeJournal::MonitorsNow() const { return platform::Monitors(); }

void ChangeJournal::Open(const std::string& folder) {
    changesPath_ = folder + kChangesFile;
    parkedPath_ = folder + kParkedFile;
    // A file that cannot be read, or is far larger than any the program
    // writes, names nothing; the next change replaces it.
    if (const auto text = platform::ReadWholeFile(changesPath_)) record_ = ChangeRecord::Parse(*text);
    if (const auto text = platform::ReadWholeFile(parkedPath_)) {
        const ParkRecord lines = ParkRecord::Parse(*text);
        for (const ParkedWindow& line : lines.Windows())
            if (!record_.Find(line.handle)) olderLines_.Parked(line);
    }
}

void ChangeJournal::Save() {
    if (changesPath_.empty()) return;
    if (batch_ > 0) {
        unsaved_ = true;
        return;
    }
    unsaved_ = false;
    bool written = true;
    std::string failed;
    const auto write = [&](const std::string& path, const std::string& text) {
        // Replaced whole or not at all: a crash while writing never leaves
        // half a record. A record that cannot be deleted would be read
        // again at every start.
        const bool done = text.empty() ? DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
                                             GetLastError() == ERROR_PATH_NOT_FOUND
                                       : platform::ReplaceFileContents(path, text);
        if (!done && written) {
            written = false;
            failed = path;
        }
    };
    write(changesPath_, record_.Format());
    write(parkedPath_, record_.ParkedLines().Format());
    if (written || cannotWriteSaid_) return;
    cannotWriteSaid_ = true;
    if (OnCannotWrite) OnCannotWrite(failed);
}

void ChangeJournal::NoteParking(HWND window, HWND listed, const ParkChange& park) {
    record_.NoteParking(KeyOf(window), IdentityOf(window), KeyOf(listed), park);
    Save();
}

void ChangeJournal::NoteParkedAt(HWND window, Point at) {
    const WindowChange* change = record_.Find(KeyOf(window));
    if (!change || !change->park || change->park->at == at) return;
    record_.NoteParkedAt(KeyOf(window), at);
    Save();
}

void ChangeJournal::NoteRefused(HWND window, bool answered) {
    record_.ForgetPark(KeyOf(window));
    Save();
    if (answered && OnRefused) OnRefused(window);
}

bool ChangeJournal::AnyParkedFor(HWND listed, HWND target) const {
    for (const WindowChange& change : record_.Changes())
        if (change.park && (change.listed == KeyOf(listed) || change.window == KeyOf(target)) &&
            StandsAsParked(change, NowOf(WindowOf(change.window), false)))
            return true;
    return false;
}

bool ChangeJournal::ParkedAt(HWND window, Point where) const {
    const WindowChange* change = record_.Find(KeyOf(window));
    return change && change->park && change->park->at == where && SameProcess(change->process, IdentityOf(window));
}

std::vector<HWND> ChangeJournal::ParkedFor(HWND listed, HWND target) const {
    std::vector<HWND> windows;
    for (const WindowChange& change : record_.Changes())
        if (change.park && (change.listed == KeyOf(listed) || change.window == KeyOf(target)))
            windows.push_back(WindowOf(change.window));
    return windows;
}

std::vector<HWND> ChangeJournal::ListedOfParked() const {
    std::vector<HWND> listed;
    for (const WindowChange& change : record_.Changes()) {
        const HWND window = WindowOf(change.listed);
        if (change.park && std::find(listed.begin(), listed.end(), window) == listed.end()) listed.push_back(window);
    }
    return listed;
}

ChangeJournal::Return ChangeJournal::GiveBackPark(HWND window, bool wait, bool knownParked) {
    const WindowChange* change = record_.Find(KeyOf(window));
    if (!change || !change->park) return Return::NotOurs;
    const WindowNow now = NowOf(window);
    WindowChange asLeft = *change;
    if (knownParked) asLeft.park->at = {now.rect.left, now.rect.top};
    const std::optional<Rect> place = ParkGiveBack(asLeft, now, MonitorsNow());
    if (!place) {
        // Moved, closed or passed on by its own program: none of ours.
        record_.ForgetPark(KeyOf(window));
        Save();
        return Return::NotOurs;
    }
    if (!wait || !PlaceNow(window, *place, now.rect)) {
        // Never left out of sight for not answering: it moves home by itself
        // as soon as its thread pumps again. The record keeps it until then.
        SendTo(window, *place, now.rect);
        return Return::Sent;
    }
    // Looked at again: the record goes once the window has left the place
    // parking put it (the question waited, and anything may have come).
    if (const WindowChange* still = record_.Find(KeyOf(window)); still && still->park) {
        const Rect seen = NowOf(window).rect;
        if (Point{seen.left, seen.top} != still->park->at) {
            record_.ForgetPark(KeyOf(window));
            Save();
        }
    }
    return Return::Home;
}

std::vector<HWND> ChangeJournal::TranslucentWindows(bool releasedOnly) const {
    std::vector<HWND> windows;
    for (const WindowChange& change : record_.Changes())
        if (change.layer && (!releasedOnly || change.layer->released)) windows.push_back(WindowOf(change.window));
    return windows;
}

LayerNow ChangeJournal::LayerNowOf(HWND window) {
    LayerNow now = Identify<LayerNow>(window);
    if (!now.exists) return now;
    now.layered = platform::HasLayeredStyle(window);
    if (platform::LayeredState state; platform::ReadLayeredState(window, state))
        now.attributes = LayeredAttributes{state.key, state.alpha, state.flags};
    return now;
}

void ChangeJournal::NoteLayering(HWND window, bool wasLayered, const std::optional<LayeredAttributes>& own,
                                 BYTE given) {
    record_.NoteLayering(KeyOf(window), IdentityOf(window), wasLayered, own, given);
    Save();
}

void ChangeJournal::NoteReleased(HWND window) {
    record_.NoteReleased(KeyOf(window), IdentityOf(window));
    Save();
}

void ChangeJournal::ForgetLayer(HWND window) {
    const WindowChange* change = record_.Find(KeyOf(window));
    if (!change || !change->layer) return;
    record_.ForgetLayer(KeyOf(window));
    Save();
}

void ChangeJournal::GiveBackFromLastRun() {
    const std::vector<Monitor> monitors = MonitorsNow();
    for (const HWND window : ParkedWindows(record_)) {
        const WindowNow now = NowOf(window);
        const auto place = ParkGiveBack(*record_.Find(KeyOf(window)), now, monitors);
        // A minimised one that does not answer keeps its line, for the close.
        if (place && !SendTo(window, *place, now.rect, true)) continue;
        record_.ForgetPark(KeyOf(window));
    }
    for (const ParkedWindow& line : olderLines_.Windows()) {
        const HWND window = WindowOf(line.handle);
        const WindowNow now = NowOf(window);
        if (const auto place = ParkLineGiveBack(line, now, monitors)) SendTo(window, *place, now.rect);
    }
    olderLines_.Clear();
    Save();
}

void ChangeJournal::GiveBackParks() {
    sealed_ = true;
    // A copy of the names: each give-back may wait, and what comes meanwhile
    // may change the record.
    for (const HWND window : ParkedWindows(record_)) GiveBackPark(window, true);
}

void ChangeJournal::SendHomeForNow() {
    if (sealed_) return;
    awaySince_ = GetTickCount64();
    if (away_) return;
    away_ = true;
    sentHome_.clear();
    const std::vector<Monitor> monitors = MonitorsNow();
    for (const WindowChange& change : record_.Changes()) {
        if (!change.park) continue;
        const HWND window = WindowOf(change.window);
        const WindowNow now = NowOf(window);
        const auto place = ParkGiveBack(change, now, monitors);
        // A minimised one, which cannot be placed without waiting, shows
        // nobody its place until it is restored: it stays as it is.
        if (!place || !SendTo(window, *place, now.rect)) continue;
        sentHome_.push_back({window, {place->left, place->top}});
    }
}

void ChangeJournal::ParkAgain() {
    if (!away_) return;
    away_ = false;
    // Given back for good meanwhile: nothing goes out again.
    if (sealed_) {
        sentHome_.clear();
        return;
    }
    for (const SentHome& sent : sentHome_) {
        const WindowChange* change = record_.Find(KeyOf(sent.window));
        const WindowNow now = NowOf(sent.window);
        // Only a window that went home and stayed there goes out again; one
        // its program moved or closed meanwhile is none of ours any more.
        if (!change || !change->park || !now.exists || !SameProcess(now.process, change->process) ||
            Point{now.rect.left, now.rect.top} != sent.home)
            continue;
        const Point at = change->park->at;
        SendTo(sent.window, {at.x, at.y, at.x + now.rect.width(), at.y + now.rect.height()}, now.rect);
    }
    sentHome_.clear();
}

void ChangeJournal::GiveBackNow() noexcept {
    sealed_ = true;
    std::vector<Monitor> monitors;
    try {
        monitors = MonitorsNow();
    } catch (...) {
        // Out of memory in a dying process: each window goes to its
        // recorded home, on a monitor or not.
    }
    for (const WindowChange& change : record_.Changes()) {
        if (!change.park) continue;
        const HWND window = WindowOf(change.window);
        const WindowNow now = NowOf(window);
        if (const auto place = ParkGiveBack(change, now, monitors)) SendTo(window, *place, now.rect);
    }
}

void ChangeJournal::ParkAgainAfter(unsigned milliseconds) {
    // A query of the session's end that no answer followed (another program
    // may send one, or the end may be called off without a word): the
    // windows go out again; should the end come after all, it gives them
    // back once more.
    if (away_ && GetTickCount64() - awaySince_ >= milliseconds) ParkAgain();
}

}  // namespace vistrel
