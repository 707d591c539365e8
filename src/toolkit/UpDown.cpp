#include "toolkit/UpDown.h"

#include <commctrl.h>

namespace vistrel::tk {

namespace {

void PlaceAt(HWND window, const RECT& r) {
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace

void UpDown::Create(Window* parent, int id, const RECT& bounds) {
    CreateControl(UPDOWN_CLASSA, parent,
                  WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                  0, bounds, id, "");
    // The control's own default range runs downward (100 to 0).
    SetRange(0, 100);
    reported_ = Position();
}

void UpDown::SetAssociate(Window* buddy) {
    if (Handle()) SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy ? buddy->Handle() : nullptr), 0);
}

HWND UpDown::Buddy() const {
    return Handle() ? reinterpret_cast<HWND>(SendMessageA(Handle(), UDM_GETBUDDY, 0, 0)) : nullptr;
}

int UpDown::Min() const {
    int min = 0;
    if (Handle()) SendMessageA(Handle(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min), 0);
    return min;
}

int UpDown::Max() const {
    int max = 0;
    if (Handle()) SendMessageA(Handle(), UDM_GETRANGE32, 0, reinterpret_cast<LPARAM>(&max));
    return max;
}

void UpDown::SetMin(int value) { SetRange(value, Max()); }

void UpDown::SetMax(int value) { SetRange(Min(), value); }

void UpDown::SetRange(int min, int max) {
    if (Handle()) SendMessageA(Handle(), UDM_SETRANGE32, min, max);
}

int UpDown::Position() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), UDM_GETPOS32, 0, 0)) : 0;
}

void UpDown::SetPosition(int value) {
    if (!Handle()) return;
    SendMessageA(Handle(), UDM_SETPOS32, 0, value);
    reported_ = Position();
}

bool UpDown::Wrap() const { return Handle() && (GetWindowLongA(Handle(), GWL_STYLE) & UDS_WRAP); }

void UpDown::SetWrap(bool wrap) {
    if (!Handle()) return;
    const LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    // The control reads its style as it steps, so the bit takes effect at once.
    SetWindowLongA(Handle(), GWL_STYLE, wrap ? style | UDS_WRAP : style & ~UDS_WRAP);
}

bool UpDown::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code != UDN_DELTAPOS) return false;
    const auto& change = reinterpret_cast<NMUPDOWN&>(header);
    // Non-zero refuses the step.
    result = OnChanging && !OnChanging(*this, change.iDelta) ? 1 : 0;
    return true;
}

bool UpDown::OnScroll(WORD code) {
    if (code != SB_THUMBPOSITION) return true;
    const int position = Position();
    if (position != reported_) {
        reported_ = position;
        if (OnChange) OnChange(*this);
    }
    return true;
}

std::vector<BuddyPlacement> UpDownsOf(HWND buddy) {
    std::vector<BuddyPlacement> found;
    const HWND parent = buddy ? GetParent(buddy) : nullptr;
    for (HWND h = parent ? GetWindow(parent, GW_CHILD) : nullptr; h; h = GetWindow(h, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(h, name, sizeof name);
        if (lstrcmpiA(name, UPDOWN_CLASSA) != 0) continue;
        if (reinterpret_cast<HWND>(SendMessageA(h, UDM_GETBUDDY, 0, 0)) != buddy) continue;
        found.push_back({h, BoundsInParent(h), BoundsInParent(buddy)});
    }
    return found;
}

void ReattachBuddy(const BuddyPlacement& placement, HWND newBuddy) {
    SendMessageA(placement.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(newBuddy), 0);
    PlaceAt(newBuddy, placement.buddyBounds);
    PlaceAt(placement.upDown, placement.upDownBounds);
}

}  // namespace vistrel::tk
