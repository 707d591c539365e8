#include "MainWindowHarness.h"

#include <commctrl.h>

#include "Timing.h"
#include "catalogue/ThumbnailGeometry.h"
#include "common/AppIdentity.h"
#include "main/WndCloseIds.h"
#include "toolkit/Application.h"

namespace vistrel::bench {

namespace {

// Long enough for the update thread to see its termination: it wakes from
// its pause, or its pending tick is served and skipped.
constexpr DWORD kThreadEndMs = 700;

}  // namespace

MainWindowHarness::MainWindowHarness() {
    auto& app = tk::Application::Instance();
    app.Title = kAppTitle;
    app.Initialize();
    window_ = std::make_unique<TPrintWndDlg>();
    window_->Show();
    PumpFor(500);
}

MainWindowHarness::~MainWindowHarness() {
    window_->Close();
    PumpFor(kThreadEndMs);
    window_.reset();
}

int MainWindowHarness::ItemOf(HWND window) const {
    for (int i = 0; i < window_->List().Count(); ++i) {
        const WindowEntry* entry = window_->EntryOf(i);
        if (entry && WindowOf(*entry) == window) return i;
    }
    return -1;
}

std::vector<int> MainWindowHarness::ItemsInView() const {
    RECT client;
    GetClientRect(window_->List().Handle(), &client);
    std::vector<int> items;
    for (int i = 0; i < window_->List().Count(); ++i) {
        const RECT bounds = window_->List().ItemBounds(i);
        RECT common;
        if (IntersectRect(&common, &bounds, &client)) items.push_back(i);
    }
    return items;
}

int MainWindowHarness::ColumnsShown() const {
    const tk::ListView& list = window_->List();
    if (list.Count() == 0) return 0;
    const LONG firstRowTop = list.ItemBounds(0).top;
    int columns = 1;
    while (columns < list.Count() && list.ItemBounds(columns).top == firstRowTop) ++columns;
    return columns;
}

HWND MainWindowHarness::Control(int id) const {
    struct Search {
        int id;
        HWND found = nullptr;
    } search{id};
    EnumChildWindows(
        window_->Handle(),
        [](HWND child, LPARAM param) {
            auto* search = reinterpret_cast<Search*>(param);
            if (GetDlgCtrlID(child) != search->id) return TRUE;
            search->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int MainWindowHarness::SizeBarMax() const {
    const HWND bar = Control(ids::SizeSetTrackBar);
    return bar ? static_cast<int>(SendMessageA(bar, TBM_GETRANGEMAX, 0, 0)) : 0;
}

bool MainWindowHarness::ReleaseSizeBarAt(int position) {
    const HWND bar = Control(ids::SizeSetTrackBar);
    if (!bar) return false;
    SendMessageA(bar, TBM_SETPOS, TRUE, position);
    // The release anywhere on the bar is what resizes (the bar's OnMouseUp).
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    return true;
}

bool MainWindowHarness::ShowGrid(int columns, int rows, DWORD timeoutMs) {
    TPrintWndDlg& dlg = *window_;
    tk::ListView& list = dlg.List();
    // The narrowest list width that the program's own arithmetic gives
    // `columns` columns, and the one that gives one more: the middle of the
    // two keeps clear of both edges.
    const int thumbWidth = dlg.PictureSize().cx;
    const int dpi = dlg.Dpi();
    int narrowest = 1;
    while (ColumnCount(narrowest, thumbWidth, dpi) < columns) ++narrowest;
    int widest = narrowest;
    while (ColumnCount(widest, thumbWidth, dpi) <= columns) ++widest;
    const auto resize = [&](int dx, int dy) {
        RECT frame;
        GetWindowRect(dlg.Handle(), &frame);
        SetWindowPos(dlg.Handle(), nullptr, 0, 0, frame.right - frame.left + dx,
                     frame.bottom - frame.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    resize((narrowest + widest) / 2 - list.Width(), 0);
    if (!PumpUntil([&] { return ColumnsShown() == columns; }, timeoutMs)) return false;

    // As high as the top of the first row that is to stay out of view.
    const int firstHidden = columns * rows;
    if (list.Count() <= firstHidden) return false;
    SendMessageA(list.Handle(), LVM_ENSUREVISIBLE, 0, FALSE);
    RECT client;
    GetClientRect(list.Handle(), &client);
    resize(0, list.ItemBounds(firstHidden).top - client.bottom);
    PumpFor(300);
    SendMessageA(list.Handle(), LVM_ENSUREVISIBLE, 0, FALSE);
    return ColumnsShown() == columns && static_cast<int>(ItemsInView().size()) == columns * rows;
}

void MainWindowHarness::Pump() { tk::Application::Instance().ProcessMessages(); }

void MainWindowHarness::PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool MainWindowHarness::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const double end = NowMs() + timeoutMs;
    for (;;) {
        Pump();
        if (done()) return true;
        const double left = end - NowMs();
        if (left <= 0) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
    }
}

bool MainWindowHarness::ServeNextTick(DWORD timeoutMs) {
    Pump();  // a tick already waiting is served here and does not count
    const double end = NowMs() + timeoutMs;
    for (;;) {
        const double left = end - NowMs();
        if (left <= 0) return false;
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1,
                                      QS_SENDMESSAGE) == WAIT_TIMEOUT)
            return false;
        if (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) {
            Pump();
            return true;
        }
    }
}

}  // namespace vistrel::bench
