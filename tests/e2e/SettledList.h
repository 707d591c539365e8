#pragma once
// Reading Vistrel's list while its change tick may be rebuilding it.
//
// The tick rebuilds the whole list whenever the number of qualifying windows
// changes, and a rebuild serves the messages sent to the program while it
// runs (its one round of message processing with the list empty, and every
// PrintWindow to another process's window). So a probe may meet an empty or
// half-built list, or items that vanish between two of its messages. A title
// seen is really there; a title missing is only missing once the list has
// settled: read twice, more than a tick apart, with the same result.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "VistrelProcess.h"

namespace vistrel::e2e {

// The titles, or nothing when the list changed under the probe.
inline std::optional<std::vector<std::string>> TitlesIfReadable(const VistrelProcess& app) {
    try {
        return app.ListTitles();
    } catch (const DriverError&) {
        if (!app.IsRunning()) throw;
        return std::nullopt;
    }
}

inline bool Contains(const std::vector<std::string>& titles, const std::string& title) {
    return std::find(titles.begin(), titles.end(), title) != titles.end();
}

// True once the title is seen in the list.
inline bool IsListedNow(const VistrelProcess& app, const std::string& title) {
    const auto titles = TitlesIfReadable(app);
    return titles && Contains(*titles, title);
}

inline std::vector<std::string> SettledTitles(const VistrelProcess& app, int timeoutMs = 10000) {
    constexpr int kMoreThanATickMs = 600;
    std::optional<std::vector<std::string>> previous;
    std::vector<std::string> settled;
    WaitFor(
        [&] {
            auto now = TitlesIfReadable(app);
            if (now && previous && *now == *previous) {
                settled = std::move(*now);
                return true;
            }
            previous = std::move(now);
            Sleep(kMoreThanATickMs);
            return false;
        },
        timeoutMs, "Vistrel's list to settle");
    return settled;
}

}  // namespace vistrel::e2e
