#include "catalogue/ParkJournal.h"

#include <utility>
#include <vector>

#include "platform/DisplayInfo.h"
#include "platform/Files.h"
#include "platform/WindowFacts.h"

namespace vistrel {

namespace {

uint64_t KeyOf(HWND window) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window)); }
HWND WindowOf(uint64_t key) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(key)); }
Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

ParkJournal::ParkJournal(std::string path) : path_(std::move(path)) { SetParkObserver(this); }

ParkJournal::~ParkJournal() { SetParkObserver(nullptr); }

void ParkJournal::Parked(HWND target, Point home) {
    record_.Parked({KeyOf(target), home.x, home.y});
    Save();
}

void ParkJournal::Unparked(HWND target) {
    const size_t before = record_.Windows().size();
    record_.Unparked(KeyOf(target));
    if (record_.Windows().size() != before) Save();
}

std::optional<Point> ParkJournal::RecordedHome(HWND target) const {
    for (const ParkedWindow& window : record_.Windows())
        if (window.handle == KeyOf(target)) return Point{window.left, window.top};
    return std::nullopt;
}

void ParkJournal::Save() const {
    // Replaced whole or not at all: a crash while writing never leaves half
    // a record.
    if (record_.Windows().empty())
        DeleteFileA(path_.c_str());
    else
        platform::ReplaceFileContents(path_, record_.Format());
}

int ParkJournal::BringBackFromLastRun() {
    // A record that cannot be read, or is far larger than any the program
    // writes, moves nothing; the next park replaces it.
    const auto text = platform::ReadWholeFile(path_);
    if (!text) return 0;
    int brought = 0;
    const ParkRecord left = ParkRecord::Parse(*text);
    std::vector<Rect> screens;
    for (const RECT& monitor : platform::MonitorRects()) screens.push_back(ToRect(monitor));
    for (const ParkedWindow& window : left.Windows()) {
        const HWND target = WindowOf(window.handle);
        if (!IsWindow(target)) continue;
        const Rect now = ToRect(platform::WindowRect(target));
        if (!BringsHomeAtStart(window, now, platform::IsTopLevel(target), screens)) continue;
        // Never waits: a window of the last run that hangs now goes home
        // when it pumps again.
        platform::PlaceWindowAsync(target, window.left, window.top, 0, 0, SWP_NOSIZE);
        ++brought;
    }
    record_.Clear();
    Save();
    return brought;
}

void ParkJournal::EmergencyRestore() const noexcept {
    for (const ParkedWindow& window : record_.Windows())
        platform::PlaceWindowAsync(WindowOf(window.handle), window.left, window.top, 0, 0, SWP_NOSIZE);
}

}  // namespace vistrel
