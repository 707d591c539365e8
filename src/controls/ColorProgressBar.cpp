#include "controls/ColorProgressBar.h"

#include "controls/BarPainting.h"

namespace vistrel {

TColorProgressBar::TColorProgressBar()
    : boxColor_(GetSysColor(COLOR_BTNFACE)),
      barColor_(GetSysColor(COLOR_HIGHLIGHT)),
      lineColor_(GetSysColor(COLOR_BTNFACE)),
      fontColor_(GetSysColor(COLOR_WINDOWTEXT)) {}

void TColorProgressBar::Create(tk::Window* parent, int id, const RECT& bounds) {
    CreateBar("TColorProgressBar", parent, id, bounds);
}

// --- Properties -------------------------------------------------------------

void TColorProgressBar::SetPosition(int64_t value) {
    // Within one whole percent the picture waits for the next paint.
    if (model_.SetPosition(value)) Repaint();
}

void TColorProgressBar::StepIt() {
    if (model_.StepIt()) Repaint();
}

void TColorProgressBar::SetLinePar(int value) {
    model_.SetLinePar(value);
    Invalidate();
}

// --- Painting ---------------------------------------------------------------

void TColorProgressBar::Draw(tk::Bitmap& buffer, int width, int height) {
    BarDraw(buffer.GetCanvas(), width, height);
}

void TColorProgressBar::BarDraw(tk::Canvas& canvas, int width, int height) {
    canvas.SetPenWidth(1);
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
    canvas.SetBrushColor(boxColor_);
    canvas.FillRect({0, 0, width, height});

    canvas.SetBrushColor(barColor_);
    for (const BarSpan& span : model_.BarSpans(width, height)) {
        if (model_.barStyle == btSolid) {
            canvas.FillRect(ToRect(model_.SolidRect(span, width, height)));
            continue;
        }
        DrawBarLines(canvas, model_.RampLines(span, barColor_, width, height));
    }

    DrawFrame(canvas, width, height);
    if (model_.lineParVisible) {
        canvas.SetPenColor(lineParColor_);
        for (const BarLine& tick : model_.TickLines(width, height)) {
            canvas.MoveTo(tick.x1, tick.y1);
            canvas.LineTo(tick.x2, tick.y2);
        }
    }
    if (model_.ShowsText()) DrawText(canvas, width, height);
}

void TColorProgressBar::DrawFrame(tk::Canvas& canvas, int width, int height) {
    if (model_.flat) {
        // The bottom row stays the box colour: the frame ends a row above it.
        canvas.SetBrushColor(lineColor_);
        canvas.FrameRect({0, 0, width, height - 1});
        return;
    }
    DrawBarLines(canvas, SunkenFrameLines(width, height, Color(), model_.orientation == pbHorizontal));
}

void TColorProgressBar::DrawText(tk::Canvas& canvas, int width, int height) {
    const std::string text = model_.PercentText();
    canvas.SetFont(TextFont());
    const BarPoint at = PercentTextOrigin(width, height, canvas.TextWidth(text), canvas.TextHeight("H"));
    canvas.SetBrushStyle(tk::BrushStyle::Clear);
    if (shadow_) {
        canvas.SetFontColor(barColor_);
        canvas.TextOut(at.x + 1, at.y + 1, text);
        canvas.SetFontColor(boxColor_);
    } else {
        canvas.SetFontColor(fontColor_);
    }
    canvas.TextOut(at.x, at.y, text);
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
}

}  // namespace vistrel
