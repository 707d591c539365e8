#include "common/Mbcs.h"

namespace vistrel {

namespace {

constexpr std::string_view kSeparators = "\\/";
constexpr std::string_view kFolderEnds = "\\/:";

// Calls visit(position) for every single-byte character, in order; stops
// when visit returns false. A lead byte at the very end (a cut-off
// character) is skipped with its missing trail.
template <typename Visit>
void ForEachSingleByte(std::string_view text, LeadBytePredicate isLeadByte, Visit visit) {
    size_t i = 0;
    while (i < text.size()) {
        if (isLeadByte(static_cast<unsigned char>(text[i]))) {
            i += 2;
            continue;
        }
        if (!visit(i)) return;
        ++i;
    }
}

bool EndsInSeparator(const std::string& path, LeadBytePredicate isLeadByte) {
    const size_t last = FindLastOf(path, kSeparators, isLeadByte);
    return last != std::string::npos && last == path.size() - 1;
}

}  // namespace

bool ShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool EndsInCutOffCharacter(std::string_view text, LeadBytePredicate isLeadByte) {
    size_t i = 0;
    while (i < text.size()) i += isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i > text.size();
}

bool HasBrokenCharacter(std::string_view text, LeadBytePredicate isLeadByte) {
    size_t i = 0;
    while (i < text.size()) {
        if (!isLeadByte(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || static_cast<unsigned char>(text[i + 1]) < 0x40) return true;
        i += 2;
    }
    return false;
}

size_t FindChar(std::string_view text, char c, LeadBytePredicate isLeadByte) {
    size_t found = std::string_view::npos;
    ForEachSingleByte(text, isLeadByte, [&](size_t i) {
        if (text[i] != c) return true;
        found = i;
        return false;
    });
    return found;
}

size_t FindLastOf(std::string_view text, std::string_view chars, LeadBytePredicate isLeadByte) {
    size_t found = std::string_view::npos;
    ForEachSingleByte(text, isLeadByte, [&](size_t i) {
        if (chars.find(text[i]) != std::string_view::npos) found = i;
        return true;
    });
    return found;
}

std::string ExtractFolder(const std::string& path, LeadBytePredicate isLeadByte) {
    return path.substr(0, path.size() - FileNamePart(path, isLeadByte).size());
}

std::string ExtractFileName(const std::string& path, LeadBytePredicate isLeadByte) {
    return std::string(FileNamePart(path, isLeadByte));
}

std::string_view FileNamePart(std::string_view path, LeadBytePredicate isLeadByte) {
    const size_t last = FindLastOf(path, kFolderEnds, isLeadByte);
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

std::string_view CutToBytes(std::string_view text, size_t maxBytes, LeadBytePredicate isLeadByte) {
    if (text.size() <= maxBytes) return text;
    size_t end = 0;
    while (end < maxBytes) {
        const size_t next = end + (isLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

std::string ExcludeTrailingSeparators(const std::string& path, LeadBytePredicate isLeadByte) {
    std::string result = path;
    while (EndsInSeparator(result, isLeadByte)) result.pop_back();
    return result;
}

std::string IncludeTrailingBackslash(const std::string& path, LeadBytePredicate isLeadByte) {
    if (path.empty() || EndsInSeparator(path, isLeadByte)) return path;
    return path + '\\';
}

std::string JoinPath(const std::string& folder, const std::string& name, LeadBytePredicate isLeadByte) {
    return IncludeTrailingBackslash(folder, isLeadByte) + name;
}

}  // namespace vistrel
