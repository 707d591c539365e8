#pragma once
// The decisions behind the commands on the selected windows: which state a
// command waits for, which items the select commands pick, where a moved
// item goes, and which context-menu items a selection enables.

#include <array>
#include <vector>

#include "catalogue/Parking.h"

namespace vistrel {

// The Tag of ToolButton3, ToolButton4, ToolButton5 and Close1.
enum class WindowCommand { Show = 0, Minimise = 1, Close = 2 };

// What a command waits for once it has acted. In Open Only mode show and
// minimise move windows instead of restoring or minimising them: there is
// nothing to wait for, and a wait would only run to its bound.
AwaitedState StateToAwait(WindowCommand command, bool openOnly);
// The same for the double click, which restores a minimised window, parks an
// open one in Open Only mode and minimises it otherwise.
AwaitedState StateToAwaitOnToggle(bool wasMinimised, bool openOnly);

// ToolButton2 (Tag 0) selects every item, Window1 (1) the open ones, N3 (2)
// the minimised ones; `minimized` decides, not `parked`.
bool SelectedBy(int tag, bool minimized);

// The slot a selected item moves to, one place forward or back; -1 when it
// would leave the list.
int MoveTarget(int index, int count, bool forward);

// What a key pressed in the list does. The arrow keys, Home, End and the
// page keys are the list's own and stay unused here.
enum class ListKey {
    None,
    GoTo,       // Enter: restore or bring to front, the last one in front
    Minimise,   // Shift+Enter
    Close,      // Delete
    SelectAll,  // Ctrl+A
    Refresh,    // F5
    Copy,       // Ctrl+C: the first selected picture, as shown
    FindBack,   // Backspace: the last character of the filter goes
    FindClear,  // Escape: the filter goes
};
// `key` is a virtual-key code.
ListKey ListKeyOf(int key, bool control, bool shift, bool alt);

constexpr int kClipChoiceCount = 10;

// One selected item, as the context menu looks at it.
struct SelectedItem {
    bool minimized = false;
    bool autoUpdate = true;
    bool hasClips = false;
    std::array<bool, kClipChoiceCount> slotFilled{};  // the slots holding a rectangle
};

struct PopupStates {
    bool topWindow = false;        // TopWndMenu
    bool close = false;            // Close1, N9, GrpSaveMenu, Copy1
    bool clipping = false;         // N4, AutoUpdateMenu, TrimDataMenu
    bool clipMenu = false;         // ClipMenu
    int clipMenuImage = 16;        // 16 unchecked, 17 checked
    bool trimSave = false;         // TrimSaveMenu
    bool trimLoad = false;         // TrmInpotMenu
    bool clipSet = false;          // Clip1
    bool clipRemove = false;       // N5
    bool autoOn = false;           // ON1
    bool autoOff = false;          // OFF1
    bool actualSize = false;       // the "実寸サイズ" items of Copy1 and GrpSaveMenu
    bool clipList = false;         // TrimingOnMenu
    std::array<bool, kClipChoiceCount> clipChoices{};  // the ten "Clip (&n)" items
};

struct PopupFacts {
    bool printWindow = false;      // windows can be pictured
    bool clipMenuChecked = true;
    bool autoChecked = false;      // "Auto"
    bool trimStored = false;       // trm.ini holds clipping for the first selected caption
    int regionTotal = 0;           // regions of all entries marked for automatic update
};

// `selected` in list order; the first is the first selected item.
PopupStates ComputePopupStates(const std::vector<SelectedItem>& selected, const PopupFacts& facts);

}  // namespace vistrel
