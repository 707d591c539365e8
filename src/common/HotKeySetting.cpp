#include "common/HotKeySetting.h"

#include <array>

namespace vistrel {

namespace {

constexpr uint8_t kKnownModifiers = kModAlt | kModControl | kModShift | kModWin;

// Virtual keys that cannot be a hot key's key: the mouse buttons, and the
// modifier keys, which are the hot key's modifiers and never its key.
constexpr bool CannotBeTheKey(uint8_t key) {
    switch (key) {
    case 0x01: case 0x02: case 0x04: case 0x05: case 0x06:  // mouse buttons
    case 0x10: case 0x11: case 0x12:                        // Shift, Ctrl, Alt
    case 0x5B: case 0x5C:                                   // left and right Win
    case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5:  // their left and right
    case 0xFF:                                              // no key at all
        return true;
    default:
        return false;
    }
}

// Each modifier in both sets of flags, in the order the text names them.
struct ModifierName {
    uint8_t mod;
    uint8_t controlFlag;
    const char* name;
};
constexpr std::array<ModifierName, 4> kModifierNames{{
    {kModWin, 0, "Win"},
    {kModControl, kHotKeyControl, "Ctrl"},
    {kModShift, kHotKeyShift, "Shift"},
    {kModAlt, kHotKeyAlt, "Alt"},
}};

std::string KeyText(uint8_t key, KeyNamer keyName) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    constexpr uint8_t kF1 = 0x70, kF24 = 0x87;
    if (key >= kF1 && key <= kF24) return std::string(1, 'F').append(std::to_string(key - kF1 + 1));
    std::string name = keyName ? keyName(key) : std::string();
    if (!name.empty()) return name;
    constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[key >> 4] + kDigits[key & 0x0F];
}

}  // namespace

bool AllowedHotKey(HotKey hotKey) { return hotKey.None() || (hotKey.modifiers & (kModControl | kModAlt | kModWin)); }

std::optional<HotKey> HotKeySetting(const std::optional<RegistryValue>& value) {
    if (!value) return std::nullopt;
    const auto number = DwordOf(*value);
    if (!number) return std::nullopt;
    if (*number == 0) return kNoHotKey;
    if (*number > 0xFFFF) return std::nullopt;
    const HotKey hotKey{static_cast<uint8_t>(*number), static_cast<uint8_t>(*number >> 8)};
    if (hotKey.None() || CannotBeTheKey(hotKey.key) || (hotKey.modifiers & ~kKnownModifiers) || !AllowedHotKey(hotKey))
        return std::nullopt;
    return hotKey;
}

uint32_t HotKeyValue(HotKey hotKey) {
    return hotKey.None() ? 0 : uint32_t{hotKey.modifiers} << 8 | hotKey.key;
}

bool IsExtendedKey(uint8_t key) {
    switch (key) {
    case 0x03:                                              // Break
    case 0x21: case 0x22: case 0x23: case 0x24:             // Page Up, Page Down, End, Home
    case 0x25: case 0x26: case 0x27: case 0x28:             // the arrows
    case 0x2C: case 0x2D: case 0x2E:                        // Print Screen, Insert, Delete
    case 0x5B: case 0x5C: case 0x5D: case 0x5F:             // Win, Applications, Sleep
    case 0x6F: case 0x90:                                   // the keypad's divide, Num Lock
    case 0xA3: case 0xA5:                                   // right Ctrl, right Alt
        return true;
    default:
        return key >= 0xA6 && key <= 0xB7;  // browser, volume, media and launch keys
    }
}

HotKeyControlValue ToControl(HotKey hotKey) {
    if (hotKey.None()) return {};
    HotKeyControlValue value{hotKey.key, static_cast<uint8_t>(IsExtendedKey(hotKey.key) ? kHotKeyExt : 0)};
    for (const ModifierName& m : kModifierNames)
        if (hotKey.modifiers & m.mod) value.flags |= m.controlFlag;
    return value;
}

HotKey FromControl(HotKeyControlValue value) {
    if (value.key == 0 || CannotBeTheKey(value.key)) return kNoHotKey;
    HotKey hotKey{value.key, 0};
    for (const ModifierName& m : kModifierNames)
        if (m.controlFlag & value.flags) hotKey.modifiers |= m.mod;
    return hotKey;
}

HotKey ChosenHotKey(HotKey given, HotKeyControlValue held) {
    return held == ToControl(given) ? given : FromControl(held);
}

HotKeyControlRules ControlRules() {
    // HKCOMB_NONE, HKCOMB_S, HKCOMB_C, ... as commctrl.h numbers them.
    constexpr uint8_t kCombinations[] = {
        0,
        kHotKeyShift,
        kHotKeyControl,
        kHotKeyAlt,
        kHotKeyShift | kHotKeyControl,
        kHotKeyShift | kHotKeyAlt,
        kHotKeyControl | kHotKeyAlt,
        kHotKeyShift | kHotKeyControl | kHotKeyAlt,
    };
    // The default's modifiers: no key alone turns into Ctrl+key, which
    // programs use for their own commands (Ctrl+C).
    HotKeyControlRules rules{0, kHotKeyControl | kHotKeyAlt};
    for (size_t bit = 0; bit < std::size(kCombinations); ++bit)
        if (!AllowedHotKey(FromControl({'A', kCombinations[bit]}))) rules.refused |= 1u << bit;
    return rules;
}

std::string HotKeyText(HotKey hotKey, KeyNamer keyName) {
    if (hotKey.None()) return "なし";
    std::string text;
    for (const ModifierName& m : kModifierNames)
        if (hotKey.modifiers & m.mod) text += std::string(m.name) + "+";
    return text + KeyText(hotKey.key, keyName);
}

std::string HotKeyRefusedMessage(HotKey hotKey, KeyNamer keyName) {
    return "ホットキー " + HotKeyText(hotKey, keyName) +
           " は Ctrl か Alt と組み合わせないと使えません\n（どのプログラムでもそのキーが打てなくなるため）";
}

std::string HotKeyTakenMessage(HotKey hotKey, KeyNamer keyName) {
    return "ホットキー " + HotKeyText(hotKey, keyName) + " は他のプログラムが使っているため使えません";
}

}  // namespace vistrel
