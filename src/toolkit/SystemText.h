#pragma once
// The toolkit's name for the system code page's lead-byte test, for the
// helpers that take a lead-byte predicate. There is one test, in platform.

#include "common/Mbcs.h"
#include "platform/Locale.h"

namespace vistrel::tk {

inline constexpr LeadBytePredicate SystemLeadByte = platform::IsLeadByte;

}  // namespace vistrel::tk
