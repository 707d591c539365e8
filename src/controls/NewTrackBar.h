#pragma once
// TNewTrackBar: the program's track bar. Its channel is either the wide
// selection-range box (styBox) or a plain thin line (styLine); every bar of
// the program uses the line. It draws nothing itself: the bar style only
// switches the control's selection-range style on the live window. Set a
// selection range before switching to the line: the control may ignore one
// set without the selection-range style (Wine's does).

#include "controls/ControlStyles.h"
#include "toolkit/TrackBar.h"

namespace vistrel {

class TNewTrackBar : public tk::TrackBar {
public:
    // The style chosen before creation is applied to the new window.
    void Create(tk::Window* parent, int id, const RECT& bounds);

    TBarStyle BarStyle() const { return barStyle_; }
    void SetBarStyle(TBarStyle style);

private:
    void StyleSet();

    TBarStyle barStyle_ = styBox;
};

}  // namespace vistrel
