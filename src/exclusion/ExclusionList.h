#pragma once
// The executables whose windows are never listed, in the order they were
// added. Paths compare without regard to case by the user locale's rules,
// which the Win32 side injects.

#include <functional>
#include <string>
#include <vector>

namespace vistrel {

class ExclusionList {
public:
    using Equality = std::function<bool(const std::string&, const std::string&)>;

    explicit ExclusionList(Equality equal);

    // Whole-text match against any line. An empty line matches the empty path
    // of a process whose executable cannot be read.
    bool Contains(const std::string& path) const;

    // Appends the path unless a line already matches; returns whether it did.
    bool AddUnique(const std::string& path);

    const std::vector<std::string>& Lines() const { return lines_; }

    // Lines as read from the file or confirmed in the dialog: taken as they
    // are, duplicates included.
    void Replace(std::vector<std::string> lines);

    // The catalogue looks up a window's path only when this is false.
    bool Empty() const { return lines_.empty(); }

private:
    Equality equal_;
    std::vector<std::string> lines_;
};

}  // namespace vistrel
