#pragma once
// Latin letters typed into the list's find, read as kana the way a Japanese
// IME turns romaji into kana as they are typed, so that "memo" finds メモ帳
// without switching the IME on: "memo" reads めも, "kyoutsuu" きょうつう.
//
// Hepburn and kunrei spellings both read (shi/si, chi/ti, tsu/tu, fu/hu,
// ja/zya/jya, cha/tya/cya), and so do an IME's own: x or l before a small
// kana (xa ぁ, ltu っ), a doubled consonant for っ (kk, and tch as in
// "matcha"), nn or n' for ん where n alone would join the next vowel, n before
// a consonant for ん, and "-" for ー. di and du are ぢ and づ, as an IME has
// them. Long vowels read as typed: "ou" is おう, never おお; a circumflex or
// macron is gone before this reading (the find drops accents), so "kyôtsû"
// reads きょつ. One step beyond an IME: m before b or p is ん, as Hepburn
// writes it ("shimbun", "tempura"); mm stays っ as an IME has it.
//
// Everything else stays as it is: digits, spaces, punctuation, kana, kanji,
// and letters that start no kana (the end of "windows" reads うぃんどws).

#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

struct RomajiReading {
    // The reading up to the letters at the end that more typing may still
    // turn into kana ("mem" reads め, the "m" waits).
    std::u32string kana;
    // What those waiting letters can become: for "m" ま, み, む, め, も, っ
    // (mm) and ん (mb); for "ky" きゃ, きぃ, きゅ, きぇ, きょ. None is the start of
    // another (みゃ goes in み). Empty when no letters wait.
    std::vector<std::u32string> next;
};

// `folded`: the typed text as FoldForFind makes it, its letters lower-case
// ASCII (a full-width "ＭＥＭＯ" has become "memo").
RomajiReading ReadRomaji(std::u32string_view folded);

}  // namespace vistrel
