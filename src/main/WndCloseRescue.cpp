// TPrintWndDlg: what keeps windows from being lost when the program does not
// end as it should. Every change to another program's window is written to
// the record of changes in the data folder before it is made, so the next
// start gives back what a killed run left; a crash sends parked windows home
// and makes translucent ones visible before the process goes.

#include "common/SaveNaming.h"
#include "main/WndCloseUnit.h"
#include "platform/WindowFacts.h"

namespace vistrel {

namespace {

// The main window for the crash handler; there is one per process.
TPrintWndDlg* rescued = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;

LONG WINAPI RescueOnCrash(EXCEPTION_POINTERS* exception) {
    // Once only: a crash inside the rescue must not come back here.
    if (TPrintWndDlg* window = std::exchange(rescued, nullptr)) window->EmergencyRestore();
    // The system's error box and report follow as for any crash.
    return previousFilter ? previousFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void TPrintWndDlg::OpenChangeRecord(const std::string& dataFolder) {
    // Said once, in the status line: parking goes on, only a kill would now
    // leave the windows where they are.
    changes_.OnCannotWrite = [this](const std::string& file) {
        StatusBar1.SetSimpleText(CannotWriteMessage(platform::Widen(file)));
    };
    changes_.OnRefused = [this](HWND window) {
        std::u16string text = u"「";
        text += platform::WindowTitle(window);
        text += u"」は画面の外へ移せませんでした";
        StatusBar1.SetSimpleText(text);
    };
    changes_.Open(dataFolder);
}

int TPrintWndDlg::ItemOfWindow(HWND window) const {
    for (int i = 0; i < ListView1.Count(); ++i)
        if (const WindowEntry* entry = EntryOf(i); entry && WindowOf(*entry) == window) return i;
    return -1;
}

void TPrintWndDlg::InstallCrashRescue() {
    rescued = this;
    previousFilter = SetUnhandledExceptionFilter(RescueOnCrash);
}

void TPrintWndDlg::RemoveCrashRescue() {
    if (rescued != this) return;
    rescued = nullptr;
    SetUnhandledExceptionFilter(previousFilter);
}

void TPrintWndDlg::EmergencyRestore() noexcept {
    // Nothing here waits for another program: the process is failing, or
    // the session ends around it. The record's file stays for the next
    // start, which forgets the windows that did come home.
    changes_.GiveBackNow();
    layered_.GiveBackNow();
}

}  // namespace vistrel
