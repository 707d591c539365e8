#include "controls/NumberEdit.h"

namespace vistrel {

void TNumberEdit::SetAlignment(ALIGNMENT alignment) {
    alignment_ = alignment;
    RecreateWnd();
}

void TNumberEdit::SetNumberOnly(bool numberOnly) {
    numberOnly_ = numberOnly;
    RecreateWnd();
}

DWORD TNumberEdit::CreateParams(DWORD style) const {
    return NumberEditStyle(tk::Edit::CreateParams(style), alignment_, numberOnly_);
}

}  // namespace vistrel
