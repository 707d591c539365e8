#include "catalogue/ParkRecord.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "catalogue/Parking.h"
#include "common/MonitorLayout.h"

namespace vistrel {

namespace {

// The next field of a line: characters up to a space; the rest stays.
std::string_view NextField(std::string_view& line) {
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(start);
    const size_t end = line.find(' ');
    const std::string_view field = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end);
    return field;
}

template <class T>
bool ReadNumber(std::string_view field, T& value, int base) {
    if (field.empty()) return false;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value, base);
    return error == std::errc() && end == field.data() + field.size();
}

template <class T>
void AppendNumber(std::string& text, T value, int base) {
    char digits[24];  // 64 bits in base 10 with a sign, or in hex
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, base);
    if (error == std::errc()) text.append(digits, end);
}

}  // namespace

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
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ParkedWindow window;
        const bool read = ReadNumber(NextField(line), window.handle, 16) &&
                          ReadNumber(NextField(line), window.left, 10) &&
                          ReadNumber(NextField(line), window.top, 10) && NextField(line).empty();
        if (read && window.handle != 0) lines.push_back(window);
    }
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

bool BringsHomeAtStart(const ParkedWindow& window, const Rect& now, bool topLevel,
                       const std::vector<Rect>& screens) {
    if (!topLevel || !IsParkedLeft(now.left) || !StandsParked(window, now, BoundsOf(screens))) return false;
    // In 64 bits: the recorded place and the present size come from a file
    // and from another program, and their sum may pass the 32-bit range.
    const int64_t left = window.left;
    const int64_t top = window.top;
    const int64_t right = left + (int64_t{now.right} - now.left);
    const int64_t bottom = top + (int64_t{now.bottom} - now.top);
    return std::any_of(screens.begin(), screens.end(), [&](const Rect& s) {
        return left < s.right && s.left < right && top < s.bottom && s.top < bottom;
    });
}

}  // namespace vistrel
