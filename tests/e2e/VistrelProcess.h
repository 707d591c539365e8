#pragma once
// The program under test, black box: a fresh copy of Vistrel.exe in a
// temporary folder, its settings key prepared, started, worked through its
// windows and closed. Control and command ids come from main/WndCloseIds.h.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Driver.h"
#include "RemoteControls.h"
#include "TempFolder.h"
#include "TestWindows.h"
#include "main/WndCloseIds.h"

namespace vistrel::e2e {

namespace ids = vistrel::ids;

// The program's identity as a user sees it, spelled here on purpose rather
// than taken from the program's sources.
constexpr const char* kVistrelTitle = "Vistrel α";
constexpr const char* kMainWindowClass = "TPrintWndDlg";
constexpr int kMainWindowLeft = 54;
constexpr int kMainWindowTop = 76;
// Under HKEY_CURRENT_USER.
constexpr const char* kSettingsKey = "Software\\Quillon\\Vistrel α";

// The settings key HKCU\Software\Quillon\Vistrel α. The program opens it
// without creating it, so tests create or remove it. Start() prepares it;
// afterwards it stays as the program left it, for the test to read.
struct VistrelSettings {
    static bool Exists();
    static void Remove();  // no error when absent
    static void Create();  // empty, replacing whatever was there
    static void Write(const std::string& name, uint32_t value);  // REG_DWORD
    static std::optional<uint32_t> Read(const std::string& name);  // REG_DWORD values only
};

struct VistrelOptions {
    // Absent: the key is removed before the start. Present: it is created
    // afresh, holding only the values given below. AsPrepared: left exactly
    // as the test made it (values of other types, say).
    enum class Key { Absent, Present, AsPrepared };
    Key settingsKey = Key::Absent;
    std::optional<uint32_t> hi, clip, tims;
    // Written into the data folder (folder\data\<user>\) before the start.
    std::optional<std::string> listDat, trmIni;
    // The parked windows a run that was killed left behind, and its record
    // of changes.
    std::optional<std::string> parkedDat, changesDat;
    bool copyHelp = true;  // Help\Vistrel.htm beside the copy, when the build has it
    int startTimeoutMs = 30000;
    // The main window opens amid the pointer's monitor; the driver moves it to
    // the left, as the tests' layouts expect (kBesideVistrelX), or not.
    bool mainWindowAtLeft = true;
    // The program to copy and start: empty for the build's Vistrel.exe. The
    // driver's own tests give a stand-in here (testwindows.exe showing a
    // "TPrintWndDlg" window), with its arguments; Vistrel itself takes none.
    std::string exePath;
    std::string arguments;
    // Starts exePath where it lies (an installed copy) instead of a copy in a
    // folder of the test's own; that folder then stays after the run.
    bool inPlace = false;
};

class VistrelProcess {
public:
    // Copies the exe into a fresh folder, prepares the key and data files,
    // starts it and waits until its main window is visible and the program
    // idles. Throws DriverError when the exe is not built, another main
    // window is already open, the program ends early or does not show up.
    static VistrelProcess Start(const VistrelOptions& options = {});

    VistrelProcess(VistrelProcess&& other) noexcept;
    VistrelProcess& operator=(VistrelProcess&& other) noexcept;
    VistrelProcess(const VistrelProcess&) = delete;
    VistrelProcess& operator=(const VistrelProcess&) = delete;
    // Closes a program still running (WM_CLOSE, then its own handle if it
    // does not end) and deletes the folder, unless VISTREL_E2E_KEEP is set.
    ~VistrelProcess();

    static bool IsBuilt() { return FileExists(VistrelExePath()); }

    DWORD ProcessId() const { return pid_; }
    HANDLE ProcessHandle() const { return process_.get(); }
    HWND MainWindow() const { return main_; }
    const std::string& Folder() const { return folderPath_; }  // with trailing backslash
    std::string DataFolder() const;                        // Folder() + "data\<user>\"
    std::string Title() const { return WindowText(main_); }
    bool IsRunning() const { return process_ && !HasExited(process_.get()); }

    // A control of the main window by id (any depth); throws when missing.
    HWND Control(int id) const;
    std::string ControlText(int id) const { return WindowText(Control(id)); }
    bool IsControlEnabled(int id) const { return IsWindowEnabled(Control(id)) != 0; }
    bool IsControlVisible(int id) const { return IsWindowVisible(Control(id)) != 0; }
    // Any message to a control, bounded (TBM_GETPOS on the track bar, ...).
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, int timeoutMs = kMessageTimeoutMs) const {
        return SendBounded(Control(id), message, wParam, lParam, timeoutMs);
    }

    // WM_COMMAND to the main window: Command returns after the handler ran;
    // PostCommand at once (for commands that open a modal window).
    void Command(int id, int timeoutMs = kMessageTimeoutMs) const { SendCommand(main_, id, timeoutMs); }
    void PostCommand(int id) const { e2e::PostCommand(main_, id); }
    void ClickCheckBox(int id) const { ClickButton(Control(id)); }
    bool IsChecked(int id) const { return e2e::IsChecked(Control(id)); }
    bool IsButtonEnabled(int commandId) const { return IsToolButtonEnabled(Control(ids::ToolBar1), commandId); }

    ListViewProbe List() const { return ListViewProbe(Control(ids::ListView1)); }
    int ItemCount() const { return List().Count(); }
    std::vector<std::string> ListTitles() const { return List().Texts(); }
    std::string StatusText() const { return StatusBarText(Control(ids::StatusBar1)); }

    // Visible top-level windows of the program other than the main window
    // (its dialogs and message boxes), and a wait for one of a class.
    std::vector<HWND> OtherWindows() const;
    HWND WaitForWindow(const std::string& className, int timeoutMs = 10000) const;

    // The helper DLL inside the program's process: windows of its own process
    // for the program, which PrintWindow reaches even under Wine.
    TestWindows InjectTestWindows() const { return TestWindows::Inject(process_.get(), pid_); }

    // WM_CLOSE to the main window; waits for the process to end and returns
    // its exit code.
    DWORD Close(int timeoutMs = 30000);
    DWORD WaitForExit(int timeoutMs = 30000);

private:
    VistrelProcess() = default;
    void Release() noexcept;

    UniqueHandle process_;
    DWORD pid_ = 0;
    HWND main_ = nullptr;
    std::string folderPath_;
    std::optional<test::TempFolder> folder_;  // none for a program started in place
};

}  // namespace vistrel::e2e
