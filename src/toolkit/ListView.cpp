#include "toolkit/ListView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "toolkit/ImageList.h"

namespace vistrel::tk {

void ListView::Create(Window* parent, int id, const RECT& bounds) {
    RegisterCommonControls(ICC_LISTVIEW_CLASSES);
    // No LVS_AUTOARRANGE: the owner places every item itself. The image list
    // is shared, because the ImageList object frees it.
    CreateControl(WC_LISTVIEWA, parent,
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_ICON |
                      LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                  WS_EX_CLIENTEDGE, bounds, id, "");
    columnCount_ = 0;
    updateCount_ = 0;
    EnsureSubItemColumns(1);
}

void ListView::EnsureSubItemColumns(int count) {
    if (!Handle()) return;
    // A sub-item text is only stored when its column exists; in icon view
    // the columns are never shown.
    while (columnCount_ < count + 1) {
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = 0;
        column.iSubItem = columnCount_;
        if (SendMessageA(Handle(), LVM_INSERTCOLUMNA, columnCount_,
                         reinterpret_cast<LPARAM>(&column)) < 0)
            return;
        ++columnCount_;
    }
}

void ListView::SetLargeImages(ImageList& images) {
    if (!Handle()) return;
    // Handing over the same list again must still make the control measure
    // its pictures anew, so it lets go of it first.
    auto current = reinterpret_cast<HIMAGELIST>(
        SendMessageA(Handle(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
    if (current == images.Handle()) SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_NORMAL, 0);
    SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(images.Handle()));
}

void ListView::SetDoubleBuffered(bool on) {
    if (Handle())
        SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER,
                     on ? LVS_EX_DOUBLEBUFFER : 0);
}

int ListView::Count() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int ListView::AddItem(const std::string& caption, LPARAM data) {
    // Not I_IMAGECALLBACK (-1), which would make the control ask us for it.
    return AddItem(caption, data, I_IMAGENONE);
}

int ListView::AddItem(const std::string& caption, LPARAM data, int image) {
    if (!Handle()) return -1;
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = INT_MAX;  // past the end: appended, without asking for the count
    item.pszText = const_cast<char*>(caption.c_str());
    item.lParam = data;
    item.iImage = image;
    return static_cast<int>(
        SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::Clear() {
    if (Handle()) SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

std::string ListView::ItemText(int item, int subItem) const {
    if (!Handle()) return {};
    std::string buffer(256, '\0');
    for (;;) {
        LVITEMA request{};
        request.iSubItem = subItem;
        request.pszText = buffer.data();
        request.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<size_t>(SendMessageA(
            Handle(), LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&request)));
        // A full buffer may mean a cut text: read again with more room.
        if (length + 1 < buffer.size() || buffer.size() >= 0x10000) {
            buffer.resize(std::min(length, buffer.size()));
            return buffer;
        }
        buffer.assign(buffer.size() * 4, '\0');
    }
}

void ListView::SetItemText(int item, int subItem, const std::string& text) {
    if (!Handle()) return;
    LVITEMA request{};
    request.iSubItem = subItem;
    request.pszText = const_cast<char*>(text.c_str());
    SendMessageA(Handle(), LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&request));
}

std::string ListView::Caption(int item) const { return ItemText(item, 0); }

void ListView::SetCaption(int item, const std::string& caption) { SetItemText(item, 0, caption); }

std::string ListView::SubItem(int item, int sub) const {
    if (sub < 0 || sub + 1 >= columnCount_) return {};
    return ItemText(item, sub + 1);
}

void ListView::SetSubItem(int item, int sub, const std::string& text) {
    if (sub < 0) return;
    EnsureSubItemColumns(sub + 1);
    SetItemText(item, sub + 1, text);
}

int ListView::SubItemCount() const { return std::max(columnCount_ - 1, 0); }

LPARAM ListView::Data(int item) const {
    LVITEMA request{};
    request.mask = LVIF_PARAM;
    request.iItem = item;
    if (!Handle() ||
        !SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request)))
        return 0;
    return request.lParam;
}

void ListView::SetData(int item, LPARAM data) {
    if (!Handle()) return;
    LVITEMA request{};
    request.mask = LVIF_PARAM;
    request.iItem = item;
    request.lParam = data;
    SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&request));
}

int ListView::ImageIndex(int item) const {
    LVITEMA request{};
    request.mask = LVIF_IMAGE;
    request.iItem = item;
    if (!Handle() ||
        !SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request)))
        return -1;
    return request.iImage < 0 ? -1 : request.iImage;
}

void ListView::RedrawItem(int item) {
    if (Handle()) SendMessageA(Handle(), LVM_REDRAWITEMS, item, item);
}

void ListView::SetImageIndex(int item, int image) {
    if (!Handle()) return;
    LVITEMA request{};
    request.mask = LVIF_IMAGE;
    request.iItem = item;
    request.iImage = image < 0 ? I_IMAGENONE : image;
    SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&request));
}

POINT ListView::Position(int item) const {
    POINT position{};
    if (Handle())
        SendMessageA(Handle(), LVM_GETITEMPOSITION, item, reinterpret_cast<LPARAM>(&position));
    return position;
}

void ListView::SetPosition(int item, POINT position) {
    if (Handle())
        SendMessageA(Handle(), LVM_SETITEMPOSITION32, item, reinterpret_cast<LPARAM>(&position));
}

RECT ListView::ItemBounds(int item) const {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (!Handle() ||
        !SendMessageA(Handle(), LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&bounds)))
        return RECT{};
    return bounds;
}

bool ListView::Selected(int item) const {
    return Handle() &&
           (SendMessageA(Handle(), LVM_GETITEMSTATE, item, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void ListView::SetSelected(int item, bool selected) {
    if (!Handle()) return;
    LVITEMA request{};
    request.stateMask = LVIS_SELECTED;
    request.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(Handle(), LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&request));
}

int ListView::SelectedCount() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LVM_GETSELECTEDCOUNT, 0, 0)) : 0;
}

int ListView::FirstSelected() const { return NextSelected(-1); }

int ListView::NextSelected(int after) const {
    // Without a direction flag the search goes by index, which is list order.
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, after,
                                                    MAKELPARAM(LVNI_SELECTED, 0)))
                    : -1;
}

int ListView::FocusedItem() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, -1, MAKELPARAM(LVNI_FOCUSED, 0)))
                    : -1;
}

void ListView::SetFocusedItem(int item) {
    if (!Handle()) return;
    LVITEMA request{};
    request.stateMask = LVIS_FOCUSED;
    request.state = LVIS_FOCUSED;
    SendMessageA(Handle(), LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&request));
    // Shift with a click or an arrow key selects from here.
    SendMessageA(Handle(), LVM_SETSELECTIONMARK, 0, item);
}

void ListView::ScrollBy(int dx, int dy) {
    if (Handle() && (dx != 0 || dy != 0)) SendMessageA(Handle(), LVM_SCROLL, dx, dy);
}

ListView::ItemSnapshot ListView::Snapshot(int item) const {
    ItemSnapshot snapshot;
    snapshot.caption = Caption(item);
    for (int sub = 0; sub < SubItemCount(); ++sub) snapshot.subItems.push_back(SubItem(item, sub));
    snapshot.data = Data(item);
    snapshot.image = ImageIndex(item);
    return snapshot;
}

void ListView::Restore(int item, const ItemSnapshot& snapshot) {
    SetCaption(item, snapshot.caption);
    for (size_t sub = 0; sub < snapshot.subItems.size(); ++sub)
        SetSubItem(item, static_cast<int>(sub), snapshot.subItems[sub]);
    SetData(item, snapshot.data);
    SetImageIndex(item, snapshot.image);
}

void ListView::SwapItems(int a, int b) {
    const int count = Count();
    if (a == b || a < 0 || b < 0 || a >= count || b >= count) return;
    ItemSnapshot first = Snapshot(a);
    Restore(a, Snapshot(b));
    Restore(b, first);
}

bool ListView::Reorder(const std::vector<size_t>& order) {
    const size_t count = static_cast<size_t>(Count());
    if (order.size() != count) return false;
    std::vector<bool> seen(count, false);
    for (size_t from : order) {
        if (from >= count || seen[from]) return false;
        seen[from] = true;
    }
    for (int item = FirstSelected(); item >= 0; item = NextSelected(item)) SetSelected(item, false);
    std::vector<ItemSnapshot> snapshots;
    snapshots.reserve(count);
    for (size_t item = 0; item < count; ++item) snapshots.push_back(Snapshot(static_cast<int>(item)));
    for (size_t item = 0; item < count; ++item) {
        if (order[item] != item) Restore(static_cast<int>(item), snapshots[order[item]]);
    }
    return true;
}

void ListView::BeginUpdate() {
    if (updateCount_++ == 0 && Handle()) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
}

void ListView::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0 && Handle()) {
        SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

void ListView::KeyboardPopup() {
    POINT client{0, 0};
    int item = FocusedItem();
    if (item < 0) item = FirstSelected();
    if (item >= 0) {
        const RECT bounds = ItemBounds(item);
        client = POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    }
    ClientToScreen(Handle(), &client);
    OnContextPopup(*this, client);
}

LRESULT ListView::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && !painted_) {
        // Wine's list view arranges its icons by itself the first time it
        // paints, over the positions its owner gave; Windows keeps them. The
        // owner places every item, so the places from before that paint stand.
        painted_ = true;
        const int count = Count();
        std::vector<POINT> placed(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            SendMessageA(Handle(), LVM_GETITEMPOSITION, i, reinterpret_cast<LPARAM>(&placed[i]));
        const LRESULT result = Window::WndProc(message, wParam, lParam);
        for (int i = 0; i < count; ++i) {
            POINT now{};
            SendMessageA(Handle(), LVM_GETITEMPOSITION, i, reinterpret_cast<LPARAM>(&now));
            if (now.x != placed[i].x || now.y != placed[i].y) SetPosition(i, placed[i]);
        }
        return result;
    }
    switch (message) {
    case WM_CONTEXTMENU:
        if (!OnContextPopup) break;
        if (GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1)
            KeyboardPopup();
        else
            OnContextPopup(*this, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const WORD key = static_cast<WORD>(wParam);
        // The menu key and Shift+F10, however the control would take them.
        if (OnContextPopup && (key == VK_APPS || (key == VK_F10 && GetKeyState(VK_SHIFT) < 0))) {
            KeyboardPopup();
            return 0;
        }
        if (message == WM_KEYDOWN && OnKeyDown && OnKeyDown(*this, key)) return 0;
        break;
    }
    case WM_CHAR:
        if (OnChar && OnChar(*this, static_cast<BYTE>(wParam))) return 0;
        break;
    default:
        break;
    }
    return Window::WndProc(message, wParam, lParam);
}

bool ListView::OnNotify(NMHDR& header, LRESULT& result) {
    // NM_RCLICK is left to the control, which answers it with WM_CONTEXTMENU:
    // that one message serves the mouse and the keyboard alike.
    result = 0;
    switch (header.code) {
    case NM_CLICK:
        if (OnClick) OnClick(*this);
        return true;
    case NM_DBLCLK:
        if (OnDblClick) OnDblClick(*this);
        return true;
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && change.iItem >= 0 &&
            ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) && OnSelectItem)
            OnSelectItem(*this, change.iItem, (change.uNewState & LVIS_SELECTED) != 0);
        return true;
    }
    default:
        return false;
    }
}

}  // namespace vistrel::tk
