#pragma once
// "Type to find" in the main list: the characters the user types into the
// list make a filter text, and only the windows whose title or program file
// name holds it stay shown.
//
// The list is a Unicode window: each WM_CHAR brings one UTF-16 code unit, and
// a character beyond the BMP comes as two, its high surrogate first. What the
// IME composes arrives the same way, character by character. A high surrogate
// is therefore held back until its low one comes, and the text only ever holds
// whole characters.
//
// The comparison forgives what a user cannot see or does not mean to type
// (FindFolding.h: case, width, katakana or hiragana, accents, invisible
// characters) and reads typed romaji as kana too (RomajiReading.h), so that
// "memo" finds "無題 - メモ帳".

#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/RomajiReading.h"

namespace vistrel {

// A filter text made ready for comparing with many windows: folded, and read
// as kana, once.
class FindQuery {
public:
    FindQuery() = default;
    explicit FindQuery(std::u16string_view typed);

    // See MatchesFilter.
    bool Matches(std::u16string_view title, std::u16string_view exePath) const;

private:
    bool FoundIn(std::u32string_view folded) const;

    std::u32string folded_;
    RomajiReading reading_;
    bool byReading_ = false;  // the reading differs from the folded text
};

class ListFilter {
public:
    ListFilter() = default;

    // One WM_CHAR code unit. Control characters (below 0x20, and 0x7F) are
    // not text and are ignored: Backspace and Escape are the caller's keys
    // for RemoveLast and Clear. A high surrogate waits for its low one; one
    // that meets anything else instead is dropped, and so is a low surrogate
    // that comes alone. Returns whether the text changed.
    bool Append(char16_t unit);

    // Backspace: the last whole character goes, both halves of a surrogate
    // pair at once. A high surrogate still waiting for its low one goes too,
    // unseen. Returns whether the text changed.
    bool RemoveLast();

    // Escape. Returns whether there was text.
    bool Clear();

    // Nothing typed: every window is shown.
    bool Empty() const { return text_.empty(); }

    // The text as typed (not folded), whole characters only.
    const std::u16string& Text() const { return text_; }

    // Whether a window stays shown; see MatchesFilter.
    bool Matches(std::u16string_view title, std::u16string_view exePath) const {
        return query_.Matches(title, exePath);
    }

private:
    void TextChanged() { query_ = FindQuery(text_); }

    std::u16string text_;
    char16_t pendingHigh_ = 0;  // 0: none
    FindQuery query_;
};

// Whether a window stays in the list under `filter`: its title or the file
// name of its executable (the last component of the path, "notepad.exe" of
// "C:\Windows\notepad.exe") holds the filter text, folded as FindFolding.h
// tells; or holds the kana reading of the filter's romaji, where letters still
// waiting at its end may be the start of the kana that follows ("mem" finds
// メモ帳). An empty filter keeps every window; an unknown path (empty) matches
// through the title only.
bool MatchesFilter(std::u16string_view filter, std::u16string_view title, std::u16string_view exePath);

// The status line while the filter is not empty: "検索: " and the filter text,
// then the number of windows shown in parentheses, as "検索: abc (3)".
std::u16string FilterStatusText(std::u16string_view filter, size_t shown);

}  // namespace vistrel
