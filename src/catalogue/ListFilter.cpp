#include "catalogue/ListFilter.h"

namespace vistrel {

namespace {

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// A byte no double-byte code page takes as a trail byte: below 0x40 (control
// characters, digits and most punctuation), DEL and 0xFF.
bool CannotBeTrail(unsigned char byte) { return byte < 0x40 || byte == 0x7F || byte == 0xFF; }

}  // namespace

bool ListFilter::AppendByte(unsigned char byte) {
    if (pendingLead_ != 0) {
        const unsigned char lead = pendingLead_;
        pendingLead_ = 0;
        if (!CannotBeTrail(byte)) {
            AppendPair(lead, byte);
            return true;
        }
    }
    if (IsControl(byte)) return false;
    if (isLeadByte_(byte)) {
        pendingLead_ = byte;
        return false;
    }
    text_ += static_cast<char>(byte);
    return true;
}

bool ListFilter::AppendImeChar(unsigned int code) {
    pendingLead_ = 0;
    if (code <= 0xFF) return AppendByte(static_cast<unsigned char>(code));
    const auto lead = static_cast<unsigned char>(code >> 8);
    const auto trail = static_cast<unsigned char>(code);
    if (code > 0xFFFF || !isLeadByte_(lead) || CannotBeTrail(trail)) return false;
    AppendPair(lead, trail);
    return true;
}

void ListFilter::AppendPair(unsigned char lead, unsigned char trail) {
    text_ += static_cast<char>(lead);
    text_ += static_cast<char>(trail);
}

bool ListFilter::RemoveLast() {
    pendingLead_ = 0;
    if (text_.empty()) return false;
    // A trail byte may look like a lead byte, so the last character is found
    // by walking from the start.
    size_t last = 0;
    for (size_t i = 0; i < text_.size(); i += isLeadByte_(static_cast<unsigned char>(text_[i])) ? 2 : 1) last = i;
    text_.erase(last);
    return true;
}

bool ListFilter::Clear() {
    pendingLead_ = 0;
    if (text_.empty()) return false;
    text_.clear();
    return true;
}

bool ListFilter::Matches(std::string_view title, std::string_view exePath) const {
    return MatchesFilter(text_, title, exePath, isLeadByte_);
}

bool MatchesFilter(std::string_view filter, std::string_view title, std::string_view exePath,
                   LeadBytePredicate isLeadByte) {
    if (filter.empty()) return true;
    if (FindIgnoringAsciiCase(title, filter, isLeadByte) != std::string_view::npos) return true;
    return FindIgnoringAsciiCase(FileNamePart(exePath, isLeadByte), filter, isLeadByte) != std::string_view::npos;
}

std::string FilterStatusText(std::string_view filter, size_t shown) {
    std::string text = "検索: ";
    text += filter;
    text += " (";
    text += std::to_string(shown);
    text += ')';
    return text;
}

}  // namespace vistrel
