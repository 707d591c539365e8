#include "RemoteControls.h"

#include <commctrl.h>

namespace vistrel::e2e {
namespace {

constexpr size_t kTextCapacity = 1024;

UniqueHandle OpenWindowProcess(HWND window) {
    const DWORD pid = WindowProcessId(window);
    UniqueHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                         PROCESS_QUERY_INFORMATION,
                                     FALSE, pid));
    if (!process)
        throw DriverError("cannot open the process " + std::to_string(pid) + " of " + Describe(window) + " (error " +
                          std::to_string(GetLastError()) + ")");
    return process;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (GetDlgCtrlID(child) == search->id) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

struct TopLevelSearch {
    DWORD pid;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    if (WindowProcessId(window) == search->pid && (!search->visibleOnly || IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

HWND FindChild(HWND root, int id) {
    // EnumChildWindows walks all descendants, so controls inside panels are
    // found as well as direct children.
    ChildSearch search{id, nullptr};
    EnumChildWindows(root, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    WCHAR wide[1024] = {};
    InternalGetWindowText(window, wide, 1024);
    char text[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text - 1, nullptr, nullptr);
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD WindowProcessId(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly) {
    TopLevelSearch search{processId, visibleOnly, {}};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD processId, const std::string& className) {
    for (HWND window : TopLevelWindows(processId, true))
        if (ClassName(window) == className) return window;
    return nullptr;
}

std::vector<std::string> StaticTexts(HWND dialog) {
    std::vector<std::string> texts;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            if (lstrcmpiA(ClassName(child).c_str(), "Static") == 0)
                reinterpret_cast<std::vector<std::string>*>(param)->push_back(WindowText(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND WaitForBoxSaying(DWORD processId, const std::string& part, int timeoutMs) {
    HWND box = nullptr;
    const bool shown = WaitUntil(
        [&] {
            box = FindTopLevel(processId, kDialogClass);
            if (!box) return false;
            for (const std::string& text : StaticTexts(box))
                if (text.find(part) != std::string::npos) return true;
            return false;
        },
        timeoutMs);
    return shown ? box : nullptr;
}

void SendCommand(HWND target, int id, int timeoutMs) {
    SendBounded(target, WM_COMMAND, MAKEWPARAM(id, 0), 0, timeoutMs);
}

void PostCommand(HWND target, int id) {
    if (!PostMessageA(target, WM_COMMAND, MAKEWPARAM(id, 0), 0))
        throw DriverError("cannot post command " + std::to_string(id) + " to " + Describe(target));
}

void ClickButton(HWND button, int timeoutMs) { SendBounded(button, BM_CLICK, 0, 0, timeoutMs); }

bool IsChecked(HWND button) { return SendBounded(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool IsToolButtonEnabled(HWND toolbar, int commandId) {
    return SendBounded(toolbar, TB_ISBUTTONENABLED, static_cast<WPARAM>(commandId), 0) != 0;
}

void PressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void TypeChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(*key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

PointerMoved::PointerMoved() {
    GetCursorPos(&home_);
    MoveTo(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

PointerMoved::~PointerMoved() { MoveTo(home_.x, home_.y); }

std::string StatusBarText(HWND statusBar) {
    UniqueHandle process = OpenWindowProcess(statusBar);
    // A simple status bar keeps its text in part 255; one with panels in
    // part 0. Whichever holds text is the status line.
    for (WPARAM part : {WPARAM{255}, WPARAM{0}}) {
        const size_t length = LOWORD(SendBounded(statusBar, SB_GETTEXTLENGTHA, part, 0));
        if (length == 0) continue;
        // Wine counts the length in UTF-16 units even for the A message, and
        // a double-byte character takes two bytes; SB_GETTEXTA itself takes
        // no size, so the buffer is made large enough for either count.
        const size_t capacity = 2 * length + 1;
        RemoteBuffer text(process.get(), capacity + 1);
        const std::vector<char> zeros(capacity + 1, 0);
        text.Write(zeros.data(), zeros.size());
        SendBounded(statusBar, SB_GETTEXTA, part, text.lparam());
        return text.GetText(0, capacity);
    }
    return {};
}

ListViewProbe::ListViewProbe(HWND list) : list_(list), process_(OpenWindowProcess(list)) {}

int ListViewProbe::Count() const { return static_cast<int>(SendBounded(list_, LVM_GETITEMCOUNT, 0, 0)); }

void ListViewProbe::CheckIndex(int index) const {
    const int count = Count();
    if (index < 0 || index >= count)
        throw DriverError("list item " + std::to_string(index) + " does not exist (the list holds " +
                          std::to_string(count) + ")");
}

std::string ListViewProbe::Text(int index, int subItem) const {
    CheckIndex(index);
    RemoteBuffer remote(process_.get(), sizeof(LVITEMA) + kTextCapacity);
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = static_cast<char*>(remote.address(sizeof(LVITEMA)));
    item.cchTextMax = static_cast<int>(kTextCapacity);
    remote.Put(item);
    const char zero = 0;
    remote.Write(&zero, 1, sizeof(LVITEMA));
    SendBounded(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), remote.lparam());
    return remote.GetText(sizeof(LVITEMA), kTextCapacity);
}

std::u16string ListViewProbe::WideText(int index) const {
    CheckIndex(index);
    constexpr size_t kUnits = kTextCapacity;
    RemoteBuffer remote(process_.get(), sizeof(LVITEMW) + kUnits * sizeof(char16_t));
    LVITEMW item{};
    item.pszText = static_cast<wchar_t*>(remote.address(sizeof(LVITEMW)));
    item.cchTextMax = static_cast<int>(kUnits);
    remote.Put(item);
    const char16_t zero = 0;
    remote.Write(&zero, sizeof zero, sizeof(LVITEMW));
    const auto length =
        static_cast<size_t>(SendBounded(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), remote.lparam()));
    std::u16string text(std::min(length, kUnits - 1), u'\0');
    remote.Read(text.data(), text.size() * sizeof(char16_t), sizeof(LVITEMW));
    return text;
}

std::vector<std::u16string> ListViewProbe::WideTexts() const {
    std::vector<std::u16string> texts;
    const int count = Count();
    for (int i = 0; i < count; ++i) texts.push_back(WideText(i));
    return texts;
}

std::vector<std::string> ListViewProbe::Texts() const {
    std::vector<std::string> texts;
    const int count = Count();
    for (int i = 0; i < count; ++i) texts.push_back(Text(i));
    return texts;
}

int ListViewProbe::Find(const std::string& caption) const {
    const int count = Count();
    for (int i = 0; i < count; ++i)
        if (Text(i) == caption) return i;
    return -1;
}

POINT ListViewProbe::Position(int index) const {
    CheckIndex(index);
    RemoteBuffer remote(process_.get(), sizeof(POINT));
    if (!SendBounded(list_, LVM_GETITEMPOSITION, static_cast<WPARAM>(index), remote.lparam()))
        throw DriverError("LVM_GETITEMPOSITION failed for item " + std::to_string(index));
    return remote.Get<POINT>();
}

RECT ListViewProbe::Bounds(int index, int part) const {
    CheckIndex(index);
    RemoteBuffer remote(process_.get(), sizeof(RECT));
    RECT r{};
    r.left = part;
    remote.Put(r);
    if (!SendBounded(list_, LVM_GETITEMRECT, static_cast<WPARAM>(index), remote.lparam()))
        throw DriverError("LVM_GETITEMRECT failed for item " + std::to_string(index));
    return remote.Get<RECT>();
}

std::vector<int> ListViewProbe::Selected() const {
    std::vector<int> selected;
    int i = -1;
    while ((i = static_cast<int>(SendBounded(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(i),
                                             MAKELPARAM(LVNI_SELECTED, 0)))) >= 0) {
        selected.push_back(i);
    }
    return selected;
}

void ListViewProbe::Select(int index, bool selected) const {
    if (index != -1) CheckIndex(index);
    RemoteBuffer remote(process_.get(), sizeof(LVITEMA));
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    remote.Put(item);
    if (!SendBounded(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), remote.lparam()))
        throw DriverError("LVM_SETITEMSTATE failed for item " + std::to_string(index));
}

void ListViewProbe::SelectOnly(int index) const {
    CheckIndex(index);
    Select(-1, false);
    RemoteBuffer remote(process_.get(), sizeof(LVITEMA));
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Put(item);
    if (!SendBounded(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), remote.lparam()))
        throw DriverError("LVM_SETITEMSTATE failed for item " + std::to_string(index));
    SendBounded(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

int ListViewProbe::HitTest(POINT at) const {
    RemoteBuffer remote(process_.get(), sizeof(LVHITTESTINFO));
    LVHITTESTINFO info{};
    info.pt = at;
    remote.Put(info);
    return static_cast<int>(SendBounded(list_, LVM_HITTEST, 0, remote.lparam()));
}

LPARAM ListViewProbe::ClickPoint(int index) const {
    // The icon's centre, unless the item has no picture there (a list
    // without images): then the caption's.
    for (int part : {LVIR_ICON, LVIR_LABEL, LVIR_BOUNDS}) {
        const RECT r = Bounds(index, part);
        const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        if (r.right > r.left && r.bottom > r.top && HitTest(centre) == index) return MAKELPARAM(centre.x, centre.y);
    }
    throw DriverError("no point of list item " + std::to_string(index) + " hits it (is it scrolled out of view?)");
}

void ListViewProbe::Click(int index) const {
    const LPARAM at = ClickPoint(index);
    // Sent rather than posted, so the click has been handled when this
    // returns. Wine's list view tracks a drag from WM_MOUSEMOVE, not in a loop
    // inside WM_LBUTTONDOWN, so the sent button-down returns at once.
    SendBounded(list_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendBounded(list_, WM_LBUTTONUP, 0, at);
}

void ListViewProbe::DoubleClick(int index) const {
    const LPARAM at = ClickPoint(index);
    SendBounded(list_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendBounded(list_, WM_LBUTTONUP, 0, at);
    SendBounded(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendBounded(list_, WM_LBUTTONUP, 0, at);
}

int ListBoxProbe::Count() const { return static_cast<int>(SendBounded(list_, LB_GETCOUNT, 0, 0)); }

std::string ListBoxProbe::Text(int index) const {
    const LRESULT length = SendBounded(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) throw DriverError("no entry " + std::to_string(index) + " in " + Describe(list_));
    // Asked in UTF-16: Wine answers LB_GETTEXT from another process in UTF-16
    // even when it was sent as ANSI, and in UTF-16 every system agrees.
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied))
        throw DriverError("no answer to LB_GETTEXT from " + Describe(list_));
    std::vector<char> text(2 * wide.size() + 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text.data(), static_cast<int>(text.size()) - 1, nullptr, nullptr);
    return text.data();
}

std::vector<std::string> ListBoxProbe::Texts() const {
    std::vector<std::string> texts;
    for (int i = 0, count = Count(); i < count; ++i) texts.push_back(Text(i));
    return texts;
}

std::vector<int> ListBoxProbe::Selected() const {
    std::vector<int> selected;
    for (int i = 0, count = Count(); i < count; ++i)
        if (SendBounded(list_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected.push_back(i);
    return selected;
}

void ListBoxProbe::Select(int index, bool selected) const {
    SendBounded(list_, LB_SETSEL, selected, static_cast<LPARAM>(index));
}

void ListBoxProbe::Click(int index) const {
    SendBounded(list_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const int top = static_cast<int>(SendBounded(list_, LB_GETTOPINDEX, 0, 0));
    const int height = static_cast<int>(SendBounded(list_, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(8, (index - top) * height + height / 2);
    // Sent, so the click has been handled (and the parent told) on return.
    SendBounded(list_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendBounded(list_, WM_LBUTTONUP, 0, at);
}

}  // namespace vistrel::e2e
