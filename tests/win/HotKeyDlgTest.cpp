// THotKeyDlg with the real hot key control: it shows the hot key it was
// given, and OK returns what the control holds, whether the control kept it,
// was set anew or was cleared by the user's Backspace.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "dialogs/HotKeyUnit.h"
#include "toolkit/Application.h"

namespace vistrel {
namespace {

TEST(HotKeyDlg, OkReturnsWhatTheControlHolds) {
    tk::Application::Instance().Initialize();
    const HotKey ctrlShiftDelete{0x2E, kModControl | kModShift};
    const struct {
        const char* what;
        HotKey given;
        std::function<void(THotKeyDlg&)> user;  // posted before the loop runs
        HotKey chosen;
    } cases[] = {
        {"kept, an extended key", ctrlShiftDelete, [](THotKeyDlg&) {}, ctrlShiftDelete},
        {"kept with Win", {'E', kModWin}, [](THotKeyDlg&) {}, {'E', kModWin}},
        {"set anew", kDefaultHotKey,
         [](THotKeyDlg& d) { PostMessageA(d.HotKey1.Handle(), HKM_SETHOTKEY, MAKEWORD(VK_F5, HOTKEYF_ALT), 0); },
         {VK_F5, kModAlt}},
        {"cleared", kDefaultHotKey,
         [](THotKeyDlg& d) {
             // With the scan code a key press carries: the control also
             // sees the WM_CHAR made from it, and takes its key from that.
             const LPARAM keyData = MapVirtualKeyA(VK_BACK, MAPVK_VK_TO_VSC) << 16 | 1;
             PostMessageA(d.HotKey1.Handle(), WM_KEYDOWN, VK_BACK, keyData);
         },
         kNoHotKey},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        THotKeyDlg dialog(c.given, nullptr);
        c.user(dialog);
        PostMessageA(dialog.OKBtn.Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(dialog.ShowModal(), tk::mrOk);
        EXPECT_EQ(dialog.Chosen(), c.chosen);
    }
}

}  // namespace
}  // namespace vistrel
