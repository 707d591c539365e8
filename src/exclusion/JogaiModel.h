#pragma once
// The exclusion list dialog's model: the working copy of the list, which
// becomes the exclusion list only through OK, and how an entry looks.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vistrel {

class ExclusionDraft {
public:
    explicit ExclusionDraft(std::vector<std::u16string> lines) : lines_(std::move(lines)) {}

    const std::vector<std::u16string>& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }

    // Removes the lines that `selected` marks, one flag per line (lines
    // without a flag stay). Returns the indexes removed, last first: the
    // order in which a list of the same lines drops them one at a time
    // while the indexes still to go stay valid.
    std::vector<int> DeleteSelected(const std::vector<bool>& selected);

private:
    std::vector<std::u16string> lines_;
};

// COLORREF values, 0x00BBGGRR.
constexpr uint32_t kEntryFontColour = 0x505050;  // the list's dark grey
constexpr int kEntryTintWeight = 200;           // a selected icon keeps 201/256

// How an entry is drawn over what the list prepared (the list's colours, or
// the highlight colours for a selected entry).
struct EntryLook {
    // The frame's pen; none keeps the pen the last entry drawn left.
    std::optional<uint32_t> pen;
    // The icon tinted towards navy.
    bool tinted = false;
    // Text colours of the product name and of the file name; none keeps
    // the colour prepared, or for the file name the product name's.
    std::optional<uint32_t> nameColour;
    std::optional<uint32_t> fileColour;
};

// highColour: the display had more than 10 bits per pixel at start-up;
// below that the pale selected colours would dither.
EntryLook LookOfEntry(bool selected, bool highColour);

}  // namespace vistrel
