// The hot key: the registry value "hotkey" as anyone may have left it, the
// way to the hot key control and back, and its text.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "DwordValue.h"
#include "common/HotKeySetting.h"

namespace vistrel {
namespace {

using test::Dword;

TEST(HotKeySetting, WhatTheStoredValueMeans) {
    using std::nullopt;
    const struct {
        const char* name;
        std::optional<RegistryValue> value;
        std::optional<HotKey> hotKey;  // nullopt: the default holds
    } cases[] = {
        {"absent", nullopt, nullopt},
        {"a string", RegistryValue{1, "0x0356"}, nullopt},
        {"0 is none", Dword(0), kNoHotKey},
        {"Ctrl+Alt+V", Dword(0x0356), kDefaultHotKey},
        {"a key alone", Dword(0x0078), nullopt},
        {"Delete alone", Dword(0x002E), nullopt},
        {"Shift alone", Dword(0x044B), nullopt},
        {"Win alone", Dword(0x0845), HotKey{'E', kModWin}},
        {"all four modifiers", Dword(0x0F41), HotKey{'A', 0x0F}},
        {"bits above the modifiers", Dword(0x10356), nullopt},
        {"an unknown modifier", Dword(0x1356), nullopt},
        {"modifiers without a key", Dword(0x0300), nullopt},
        {"a mouse button", Dword(0x0301), nullopt},
        {"Shift as the key", Dword(0x0210), nullopt},
        {"no key at all", Dword(0x02FF), nullopt},
        {"Ctrl+Break", Dword(0x0203), HotKey{0x03, kModControl}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto hotKey = HotKeySetting(c.value);
        EXPECT_EQ(hotKey, c.hotKey);
        if (hotKey) {
            EXPECT_EQ(HotKeySetting(Dword(HotKeyValue(*hotKey))), hotKey);
        }
    }
}

TEST(HotKeySetting, TheControlShowsWhatRegisterHotKeyTakesAndGivesItBack) {
    const struct {
        const char* name;
        HotKey hotKey;
        HotKeyControlValue control;
        HotKey back;  // the hot key the control gives for it
    } cases[] = {
        {"none", kNoHotKey, {0, 0}, kNoHotKey},
        {"Ctrl+Alt+V", kDefaultHotKey, {'V', kHotKeyControl | kHotKeyAlt}, kDefaultHotKey},
        {"Ctrl+Delete is extended", {0x2E, kModControl}, {0x2E, kHotKeyControl | kHotKeyExt}, {0x2E, kModControl}},
        {"the keypad's 5 is not", {0x65, kModAlt}, {0x65, kHotKeyAlt}, {0x65, kModAlt}},
        {"Win cannot show", {'E', kModWin | kModShift}, {'E', kHotKeyShift}, {'E', kModShift}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ToControl(c.hotKey), c.control);
        EXPECT_EQ(FromControl(c.control), c.back);
    }
}

TEST(HotKeySetting, WhatTheControlGivesAndWhatTheDialogReturns) {
    const HotKey winE{'E', kModWin | kModControl};
    const struct {
        const char* name;
        HotKeyControlValue held;
        HotKey fromControl;
        HotKey chosen;  // by a dialog given Win+Ctrl+E
    } cases[] = {
        {"untouched keeps Win", {'E', kHotKeyControl}, {'E', kModControl}, winE},
        {"another key", {'E', kHotKeyAlt}, {'E', kModAlt}, {'E', kModAlt}},
        {"cleared", {0, 0}, kNoHotKey, kNoHotKey},
        {"modifiers held without a key", {0, kHotKeyControl}, kNoHotKey, kNoHotKey},
        {"Ext from a keypad press dropped", {0x25, kHotKeyExt | kHotKeyShift}, {0x25, kModShift}, {0x25, kModShift}},
        {"unknown flags dropped", {'Q', 0xF0 | kHotKeyControl}, {'Q', kModControl}, {'Q', kModControl}},
        {"Ctrl as the key", {0x11, kHotKeyAlt}, kNoHotKey, kNoHotKey},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FromControl(c.held), c.fromControl);
        EXPECT_EQ(ChosenHotKey(winE, c.held), c.chosen);
    }
}

TEST(HotKeySetting, TheControlTurnsACombinationWithoutCtrlOrAltIntoOne) {
    const HotKeyControlRules rules = ControlRules();
    const struct {
        const char* name;
        uint8_t flags;
        uint16_t combination;  // HKCOMB_*
        bool refused;
    } cases[] = {
        {"none", 0, 0x01, true},
        {"Shift", kHotKeyShift, 0x02, true},
        {"Ctrl", kHotKeyControl, 0x04, false},
        {"Alt", kHotKeyAlt, 0x08, false},
        {"Shift+Ctrl", kHotKeyShift | kHotKeyControl, 0x10, false},
        {"Shift+Alt", kHotKeyShift | kHotKeyAlt, 0x20, false},
        {"Ctrl+Alt", kHotKeyControl | kHotKeyAlt, 0x40, false},
        {"all three", kHotKeyShift | kHotKeyControl | kHotKeyAlt, 0x80, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ((rules.refused & c.combination) != 0, c.refused);
        // Whatever the user presses, the control ends with a key OK takes.
        EXPECT_TRUE(AllowedHotKey(FromControl({'K', c.refused ? rules.flags : c.flags})));
    }
    EXPECT_TRUE(AllowedHotKey(kNoHotKey)) << "a cleared control is no hot key, which may be chosen";
}

std::string TestNames(uint8_t key) { return key == 0x20 ? "Space" : ""; }

TEST(HotKeySetting, Text) {
    const struct {
        HotKey hotKey;
        const char* text;
    } cases[] = {
        {kNoHotKey, "なし"},
        {kDefaultHotKey, "Ctrl+Alt+V"},
        {{'7', 0x0F}, "Win+Ctrl+Shift+Alt+7"},
        {{0x70, 0}, "F1"},
        {{0x87, kModShift}, "Shift+F24"},
        {{0x20, kModControl}, "Ctrl+Space"},
        {{0xBA, kModAlt}, "Alt+0xBA"},
    };
    for (const auto& c : cases) EXPECT_EQ(HotKeyText(c.hotKey, TestNames), c.text);
}

}  // namespace
}  // namespace vistrel
