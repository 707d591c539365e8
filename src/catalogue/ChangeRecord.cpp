#include "catalogue/ChangeRecord.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "common/TextFields.h"

namespace vistrel {

bool SameProcess(const ProcessIdentity& a, const ProcessIdentity& b) {
    return a.id == b.id && (a.started == b.started || a.started == 0 || b.started == 0);
}

WindowChange& ChangeRecord::Entry(uint64_t window, const ProcessIdentity& process) {
    for (WindowChange& change : changes_)
        if (change.window == window) {
            // The handle has passed to a window of another program: what was
            // noted of the old one no longer means anything.
            if (!SameProcess(change.process, process)) change = WindowChange{window, process, 0, {}, {}};
            return change;
        }
    changes_.push_back({window, process, 0, {}, {}});
    return changes_.back();
}

void ChangeRecord::DropEmpty() {
    changes_.erase(std::remove_if(changes_.begin(), changes_.end(),
                                  [](const WindowChange& c) { return !c.park && !c.layer; }),
                   changes_.end());
}

void ChangeRecord::NoteParking(uint64_t window, const ProcessIdentity& process, uint64_t listed,
                               const ParkChange& park) {
    WindowChange& change = Entry(window, process);
    change.listed = listed;
    change.park = park;
}

void ChangeRecord::NoteParkedAt(uint64_t window, Point at) {
    for (WindowChange& change : changes_)
        if (change.window == window && change.park) change.park->at = at;
}

void ChangeRecord::ForgetPark(uint64_t window) {
    for (WindowChange& change : changes_)
        if (change.window == window) change.park.reset();
    DropEmpty();
}

void ChangeRecord::NoteLayering(uint64_t window, const ProcessIdentity& process, bool wasLayered,
                                const std::optional<LayeredAttributes>& own, uint8_t given) {
    WindowChange& change = Entry(window, process);
    if (!change.layer) change.layer = LayerChange{wasLayered, own, given, given, false};
    change.layer->earlier = change.layer->given;
    change.layer->given = given;
    change.layer->released = false;
}

void ChangeRecord::NoteReleased(uint64_t window, const ProcessIdentity& process) {
    WindowChange& change = Entry(window, process);
    // Never changed by us: it had the style of its own, which the release takes.
    if (!change.layer) change.layer = LayerChange{true, std::nullopt, 255, 255, false};
    change.layer->released = true;
}

void ChangeRecord::ForgetLayer(uint64_t window) {
    for (WindowChange& change : changes_)
        if (change.window == window) change.layer.reset();
    DropEmpty();
}

const WindowChange* ChangeRecord::Find(uint64_t window) const {
    for (const WindowChange& change : changes_)
        if (change.window == window) return &change;
    return nullptr;
}

std::vector<uint64_t> ChangeRecord::ParkedFor(uint64_t listed) const {
    std::vector<uint64_t> windows;
    for (const WindowChange& change : changes_)
        if (change.park && change.listed == listed) windows.push_back(change.window);
    return windows;
}

bool ChangeRecord::AnyReleased() const {
    return std::any_of(changes_.begin(), changes_.end(),
                       [](const WindowChange& c) { return c.layer && c.layer->released; });
}

namespace {

constexpr std::string_view kParkLine = "park";
constexpr std::string_view kLayerLine = "layer";

void AppendFields(std::string& text, std::initializer_list<int64_t> values) {
    for (const int64_t value : values) {
        text += ' ';
        AppendNumber(text, value);
    }
}

void AppendHex(std::string& text, uint64_t value) {
    text += ' ';
    AppendNumber(text, value, 16);
}

void AppendProcess(std::string& text, const ProcessIdentity& process) {
    AppendFields(text, {process.id});
    AppendHex(text, process.started);
}

bool ReadFlag(std::string_view field, bool& flag) {
    if (field != "0" && field != "1") return false;
    flag = field == "1";
    return true;
}

bool ReadPark(std::string_view line, WindowChange& change) {
    ParkChange park;
    Rect& h = park.home;
    const bool read = ReadNumber(NextField(line), change.listed, 16) && ReadNumber(NextField(line), h.left) &&
                      ReadNumber(NextField(line), h.top) && ReadNumber(NextField(line), h.right) &&
                      ReadNumber(NextField(line), h.bottom) && ReadNumber(NextField(line), park.at.x) &&
                      ReadNumber(NextField(line), park.at.y) && ReadFlag(NextField(line), park.maximised) &&
                      NextField(line).empty();
    // A home turned inside out, or wider than any coordinate reaches, is no
    // window's place.
    const int64_t width = int64_t{h.right} - h.left;
    const int64_t height = int64_t{h.bottom} - h.top;
    if (!read || width < 0 || height < 0 || width > INT32_MAX || height > INT32_MAX) return false;
    change.park = park;
    return true;
}

bool ReadLayer(std::string_view line, WindowChange& change) {
    LayerChange layer;
    if (!ReadFlag(NextField(line), layer.wasLayered) || !ReadNumber(NextField(line), layer.given) ||
        !ReadNumber(NextField(line), layer.earlier) || !ReadFlag(NextField(line), layer.released))
        return false;
    const std::string_view key = NextField(line);
    if (!key.empty()) {
        LayeredAttributes own;
        if (!ReadNumber(key, own.key, 16) || !ReadNumber(NextField(line), own.alpha) ||
            !ReadNumber(NextField(line), own.flags, 16))
            return false;
        layer.own = own;
    }
    if (!NextField(line).empty()) return false;
    change.layer = layer;
    return true;
}

}  // namespace

std::string ChangeRecord::Format() const {
    std::string text;
    for (const WindowChange& c : changes_) {
        if (const auto& p = c.park) {
            text += kParkLine;
            AppendHex(text, c.window);
            AppendProcess(text, c.process);
            AppendHex(text, c.listed);
            AppendFields(text, {p->home.left, p->home.top, p->home.right, p->home.bottom, p->at.x, p->at.y,
                                p->maximised ? 1 : 0});
            text += "\r\n";
        }
        if (const auto& l = c.layer) {
            text += kLayerLine;
            AppendHex(text, c.window);
            AppendProcess(text, c.process);
            AppendFields(text, {l->wasLayered ? 1 : 0, l->given, l->earlier, l->released ? 1 : 0});
            if (l->own) {
                AppendHex(text, l->own->key);
                AppendFields(text, {l->own->alpha});
                AppendHex(text, l->own->flags);
            }
            text += "\r\n";
        }
    }
    return text;
}

ChangeRecord ChangeRecord::Parse(std::string_view text) {
    ChangeRecord record;
    // Each window's place in the record, so that a file of any length is
    // read in one pass.
    std::unordered_map<uint64_t, size_t> places;
    ForEachLine(text, [&](std::string_view line) {
        const std::string_view kind = NextField(line);
        WindowChange read;
        if (!ReadNumber(NextField(line), read.window, 16) || read.window == 0 ||
            !ReadNumber(NextField(line), read.process.id) || !ReadNumber(NextField(line), read.process.started, 16))
            return;
        const bool isPark = kind == kParkLine;
        if (!(isPark ? ReadPark(line, read) : kind == kLayerLine && ReadLayer(line, read))) return;
        const auto [place, added] = places.try_emplace(read.window, record.changes_.size());
        if (added) {
            if (record.changes_.size() >= kMostRecorded) {
                places.erase(place);
                return;
            }
            record.changes_.push_back({read.window, read.process, 0, {}, {}});
        }
        // A window named again is as its last line says; a line of another
        // process than the window's earlier lines starts the window anew.
        WindowChange& change = record.changes_[place->second];
        if (!SameProcess(change.process, read.process)) change = WindowChange{read.window, read.process, 0, {}, {}};
        if (isPark) {
            change.listed = read.listed;
            change.park = read.park;
        } else {
            change.layer = read.layer;
        }
    });
    return record;
}

ParkRecord ChangeRecord::ParkedLines() const {
    ParkRecord lines;
    for (const WindowChange& c : changes_)
        if (c.park) lines.Parked({c.window, c.park->home.left, c.park->home.top});
    return lines;
}

LayeredRestore RestoreOf(const LayerChange& change) {
    if (!change.wasLayered || change.released) return LayeredRestore::RemoveStyle;
    return change.own ? LayeredRestore::RestoreAttributes : LayeredRestore::MakeOpaque;
}

}  // namespace vistrel
