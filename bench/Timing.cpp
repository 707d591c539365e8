#include "Timing.h"

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <exception>

namespace vistrel::bench {

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

double Median(std::vector<double> samples) {
    if (samples.empty()) return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    if (samples.size() % 2 != 0) return samples[middle];
    return (samples[middle - 1] + samples[middle]) / 2.0;
}

void PrintComparison(const std::string& what, double median, const std::string& reference,
                     double referenceMedian, double target) {
    const double ratio = referenceMedian > 0.0 ? median / referenceMedian : 0.0;
    Print("%s: median %.3f ms; %s %.3f ms; ratio %.2f (target <= %.3g: %s)\n", what.c_str(), median,
          reference.c_str(), referenceMedian, ratio, target, ratio <= target ? "met" : "missed");
}

void Print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
    std::fflush(stdout);
}

int RunBenchmark(const char* name, void (*run)()) {
    try {
        run();
    } catch (const std::exception& error) {
        Print("%s: stopped: %s\n", name, error.what());
    }
    return 0;
}

}  // namespace vistrel::bench
