#include "platform/Keyboard.h"

#include <utility>

#include <windows.h>

#include "common/HotKeySetting.h"

namespace vistrel::platform {

std::string KeyName(uint8_t key) {
    const UINT scanCode = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    if (scanCode == 0) return {};
    // GetKeyNameText's lParam is WM_KEYDOWN's: the scan code in bits 16 to 23,
    // the extended-key flag in bit 24, without which an arrow of the arrow
    // block is named as its keypad twin.
    const LPARAM keyData = static_cast<LPARAM>(scanCode) << 16 | (IsExtendedKey(key) ? 1L << 24 : 0);
    char name[64] = {};
    const int length = GetKeyNameTextA(static_cast<LONG>(keyData), name, sizeof name);
    return length > 0 ? std::string(name, length) : std::string();
}

HotKeyRegistration HotKeyRegistration::Register(HWND window, int id, UINT modifiers, UINT key) {
    // Held down, the key calls once: no repeats.
    if (!RegisterHotKey(window, id, modifiers | MOD_NOREPEAT, key)) return {};
    return {window, id};
}

HotKeyRegistration::~HotKeyRegistration() { Release(); }

HotKeyRegistration::HotKeyRegistration(HotKeyRegistration&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), id_(other.id_) {}

HotKeyRegistration& HotKeyRegistration::operator=(HotKeyRegistration&& other) noexcept {
    if (this != &other) {
        Release();
        window_ = std::exchange(other.window_, nullptr);
        id_ = other.id_;
    }
    return *this;
}

void HotKeyRegistration::Release() noexcept {
    if (window_) UnregisterHotKey(std::exchange(window_, nullptr), id_);
}

}  // namespace vistrel::platform
