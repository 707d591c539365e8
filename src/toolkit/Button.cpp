#include "toolkit/Button.h"

namespace vistrel::tk {

void Button::Create(Window* parent, int id, const RECT& bounds, const std::string& caption,
                    bool isDefault, bool isCancel) {
    CreateControl("BUTTON", parent,
                  WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
                  bounds, id, caption);
    Form* form = OwnForm();
    if (form && isDefault) form->SetDefaultButton(Handle());
    if (form && isCancel) form->SetCancelButton(Handle());
}

Form* Button::OwnForm() const {
    Window* window = Parent();
    while (window && !dynamic_cast<Form*>(window)) window = window->Parent();
    return static_cast<Form*>(window);
}

bool Button::OnCommand(WORD, WORD code) {
    if (code != BN_CLICKED) return false;
    if (OnClick) OnClick(*this);
    if (ModalResult != mrNone) {
        if (Form* form = OwnForm()) form->SetModalResult(ModalResult);
    }
    return true;
}

}  // namespace vistrel::tk
