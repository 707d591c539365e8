// The global hot key: pressed anywhere it brings Vistrel to the front and,
// pressed again, sends it back; the key the user chooses is kept for the next
// start; a key another program holds leaves Vistrel running, and says so.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "RemoteControls.h"
#include "TestWindows.h"
#include "VistrelSuites.h"
#include "main/WndCloseIds.h"

namespace vistrel::e2e {
namespace {

class HotKeyTest : public VistrelTest {
protected:
    static VistrelOptions KeepingTheKey() {
        VistrelOptions options;
        options.settingsKey = VistrelOptions::Key::AsPrepared;
        return options;
    }
    // Another window in front, as when the user works elsewhere.
    void Elsewhere(HWND other, const VistrelProcess& app) const {
        SetForegroundWindow(other);
        WaitFor([&] { return GetForegroundWindow() == other; }, 5000, "the other window in front");
        ASSERT_NE(GetForegroundWindow(), app.MainWindow());
    }
};

TEST_F(HotKeyTest, TheKeyBringsVistrelAndSendsItBackAndTheChosenOneSurvivesARestart) {
    TestWindows helper = TestWindows::StartExe({Plan(Kind::Frame, "Hot other", kBesideVistrelX, 80, 300, 200, 0x3050D0)});
    const HWND other = helper.Windows().front();
    VistrelSettings::Create();
    {
        const VistrelProcess app = VistrelProcess::Start(KeepingTheKey());
        const HWND main = app.MainWindow();
        Elsewhere(other, app);
        TypeChord({VK_CONTROL, VK_MENU, 'V'});  // Ctrl+Alt+V, the default
        WaitFor([&] { return GetForegroundWindow() == main; }, 5000, "Vistrel in front");
        TypeChord({VK_CONTROL, VK_MENU, 'V'});
        WaitFor([&] { return IsIconic(main) != FALSE; }, 5000, "Vistrel sent back");
        TypeChord({VK_CONTROL, VK_MENU, 'V'});
        WaitFor([&] { return !IsIconic(main) && GetForegroundWindow() == main; }, 5000, "Vistrel restored");
        WaitFor([] { return GetAsyncKeyState(VK_CONTROL) >= 0 && GetAsyncKeyState(VK_MENU) >= 0 &&
                            GetAsyncKeyState('V') >= 0; },
                5000, "the keys let go");
    }
    {
        // Ctrl+Shift+K chosen in the dialog: stored at once. A Vistrel of its
        // own, where no key still on its way can reach the hot key control.
        const VistrelProcess app = VistrelProcess::Start(KeepingTheKey());
        app.PostCommand(ids::HotKeyMenu);
        const HWND dialog = app.WaitForWindow("THotKeyDlg");
        EXPECT_EQ(WindowText(dialog), "ホットキー設定");
        const HWND control = FindWindowExA(dialog, nullptr, HOTKEY_CLASSA, nullptr);
        SendBounded(control, HKM_SETHOTKEY, MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
        ClickButton(GetDlgItem(dialog, IDOK));
        WaitFor([&] { return !IsWindow(dialog); }, 5000, "the dialog to close");
        EXPECT_EQ(VistrelSettings::Read("hotkey"), 0x064Bu);  // MOD_CONTROL | MOD_SHIFT, 'K'
    }
    const VistrelProcess app = VistrelProcess::Start(KeepingTheKey());
    Elsewhere(other, app);
    TypeChord({VK_CONTROL, VK_SHIFT, 'K'});
    WaitFor([&] { return GetForegroundWindow() == app.MainWindow(); }, 5000, "Vistrel in front by the new key");
}

TEST_F(HotKeyTest, AKeyAnotherProgramHoldsIsNamedInTheStatusLine) {
    constexpr int kTakenId = 0x7E57;
    ASSERT_TRUE(RegisterHotKey(nullptr, kTakenId, MOD_CONTROL | MOD_ALT, 'V'));
    const VistrelProcess app = VistrelProcess::Start();
    const std::string status = app.StatusText();
    UnregisterHotKey(nullptr, kTakenId);
    EXPECT_NE(status.find("Ctrl+Alt+V"), std::string::npos) << status;
    EXPECT_TRUE(IsWindowVisible(app.MainWindow()));
}

}  // namespace
}  // namespace vistrel::e2e
