#pragma once
// PopupMenu and MenuItem. The items are the truth: their captions and states
// are plain members that handlers change at any time, also before the menu
// was ever shown, and the HMENU is built from them afresh at each Popup.
//
// A chosen item arrives as WM_COMMAND(id) at the owner form, which finds the
// item by id (CommandTarget::FromId) and runs Click. Every HMENU item carries
// its MenuItem* as item data, which is how the owner's WM_MENUSELECT (hints),
// WM_DRAWITEM and WM_MEASUREITEM (owner drawing) and WM_MENUCHAR find it:
// the owner form passes those messages to PopupMenu::HandleOwnerMessage.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/DpiScale.h"
#include "toolkit/Component.h"
#include "toolkit/GdiOwners.h"

namespace vistrel::tk {

class ImageList;
class PopupMenu;

// The system's menu font at `dpi` (the DPI of the window that shows the
// menu), bold for a menu's default item; null when the system does not tell it.
FontOwner MenuFont(int dpi, bool bold = false);

class MenuItem : public CommandTarget {
public:
    MenuItem();
    explicit MenuItem(int fixedId);
    ~MenuItem() override;

    std::string Caption;  // "-" makes a separator; "&" marks the access key
    int ImageIndex = -1;  // in the image list of the popup menu, -1 for none
    bool Checked = false;
    bool Enabled = true;
    bool Default = false;  // shown bold

    // The submenu, in order; empty for a plain item.
    std::vector<MenuItem*> Items;
    // Appends a child that this item owns (items made at run time).
    MenuItem& AddChild();
    MenuItem& AddChild(int fixedId);

    NotifyEvent OnClick;
    // With OnDrawItem set the item is owner-drawn: the owner form's
    // WM_DRAWITEM lands here with the menu's DC, the item rectangle and
    // whether the item is highlighted. OnMeasureItem may change the size
    // the toolkit proposes (see PopupMenu::DefaultItemSize).
    std::function<void(MenuItem&, HDC, const RECT&, bool selected)> OnDrawItem;
    std::function<void(MenuItem&, HDC, int& width, int& height)> OnMeasureItem;

    bool IsSeparator() const { return Caption == "-"; }
    bool OwnerDrawn() const { return static_cast<bool>(OnDrawItem); }
    // The popup menu this item was last built into (null before that).
    PopupMenu* Menu() const { return menu_; }

    void Click() override;

    // The item whose address an HMENU item carries as item data, or null when
    // that item no longer exists.
    static MenuItem* FromItemData(ULONG_PTR data);

private:
    friend class PopupMenu;
    PopupMenu* menu_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> owned_;
    // The item's picture for a menu that is not owner-drawn, made from the
    // image list once and kept while the list and the index stay the same.
    BitmapOwner picture_;
    HIMAGELIST pictureSource_ = nullptr;
    int pictureIndex_ = -1;
};

class PopupMenu : public Component {
public:
    PopupMenu() = default;
    ~PopupMenu() override;

    std::vector<MenuItem*> Items;  // the top-level items, in order
    ImageList* Images = nullptr;
    NotifyEvent OnPopup;  // runs before the menu is built, so it can set states

    // Runs OnPopup, builds the menu and tracks it at a screen point; owner
    // (the form) receives the menu's messages and the chosen command. With
    // root, only root's submenu is shown (a toolbar button's drop-down).
    void Popup(HWND owner, int screenX, int screenY, MenuItem* root = nullptr);

    // Builds the HMENU from the items now (Popup does this itself) and
    // returns it; it stays valid until the next build or the menu's end.
    HMENU Rebuild(MenuItem* root = nullptr);
    HMENU Handle() const { return handle_.get(); }

    // For the owner form's window procedure, before anything else: handles
    // WM_MENUSELECT, WM_MEASUREITEM and WM_DRAWITEM of menus (ODT_MENU) and
    // WM_MENUCHAR of our owner-drawn items. Returns true when the message was
    // handled; result is then the window procedure's return value. For
    // WM_MENUSELECT *hintOut becomes the highlighted item's whole hint
    // ("short|long"), or empty when the menu closes or the item is not ours.
    // Items are measured in the menu font at `dpi`, the owner's.
    static bool HandleOwnerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                                   std::string* hintOut, int dpi = kBaseDpi);

    // The size the toolkit gives an owner-drawn item: room for a 16 x 16
    // picture (or the image list's size), the caption in the menu font and a
    // margin; separators are 9 pixels high.
    static SIZE DefaultItemSize(const MenuItem& item, HDC dc);

private:
    void Append(HMENU menu, MenuItem& item);
    HBITMAP Picture(MenuItem& item);

    MenuOwner handle_;
};

}  // namespace vistrel::tk
