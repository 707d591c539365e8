// The registry values "hi", "clip", "tims" and "hotkey" as anyone may have
// written them: any type, any size, any number.

#include <string>

#include "FuzzCheck.h"
#include "common/HotKeySetting.h"
#include "common/SettingValues.h"
#include "main/IntervalText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vistrel;
    fuzz::Input input(data, size);
    // Mostly the types a hand-edited key holds (0 to 11), sometimes any.
    const uint8_t pick = input.Byte();
    RegistryValue value;
    value.type = pick < 0xF0 ? pick % 12 : input.Number<uint32_t>();
    value.data = std::string(input.Rest());

    const auto dword = fuzz::NoThrow("DwordOf", [&] { return DwordOf(value); });
    FUZZ_CHECK(dword.has_value() == (value.type == kRegistryDword && value.data.size() == 4));
    if (dword) {
        uint32_t expected = 0;
        for (int i = 0; i < 4; ++i) expected |= uint32_t{static_cast<uint8_t>(value.data[i])} << (8 * i);
        FUZZ_CHECK(*dword == expected);
    }

    const auto on = SwitchSetting(value);
    FUZZ_CHECK(on.has_value() == dword.has_value());
    if (on) FUZZ_CHECK(*on == (*dword != 0));

    const auto interval = IntervalSetting(value);
    FUZZ_CHECK(interval.has_value() == (dword.has_value() && *dword != 0));
    if (interval) {
        FUZZ_CHECK(*interval >= kShortestInterval && *interval <= kLongestInterval);
        if (*dword >= kShortestInterval && *dword <= kLongestInterval) FUZZ_CHECK(*interval == *dword);
        // It passes through ints on its way to the dialogs and back.
        FUZZ_CHECK(static_cast<int>(*interval) > 0);
        FUZZ_CHECK(IntervalText(*interval) == std::to_string(*interval) + "ms");
    }

    // A hot key read is stored again as it was, and the control gives it back
    // but for Win, which it cannot show.
    const auto hotKey = HotKeySetting(value);
    if (!dword) FUZZ_CHECK(!hotKey);
    if (hotKey) {
        FUZZ_CHECK(HotKeyValue(*hotKey) == *dword);
        FUZZ_CHECK(AllowedHotKey(*hotKey));
        const HotKey withoutWin{hotKey->key, static_cast<uint8_t>(hotKey->modifiers & ~kModWin)};
        FUZZ_CHECK(FromControl(ToControl(*hotKey)) == withoutWin);
        FUZZ_CHECK(ChosenHotKey(*hotKey, ToControl(*hotKey)) == *hotKey);
    }
    FUZZ_CHECK(!SwitchSetting(std::nullopt) && !IntervalSetting(std::nullopt) && !HotKeySetting(std::nullopt));
    return 0;
}
