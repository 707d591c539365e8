#include "catalogue/RomajiReading.h"

#include <algorithm>

namespace vistrel {

namespace {

// One romaji spelling and the kana it types. `rest` is what it leaves for the
// next kana: a doubled consonant types っ and still starts the next syllable.
struct Spelling {
    std::string_view romaji;
    std::u16string_view kana;
    std::string_view rest = {};
};

// The spellings of a Japanese IME's romaji table, by consonant.
constexpr Spelling kSpellings[] = {
    {"a", u"あ"}, {"i", u"い"}, {"u", u"う"}, {"e", u"え"}, {"o", u"お"},
    {"ka", u"か"}, {"ki", u"き"}, {"ku", u"く"}, {"ke", u"け"}, {"ko", u"こ"}, {"kya", u"きゃ"}, {"kyi", u"きぃ"},
    {"kyu", u"きゅ"}, {"kye", u"きぇ"}, {"kyo", u"きょ"}, {"kwa", u"くぁ"},
    {"ga", u"が"}, {"gi", u"ぎ"}, {"gu", u"ぐ"}, {"ge", u"げ"}, {"go", u"ご"}, {"gya", u"ぎゃ"}, {"gyi", u"ぎぃ"},
    {"gyu", u"ぎゅ"}, {"gye", u"ぎぇ"}, {"gyo", u"ぎょ"}, {"gwa", u"ぐぁ"},
    {"sa", u"さ"}, {"si", u"し"}, {"su", u"す"}, {"se", u"せ"}, {"so", u"そ"}, {"sha", u"しゃ"}, {"shi", u"し"},
    {"shu", u"しゅ"}, {"she", u"しぇ"}, {"sho", u"しょ"},
    {"sya", u"しゃ"}, {"syi", u"しぃ"}, {"syu", u"しゅ"}, {"sye", u"しぇ"}, {"syo", u"しょ"},
    {"za", u"ざ"}, {"zi", u"じ"}, {"zu", u"ず"}, {"ze", u"ぜ"}, {"zo", u"ぞ"}, {"zya", u"じゃ"}, {"zyi", u"じぃ"},
    {"zyu", u"じゅ"}, {"zye", u"じぇ"}, {"zyo", u"じょ"},
    {"ja", u"じゃ"}, {"ji", u"じ"}, {"ju", u"じゅ"}, {"je", u"じぇ"}, {"jo", u"じょ"}, {"jya", u"じゃ"}, {"jyi", u"じぃ"},
    {"jyu", u"じゅ"}, {"jye", u"じぇ"}, {"jyo", u"じょ"},
    {"ta", u"た"}, {"ti", u"ち"}, {"tu", u"つ"}, {"te", u"て"}, {"to", u"と"}, {"tya", u"ちゃ"}, {"tyi", u"ちぃ"},
    {"tyu", u"ちゅ"}, {"tye", u"ちぇ"}, {"tyo", u"ちょ"},
    {"tsa", u"つぁ"}, {"tsi", u"つぃ"}, {"tsu", u"つ"}, {"tse", u"つぇ"}, {"tso", u"つぉ"}, {"tha", u"てゃ"}, {"thi", u"てぃ"},
    {"thu", u"てゅ"}, {"the", u"てぇ"}, {"tho", u"てょ"},
    {"twa", u"とぁ"}, {"twi", u"とぃ"}, {"twu", u"とぅ"}, {"twe", u"とぇ"}, {"two", u"とぉ"},
    {"ca", u"か"}, {"ci", u"し"}, {"cu", u"く"}, {"ce", u"せ"}, {"co", u"こ"}, {"cha", u"ちゃ"}, {"chi", u"ち"},
    {"chu", u"ちゅ"}, {"che", u"ちぇ"}, {"cho", u"ちょ"},
    {"cya", u"ちゃ"}, {"cyi", u"ちぃ"}, {"cyu", u"ちゅ"}, {"cye", u"ちぇ"}, {"cyo", u"ちょ"},
    {"da", u"だ"}, {"di", u"ぢ"}, {"du", u"づ"}, {"de", u"で"}, {"do", u"ど"}, {"dya", u"ぢゃ"}, {"dyi", u"ぢぃ"},
    {"dyu", u"ぢゅ"}, {"dye", u"ぢぇ"}, {"dyo", u"ぢょ"},
    {"dha", u"でゃ"}, {"dhi", u"でぃ"}, {"dhu", u"でゅ"}, {"dhe", u"でぇ"}, {"dho", u"でょ"}, {"dwa", u"どぁ"}, {"dwi", u"どぃ"},
    {"dwu", u"どぅ"}, {"dwe", u"どぇ"}, {"dwo", u"どぉ"},
    {"na", u"な"}, {"ni", u"に"}, {"nu", u"ぬ"}, {"ne", u"ね"}, {"no", u"の"}, {"nya", u"にゃ"}, {"nyi", u"にぃ"},
    {"nyu", u"にゅ"}, {"nye", u"にぇ"}, {"nyo", u"にょ"},
    {"n", u"ん"}, {"nn", u"ん"}, {"n'", u"ん"}, {"xn", u"ん"},
    {"ha", u"は"}, {"hi", u"ひ"}, {"hu", u"ふ"}, {"he", u"へ"}, {"ho", u"ほ"}, {"hya", u"ひゃ"}, {"hyi", u"ひぃ"},
    {"hyu", u"ひゅ"}, {"hye", u"ひぇ"}, {"hyo", u"ひょ"},
    {"fa", u"ふぁ"}, {"fi", u"ふぃ"}, {"fu", u"ふ"}, {"fe", u"ふぇ"}, {"fo", u"ふぉ"}, {"fya", u"ふゃ"}, {"fyu", u"ふゅ"},
    {"fyo", u"ふょ"},
    {"ba", u"ば"}, {"bi", u"び"}, {"bu", u"ぶ"}, {"be", u"べ"}, {"bo", u"ぼ"}, {"bya", u"びゃ"}, {"byi", u"びぃ"},
    {"byu", u"びゅ"}, {"bye", u"びぇ"}, {"byo", u"びょ"},
    {"pa", u"ぱ"}, {"pi", u"ぴ"}, {"pu", u"ぷ"}, {"pe", u"ぺ"}, {"po", u"ぽ"}, {"pya", u"ぴゃ"}, {"pyi", u"ぴぃ"},
    {"pyu", u"ぴゅ"}, {"pye", u"ぴぇ"}, {"pyo", u"ぴょ"},
    {"va", u"ゔぁ"}, {"vi", u"ゔぃ"}, {"vu", u"ゔ"}, {"ve", u"ゔぇ"}, {"vo", u"ゔぉ"}, {"vya", u"ゔゃ"}, {"vyu", u"ゔゅ"},
    {"vyo", u"ゔょ"},
    {"ma", u"ま"}, {"mi", u"み"}, {"mu", u"む"}, {"me", u"め"}, {"mo", u"も"}, {"mya", u"みゃ"}, {"myi", u"みぃ"},
    {"myu", u"みゅ"}, {"mye", u"みぇ"}, {"myo", u"みょ"},
    {"ya", u"や"}, {"yi", u"い"}, {"yu", u"ゆ"}, {"ye", u"いぇ"}, {"yo", u"よ"},
    {"ra", u"ら"}, {"ri", u"り"}, {"ru", u"る"}, {"re", u"れ"}, {"ro", u"ろ"}, {"rya", u"りゃ"}, {"ryi", u"りぃ"},
    {"ryu", u"りゅ"}, {"rye", u"りぇ"}, {"ryo", u"りょ"},
    {"wa", u"わ"}, {"wi", u"うぃ"}, {"wu", u"う"}, {"we", u"うぇ"}, {"wo", u"を"}, {"wha", u"うぁ"}, {"whi", u"うぃ"},
    {"whu", u"う"}, {"whe", u"うぇ"}, {"who", u"うぉ"}, {"wyi", u"ゐ"}, {"wye", u"ゑ"},
    {"qa", u"くぁ"}, {"qi", u"くぃ"}, {"qu", u"く"}, {"qe", u"くぇ"}, {"qo", u"くぉ"},
    {"xa", u"ぁ"}, {"xi", u"ぃ"}, {"xu", u"ぅ"}, {"xe", u"ぇ"}, {"xo", u"ぉ"}, {"xya", u"ゃ"}, {"xyi", u"ぃ"}, {"xyu", u"ゅ"},
    {"xye", u"ぇ"}, {"xyo", u"ょ"},
    {"xtu", u"っ"}, {"xtsu", u"っ"}, {"xwa", u"ゎ"}, {"xka", u"ゕ"}, {"xke", u"ゖ"},
    {"la", u"ぁ"}, {"li", u"ぃ"}, {"lu", u"ぅ"}, {"le", u"ぇ"}, {"lo", u"ぉ"}, {"lya", u"ゃ"}, {"lyi", u"ぃ"}, {"lyu", u"ゅ"},
    {"lye", u"ぇ"}, {"lyo", u"ょ"},
    {"ltu", u"っ"}, {"ltsu", u"っ"}, {"lwa", u"ゎ"}, {"lka", u"ゕ"}, {"lke", u"ゖ"},
    {"-", u"ー"},
    // っ before a doubled consonant, and before "ch"; n is no such consonant
    // (nn is ん).
    {"bb", u"っ", "b"}, {"cc", u"っ", "c"}, {"dd", u"っ", "d"}, {"ff", u"っ", "f"}, {"gg", u"っ", "g"},
    {"hh", u"っ", "h"}, {"jj", u"っ", "j"}, {"kk", u"っ", "k"}, {"mm", u"っ", "m"}, {"pp", u"っ", "p"},
    {"qq", u"っ", "q"}, {"rr", u"っ", "r"}, {"ss", u"っ", "s"}, {"tt", u"っ", "t"}, {"vv", u"っ", "v"},
    {"ww", u"っ", "w"}, {"yy", u"っ", "y"}, {"zz", u"っ", "z"}, {"tch", u"っ", "ch"},
    // Hepburn's m for ん before b and p.
    {"mb", u"ん", "b"}, {"mp", u"ん", "p"},
};

const Spelling* FindSpelling(std::string_view romaji) {
    for (const Spelling& s : kSpellings)
        if (s.romaji == romaji) return &s;
    return nullptr;
}

// Reads the text one character at a time, as an IME sees the keys: letters
// wait while they are the start of a longer spelling, and go as soon as no
// spelling can take one more.
class Reader {
public:
    void Push(char32_t c) {
        if (c >= 0x80) {
            // No spelling holds it: the waiting letters are as complete as they get.
            while (!letters_.empty()) TakeStart();
            reading_.kana += c;
            return;
        }
        letters_ += static_cast<char>(c);
        Resolve();
    }

    RomajiReading Finish() {
        std::vector<std::u32string>& next = reading_.next;
        if (!letters_.empty()) {
            for (const Spelling& s : kSpellings)
                if (s.romaji.starts_with(letters_)) next.emplace_back(s.kana.begin(), s.kana.end());
            std::sort(next.begin(), next.end());
            next.erase(std::unique(next.begin(), next.end()), next.end());
            // After sorting, a kana comes right before those it starts (み before みゃ).
            std::vector<std::u32string> kept;
            for (std::u32string& kana : next)
                if (kept.empty() || !kana.starts_with(kept.back())) kept.push_back(std::move(kana));
            next = std::move(kept);
        }
        return std::move(reading_);
    }

private:
    void Resolve() {
        while (!letters_.empty()) {
            const Spelling* exact = nullptr;
            for (const Spelling& s : kSpellings) {
                if (!s.romaji.starts_with(letters_)) continue;
                if (s.romaji.size() > letters_.size()) return;  // the next key may make a longer one
                exact = &s;
            }
            if (exact != nullptr)
                Take(*exact, letters_.size());
            else
                TakeStart();
        }
    }

    // The waiting letters can grow into no spelling: the longest spelling they
    // start with goes ("n" of "nk" is ん), or else the first letter as it is.
    void TakeStart() {
        for (size_t length = letters_.size(); length > 0; --length) {
            if (const Spelling* s = FindSpelling(std::string_view(letters_).substr(0, length))) {
                Take(*s, length);
                return;
            }
        }
        reading_.kana += static_cast<char32_t>(static_cast<unsigned char>(letters_[0]));
        letters_.erase(0, 1);
    }

    void Take(const Spelling& s, size_t length) {
        reading_.kana.append(s.kana.begin(), s.kana.end());
        letters_ = std::string(s.rest) + letters_.substr(length);
    }

    std::string letters_;  // typed, not read yet
    RomajiReading reading_;
};

}  // namespace

RomajiReading ReadRomaji(std::u32string_view folded) {
    Reader reader;
    for (char32_t c : folded) reader.Push(c);
    return reader.Finish();
}

}  // namespace vistrel
