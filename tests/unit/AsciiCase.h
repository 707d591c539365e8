#pragma once
// Case-insensitive for ASCII letters only, as lstrcmpiA is for the texts of
// these tests (paths and titles); the bytes of double-byte characters compare
// exactly. The host build has no lstrcmpiA to call.

#include <string>

namespace vistrel::test {

inline bool AsciiEqualIgnoreCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace vistrel::test
