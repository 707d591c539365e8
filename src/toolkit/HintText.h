#pragma once
// Hints are "tooltip|status line text"; a hint without '|' serves as both.

#include <string>

#include "common/Mbcs.h"

namespace vistrel::tk {

// The part before the first '|' (a '|' that is the trail byte of a
// double-byte character does not count).
std::string ShortHint(const std::string& hint, LeadBytePredicate isLeadByte);

// The part after the first '|'.
std::string LongHint(const std::string& hint, LeadBytePredicate isLeadByte);

}  // namespace vistrel::tk
