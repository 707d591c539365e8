#include "toolkit/Canvas.h"

#include <utility>

#include "toolkit/Bitmap.h"
#include "platform/Text.h"

namespace vistrel::tk {

Canvas::Canvas(Canvas&& other) noexcept { *this = std::move(other); }

Canvas& Canvas::operator=(Canvas&& other) noexcept {
    if (this == &other) return *this;
    Release();
    dc_ = std::exchange(other.dc_, nullptr);
    brushColor_ = other.brushColor_;
    brushStyle_ = other.brushStyle_;
    penColor_ = other.penColor_;
    penWidth_ = other.penWidth_;
    fontColor_ = other.fontColor_;
    borrowedFont_ = other.borrowedFont_;
    brush_ = std::move(other.brush_);
    pen_ = std::move(other.pen_);
    ownFont_ = std::move(other.ownFont_);
    penDirty_ = std::exchange(other.penDirty_, true);
    brushDirty_ = std::exchange(other.brushDirty_, true);
    fontDirty_ = other.fontDirty_;
    originalPen_ = std::exchange(other.originalPen_, nullptr);
    originalBrush_ = std::exchange(other.originalBrush_, nullptr);
    originalFont_ = std::exchange(other.originalFont_, nullptr);
    return *this;
}

void Canvas::Attach(HDC dc) {
    Release();
    dc_ = dc;
}

void Canvas::Release() {
    if (dc_) {
        // The DC's own objects go back first, so that ours are no longer
        // selected anywhere when they are freed.
        if (originalPen_) SelectObject(dc_, originalPen_);
        if (originalBrush_) SelectObject(dc_, originalBrush_);
        if (originalFont_) SelectObject(dc_, originalFont_);
    }
    originalPen_ = originalBrush_ = originalFont_ = nullptr;
    pen_.reset();
    brush_.reset();
    penDirty_ = brushDirty_ = true;
    fontDirty_ = ownFont_ || borrowedFont_;
    dc_ = nullptr;
}

void Canvas::Select(HGDIOBJ object, HGDIOBJ& original) {
    HGDIOBJ previous = SelectObject(dc_, object);
    if (!original) original = previous;
}

void Canvas::PreparePen() {
    if (!dc_ || !penDirty_) return;
    PenOwner fresh(CreatePen(PS_SOLID, penWidth_, penColor_));
    Select(fresh.get(), originalPen_);
    pen_ = std::move(fresh);  // the previous pen is no longer selected
    penDirty_ = false;
}

void Canvas::PrepareBrush() {
    if (!dc_ || !brushDirty_) return;
    if (brushStyle_ == BrushStyle::Solid) {
        BrushOwner fresh(CreateSolidBrush(brushColor_));
        Select(fresh.get(), originalBrush_);
        brush_ = std::move(fresh);
    } else {
        Select(GetStockObject(NULL_BRUSH), originalBrush_);
        brush_.reset();
    }
    brushDirty_ = false;
}

void Canvas::PrepareFont() {
    if (!dc_ || !fontDirty_) return;
    HFONT font = ownFont_ ? ownFont_.get() : borrowedFont_;
    if (font) {
        Select(font, originalFont_);
    } else if (originalFont_) {
        SelectObject(dc_, std::exchange(originalFont_, nullptr));
    }
    fontDirty_ = false;
}

void Canvas::PrepareText() {
    PrepareFont();
    if (!dc_) return;
    SetTextColor(dc_, fontColor_);
    if (brushStyle_ == BrushStyle::Solid) {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, brushColor_);
    } else {
        SetBkMode(dc_, TRANSPARENT);
    }
}

HBRUSH Canvas::FillBrush() {
    PrepareBrush();
    return brushStyle_ == BrushStyle::Solid ? brush_.get() : nullptr;
}

void Canvas::SetBrushColor(COLORREF color) {
    if (color == brushColor_ && brushStyle_ == BrushStyle::Solid) return;
    brushColor_ = color;
    brushStyle_ = BrushStyle::Solid;  // as in the VCL, choosing a colour makes the brush solid
    brushDirty_ = true;
}

void Canvas::SetBrushStyle(BrushStyle style) {
    if (style == brushStyle_) return;
    brushStyle_ = style;
    brushDirty_ = true;
}

void Canvas::SetPenColor(COLORREF color) {
    if (color == penColor_) return;
    penColor_ = color;
    penDirty_ = true;
}

void Canvas::SetPenWidth(int width) {
    if (width == penWidth_) return;
    penWidth_ = width;
    penDirty_ = true;
}

void Canvas::SetFont(HFONT font) {
    // The old font is freed only after the new one has replaced it in the DC.
    FontOwner previous = std::move(ownFont_);
    borrowedFont_ = font;
    fontDirty_ = true;
    PrepareFont();
}

void Canvas::SetFont(const char* face, int pixelHeight, bool bold) {
    FontOwner previous = std::exchange(ownFont_, MakeFont(face, pixelHeight, bold));
    borrowedFont_ = nullptr;
    fontDirty_ = true;
    PrepareFont();
}

void Canvas::SetFontColor(COLORREF color) { fontColor_ = color; }

void Canvas::FillRect(const RECT& rect) {
    if (HBRUSH brush = FillBrush()) ::FillRect(dc_, &rect, brush);
}

void Canvas::FrameRect(const RECT& rect) {
    if (HBRUSH brush = FillBrush()) ::FrameRect(dc_, &rect, brush);
}

void Canvas::MoveTo(int x, int y) {
    if (dc_) MoveToEx(dc_, x, y, nullptr);
}

void Canvas::LineTo(int x, int y) {
    PreparePen();
    if (dc_) ::LineTo(dc_, x, y);
}

void Canvas::Polyline(std::span<const POINT> points) {
    PreparePen();
    if (dc_ && !points.empty()) ::Polyline(dc_, points.data(), static_cast<int>(points.size()));
}

void Canvas::Rectangle(const RECT& rect) {
    PreparePen();
    PrepareBrush();
    if (dc_) ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::Ellipse(const RECT& rect) {
    PreparePen();
    PrepareBrush();
    if (dc_) ::Ellipse(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::Pie(const RECT& rect, POINT start, POINT end) {
    PreparePen();
    PrepareBrush();
    if (dc_) ::Pie(dc_, rect.left, rect.top, rect.right, rect.bottom, start.x, start.y, end.x, end.y);
}

void Canvas::RoundRect(const RECT& rect, int cornerWidth, int cornerHeight) {
    PreparePen();
    PrepareBrush();
    if (dc_) ::RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, cornerWidth, cornerHeight);
}

COLORREF Canvas::Pixel(int x, int y) const { return dc_ ? GetPixel(dc_, x, y) : CLR_INVALID; }

void Canvas::SetPixel(int x, int y, COLORREF color) {
    if (dc_) SetPixelV(dc_, x, y, color);
}

void Canvas::DrawIcon(int x, int y, HICON icon, int width, int height) {
    if (dc_ && icon) DrawIconEx(dc_, x, y, icon, width, height, 0, nullptr, DI_NORMAL);
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    PrepareText();
    if (dc_) ::TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void Canvas::TextOut(int x, int y, const std::u16string& text) {
    PrepareText();
    if (dc_) ::TextOutW(dc_, x, y, platform::AsWide(text), static_cast<int>(text.size()));
}

SIZE Canvas::TextExtent(const std::string& text) {
    SIZE size{};
    PrepareFont();
    if (dc_) GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void Canvas::SetStretchMode(int mode) {
    if (!dc_) return;
    SetStretchBltMode(dc_, mode);
    // HALFTONE misaligns its dither pattern unless the brush origin is reset
    // after the mode is set.
    if (mode == HALFTONE) SetBrushOrgEx(dc_, 0, 0, nullptr);
}

void Canvas::StretchBltFrom(HDC source, const RECT& sourceRect, const RECT& destRect, DWORD rop) {
    if (!dc_) return;
    StretchBlt(dc_, destRect.left, destRect.top, destRect.right - destRect.left,
               destRect.bottom - destRect.top, source, sourceRect.left, sourceRect.top,
               sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, rop);
}

void Canvas::StretchDraw(const RECT& destRect, const Bitmap& source) {
    StretchBltFrom(source.Dc(), RECT{0, 0, source.Width(), source.Height()}, destRect);
}

void Canvas::Draw(int x, int y, const Bitmap& source) {
    CopyFrom(source.Dc(), RECT{x, y, x + source.Width(), y + source.Height()}, POINT{0, 0});
}

void Canvas::BrushCopy(const RECT& destRect, const Bitmap& source, const RECT& sourceRect,
                       COLORREF transparent) {
    if (!dc_) return;
    FillRect(destRect);
    // gdi32's own entry, which msimg32's TransparentBlt only forwards to:
    // msimg32 is not among the libraries Windows always takes from the system
    // folder, so importing it would load a file of that name lying beside the
    // exe, before main runs and before the DLL search is narrowed.
    GdiTransparentBlt(dc_, destRect.left, destRect.top, destRect.right - destRect.left,
                      destRect.bottom - destRect.top, source.Dc(), sourceRect.left, sourceRect.top,
                      sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top,
                      transparent);
}

void Canvas::CopyFrom(HDC source, const RECT& destRect, POINT sourceOrigin, DWORD rop) {
    if (!dc_) return;
    BitBlt(dc_, destRect.left, destRect.top, destRect.right - destRect.left,
           destRect.bottom - destRect.top, source, sourceOrigin.x, sourceOrigin.y, rop);
}

}  // namespace vistrel::tk
