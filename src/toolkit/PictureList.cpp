#include "toolkit/PictureList.h"

namespace vistrel::tk {

void PictureList::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
    pictures_.clear();
}

void PictureList::Add(const Bitmap& picture) {
    pictures_.emplace_back(width_, height_, PixelFormat::Bgra32);
    Replace(Count() - 1, picture);
}

bool PictureList::Replace(int index, const Bitmap& picture) {
    if (index < 0 || index >= Count()) return false;
    pictures_[index].GetCanvas().CopyFrom(picture.Dc(), {0, 0, width_, height_}, {0, 0});
    return true;
}

const Bitmap* PictureList::Picture(int index) const {
    return index >= 0 && index < Count() ? &pictures_[index] : nullptr;
}

}  // namespace vistrel::tk
