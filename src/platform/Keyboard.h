#pragma once
// The keyboard layout's names of keys, and a hot key held for a window.

#include <windows.h>

#include <cstdint>
#include <string>

namespace vistrel::platform {

// The name the current keyboard layout gives a virtual key ("Space",
// "Delete"), as the hot key control shows it; empty when the layout has no
// key for it. A KeyNamer for common/HotKeySetting.h.
std::string KeyName(uint8_t key);

// A system-wide hot key registered for a window (WM_HOTKEY with its id
// comes to it); given back when this goes.
class HotKeyRegistration {
public:
    HotKeyRegistration() = default;
    // Empty when the key cannot be had: another program holds it.
    static HotKeyRegistration Register(HWND window, int id, UINT modifiers, UINT key);
    ~HotKeyRegistration();
    HotKeyRegistration(HotKeyRegistration&& other) noexcept;
    HotKeyRegistration& operator=(HotKeyRegistration&& other) noexcept;
    HotKeyRegistration(const HotKeyRegistration&) = delete;
    HotKeyRegistration& operator=(const HotKeyRegistration&) = delete;

    explicit operator bool() const { return window_ != nullptr; }

private:
    HotKeyRegistration(HWND window, int id) : window_(window), id_(id) {}
    void Release() noexcept;

    HWND window_ = nullptr;
    int id_ = 0;
};

}  // namespace vistrel::platform
