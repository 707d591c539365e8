#pragma once
// Which top-level windows of the desktop are listed. The two tables are made
// once and overwritten by every enumeration, so enumerating allocates nothing.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/WindowMemo.h"
#include "catalogue/Qualify.h"
#include "catalogue/WindowEntry.h"
#include "common/Geometry.h"
#include "platform/OptionalApis.h"
#include "platform/WindowFacts.h"

namespace vistrel {

class ExclusionList;
namespace platform {
struct ProcessPathApi;
}

// The portable entry keeps the handle opaque; this is its Win32 face.
inline HWND WindowOf(const WindowEntry& entry) { return static_cast<HWND>(entry.handle); }

struct EnumeratedWindow {
    HWND handle = nullptr;
    bool minimized = false;
    char16_t title[256] = {};  // at most 255 UTF-16 units and the terminator
    size_t titleLength = 0;
    std::u16string_view Title() const { return {title, titleLength}; }
};

class WindowCatalogue {
public:
    static constexpr int kCapacity = 1000;

    WindowCatalogue(const platform::ProcessPathApi& processPaths, const ExclusionList& exclusion);

    // The qualifying test; on acceptance *title views the title it read (until
    // the next question) and *minimised receives the window's minimised state.
    bool Qualifies(HWND window, QualifyMode mode, std::u16string_view* title = nullptr,
                   bool* minimised = nullptr) const;
    std::u16string ExecutablePath(HWND window) const;

    // Fills the enumeration table in Z order. With restoreMinimised (a refresh
    // in Open Only mode) every minimised listed window is quietly restored; its
    // entry still says minimised, so the change tick parks it afterwards.
    void EnumerateListed(bool restoreMinimised);
    int ListedCount() const { return listedCount_; }
    const EnumeratedWindow& Listed(int index) const { return listed_[index]; }
    // The window's row of the enumeration table, or null when the last
    // EnumerateListed did not list it.
    const EnumeratedWindow* FindListed(HWND window) const;

    // Fills the visible window list: the candidates for placement targets.
    void EnumerateVisible();
    int VisibleCount() const { return visibleCount_; }
    HWND Visible(int index) const { return visible_[index]; }

    // The first window of the visible window list owned by `window`, else the
    // window itself. Only as fresh as the last EnumerateVisible.
    HWND PlacementTarget(HWND window) const;
    // The window a thumbnail pictures: the window itself, or, when it has no
    // area, its placement target.
    HWND PicturedWindow(HWND window) const;

    // What the screen shows of a window whose rectangle is `now`, in window
    // coordinates: the parts on the screen that no visible window above it
    // covers (a cloaked window covers nothing). The windows above are looked at now, not at the last
    // enumeration: one that appeared or moved since must not end up in
    // another window's picture. Nothing for a window that is not there.
    std::vector<Rect> ShownParts(HWND window, const RECT& now) const;

private:
    static BOOL CALLBACK ListCallback(HWND window, LPARAM self);
    static BOOL CALLBACK VisibleCallback(HWND window, LPARAM self);
    HWND FirstOwnedBy(HWND window) const;
    void NoteScreen();

    const platform::ProcessPathApi& processPaths_;
    const ExclusionList& exclusion_;
    platform::CloakApi cloak_ = platform::CloakApi::Load();
    std::unique_ptr<EnumeratedWindow[]> listed_;
    int listedCount_ = 0;
    bool restoreMinimised_ = false;
    // The table's rows by handle, sorted; keeps its capacity, so a change
    // tick allocates nothing.
    std::vector<std::pair<HWND, int>> listedIndex_;
    std::unique_ptr<HWND[]> visible_;
    int visibleCount_ = 0;
    // Every monitor together; asked at each EnumerateVisible rather than at
    // each capture, as every question about the display is a costly round
    // trip under Wine, and monitors rarely change.
    Rect screen_;
    mutable std::vector<Rect> above_;  // reused by ShownParts
    mutable WindowMemo memo_;          // filled as the enumerations meet windows
    mutable platform::TitleBuffer title_;  // the title of the last question
};

}  // namespace vistrel
