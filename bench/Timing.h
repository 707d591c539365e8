#pragma once
// The clock, medians and the one-line report every benchmark prints. Figures
// are only printed: how fast is fast enough is decided by people reading
// them, never by an assertion.

#include <string>
#include <vector>

namespace vistrel::bench {

// Milliseconds on the performance counter, from an arbitrary origin.
double NowMs();

double Median(std::vector<double> samples);

// "<what>: median 1.23 ms; <reference> 0.98 ms; ratio 1.26 (target <= 1.5: met)"
void PrintComparison(const std::string& what, double median, const std::string& reference,
                     double referenceMedian, double target);

// printf to stdout, flushed at once: Wine's console otherwise holds the lines
// back until the program ends.
void Print(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Runs a benchmark; an error ends it with a line saying so. Always 0: a
// benchmark reports, it never fails the run.
int RunBenchmark(const char* name, void (*run)());

template <class Fn>
double TimeMs(Fn&& fn) {
    const double start = NowMs();
    fn();
    return NowMs() - start;
}

struct PairMs {
    double measured = 0.0;
    double reference = 0.0;
};

// Times the measured call and its reference once each. Which of the two goes
// first alternates with `round`: the first after other work starts colder.
template <class Measured, class Reference>
PairMs TimePair(int round, Measured&& measured, Reference&& reference) {
    PairMs times;
    if (round % 2 == 0) {
        times.measured = TimeMs(measured);
        times.reference = TimeMs(reference);
    } else {
        times.reference = TimeMs(reference);
        times.measured = TimeMs(measured);
    }
    return times;
}

}  // namespace vistrel::bench
