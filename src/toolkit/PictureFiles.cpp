#include "toolkit/PictureFiles.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/Files.h"
#include "platform/JpegFile.h"
#include "platform/WindowDc.h"
#include "toolkit/Bitmap.h"

namespace vistrel::tk {

namespace {

int DisplayBits() {
    platform::WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), BITSPIXEL) >= 32 ? 32 : 24;
}

// The picture's rows at `bits` per pixel, bottom-up as a BMP stores them.
std::vector<uint8_t> Rows(Bitmap& picture, int bits, BITMAPINFOHEADER& header) {
    header = {};
    header.biSize = sizeof header;
    header.biWidth = picture.Width();
    header.biHeight = picture.Height();
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bits);
    header.biCompression = BI_RGB;
    const size_t stride = ((static_cast<size_t>(picture.Width()) * bits + 31) / 32) * 4;
    std::vector<uint8_t> rows(stride * static_cast<size_t>(picture.Height()));
    header.biSizeImage = static_cast<DWORD>(rows.size());
    BITMAPINFO info{};
    info.bmiHeader = header;
    // GetDIBits wants the bitmap out of any DC.
    const auto released = picture.Unselect();
    const int got = GetDIBits(picture.Dc(), picture.Handle(), 0, static_cast<UINT>(picture.Height()),
                              rows.data(), &info, DIB_RGB_COLORS);
    if (got != picture.Height()) rows.clear();
    return rows;
}

}  // namespace

bool SaveBitmapFile(const std::u16string& path, Bitmap& picture) {
    if (picture.Width() <= 0 || picture.Height() <= 0) return false;
    BITMAPINFOHEADER info;
    const std::vector<uint8_t> rows = Rows(picture, DisplayBits(), info);
    if (rows.empty()) return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + rows.size());
    std::string bytes(file.bfSize, '\0');
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
    std::memcpy(bytes.data() + file.bfOffBits, rows.data(), rows.size());
    return platform::ReplaceFileContents(path, bytes);
}

bool SaveJpegFile(const std::u16string& path, const Bitmap& picture, int quality) {
    if (picture.Width() <= 0 || picture.Height() <= 0) return false;
    // A 24-bit top-down copy: the layout the JPEG writer reads.
    Bitmap rgb(picture.Width(), picture.Height(), PixelFormat::Bgr24);
    if (rgb.Width() != picture.Width() || !rgb.Bits()) return false;
    BitBlt(rgb.Dc(), 0, 0, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
    return platform::WriteJpegFile(path, rgb.Width(), rgb.Height(), rgb.Bits(), rgb.Stride(), quality);
}

bool SavePictureFile(const std::u16string& path, bool asBitmap, Bitmap& picture) {
    return asBitmap ? SaveBitmapFile(path, picture) : SaveJpegFile(path, picture, kJpegQuality);
}

}  // namespace vistrel::tk
