#pragma once
// Where a call's time goes among the messages it sends to windows of the
// calling thread: counts and the time spent in each kind of message (its
// window procedure, less the messages nested in it), by window class and
// message. Under Wine every message to a subclassed common control costs
// wineserver round trips, so this explains much of a figure.
//
// The hooks that observe the messages cost time of their own, so a profiled
// call runs slower than a timed one: read the shares, not the sums.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "Timing.h"

namespace vistrel::bench {

class MessageProfile {
public:
    MessageProfile();  // starts observing
    ~MessageProfile();
    MessageProfile(const MessageProfile&) = delete;
    MessageProfile& operator=(const MessageProfile&) = delete;

    void Stop();
    long Count() const;
    // Milliseconds inside the window procedures of outermost messages.
    double InsideMs() const { return insideMs_; }
    // "SysListView32 2013, TPrintWndDlg 1203, ..." (most first).
    std::string CountsByClass() const;
    // The `rows` kinds of message that took longest, one per line, indented.
    std::string Heaviest(size_t rows) const;

private:
    struct Kind {
        long count = 0;
        double ms = 0.0;  // exclusive of nested messages
    };
    struct Open {
        std::string key;
        double start = 0.0;
        double nestedMs = 0.0;
    };
    static LRESULT CALLBACK Before(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK After(int code, WPARAM wParam, LPARAM lParam);

    HHOOK before_ = nullptr;
    HHOOK after_ = nullptr;
    std::map<std::string, Kind> kinds_;          // "class message"
    std::map<std::string, long> countsByClass_;
    std::vector<Open> open_;
    double insideMs_ = 0.0;
    static MessageProfile* active_;
};

// Runs `call` once under a profile and prints what it sent: counts by window
// class, the time inside messages against the whole (both profiled), and the
// heaviest kinds of message.
template <class Fn>
void PrintMessageProfile(const char* what, Fn&& call, size_t rows = 8) {
    MessageProfile profile;
    const double ms = TimeMs(call);
    profile.Stop();
    Print("  messages sent in one %s: %ld (%s); %.1f ms of its %.1f ms (profiled) inside them; "
          "heaviest:\n%s",
          what, profile.Count(), profile.CountsByClass().c_str(), profile.InsideMs(), ms,
          profile.Heaviest(rows).c_str());
}

}  // namespace vistrel::bench
