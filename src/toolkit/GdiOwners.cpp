#include "toolkit/GdiOwners.h"

namespace vistrel::tk {

FontOwner MakeFont(const char* face, int pixelHeight, bool bold, bool underline, BYTE charset) {
    return FontOwner(CreateFontA(pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline,
                                 FALSE, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

}  // namespace vistrel::tk
