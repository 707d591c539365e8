#pragma once
// A device context obtained with GetDC or GetWindowDC, released on scope exit.
// It belongs to the window and goes back to it with ReleaseDC, never
// DeleteDC, so it has an owner of its own.

#include <windows.h>

#include <utility>

namespace vistrel::platform {

class WindowDc {
public:
    enum Kind { Client, Whole };
    explicit WindowDc(HWND hwnd, Kind kind = Client)
        : hwnd_(hwnd), dc_(kind == Whole ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDc(WindowDc&& other) noexcept
        : hwnd_(other.hwnd_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc& operator=(WindowDc&&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

}  // namespace vistrel::platform
