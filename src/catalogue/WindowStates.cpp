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
    auto& app = tk::Application::Instance();
    for (int pass = 0; pass < kWaitBound; ++pass) {
        app.ProcessMessages();
        if (done()) return;
    }
}

}  // namespace

bool ParkWindow(HWND target) {
    const Rect r = ToRect(platform::WindowRect(target));
    switch (ParkDecision(r, platform::IsMaximised(target))) {
    case ParkAction::None:
        return false;
    case ParkAction::RestoreMaximisedAndMoveOut:
        platform::SetShowState(target, SW_RESTORE);
        platform::PlaceWindow(target, kParkedMaximisedPos, kParkedMaximisedPos,
                              platform::ScreenWidth(), platform::ScreenHeight(), 0);
        return !platform::IsMaximised(target);
    case ParkAction::MoveOut: {
        const Point p = ParkedPosition(r);
        platform::PlaceWindow(target, p.x, p.y, 0, 0, SWP_NOSIZE);
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
    const Point p = UnparkedPosition(r);
    platform::PlaceWindow(target, p.x, p.y, 0, 0, SWP_NOSIZE);
    tk::Application::Instance().ProcessMessages();
    platform::RedrawNow(target);
}

bool IsWindowParked(HWND target) { return IsParkedLeft(platform::WindowRect(target).left); }

void QuietRestoreFromParked(HWND window) {
    const Rect before = ToRect(platform::NormalPosition(window));
    platform::QuietShow(window);
    WaitUntilRestored(window);
    if (!IsParkedLeft(before.left) || IsWindowParked(window)) return;
    const Point home = UnparkedPosition(before);
    platform::PlaceWindow(window, home.x, home.y, 0, 0, SWP_NOSIZE);
    tk::Application::Instance().ProcessMessages();
    platform::RedrawNow(window);
}

void WaitUntilRestored(HWND window) {
    PumpUntil([window] { return !platform::IsMinimised(window); });
}

void WaitUntilMinimised(HWND window) {
    PumpUntil([window] { return platform::IsMinimised(window); });
}

}  // namespace vistrel
