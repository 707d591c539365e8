#pragma once
// What the clipping setting dialog does, apart from drawing: the working
// copy of a window's set, the list of its entries, the drag that makes a
// rectangle, and the conversions between the picture, shown at three
// quarters of the window's size, and window coordinates.

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/WindowEntry.h"
#include "common/Geometry.h"

namespace vistrel {

// The start of every entry of the dialog's list: "クリップ " and a number.
extern const char* const kClipEntryPrefix;

// Three quarters of the window's size, the quarter taken first.
int DisplayedSize(int fullSize);
// A slot in picture coordinates (a right or bottom of 0 draws no frame).
Rect ToPicture(const ClipRect& slot);
// A picture point as the window point it stands for.
Point ToWindowPoint(int pictureX, int pictureY);

class ClipEditor {
public:
    explicit ClipEditor(const ClipSet& clips);

    const ClipSet& Working() const { return working_; }
    // One entry per slot, up to the last slot with a width above 0: a slot
    // that is no full rectangle still has its entry, so every later one can
    // be chosen, redrawn and deleted.
    const std::vector<std::string>& Entries() const { return entries_; }
    int Selected() const { return selected_; }
    // The frame to show, in picture coordinates.
    const Rect& Selection() const { return selection_; }
    bool Dragging() const { return dragging_; }

    void Select(int entry);
    // A new, empty entry, selected; nothing when all ten are there.
    void Add();
    // The selected entry's rectangle goes, the later ones move down.
    void Delete();

    // A drag on the picture. A release without a press stores nothing.
    void Press(int x, int y);
    void Move(int x, int y);
    void Release(int x, int y);

    // The set OK writes back: compacted.
    ClipSet Result() const;

private:
    void Relabel();

    ClipSet working_;
    std::vector<std::string> entries_;
    int selected_ = -1;
    Rect selection_;
    bool dragging_ = false;
};

}  // namespace vistrel
