#include "toolkit/HintText.h"

namespace vistrel::tk {

std::string ShortHint(const std::string& hint, LeadBytePredicate isLeadByte) {
    const size_t bar = FindChar(hint, '|', isLeadByte);
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string LongHint(const std::string& hint, LeadBytePredicate isLeadByte) {
    const size_t bar = FindChar(hint, '|', isLeadByte);
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

}  // namespace vistrel::tk
