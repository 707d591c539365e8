#include "toolkit/HotKeyEdit.h"

#include <commctrl.h>

namespace vistrel::tk {

void HotKeyEdit::Create(Window* parent, int id, const RECT& bounds) {
    RegisterCommonControls(ICC_HOTKEY_CLASS);
    CreateControl(HOTKEY_CLASSA, parent, WS_CHILD | WS_VISIBLE | WS_TABSTOP, WS_EX_CLIENTEDGE, bounds, id, "");
}

HotKeyControlValue HotKeyEdit::HotKey() const {
    if (!Handle()) return {};
    const auto value = static_cast<WORD>(SendMessageA(Handle(), HKM_GETHOTKEY, 0, 0));
    return {LOBYTE(value), HIBYTE(value)};
}

void HotKeyEdit::SetHotKey(HotKeyControlValue value) {
    if (Handle()) SendMessageA(Handle(), HKM_SETHOTKEY, MAKEWORD(value.key, value.flags), 0);
}

void HotKeyEdit::SetRules(HotKeyControlRules rules) {
    if (Handle()) SendMessageA(Handle(), HKM_SETRULES, rules.refused, MAKELPARAM(rules.flags, 0));
}

bool HotKeyEdit::OnCommand(WORD, WORD code) {
    if (code != EN_CHANGE) return false;
    if (OnChange) OnChange(*this);
    return true;
}

}  // namespace vistrel::tk
