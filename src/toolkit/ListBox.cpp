#include "toolkit/ListBox.h"

#include <windowsx.h>

#include "common/DpiScale.h"
#include "platform/Text.h"
#include "toolkit/Menu.h"

namespace vistrel::tk {

void ListBox::RescaleOwnSizes(int oldDpi, int newDpi) {
    if (!Handle()) return;
    const auto height = static_cast<int>(SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0));
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, Rescale(height, oldDpi, newDpi));
}

void ListBox::Create(Window* parent, int id, const RECT& bounds, int itemHeight, ListBoxStyle style,
                     bool multiSelect) {
    multiSelect_ = multiSelect;
    DWORD windowStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY;
    if (style == ListBoxStyle::OwnerDrawFixed)
        windowStyle |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    if (multiSelect) windowStyle |= LBS_EXTENDEDSEL;
    CreateControl("LISTBOX", parent, windowStyle, 0, bounds, id, "");
    if (Handle()) SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, itemHeight);
}

int ListBox::Count() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)) : 0;
}

std::string ListBox::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    const auto length = SendMessageA(Handle(), LB_GETTEXTLEN, index, 0);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void ListBox::Add(const std::string& text) {
    if (Handle()) SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::Add(const std::u16string& text) {
    if (Handle()) SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::AsWide(text)));
}

void ListBox::SetItem(int index, const std::string& text) {
    if (index < 0 || index >= Count()) return;
    const bool selected = Selected(index);
    SendMessageA(Handle(), LB_DELETESTRING, index, 0);
    SendMessageA(Handle(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
    if (selected) SetSelected(index, true);
}

void ListBox::Delete(int index) {
    if (index >= 0 && index < Count()) SendMessageA(Handle(), LB_DELETESTRING, index, 0);
}

void ListBox::Clear() {
    if (Handle()) SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ItemIndex() const {
    if (!Handle()) return -1;
    if (!multiSelect_) return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
    // An empty list still reports a caret at 0.
    const int caret = static_cast<int>(SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0));
    return caret >= 0 && caret < Count() ? caret : -1;
}

void ListBox::SetItemIndex(int index) {
    if (!Handle()) return;
    if (!multiSelect_) {
        SendMessageA(Handle(), LB_SETCURSEL, index, 0);
        return;
    }
    SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
    if (index >= 0) {
        SendMessageA(Handle(), LB_SETSEL, TRUE, index);
        SendMessageA(Handle(), LB_SETCARETINDEX, index, FALSE);
    }
}

bool ListBox::Selected(int index) const {
    return Handle() && index >= 0 && SendMessageA(Handle(), LB_GETSEL, index, 0) > 0;
}

void ListBox::SetSelected(int index, bool selected) {
    if (!Handle() || index < 0 || index >= Count()) return;
    if (multiSelect_)
        SendMessageA(Handle(), LB_SETSEL, selected, index);
    else if (selected)
        SendMessageA(Handle(), LB_SETCURSEL, index, 0);
    else if (ItemIndex() == index)
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

std::vector<bool> ListBox::Selection() const {
    std::vector<bool> flags(static_cast<size_t>(Count()));
    for (size_t i = 0; i < flags.size(); ++i) flags[i] = Selected(static_cast<int>(i));
    return flags;
}

void ListBox::SetFontColor(COLORREF color) {
    fontColor_ = color;
    Invalidate();
}

bool ListBox::OnCommand(WORD, WORD code) {
    if (code == LBN_SELCHANGE && OnClick) OnClick(*this);
    return code == LBN_SELCHANGE;
}

bool ListBox::OnOwnerDraw(const DRAWITEMSTRUCT& draw) {
    const int index = static_cast<int>(draw.itemID);  // -1 (no entries) comes as UINT_MAX
    const bool selected = index >= 0 && (draw.itemState & ODS_SELECTED);
    canvas_.Attach(draw.hDC);
    canvas_.SetFont(Font());
    canvas_.SetBrushStyle(BrushStyle::Solid);
    canvas_.SetBrushColor(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    canvas_.SetFontColor(selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : fontColor_);
    if (index >= 0 && OnDrawItem)
        OnDrawItem(*this, index, draw.rcItem, selected);
    else
        canvas_.FillRect(draw.rcItem);
    if (draw.itemState & ODS_FOCUS) DrawFocusRect(draw.hDC, &draw.rcItem);
    canvas_.Release();
    return true;
}

LRESULT ListBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU && ContextMenu) {
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (screen.x == -1 && screen.y == -1) {
            // From the keyboard: at the entry with the focus rectangle, else
            // at the list's top-left corner.
            POINT client{0, 0};
            RECT item{};
            if (const int index = ItemIndex();
                index >= 0 && SendMessageA(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) != LB_ERR)
                client = POINT{item.left + 8, (item.top + item.bottom) / 2};
            ClientToScreen(Handle(), &client);
            screen = client;
        }
        ContextMenu->Popup(GetAncestor(Handle(), GA_ROOT), screen.x, screen.y);
        return 0;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel::tk
