#include "platform/Locale.h"

#include <windows.h>

#include "platform/Text.h"

namespace vistrel::platform {

bool EqualIgnoreCaseUser(const std::u16string& a, const std::u16string& b) {
    // The empty text is a valid path (the one that could not be read) and
    // equals only itself; decided here rather than left to how each Windows
    // version treats a zero length.
    if (a.empty() || b.empty()) return a.empty() && b.empty();
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, AsWide(a), static_cast<int>(a.size()), AsWide(b),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

bool EqualIgnoreCaseLstr(const std::u16string& a, const std::u16string& b) {
    return lstrcmpiW(AsWide(a), AsWide(b)) == 0;
}

int CompareLstr(const std::u16string& a, const std::u16string& b) { return lstrcmpW(AsWide(a), AsWide(b)); }

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace vistrel::platform
