#pragma once
// Pixels to assert on: a 32-bit top-down DIB section with its memory DC,
// filled by PrintWindow or WM_PRINT into dc(), or copied from the screen
// (what Vistrel shows, read the way a user sees it).

#include <windows.h>

#include <cstdint>
#include <string>

namespace vistrel::e2e {

class PixelCapture {
public:
    // Filled with kUnpainted, so a capture that draws nothing shows.
    PixelCapture(int width, int height);
    // The screen's pixels in the rectangle (screen coordinates).
    static PixelCapture FromScreen(const RECT& area);
    // The window's area on the screen: its whole rectangle, or its client area.
    static PixelCapture FromScreen(HWND window, bool clientOnly);

    ~PixelCapture();
    PixelCapture(PixelCapture&& other) noexcept;
    PixelCapture& operator=(PixelCapture&& other) noexcept;
    PixelCapture(const PixelCapture&) = delete;
    PixelCapture& operator=(const PixelCapture&) = delete;

    static constexpr uint32_t kUnpainted = 0xFF00FF;  // magenta, as COLORREF

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    uint32_t At(int x, int y) const;  // COLORREF 0x00BBGGRR
    // Pixels whose red, green and blue each lie within `tolerance` of `colour`.
    int Count(uint32_t colour, int tolerance = 0) const;
    // Writes the pixels as a 32-bit bitmap file; false when it cannot.
    bool SaveBitmapFile(const char* path) const;

private:
    void Release() noexcept;
    int width_ = 0;
    int height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// Where a picture kept for review goes: build/screenshots/<name>, the folder
// made when missing.
std::string ScreenshotPath(const std::string& name);

}  // namespace vistrel::e2e
