#include "toolkit/ListBox.h"

#include <vector>

namespace vistrel::tk {

void ListBox::Create(Window* parent, int id, const RECT& bounds, int itemHeight) {
    CreateControl("LISTBOX", parent, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY,
                  0, bounds, id, "");
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

void ListBox::SetItem(int index, const std::string& text) {
    if (index < 0 || index >= Count()) return;
    const int selected = ItemIndex();
    SendMessageA(Handle(), LB_DELETESTRING, index, 0);
    SendMessageA(Handle(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
    if (selected == index) SetItemIndex(index);
}

void ListBox::Delete(int index) {
    if (index >= 0 && index < Count()) SendMessageA(Handle(), LB_DELETESTRING, index, 0);
}

void ListBox::Clear() {
    if (Handle()) SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ItemIndex() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)) : -1;
}

void ListBox::SetItemIndex(int index) {
    if (Handle()) SendMessageA(Handle(), LB_SETCURSEL, index, 0);
}

bool ListBox::OnCommand(WORD, WORD code) {
    if (code == LBN_SELCHANGE && OnClick) OnClick(*this);
    return code == LBN_SELCHANGE;
}

}  // namespace vistrel::tk
