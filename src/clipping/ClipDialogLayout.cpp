#include "clipping/ClipDialogLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vistrel {

namespace {

// Room around the picture beside and below the panels.
constexpr int kPictureMargin = 12;
// Below the list panel's last control.
constexpr int kPanelBottomMargin = 8;

// The picture comes from a window of any size: the sums are done in 64 bits.
int Held(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, std::numeric_limits<int>::max()));
}

}  // namespace

Size ClipDialogSize(Size displayed, const ClipDialogMetrics& metrics) {
    const auto scaled = [&](int length96) { return int64_t{ScaleToDpi(length96, metrics.dpi)}; };
    const int64_t listPanelWidth = scaled(kClipListPanelWidth);
    const int64_t buttonPanelHeight = scaled(kClipButtonPanelHeight);
    const int64_t forPictureWidth = int64_t{displayed.width} + listPanelWidth + scaled(kPictureMargin);
    const int64_t forPictureHeight =
        int64_t{metrics.captionButtonHeight} + displayed.height + buttonPanelHeight + scaled(kPictureMargin);

    // The list panel's controls stand at fixed places from its top; below
    // them comes the OK and cancel panel.
    const int64_t forPanels = int64_t{metrics.frame.height} + scaled(kClipPointerLabelTop) +
                              scaled(kClipPointerLabelHeight) + scaled(kPanelBottomMargin) + buttonPanelHeight;
    // OK and cancel sit either side of the middle of the outer width, and
    // cancel must end inside the client area: half the outer width plus the
    // button may be no wider than the client.
    const int64_t forButtons = 2 * (scaled(kClipOkCancelGap) + scaled(kClipOkCancelWidth) + metrics.frame.width);
    const int64_t forList = listPanelWidth + metrics.frame.width;

    const int64_t width = std::max({forPictureWidth, forButtons, forList});
    const int64_t height = std::max({forPictureHeight, forPanels, scaled(kClipDialogMinimumHeight)});
    return {Held(std::min<int64_t>(width, metrics.workArea.width)),
            Held(std::min<int64_t>(height, metrics.workArea.height))};
}

}  // namespace vistrel
