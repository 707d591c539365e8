#pragma once
// ThumbnailRenderer: the picture of one listed window. A capture prints the
// whole window into a bitmap of its full size, then scales the whole window or
// one clipping rectangle into a thumbnail with a 2-pixel white margin and a
// frame whose colour tells the entry's marks. Without PrintWindow a thumbnail
// is an icon card instead.
//
// The full-size picture comes from WindowCapture: printed, or copied from the
// screen where the window prints nothing. Parts the screen does not show keep
// the thumbnail's last picture, marked in its corner as not current.

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>
#include <string>

#include "catalogue/ThumbnailGeometry.h"
#include "catalogue/WindowCapture.h"
#include "catalogue/WindowEntry.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiOwners.h"
#include "toolkit/ImageList.h"

namespace vistrel {

class ProgramIcons;

class WindowCatalogue;
namespace platform {
struct PrintWindowApi;
}

// The clipping list window's picture list, which receives one picture per
// clipping region while that window is open. Cursor() is the place of the
// next region in the pass: it advances by every region the pass meets, and
// PlaceRegionPicture says what becomes of the picture there.
class RegionSink {
public:
    virtual ~RegionSink() = default;
    virtual int Count() const = 0;
    virtual int RegionTotal() const = 0;
    virtual void Append(tk::Bitmap& picture) = 0;
    virtual void Overwrite(int index, tk::Bitmap& picture) = 0;
    // The rows were made anew: picture k becomes the one at from[k]
    // (PictureSources).
    virtual void Rearrange(const std::vector<int>& from) = 0;
    virtual int& Cursor() = 0;
};

struct RenderResult {
    HWND pictured = nullptr;  // the window printed: the entry's, or its placement target
    // False when the window did not answer in time; the target then still
    // holds its previous picture.
    bool captured = false;
};

// Puts the thumbnail's last picture into the bitmap; false when it has none.
using LastPicture = std::function<bool(tk::Bitmap&)>;

class ThumbnailRenderer {
public:
    // Both stay owned by the caller and must outlive the renderer; `glyphs`
    // is the glyph list of the main window (16 x 16 at 96 DPI, larger above).
    ThumbnailRenderer(const platform::PrintWindowApi& printWindow, const WindowCatalogue& catalogue,
                      const tk::ImageList& glyphs);

    // Captures the entry's window into `target` (its size is the thumbnail's).
    // With `clipList` (a pass while the clipping list window is open) an entry
    // with clips renders one picture per region into it instead, `target`
    // serving as the work bitmap; its regions take their places in the pass
    // even when the window does not answer. `lastPicture` is asked only when
    // part of the window cannot be seen.
    RenderResult RenderThumbnail(const WindowEntry& entry, tk::Bitmap& target,
                                 const RenderOptions& options, RegionSink* clipList,
                                 const LastPicture& lastPicture = {}) const;

    // The window's picture at its real size, frame included, with nothing
    // scaled or marked, into `picture` (a 32-bit bitmap afterwards); of a
    // window far larger than the screen its top-left part (CapturedSize). A
    // window without area stands for the frame window it owns. False, and
    // `picture` untouched, when there is nothing to show: no area, no
    // answer, or no memory for the bitmap.
    bool CaptureFullSize(HWND window, tk::Bitmap& picture) const;

    // The automatic-update mark and the parked mark, bottom right, at the
    // size of the glyphs.
    void DrawStateMarks(tk::Bitmap& bitmap, bool parked, bool autoUpdate) const;

    // The listed window's icon, bottom left at the glyphs' size, on a light
    // border that reads on dark pictures and light ones.
    void DrawProgramIcon(HWND listed, tk::Bitmap& bitmap) const;

    // Where the windows' icons come from; without it thumbnails carry none.
    // It stays the caller's and must outlive the renderer.
    void SetIcons(ProgramIcons* icons) { icons_ = icons; }

    // The picture of a window when windows cannot be printed: a glyph over the
    // whole card and the icon of the window's executable on it.
    void DrawIconCard(HWND window, bool minimised, bool stretch, tk::Bitmap& work) const;

private:
    // `capture` null: the window did not answer.
    void DrawRegions(const WindowEntry& entry, HWND window, HDC capture, int winWidth,
                     int winHeight, tk::Bitmap& target, bool stretch, RegionSink& clipList) const;
    void DrawGlyph(int index, tk::Bitmap& glyph) const;
    int GlyphSize() const;
    // The window pictured for `window` (an application window without area
    // stands for the frame window it owns) and the part of its rectangle
    // that is captured.
    std::pair<HWND, RECT> Pictured(HWND window) const;

    const WindowCatalogue& catalogue_;
    const tk::ImageList& glyphs_;
    WindowCapture capture_;
    ProgramIcons* icons_ = nullptr;
    // The full-size picture of the window being rendered; kept between
    // captures, so that windows of one size need no new bitmap each time.
    mutable tk::Bitmap image_{tk::PixelFormat::Bgra32};
};

}  // namespace vistrel
