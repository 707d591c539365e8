#include "catalogue/WindowCatalogue.h"

#include <algorithm>
#include <iterator>

#include "catalogue/ScreenParts.h"
#include "exclusion/ExclusionList.h"
#include "platform/DisplayInfo.h"
#include "platform/Locale.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"

namespace vistrel {

WindowCatalogue::WindowCatalogue(const platform::ProcessPathApi& processPaths,
                                 const ExclusionList& exclusion)
    : processPaths_(processPaths),
      exclusion_(exclusion),
      listed_(std::make_unique<EnumeratedWindow[]>(kCapacity)),
      visible_(std::make_unique<HWND[]>(kCapacity)) {
    NoteScreen();
}

void WindowCatalogue::NoteScreen() {
    const RECT screen = platform::VirtualScreen();
    screen_ = {screen.left, screen.top, screen.right, screen.bottom};
}

bool WindowCatalogue::Qualifies(HWND window, QualifyMode mode, std::u16string_view* title,
                                bool* minimised) const {
    // Every rule rejects on its own, so checking visibility first changes no
    // answer; it spares the other look-ups for the many hidden windows of a
    // desktop, which matters to a change tick that runs twice a second. The
    // same look-up tells whether the window is minimised.
    const platform::TopLevelState state = platform::TopLevelStateOf(window);
    if (!state.visible) return false;
    // GetWindowText of another process's window reads the text the system
    // keeps and sends no message, so a hung window cannot hang the test.
    const std::u16string_view windowTitle = platform::WindowTitle(window, title_);
    const auto key = reinterpret_cast<uintptr_t>(window);
    if (!memo_.NamesQualify(
            key, windowTitle, mode,
            [window] { return platform::WindowClass(window); }, platform::EqualIgnoreCaseLstr))
        return false;
    WindowFacts facts;
    facts.visible = true;
    facts.cloaked = cloak_.Cloaked(window);
    // Each mode reads only the facts its rules look at (the owner for the
    // list; the area and the parent for placement targets): under Wine every
    // fact of another process's window is a round trip to the wineserver.
    if (mode == QualifyMode::Visible) {
        const RECT r = platform::WindowRect(window);
        facts.width = r.right - r.left;
        facts.height = r.bottom - r.top;
        facts.hasParent = platform::WindowParent(window) != nullptr;
    }
    if (!StateQualifies(facts, mode)) return false;
    // The owner rule only ever rejects: asked last, of the few windows every
    // other rule accepted, and once while the window stays shown.
    if (mode == QualifyMode::List &&
        memo_.Owned(key, [window] { return platform::WindowOwner(window) != nullptr; }))
        return false;
    // Opening the process is the one costly fact: asked last, and only when
    // there is a list to ask.
    if (!exclusion_.Empty() && exclusion_.Contains(ExecutablePath(window))) return false;
    if (title) *title = windowTitle;
    if (minimised) *minimised = state.minimised;
    return true;
}

std::u16string WindowCatalogue::ExecutablePath(HWND window) const {
    return platform::ExecutablePath(window, processPaths_);
}

void WindowCatalogue::EnumerateListed(bool restoreMinimised) {
    listedCount_ = 0;
    restoreMinimised_ = restoreMinimised;
    memo_.BeginPass();
    EnumWindows(ListCallback, reinterpret_cast<LPARAM>(this));
    memo_.EndPass();
    listedIndex_.clear();
    for (int i = 0; i < listedCount_; ++i) listedIndex_.push_back({listed_[i].handle, i});
    std::sort(listedIndex_.begin(), listedIndex_.end());
}

const EnumeratedWindow* WindowCatalogue::FindListed(HWND window) const {
    const auto found =
        std::lower_bound(listedIndex_.begin(), listedIndex_.end(), std::pair<HWND, int>{window, 0});
    if (found == listedIndex_.end() || found->first != window) return nullptr;
    return &listed_[found->second];
}

BOOL CALLBACK WindowCatalogue::ListCallback(HWND window, LPARAM param) {
    auto* self = reinterpret_cast<WindowCatalogue*>(param);
    if (self->listedCount_ >= kCapacity) return FALSE;
    std::u16string_view title;
    bool minimised = false;
    if (!self->Qualifies(window, QualifyMode::List, &title, &minimised)) return TRUE;
    EnumeratedWindow& entry = self->listed_[self->listedCount_++];
    entry.handle = window;
    entry.minimized = minimised;
    const size_t length = std::min(title.size(), std::size(entry.title) - 1);
    std::copy_n(title.data(), length, entry.title);
    entry.title[length] = u'\0';
    entry.titleLength = length;
    // A window that does not answer stays minimised (QuietShow asks first);
    // once the program is ending (its question may meet the end of the
    // session), no window is restored to be parked any more.
    if (self->restoreMinimised_ && entry.minimized && !tk::Application::Instance().Terminated())
        platform::QuietShow(window);
    return TRUE;
}

void WindowCatalogue::EnumerateVisible() {
    visibleCount_ = 0;
    NoteScreen();
    memo_.BeginPass();
    EnumWindows(VisibleCallback, reinterpret_cast<LPARAM>(this));
    memo_.EndPass();
}

BOOL CALLBACK WindowCatalogue::VisibleCallback(HWND window, LPARAM param) {
    auto* self = reinterpret_cast<WindowCatalogue*>(param);
    if (self->visibleCount_ >= kCapacity) return FALSE;
    if (self->Qualifies(window, QualifyMode::Visible)) self->visible_[self->visibleCount_++] = window;
    return TRUE;
}

HWND WindowCatalogue::FirstOwnedBy(HWND window) const {
    for (int i = 0; i < visibleCount_; ++i)
        if (platform::WindowOwner(visible_[i]) == window) return visible_[i];
    return nullptr;
}

HWND WindowCatalogue::PlacementTarget(HWND window) const {
    HWND owned = FirstOwnedBy(window);
    return owned ? owned : window;
}

HWND WindowCatalogue::PicturedWindow(HWND window) const {
    const RECT r = platform::WindowRect(window);
    if ((r.right - r.left) * (r.bottom - r.top) != 0) return window;
    return PlacementTarget(window);
}

namespace {

struct AboveWalk {
    HWND window;
    std::vector<Rect>* above;
    const platform::CloakApi* cloak;
    bool found = false;
};

BOOL CALLBACK CollectAbove(HWND window, LPARAM param) {
    auto* walk = reinterpret_cast<AboveWalk*>(param);
    if (window == walk->window) {
        walk->found = true;
        return FALSE;
    }
    // Any visible window covers what lies below it, listed or not (tool
    // windows, the taskbar, our own main window).
    if (platform::TopLevelStateOf(window).visible && !walk->cloak->Cloaked(window)) {
        const RECT r = platform::WindowRect(window);
        walk->above->push_back({r.left, r.top, r.right, r.bottom});
    }
    return TRUE;
}

}  // namespace

std::vector<Rect> WindowCatalogue::ShownParts(HWND window, const RECT& now) const {
    above_.clear();
    AboveWalk walk{window, &above_, &cloak_};
    EnumWindows(CollectAbove, reinterpret_cast<LPARAM>(&walk));
    if (!walk.found) return {};
    const Rect rect{now.left, now.top, now.right, now.bottom};
    return ToWindowCoordinates(UncoveredParts(rect, above_, screen_), rect);
}

}  // namespace vistrel
