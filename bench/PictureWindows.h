#pragma once
// Top-level windows of the calling thread that stand in for a user's
// applications: titled, visible, and painting one picture for WM_PAINT,
// WM_PRINTCLIENT and WM_PRINT. They live in the benchmark's own process
// because under Wine PrintWindow reaches only windows of the calling process,
// and on its main thread, so that talking to them never dispatches sent
// messages (such as the update thread's synchronised tick) in the middle of a
// timed call.

#include <windows.h>

#include <string>
#include <vector>

namespace vistrel::bench {

class PictureWindows {
public:
    PictureWindows() = default;
    ~PictureWindows() { CloseAll(); }
    PictureWindows(const PictureWindows&) = delete;
    PictureWindows& operator=(const PictureWindows&) = delete;

    // Shown without activation; the picture is painted before this returns.
    HWND Add(const std::string& title, int x, int y, int width, int height);
    // `count` windows titled "<stem> 001", ... laid out in rows across the
    // screen (overlapping where they must). Numbers and places go on from
    // the windows already here, so that growing the set in steps gives the
    // same windows as making it at once.
    void AddMany(int count, const std::string& stem, int width, int height);
    // Closes the last windows made until `count` are left.
    void KeepFirst(int count);
    int Count() const { return static_cast<int>(windows_.size()); }

    const std::vector<HWND>& Windows() const { return windows_; }
    void CloseAll();

private:
    std::vector<HWND> windows_;
};

// The least a thumbnail needs: the whole window printed into a bitmap of its
// size (made and freed for this capture) and scaled into `thumbnail`.
void BareCapture(HWND window, HDC thumbnail, int width, int height);

}  // namespace vistrel::bench
