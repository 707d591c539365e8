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

void PictureList::Rearrange(const std::vector<int>& from) {
    std::vector<Bitmap> before = std::move(pictures_);
    pictures_.clear();
    const auto had = [&](int source) { return source >= 0 && source < static_cast<int>(before.size()); };
    size_t count = from.size();
    while (count > 0 && !had(from[count - 1])) --count;
    for (size_t k = 0; k < count; ++k) {
        Bitmap& picture = pictures_.emplace_back(width_, height_, PixelFormat::Bgra32);
        if (had(from[k])) {
            picture.GetCanvas().CopyFrom(before[static_cast<size_t>(from[k])].Dc(), {0, 0, width_, height_}, {0, 0});
        } else {
            picture.GetCanvas().SetBrushColor(RGB(255, 255, 255));
            picture.GetCanvas().FillRect({0, 0, width_, height_});
        }
    }
}

const Bitmap* PictureList::Picture(int index) const {
    return index >= 0 && index < Count() ? &pictures_[index] : nullptr;
}

}  // namespace vistrel::tk
