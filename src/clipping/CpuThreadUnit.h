#pragma once
// TCpuThread: samples the machine's processor usage once a second and hands
// each value to the user-interface thread, where the main window shows it.
// Sampling itself never runs there: a sample waits a second between its two
// readings, and the interface must not.
//
// The main window owns the thread: it creates it suspended, lets it run at
// the end of its creation, asks it to end at its close request and joins it
// before anything the handed-over values touch is destroyed. The pause
// between readings ends at once when the thread is asked to end, so a close
// never waits for it.

#include <functional>

#include "toolkit/Thread.h"

namespace vistrel {

constexpr unsigned kCpuSamplePauseMs = 1000;

// Where the values come from: the system's total processor time counter, or
// its processor times, which every system has. The counter is sampled when it
// can be opened, the times otherwise.
enum class CpuSource { PerformanceCounter, SystemTimes };

struct CpuThreadOptions {
    CpuSource source = CpuSource::PerformanceCounter;
    unsigned pauseMs = kCpuSamplePauseMs;
    // Runs on the worker once the source is open, with the one sampled;
    // tests learn from it which one that is and that sampling begins.
    std::function<void(CpuSource)> onOpened;
};

class TCpuThread : public tk::Thread {
public:
    // setCpuUsage runs in the user-interface thread with a percentage in
    // 0..100, once for every sample that could be read.
    explicit TCpuThread(std::function<void(int)> setCpuUsage, CpuThreadOptions options = {});
    ~TCpuThread() override;

protected:
    void Execute() override;

private:
    std::function<void(int)> setCpuUsage_;
    CpuThreadOptions options_;
};

}  // namespace vistrel
