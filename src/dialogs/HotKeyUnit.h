#pragma once
// THotKeyDlg: "ホットキー設定". The user presses the key combination that
// calls the program from anywhere; a cleared control (Backspace) is no hot
// key at all. The caller registers what OK chose.

#include <windows.h>

#include "common/HotKeySetting.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/HotKeyEdit.h"

namespace vistrel {

class THotKeyDlg : public tk::Form {
public:
    // `current`: the hot key in use, shown in the control. `ownerForm`: the
    // program's window that waits for the dialog.
    THotKeyDlg(HotKey current, HWND ownerForm);

    // The combination the control holds, kNoHotKey when cleared; `current`
    // as it came (Win included, which the control cannot show) while the
    // control still shows it.
    HotKey Chosen() const { return ChosenHotKey(current_, HotKey1.HotKey()); }

    tk::HotKeyEdit HotKey1;
    tk::Button OKBtn;
    tk::Button CancelBtn;

private:
    HotKey current_;
};

}  // namespace vistrel
