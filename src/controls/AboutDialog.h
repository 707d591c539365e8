#pragma once
// TAboutDialog: the texts and colours of the program's version box, which
// Execute shows modally (TVersionBox). Only one box is open at a time: an
// Execute while one is open returns at once.

#include <windows.h>

#include <string>

#include "controls/VersionBoxModel.h"
#include "toolkit/Component.h"
#include "toolkit/Window.h"

namespace vistrel {

class TAboutDialog : public tk::Component {
public:
    // owner: the form whose window the box stays above and disables while
    // it runs (null: none). It must outlive every Execute.
    explicit TAboutDialog(tk::Window* owner = nullptr) : owner_(owner) {}

    std::string ApplicationTitle;  // the title line
    std::string VerNo;             // after the title, two spaces apart
    std::string VerNoMain;         // the version line
    std::string ProgramerName;     // in "Programming by ..."
    std::string Year;              // the year line
    std::string Corp;              // the maker's name, shown as the link
    COLORREF BackColor = kVersionBackColor;
    COLORREF DateColor = 0x606060;
    COLORREF TitleFontColor = 0;
    COLORREF VerFontColor = 0x606060;
    int JumpXY = 2;      // jitter range of the picture in pixels
    int StretchMax = 5;  // size wobble limit of the picture in pixels

    void Execute();

private:
    tk::Window* owner_;
    bool running_ = false;
};

}  // namespace vistrel
