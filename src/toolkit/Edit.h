#pragma once
// Edit: a single-line edit box with a sunken border. Its creation style comes
// from CreateParams, which a specialisation extends with styles the control
// only takes at creation (alignment, digits only); RecreateWnd then makes the
// window anew with them, as the VCL does.

#include <windows.h>

#include <string>

#include "toolkit/Window.h"

namespace vistrel::tk {

class Edit : public Window {
public:
    void Create(Window* parent, int id, const RECT& bounds, const std::string& text = "");

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    NotifyEvent OnChange;  // the text changed, typed or set (not at creation)

protected:
    // The window style to create with; `style` is the plain edit's.
    virtual DWORD CreateParams(DWORD style) const { return style; }
    // The window anew with the current CreateParams. What a user sees stays:
    // text, font, bounds, id, read-only, enabled and visible state, the place
    // in the tab order, the focus, and the up-down controls whose buddy it was.
    void RecreateWnd();

    bool OnCommand(WORD id, WORD code) override;

private:
    void Make(Window* parent, int id, const RECT& bounds, const std::string& text, DWORD extraStyle);

    bool readOnly_ = false;
};

}  // namespace vistrel::tk
