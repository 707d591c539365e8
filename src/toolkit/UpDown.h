#pragma once
// UpDown: the common-controls up-down pair of arrows, vertical, at the right
// of its buddy (Associate), which shows the position as a number (without
// thousands separators) and steps with the arrow keys too.
//
// OnChanging comes before a click moves the position and may refuse it;
// OnChange after the position has moved (the control's WM_VSCROLL, routed
// here by the parent). Setting the position from code runs neither.

#include <windows.h>

#include <functional>
#include <vector>

#include "toolkit/Window.h"

namespace vistrel::tk {

class UpDown : public Window {
public:
    void Create(Window* parent, int id, const RECT& bounds);

    // As the control attaches a buddy: the up-down moves to the buddy's
    // right edge and the buddy gives up the up-down's width. Null detaches.
    void SetAssociate(Window* buddy);
    HWND Buddy() const;

    int Min() const;
    void SetMin(int value);
    int Max() const;
    void SetMax(int value);
    // The position as the buddy's text shows it, when that is a number in range.
    int Position() const;
    void SetPosition(int value);  // the buddy shows it; no event
    bool Wrap() const;
    void SetWrap(bool wrap);  // past one end to the other

    // delta: +1 up, -1 down (times the increment); false refuses the step.
    std::function<bool(UpDown&, int delta)> OnChanging;
    NotifyEvent OnChange;

protected:
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool OnScroll(WORD code) override;

private:
    void SetRange(int min, int max);

    int reported_ = 0;  // the position OnChange last saw
};

// An up-down whose buddy is a window about to be replaced, with where both sit.
struct BuddyPlacement {
    HWND upDown = nullptr;
    RECT upDownBounds{};  // in the parent's client coordinates
    RECT buddyBounds{};
};

// The up-down controls among `buddy`'s siblings that have it as their buddy.
std::vector<BuddyPlacement> UpDownsOf(HWND buddy);
// Gives the up-down its new buddy. Both keep the bounds they had: attaching
// would otherwise take the up-down's width off the buddy a second time.
void ReattachBuddy(const BuddyPlacement& placement, HWND newBuddy);

}  // namespace vistrel::tk
