#pragma once
// ParkJournal: ParkRecord kept in a file of the data folder as windows are
// parked and brought back. At the start it brings home what an earlier run
// left parked; in a crash it sends the windows it knows home without waiting
// for any of them.

#include <windows.h>

#include <optional>
#include <string>

#include "catalogue/ParkRecord.h"
#include "catalogue/WindowStates.h"

namespace vistrel {

class ParkJournal : public ParkObserver {
public:
    explicit ParkJournal(std::string path);
    ~ParkJournal() override;
    ParkJournal(const ParkJournal&) = delete;
    ParkJournal& operator=(const ParkJournal&) = delete;

    void Parked(HWND target, Point home) override;
    void Unparked(HWND target) override;
    std::optional<Point> RecordedHome(HWND target) const override;

    // Windows the file names that still stand where parking put them come
    // back, when BringsHomeAtStart allows it; the file is cleared. Returns
    // how many came back.
    int BringBackFromLastRun();
    // Every window parked now is sent home, asynchronously: a dying process
    // may not wait for anyone. The file stays for the next start.
    void EmergencyRestore() const noexcept;

    const ParkRecord& Record() const { return record_; }

private:
    void Save() const;

    std::string path_;
    ParkRecord record_;
};

}  // namespace vistrel
