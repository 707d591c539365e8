#pragma once
// "Type to find" in the main list: the characters the user types into the
// list make a filter text, and only the windows whose title or program file
// name contains it stay shown.
//
// In a window of the ANSI code page a double-byte character typed through the
// IME comes either as two WM_CHAR messages (lead byte, then trail byte) or as
// one WM_IME_CHAR holding both. A lead byte is therefore held back until its
// trail byte comes, and the text only ever holds whole characters. (A window
// that takes WM_IME_CHAR must not pass it on to DefWindowProc, which would
// send the same character again as two WM_CHARs.)

#include <cstddef>
#include <string>
#include <string_view>

#include "common/Mbcs.h"

namespace vistrel {

class ListFilter {
public:
    explicit ListFilter(LeadBytePredicate isLeadByte) : isLeadByte_(isLeadByte) {}

    // One byte of a WM_CHAR. Control characters (below 0x20, and 0x7F) are
    // not text and are ignored: Backspace and Escape are the caller's keys
    // for RemoveLast and Clear. A lead byte waits for the next byte; when that
    // cannot be a trail byte the lead byte is dropped and the byte is taken
    // on its own. Returns whether the text changed.
    bool AppendByte(unsigned char byte);

    // The wParam of a WM_IME_CHAR: a double-byte character as lead byte * 256
    // + trail byte, a single-byte one as itself. Returns whether the text
    // changed.
    bool AppendImeChar(unsigned int code);

    // Backspace: the last whole character goes, both bytes of a double-byte
    // one at once. A lead byte still waiting for its trail goes too, unseen.
    // Returns whether the text changed.
    bool RemoveLast();

    // Escape. Returns whether there was text.
    bool Clear();

    // Nothing typed: every window is shown.
    bool Empty() const { return text_.empty(); }

    // The text, whole characters only (a waiting lead byte is not part of it).
    const std::string& Text() const { return text_; }

    // Whether a window stays shown; see MatchesFilter.
    bool Matches(std::string_view title, std::string_view exePath) const;

private:
    void AppendPair(unsigned char lead, unsigned char trail);

    LeadBytePredicate isLeadByte_;
    std::string text_;
    unsigned char pendingLead_ = 0;  // 0: none (0 is never a lead byte)
};

// Whether a window stays in the list under `filter`: its title or the file
// name of its executable (the last component of the path, "notepad.exe" of
// "C:\Windows\notepad.exe") contains the filter text, ASCII letters compared
// without regard to case. A match starts on a character, never on the trail
// byte of a double-byte one. An empty filter keeps every window; an unknown
// path (empty) matches through the title only. Allocates nothing, so the
// whole list can be run through on every key.
bool MatchesFilter(std::string_view filter, std::string_view title, std::string_view exePath,
                   LeadBytePredicate isLeadByte);

// The status line while the filter is not empty: "検索: " and the filter text,
// then the number of windows shown in parentheses, as "検索: abc (3)".
std::string FilterStatusText(std::string_view filter, size_t shown);

}  // namespace vistrel
