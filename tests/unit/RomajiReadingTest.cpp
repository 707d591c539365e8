#include "catalogue/RomajiReading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vistrel {
namespace {

using testing::PrintToString;

TEST(RomajiReading, ReadsAsAnImeTypes) {
    const struct {
        std::u32string typed;
        std::u32string kana;
        std::vector<std::u32string> next;
    } cases[] = {
        {U"memo", U"めも", {}},
        {U"kyoutsuu kyoutuu", U"きょうつう きょうつう", {}},
        {U"shi si chi ti tsu tu fu hu", U"し し ち ち つ つ ふ ふ", {}},
        {U"ja zya jya ji zi di", U"じゃ じゃ じゃ じ じ ぢ", {}},
        {U"sha sya cha tya cya", U"しゃ しゃ ちゃ ちゃ ちゃ", {}},
        {U"gakkou matcha", U"がっこう まっちゃ", {}},
        {U"kanji kannji kan'i kani", U"かんじ かんじ かんい かに", {}},
        {U"konnichiha konnnichiha", U"こんいちは こんにちは", {}},
        {U"shimbun tempura", U"しんぶん てんぷら", {}},
        {U"xa ltu xtsu xyo lwa xn", U"ぁ っ っ ょ ゎ ん", {}},
        {U"chi-zu", U"ちーず", {}},
        {U"memo 2 めも漢字", U"めも 2 めも漢字", {}},
        // Letters that start no kana stay letters.
        {U"qwrty", U"qwr", {U"ちぃ", U"ちぇ", U"ちゃ", U"ちゅ", U"ちょ"}},
        // Letters at the end that may still become kana.
        {U"mem", U"め", {U"っ", U"ま", U"み", U"む", U"め", U"も", U"ん"}},
        {U"ky", U"", {U"きぃ", U"きぇ", U"きゃ", U"きゅ", U"きょ"}},
        {U"kan", U"か", {U"な", U"に", U"ぬ", U"ね", U"の", U"ん"}},
        {U"xts", U"", {U"っ"}},
        {U"matc", U"ま", {U"っ"}},
    };
    for (const auto& c : cases) {
        const RomajiReading reading = ReadRomaji(c.typed);
        EXPECT_EQ(reading.kana, c.kana) << PrintToString(c.typed);
        EXPECT_EQ(reading.next, c.next) << PrintToString(c.typed);
    }
}

}  // namespace
}  // namespace vistrel
