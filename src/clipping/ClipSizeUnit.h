#pragma once
// TOKBottomDlg: "クリッピング設定". Shows a window's picture at three quarters
// of its size; the user picks or adds an entry of the list and drags its
// rectangle over the picture. OK hands the edited set back; cancel leaves
// the window's set as it was. What the list and the drags mean is the
// ClipEditor's; this form shows it.

#include <windows.h>

#include "clipping/ClipEditor.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/Panel.h"
#include "toolkit/ScrollBox.h"
#include "toolkit/Timer.h"

namespace vistrel {

class TOKBottomDlg : public tk::Form {

public:
    // `picture`: the window at its full size, read here and not kept.
    TOKBottomDlg(HWND owner, const tk::Bitmap& picture, const ClipSet& clips);
    ~TOKBottomDlg() override;

    // The set OK stands for (compacted).
    ClipSet Result() const { return editor_.Result(); }

    tk::ScrollBox ScrollBox1;  // the picture scrolls when the window is larger than the screen
    tk::Image Image1;
    tk::Panel Panel2;
    tk::Label Label2;
    tk::ListBox ListBox1;
    tk::Button Button1;
    tk::Button Button2;
    tk::Label Label1;
    tk::Panel Panel1;
    tk::Button OKBtn;
    tk::Button CancelBtn;
    tk::Timer Timer1;

private:
    void FormShow();
    void FormResize();
    void Image1MouseDown(const tk::MouseInfo& mouse);
    void Image1MouseMove(const tk::MouseInfo& mouse);
    void Image1MouseUp(const tk::MouseInfo& mouse);
    void Timer1Timer();
    void ListBox1Click();
    void Button1Click();
    void Button2Click();

    // The list as the editor has it, and the frame of `rect` over the picture.
    void ShowEntries();
    void DrawFrame(const Rect& rect);
    void ShowClean();

    ClipEditor editor_;
    tk::Bitmap clean_;  // the scaled picture without a frame
    int displayedWidth_ = 0;
    int displayedHeight_ = 0;
};

}  // namespace vistrel
