#pragma once
// Bitmap: a memory DC with its bitmap kept selected, and a Canvas on it, as
// the VCL's TBitmap. Device bitmaps are compatible with the screen; the DIB
// formats are top-down sections whose pixels are read and written directly
// (row 0 is the top row; BGR or BGRA byte order).
//
// A bitmap selected into a DC cannot be selected anywhere else, and some
// consumers (image lists, the clipboard) do exactly that with the handle they
// are given. Hand the handle over inside an Unselect() scope:
//     { auto released = bitmap.Unselect(); imageList.Add(bitmap.Handle()); }

#include <windows.h>

#include <cstdint>

#include "toolkit/Canvas.h"
#include "toolkit/GdiOwners.h"

namespace vistrel::tk {

enum class PixelFormat { Device, Bgr24, Bgra32 };

// The header of a top-down DIB (row 0 first in memory) of 24 or 32 bits.
BITMAPINFO TopDownDibInfo(int width, int height, int bitsPerPixel);

class Bitmap {
public:
    explicit Bitmap(PixelFormat format = PixelFormat::Device);
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Device);
    ~Bitmap();
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // A new bitmap of this size, filled white; the same size keeps the picture.
    // 0 x 0 frees the bitmap.
    void SetSize(int width, int height);
    // A new format drops the picture (the size stays, filled white).
    void SetPixelFormat(PixelFormat format);
    PixelFormat Format() const { return format_; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC Dc() const { return dc_.get(); }
    HBITMAP Handle() const { return bitmap_.get(); }
    Canvas& GetCanvas() { return canvas_; }

    // Pixels of a DIB format (null for Device): GDI's pending drawing is
    // flushed first, so they show everything drawn so far.
    uint8_t* Bits();
    const uint8_t* Bits() const;
    int Stride() const;
    // The pixel at (x, y) as a COLORREF; DIB formats read it from the pixel
    // memory. CLR_INVALID outside the bitmap.
    COLORREF PixelAt(int x, int y) const;

    // While alive, the bitmap is out of the DC: hand Handle() to consumers
    // that select it themselves. Do not draw on the canvas meanwhile.
    class Unselected {
    public:
        explicit Unselected(Bitmap& bitmap);
        ~Unselected();
        Unselected(const Unselected&) = delete;
        Unselected& operator=(const Unselected&) = delete;

    private:
        Bitmap& bitmap_;
    };
    [[nodiscard]] Unselected Unselect() { return Unselected(*this); }

private:
    void Recreate(int width, int height);
    void Free();

    PixelFormat format_;
    int width_ = 0;
    int height_ = 0;
    MemoryDcOwner dc_;
    BitmapOwner bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;  // the DC's own 1 x 1 bitmap
    uint8_t* bits_ = nullptr;
    Canvas canvas_;
};

}  // namespace vistrel::tk
