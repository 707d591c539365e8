#pragma once
// Where a scroll bar's request moves the view: the position of the view's
// first pixel over content larger than the view, never beyond either end.

namespace vistrel {

enum class ScrollRequest { None, LineBack, LineForward, PageBack, PageForward, ToStart, ToEnd, Track };

// The largest first pixel: content that fits scrolls nowhere.
int ScrollLimit(int content, int view);

// `track` is the thumb's position for Track; `line` the step of one arrow click.
int ScrollTarget(ScrollRequest request, int current, int track, int line, int content, int view);

}  // namespace vistrel
