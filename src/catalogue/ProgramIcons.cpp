#include "catalogue/ProgramIcons.h"

#include <algorithm>
#include <utility>

#include "catalogue/WindowCatalogue.h"
#include "platform/Shell.h"

namespace vistrel {

namespace {

// The memos alive, by token: an answer names its memo by token only, and one
// that comes after the memo is gone finds nothing.
std::unordered_map<uint64_t, ProgramIcons*>& Memos() {
    static std::unordered_map<uint64_t, ProgramIcons*> memos;
    return memos;
}

uint64_t NextToken() {
    static uint64_t last = 0;
    return ++last;
}

constexpr int kSmallIconSide = 16;

}  // namespace

// The icon a window's class holds: a handle of the system's, read without a
// message. Copied, as the class's may go with its program.
platform::IconOwner ProgramIcons::ClassIcon(HWND window) const {
    auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, large_ ? GCLP_HICON : GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, large_ ? GCLP_HICONSM : GCLP_HICON));
    return platform::IconOwner(icon ? CopyIcon(icon) : nullptr);
}

ProgramIcons::ProgramIcons(const WindowCatalogue& catalogue) : catalogue_(catalogue), token_(NextToken()) {
    Memos()[token_] = this;
}

ProgramIcons::~ProgramIcons() { Memos().erase(token_); }

HICON ProgramIcons::IconOf(HWND window, int side) {
    if (const bool large = side > kSmallIconSide; large != large_) {
        large_ = large;
        known_.clear();
        arrived_.clear();
    }
    const auto known = known_.find(window);
    if (known != known_.end()) return known->second.get();
    // In place before the question: a window of this thread answers at once.
    platform::IconOwner& icon = known_[window];
    icon = ClassIcon(window);
    if (!icon) {
        // Until the window answers, and for good if it never does.
        icon = platform::GetFileIcon(catalogue_.ExecutablePath(window), !large_);
        SendMessageCallbackW(window, WM_GETICON, large_ ? ICON_BIG : ICON_SMALL2, 0, Answered,
                             static_cast<ULONG_PTR>(token_));
    }
    return icon.get();
}

void CALLBACK ProgramIcons::Answered(HWND window, UINT, ULONG_PTR token, LRESULT result) {
    const auto memo = Memos().find(token);
    if (memo == Memos().end() || !result) return;
    ProgramIcons& self = *memo->second;
    // A window forgotten meanwhile is asked again when it is listed again.
    const auto known = self.known_.find(window);
    if (known == self.known_.end()) return;
    platform::IconOwner icon(CopyIcon(reinterpret_cast<HICON>(result)));
    if (!icon) return;
    known->second = std::move(icon);
    self.arrived_.push_back(window);
}

std::vector<HWND> ProgramIcons::TakeArrived() { return std::exchange(arrived_, {}); }

void ProgramIcons::KeepOnly(const std::vector<WindowHandle>& listed) {
    std::erase_if(known_, [&](const auto& known) {
        return std::find(listed.begin(), listed.end(), static_cast<WindowHandle>(known.first)) == listed.end();
    });
    std::erase_if(arrived_, [&](HWND window) { return !known_.contains(window); });
}

}  // namespace vistrel
