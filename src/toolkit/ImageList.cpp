#include "toolkit/ImageList.h"

#include <vector>

#include "common/PixelRows.h"
#include "toolkit/Bitmap.h"

namespace vistrel::tk {

namespace {

struct PixelPicture {
    BitmapOwner colour;
    BitmapOwner mask;
};

// A colour picture and its mask (1 = transparent) from 0xAARRGGBB pixels.
// Masked drawing ORs the colour over the hole the mask cut, so the colour of
// every transparent pixel is black. A 32-bit list keeps the alpha as given;
// only its fully transparent pixels are blackened, since an alpha-aware list
// blends the rest itself.
PixelPicture MakePixelPicture(const uint32_t* argb, int width, int height, bool keepAlpha) {
    PixelPicture picture;
    const BITMAPINFO info = TopDownDibInfo(width, height, 32);
    void* bits = nullptr;
    picture.colour.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture.colour) return picture;

    // Monochrome rows are padded to 16 bits; the leftmost pixel is the high bit.
    const int maskStride = (width + 15) / 16 * 2;
    std::vector<uint8_t> maskBits(static_cast<size_t>(maskStride) * height, 0);
    auto* out = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = argb[static_cast<size_t>(y) * width + x];
            const uint32_t alpha = pixel >> 24;
            const bool transparent = alpha < 128;
            if (transparent) maskBits[static_cast<size_t>(y) * maskStride + x / 8] |= 0x80 >> (x % 8);
            uint32_t value = pixel;
            if (alpha == 0 || (transparent && !keepAlpha)) value = 0;
            if (!keepAlpha) value &= 0x00FFFFFF;
            out[static_cast<size_t>(y) * width + x] = value;
        }
    }
    picture.mask.reset(CreateBitmap(width, height, 1, 1, maskBits.data()));
    return picture;
}

}  // namespace

void ImageList::Create(int width, int height, UINT flags, int initial, int grow) {
    list_.reset(ImageList_Create(width, height, flags, initial, grow));
    flags_ = flags;
    grow_ = grow;
}

ImageList ImageList::TakePictures() {
    ImageList taken;
    const int width = Width();
    const int height = Height();
    taken.list_ = std::move(list_);
    taken.flags_ = flags_;
    taken.grow_ = grow_;
    Create(width, height, flags_, 0, grow_);
    return taken;
}

void ImageList::SetSize(int width, int height) {
    if (list_) ImageList_SetIconSize(list_.get(), width, height);
}

int ImageList::Width() const {
    int width = 0, height = 0;
    if (list_) ImageList_GetIconSize(list_.get(), &width, &height);
    return width;
}

int ImageList::Height() const {
    int width = 0, height = 0;
    if (list_) ImageList_GetIconSize(list_.get(), &width, &height);
    return height;
}

int ImageList::Count() const { return list_ ? ImageList_GetImageCount(list_.get()) : 0; }

int ImageList::Add(HBITMAP bitmap, HBITMAP mask) {
    return list_ ? ImageList_Add(list_.get(), bitmap, mask) : -1;
}

int ImageList::Add(Bitmap& bitmap) {
    auto released = bitmap.Unselect();
    return Add(bitmap.Handle());
}

int ImageList::AddMasked(HBITMAP bitmap, COLORREF maskColour) {
    return list_ ? ImageList_AddMasked(list_.get(), bitmap, maskColour) : -1;
}

int ImageList::AddPixels(const uint32_t* argb, int width, int height) {
    if (!list_ || !argb || width != Width() || height != Height()) return -1;
    PixelPicture picture = MakePixelPicture(argb, width, height, (flags_ & 0xFE) == ILC_COLOR32);
    if (!picture.colour) return -1;
    return Add(picture.colour.get(), picture.mask.get());
}

bool ImageList::Replace(int index, HBITMAP bitmap, HBITMAP mask) {
    if (!list_ || index < 0 || index >= Count()) return false;
    return ImageList_Replace(list_.get(), index, bitmap, mask) != FALSE;
}

bool ImageList::Replace(int index, Bitmap& bitmap) {
    if (WriteInPlace(index, bitmap)) return true;
    auto released = bitmap.Unselect();
    return Replace(index, bitmap.Handle());
}

bool ImageList::WriteInPlace(int index, const Bitmap& bitmap) {
    // A list of 24-bit colour without a mask keeps its pictures in one DIB
    // section: a 32-bit picture of the list's size is written straight into
    // its cell. That spares a DC, two selections and GDI's general blit for
    // every picture, which is most of what filling a list of thumbnails
    // costs. Any other kind of list or picture goes the documented way.
    if (!list_ || bitmap.Format() != PixelFormat::Bgra32 || bitmap.Width() != Width() ||
        bitmap.Height() != Height() || index < 0 || index >= Count())
        return false;
    IMAGEINFO info{};
    if (!ImageList_GetImageInfo(list_.get(), index, &info) || info.hbmMask) return false;
    DIBSECTION section{};
    if (GetObjectA(info.hbmImage, sizeof section, &section) != static_cast<int>(sizeof section) ||
        !section.dsBm.bmBits || section.dsBm.bmBitsPixel != 24)
        return false;
    const RECT cell = info.rcImage;
    if (cell.left < 0 || cell.top < 0 || cell.right - cell.left != bitmap.Width() ||
        cell.bottom - cell.top != bitmap.Height() || cell.right > section.dsBm.bmWidth ||
        cell.bottom > section.dsBm.bmHeight)
        return false;
    const uint8_t* from = bitmap.Bits();  // flushes GDI's pending drawing, the list's too
    if (!from) return false;
    const bool bottomUp = section.dsBmih.biHeight > 0;
    const ptrdiff_t stride = section.dsBm.bmWidthBytes;
    const int topRow = bottomUp ? section.dsBm.bmHeight - 1 - cell.top : cell.top;
    uint8_t* to = static_cast<uint8_t*>(section.dsBm.bmBits) + topRow * stride + cell.left * 3;
    CopyBgraToBgr(from, bitmap.Stride(), to, bottomUp ? -stride : stride, bitmap.Width(),
                  bitmap.Height());
    return true;
}

bool ImageList::ReplacePixels(int index, const uint32_t* argb, int width, int height) {
    if (!argb || width != Width() || height != Height()) return false;
    PixelPicture picture = MakePixelPicture(argb, width, height, (flags_ & 0xFE) == ILC_COLOR32);
    return picture.colour && Replace(index, picture.colour.get(), picture.mask.get());
}

void ImageList::SetImageCount(int count) {
    if (Handle()) ImageList_SetImageCount(Handle(), static_cast<UINT>(count));
}

void ImageList::Clear() {
    if (list_) ImageList_Remove(list_.get(), -1);
}

void ImageList::Draw(int index, HDC dc, int x, int y, bool enabled) const {
    if (!list_ || index < 0 || index >= Count()) return;
    if (enabled) {
        ImageList_Draw(list_.get(), index, dc, x, y, ILD_TRANSPARENT);
        return;
    }
    // The embossed look of DrawState, as toolbars and menus show disabled
    // pictures; ILS_SATURATE would need version 6 of the common controls.
    IconOwner icon(ImageList_GetIcon(list_.get(), index, ILD_TRANSPARENT));
    if (!icon) return;
    // DrawState paints through a monochrome mask, which takes the DC's text
    // and background colours as its two colours.
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF background = SetBkColor(dc, RGB(255, 255, 255));
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.get()), 0, x, y, Width(),
               Height(), DST_ICON | DSS_DISABLED);
    SetTextColor(dc, text);
    SetBkColor(dc, background);
}

bool ImageList::CopyImage(int index, HDC dc) const {
    if (!list_ || index < 0 || index >= Count()) return false;
    return ImageList_Draw(list_.get(), index, dc, 0, 0, ILD_NORMAL) != FALSE;
}

IconOwner ImageList::GetIcon(int index) const {
    if (!list_ || index < 0 || index >= Count()) return {};
    return IconOwner(ImageList_GetIcon(list_.get(), index, ILD_NORMAL));
}

}  // namespace vistrel::tk
