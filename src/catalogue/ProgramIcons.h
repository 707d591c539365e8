#pragma once
// The small icon of each listed window, drawn on its thumbnail. Asked once
// while the window stays listed, never waiting for it: the icon its class
// holds (no message at all), else the one it answers to WM_GETICON, which is
// asked with SendMessageCallback and arrives whenever the window gets to it;
// meanwhile, and for a window that never answers, its program file's icon.

#include <windows.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "catalogue/WindowEntry.h"
#include "platform/GdiHandles.h"

namespace vistrel {

class WindowCatalogue;

class ProgramIcons {
public:
    explicit ProgramIcons(const WindowCatalogue& catalogue);
    ~ProgramIcons();
    ProgramIcons(const ProgramIcons&) = delete;
    ProgramIcons& operator=(const ProgramIcons&) = delete;

    // The icon to draw for the window at `side` pixels (ours, until it is
    // forgotten), or null when it has none. Above the small icons' 16
    // pixels the large ones serve, so that a larger display gets no
    // enlarged small icon; a new side asks every window afresh.
    HICON IconOf(HWND window, int side);
    // The windows whose own icon came since the last call: their thumbnails
    // are drawn again.
    std::vector<HWND> TakeArrived();
    bool Arrived() const { return !arrived_.empty(); }
    // Forgets every window but these: a window listed again is asked afresh.
    void KeepOnly(const std::vector<WindowHandle>& listed);

private:
    static void CALLBACK Answered(HWND window, UINT message, ULONG_PTR token, LRESULT result);
    platform::IconOwner ClassIcon(HWND window) const;

    const WindowCatalogue& catalogue_;
    std::unordered_map<HWND, platform::IconOwner> known_;
    std::vector<HWND> arrived_;
    bool large_ = false;  // the large icons are asked
    uint64_t token_;  // names this memo to the answers, which may come after it is gone
};

}  // namespace vistrel
