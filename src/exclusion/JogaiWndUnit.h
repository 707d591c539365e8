#pragma once
// TJogaiDlg: "除外リスト". The programs of the exclusion list, each with its
// icon, product name and file name; the user deletes lines from the list's
// context menu, and OK makes what is left the exclusion list. Cancel, or a
// close of the dialog, leaves the list as it was.

#include <windows.h>

#include <string>
#include <vector>

#include "exclusion/ExclusionList.h"
#include "exclusion/JogaiIds.h"
#include "exclusion/JogaiModel.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListBox.h"
#include "toolkit/Menu.h"

namespace vistrel {

class TJogaiDlg : public tk::Form {
    // What is shown of one line, read when the dialog opens.
    struct Program {
        std::string productName;
        std::u16string fileName;
        tk::IconOwner icon;  // none when the shell has no icon for the path
    };
    // Before the controls: they go first, and none holds a font or draws an
    // icon that is already gone.
    std::vector<Program> programs_;  // one per line of the list

public:
    // The dialog works on a copy of `list`, which stays the caller's. `glyphs`
    // are the owner's menu pictures; highColour: the display had more than
    // 10 bits per pixel when the program started. Every line's product name
    // and icon are read here, once: a path on a drive that does not answer
    // holds up the opening, never each repaint.
    TJogaiDlg(ExclusionList& list, tk::Form& owner, tk::ImageList& glyphs, bool highColour);

    tk::Edit Edit1;
    tk::ListBox ListBox1;
    tk::Button OKBtn;
    tk::Button CancelBtn;
    tk::PopupMenu PopupMenu1;
    tk::MenuItem Delete1{ids::JogaiDelete1};

private:
    void OKBtnClick();
    void Delete1Click();
    void ListBox1Click();
    void ListBox1DrawItem(int index, const RECT& rect, bool selected);
    void PopupMenu1Popup();

    ExclusionList& list_;
    ExclusionDraft draft_;
    bool highColour_;
    tk::Bitmap iconPicture_{tk::PixelFormat::Bgra32};  // an entry's icon, tinted when selected
};

}  // namespace vistrel
