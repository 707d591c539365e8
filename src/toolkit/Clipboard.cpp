#include "toolkit/Clipboard.h"

#include "platform/WindowDc.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiOwners.h"

namespace vistrel::tk {

bool CopyBitmapToClipboard(HWND owner, const Bitmap& picture) {
    const int width = picture.Width();
    const int height = picture.Height();
    if (width <= 0 || height <= 0) return false;
    BitmapOwner copy;
    {
        platform::WindowDc screen(nullptr);
        copy.reset(CreateCompatibleBitmap(screen.get(), width, height));
        if (!copy) return false;
        MemoryDcOwner dc(CreateCompatibleDC(screen.get()));
        Selection selected(dc.get(), copy.get());
        BitBlt(dc.get(), 0, 0, width, height, picture.Dc(), 0, 0, SRCCOPY);
    }
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    // Once placed, the bitmap is the clipboard's.
    if (SetClipboardData(CF_BITMAP, copy.get())) copy.release();
    CloseClipboard();
    return !copy;
}

}  // namespace vistrel::tk
