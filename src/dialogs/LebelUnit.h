#pragma once
// TLebelDlg: "透過設定". In opacity mode it previews a level on the window
// being adjusted each time the user lets go of the track bar (mouse or key);
// in interval mode it chooses the automatic-update interval, and a
// right-click on the bar chooses the default.

#include <windows.h>

#include <functional>

#include "controls/NewTrackBar.h"
#include "dialogs/LevelDialogModel.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

namespace vistrel {

class TLebelDlg : public tk::Form {
public:
    // `preview`: the window whose opacity is chosen, or null for the
    // interval. `ownerForm`: the program's window that waits for the dialog.
    TLebelDlg(HWND preview, HWND ownerForm);

    LevelMode Mode() const { return mode_; }
    int Position() const { return NewTrackBar1.Position(); }
    // The track bar keeps it within its range; the label follows.
    void SetPosition(int position);

    // Shows a level on the preview window (opacity mode only).
    std::function<void(HWND preview, int level)> OnPreview;

    tk::Label Label1;
    TNewTrackBar NewTrackBar1;
    tk::Button OKBtn;
    tk::Button CancelBtn;

private:
    void NewTrackBar1Change();
    void NewTrackBar1MouseUp(const tk::MouseInfo& mouse);
    void NewTrackBar1KeyUp();
    void Preview();

    HWND preview_;
    LevelMode mode_;
};

}  // namespace vistrel
