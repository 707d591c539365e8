#pragma once
// Lines of space-separated numbers, as the program's small record files hold
// them: read strictly (a field is a number or the line is not read), written
// without locale or allocation beyond the text itself.

#include <charconv>
#include <string>
#include <string_view>
#include <system_error>

namespace vistrel {

// The next field of a line: the characters up to a space; `line` keeps the rest.
inline std::string_view NextField(std::string_view& line) {
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(start);
    const size_t end = line.find(' ');
    const std::string_view field = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end);
    return field;
}

// The whole field as a number in `base`; false for anything else (a sign
// where none fits, trailing characters, a value out of the type's range).
template <class T>
bool ReadNumber(std::string_view field, T& value, int base = 10) {
    if (field.empty()) return false;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value, base);
    return error == std::errc() && end == field.data() + field.size();
}

template <class T>
void AppendNumber(std::string& text, T value, int base = 10) {
    char digits[24];  // 64 bits in base 10 with a sign, or in hex
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, base);
    if (error == std::errc()) text.append(digits, end);
}

// Calls `visit` with every line of `text`, without its "\r\n" or "\n".
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        visit(line);
    }
}

}  // namespace vistrel
