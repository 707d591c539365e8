#pragma once
// Canvas: pen, brush and font state on a device context it does not own, as
// the VCL's TCanvas keeps it. The pen, brush and font it creates are owned
// here and stay selected while the canvas is attached; Release (or the
// destructor) puts the DC's original objects back before they are freed.
//
// As in the VCL, the brush also decides the background of text: a solid brush
// paints text opaquely on the brush colour, a clear brush draws it transparently.

#include <windows.h>

#include <span>
#include <string>

#include "toolkit/GdiOwners.h"

namespace vistrel::tk {

class Bitmap;

enum class BrushStyle { Solid, Clear };

class Canvas {
public:
    Canvas() = default;
    explicit Canvas(HDC dc) : dc_(dc) {}
    ~Canvas() { Release(); }
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Drops the previous DC (restoring its objects) and draws on `dc` from now on.
    void Attach(HDC dc);
    // Restores the DC's original pen, brush and font and forgets the DC. The
    // colours, widths and fonts chosen stay and apply to the next DC attached.
    void Release();
    HDC Handle() const { return dc_; }

    void SetBrushColor(COLORREF color);
    COLORREF BrushColor() const { return brushColor_; }
    void SetBrushStyle(BrushStyle style);
    BrushStyle GetBrushStyle() const { return brushStyle_; }

    void SetPenColor(COLORREF color);
    COLORREF PenColor() const { return penColor_; }
    void SetPenWidth(int width);
    int PenWidth() const { return penWidth_; }

    // A font borrowed from an owner that outlives its use here (a form's font).
    void SetFont(HFONT font);
    // A font of the canvas's own (MakeFont).
    void SetFont(const char* face, int pixelHeight, bool bold = false);
    void SetFontColor(COLORREF color);
    COLORREF FontColor() const { return fontColor_; }

    // Fills with the brush colour, right and bottom edges excluded.
    void FillRect(const RECT& rect);
    // A 1-pixel border just inside the rectangle, in the brush colour.
    void FrameRect(const RECT& rect);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const POINT> points);
    // Outlined with the pen, filled with the brush.
    void Rectangle(const RECT& rect);
    void Ellipse(const RECT& rect);
    // The wedge of the ellipse in `rect` from the radial through `start`
    // counter-clockwise to the one through `end`; the same point twice is the
    // whole ellipse.
    void Pie(const RECT& rect, POINT start, POINT end);
    // Corners rounded by an ellipse of cornerWidth x cornerHeight.
    void RoundRect(const RECT& rect, int cornerWidth, int cornerHeight);
    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);

    // An icon at (x, y), stretched to width x height (0 x 0: its own size).
    void DrawIcon(int x, int y, HICON icon, int width = 0, int height = 0);

    void TextOut(int x, int y, const std::string& text);
    // Text of other programs (a title, a file name), as they hold it.
    void TextOut(int x, int y, const std::u16string& text);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    // COLORONCOLOR (fast) or HALFTONE (averaging; it also needs the brush
    // origin reset, which is done here).
    void SetStretchMode(int mode);
    void StretchBltFrom(HDC source, const RECT& sourceRect, const RECT& destRect,
                        DWORD rop = SRCCOPY);
    // The whole of `source` stretched into destRect, in the current stretch mode.
    void StretchDraw(const RECT& destRect, const Bitmap& source);
    // The whole of `source` unscaled with its top-left corner at (x, y).
    void Draw(int x, int y, const Bitmap& source);
    // A block of destRect's size from `source` at sourceOrigin, unscaled.
    void CopyFrom(HDC source, const RECT& destRect, POINT sourceOrigin, DWORD rop = SRCCOPY);
    // sourceRect of `source` into destRect (stretched if the sizes differ),
    // with the brush colour wherever the source is `transparent`: the VCL's
    // BrushCopy, for sprites keyed on one colour.
    void BrushCopy(const RECT& destRect, const Bitmap& source, const RECT& sourceRect,
                   COLORREF transparent);

private:
    void PreparePen();
    void PrepareBrush();
    void PrepareFont();
    void PrepareText();
    void Select(HGDIOBJ object, HGDIOBJ& original);
    HBRUSH FillBrush();

    HDC dc_ = nullptr;

    COLORREF brushColor_ = RGB(255, 255, 255);
    BrushStyle brushStyle_ = BrushStyle::Solid;
    COLORREF penColor_ = RGB(0, 0, 0);
    int penWidth_ = 1;
    COLORREF fontColor_ = RGB(0, 0, 0);
    HFONT borrowedFont_ = nullptr;

    BrushOwner brush_;  // solid brush of brushColor_, for fills and shapes
    PenOwner pen_;
    FontOwner ownFont_;

    // What this canvas put into the DC is out of date with the fields above.
    bool penDirty_ = true;
    bool brushDirty_ = true;
    bool fontDirty_ = false;

    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
};

}  // namespace vistrel::tk
