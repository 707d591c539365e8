#include "controls/SwitchButton.h"

#include <vector>

#include "toolkit/Colours.h"

namespace vistrel {

namespace {

constexpr COLORREF kMarker = RGB(255, 0, 0);  // face pixels still to be shaded

}  // namespace

bool TSwitchButton::dragging_ = false;

TSwitchButton::TSwitchButton()
    : colorButton_(GetSysColor(COLOR_BTNFACE)),
      colorDown_(GetSysColor(COLOR_BTNFACE)),
      colorDownText_(GetSysColor(COLOR_WINDOWTEXT)),
      fontColor_(GetSysColor(COLOR_WINDOWTEXT)) {}

void TSwitchButton::Create(tk::Window* parent, int id, const RECT& bounds) {
    // No CS_DBLCLKS: a quick second click is a second press, not a double click.
    CreateOwn("TSwitchButton", parent, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, id, "", 0);
    BuildMask();
}

void TSwitchButton::Loaded() {
    state_.loading = true;
    BuildMask();
    Invalidate();
}

void TSwitchButton::OnResized() { BuildMask(); }

void TSwitchButton::BuildMask() { mask_.Build(style_, ClientWidth(), ClientHeight(), roundSize_); }

// --- Properties -------------------------------------------------------------

void TSwitchButton::SetDown(bool value) {
    state_.SetDown(value);
    CheckControls();
    BtnPaint();
}

void TSwitchButton::SetCaptionAlign(ALIGN align) {
    captionTop_ = 0;
    Assign(captionAlign_, align);
}

void TSwitchButton::SetCaptionLeft(int value) {
    Assign(captionLeft_, value >= 0 && value < Width() ? value : 0);
}

void TSwitchButton::SetCaptionTop(int value) {
    Assign(captionTop_, value >= 0 && value < Height() ? value : 0);
}

void TSwitchButton::SetEnabled(bool value) {
    tk::Window::SetEnabled(value);
    enabled_ = value;
    if (Visible()) BtnPaint();
}

// --- Groups -----------------------------------------------------------------

int TSwitchButton::ParentBtnCount() const {
    int count = 0;
    const HWND parent = Handle() ? GetParent(Handle()) : nullptr;
    for (HWND h = parent ? GetWindow(parent, GW_CHILD) : nullptr; h; h = GetWindow(h, GW_HWNDNEXT))
        if (dynamic_cast<TSwitchButton*>(tk::Window::FromHandle(h))) ++count;
    return count;
}

void TSwitchButton::CheckControls() {
    if (!state_.ReleasesGroup() || !Handle()) return;
    const HWND parent = GetParent(Handle());
    for (HWND h = parent ? GetWindow(parent, GW_CHILD) : nullptr; h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (h == Handle()) continue;
        auto* other = dynamic_cast<TSwitchButton*>(tk::Window::FromHandle(h));
        if (other && other->state_.ReleaseForGroupOf(state_.groupIndex)) other->Invalidate();
    }
}

// --- Mouse ------------------------------------------------------------------

void TSwitchButton::MouseDown(const tk::MouseInfo& mouse) {
    if (!Inside(mouse.x, mouse.y)) return;
    if (mouse.button == tk::MouseButton::Left) {
        state_.Press();
        // The release may come outside the button; it must still reach us.
        SetCapture(Handle());
        BtnPaint();
    }
    if (OnMouseDown) OnMouseDown(*this, mouse);
}

void TSwitchButton::MouseMove(const tk::MouseInfo& mouse) {
    if (mouse.keys & MK_LBUTTON) {
        const bool inside = mouse.x > 0 && mouse.x < ClientWidth() && mouse.y > 0 &&
                            mouse.y < ClientHeight() && Inside(mouse.x, mouse.y);
        if (state_.Drag(inside, dragging_)) BtnPaint();
    }
    if (OnMouseMove) OnMouseMove(*this, mouse);
}

void TSwitchButton::MouseUp(const tk::MouseInfo& mouse) {
    const bool left = mouse.button == tk::MouseButton::Left;
    if (!Inside(mouse.x, mouse.y)) {
        // Dragged off: no click, but the button must not stay pressed, and a
        // grouped button whose Down the press already changed settles its group.
        if (left && state_.pressed) UpPrg();
    } else {
        if (left) {
            Release();
            if (OnClick) OnClick(*this);
        }
        if (OnMouseUp) OnMouseUp(*this, mouse);
    }
    if (left && GetCapture() == Handle()) ReleaseCapture();
}

void TSwitchButton::UpPrg() { Release(); }

void TSwitchButton::Release() {
    state_.ClearPress();
    CheckControls();
    if (state_.FinishRelease()) BtnPaint();
    dragging_ = false;  // a drag ends with the button that ends it
}

// --- Painting ---------------------------------------------------------------

void TSwitchButton::BtnPaint() { Repaint(); }

void TSwitchButton::Draw(tk::Bitmap& buffer, int width, int height) {
    tk::Canvas& canvas = buffer.GetCanvas();
    canvas.SetPenWidth(1);
    canvas.SetBrushColor(Color());
    canvas.FillRect({0, 0, width, height});
    if (style_ == btEllipse)
        EllipseButtonUp(canvas);
    else if (style_ == btRound)
        RoundButtonUp(canvas);
    if (!caption_.empty()) {
        const int shift = CaptionShift(state_.Drawing());
        CaptionPaint(canvas, shift, shift);
    }
}

void TSwitchButton::EllipseButtonUp(tk::Canvas& canvas) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    if (enabled_) {
        canvas.SetPenColor(lightColor_);
        canvas.SetBrushColor(lightColor_);
        canvas.Ellipse({0, 0, width, height});
        canvas.SetPenColor(tk::clBlack);
        canvas.SetBrushColor(tk::clBlack);
    } else {
        canvas.SetBrushStyle(tk::BrushStyle::Clear);
        canvas.SetPenColor(tk::clWhite);
        canvas.Ellipse({1, 1, width, height});
        canvas.SetPenColor(tk::clGray);
    }
    // Enabled: a black body leaving a crescent of the rim colour at the lower
    // right; disabled: the other half of an embossed outline.
    canvas.Ellipse({0, 0, width - 1, height - 1});
    faceColour_ = FaceColour(state_, colorButton_, colorDown_, faceColour_);
    EllipseDraw(canvas, faceColour_);
}

void TSwitchButton::RoundButtonUp(tk::Canvas& canvas) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    if (enabled_) {
        canvas.SetPenColor(tk::clBlack);
        canvas.SetBrushColor(tk::clBlack);
        canvas.RoundRect({0, 0, width, height}, roundSize_, roundSize_);
    } else {
        canvas.SetPenColor(tk::clWhite);
        canvas.SetBrushStyle(tk::BrushStyle::Clear);
        canvas.RoundRect({1, 1, width, height}, roundSize_, roundSize_);
        canvas.SetPenColor(tk::clGray);
        canvas.RoundRect({0, 0, width - 1, height - 1}, roundSize_, roundSize_);
    }
    faceColour_ = FaceColour(state_, colorButton_, colorDown_, faceColour_);
    if (roundSize_ != 0)
        RoundDraw(canvas, faceColour_);
    else
        RectDraw(canvas, faceColour_);
}

void TSwitchButton::EllipseDraw(tk::Canvas& canvas, COLORREF color) {
    const SwitchRect face = RampFace(SwitchFace::Ellipse, state_.Drawing(), ClientWidth(), ClientHeight());
    canvas.SetPenColor(kMarker);
    canvas.SetBrushColor(kMarker);
    canvas.Ellipse({face.left, face.top + 1, face.right, face.bottom});
    FillMarkedRows(canvas, SwitchFace::Ellipse, color);
}

void TSwitchButton::RoundDraw(tk::Canvas& canvas, COLORREF color) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    const SwitchRect face = RampFace(SwitchFace::Round, state_.Drawing(), width, height);
    canvas.SetPenColor(tk::clWhite);
    canvas.SetBrushStyle(tk::BrushStyle::Clear);
    canvas.RoundRect({0, 0, width, height}, roundSize_, roundSize_);
    canvas.SetPenColor(tk::clBlack);
    canvas.SetBrushColor(tk::clBlack);
    canvas.RoundRect({0, 0, width - 1, height - 1}, roundSize_, roundSize_);
    canvas.SetPenColor(kMarker);
    canvas.SetBrushColor(kMarker);
    canvas.RoundRect({face.left, face.top + 1, face.right, face.bottom}, roundSize_, roundSize_);
    FillMarkedRows(canvas, SwitchFace::Round, color);
}

// Each row's marked pixels become the row's shade, the span mirrored about
// the face's centre so that the shape stays symmetric.
void TSwitchButton::FillMarkedRows(tk::Canvas& canvas, SwitchFace shape, COLORREF color) {
    const int width = ClientWidth();
    const SwitchRect face = RampFace(shape, state_.Drawing(), width, ClientHeight());
    const int rows = RampRows(face);
    const std::vector<SwitchColour> shades = RampColours(color, ClientHeight(), rows);
    for (int row = 0; row < rows; ++row) {
        const int y = face.bottom - row;
        for (int x = face.left; x < width; ++x) {
            if (canvas.Pixel(x, y) != kMarker) continue;
            canvas.SetPenColor(shades[static_cast<size_t>(row)]);
            canvas.MoveTo(x, y);
            canvas.LineTo(face.right + face.left - x, y);
        }
    }
}

void TSwitchButton::RectDraw(tk::Canvas& canvas, COLORREF color) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    const SwitchRect face = RampFace(SwitchFace::Rect, state_.Drawing(), width, height);
    const int rows = RampRows(face);
    const std::vector<SwitchColour> shades = RampColours(color, height, rows);
    for (int row = 0; row < rows; ++row) {
        const int y = face.bottom - row;
        canvas.SetPenColor(shades[static_cast<size_t>(row)]);
        canvas.MoveTo(face.left, y);
        canvas.LineTo(face.right, y);
    }
    // With RoundButtonUp's black rectangle: a thin black edge top and left, a
    // two-pixel shadow bottom and right, and a white outer edge there.
    canvas.SetPenColor(tk::clWhite);
    canvas.MoveTo(0, height - 1);
    canvas.LineTo(width - 1, height - 1);
    canvas.LineTo(width - 1, 0);
}

int TSwitchButton::FontHeight() const {
    LOGFONTA font{};
    GetObjectA(TextFont(), sizeof font, &font);
    return static_cast<int>(font.lfHeight);
}

void TSwitchButton::CaptionPaint(tk::Canvas& canvas, int dx, int dy) {
    canvas.SetBrushStyle(tk::BrushStyle::Clear);
    canvas.SetFont(TextFont());
    const int x = CaptionX(captionLeft_, ClientWidth(), canvas.TextWidth(caption_));
    const int y = captionTop_ != 0 ? captionTop_ : TextPosition(captionAlign_, ClientHeight(), FontHeight());
    if (!enabled_) {
        canvas.SetFontColor(tk::clWhite);
        canvas.TextOut(x + dx + 1, y + dy + 1, caption_);
        canvas.SetFontColor(tk::clGray);
        canvas.TextOut(x + dx, y + dy, caption_);
        return;
    }
    textColour_ = CaptionColour(state_, fontColor_, colorDownText_,
                                colorDownText_ == GetSysColor(COLOR_WINDOWTEXT), textColour_);
    if (shadowX_ != 0 || shadowY_ != 0) {
        canvas.SetFontColor(state_.pressed || state_.down ? shadowDownColor_ : shadowColor_);
        canvas.TextOut(x + dx + shadowX_, y + dy + shadowY_, caption_);
    }
    canvas.SetFontColor(textColour_);
    canvas.TextOut(x + dx, y + dy, caption_);
}

// --- Messages ---------------------------------------------------------------

LRESULT TSwitchButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    tk::MouseInfo mouse;
    mouse.keys = wParam;
    mouse.x = static_cast<short>(LOWORD(lParam));  // signed: a captured mouse may be left of us
    mouse.y = static_cast<short>(HIWORD(lParam));
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        mouse.button = message == WM_LBUTTONDOWN ? tk::MouseButton::Left : tk::MouseButton::Right;
        MouseDown(mouse);
        break;  // the window's own handling (hints) follows
    case WM_MOUSEMOVE:
        MouseMove(mouse);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        mouse.button = message == WM_LBUTTONUP ? tk::MouseButton::Left : tk::MouseButton::Right;
        MouseUp(mouse);
        break;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-press (a menu, a dialog): let go, no click.
        if (state_.pressed && reinterpret_cast<HWND>(lParam) != Handle()) UpPrg();
        return 0;
    case BM_CLICK: {
        // Accessibility tools and scripts click buttons this way: a press and
        // release at the centre, which counts only where the shape is.
        if (!enabled_) return 0;
        tk::MouseInfo centre;
        centre.x = ClientWidth() / 2;
        centre.y = ClientHeight() / 2;
        MouseDown(centre);
        MouseUp(centre);
        return 0;
    }
    default:
        break;
    }
    return DrawnControl::WndProc(message, wParam, lParam);
}

}  // namespace vistrel
