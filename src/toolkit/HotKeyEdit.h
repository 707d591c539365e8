#pragma once
// HotKeyEdit: the common controls' hot key control, which takes the key
// combination the user presses and shows it ("Ctrl + Alt + V"); a key it
// does not take alone (Backspace) clears it. Its value is what HKM_GETHOTKEY
// gives: the virtual key and the control's own flags (common/HotKeySetting.h
// turns them into RegisterHotKey's and back).

#include <windows.h>

#include "common/HotKeySetting.h"
#include "toolkit/Window.h"

namespace vistrel::tk {

class HotKeyEdit : public Window {
public:
    void Create(Window* parent, int id, const RECT& bounds);

    HotKeyControlValue HotKey() const;
    void SetHotKey(HotKeyControlValue value);  // no OnChange
    // A key pressed with a refused combination gets the rules' flags instead;
    // SetHotKey is not bound by them.
    void SetRules(HotKeyControlRules rules);

    NotifyEvent OnChange;  // what it shows changed under the user's keys

protected:
    bool OnCommand(WORD id, WORD code) override;
};

}  // namespace vistrel::tk
