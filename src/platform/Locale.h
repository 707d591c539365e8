#pragma once
// Text comparison in the ANSI code page. Both comparisons convert to Unicode
// first, so a Shift-JIS character whose second byte looks like an ASCII
// letter is never folded like that letter.

#include <string>

namespace vistrel::platform {

// CompareStringA in the user's locale, ignoring case: the exclusion list's
// comparison of executable paths.
bool EqualIgnoreCaseUser(const std::string& a, const std::string& b);
// lstrcmpiA: the window catalogue's comparison of titles and class names.
bool EqualIgnoreCaseLstr(const std::string& a, const std::string& b);
// lstrcmpA: negative, zero or positive. A word sort, not a byte order:
// "a" sorts before "B".
int CompareLstr(const std::string& a, const std::string& b);
// Whether a byte starts a double-byte character of the system code page: the
// lead-byte test for the helpers of common/Mbcs.h.
bool IsLeadByte(unsigned char byte);

}  // namespace vistrel::platform
