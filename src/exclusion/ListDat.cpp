#include "exclusion/ListDat.h"

#include "common/Utf16.h"

namespace vistrel {

namespace {

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.push_back(bytes.substr(start, i - start));
        ++i;
        if (c == '\r' && i < bytes.size() && bytes[i] == '\n') ++i;
        start = i;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

}  // namespace

std::vector<std::u16string> ParseListDat(std::string_view bytes, const AnsiDecoder& decode, StoredLines* stored) {
    const bool utf8 = bytes.starts_with(kUtf8Bom);
    if (utf8) bytes.remove_prefix(kUtf8Bom.size());
    std::vector<std::u16string> lines;
    for (const std::string_view line : SplitLines(bytes)) {
        lines.push_back(utf8 ? Utf16FromUtf8(line) : decode(line));
        if (!utf8 && stored) stored->emplace(lines.back(), line);
    }
    return lines;
}

std::string FormatListDat(const std::vector<std::u16string>& lines, const AnsiEncoder& encode,
                          const StoredLines* stored) {
    std::string text;
    for (const std::u16string& line : lines) {
        const auto kept = stored ? stored->find(line) : StoredLines::const_iterator();
        const std::optional<std::string> ansi = stored && kept != stored->end() ? kept->second : encode(line);
        if (!ansi) {
            // The code page cannot hold this path: the whole file goes UTF-8,
            // so that no line is written in a form that names another file.
            text = kUtf8Bom;
            for (const std::u16string& each : lines) {
                text += Utf8FromUtf16(each);
                text += "\r\n";
            }
            return text;
        }
        text += *ansi;
        text += "\r\n";
    }
    return text;
}

}  // namespace vistrel
