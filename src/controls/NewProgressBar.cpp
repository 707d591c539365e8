#include "controls/NewProgressBar.h"

#include <vector>

#include "controls/BarPainting.h"

namespace vistrel {

namespace {

RampColour Rgb(int red, int green, int blue) {
    return static_cast<RampColour>(RGB(red, green, blue));
}

}  // namespace

void TSubsBitmap::SizeLike(const tk::Bitmap& image) {
    SetSize(image.Width(), image.Height());
    tk::Canvas& canvas = GetCanvas();
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
    canvas.SetBrushColor(GetSysColor(COLOR_WINDOWFRAME));
    canvas.FillRect({0, 0, Width(), Height()});
}

void TNewProgressBar::Create(tk::Window* parent, int id, const RECT& bounds) {
    CreateBar("TNewProgressBar", parent, id, bounds);
}

// --- Properties -------------------------------------------------------------

void TNewProgressBar::SetMinValue(uint64_t value) {
    if (model_.SetMinValue(value)) Repaint();
}

void TNewProgressBar::SetMaxValue(uint64_t value) {
    if (model_.SetMaxValue(value)) Repaint();
}

void TNewProgressBar::SetProgress(uint64_t value) {
    // Within one whole percent the picture waits for the next paint.
    if (model_.SetProgress(value)) Repaint();
}

// --- Painting ---------------------------------------------------------------

void TNewProgressBar::Draw(tk::Bitmap& image, int width, int height) {
    PaintBackground(image);

    const BarRect drawing = model_.DrawingRect(width, height);
    const RECT rect = ToRect(drawing);
    overlay_.SizeLike(image);
    PaintBackground(overlay_);
    switch (model_.kind) {
    case iuText:
        PaintAsNothing(overlay_, rect);
        break;
    case iuHorizontalBar:
    case iuVerticalBar:
        BarDraw(overlay_);
        break;
    case iuPie:
        PaintAsPie(overlay_, rect);
        break;
    case iuNeedle:
        PaintAsNeedle(overlay_, rect);
        break;
    }
    // On the black image the XOR leaves the overlay as it is drawn.
    image.GetCanvas().CopyFrom(overlay_.Dc(), {0, 0, width, height}, {0, 0}, SRCINVERT);
    if (model_.showText) PaintAsText(image, rect);
}

void TNewProgressBar::PaintBackground(tk::Bitmap& bitmap) {
    PatBlt(bitmap.Dc(), 0, 0, bitmap.Width(), bitmap.Height(), BLACKNESS);
}

void TNewProgressBar::PaintAsText(tk::Bitmap& bitmap, const RECT& rect) {
    tk::Canvas& canvas = bitmap.GetCanvas();
    const std::string text = model_.PercentText();
    canvas.SetFont(TextFont());
    const SIZE size = canvas.TextExtent(text);
    const BarPoint at = GaugeTextOrigin(ToBarRect(rect), size.cx, size.cy);
    canvas.SetBrushStyle(tk::BrushStyle::Clear);
    canvas.SetFontColor(foreColor_);
    canvas.TextOut(at.x + 1, at.y + 1, text);
    canvas.SetFontColor(backColor_);
    canvas.TextOut(at.x, at.y, text);
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
}

void TNewProgressBar::PaintAsNothing(tk::Bitmap& bitmap, const RECT& rect) {
    tk::Canvas& canvas = bitmap.GetCanvas();
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
    canvas.SetBrushColor(backColor_);
    canvas.FillRect(rect);
}

void TNewProgressBar::DrawDialBase(tk::Canvas& canvas, const RECT& rect) {
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
    canvas.SetBrushColor(Color());
    canvas.FillRect(rect);
    canvas.SetBrushColor(backColor_);
    canvas.SetPenColor(foreColor_);
    canvas.SetPenWidth(1);
}

void TNewProgressBar::PaintAsPie(tk::Bitmap& bitmap, const RECT& rect) {
    tk::Canvas& canvas = bitmap.GetCanvas();
    DrawDialBase(canvas, rect);
    const PieShape pie = model_.Pie(ToBarRect(rect));
    canvas.Ellipse(ToRect(pie.box));
    if (!pie.wedge) return;
    canvas.SetBrushColor(foreColor_);
    canvas.Pie(ToRect(pie.box), ToPoint(pie.start), ToPoint(pie.end));
}

void TNewProgressBar::PaintAsNeedle(tk::Bitmap& bitmap, const RECT& rect) {
    tk::Canvas& canvas = bitmap.GetCanvas();
    DrawDialBase(canvas, rect);
    const NeedleShape needle = model_.Needle(ToBarRect(rect), ClientWidth());
    canvas.Pie(ToRect(needle.dial.box), ToPoint(needle.dial.start), ToPoint(needle.dial.end));
    std::vector<BarLine> lines = {needle.baseline};
    if (needle.hasNeedle) lines.push_back(needle.needle);
    for (BarLine& line : lines) line.colour = foreColor_;
    DrawBarLines(canvas, lines);
}

void TNewProgressBar::BarDraw(tk::Bitmap& bitmap) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    tk::Canvas& canvas = bitmap.GetCanvas();
    const RampColour base = BarRampBase(foreColor_);
    const int red = GetRValue(base);
    const int green = GetGValue(base);
    const int blue = GetBValue(base);
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
    canvas.SetBrushColor(foreColor_);
    for (const BarSpan& span : model_.BarSpans(width, height)) {
        if (model_.barStyle == btSolid)
            canvas.FillRect(ToRect(model_.SolidRect(span, width, height)));
        else if (model_.kind == iuHorizontalBar)
            DrawHorizontal(bitmap, blue, green, red, span.from, span.to);
        else
            DrawVertical(bitmap, blue, green, red, span.to, span.from);
    }
    DrawBarLines(canvas, model_.FrameLines(width, height, backColor_));
}

void TNewProgressBar::DrawHorizontal(tk::Bitmap& bitmap, int blue, int green, int red, int startX, int endX) {
    DrawBarLines(bitmap.GetCanvas(),
                 BarRampLines({startX, endX}, Rgb(red, green, blue), false, bitmap.Width(), bitmap.Height()));
}

void TNewProgressBar::DrawVertical(tk::Bitmap& bitmap, int blue, int green, int red, int startY, int endY) {
    DrawBarLines(bitmap.GetCanvas(),
                 BarRampLines({endY, startY}, Rgb(red, green, blue), true, bitmap.Width(), bitmap.Height()));
}

}  // namespace vistrel
