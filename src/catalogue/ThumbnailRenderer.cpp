#include "catalogue/ThumbnailRenderer.h"

#include "catalogue/ProgramIcons.h"

#include <algorithm>
#include <utility>

#include "catalogue/ChangeCheck.h"
#include "catalogue/ScreenParts.h"
#include "catalogue/ThumbnailGeometry.h"
#include "catalogue/WindowCatalogue.h"
#include "platform/DisplayInfo.h"
#include "platform/OptionalApis.h"
#include "platform/Shell.h"
#include "platform/WindowDc.h"
#include "platform/WindowFacts.h"
#include "toolkit/Colours.h"

namespace vistrel {

namespace {

constexpr COLORREF kWhite = tk::clWhite;
constexpr COLORREF kFrameGrey = tk::clGray;
constexpr COLORREF kIconBorder = 0xF0F0F0;
constexpr COLORREF kFrameClipped = tk::clBlue;
constexpr COLORREF kFrameNoAutoUpdate = tk::clRed;

constexpr int kGlyphShown = 0;
constexpr int kGlyphMinimised = 5;
constexpr int kGlyphParked = 6;
constexpr int kGlyphAutoUpdate = 18;

constexpr int kIconSize = 32;

// Only the window's own bounds and clamped clippings come here: their far
// edges lie within the window, so the sums cannot overflow.
Rect ToGeometry(const ClipRect& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }
RECT ToWin(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect FromWin(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// A small triangle in the picture's top-left corner: what the thumbnail shows
// there is its last picture, not the window as it is now.
void DrawStaleMark(tk::Canvas& canvas, const RECT& picture) {
    constexpr int kLegs = 9;
    canvas.SetBrushColor(kFrameGrey);
    for (int row = 0; row < kLegs; ++row)
        canvas.FillRect({picture.left, picture.top + row, picture.left + kLegs - row,
                         picture.top + row + 1});
}

// The window's rectangle as far as it is captured: all of it, or the top-left
// part of one far larger than the screen.
RECT CapturedRect(const RECT& bounds) {
    const RECT screen = platform::VirtualScreen();
    const Size part = CapturedSize({bounds.right - bounds.left, bounds.bottom - bounds.top},
                                   {screen.right - screen.left, screen.bottom - screen.top});
    return {bounds.left, bounds.top, bounds.left + part.width, bounds.top + part.height};
}

}  // namespace

ThumbnailRenderer::ThumbnailRenderer(const platform::PrintWindowApi& printWindow,
                                     const WindowCatalogue& catalogue, const tk::ImageList& glyphs)
    : catalogue_(catalogue), glyphs_(glyphs), capture_(printWindow, catalogue) {}

RenderResult ThumbnailRenderer::RenderThumbnail(const WindowEntry& entry, tk::Bitmap& target,
                                                const RenderOptions& options, RegionSink* clipList,
                                                const LastPicture& lastPicture) const {
    // The facts of the window, gathered once.
    const auto [window, bounds] = Pictured(WindowOf(entry));
    const int winWidth = bounds.right - bounds.left;
    const int winHeight = bounds.bottom - bounds.top;
    ThumbnailFacts facts;
    facts.windowWidth = winWidth;
    facts.windowHeight = winHeight;
    facts.clips = entry.clips.get();
    facts.clipIndex = entry.clipIndex;
    facts.minimised = entry.minimized;
    facts.thumbWidth = target.Width();
    facts.thumbHeight = target.Height();
    facts.options = options;
    facts.regionList = clipList != nullptr;
    facts.markSize = GlyphSize();
    const PicturePlan plan = PlanThumbnail(facts);

    const CapturedImage image = capture_.Capture(window, bounds, image_);
    tk::Canvas& canvas = target.GetCanvas();
    canvas.SetStretchMode(options.highQuality ? HALFTONE : COLORONCOLOR);
    canvas.SetBrushColor(kWhite);

    if (clipList && entry.clips) {
        // The regions take their places in the pass also when the window
        // does not answer: the regions of the windows after it stay theirs.
        DrawRegions(entry, window, image.answered ? image_.Dc() : nullptr, winWidth, winHeight,
                    target, options.stretch, *clipList);
        return {window, image.answered};
    }
    // A window that does not answer leaves the target as it is, so the
    // thumbnail keeps its last picture.
    if (!image.answered) return {window, false};
    const HDC captureDc = image_.Dc();

    const RECT whole{0, 0, target.Width(), target.Height()};
    const RECT picture = ToWin(plan.picture);
    const Rect from = ToGeometry(plan.source);
    const bool current = image.complete || Covers(image.parts, from);
    if (!current && lastPicture && lastPicture(target)) {
        // Only what the screen shows of the window is new; the rest keeps its
        // last picture, never another window's pixels.
        for (const Rect& part : image.parts) {
            const Rect piece = Intersection(part, from);
            const Rect onto = MapPart(piece, from, FromWin(picture));
            if (onto.width() <= 0 || onto.height() <= 0) continue;
            canvas.StretchBltFrom(captureDc, ToWin(piece), ToWin(onto));
        }
    } else {
        // Parts the screen does not show are white in the capture.
        canvas.FillRect(whole);
        canvas.StretchBltFrom(captureDc, ToWin(from), picture);
    }
    if (!current) DrawStaleMark(canvas, picture);
    COLORREF frame = kFrameGrey;
    if (entry.clips) frame = kFrameClipped;
    if (!entry.autoUpdate) frame = kFrameNoAutoUpdate;
    canvas.SetBrushColor(frame);
    canvas.FrameRect(whole);
    DrawProgramIcon(WindowOf(entry), target);
    return {window, true};
}

std::pair<HWND, RECT> ThumbnailRenderer::Pictured(HWND window) const {
    RECT bounds = platform::WindowRect(window);
    if (window && (bounds.right <= bounds.left || bounds.bottom <= bounds.top)) {
        window = catalogue_.PlacementTarget(window);
        bounds = platform::WindowRect(window);
    }
    return {window, CapturedRect(bounds)};
}

bool ThumbnailRenderer::CaptureFullSize(HWND listed, tk::Bitmap& picture) const {
    const auto [window, bounds] = Pictured(listed);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return false;
    // A bitmap of its own: the shared one is the passes' and the change
    // tick's, and the print's wait can let one of them run.
    tk::Bitmap image(tk::PixelFormat::Bgra32);
    const CapturedImage captured = capture_.Capture(window, bounds, image);
    // A bitmap that could not be made has no size.
    if (!captured.answered || image.Width() != width || image.Height() != height) return false;
    picture = std::move(image);
    return true;
}

void ThumbnailRenderer::DrawRegions(const WindowEntry& entry, HWND window, HDC capture,
                                    int winWidth, int winHeight, tk::Bitmap& target, bool stretch,
                                    RegionSink& clipList) const {
    tk::Canvas& canvas = target.GetCanvas();
    const RECT whole{0, 0, target.Width(), target.Height()};
    // A minimised window prints its caption bar: its old pictures stay.
    const bool renewed = capture && !platform::IsMinimised(window);
    for (int slot = 0; slot < kClipSlots; ++slot) {
        const ClipRect& rect = (*entry.clips)[slot];
        if (rect.width == 0) break;
        if (entry.hiddenClips & (1u << slot)) continue;  // removed from the list window for now
        const int place = clipList.Cursor()++;
        const RegionPicture picture =
            PlaceRegionPicture(place, clipList.Count(), clipList.RegionTotal(), renewed);
        if (picture == RegionPicture::Keep) continue;

        canvas.FillRect(whole);  // blank, for a window that did not answer
        if (capture) {
            const PicturePlan plan = PlanRegion(rect, winWidth, winHeight, target.Width(), target.Height(), stretch);
            canvas.StretchBltFrom(capture, ToWin(ToGeometry(plan.source)), ToWin(plan.picture));
            // A blank cell says the window did not answer: nothing on it.
            DrawProgramIcon(WindowOf(entry), target);
        }
        if (picture == RegionPicture::Append)
            clipList.Append(target);
        else
            clipList.Overwrite(place, target);
    }
}

void ThumbnailRenderer::DrawProgramIcon(HWND listed, tk::Bitmap& bitmap) const {
    const int side = GlyphSize();
    const HICON icon = icons_ ? icons_->IconOf(listed, side) : nullptr;
    if (!icon) return;
    const RECT cell = ToWin(PlaceMarks(bitmap.Width(), bitmap.Height(), side).icon);
    tk::Canvas& canvas = bitmap.GetCanvas();
    const COLORREF brush = canvas.BrushColor();
    canvas.SetBrushColor(kIconBorder);
    canvas.FillRect(RECT{cell.left - 1, cell.top - 1, cell.right + 1, cell.bottom + 1});
    canvas.SetBrushColor(brush);  // the next cell's blank is white, as before
    DrawIconEx(bitmap.Dc(), cell.left, cell.top, icon, side, side, 0, nullptr, DI_NORMAL);
}

int ThumbnailRenderer::GlyphSize() const {
    const int side = glyphs_.Width();
    return side > 0 ? side : kMarkSize;
}

void ThumbnailRenderer::DrawGlyph(int index, tk::Bitmap& glyph) const {
    glyph.GetCanvas().SetBrushColor(kWhite);
    glyph.GetCanvas().FillRect(RECT{0, 0, glyph.Width(), glyph.Height()});
    glyphs_.Draw(index, glyph.Dc(), 0, 0, true);
}

void ThumbnailRenderer::DrawStateMarks(tk::Bitmap& bitmap, bool parked, bool autoUpdate) const {
    // The marks at the glyphs' own size: a larger display has larger glyphs,
    // and a cell of the 96-DPI size would show only their top-left corner.
    const int side = GlyphSize();
    const MarkCells cells = PlaceMarks(bitmap.Width(), bitmap.Height(), side);
    tk::Bitmap mark(side, side);
    tk::Canvas& canvas = bitmap.GetCanvas();
    auto drawCell = [&](const Rect& at, bool shown, int glyph) {
        const RECT cell = ToWin(at);
        if (shown) {
            DrawGlyph(glyph, mark);
            canvas.CopyFrom(mark.Dc(), cell, POINT{0, 0});
        } else {
            canvas.SetBrushColor(kWhite);
            canvas.FillRect(cell);
        }
    };
    drawCell(cells.autoUpdate, autoUpdate, kGlyphAutoUpdate);
    drawCell(cells.parked, parked, kGlyphParked);
}

void ThumbnailRenderer::DrawIconCard(HWND window, bool minimised, bool stretch,
                                     tk::Bitmap& work) const {
    const int width = work.Width();
    const int height = work.Height();
    tk::Bitmap glyph(GlyphSize(), GlyphSize());
    DrawGlyph(minimised ? kGlyphMinimised : kGlyphShown, glyph);
    tk::Canvas& canvas = work.GetCanvas();
    // Blocky on purpose: the card is the glyph's pixels enlarged, whatever mode
    // the last capture into this bitmap left behind.
    canvas.SetStretchMode(COLORONCOLOR);
    canvas.StretchDraw(RECT{0, 0, width, height}, glyph);

    const tk::IconOwner icon = platform::GetFileIcon(catalogue_.ExecutablePath(window), false);
    if (!icon) return;
    if (stretch) {
        DrawIconEx(work.Dc(), 0, 0, icon.get(), width, height, 0, nullptr, DI_NORMAL);
    } else {
        // Width and height 0: the icon's own size, which the shell makes 32 x 32.
        DrawIconEx(work.Dc(), width / 2 - kIconSize / 2, height / 2 - kIconSize / 2, icon.get(), 0,
                   0, 0, nullptr, DI_NORMAL);
    }
}

}  // namespace vistrel
