#include "catalogue/ThumbnailRenderer.h"

#include <shellapi.h>

#include <algorithm>

#include "catalogue/ThumbnailGeometry.h"
#include "catalogue/WindowCatalogue.h"
#include "platform/OptionalApis.h"
#include "platform/WindowDc.h"
#include "platform/WindowFacts.h"
#include "toolkit/Colours.h"

namespace vistrel {

namespace {

constexpr COLORREF kWhite = tk::clWhite;
constexpr COLORREF kFrameGrey = tk::clGray;
constexpr COLORREF kFrameClipped = tk::clBlue;
constexpr COLORREF kFrameNoAutoUpdate = tk::clRed;

// The picture starts 2 pixels in (the frame and a white ring) and is 4 pixels
// narrower; at the bottom it leaves the same 4, or a strip for the marks.
constexpr int kInset = 2;
constexpr int kMargin = 4;
constexpr int kMarksMargin = 20;

constexpr int kMarkSize = 16;
constexpr int kGlyphShown = 0;
constexpr int kGlyphMinimised = 5;
constexpr int kGlyphParked = 6;
constexpr int kGlyphAutoUpdate = 18;

constexpr int kIconSize = 32;

// PW_RENDERFULLCONTENT: older SDK headers lack it.
constexpr UINT kRenderFullContent = 0x00000002;

// PrintWindow sends WM_PRINT and waits for it, so a window that does not pump
// its messages would freeze us with it. Ask first with a message that cannot
// do harm and that gives up early.
void Print(const platform::PrintWindowApi& api, HWND window, HDC dc) {
    // Windows drawn by the GPU (DirectX, browsers, most of Windows 10's own
    // windows) print black unless the full content is asked for; systems
    // before 8.1 refuse the flag.
    if (api.Print(window, dc, kRenderFullContent)) return;
    api.Print(window, dc, 0);
}

// Only the window's own bounds and clamped clippings come here: their far
// edges lie within the window, so the sums cannot overflow.
RECT ToRect(const ClipRect& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

// Where the picture lands: the box (fitted or whole) less the margins.
RECT PictureRect(int x, int y, int boxWidth, int boxHeight, int bottomMargin) {
    return {x + kInset, y + kInset, x + kInset + boxWidth - kMargin,
            y + kInset + boxHeight - bottomMargin};
}

}  // namespace

ThumbnailRenderer::ThumbnailRenderer(const platform::PrintWindowApi& printWindow,
                                     const WindowCatalogue& catalogue, const tk::ImageList& glyphs)
    : printWindow_(printWindow), catalogue_(catalogue), glyphs_(glyphs) {}

RenderResult ThumbnailRenderer::RenderThumbnail(const WindowEntry& entry, tk::Bitmap& target,
                                                const RenderOptions& options,
                                                RegionSink* clipList) const {
    HWND window = WindowOf(entry);
    RECT bounds = platform::WindowRect(window);
    int winWidth = bounds.right - bounds.left;
    int winHeight = bounds.bottom - bounds.top;
    ClipRect source{0, 0, winWidth, winHeight};
    if (winWidth == 0 || winHeight == 0) {
        // An application window without area stands in for the frame window
        // it owns; without one, the picture is a uniform fill.
        HWND owned = window ? catalogue_.PlacementTarget(window) : nullptr;
        if (owned && owned != window) {
            window = owned;
            bounds = platform::WindowRect(window);
            winWidth = bounds.right - bounds.left;
            winHeight = bounds.bottom - bounds.top;
            source = {0, 0, winWidth, winHeight};
        } else {
            source = {0, 0, 1, 1};
        }
    }

    int boxWidth = target.Width();
    int boxHeight = target.Height();
    int x = 0;
    int y = 0;
    int bottomMargin = kMargin;
    if (!clipList) {
        // A minimised window is pictured as its caption bar, which a clipping
        // rectangle made on the open window would miss.
        if (entry.clips && !entry.minimized && (options.autoChecked || !options.clipMenu)) {
            const int slot = std::clamp<int>(entry.clipIndex, 0, kClipSlots - 1);
            source = ClampClipRect((*entry.clips)[slot], winWidth, winHeight);
        }
        if (!options.stretch) {
            const FitResult fit = FitToBox(boxWidth, boxHeight, source.width, source.height);
            boxWidth = fit.width;
            boxHeight = fit.height;
            x = fit.x;
            y = fit.y;
        }
        if (options.openOnly) bottomMargin = kMarksMargin;
    }

    // The target is left as it is, so the thumbnail keeps its last picture.
    if (!platform::Answers(window)) return {window, false};

    // Declared in release order: the bitmap leaves the memory DC before either
    // is deleted, and the window DC goes back last.
    platform::WindowDc windowDc(window, platform::WindowDc::Whole);
    tk::MemoryDcOwner captureDc(CreateCompatibleDC(windowDc.get()));
    tk::BitmapOwner capture(CreateCompatibleBitmap(windowDc.get(), winWidth, winHeight));
    tk::Selection selected(captureDc.get(), capture.get());
    Print(printWindow_, window, captureDc.get());

    tk::Canvas& canvas = target.GetCanvas();
    canvas.SetStretchMode(options.highQuality ? HALFTONE : COLORONCOLOR);
    canvas.SetBrushColor(kWhite);

    if (clipList && entry.clips) {
        DrawRegions(entry, window, captureDc.get(), winWidth, winHeight, target, options.stretch,
                    *clipList);
        return {window, true};
    }

    const RECT whole{0, 0, target.Width(), target.Height()};
    canvas.FillRect(whole);
    canvas.StretchBltFrom(captureDc.get(), ToRect(source),
                          PictureRect(x, y, boxWidth, boxHeight, bottomMargin));
    COLORREF frame = kFrameGrey;
    if (entry.clips) frame = kFrameClipped;
    if (!entry.autoUpdate) frame = kFrameNoAutoUpdate;
    canvas.SetBrushColor(frame);
    canvas.FrameRect(whole);
    return {window, true};
}

void ThumbnailRenderer::DrawRegions(const WindowEntry& entry, HWND window, HDC capture,
                                    int winWidth, int winHeight, tk::Bitmap& target, bool stretch,
                                    RegionSink& clipList) const {
    tk::Canvas& canvas = target.GetCanvas();
    const RECT whole{0, 0, target.Width(), target.Height()};
    for (int slot = 0; slot < kClipSlots; ++slot) {
        const ClipRect& rect = (*entry.clips)[slot];
        if (rect.width == 0) break;
        if (clipList.Hidden(entry, slot)) continue;
        const ClipRect source = ClampClipRect(rect, winWidth, winHeight);
        int boxWidth = target.Width();
        int boxHeight = target.Height();
        int x = 0;
        int y = 0;
        if (!stretch) {
            const FitResult fit = FitToBox(boxWidth, boxHeight, source.width, source.height);
            boxWidth = fit.width;
            boxHeight = fit.height;
            x = fit.x;
            y = fit.y;
        }
        canvas.FillRect(whole);
        canvas.StretchBltFrom(capture, ToRect(source), PictureRect(x, y, boxWidth, boxHeight, kMargin));

        // The first pass fills the list in region order; later passes refresh
        // picture k with the k-th region rendered. A minimised window prints
        // its caption bar, so its old pictures stay, but it keeps its places.
        if (clipList.Count() < clipList.RegionTotal()) {
            clipList.Append(target);
            continue;
        }
        int& cursor = clipList.Cursor();
        if (!platform::IsMinimised(window) && cursor >= 0 && cursor < clipList.Count())
            clipList.Overwrite(cursor, target);
        ++cursor;
    }
}

void ThumbnailRenderer::DrawGlyph(int index, tk::Bitmap& glyph) const {
    glyph.GetCanvas().SetBrushColor(kWhite);
    glyph.GetCanvas().FillRect(RECT{0, 0, glyph.Width(), glyph.Height()});
    glyphs_.Draw(index, glyph.Dc(), 0, 0, true);
}

void ThumbnailRenderer::DrawStateMarks(tk::Bitmap& bitmap, bool parked, bool autoUpdate) const {
    tk::Bitmap mark(kMarkSize, kMarkSize);
    tk::Canvas& canvas = bitmap.GetCanvas();
    const int top = bitmap.Height() - 18;
    auto drawCell = [&](int left, bool shown, int glyph) {
        const RECT cell{left, top, left + kMarkSize, top + kMarkSize};
        if (shown) {
            DrawGlyph(glyph, mark);
            canvas.CopyFrom(mark.Dc(), cell, POINT{0, 0});
        } else {
            canvas.SetBrushColor(kWhite);
            canvas.FillRect(cell);
        }
    };
    drawCell(bitmap.Width() - 40, autoUpdate, kGlyphAutoUpdate);
    drawCell(bitmap.Width() - 20, parked, kGlyphParked);
}

void ThumbnailRenderer::DrawIconCard(HWND window, bool minimised, bool stretch,
                                     tk::Bitmap& work) const {
    const int width = work.Width();
    const int height = work.Height();
    tk::Bitmap glyph(kMarkSize, kMarkSize);
    DrawGlyph(minimised ? kGlyphMinimised : kGlyphShown, glyph);
    tk::Canvas& canvas = work.GetCanvas();
    // Blocky on purpose: the card is the glyph's pixels enlarged, whatever mode
    // the last capture into this bitmap left behind.
    canvas.SetStretchMode(COLORONCOLOR);
    canvas.StretchDraw(RECT{0, 0, width, height}, glyph);

    const tk::IconOwner icon = GetFileIcon(catalogue_.ExecutablePath(window), false);
    if (!icon) return;
    if (stretch) {
        DrawIconEx(work.Dc(), 0, 0, icon.get(), width, height, 0, nullptr, DI_NORMAL);
    } else {
        // Width and height 0: the icon's own size, which the shell makes 32 x 32.
        DrawIconEx(work.Dc(), width / 2 - kIconSize / 2, height / 2 - kIconSize / 2, icon.get(), 0,
                   0, 0, nullptr, DI_NORMAL);
    }
}

tk::IconOwner GetFileIcon(const std::string& path, bool small) {
    SHFILEINFOA info{};
    const UINT flags = SHGFI_ICON | (small ? SHGFI_SMALLICON : 0);
    if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, flags)) return {};
    return tk::IconOwner(info.hIcon);
}

}  // namespace vistrel
