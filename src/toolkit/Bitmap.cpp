#include "toolkit/Bitmap.h"

#include <utility>

#include "platform/WindowDc.h"

namespace vistrel::tk {

BITMAPINFO TopDownDibInfo(int width, int height, int bitsPerPixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Bitmap::Bitmap(PixelFormat format) : format_(format), dc_(CreateCompatibleDC(nullptr)) {
    canvas_.Attach(dc_.get());
}

Bitmap::Bitmap(int width, int height, PixelFormat format) : Bitmap(format) {
    SetSize(width, height);
}

Bitmap::~Bitmap() {
    // Canvas objects and the bitmap leave the DC before anything is freed.
    canvas_.Release();
    Free();
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : format_(other.format_),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      dc_(std::move(other.dc_)),
      bitmap_(std::move(other.bitmap_)),
      originalBitmap_(std::exchange(other.originalBitmap_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)),
      canvas_(std::move(other.canvas_)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this == &other) return *this;
    canvas_.Release();
    Free();
    format_ = other.format_;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    originalBitmap_ = std::exchange(other.originalBitmap_, nullptr);
    bits_ = std::exchange(other.bits_, nullptr);
    canvas_ = std::move(other.canvas_);
    return *this;
}

void Bitmap::Free() {
    if (bitmap_ && dc_) SelectObject(dc_.get(), originalBitmap_);
    bitmap_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

void Bitmap::SetSize(int width, int height) {
    if (width == width_ && height == height_ && bitmap_) return;
    Recreate(width, height);
}

void Bitmap::SetPixelFormat(PixelFormat format) {
    if (format == format_) return;
    format_ = format;
    if (bitmap_) Recreate(width_, height_);
}

void Bitmap::Recreate(int width, int height) {
    if (!dc_) return;
    if (width <= 0 || height <= 0) {
        Free();
        return;
    }
    BitmapOwner fresh;
    void* bits = nullptr;
    if (format_ == PixelFormat::Device) {
        platform::WindowDc screen(nullptr);
        fresh.reset(CreateCompatibleBitmap(screen.get(), width, height));
    } else {
        const BITMAPINFO info =
            TopDownDibInfo(width, height, format_ == PixelFormat::Bgr24 ? 24 : 32);
        fresh.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    }
    if (!fresh) {
        Free();
        return;
    }
    HGDIOBJ previous = SelectObject(dc_.get(), fresh.get());
    if (!originalBitmap_) originalBitmap_ = previous;
    bitmap_ = std::move(fresh);  // the old bitmap is out of the DC by now
    bits_ = static_cast<uint8_t*>(bits);
    width_ = width;
    height_ = height;
    PatBlt(dc_.get(), 0, 0, width, height, WHITENESS);
}

uint8_t* Bitmap::Bits() {
    if (bits_) GdiFlush();
    return bits_;
}

const uint8_t* Bitmap::Bits() const {
    if (bits_) GdiFlush();
    return bits_;
}

int Bitmap::Stride() const {
    switch (format_) {
    case PixelFormat::Bgr24:
        return (width_ * 3 + 3) & ~3;  // DIB rows are padded to 4 bytes
    case PixelFormat::Bgra32:
        return width_ * 4;
    case PixelFormat::Device:
        break;
    }
    return 0;
}

COLORREF Bitmap::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    if (!bits_) return GetPixel(dc_.get(), x, y);
    const int bytes = format_ == PixelFormat::Bgr24 ? 3 : 4;
    const uint8_t* p = Bits() + static_cast<ptrdiff_t>(y) * Stride() + x * bytes;
    return RGB(p[2], p[1], p[0]);
}

Bitmap::Unselected::Unselected(Bitmap& bitmap) : bitmap_(bitmap) {
    if (bitmap_.bitmap_) SelectObject(bitmap_.Dc(), bitmap_.originalBitmap_);
}

Bitmap::Unselected::~Unselected() {
    if (bitmap_.bitmap_) SelectObject(bitmap_.Dc(), bitmap_.Handle());
}

}  // namespace vistrel::tk
