#pragma once
// ListView: a SysListView32 in large-icon view with multi-selection and items
// placed explicitly (no auto-arrange). The control's own items are the only
// copy of captions, sub-item texts, data, pictures and positions: other
// processes (the end-to-end driver) read them with LVM_GETITEMTEXT and
// LVM_GETITEMPOSITION, so nothing is kept on the side.
//
// Sub-item texts live in hidden columns: sub-item 0 of an item is the
// control's iSubItem 1. Columns are added as sub-items are used.
//
// Items can be hidden: they keep their place in the list, and every index
// here counts them, but the control shows only the others, in the same
// order. A hidden item is kept on the side (its texts, data and picture);
// it is never selected, and has no position or bounds.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace vistrel::tk {

class ImageList;

class ListView : public Window {
public:
    // Everything one item shows and carries, apart from its selection and position.
    struct ItemSnapshot {
        std::u16string caption;
        std::vector<std::string> subItems;
        LPARAM data = 0;
        int image = -1;
    };

    void Create(Window* parent, int id, const RECT& bounds);
    // The list keeps showing `images` but does not own it. Give it again after
    // the image list's size changed, so that the item spacing follows.
    void SetLargeImages(ImageList& images);
    void SetDoubleBuffered(bool on);

    int Count() const;
    // Appends an item without a picture; returns its index.
    int AddItem(const std::u16string& caption, LPARAM data = 0);
    // Appends an item with its picture in one message.
    int AddItem(std::u16string caption, LPARAM data, int image);
    void Clear();

    // Captions are other programs' window titles: UTF-16, as they hold them.
    std::u16string Caption(int item) const;
    void SetCaption(int item, const std::u16string& caption);
    // sub 0 is the first sub-item; a missing one reads as the empty text.
    std::string SubItem(int item, int sub) const;
    void SetSubItem(int item, int sub, const std::string& text);
    int SubItemCount() const;
    LPARAM Data(int item) const;
    void SetData(int item, LPARAM data);
    // -1: no picture.
    int ImageIndex(int item) const;
    void SetImageIndex(int item, int image);
    // Repaints an item whose picture changed in the image list behind it.
    void RedrawItem(int item);

    // The item's position in view coordinates, as LVM_GETITEMPOSITION reports
    // it and LVM_SETITEMPOSITION32 takes it.
    POINT Position(int item) const;
    void SetPosition(int item, POINT position);
    // Icon and label together (LVIR_BOUNDS), in client coordinates.
    RECT ItemBounds(int item) const;

    bool Selected(int item) const;
    void SetSelected(int item, bool selected);
    int SelectedCount() const;
    // The first selected item in list order, or -1.
    int FirstSelected() const;
    int NextSelected(int after) const;
    // The item with the focus rectangle (the keyboard's place), or -1.
    int FocusedItem() const;
    void SetFocusedItem(int item);
    void ScrollBy(int dx, int dy);
    void EnsureVisible(int item);

    ItemSnapshot Snapshot(int item) const;
    void Restore(int item, const ItemSnapshot& snapshot);
    // Exchanges caption, sub-items, data and picture; selection and position stay.
    void SwapItems(int a, int b);
    // Item i takes what item order[i] had. Selection is cleared, positions stay.
    // False (and nothing changed) unless `order` is a permutation of 0 .. Count()-1.
    bool Reorder(const std::vector<size_t>& order);

    // Hides the items marked, shows the others; `hidden` has an entry per item.
    void SetHidden(const std::vector<bool>& hidden);
    bool Hidden(int item) const;
    int ShownCount() const;

    // Bulk changes: redrawing is off until the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    // An item's selected state changed.
    std::function<void(ListView& sender, int item, bool selected)> OnSelectItem;
    // A context menu is asked for, by the mouse or the keyboard; `screen` is
    // where it should appear.
    std::function<void(ListView& sender, POINT screen)> OnContextPopup;
    // A key pressed in the list (WM_KEYDOWN): true when it was used, and the
    // control's own handling of it is skipped.
    std::function<bool(ListView& sender, WORD key)> OnKeyDown;
    // A character typed, one UTF-16 unit at a time (one outside the BMP comes
    // as its two surrogates; the IME's characters come whole):
    // true when it was used, so the control's own type-ahead does not move
    // the selection.
    std::function<bool(ListView& sender, char16_t unit)> OnChar;
    // The middle button released over an item.
    std::function<void(ListView& sender, int item)> OnMiddleClick;
    // The tooltip of an item the mouse rests on; none when unset. It shows
    // in the list's font, below or above the item, never over it.
    std::function<std::u16string(ListView& sender, int item)> OnHoverText;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    void EnsureSubItemColumns(int count);
    // The context menu asked for from the keyboard: at the focused item,
    // else the first selected one, else the list's top-left corner.
    void KeyboardPopup();
    // The control's texts, captions and sub-items alike, by the control's index.
    std::u16string ItemText(int item, int subItem) const;
    void SetItemText(int item, int subItem, std::u16string text);
    // The tip of the item the mouse rests on, below or above the item; -1
    // hides it.
    void ShowTip(int shown);
    void HideTip();
    // The item at a point of the client area, or -1.
    int ItemAtPoint(POINT client) const;
    int ShownAtPoint(POINT client) const;  // the control's index
    // The control's index of an item, -1 for a hidden one, and the other way.
    int Shown(int item) const;
    int ItemAt(int shown) const;
    ItemSnapshot* Stashed(int item);
    const ItemSnapshot* Stashed(int item) const;
    int InsertShown(int shown, const ItemSnapshot& snapshot);
    void IndexShown();

    // While items are hidden: per item, its contents when hidden; and the
    // control's index of each item (-1 hidden) and the item of each of the
    // control's. Empty while every item is shown.
    // Our own tooltip, made at the first hover and gone with the list (its
    // owner would be the form, which outlives the list).
    platform::WindowHandleOwner tip_;
    int tipShown_ = -1;       // the control's index of the item whose tip shows
    int middlePressed_ = -1;  // the item the middle button went down on
    std::vector<std::optional<ItemSnapshot>> stash_;
    std::vector<int> shownIndex_;
    std::vector<int> itemOfShown_;
    bool restructuring_ = false;  // items going in and out: no selection events
    int updateCount_ = 0;
    int columnCount_ = 0;
    bool painted_ = false;
};

}  // namespace vistrel::tk
