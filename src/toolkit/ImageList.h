#pragma once
// ImageList: owns an HIMAGELIST. Pictures are copied in when added, so the
// bitmaps handed over stay the caller's (hand over a Bitmap with Add(Bitmap&),
// which takes it out of its DC for the duration).

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "toolkit/GdiOwners.h"

namespace vistrel::tk {

class Bitmap;

struct DestroyImageListHandle {
    void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};
using ImageListOwner = Owner<HIMAGELIST, DestroyImageListHandle>;

class ImageList {
public:
    ImageList() = default;

    // flags: ILC_COLOR24, ILC_COLOR32, with or without ILC_MASK. Replaces any
    // list made before (controls showing the old one must be given the new one).
    void Create(int width, int height, UINT flags, int initial, int grow);
    // Hands every picture over to the returned list and goes on empty, with
    // the same size and kind but a new handle: controls showing this list
    // must be given it again. No picture is copied.
    [[nodiscard]] ImageList TakePictures();
    // Changes the picture size and empties the list; the handle stays.
    void SetSize(int width, int height);
    int Width() const;
    int Height() const;
    int Count() const;
    HIMAGELIST Handle() const { return list_.get(); }

    // Each returns the index of the new picture, or -1.
    int Add(HBITMAP bitmap, HBITMAP mask = nullptr);
    int Add(Bitmap& bitmap);
    // Pixels of maskColour become transparent (masked lists only).
    int AddMasked(HBITMAP bitmap, COLORREF maskColour);
    // A picture of the list's size from 0xAARRGGBB pixels, row 0 on top.
    // Alpha below 128 is transparent in the mask of a masked list; a 32-bit
    // list also keeps the alpha itself.
    int AddPixels(const uint32_t* argb, int width, int height);

    bool Replace(int index, HBITMAP bitmap, HBITMAP mask = nullptr);
    bool Replace(int index, Bitmap& bitmap);
    bool ReplacePixels(int index, const uint32_t* argb, int width, int height);
    void Clear();
    // Makes room for exactly `count` pictures at once, to be filled with Replace.
    void SetImageCount(int count);

    // Transparent where the mask says so. Disabled draws the embossed grey
    // look of disabled toolbar and menu pictures.
    void Draw(int index, HDC dc, int x, int y, bool enabled = true) const;
    // Picture `index` onto dc at (0, 0), over whatever the dc holds where the
    // picture is transparent. False for an index outside the list.
    bool CopyImage(int index, HDC dc) const;
    // Picture `index` as an icon of its own (a window's or a button's);
    // empty for an index outside the list.
    IconOwner GetIcon(int index) const;

private:
    bool WriteInPlace(int index, const Bitmap& bitmap);

    ImageListOwner list_;
    UINT flags_ = 0;
    int grow_ = 4;
};

}  // namespace vistrel::tk
