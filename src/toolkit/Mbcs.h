#pragma once
// The toolkit's spelling of the double-byte path helpers, which live in
// common/ so that platform can use them as well.

#include "common/Mbcs.h"

namespace vistrel::tk {

using vistrel::ExtractFolder;

}  // namespace vistrel::tk
