#pragma once
// Case-insensitive for ASCII letters only, as lstrcmpi is for the texts of
// these tests (paths and titles); every other character compares exactly.
// The host build has no lstrcmpi to call.

#include <string>

namespace vistrel::test {

inline bool AsciiEqualIgnoreCase(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace vistrel::test
