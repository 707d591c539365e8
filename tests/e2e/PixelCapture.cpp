#include "PixelCapture.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "Driver.h"

namespace vistrel::e2e {

PixelCapture::PixelCapture(int width, int height) : width_(width), height_(height) {
    if (width <= 0 || height <= 0)
        throw DriverError("a capture of " + std::to_string(width) + " x " + std::to_string(height) + " pixels");
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc_ || !bitmap_) {
        Release();
        throw DriverError("cannot make a capture bitmap");
    }
    bits_ = static_cast<uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    // DIB pixels are 0x00RRGGBB; magenta reads the same either way round.
    std::fill(bits_, bits_ + static_cast<size_t>(width) * height, kUnpainted);
}

PixelCapture PixelCapture::FromScreen(const RECT& area) {
    PixelCapture capture(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    const BOOL copied = BitBlt(capture.dc(), 0, 0, capture.width(), capture.height(), screen, area.left, area.top,
                               SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (!copied) throw DriverError("BitBlt from the screen failed");
    return capture;
}

PixelCapture PixelCapture::FromScreen(HWND window, bool clientOnly) {
    RECT area;
    if (clientOnly) {
        GetClientRect(window, &area);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    } else {
        GetWindowRect(window, &area);
    }
    return FromScreen(area);
}

PixelCapture::~PixelCapture() { Release(); }

PixelCapture::PixelCapture(PixelCapture&& other) noexcept
    : width_(other.width_),
      height_(other.height_),
      dc_(std::exchange(other.dc_, nullptr)),
      bitmap_(std::exchange(other.bitmap_, nullptr)),
      old_(std::exchange(other.old_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)) {}

PixelCapture& PixelCapture::operator=(PixelCapture&& other) noexcept {
    if (this != &other) {
        Release();
        width_ = other.width_;
        height_ = other.height_;
        dc_ = std::exchange(other.dc_, nullptr);
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        old_ = std::exchange(other.old_, nullptr);
        bits_ = std::exchange(other.bits_, nullptr);
    }
    return *this;
}

void PixelCapture::Release() noexcept {
    if (dc_ && old_) SelectObject(dc_, old_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    old_ = nullptr;
    bits_ = nullptr;
}

uint32_t PixelCapture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw DriverError("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the capture");
    const uint32_t p = bits_[static_cast<size_t>(y) * width_ + x];
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

int PixelCapture::Count(uint32_t colour, int tolerance) const {
    int n = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const uint32_t p = At(x, y);
            bool close = true;
            for (int shift : {0, 8, 16})
                close = close && std::abs(static_cast<int>((p >> shift) & 0xFF) -
                                        static_cast<int>((colour >> shift) & 0xFF)) <= tolerance;
            n += close ? 1 : 0;
        }
    }
    return n;
}

bool PixelCapture::SaveBitmapFile(const char* path) const {
    if (!bits_) return false;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = -height_;  // top-down, as the pixels are kept
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD pixelBytes = static_cast<DWORD>(width_) * height_ * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + pixelBytes;
    HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    // Screen copies leave the fourth byte 0, which viewers read as clear.
    std::vector<uint32_t> opaque(bits_, bits_ + static_cast<size_t>(width_) * height_);
    for (uint32_t& pixel : opaque) pixel |= 0xFF000000u;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
              WriteFile(out, &info, sizeof info, &written, nullptr) &&
              WriteFile(out, opaque.data(), pixelBytes, &written, nullptr);
    CloseHandle(out);
    return ok;
}

std::string ScreenshotPath(const std::string& name) {
    // The test runs from <build>/<tree>/tests/e2e; screenshots live in <build>/screenshots.
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe);
    for (int up = 0; up < 4; ++up) folder.erase(folder.find_last_of('\\'));
    folder += "\\screenshots";
    CreateFolders(folder);
    return folder + "\\" + name;
}

}  // namespace vistrel::e2e
