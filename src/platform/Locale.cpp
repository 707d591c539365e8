#include "platform/Locale.h"

#include <windows.h>

namespace vistrel::platform {

bool EqualIgnoreCaseUser(const std::string& a, const std::string& b) {
    // The empty text is a valid path (the one that could not be read) and
    // equals only itself; decided here rather than left to how each Windows
    // version treats a zero length.
    if (a.empty() || b.empty()) return a.empty() && b.empty();
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                          b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

bool EqualIgnoreCaseLstr(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

int CompareLstr(const std::string& a, const std::string& b) { return lstrcmpA(a.c_str(), b.c_str()); }

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace vistrel::platform
