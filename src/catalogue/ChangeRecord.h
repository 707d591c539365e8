#pragma once
// What this program has changed on other programs' windows: the windows it
// parked out of sight and the ones it made translucent, each with what it was
// before and what the program left it as. The record is written before a
// change is made and a change leaves it only once it has really been given
// back, so that whatever ends the program (a close, the end of the session,
// a crash, a kill) the next look at the record finds every change still out.
// A window is known again by its process and by the state it was left in:
// one that its own program has changed since is none of ours any more.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/ParkRecord.h"
#include "common/Geometry.h"

namespace vistrel {

struct ParkChange {
    // Where the window comes back to: its place and its size before it was
    // parked (a maximised one: one pixel in from its monitor's corner, the
    // monitor's size).
    Rect home;
    // Where parking put it, as it was seen there afterwards.
    Point at;
    bool maximised = false;
    friend bool operator==(const ParkChange&, const ParkChange&) = default;
};

struct LayeredAttributes {
    uint32_t key = 0;  // COLORREF
    uint8_t alpha = 255;
    uint32_t flags = 0;  // LWA_
    friend bool operator==(const LayeredAttributes&, const LayeredAttributes&) = default;
};

struct LayerChange {
    bool wasLayered = false;
    // What the window's own program had set, when it could be read.
    std::optional<LayeredAttributes> own;
    // The opacity this program gave it last, and the one before (the same
    // when there was none): the record is written before the window is
    // changed, so the window may still show the earlier one.
    uint8_t given = 255;
    uint8_t earlier = 255;
    // The user released it, but its style could not be removed yet: it was
    // made fully opaque meanwhile.
    bool released = false;
    friend bool operator==(const LayerChange&, const LayerChange&) = default;
};

// A process as the system names it: its id, and when it started, which tells
// it from a later process given the same id (0 when it could not be read).
struct ProcessIdentity {
    uint32_t id = 0;
    uint64_t started = 0;
    friend bool operator==(const ProcessIdentity&, const ProcessIdentity&) = default;
};
// The same process: the same id, and the same start where both were read
// (a start that could not be read, once or now, leaves the id to decide).
bool SameProcess(const ProcessIdentity& a, const ProcessIdentity& b);

struct WindowChange {
    uint64_t window = 0;
    ProcessIdentity process;
    // The listed window it was parked for: a window's placement target may be
    // a window it owns, and the windows it owns may change while it is parked.
    uint64_t listed = 0;
    std::optional<ParkChange> park;
    std::optional<LayerChange> layer;
    friend bool operator==(const WindowChange&, const WindowChange&) = default;
};

class ChangeRecord {
public:
    // Before a window is parked; a park of it from before is replaced.
    void NoteParking(uint64_t window, const ProcessIdentity& process, uint64_t listed, const ParkChange& park);
    // Where the window was seen once it had moved.
    void NoteParkedAt(uint64_t window, Point at);
    void ForgetPark(uint64_t window);

    // Before the program layers a window at `given`: the first change keeps
    // what the window was (`wasLayered`, `own`); later ones only the opacity,
    // and a pending release is off.
    void NoteLayering(uint64_t window, const ProcessIdentity& process, bool wasLayered,
                      const std::optional<LayeredAttributes>& own, uint8_t given);
    // The user released the window and its style is still to go; it is made
    // fully opaque meanwhile. Added for a window the program never changed.
    void NoteReleased(uint64_t window, const ProcessIdentity& process);
    void ForgetLayer(uint64_t window);

    const WindowChange* Find(uint64_t window) const;
    const std::vector<WindowChange>& Changes() const { return changes_; }
    bool Empty() const { return changes_.empty(); }
    // The windows parked for a listed window (the window itself among them,
    // when it was its own placement target).
    std::vector<uint64_t> ParkedFor(uint64_t listed) const;
    bool AnyReleased() const;

    // One line a change: "park" or "layer", the window in hex, its process
    // (id and start), then the change's fields.
    std::string Format() const;
    // A line that is not such a line is passed over, and so is every window
    // past kMostRecorded: a damaged, planted or huge file never stops the
    // start and names nothing it does not clearly name.
    static ChangeRecord Parse(std::string_view text);
    // The parked windows in the older file's form (handle, home's left and top).
    ParkRecord ParkedLines() const;

    // Far more windows than the program ever lists (1000) and changes.
    static constexpr size_t kMostRecorded = 2000;

private:
    WindowChange& Entry(uint64_t window, const ProcessIdentity& process);
    void DropEmpty();

    std::vector<WindowChange> changes_;
};

// What the end of the program does to a window it layered.
enum class LayeredRestore {
    RemoveStyle,        // it was not layered, or the user released it: the style goes
    RestoreAttributes,  // layered by itself: its own opacity back
    // Layered by itself in a way that cannot be read (UpdateLayeredWindow):
    // fully opaque, never left as the user made it, perhaps invisible.
    MakeOpaque,
};
LayeredRestore RestoreOf(const LayerChange& change);

}  // namespace vistrel
