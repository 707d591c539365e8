#include "MainWindowHarness.h"

#include "Timing.h"
#include "common/AppIdentity.h"
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
