#include "toolkit/ListView.h"

#include "platform/Text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "common/MonitorLayout.h"
#include "toolkit/ImageList.h"

namespace vistrel::tk {

namespace {

// How wide an item's tip grows before its lines wrap, at 96 DPI.
constexpr int kTipWidth96 = 480;

}  // namespace

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
    if (!stash_.empty()) return static_cast<int>(stash_.size());
    return ShownCount();
}

int ListView::ShownCount() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int ListView::Shown(int item) const {
    if (stash_.empty()) return item;
    if (item < 0 || item >= static_cast<int>(shownIndex_.size())) return -1;
    return shownIndex_[static_cast<size_t>(item)];
}

int ListView::ItemAt(int shown) const {
    if (stash_.empty() || shown < 0) return shown;
    return shown < static_cast<int>(itemOfShown_.size()) ? itemOfShown_[static_cast<size_t>(shown)] : -1;
}

ListView::ItemSnapshot* ListView::Stashed(int item) {
    if (item < 0 || item >= static_cast<int>(stash_.size()) || !stash_[static_cast<size_t>(item)]) return nullptr;
    return &*stash_[static_cast<size_t>(item)];
}

const ListView::ItemSnapshot* ListView::Stashed(int item) const {
    return const_cast<ListView*>(this)->Stashed(item);
}

bool ListView::Hidden(int item) const { return Stashed(item) != nullptr; }

void ListView::IndexShown() {
    shownIndex_.assign(stash_.size(), -1);
    itemOfShown_.clear();
    for (size_t item = 0; item < stash_.size(); ++item) {
        if (stash_[item]) continue;
        shownIndex_[item] = static_cast<int>(itemOfShown_.size());
        itemOfShown_.push_back(static_cast<int>(item));
    }
}

int ListView::InsertShown(int shown, const ItemSnapshot& snapshot) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = shown;
    item.pszText = const_cast<wchar_t*>(platform::AsWide(snapshot.caption));  // only read
    item.lParam = snapshot.data;
    item.iImage = snapshot.image < 0 ? I_IMAGENONE : snapshot.image;
    const int at = static_cast<int>(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    for (size_t sub = 0; sub < snapshot.subItems.size(); ++sub)
        SetItemText(at, static_cast<int>(sub) + 1, platform::Widen(snapshot.subItems[sub]));
    return at;
}

void ListView::SetHidden(const std::vector<bool>& hidden) {
    HideTip();
    const int count = Count();
    if (!Handle() || static_cast<int>(hidden.size()) != count) return;
    const bool none = std::find(hidden.begin(), hidden.end(), true) == hidden.end();
    if (none && stash_.empty()) return;
    restructuring_ = true;
    BeginUpdate();
    if (stash_.empty()) {
        stash_.resize(static_cast<size_t>(count));
        IndexShown();
    }
    // Out of the control from the end, so the indices before stay; back in
    // from the start, each at the place its shown predecessors leave it.
    for (int item = count - 1; item >= 0; --item) {
        const int shown = Shown(item);
        if (!hidden[static_cast<size_t>(item)] || shown < 0) continue;
        stash_[static_cast<size_t>(item)] = Snapshot(item);
        SendMessageA(Handle(), LVM_DELETEITEM, shown, 0);
    }
    int shownBefore = 0;
    for (int item = 0; item < count; ++item) {
        auto& stashed = stash_[static_cast<size_t>(item)];
        if (!hidden[static_cast<size_t>(item)] && stashed) {
            InsertShown(shownBefore, *stashed);
            stashed.reset();
        }
        if (!stashed) ++shownBefore;
    }
    if (none) {
        stash_.clear();
        shownIndex_.clear();
        itemOfShown_.clear();
    } else {
        IndexShown();
    }
    EndUpdate();
    restructuring_ = false;
}

int ListView::AddItem(const std::u16string& caption, LPARAM data) {
    // Not I_IMAGECALLBACK (-1), which would make the control ask us for it.
    return AddItem(caption, data, I_IMAGENONE);
}

int ListView::AddItem(std::u16string caption, LPARAM data, int image) {
    if (!Handle()) return -1;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = INT_MAX;  // past the end: appended, without asking for the count
    item.pszText = platform::AsWide(caption.data());
    item.lParam = data;
    item.iImage = image;
    const int shown =
        static_cast<int>(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (stash_.empty() || shown < 0) return shown;
    // Appended, and shown.
    stash_.emplace_back();
    IndexShown();
    return static_cast<int>(stash_.size()) - 1;
}

void ListView::Clear() {
    HideTip();
    stash_.clear();
    shownIndex_.clear();
    itemOfShown_.clear();
    if (Handle()) SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

std::u16string ListView::ItemText(int item, int subItem) const {
    if (!Handle()) return {};
    // Room for a whole title (255 units) and its terminator at the first read.
    std::u16string buffer(257, u'\0');
    for (;;) {
        LVITEMW request{};
        request.iSubItem = subItem;
        request.pszText = platform::AsWide(buffer.data());
        request.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<size_t>(SendMessageW(
            Handle(), LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&request)));
        // A full buffer may mean a cut text: read again with more room.
        if (length + 1 < buffer.size() || buffer.size() >= 0x10000) {
            buffer.resize(std::min(length, buffer.size()));
            return buffer;
        }
        buffer.assign(buffer.size() * 4, u'\0');
    }
}

void ListView::SetItemText(int item, int subItem, std::u16string text) {
    if (!Handle()) return;
    LVITEMW request{};
    request.iSubItem = subItem;
    request.pszText = platform::AsWide(text.data());
    SendMessageW(Handle(), LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&request));
}

void ListView::HideTip() {
    // Its item may be another, or none, once the items change.
    if (tipShown_ >= 0) ShowTip(-1);
}

void ListView::ShowTip(int shown) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = Handle();
    tool.uId = 1;
    if (!tip_) {
        tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   0, 0, 0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
        if (!tip_) return;
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    tipShown_ = -1;
    SendMessageW(tip_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    RECT item{};
    item.left = LVIR_BOUNDS;
    if (shown < 0 || !SendMessageW(Handle(), LVM_GETITEMRECT, shown, reinterpret_cast<LPARAM>(&item))) return;
    std::u16string text = OnHoverText(*this, ItemAt(shown));
    if (text.empty()) return;
    // In the list's font, and as many lines as the text has.
    SendMessageW(tip_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, Scale(kTipWidth96));
    tool.lpszText = platform::AsWide(text.data());
    SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    // Below or above the item, never over it, on the item's monitor.
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&item), 2);
    const LRESULT size = SendMessageW(tip_.get(), TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&item, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const Point at = TipPlace({item.left, item.top, item.right, item.bottom}, {LOWORD(size), HIWORD(size)},
                              {work.left, work.top, work.right, work.bottom});
    SendMessageW(tip_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(tip_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    tipShown_ = shown;
}

int ListView::ShownAtPoint(POINT client) const {
    if (!Handle()) return -1;
    LVHITTESTINFO hit{};
    hit.pt = client;
    const int shown = static_cast<int>(SendMessageW(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return shown >= 0 && (hit.flags & LVHT_ONITEM) ? shown : -1;
}

int ListView::ItemAtPoint(POINT client) const {
    const int shown = ShownAtPoint(client);
    return shown >= 0 ? ItemAt(shown) : -1;
}

std::u16string ListView::Caption(int item) const {
    if (const ItemSnapshot* stashed = Stashed(item)) return stashed->caption;
    return ItemText(Shown(item), 0);
}

void ListView::SetCaption(int item, const std::u16string& caption) {
    if (ItemSnapshot* stashed = Stashed(item)) {
        stashed->caption = caption;
        return;
    }
    SetItemText(Shown(item), 0, caption);
}

std::string ListView::SubItem(int item, int sub) const {
    if (sub < 0 || sub + 1 >= columnCount_) return {};
    if (const ItemSnapshot* stashed = Stashed(item))
        return static_cast<size_t>(sub) < stashed->subItems.size() ? stashed->subItems[static_cast<size_t>(sub)]
                                                                    : std::string();
    return platform::Narrow(ItemText(Shown(item), sub + 1));
}

void ListView::SetSubItem(int item, int sub, const std::string& text) {
    if (sub < 0) return;
    EnsureSubItemColumns(sub + 1);
    if (ItemSnapshot* stashed = Stashed(item)) {
        if (stashed->subItems.size() <= static_cast<size_t>(sub)) stashed->subItems.resize(static_cast<size_t>(sub) + 1);
        stashed->subItems[static_cast<size_t>(sub)] = text;
        return;
    }
    SetItemText(Shown(item), sub + 1, platform::Widen(text));
}

int ListView::SubItemCount() const { return std::max(columnCount_ - 1, 0); }

LPARAM ListView::Data(int item) const {
    if (const ItemSnapshot* stashed = Stashed(item)) return stashed->data;
    LVITEMA request{};
    request.mask = LVIF_PARAM;
    request.iItem = Shown(item);
    if (!Handle() ||
        !SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request)))
        return 0;
    return request.lParam;
}

void ListView::SetData(int item, LPARAM data) {
    if (ItemSnapshot* stashed = Stashed(item)) {
        stashed->data = data;
        return;
    }
    if (!Handle()) return;
    LVITEMA request{};
    request.mask = LVIF_PARAM;
    request.iItem = Shown(item);
    request.lParam = data;
    SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&request));
}

int ListView::ImageIndex(int item) const {
    if (const ItemSnapshot* stashed = Stashed(item)) return stashed->image;
    LVITEMA request{};
    request.mask = LVIF_IMAGE;
    request.iItem = Shown(item);
    if (!Handle() ||
        !SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request)))
        return -1;
    return request.iImage < 0 ? -1 : request.iImage;
}

void ListView::RedrawItem(int item) {
    const int shown = Shown(item);
    if (Handle() && shown >= 0) SendMessageA(Handle(), LVM_REDRAWITEMS, shown, shown);
}

void ListView::SetImageIndex(int item, int image) {
    if (ItemSnapshot* stashed = Stashed(item)) {
        stashed->image = image;
        return;
    }
    if (!Handle()) return;
    LVITEMA request{};
    request.mask = LVIF_IMAGE;
    request.iItem = Shown(item);
    request.iImage = image < 0 ? I_IMAGENONE : image;
    SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&request));
}

POINT ListView::Position(int item) const {
    POINT position{};
    const int shown = Shown(item);
    if (Handle() && shown >= 0)
        SendMessageA(Handle(), LVM_GETITEMPOSITION, shown, reinterpret_cast<LPARAM>(&position));
    return position;
}

void ListView::SetPosition(int item, POINT position) {
    const int shown = Shown(item);
    if (Handle() && shown >= 0)
        SendMessageA(Handle(), LVM_SETITEMPOSITION32, shown, reinterpret_cast<LPARAM>(&position));
}

RECT ListView::ItemBounds(int item) const {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    const int shown = Shown(item);
    if (!Handle() || shown < 0 ||
        !SendMessageA(Handle(), LVM_GETITEMRECT, shown, reinterpret_cast<LPARAM>(&bounds)))
        return RECT{};
    return bounds;
}

bool ListView::Selected(int item) const {
    const int shown = Shown(item);
    return Handle() && shown >= 0 &&
           (SendMessageA(Handle(), LVM_GETITEMSTATE, shown, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void ListView::SetSelected(int item, bool selected) {
    // -1: every item, as the control takes it.
    const int shown = item < 0 ? -1 : Shown(item);
    if (!Handle() || (item >= 0 && shown < 0)) return;
    LVITEMA request{};
    request.stateMask = LVIS_SELECTED;
    request.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(Handle(), LVM_SETITEMSTATE, shown, reinterpret_cast<LPARAM>(&request));
}

int ListView::SelectedCount() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LVM_GETSELECTEDCOUNT, 0, 0)) : 0;
}

int ListView::FirstSelected() const { return NextSelected(-1); }

int ListView::NextSelected(int after) const {
    if (!Handle()) return -1;
    // Hidden items are never selected: the search goes on from the last
    // shown item up to `after`.
    int from = after;
    while (from >= 0 && Shown(from) < 0) --from;
    // Without a direction flag the search goes by index, which is list order.
    const int shown =
        static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, from < 0 ? -1 : Shown(from), MAKELPARAM(LVNI_SELECTED, 0)));
    return ItemAt(shown);
}

int ListView::FocusedItem() const {
    if (!Handle()) return -1;
    return ItemAt(static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, -1, MAKELPARAM(LVNI_FOCUSED, 0))));
}

void ListView::SetFocusedItem(int item) {
    const int shown = Shown(item);
    if (!Handle() || shown < 0) return;
    LVITEMA request{};
    request.stateMask = LVIS_FOCUSED;
    request.state = LVIS_FOCUSED;
    SendMessageA(Handle(), LVM_SETITEMSTATE, shown, reinterpret_cast<LPARAM>(&request));
    // Shift with a click or an arrow key selects from here.
    SendMessageA(Handle(), LVM_SETSELECTIONMARK, 0, shown);
}

void ListView::EnsureVisible(int item) {
    const int shown = Shown(item);
    if (Handle() && shown >= 0) SendMessageA(Handle(), LVM_ENSUREVISIBLE, shown, FALSE);
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
    HideTip();
    const int count = Count();
    if (a == b || a < 0 || b < 0 || a >= count || b >= count) return;
    // Whether an item is hidden goes with its contents.
    const bool hiddenA = Hidden(a);
    const bool hiddenB = Hidden(b);
    ItemSnapshot first = Snapshot(a);
    Restore(a, Snapshot(b));
    Restore(b, first);
    if (hiddenA == hiddenB) return;
    std::vector<bool> hidden(static_cast<size_t>(count));
    for (int item = 0; item < count; ++item) hidden[static_cast<size_t>(item)] = Hidden(item);
    hidden[static_cast<size_t>(a)] = hiddenB;
    hidden[static_cast<size_t>(b)] = hiddenA;
    SetHidden(hidden);
}

bool ListView::Reorder(const std::vector<size_t>& order) {
    HideTip();
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
    std::vector<bool> hiddenNow(count);
    for (size_t item = 0; item < count; ++item) {
        hiddenNow[item] = Hidden(static_cast<int>(order[item]));
        if (order[item] != item) Restore(static_cast<int>(item), snapshots[order[item]]);
    }
    // Whether an item is hidden goes with its contents.
    if (!stash_.empty()) SetHidden(hiddenNow);
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
        const int count = ShownCount();
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
        if (tipShown_ >= 0) ShowTip(-1);  // the list may change under it
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
        if (OnChar && OnChar(*this, static_cast<char16_t>(wParam))) return 0;
        break;
    case WM_MOUSEMOVE: {
        // The control tracks the mouse too, and a window has one tracking:
        // ours is asked after the control's, again at each move, so that a
        // rest over another item shows its tip.
        const LRESULT result = Window::WndProc(message, wParam, lParam);
        if (OnHoverText) {
            TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, Handle(), HOVER_DEFAULT};
            TrackMouseEvent(&track);
            const int shown = ShownAtPoint(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (tipShown_ >= 0 && shown != tipShown_) ShowTip(-1);
        }
        return result;
    }
    case WM_MOUSEHOVER:
        if (OnHoverText) {
            const int shown = ShownAtPoint(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (shown != tipShown_) ShowTip(shown);  // a rest within the same item changes nothing
        }
        break;
    case WM_MBUTTONDOWN:
        middlePressed_ = ItemAtPoint(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        [[fallthrough]];
    case WM_MOUSELEAVE:
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (tipShown_ >= 0) ShowTip(-1);
        break;
    case WM_DESTROY:
        tip_.reset();
        break;
    case WM_MBUTTONUP: {
        // A click: pressed and released over the same item.
        const int item = ItemAtPoint(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        const int pressed = std::exchange(middlePressed_, -1);
        if (OnMiddleClick && item >= 0 && item == pressed) OnMiddleClick(*this, item);
        break;
    }
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
    case LVN_DELETEALLITEMS:
        result = TRUE;  // no LVN_DELETEITEM for each item: nobody listens
        return true;
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && change.iItem >= 0 && !restructuring_ &&
            ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) && OnSelectItem)
            OnSelectItem(*this, ItemAt(change.iItem), (change.uNewState & LVIS_SELECTED) != 0);
        return true;
    }
    default:
        return false;
    }
}

}  // namespace vistrel::tk
