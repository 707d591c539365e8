#pragma once
// The system code page's view of double-byte text, for the portable helpers
// in Mbcs.h and HintText.h that take a lead-byte predicate.

#include <windows.h>

namespace vistrel::tk {

inline bool SystemLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace vistrel::tk
