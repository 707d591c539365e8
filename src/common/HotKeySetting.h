#pragma once
// The global hot key and the three forms it takes: the registry value
// "hotkey", RegisterHotKey's key and modifiers, and the standard hot key
// control's key and flags. The stored value is a DWORD: the low byte the
// virtual-key code, the next byte RegisterHotKey's modifier flags, 0 no hot
// key at all.

#include <cstdint>
#include <optional>
#include <string>

#include "common/SettingValues.h"

namespace vistrel {

// RegisterHotKey's modifier flags (MOD_ALT and the rest).
constexpr uint8_t kModAlt = 0x01;
constexpr uint8_t kModControl = 0x02;
constexpr uint8_t kModShift = 0x04;
constexpr uint8_t kModWin = 0x08;

// The hot key control's flags (HOTKEYF_SHIFT and the rest). Ext marks a key
// of the keyboard's extended part (the arrow block's arrows, not the keypad's
// own); RegisterHotKey tells keys apart by virtual-key code alone and has no
// counterpart, and the control has none for Win.
constexpr uint8_t kHotKeyShift = 0x01;
constexpr uint8_t kHotKeyControl = 0x02;
constexpr uint8_t kHotKeyAlt = 0x04;
constexpr uint8_t kHotKeyExt = 0x08;

// A hot key as RegisterHotKey takes it.
struct HotKey {
    uint8_t key = 0;        // virtual-key code; 0 is no hot key
    uint8_t modifiers = 0;  // kMod* flags
    bool None() const { return key == 0; }
    friend bool operator==(const HotKey&, const HotKey&) = default;
};

constexpr HotKey kNoHotKey{};
constexpr HotKey kDefaultHotKey{'V', kModControl | kModAlt};

// Whether the hot key may be this: Ctrl, Alt or Win held with the key. A key
// alone, or with Shift alone, is one the user types, and a hot key takes it
// from every program. No hot key at all may always be chosen.
bool AllowedHotKey(HotKey hotKey);

// "hotkey". Absent, not a four-byte DWORD, or no combination a user could
// have chosen (bits above the modifier byte, modifier bits RegisterHotKey
// does not know, modifiers without a key, a mouse button or a modifier key
// as the key, a key AllowedHotKey refuses): nullopt, and the default holds.
// 0 is kNoHotKey.
std::optional<HotKey> HotKeySetting(const std::optional<RegistryValue>& value);
// The DWORD that stores it. What HotKeySetting, FromControl and ChosenHotKey
// give, HotKeySetting reads back as it was.
uint32_t HotKeyValue(HotKey hotKey);

// What HKM_GETHOTKEY and HKM_SETHOTKEY carry: the key in the low byte, the
// flags in the high one.
struct HotKeyControlValue {
    uint8_t key = 0;    // virtual-key code; 0 shows as no hot key
    uint8_t flags = 0;  // kHotKey* flags
    friend bool operator==(const HotKeyControlValue&, const HotKeyControlValue&) = default;
};

// Whether the key sits on the keyboard's extended part, where the keyboard
// layout names it apart from its keypad twin ("Delete", not "Num Del").
bool IsExtendedKey(uint8_t key);

// For the control: Ext set for an extended key, so that the control names it
// right; Win left out, as the control cannot show it.
HotKeyControlValue ToControl(HotKey hotKey);
// From the control: Ext and unknown flags dropped; no key, or a key that is
// a modifier or mouse button itself, is no hot key.
HotKey FromControl(HotKeyControlValue value);
// What a dialog showing `given` in the control returns when the control holds
// `held`: while it still holds what it was shown, `given` itself, Win
// included; otherwise the control's.
HotKey ChosenHotKey(HotKey given, HotKeyControlValue held);

// The control's own rules (HKM_SETRULES): the combinations of Shift, Ctrl and
// Alt that AllowedHotKey refuses, as the control's HKCOMB_* bits, and the
// flags a key pressed with one of them gets in their place.
struct HotKeyControlRules {
    uint16_t refused = 0;
    uint8_t flags = 0;
};
HotKeyControlRules ControlRules();

// Names keys other than letters, digits and F1 to F24; an empty name when it
// has none. On Windows the keyboard layout's, platform::KeyName.
using KeyNamer = std::string (*)(uint8_t key);

// The hot key as the status line and hints show it: "Ctrl+Alt+V",
// "Win+Shift+F12"; "なし" for no hot key. A key the namer cannot name shows
// its virtual-key code ("0xBA").
std::string HotKeyText(HotKey hotKey, KeyNamer keyName);

// What the user is told of a hot key that cannot be had: AllowedHotKey
// refuses it, or another program holds it.
std::string HotKeyRefusedMessage(HotKey hotKey, KeyNamer keyName);
std::string HotKeyTakenMessage(HotKey hotKey, KeyNamer keyName);

}  // namespace vistrel
