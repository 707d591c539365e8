#pragma once
// The executables whose windows are never listed, in the order they were
// added. Paths are UTF-16, as the system holds them, and compare without
// regard to case by the user locale's rules, which the Win32 side injects.

#include <functional>
#include <string>
#include <vector>

namespace vistrel {

class ExclusionList {
public:
    using Equality = std::function<bool(const std::u16string&, const std::u16string&)>;

    explicit ExclusionList(Equality equal);

    // Whole-text match against any line but an empty one. A process whose
    // executable cannot be read has an empty path, and so have all the others
    // like it: an empty line would hide every one of them.
    bool Contains(const std::u16string& path) const;

    // Appends the path unless it is empty or a line already matches; returns
    // whether it did.
    bool AddUnique(const std::u16string& path);

    const std::vector<std::u16string>& Lines() const { return lines_; }

    // Lines as read from the file or confirmed in the dialog: taken as they
    // are, duplicates and empty lines included, so that the file is written
    // back as it was.
    void Replace(std::vector<std::u16string> lines);

    // The catalogue looks up a window's path only when this is false.
    bool Empty() const { return lines_.empty(); }

private:
    Equality equal_;
    std::vector<std::u16string> lines_;
};

}  // namespace vistrel
