// The global hot key: pressed anywhere it brings Vistrel to the front and,
// pressed again, sends it back; the key the user chooses is kept for the next
// start; a key another program holds leaves Vistrel running, and says so. The
// dialog takes only a key with Ctrl or Alt that nobody else holds, and lets go
// of the hot key while it is open, so that pressing it there chooses it.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
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
    // Typed, and let go before the next step reads the keyboard.
    static void Type(std::initializer_list<WORD> keys) {
        TypeChord(keys);
        const auto up = [](WORD key) { return GetAsyncKeyState(key) >= 0; };
        WaitFor([&] { return std::all_of(keys.begin(), keys.end(), up); }, 5000, "the keys let go");
    }

    struct HotKeyDialog {
        HWND window;
        HWND control;
        WORD Held() const { return static_cast<WORD>(SendBounded(control, HKM_GETHOTKEY, 0, 0)); }
        void Show(WORD value) const { SendBounded(control, HKM_SETHOTKEY, value, 0); }
        void Cancel() const {
            ClickButton(GetDlgItem(window, IDCANCEL));
            WaitFor([&] { return !IsWindow(window); }, 5000, "the dialog to close");
        }
    };
    // "ホットキー設定" from the menu, in front with the keys going to its
    // control.
    static HotKeyDialog OpenDialog(const VistrelProcess& app) {
        app.PostCommand(ids::HotKeyMenu);
        const HWND dialog = app.WaitForWindow("THotKeyDlg");
        const HotKeyDialog opened{dialog, FindWindowExA(dialog, nullptr, HOTKEY_CLASSA, nullptr)};
        WaitFor(
            [&] {
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                return GetForegroundWindow() == dialog &&
                       GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) &&
                       info.hwndFocus == opened.control;
            },
            5000, "the hot key control to have the keys");
        return opened;
    }
    // OK clicked and refused: the box that says why, closed; the dialog stays.
    static void RefusedAtOk(const VistrelProcess& app, HWND dialog, const std::string& why) {
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);  // posted: the box holds the click until it closes
        const HWND box = WaitForBoxSaying(app.ProcessId(), why, 10000);
        ASSERT_NE(box, nullptr) << "no box says \"" << why << "\"";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindow(box); }, 5000, "the box to close");
        EXPECT_TRUE(IsWindowVisible(dialog));
    }
};

// A hot key this process holds for its scope: another program's, to Vistrel.
struct HeldElsewhere {
    static constexpr int kId = 0x7E57;
    HeldElsewhere(UINT modifiers, UINT key) { EXPECT_TRUE(RegisterHotKey(nullptr, kId, modifiers, key)); }
    ~HeldElsewhere() { UnregisterHotKey(nullptr, kId); }
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
        Type({VK_CONTROL, VK_MENU, 'V'});
        WaitFor([&] { return !IsIconic(main) && GetForegroundWindow() == main; }, 5000, "Vistrel restored");
    }
    {
        // Ctrl+Shift+K chosen in the dialog: stored at once. A Vistrel of its
        // own, where no key still on its way can reach the hot key control.
        const VistrelProcess app = VistrelProcess::Start(KeepingTheKey());
        const HotKeyDialog dialog = OpenDialog(app);
        EXPECT_EQ(WindowText(dialog.window), "ホットキー設定");
        dialog.Show(MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT));
        ClickButton(GetDlgItem(dialog.window, IDOK));
        WaitFor([&] { return !IsWindow(dialog.window); }, 5000, "the dialog to close");
        EXPECT_EQ(VistrelSettings::Read("hotkey"), 0x064Bu);  // MOD_CONTROL | MOD_SHIFT, 'K'
    }
    const VistrelProcess app = VistrelProcess::Start(KeepingTheKey());
    Elsewhere(other, app);
    TypeChord({VK_CONTROL, VK_SHIFT, 'K'});
    WaitFor([&] { return GetForegroundWindow() == app.MainWindow(); }, 5000, "Vistrel in front by the new key");
}

TEST_F(HotKeyTest, AKeyAnotherProgramHoldsIsNamedInTheStatusLine) {
    const HeldElsewhere taken(MOD_CONTROL | MOD_ALT, 'V');
    const VistrelProcess app = VistrelProcess::Start();
    const std::string status = app.StatusText();
    EXPECT_NE(status.find("Ctrl+Alt+V"), std::string::npos) << status;
    EXPECT_TRUE(IsWindowVisible(app.MainWindow()));
}

TEST_F(HotKeyTest, AKeyAnotherProgramHoldsIsRefusedInTheDialogAndTheWorkingOneStays) {
    VistrelSettings::Create();
    const VistrelProcess app = VistrelProcess::Start(KeepingTheKey());
    const HeldElsewhere taken(MOD_CONTROL | MOD_SHIFT, 'K');
    const HotKeyDialog dialog = OpenDialog(app);
    dialog.Show(MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT));
    RefusedAtOk(app, dialog.window, "ホットキー Ctrl+Shift+K は他のプログラムが使っている");
    EXPECT_EQ(VistrelSettings::Read("hotkey"), std::nullopt);
    dialog.Cancel();
    // Vistrel in front: the key it kept sends it back.
    Type({VK_CONTROL, VK_MENU, 'V'});
    WaitFor([&] { return IsIconic(app.MainWindow()) != FALSE; }, 5000, "Vistrel sent back by the old key");
}

TEST_F(HotKeyTest, AKeyWithoutCtrlOrAltIsRefusedInTheDialog) {
    VistrelSettings::Create();
    const VistrelProcess app = VistrelProcess::Start(KeepingTheKey());
    const HotKeyDialog dialog = OpenDialog(app);
    // Typed alone, or with Shift alone, a key gets Ctrl and Alt from the
    // control itself.
    Type({'K'});
    EXPECT_TRUE(WaitUntil([&] { return dialog.Held() == MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT); }, 5000))
        << "K alone held as " << Hex(dialog.Held());
    Type({VK_SHIFT, 'J'});
    EXPECT_TRUE(WaitUntil([&] { return dialog.Held() == MAKEWORD('J', HOTKEYF_CONTROL | HOTKEYF_ALT); }, 5000))
        << "Shift+J held as " << Hex(dialog.Held());
    // A key alone that came by another way is refused at OK.
    dialog.Show(VK_F12);
    RefusedAtOk(app, dialog.window, "ホットキー F12 は Ctrl か Alt と組み合わせないと使えません");
    EXPECT_EQ(VistrelSettings::Read("hotkey"), std::nullopt);
    dialog.Cancel();
}

TEST_F(HotKeyTest, TheHotKeyPressedInItsDialogGoesToTheControlAndIsHeldAgainAfterIt) {
    VistrelSettings::Create();
    const VistrelProcess app = VistrelProcess::Start(KeepingTheKey());
    const HotKeyDialog dialog = OpenDialog(app);
    dialog.Show(0);  // cleared, so that the key shows when the control takes it
    Type({VK_CONTROL, VK_MENU, 'V'});
    WaitFor([&] { return dialog.Held() == MAKEWORD('V', HOTKEYF_CONTROL | HOTKEYF_ALT); }, 5000,
            "the control to take Ctrl+Alt+V");
    EXPECT_FALSE(IsIconic(app.MainWindow()));
    EXPECT_TRUE(IsWindowVisible(dialog.window));
    dialog.Cancel();
    Type({VK_CONTROL, VK_MENU, 'V'});
    WaitFor([&] { return IsIconic(app.MainWindow()) != FALSE; }, 5000, "Vistrel sent back by the key held again");
}

}  // namespace
}  // namespace vistrel::e2e
