#include "catalogue/WindowStates.h"

#include "catalogue/Parking.h"
#include "platform/DisplayInfo.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"

namespace vistrel {

namespace {

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

template <class Done>
void PumpUntil(Done done) {
    // Bounded twice: by the number of passes and by time, since a pass that
    // finds nothing to do is quick and one that paints is not.
    auto& app = tk::Application::Instance();
    const ULONGLONG end = GetTickCount64() + kWaitTimeBoundMs;
    for (int pass = 0; pass < kWaitBound && GetTickCount64() < end; ++pass) {
        app.ProcessMessages();
        if (done()) return;
    }
}

ParkObserver* observer = nullptr;

void NoteParked(HWND target, Point home) {
    if (observer) observer->Parked(target, home);
}

Point HomeOf(HWND target, const Rect& now) {
    return UnparkedPosition(now, observer ? observer->RecordedHome(target) : std::nullopt);
}

Rect VirtualScreen() { return ToRect(platform::VirtualScreen()); }

}  // namespace

void SetParkObserver(ParkObserver* parkObserver) { observer = parkObserver; }

namespace {

// Once the program is ending (the session with it) nothing new goes out of
// sight, since nothing would bring it back. The question to the window may
// meet that end, so it is looked for after the answer.
bool MayPark(HWND target) {
    auto& app = tk::Application::Instance();
    return !app.Terminated() && platform::Answers(target) && !app.Terminated();
}

}  // namespace

bool ParkWindow(HWND target) {
    const Rect r = ToRect(platform::WindowRect(target));
    const ParkAction action = ParkDecision(r, platform::IsMaximised(target));
    if ((action == ParkAction::MoveOut || action == ParkAction::RestoreMaximisedAndMoveOut) && !MayPark(target))
        return false;
    switch (action) {
    case ParkAction::None:
        return false;
    case ParkAction::RestoreMaximisedAndMoveOut: {
        const int width = platform::ScreenWidth();
        const int height = platform::ScreenHeight();
        const Point home{kParkedMaximisedPos - kParkingOffset, kParkedMaximisedPos - kParkingOffset};
        const Point p = ParkedPosition({home.x, home.y, home.x + width, home.y + height}, VirtualScreen());
        if (!platform::SetShowState(target, SW_RESTORE)) return false;
        if (!platform::PlaceWindow(target, p.x, p.y, width, height, 0)) return false;
        if (platform::IsMaximised(target)) return false;
        NoteParked(target, home);
        return true;
    }
    case ParkAction::MoveOut: {
        const Point p = ParkedPosition(r, VirtualScreen());
        if (!platform::PlaceWindow(target, p.x, p.y, 0, 0, SWP_NOSIZE)) return false;
        NoteParked(target, {r.left, r.top});
        return true;
    }
    case ParkAction::Unpark:
        UnparkWindow(target);
        return false;
    }
    return false;
}

void UnparkWindow(HWND target) {
    const Rect r = ToRect(platform::WindowRect(target));
    if (!IsParkedLeft(r.left)) return;
    const Point p = HomeOf(target, r);
    if (observer) observer->Unparked(target);
    if (!platform::PlaceWindow(target, p.x, p.y, 0, 0, SWP_NOSIZE)) {
        // A window that does not answer is still never left out of sight: it
        // moves back by itself as soon as its thread pumps again.
        platform::PlaceWindowAsync(target, p.x, p.y, 0, 0, SWP_NOSIZE);
        return;
    }
    tk::Application::Instance().ProcessMessages();
    platform::RedrawNow(target);
}

bool IsWindowParked(HWND target) { return IsParkedLeft(platform::WindowRect(target).left); }

bool QuietRestoreFromParked(HWND window) {
    const Rect before = ToRect(platform::NormalPosition(window));
    if (!platform::QuietShow(window)) return false;
    WaitUntilRestored(window);
    if (!IsParkedLeft(before.left) || IsWindowParked(window)) return true;
    const Point home = HomeOf(window, before);
    if (platform::PlaceWindow(window, home.x, home.y, 0, 0, SWP_NOSIZE)) {
        tk::Application::Instance().ProcessMessages();
        platform::RedrawNow(window);
    }
    return true;
}

bool QuietMinimiseAndWait(HWND window) {
    if (!platform::QuietMinimise(window)) return false;
    WaitUntilMinimised(window);
    return true;
}

void WaitUntilRestored(HWND window) {
    PumpUntil([window] { return !platform::IsMinimised(window); });
}

void WaitUntilMinimised(HWND window) {
    PumpUntil([window] { return platform::IsMinimised(window); });
}

void AwaitState(HWND window, AwaitedState state) {
    switch (state) {
    case AwaitedState::None:
        return;
    case AwaitedState::Restored:
        WaitUntilRestored(window);
        return;
    case AwaitedState::Minimised:
        WaitUntilMinimised(window);
        return;
    case AwaitedState::Gone:
        PumpUntil([window] { return !platform::WindowExists(window); });
        return;
    }
}

}  // namespace vistrel
