#include "toolkit/MessageChecks.h"

#include <cstdint>

namespace vistrel::tk {

namespace {

constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

// From a tenth of the base scale to ten times it, and no window is larger
// than the coordinate space.
constexpr int kLeastDpi = 10;
constexpr int kMostDpi = 960;
constexpr LONG kMostExtent = 0x7FFF;

LRESULT CALLBACK PostedFilter(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION && lParam) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        if (OnlyEverSent(msg->message)) msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

// The filter of one thread, removed when the thread ends.
class FilterHook {
public:
    FilterHook() : hook_(SetWindowsHookExW(WH_GETMESSAGE, PostedFilter, nullptr, GetCurrentThreadId())) {}
    ~FilterHook() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    FilterHook(const FilterHook&) = delete;
    FilterHook& operator=(const FilterHook&) = delete;

private:
    HHOOK hook_;
};

}  // namespace

bool ReadableMemory(const void* address, size_t size) {
    auto at = reinterpret_cast<uintptr_t>(address);
    if (!at || at + size < at) return false;
    const uintptr_t end = at + size;
    while (at < end) {
        MEMORY_BASIC_INFORMATION region{};
        if (!VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region)) return false;
        if (region.State != MEM_COMMIT || !(region.Protect & kReadable) || (region.Protect & PAGE_GUARD))
            return false;
        at = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
    }
    return true;
}

bool OnlyEverSent(UINT message) {
    // Not WM_TIMER: the system checks a timer's procedure before it calls it,
    // and the controls' own timers come that way.
    switch (message) {
    case WM_CREATE:
    case WM_NCCREATE:
    case WM_NCCALCSIZE:
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_COPYDATA:
    case WM_NOTIFY:
    case WM_HELP:
    case WM_DPICHANGED:
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
        return true;
    default:
        return false;
    }
}

bool OwnNotification(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return ReadableMemory(header, sizeof(NMHDR)) && IsWindow(header->hwndFrom) &&
           GetWindowThreadProcessId(header->hwndFrom, nullptr) == GetCurrentThreadId();
}

const RECT* OfferedRectangle(WPARAM wParam, LPARAM lParam) {
    const int dpi = HIWORD(wParam);
    if (LOWORD(wParam) != dpi || dpi < kLeastDpi || dpi > kMostDpi) return nullptr;
    const auto* offered = reinterpret_cast<const RECT*>(lParam);
    if (!ReadableMemory(offered, sizeof(RECT))) return nullptr;
    const LONG width = offered->right - offered->left;
    const LONG height = offered->bottom - offered->top;
    if (width <= 0 || height <= 0 || width > kMostExtent || height > kMostExtent) return nullptr;
    return offered;
}

void FilterPostedPointers() {
    // As long as the thread lives.
    static thread_local const FilterHook filter;
}

}  // namespace vistrel::tk
