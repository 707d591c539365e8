#include "controls/NewTrackBar.h"

namespace vistrel {

void TNewTrackBar::Create(tk::Window* parent, int id, const RECT& bounds) {
    tk::TrackBar::Create(parent, id, bounds);
    StyleSet();
}

void TNewTrackBar::SetBarStyle(TBarStyle style) {
    barStyle_ = style;
    StyleSet();
}

void TNewTrackBar::StyleSet() {
    if (!Handle()) return;
    const auto style = static_cast<uint32_t>(GetWindowLongA(Handle(), GWL_STYLE));
    const uint32_t wanted = TrackBarStyle(style, barStyle_);
    if (wanted == style) return;
    SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(wanted));
    // The control reads the style as it paints; the channel is drawn anew.
    Invalidate();
}

}  // namespace vistrel
