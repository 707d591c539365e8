#pragma once
// The move-only owners of GDI and USER handles (platform/GdiHandles.h) under
// the toolkit's names, the scoped selection of an object into a DC, and fonts.

#include <windows.h>

#include <utility>

#include "platform/GdiHandles.h"

namespace vistrel::tk {

using platform::Owner;

using platform::DeleteDcHandle;
using platform::DeleteGdiObject;
using platform::DestroyIconHandle;
using platform::DestroyMenuHandle;

using platform::BitmapOwner;
using platform::BrushOwner;
using platform::FontOwner;
using platform::IconOwner;
using platform::MemoryDcOwner;
using platform::MenuOwner;
using platform::PenOwner;

// Selects an object into a DC and puts the previous one back on scope exit.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        if (dc_ && previous_) SelectObject(dc_, previous_);
    }
    Selection(Selection&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    Selection& operator=(Selection&&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Builds a font owner from a face name and a pixel height (negative: character height).
FontOwner MakeFont(const char* face, int pixelHeight, bool bold = false, bool underline = false,
                   BYTE charset = SHIFTJIS_CHARSET);

}  // namespace vistrel::tk
