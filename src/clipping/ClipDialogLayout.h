#pragma once
// The clipping setting dialog's size: the picture at three quarters of the
// window beside the list panel, above the OK and cancel panel. However small
// the window, the dialog is tall and wide enough for every control of the
// panels; however large, it stays on the work area and the picture scrolls.

#include "common/DpiScale.h"
#include "common/Geometry.h"

namespace vistrel {

// The panels and the controls whose place decides the smallest dialog, in
// client pixels.
constexpr int kClipListPanelWidth = 107;     // the list and its buttons, at the right
constexpr int kClipButtonPanelHeight = 41;   // OK and cancel, at the bottom
constexpr int kClipPointerLabelTop = 260;    // the pointer position, the list panel's last control
constexpr int kClipPointerLabelHeight = 16;
constexpr int kClipOkCancelWidth = 75;       // each of OK and cancel
constexpr int kClipOkCancelGap = 4;          // from the form's middle to each of them
// The smallest outer height, for a window of hardly any height.
constexpr int kClipDialogMinimumHeight = 320;

// The panels' sizes are at 96 DPI and scaled to `dpi`; the picture is of the
// window's own pixels and is not.
struct ClipDialogMetrics {
    int captionButtonHeight = 0;  // SM_CYSIZE
    Size frame;                   // outer size less client size for the dialog's style
    Size workArea;
    int dpi = kBaseDpi;
};

// The dialog's outer size for a picture shown at `displayed`.
Size ClipDialogSize(Size displayed, const ClipDialogMetrics& metrics);

}  // namespace vistrel
