#pragma once
// A folder of the test's own under %TEMP%, removed with everything in it when
// the owner goes. Windows and end-to-end tests alike write their files there,
// so a run never meets what an earlier or a parallel run left behind.

#include <set>
#include <string>

namespace vistrel::test {

class TempFolder {
public:
    // A new, empty folder "<stem>-<process id>-<n>"; throws std::runtime_error
    // when none can be made.
    explicit TempFolder(const std::string& stem);
    ~TempFolder();
    TempFolder(TempFolder&& other) noexcept;
    TempFolder& operator=(TempFolder&& other) noexcept;
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With its trailing backslash.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }
    // Names of the plain files in it, so a test sees what a writer left behind.
    std::set<std::string> Files() const;

    // Deletes the folder now; true once it is gone. A process that just ended
    // may still hold its image file for a moment, so callers may try again.
    bool Remove();
    // Leaves the folder where it is, for a person to look at.
    void Keep() { path_.clear(); }

private:
    std::string path_;
};

// Deletes a folder and everything in it (read-only files too); true when the
// folder itself is gone. A trailing backslash is allowed.
bool DeleteTree(const std::string& folder);

}  // namespace vistrel::test
