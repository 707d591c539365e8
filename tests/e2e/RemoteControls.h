#pragma once
// Probes of controls in another process: finding children by id, commands,
// buttons, toolbars, status bars and list views. Messages whose parameters
// point to memory carry a buffer allocated in the control's own process,
// because the receiving process reads the pointer in its own address space.

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "Driver.h"

namespace vistrel::e2e {

// Depth-first over all descendants; nullptr when no child has the id.
HWND FindChild(HWND root, int id);
std::string WindowText(HWND window);  // never sends a message to the window
std::string ClassName(HWND window);
DWORD WindowProcessId(HWND window);
// Top-level windows of a process, in Z order.
std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly);
// The class of dialog boxes, message boxes among them.
constexpr const char* kDialogClass = "#32770";
// A visible top-level window of the process and class; nullptr when none.
HWND FindTopLevel(DWORD processId, const std::string& className);
// Texts of a dialog's static controls, read without sending messages.
std::vector<std::string> StaticTexts(HWND dialog);
// The process's message box whose text contains `part`, once it shows;
// nullptr when none did within the time.
HWND WaitForBoxSaying(DWORD processId, const std::string& part, int timeoutMs);

// WM_COMMAND with the id and notification 0, as a menu item or toolbar button
// sends it. SendCommand returns after the handler ran; PostCommand returns at
// once (for commands that open a modal window).
void SendCommand(HWND target, int id, int timeoutMs = kMessageTimeoutMs);
void PostCommand(HWND target, int id);

// A key pressed and released, posted: an open menu's tracking loop takes the
// keys of its thread's queue as it takes the user's.
void PressKey(HWND window, WPARAM key);

// Real key input, as the user types it, to whichever window has the focus:
// the keys of a chord pressed in order and released in reverse, with the
// scan codes a keyboard sends (the hot key control reads the key of a
// character message from its scan code).
void TypeChord(std::initializer_list<WORD> keys);

// The mouse pointer moved for the scope of a test and put back after it: a
// pointer resting on a menu or a toolbar would highlight items and open
// tooltips of its own. Starts parked in the screen's bottom-right corner,
// away from the program's windows.
class PointerMoved {
public:
    PointerMoved();
    ~PointerMoved();
    PointerMoved(const PointerMoved&) = delete;
    PointerMoved& operator=(const PointerMoved&) = delete;
    void MoveTo(int x, int y) const { SetCursorPos(x, y); }

private:
    POINT home_{};
};

// BM_CLICK: the button presses itself and notifies its parent.
void ClickButton(HWND button, int timeoutMs = kMessageTimeoutMs);
bool IsChecked(HWND button);
bool IsToolButtonEnabled(HWND toolbar, int commandId);
// The simple text (part 255) or else the text of part 0.
std::string StatusBarText(HWND statusBar);

// A list view of another process.
class ListViewProbe {
public:
    explicit ListViewProbe(HWND list);

    HWND handle() const { return list_; }
    int Count() const;
    // subItem 0 is the caption; 1 is the first sub-item (a framework's SubItems[0]).
    std::string Text(int index, int subItem = 0) const;
    std::vector<std::string> Texts() const;  // every caption, in list order
    // A caption in UTF-16 (LVM_GETITEMTEXTW), as the list holds it.
    std::u16string WideText(int index) const;
    std::vector<std::u16string> WideTexts() const;
    int Find(const std::string& caption) const;  // -1 when absent
    POINT Position(int index) const;
    RECT Bounds(int index, int part = LVIR_BOUNDS) const;
    std::vector<int> Selected() const;  // in list order
    // index -1 applies to every item.
    void Select(int index, bool selected = true) const;
    // Deselects all, then selects and focuses the one item.
    void SelectOnly(int index) const;
    // A left click (or double click) at the centre of the item's icon; returns
    // after the list view handled the mouse messages.
    void Click(int index) const;
    void DoubleClick(int index) const;
    // The item at a point in the list's client coordinates, -1 for none.
    int HitTest(POINT at) const;

private:
    LPARAM ClickPoint(int index) const;
    void CheckIndex(int index) const;
    HWND list_;
    UniqueHandle process_;
};

// A list box of another process. The system carries the texts of a list box
// that keeps strings across processes itself, as it does for every standard
// list box message.
class ListBoxProbe {
public:
    explicit ListBoxProbe(HWND list) : list_(list) {}

    HWND handle() const { return list_; }
    int Count() const;
    std::string Text(int index) const;
    std::vector<std::string> Texts() const;  // in list order
    std::vector<int> Selected() const;       // in list order
    // index -1 applies to every entry (multiple-selection lists).
    void Select(int index, bool selected = true) const;
    // A left click in the entry (scrolled into view first), as the user
    // clicks: the list notifies its parent.
    void Click(int index) const;

private:
    HWND list_;
};

}  // namespace vistrel::e2e
