#pragma once
// ListBox: a list box of texts, as the VCL's TListBox: single or extended
// multiple selection, drawn by the control or item by item by its owner
// (fixed item height), with an optional context menu.
//
// An owner-drawn item is drawn on the list's Canvas, prepared as the VCL
// prepares it: the list's font in its font colour on the window colour, or
// the highlight colours for a selected item. The canvas is one for all
// items, so a pen colour set while drawing one item is still there for the
// next; the focus rectangle follows the item.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Canvas.h"
#include "toolkit/Window.h"

namespace vistrel::tk {

class PopupMenu;

enum class ListBoxStyle { Standard, OwnerDrawFixed };

class ListBox : public Window {
public:
    // An owner-drawn list keeps the height it is given rather than a whole
    // number of items.
    void Create(Window* parent, int id, const RECT& bounds, int itemHeight,
                ListBoxStyle style = ListBoxStyle::Standard, bool multiSelect = false);

    int Count() const;
    std::string Item(int index) const;
    void Add(const std::string& text);
    // A line that names another program's file or window as the system does.
    void Add(const std::u16string& text);
    void SetItem(int index, const std::string& text);
    void Delete(int index);
    void Clear();
    // The chosen entry (with multiple selection, the one with the focus
    // rectangle); -1 for none. Setting does not run OnClick.
    int ItemIndex() const;
    void SetItemIndex(int index);

    bool MultiSelect() const { return multiSelect_; }
    bool Selected(int index) const;
    // With single selection, selecting one entry deselects the other.
    void SetSelected(int index, bool selected);
    // One flag per entry, in order.
    std::vector<bool> Selection() const;

    COLORREF FontColor() const { return fontColor_; }
    void SetFontColor(COLORREF color);
    Canvas& GetCanvas() { return canvas_; }

    NotifyEvent OnClick;  // the user chose an entry
    // Owner-drawn lists: draws entry `index` over `rect` on GetCanvas().
    std::function<void(ListBox& sender, int index, const RECT& rect, bool selected)> OnDrawItem;
    // Shown where the user asks for a context menu (right button or keyboard);
    // its commands go to the list's form.
    PopupMenu* ContextMenu = nullptr;

    void RescaleOwnSizes(int oldDpi, int newDpi) override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WORD id, WORD code) override;
    bool OnOwnerDraw(const DRAWITEMSTRUCT& draw) override;

private:
    bool multiSelect_ = false;
    COLORREF fontColor_ = GetSysColor(COLOR_WINDOWTEXT);
    Canvas canvas_;
};

}  // namespace vistrel::tk
