#pragma once
// Comparisons of other programs' texts (titles, class names, paths), in
// UTF-16 as they hold them.

#include <string>

namespace vistrel::platform {

// CompareString in the user's locale, ignoring case: the exclusion list's
// comparison of executable paths.
bool EqualIgnoreCaseUser(const std::u16string& a, const std::u16string& b);
// lstrcmpi: the window catalogue's comparison of titles and class names.
bool EqualIgnoreCaseLstr(const std::u16string& a, const std::u16string& b);
// lstrcmp: negative, zero or positive. A word sort, not a code order: "a"
// sorts before "B". The ANSI lstrcmpA compares through this very function,
// so titles the code page holds keep the order they always had.
int CompareLstr(const std::u16string& a, const std::u16string& b);
// Whether a byte starts a double-byte character of the system code page: the
// lead-byte test for the helpers of common/Mbcs.h.
bool IsLeadByte(unsigned char byte);

}  // namespace vistrel::platform
