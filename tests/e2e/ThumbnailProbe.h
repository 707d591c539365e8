#pragma once
// Vistrel's thumbnails as a user sees them: the item's picture read from the
// screen, its grey frame found, its colours counted. Header only, so the test
// files that share it need nothing in the build beyond themselves.
//
// The list view draws a selected item blended with the highlight colour, so
// the pictures are read from unselected items. Vistrel drops behind every
// other window when it loses activation, so each read brings it to the front
// first; test windows are placed right of its initial bounds and shown
// without activation (WindowPlan::Quiet) wherever that matters.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "ListWaits.h"
#include "PixelCapture.h"
#include "VistrelProcess.h"

namespace vistrel::e2e {

// The frame around every picture whose window is marked for automatic
// update and has no clipping rectangles.
constexpr uint32_t kThumbnailFrameGrey = 0x808080;

// The main window where the driver moves it, at x = 54, y = 76, is as wide
// as its toolbar needs (at 96 DPI on this test screen it ends at x = 849) and
// 478 high.
constexpr int kBesideVistrelX = 860;

// Thumbnail size for a track bar position on this screen, as the user reads
// it off the pictures; kept independent of the program's arithmetic on
// purpose: the scale is a single-precision float, so 3.1 is 3.0999999...
inline SIZE ExpectedThumbnail(int position) {
    const float scale = static_cast<float>(position * 0.1);
    const int baseWidth = GetSystemMetrics(SM_CXSCREEN) / 16;
    const int baseHeight = GetSystemMetrics(SM_CYSCREEN) / 16;
    return {static_cast<LONG>(static_cast<double>(baseWidth) * scale),
            static_cast<LONG>(static_cast<double>(baseHeight) * scale)};
}

inline int ExpectedColumns(int listWidth, int thumbnailWidth) {
    const int columns = (listWidth - 36) / (thumbnailWidth + 20);
    return columns < 1 ? 1 : columns;
}

// One figure of a run, in the test's XML output and on the console.
// Milliseconds since a GetTickCount64() reading.
inline uint64_t Elapsed(ULONGLONG since) { return GetTickCount64() - since; }

inline void Report(const std::string& name, uint64_t value) {
    ::testing::Test::RecordProperty(name, std::to_string(value));
    std::printf("[ figure   ] %s = %llu\n", name.c_str(), static_cast<unsigned long long>(value));
}

class ThumbnailProbe {
public:
    explicit ThumbnailProbe(const VistrelProcess& app) : app_(app), list_(app.Control(ids::ListView1)) {}

    HWND List() const { return list_; }
    int ListWidth() const {
        RECT r{};
        GetWindowRect(list_, &r);
        return r.right - r.left;
    }

    // The item of a caption, waiting for it to be listed; throws on timeout.
    int WaitForItem(const std::string& caption, int timeoutMs = 5000) const {
        int index = -1;
        WaitFor([&] { return Settled([&] { return (index = app_.List().Find(caption)) >= 0; }); }, timeoutMs,
                "an item \"" + caption + "\" in Vistrel's list");
        return index;
    }
    void WaitForNoItem(const std::string& caption, int timeoutMs = 5000) const {
        WaitFor([&] { return Settled([&] { return app_.List().Find(caption) < 0; }); }, timeoutMs,
                "the item \"" + caption + "\" to leave Vistrel's list");
    }

    void BringToFront() const {
        // Wine never refuses SetForegroundWindow; on activation Vistrel makes
        // itself topmost, so nothing covers the list afterwards.
        SetForegroundWindow(app_.MainWindow());
        WaitUntil([&] { return GetForegroundWindow() == app_.MainWindow(); }, 2000);
    }

    RECT IconOnScreen(int item) const {
        RECT r = app_.List().Bounds(item, LVIR_ICON);
        MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    // The item's icon area as shown on the screen, clipped to the list's
    // client area (a lower row may be partly scrolled out of view).
    PixelCapture Icon(int item) const {
        BringToFront();
        RECT icon = IconOnScreen(item);
        RECT client{};
        GetClientRect(list_, &client);
        MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        RECT visible{};
        if (!IntersectRect(&visible, &icon, &client))
            throw DriverError("list item " + std::to_string(item) + " is out of view");
        return PixelCapture::FromScreen(visible);
    }

    // The bounding box of the frame's grey, when every pixel of its edges is
    // that grey: a frame, not stray grey pixels.
    static std::optional<RECT> FindFrame(const PixelCapture& capture) {
        RECT box{capture.width(), capture.height(), -1, -1};
        for (int y = 0; y < capture.height(); ++y) {
            for (int x = 0; x < capture.width(); ++x) {
                if (capture.At(x, y) != kThumbnailFrameGrey) continue;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
        if (box.right <= box.left || box.right - box.left < 8 || box.bottom - box.top < 8) return std::nullopt;
        for (int x = box.left; x < box.right; ++x)
            if (capture.At(x, box.top) != kThumbnailFrameGrey || capture.At(x, box.bottom - 1) != kThumbnailFrameGrey)
                return std::nullopt;
        for (int y = box.top; y < box.bottom; ++y)
            if (capture.At(box.left, y) != kThumbnailFrameGrey || capture.At(box.right - 1, y) != kThumbnailFrameGrey)
                return std::nullopt;
        return box;
    }

    // The size of the item's framed picture once it is painted; {0, 0} when
    // no frame shows within the time.
    SIZE WaitForFrameSize(int item, SIZE expected, int timeoutMs = 5000) const {
        SIZE seen{0, 0};
        WaitUntil(
            [&] {
                return Settled([&] {
                    const auto frame = FindFrame(Icon(item));
                    seen = frame ? SIZE{frame->right - frame->left, frame->bottom - frame->top} : SIZE{0, 0};
                    return seen.cx == expected.cx && seen.cy == expected.cy;
                });
            },
            timeoutMs);
        return seen;
    }

    // Pixels of a colour inside the item's frame (exact: the pictures are
    // stretched without halftoning, so a solid colour stays itself); -1 when
    // no frame shows.
    int CountInPicture(int item, uint32_t colour) const { return CountInFrame(Icon(item), colour).first; }

    // Waits until the picture of the item shows the colour over at least
    // `share` of its frame; returns the last count seen.
    bool WaitForColour(int item, uint32_t colour, double share, int timeoutMs, int* lastCount = nullptr) const {
        int count = 0;
        const bool shown = WaitUntil(
            [&] {
                return Settled([&] {
                    double area = 0;
                    std::tie(count, area) = CountInFrame(Icon(item), colour);
                    return count >= 0 && count >= share * area;
                });
            },
            timeoutMs);
        if (lastCount) *lastCount = count;
        return shown;
    }

private:
    // The count of the colour inside the frame, and the frame's area; -1
    // and 0 without a frame.
    static std::pair<int, double> CountInFrame(const PixelCapture& capture, uint32_t colour) {
        const auto frame = FindFrame(capture);
        if (!frame) return {-1, 0.0};
        int count = 0;
        for (int y = frame->top; y < frame->bottom; ++y)
            for (int x = frame->left; x < frame->right; ++x)
                if (capture.At(x, y) == colour) ++count;
        return {count, double(frame->right - frame->left) * double(frame->bottom - frame->top)};
    }

    const VistrelProcess& app_;
    HWND list_;
};

// Empty when every item sits where a grid of `columns` columns, 10 pixels
// apart, with the first item's bounds as the cell, puts it; otherwise the
// first item out of place.
inline std::string GridMismatch(const VistrelProcess& app, int columns) {
    const ListViewProbe list = app.List();
    const RECT cell = list.Bounds(0, LVIR_BOUNDS);
    const int cellWidth = cell.right - cell.left, cellHeight = cell.bottom - cell.top;
    for (int i = 0; i < list.Count(); ++i) {
        const POINT at = list.Position(i);
        const POINT expected{(i % columns) * (cellWidth + 10), (i / columns) * (cellHeight + 10)};
        if (at.x != expected.x || at.y != expected.y) {
            return "item " + std::to_string(i) + " at (" + std::to_string(at.x) + ", " + std::to_string(at.y) +
                   "), expected (" + std::to_string(expected.x) + ", " + std::to_string(expected.y) + ") with " +
                   std::to_string(columns) + " columns of " + std::to_string(cellWidth) + " x " +
                   std::to_string(cellHeight);
        }
    }
    return {};
}

}  // namespace vistrel::e2e
