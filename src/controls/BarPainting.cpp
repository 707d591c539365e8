#include "controls/BarPainting.h"

namespace vistrel {

void DrawBarLines(tk::Canvas& canvas, std::span<const BarLine> lines) {
    canvas.SetPenWidth(1);
    for (const BarLine& line : lines) {
        canvas.SetPenColor(line.colour);
        canvas.MoveTo(line.x1, line.y1);
        canvas.LineTo(line.x2, line.y2);
    }
}

}  // namespace vistrel
