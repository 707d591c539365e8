#pragma once
// THotKeyDlg: "ホットキー設定". The user presses the key combination that
// calls the program from anywhere; a cleared control (Backspace) is no hot
// key at all. OK ends it only with a key AllowedHotKey allows that the
// caller could register; otherwise a box says why and the dialog stays.

#include <windows.h>

#include <functional>

#include "common/HotKeySetting.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/HotKeyEdit.h"

namespace vistrel {

class THotKeyDlg : public tk::Form {
public:
    // Makes the key the hot key (kNoHotKey: none); false when another
    // program holds it.
    using TakeHotKey = std::function<bool(HotKey)>;

    // `current`: the hot key in use, shown in the control. `ownerForm`: the
    // program's window that waits for the dialog.
    THotKeyDlg(HotKey current, HWND ownerForm, TakeHotKey take);

    // The combination the control holds, kNoHotKey when cleared; `current`
    // as it came (Win included, which the control cannot show) while the
    // control still shows it.
    HotKey Chosen() const { return ChosenHotKey(current_, HotKey1.HotKey()); }

    tk::HotKeyEdit HotKey1;
    tk::Button OKBtn;
    tk::Button CancelBtn;

private:
    void OKBtnClick();

    HotKey current_;
    TakeHotKey take_;
};

}  // namespace vistrel
