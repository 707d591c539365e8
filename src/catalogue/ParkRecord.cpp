#include "catalogue/ParkRecord.h"

#include <algorithm>
#include <unordered_set>

#include "catalogue/Parking.h"
#include "common/TextFields.h"

namespace vistrel {

void ParkRecord::Parked(const ParkedWindow& window) {
    Unparked(window.handle);
    windows_.push_back(window);
}

void ParkRecord::Unparked(uint64_t handle) {
    windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                  [&](const ParkedWindow& w) { return w.handle == handle; }),
                   windows_.end());
}

std::string ParkRecord::Format() const {
    std::string text;
    for (const ParkedWindow& w : windows_) {
        AppendNumber(text, w.handle, 16);
        text += ' ';
        AppendNumber(text, w.left, 10);
        text += ' ';
        AppendNumber(text, w.top, 10);
        text += "\r\n";
    }
    return text;
}

ParkRecord ParkRecord::Parse(std::string_view text) {
    std::vector<ParkedWindow> lines;
    ForEachLine(text, [&](std::string_view line) {
        ParkedWindow window;
        const bool read = ReadNumber(NextField(line), window.handle, 16) &&
                          ReadNumber(NextField(line), window.left, 10) &&
                          ReadNumber(NextField(line), window.top, 10) && NextField(line).empty();
        if (read && window.handle != 0) lines.push_back(window);
    });
    // A window named again stands where its last line puts it, in that line's
    // place, as Parked would have it; found from the end in one pass, since a
    // damaged file may hold any number of lines.
    ParkRecord record;
    std::unordered_set<uint64_t> named;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        if (named.insert(line->handle).second) record.windows_.push_back(*line);
    std::reverse(record.windows_.begin(), record.windows_.end());
    return record;
}

bool StandsParked(const ParkedWindow& window, const Rect& now, const Rect& virtualScreen) {
    return StandsParkedFrom({window.left, window.top}, now, virtualScreen);
}

}  // namespace vistrel
