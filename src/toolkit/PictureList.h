#pragma once
// PictureList: pictures of one size kept as 32-bit bitmaps, for a window
// that stretches them onto itself many times a second. An image list draws
// each picture through its own DC first (and checks its alpha), which costs
// several times the stretch itself; these are read in place.

#include <vector>

#include "toolkit/Bitmap.h"

namespace vistrel::tk {

class PictureList {
public:
    // Changes the size and empties the list.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(pictures_.size()); }

    // A copy of `picture` (drawn at the top-left corner) as the last picture.
    void Add(const Bitmap& picture);
    // False for an index outside the list.
    bool Replace(int index, const Bitmap& picture);
    // Picture k becomes the one that was at from[k]; a -1 or an index outside
    // the list gives a white picture, and the list ends after the last one
    // that had a source.
    void Rearrange(const std::vector<int>& from);
    // Null for an index outside the list.
    const Bitmap* Picture(int index) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Bitmap> pictures_;
};

}  // namespace vistrel::tk
