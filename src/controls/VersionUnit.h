#pragma once
// TVersionBox: the version box TAboutDialog shows. A tinted panel holds the
// title, version, credit and year lines, the maker's name as a link to its
// home page, and the chick: Timer1 shows its two frames in turn, jitters it
// a little, lets its size breathe, and the mouse makes it swell or flinch.
// The decisions are VersionAnimation's; this file only shows them.

#include <windows.h>

#include "controls/VersionBoxModel.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/Timer.h"

namespace vistrel {

class TVersionBox : public tk::Form {
    // Declared before the controls, so that the controls go first.

public:
    // owner: the window the box stays above and disables while it runs.
    // random: the animation's numbers; empty for its own generator.
    explicit TVersionBox(HWND owner, VersionAnimation::Random random = {});

    tk::Panel Panel1;
    tk::Image Image1;       // the chick as shown, stretched to its current size
    tk::Image Image2;       // hidden: the sprite strip
    tk::Label StaticText1;  // title
    tk::Label Label2;       // credit
    tk::Label StaticText2;  // version
    tk::Label Label3;       // year
    tk::Label Label4;       // the maker's name, a link
    tk::Button OKButton;
    tk::Timer Timer1;

    // Set by TAboutDialog::Execute before the box is shown.
    void SetPanelColour(COLORREF colour);
    void SetJumpXY(int jumpXY) { animation_.JumpXY = jumpXY; }
    void SetStretchMax(int stretchMax) { animation_.StretchMax = stretchMax; }

    // Event handlers.
    void FormShow();
    void FormClose();
    void Timer1Timer();
    void Label4Click();
    void Image1MouseMove();
    void Image1MouseDown();
    void Panel1MouseMove();

private:
    void CreateControls();
    void LoadSprite();

    VersionAnimation animation_;
    POINT home_{};  // Image1's place before any jitter
};

}  // namespace vistrel
