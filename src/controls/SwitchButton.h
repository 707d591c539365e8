#pragma once
// TSwitchButton: our own drawn push or toggle button. The face is an ellipse
// or a rounded or square rectangle shaded from a darkened base colour at the
// bottom to lighter rows at the top, with a light rim, a black shadow and an
// optional caption; pressed, the face shifts down and right. Buttons on one
// parent with the same non-zero GroupIndex form a radio group, and clicks
// count only on the drawn shape (a quarter-resolution mask). The rules are
// SwitchButtonModel's; this file draws and routes messages. The control's
// own Color is the background around the face.

#include <windows.h>

#include <string>

#include "controls/DrawnControl.h"
#include "controls/SwitchButtonModel.h"
#include "toolkit/MouseEvents.h"
#include "toolkit/Window.h"

namespace vistrel {

class TSwitchButton : public DrawnControl, public tk::MouseEvents {
public:
    TSwitchButton();

    void Create(tk::Window* parent, int id, const RECT& bounds);
    // After the properties are set: the mask takes the final size and style,
    // and the next SetDown is taken as it is (a button created latched).
    void Loaded();

    tk::NotifyEvent OnClick;
    tk::MouseEvent OnMouseUp;

    // Properties.
    bool Down() const { return state_.down; }
    void SetDown(bool value);
    bool AllowAllUp() const { return state_.allowAllUp; }
    void SetAllowAllUp(bool value) { state_.allowAllUp = value; }
    int GroupIndex() const { return state_.groupIndex; }
    void SetGroupIndex(int value) { state_.groupIndex = value; }
    BTNSTYLE ButtonStyle() const { return style_; }
    void SetButtonStyle(BTNSTYLE style) { Assign(style_, style); }
    void SetBtnColor(COLORREF color) { Assign(colorButton_, color); }
    void SetDownColor(COLORREF color) { Assign(colorDown_, color); }
    void SetDownTextColor(COLORREF color) { Assign(colorDownText_, color); }
    void SetLightColor(COLORREF color) { Assign(lightColor_, color); }
    void SetCaptionAlign(ALIGN align);
    // A value outside the button is taken as 0.
    void SetCaptionLeft(int value);
    void SetCaptionTop(int value);
    void SetText(const std::string& caption) { Assign(caption_, caption); }
    const std::string& Caption() const { return caption_; }
    void SetDownFrg(bool value) { Assign(state_.downFrg, value); }
    void SetRoundSize(int value) { Assign(roundSize_, value); }
    void SetShadowX(int value) { Assign(shadowX_, value); }
    void SetShadowY(int value) { Assign(shadowY_, value); }
    void SetShadowColor(COLORREF color) { Assign(shadowColor_, color); }
    void SetShadowDownColor(COLORREF color) { Assign(shadowDownColor_, color); }
    void SetFontColor(COLORREF color) { Assign(fontColor_, color); }
    void SetEnabled(bool value);
    bool Cancel = false;   // kept for forms that set them; no behaviour
    bool Default = false;

    bool Pressed() const { return state_.pressed; }
    // Whether a click at this client point would count.
    bool Inside(int x, int y) const { return mask_.Contains(x, y); }
    int ParentBtnCount() const;

protected:
    bool Paintable(int width, int height) const override { return SwitchPaintable(width, height); }
    void Draw(tk::Bitmap& buffer, int width, int height) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnResized() override;

private:
    void BuildMask();
    void BtnPaint();
    void MouseDown(const tk::MouseInfo& mouse);
    void MouseMove(const tk::MouseInfo& mouse);
    void MouseUp(const tk::MouseInfo& mouse);
    void UpPrg();
    void Release();
    void CheckControls();

    void EllipseButtonUp(tk::Canvas& canvas);
    void RoundButtonUp(tk::Canvas& canvas);
    void EllipseDraw(tk::Canvas& canvas, COLORREF color);
    void RoundDraw(tk::Canvas& canvas, COLORREF color);
    void RectDraw(tk::Canvas& canvas, COLORREF color);
    void FillMarkedRows(tk::Canvas& canvas, SwitchFace face, COLORREF color);
    void CaptionPaint(tk::Canvas& canvas, int dx, int dy);
    int FontHeight() const;

    SwitchState state_;
    SwitchHitMask mask_;
    BTNSTYLE style_ = btRound;
    COLORREF colorButton_;
    COLORREF colorDown_;
    COLORREF colorDownText_;
    COLORREF lightColor_ = RGB(128, 128, 128);
    COLORREF fontColor_;
    ALIGN captionAlign_ = psCenter;
    int captionLeft_ = 0;
    int captionTop_ = 0;
    std::string caption_;
    int roundSize_ = 0;
    int shadowX_ = 0;
    int shadowY_ = 0;
    COLORREF shadowColor_ = RGB(0, 0, 0);
    COLORREF shadowDownColor_ = RGB(0, 0, 0);
    COLORREF faceColour_ = 0;  // chosen at the last paint
    COLORREF textColour_ = 0;
    bool enabled_ = true;

    // A drag that re-entered a button is tracked once for the whole program.
    static bool dragging_;
};

}  // namespace vistrel
