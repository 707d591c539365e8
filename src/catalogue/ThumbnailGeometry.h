#pragma once
// Thumbnail arithmetic: the size from the size track bar, the columns of the
// list, the source rectangle of a clipping, the aspect-keeping fit, and from
// them the plan of one picture: which part of the window lands where.

#include "catalogue/WindowEntry.h"
#include "common/DpiScale.h"
#include "common/Geometry.h"

namespace vistrel {

// The side of a mark glyph at 96 DPI.
constexpr int kMarkSize = 16;

// One sixteenth of the primary screen, per axis (integer division).
Size BaseCell(int screenWidth, int screenHeight);

// Track bar position / 10, rounded to single precision as the scale always
// was: position 31 gives 3.0999999..., not 3.1.
float ThumbnailScale(int position);

// floor(base * scale) per axis, the product taken exactly.
Size ThumbnailSize(int baseWidth, int baseHeight, int position);

// Thumbnails per row of a list view this wide: (width - 36) div (thumb + 20),
// at least 1; the margins are the list view's at 96 DPI, scaled to `dpi`.
// (The thumbnails themselves are a share of the screen and need no scaling.)
int ColumnCount(int listViewWidth, int thumbWidth, int dpi = kBaseDpi);

// The source rectangle of a clipping slot in a window of winWidth x winHeight:
// kept inside the window and never smaller than 16 x 16, whatever values the
// slot holds. A window smaller than 16 pixels yields a negative origin.
ClipRect ClampClipRect(const ClipRect& slot, int winWidth, int winHeight);

struct FitResult {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    friend bool operator==(const FitResult&, const FitResult&) = default;
};

// The picture size and offset that keep the source's aspect in a box of
// boxWidth x boxHeight, in whole percent steps.
FitResult FitToBox(int boxWidth, int boxHeight, int sourceWidth, int sourceHeight);

// The main window's options that decide how a thumbnail looks.
struct RenderOptions {
    bool stretch = false;      // "Stretch": fill the thumbnail, else keep the aspect
    bool highQuality = false;  // halftone scaling
    bool openOnly = false;     // "Open Only" checked: a bottom strip for the marks
    bool autoChecked = false;  // "Auto"
    bool clipMenu = true;      // clipping shown only while "Auto" is on
};

// What decides one thumbnail's picture. The window is the one pictured (the
// entry's own, or the frame window it owns when it has no area).
struct ThumbnailFacts {
    int windowWidth = 0;
    int windowHeight = 0;
    const ClipSet* clips = nullptr;
    int clipIndex = 0;
    bool minimised = false;
    int thumbWidth = 0;
    int thumbHeight = 0;
    RenderOptions options;
    // Rendered for the clipping list window: the whole box, no clipping.
    bool regionList = false;
    // The side of the mark glyphs, which the Open Only strip holds: the
    // glyphs' own size, 16 at 96 DPI and a whole multiple of it above.
    int markSize = kMarkSize;
};

// The part of the window drawn (window coordinates) and where it lands in
// the thumbnail: 2 pixels in (the frame and a white ring), 4 narrower, and at
// the bottom the same 4 or a strip for the marks (their side and 4).
struct PicturePlan {
    ClipRect source;
    Rect picture;
    friend bool operator==(const PicturePlan&, const PicturePlan&) = default;
};

PicturePlan PlanThumbnail(const ThumbnailFacts& facts);

// A window's picture is at most as wide and as high as an 8K screen, or as
// the virtual screen where that is larger, and never more than an 8K screen's
// worth of pixels (127 MB at 32 bits).
constexpr Size kLargestCapture{7680, 4320};
constexpr long long kMostCapturedPixels = 7680LL * 4320LL;
// The size of a window's picture: the window whole when it is within those
// bounds, else its top-left part that is. A window may be far larger than any
// screen (30000 x 30000 asks for 3.6 GB); one that can never be seen at once
// is not captured at once. `screen` is the virtual screen's size.
Size CapturedSize(Size window, Size screen);

// The two cells of the marks in the bottom strip of a thumbnail, each as
// large as the glyphs: the automatic-update mark and right of it the parked
// mark, 4 pixels apart, 4 from the right edge and 2 from the bottom. With
// 16-pixel glyphs they start at (W - 40, H - 18) and (W - 20, H - 18). The
// program's icon sits in the same row at the other end, 4 from the left
// edge, where no mark goes (its one-pixel border stays inside the frame).
struct MarkCells {
    Rect autoUpdate;
    Rect parked;
    Rect icon;
    friend bool operator==(const MarkCells&, const MarkCells&) = default;
};
MarkCells PlaceMarks(int thumbWidth, int thumbHeight, int markSize);

// One clipping region's picture for the clipping list window.
PicturePlan PlanRegion(const ClipRect& slot, int windowWidth, int windowHeight, int thumbWidth,
                       int thumbHeight, bool stretch);

}  // namespace vistrel
