#include "main/ClosingSequence.h"

#include <utility>

namespace vistrel {

ClosingSequence::ClosingSequence(ClosingSteps steps) : steps_(std::move(steps)) {}

bool ClosingSequence::TakeCloseAsked() { return std::exchange(closeAsked_, false); }

void ClosingSequence::Query() {
    closing_ = true;
    RunClosingWork();
}

void ClosingSequence::RunClosingWork() {
    if (std::exchange(workDone_, true)) return;
    steps_.tellCpuToEnd();
    steps_.stopBackground();
    steps_.giveWindowsBack();
    steps_.freeSystemFunctions();
    steps_.saveList(!sessionEnding_);
}

void ClosingSequence::WriteSettingsOnce() {
    if (!std::exchange(settingsWritten_, true)) steps_.writeSettings();
}

void ClosingSequence::Close() {
    WriteSettingsOnce();
    if (!sessionEnding_) steps_.fadeOut();
}

void ClosingSequence::Destroy() {
    steps_.joinWorkers();
    steps_.releaseEntries();
}

void ClosingSequence::EndSession() {
    if (std::exchange(sessionEnding_, true)) return;
    steps_.markEnding();
    steps_.tellCpuToEnd();
    // A close may have begun already and be waiting below us: whatever it
    // has not done yet is done here.
    steps_.saveList(false);
    WriteSettingsOnce();
    steps_.giveWindowsBackNow();
    workDone_ = true;
    steps_.stopBackground();
}

void ClosingSequence::Finish() noexcept {
    try {
        steps_.joinWorkers();
        if (!workDone_) RunClosingWork();
    } catch (...) {
        steps_.giveWindowsBackNow();
    }
}

}  // namespace vistrel
