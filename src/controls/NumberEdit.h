#pragma once
// TNumberEdit: the program's number box, an edit whose text alignment is
// chosen at creation (right-justified unless set) and which the system can
// restrict to digits. Both are creation styles, so changing either makes the
// window anew; the text, font, place, read-only state, tab order and an
// attached up-down survive that.

#include "controls/ControlStyles.h"
#include "toolkit/Edit.h"

namespace vistrel {

class TNumberEdit : public tk::Edit {
public:
    ALIGNMENT Alignment() const { return alignment_; }
    void SetAlignment(ALIGNMENT alignment);
    bool NumberOnly() const { return numberOnly_; }
    void SetNumberOnly(bool numberOnly);

protected:
    DWORD CreateParams(DWORD style) const override;

private:
    ALIGNMENT alignment_ = etRightJustify;
    bool numberOnly_ = false;
};

}  // namespace vistrel
