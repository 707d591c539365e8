#pragma once
// ProgressBarBase: what the two progress bars (TColorProgressBar over
// ColorProgressModel, TNewProgressBar over NewProgressModel) share: the
// model's range, position, blocks and bar style offered as properties, the
// font, and the mouse events. Each bar adds its own setters of the range and
// position (their names and refusals differ) and its picture.
//
// Block count and gap are checked against the control's size: set them after
// Create.

#include <windows.h>

#include <cstdint>

#include "controls/BarShapes.h"
#include "controls/DrawnControl.h"
#include "toolkit/MouseEvents.h"
#include "toolkit/Window.h"

namespace vistrel {

template <class Model>
class ProgressBarBase : public DrawnControl, public tk::MouseEvents {
public:
    // In the model's own number type: signed or unsigned 64 bits.
    auto Min() const { return model_.Min(); }
    auto Max() const { return model_.Max(); }
    auto Position() const { return model_.Position(); }
    auto GetPercentDone() const { return model_.GetPercentDone(); }
    void StepBy(int64_t delta) {
        if (model_.StepBy(delta)) Repaint();
    }

    // These repaint at the next paint.
    bool Smooth() const { return model_.smooth; }
    void SetSmooth(bool value) { Assign(model_.smooth, value); }
    int BlockCount() const { return model_.BlockCount(); }
    void SetBlockCount(int value) {
        model_.SetBlockCount(value, ClientWidth());
        Invalidate();
    }
    int BlockSpace() const { return model_.BlockSpace(); }
    void SetBlockSpace(int value) {
        model_.SetBlockSpace(value, ClientWidth(), ClientHeight());
        Invalidate();
    }
    PAINTTYPE BarStyle() const { return model_.barStyle; }
    void SetBarStyle(PAINTTYPE value) { Assign(model_.barStyle, value); }
    // Borrowed from an owner that outlives the control (the parent's unless set).
    void SetFont(HFONT font) {
        tk::Window::SetFont(font);
        Invalidate();
    }

protected:
    void CreateBar(const char* className, tk::Window* parent, int id, const RECT& bounds) {
        CreateOwn(className, parent, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, id, "",
                  CS_HREDRAW | CS_VREDRAW);
        if (parent && parent->Font() && !Font()) tk::Window::SetFont(parent->Font());
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        DispatchMouse(*this, Handle(), message, wParam, lParam);
        return DrawnControl::WndProc(message, wParam, lParam);
    }

    Model model_;
};

}  // namespace vistrel
