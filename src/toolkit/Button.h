#pragma once
// Button: a push button. As in the VCL, a ModalResult other than mrNone ends
// the modal loop of the button's form when it is clicked, and the form's
// default button is clicked by Enter and its cancel button by Escape.

#include "toolkit/Form.h"

namespace vistrel::tk {

class Button : public Window {
public:
    // isDefault: drawn as the default button and made the form's Enter
    // button; isCancel: made the form's Escape button.
    void Create(Window* parent, int id, const RECT& bounds, const std::string& caption,
                bool isDefault = false, bool isCancel = false);

    int ModalResult = mrNone;
    NotifyEvent OnClick;

protected:
    bool OnCommand(WORD id, WORD code) override;

private:
    Form* OwnForm() const;
};

}  // namespace vistrel::tk
