#include "catalogue/WindowStates.h"

#include <vector>

#include "catalogue/ChangeJournal.h"
#include "catalogue/GiveBack.h"
#include "catalogue/Parking.h"
#include "platform/DisplayInfo.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"

namespace vistrel {

namespace {

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect RectOf(HWND window) { return ToRect(platform::WindowRect(window)); }

template <class Done>
void PumpUntil(const ListHold&, Done done) {
    // Bounded twice: by the number of passes and by time, since a pass that
    // finds nothing to do is quick and one that paints is not.
    auto& app = tk::Application::Instance();
    const ULONGLONG end = GetTickCount64() + kWaitTimeBoundMs;
    for (int pass = 0; pass < kWaitBound && GetTickCount64() < end; ++pass) {
        app.ProcessMessages();
        if (done()) return;
    }
}

ChangeJournal* journal = nullptr;

bool ParkedByPositionNow(const Rect& r) {
    // The threshold first: almost no window stands anywhere near it, and
    // the monitors are asked only for one that does.
    if (!IsParkedLeft(r.left)) return false;
    std::vector<Rect> areas;
    for (const Monitor& m : platform::Monitors()) areas.push_back(m.area);
    return ParkedByPosition(r, areas);
}

// Once the program is ending (the session with it, or the windows given back
// for good) nothing new goes out of sight, since nothing would bring it back.
bool ParkingAllowed() {
    return !tk::Application::Instance().Terminated() && (!journal || journal->MayChange());
}

// The question to the window may meet that end, so it is looked for again
// after the answer.
bool MayPark(HWND target) { return ParkingAllowed() && platform::Answers(target) && ParkingAllowed(); }

// A window brought back paints at once where it stands again.
void Settle(const ListHold&, HWND window) {
    tk::Application::Instance().ProcessMessages();
    platform::RedrawNow(window);
}

void SendHomeByOffset(const ListHold& held, HWND target, const Rect& now, bool wait) {
    const Point p = UnparkedPosition(now);
    if (wait && platform::PlaceWindow(target, p.x, p.y, 0, 0, SWP_NOSIZE)) {
        Settle(held, target);
        return;
    }
    // A window that does not answer is still never left out of sight: it
    // moves back by itself as soon as its thread pumps again.
    platform::PlaceWindowAsync(target, p.x, p.y, 0, 0, SWP_NOSIZE);
}

// Where the target is after it was asked to move out of sight.
bool SeeParked(const ListHold& held, HWND target, const Rect& before) {
    const Rect now = RectOf(target);
    if (!ParkingAllowed()) {
        // The end came while the window was asked, and may have given the
        // windows back already: this one goes home again at once.
        if (journal)
            journal->GiveBackPark(target, false);
        else if (now != before)
            SendHomeByOffset(held, target, now, false);
        return false;
    }
    // Out of sight is parked, also a maximised window that would not be
    // restored first (Wine refuses that for other processes' windows): it is
    // in the record and comes home like any other.
    if (OnAnyMonitor(now, platform::Monitors())) {
        // It refused (or, running as administrator, Windows refused for it),
        // or did not answer in time: not parked, and not in the record.
        if (journal) journal->NoteRefused(target, platform::Answers(target));
        return false;
    }
    if (journal) journal->NoteParkedAt(target, {now.left, now.top});
    return true;
}

}  // namespace

void SetChangeJournal(ChangeJournal* changeJournal) { journal = changeJournal; }

bool IsWindowParked(HWND listed, HWND target) {
    if (journal && journal->AnyParkedFor(listed, target)) return true;
    return ParkedByPositionNow(RectOf(target));
}

bool ParkWindow(const ListHold& held, HWND listed, HWND target) {
    const Rect r = RectOf(target);
    const bool zoomed = platform::IsMaximised(target);
    switch (ParkDecision(r, zoomed, IsWindowParked(listed, target))) {
    case ParkAction::None:
        return false;
    case ParkAction::Unpark:
        UnparkWindow(held, listed, target);
        return false;
    case ParkAction::MoveOut:
    case ParkAction::RestoreMaximisedAndMoveOut:
        break;
    }
    if (!MayPark(target)) return false;
    const ParkChange park = PlanPark(r, zoomed, platform::Monitors());
    // Written down before the window moves: whatever ends the program from
    // here on finds it in the record.
    if (journal) journal->NoteParking(target, listed, park);
    if (zoomed) {
        if (platform::SetShowState(target, SW_RESTORE))
            platform::PlaceWindow(target, park.at.x, park.at.y, park.home.width(), park.home.height(), 0);
    } else {
        platform::PlaceWindow(target, park.at.x, park.at.y, 0, 0, SWP_NOSIZE);
    }
    return SeeParked(held, target, r);
}

bool UnparkWindow(const ListHold& held, HWND listed, HWND target) {
    bool ours = false;
    if (journal) {
        for (const HWND window : journal->ParkedFor(listed, target)) {
            const ChangeJournal::Return given = journal->GiveBackPark(window, true);
            if (given == ChangeJournal::Return::NotOurs) continue;
            ours = true;
            if (given == ChangeJournal::Return::Home) Settle(held, window);
        }
    }
    if (ours) return true;
    const Rect r = RectOf(target);
    if (!ParkedByPositionNow(r)) return false;
    SendHomeByOffset(held, target, r, true);
    return true;
}

bool QuietRestoreFromParked(const ListHold& held, HWND window) {
    const Rect before = ToRect(platform::NormalPosition(window));
    if (!platform::QuietShow(window)) return false;
    WaitUntilRestored(held, window);
    // Still out of sight: the unpark that follows brings it home.
    if (IsParkedLeft(RectOf(window).left)) return true;
    // The restore moved it onto a screen, away from where it was parked.
    if (journal && journal->ParkedAt(window, {before.left, before.top})) {
        if (journal->GiveBackPark(window, true, true) == ChangeJournal::Return::Home) Settle(held, window);
        return true;
    }
    if (ParkedByPositionNow(before)) SendHomeByOffset(held, window, before, true);
    return true;
}

bool QuietMinimiseAndWait(const ListHold& held, HWND window) {
    if (!platform::QuietMinimise(window)) return false;
    WaitUntilMinimised(held, window);
    return true;
}

void WaitUntilRestored(const ListHold& held, HWND window) {
    PumpUntil(held, [window] { return !platform::IsMinimised(window); });
}

void WaitUntilMinimised(const ListHold& held, HWND window) {
    PumpUntil(held, [window] { return platform::IsMinimised(window); });
}

void AwaitState(const ListHold& held, HWND window, AwaitedState state) {
    switch (state) {
    case AwaitedState::None:
        return;
    case AwaitedState::Restored:
        WaitUntilRestored(held, window);
        return;
    case AwaitedState::Minimised:
        WaitUntilMinimised(held, window);
        return;
    case AwaitedState::Gone:
        PumpUntil(held, [window] { return !platform::WindowExists(window); });
        return;
    }
}

}  // namespace vistrel
