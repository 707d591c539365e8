// TPrintWndDlg: what keeps windows from being lost when the program does not
// end as it should. Parked windows are journalled in the data folder, so the
// next start brings home what a killed run left out of sight; a crash sends
// them home and makes translucent windows visible before the process goes.

#include "main/WndCloseUnit.h"

namespace vistrel {

namespace {

constexpr const char* kParkRecordFile = "parked.dat";

// The main window for the crash handler; there is one per process.
TPrintWndDlg* rescued = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;

LONG WINAPI RescueOnCrash(EXCEPTION_POINTERS* exception) {
    // Once only: a crash inside the rescue must not come back here.
    if (TPrintWndDlg* window = std::exchange(rescued, nullptr)) window->EmergencyRestore();
    // The system's error box and report follow as for any crash.
    return previousFilter ? previousFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void TPrintWndDlg::StartParkJournal(const std::string& dataFolder) {
    parkJournal_ = std::make_unique<ParkJournal>(dataFolder + kParkRecordFile);
}

void TPrintWndDlg::InstallCrashRescue() {
    rescued = this;
    previousFilter = SetUnhandledExceptionFilter(RescueOnCrash);
}

void TPrintWndDlg::RemoveCrashRescue() {
    if (rescued != this) return;
    rescued = nullptr;
    SetUnhandledExceptionFilter(previousFilter);
}

void TPrintWndDlg::EmergencyRestore() const noexcept {
    // Nothing here waits for another program or allocates: the process is
    // failing, or the session ends around it. The journal's file stays for
    // the next start, which passes over the windows that did come home.
    if (parkJournal_) parkJournal_->EmergencyRestore();
    layered_.GiveBackNow();
}

}  // namespace vistrel
