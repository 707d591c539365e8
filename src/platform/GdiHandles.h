#pragma once
// Move-only owners for GDI and USER handles. An owner is never copyable: a
// copy would free the handle twice. Borrowed handles (stock objects, icons a
// window lends) stay raw. Kernel handles have theirs in Handles.h.
//
// They live here rather than in the toolkit because platform functions hand
// out such handles too (a file's shell icon); the toolkit takes them over
// under its own names in toolkit/GdiOwners.h.

#include <windows.h>

#include <utility>

namespace vistrel::platform {

template <class Handle, class Close>
class Owner {
public:
    Owner() = default;
    explicit Owner(Handle h) : handle_(h) {}
    ~Owner() { reset(); }
    Owner(Owner&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    Handle release() { return std::exchange(handle_, Handle{}); }
    // Given the handle it already holds, it keeps it: closing it first would
    // leave the owner with a handle that is gone.
    void reset(Handle h = Handle{}) {
        if (h == handle_) return;
        if (handle_ != Handle{}) Close{}(handle_);
        handle_ = h;
    }

private:
    Handle handle_{};
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DeleteDcHandle {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct DestroyIconHandle {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct DestroyMenuHandle {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
// A window of ours that no Window object stands for (a tooltip a control keeps).
struct DestroyWindowHandle {
    void operator()(HWND h) const { DestroyWindow(h); }
};

using BrushOwner = Owner<HBRUSH, DeleteGdiObject>;
using PenOwner = Owner<HPEN, DeleteGdiObject>;
using FontOwner = Owner<HFONT, DeleteGdiObject>;
using BitmapOwner = Owner<HBITMAP, DeleteGdiObject>;
using MemoryDcOwner = Owner<HDC, DeleteDcHandle>;
using IconOwner = Owner<HICON, DestroyIconHandle>;
using MenuOwner = Owner<HMENU, DestroyMenuHandle>;
using WindowHandleOwner = Owner<HWND, DestroyWindowHandle>;

}  // namespace vistrel::platform
