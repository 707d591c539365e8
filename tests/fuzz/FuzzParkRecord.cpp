// The park file and the record of changes: read at start from whatever the
// last run, a crash or a disk left behind. Neither names handle 0 or a
// window twice, and what they write reads back exactly.

#include <cstdint>
#include <set>
#include <string>

#include "FuzzCheck.h"
#include "catalogue/ChangeRecord.h"
#include "catalogue/ParkRecord.h"
#include "catalogue/Parking.h"

namespace vistrel {
namespace {

bool Same(const std::vector<ParkedWindow>& a, const std::vector<ParkedWindow>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].handle != b[i].handle || a[i].left != b[i].left || a[i].top != b[i].top) return false;
    return true;
}

void CheckRecord(const ParkRecord& record) {
    std::set<uint64_t> handles;
    for (const ParkedWindow& w : record.Windows()) {
        FUZZ_CHECK(w.handle != 0);
        FUZZ_CHECK(handles.insert(w.handle).second);
    }
    const std::string text = record.Format();
    const ParkRecord back = ParkRecord::Parse(text);
    FUZZ_CHECK(Same(back.Windows(), record.Windows()));
    FUZZ_CHECK(back.Format() == text);
}

void CheckChanges(const ChangeRecord& record) {
    std::set<uint64_t> windows;
    for (const WindowChange& c : record.Changes()) {
        FUZZ_CHECK(c.window != 0);
        FUZZ_CHECK(c.park || c.layer);
        FUZZ_CHECK(windows.insert(c.window).second);
    }
    const std::string text = record.Format();
    const ChangeRecord back = ChangeRecord::Parse(text);
    FUZZ_CHECK(back.Changes() == record.Changes());
    FUZZ_CHECK(back.Format() == text);
}

}  // namespace
}  // namespace vistrel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vistrel;
    // The file as it may be found.
    const ParkRecord found = fuzz::NoThrow("ParkRecord::Parse", [&] { return ParkRecord::Parse(fuzz::Bytes(data, size)); });
    CheckRecord(found);
    CheckChanges(fuzz::NoThrow("ChangeRecord::Parse", [&] { return ChangeRecord::Parse(fuzz::Bytes(data, size)); }));

    // The same bytes as a run of parks and unparks the program might make.
    fuzz::Input input(data, size);
    ParkRecord made;
    while (!input.Empty()) {
        const uint8_t op = input.Byte();
        ParkedWindow w;
        w.handle = input.Number<uint64_t>() % ((op & 0x0F) + 1);  // few handles, so that they meet again
        w.left = static_cast<int32_t>(input.Number<uint32_t>());
        w.top = static_cast<int32_t>(input.Number<uint32_t>());
        if (w.handle == 0) continue;  // no window has handle 0
        if (op & 0x80) {
            made.Unparked(w.handle);
        } else {
            made.Parked(w);
            FUZZ_CHECK(made.Windows().back().handle == w.handle);
        }
        // Where parking put it, and anywhere else.
        const int64_t parkedLeft = int64_t{w.left} + kParkingOffset;
        const int64_t parkedTop = int64_t{w.top} + kParkingOffset;
        if (parkedLeft <= INT32_MAX && parkedTop <= INT32_MAX) {
            const Rect there{static_cast<int32_t>(parkedLeft), static_cast<int32_t>(parkedTop),
                             static_cast<int32_t>(parkedLeft), static_cast<int32_t>(parkedTop)};
            FUZZ_CHECK(StandsParked(w, there, Rect{0, 0, 1280, 1024}));
        }
        FUZZ_CHECK(!StandsParked(w, Rect{w.left, w.top, w.left, w.top}, Rect{0, 0, 1280, 1024}));
    }
    CheckRecord(made);
    return 0;
}
