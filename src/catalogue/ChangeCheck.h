#pragma once
// The decisions of the change tick and the automatic passes: which toolbar
// buttons apply to the selection, what changed since the list was built,
// which items a pass recaptures, and where its clipping pictures go.

#include <functional>
#include <span>
#include <string>

namespace vistrel {

// The marks of one list item's window entry.
struct ItemMarks {
    bool minimized = false;
    bool parked = false;
};

// Open Only mode is in force when its box is checked and PrintWindow exists.
// Then a parked window is what the user sees as minimised.
bool CountsAsMinimised(const ItemMarks& marks, bool openOnlyInForce);

struct ToolbarStates {
    bool show = false;         // ToolButton3
    bool minimise = false;     // ToolButton4
    bool close = false;        // ToolButton5
    bool translucent = false;  // ToolButton7, ToolButton9, ToolButton10
    bool sort = false;         // SortToolBtn
    bool move = false;         // ToolButton16, ToolButton17
    friend bool operator==(const ToolbarStates&, const ToolbarStates&) = default;
};

// `selected` holds the marks of the selected items; itemCount is the number
// of all list items.
ToolbarStates ComputeToolbarStates(std::span<const ItemMarks> selected, bool openOnlyInForce, int itemCount);

// Change kinds, the first one found wins.
constexpr int kNoChange = 0;
constexpr int kLayoutChanged = 1;  // a different number of thumbnails fits a row
constexpr int kCountChanged = 2;   // the qualifying windows differ: in number, or a listed one left
constexpr int kItemChanged = 3;    // a minimised state or a title changed

// What the change check reads of one list item now.
struct ItemNow {
    bool markedMinimised = false;  // the entry's minimized mark
    bool iconic = false;           // IsIconic now
    std::u16string caption;        // the item's caption
    std::u16string title;          // the window's title now
    // Among the qualifying windows now. One that left while another came (a
    // switch of virtual desktops cloaks some windows and shows as many
    // others) leaves the count as it was.
    bool qualifies = true;
};

bool ItemChanged(const ItemNow& item, bool openOnlyInForce);

struct ChangeCheckInput {
    int askedColumns = 0;  // what the list view's width allows now
    int columnCount = 0;   // what the last layout used
    int listedCount = 0;   // list items
    bool openOnlyInForce = false;
    // Enumerates the qualifying windows and returns their number. Called only
    // when the layout is unchanged, so a new layout costs no enumeration.
    std::function<int()> countQualifying;
    // Reads item `index` (0 <= index < listedCount) into `out`; returns false
    // to abandon the check (the update thread is ending), which then reports
    // no change.
    std::function<bool(int index, ItemNow& out)> readItem;
};

int ChangeKind(const ChangeCheckInput& input);

// Whether a pass recaptures an item. Only what can be seen is paid for: in
// the main list the items in view, open windows on every pass and minimised
// ones on every sixth (tick 5); while the clipping list window has the main
// window hidden, the clipped windows, whose regions it shows, on every pass.
bool PassStepDue(bool autoUpdate, bool minimized, int tick, bool hasClips, bool mainHidden, bool inView);

// The tick the next pass carries: 0..5 in turn, always 0 while the clipping
// list window is open.
int NextTick(int tickCounter, bool clipListOpen);

// Timer1Timer starts a pass only when Auto is on, none runs and no change is
// waiting to be applied.
bool PassMayStart(bool autoChecked, bool passRunning, int stopRequest);

// While the clipping list window is open, picture k of its list stands for
// the k-th region a pass meets, whether or not that region's window answers.
enum class RegionPicture {
    Append,   // the next picture of a list still filling
    Replace,  // a picture the list has, renewed
    Keep,     // the list's picture stays
};
// `cursor` is the region's place in the pass, `count` the pictures the list
// holds, `total` the regions it shows; `renewed`: the window answered and is
// not minimised (a minimised one prints its caption bar).
RegionPicture PlaceRegionPicture(int cursor, int count, int total, bool renewed);

}  // namespace vistrel
