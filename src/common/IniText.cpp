#include "common/IniText.h"

#include <optional>
#include <vector>

namespace vistrel {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kNewLine = "\r\n";

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// One line without its ending, and where the next one begins.
struct Line {
    std::string_view body;
    size_t begin = 0;
    size_t next = 0;  // past the line's ending
};

std::vector<Line> Lines(std::string_view text) {
    std::vector<Line> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        std::string_view body = text.substr(at, (end == std::string_view::npos ? text.size() : end) - at);
        if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
        lines.push_back({body, at, next});
        at = next;
    }
    return lines;
}

// The name of a section header ("[name]", blanks around), if the line is one.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return false;
    const size_t close = line.find(']');
    if (close == std::string_view::npos) return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

bool KeyName(std::string_view line, std::string_view& name) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    name = Trim(line.substr(0, equals));
    return !name.empty();
}

}  // namespace

std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value, const SameIniName& same) {
    std::string entry(key);
    entry += '=';
    entry += value;
    const std::vector<Line> lines = Lines(text);
    bool inSection = false;
    std::optional<size_t> sectionEnd;  // past the section's last line that is not blank
    for (const Line& line : lines) {
        std::string_view name;
        if (SectionName(line.body, name)) {
            if (inSection) break;
            inSection = same(name, section);
            if (inSection) sectionEnd = line.next;
            continue;
        }
        if (!inSection) continue;
        if (KeyName(line.body, name) && same(name, key)) {
            // Replaced in place, the line's own ending kept.
            std::string result(text.substr(0, line.begin));
            result += entry;
            result += text.substr(line.begin + line.body.size());
            return result;
        }
        if (!Trim(line.body).empty()) sectionEnd = line.next;
    }
    std::string result(text);
    const size_t at = sectionEnd ? *sectionEnd : text.size();
    std::string added;
    // A last line without its ending gets one first.
    if (at > 0 && text[at - 1] != '\n') added += kNewLine;
    if (!sectionEnd) {
        added += '[';
        added += section;
        added += ']';
        added += kNewLine;
    }
    added += entry;
    added += kNewLine;
    result.insert(at, added);
    return result;
}

}  // namespace vistrel
