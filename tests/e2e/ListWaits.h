#pragma once
// Reading Vistrel's list while its change tick may be rebuilding it.
//
// The tick rebuilds the whole list whenever the number of qualifying windows
// changes, and a rebuild serves the messages sent to the program while it
// runs (its one round of message processing with the list empty, and every
// PrintWindow to another process's window). So a look may meet an empty or
// half-built list, or items that vanish between two of its messages; such a
// look counts as "not yet" inside a bounded wait.
//
// A title seen is really there. A title missing is only known to be left out
// when the same look shows a window made after it (or after the command that
// should drop it): the enumeration behind that look came later. Tests that
// assert an absence wait for such a witness, never for the list to stay
// still for a while.

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "VistrelProcess.h"

namespace vistrel::e2e {

// A look at the list that fell into a rebuild is "not yet".
template <class Look>
bool Settled(Look look) {
    try {
        return look();
    } catch (const DriverError&) {
        return false;
    }
}

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

inline bool ContainsAll(const std::vector<std::string>& titles, const std::vector<std::string>& wanted) {
    return std::all_of(wanted.begin(), wanted.end(), [&](const std::string& t) { return Contains(titles, t); });
}

// The first look at the list that satisfies `done`; throws on timeout.
inline std::vector<std::string> WaitForList(const VistrelProcess& app,
                                            const std::function<bool(const std::vector<std::string>&)>& done,
                                            const std::string& what, int timeoutMs = 10000) {
    std::vector<std::string> seen;
    WaitFor(
        [&] {
            auto now = TitlesIfReadable(app);
            if (!now || !done(*now)) return false;
            seen = std::move(*now);
            return true;
        },
        timeoutMs, what);
    return seen;
}

// The first look that lists every one of `titles`.
inline std::vector<std::string> WaitForTitles(const VistrelProcess& app, const std::vector<std::string>& titles,
                                              int timeoutMs = 10000) {
    std::string what = "Vistrel to list";
    for (const std::string& t : titles) what += " \"" + t + "\"";
    return WaitForList(
        app, [&](const std::vector<std::string>& now) { return ContainsAll(now, titles); }, what, timeoutMs);
}

}  // namespace vistrel::e2e
