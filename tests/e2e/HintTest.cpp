// Hints as a user meets them: the long part in the status line for the
// highlighted item of an open menu and for the control under the pointer,
// the short part as the control's tooltip.

#include <gtest/gtest.h>

#include <string>

#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr const char* kMenuClass = "#32768";

class HintTest : public VistrelTest {};

void WaitForStatus(const VistrelProcess& app, const std::string& text) {
    std::string seen;
    const bool shown = WaitUntil([&] { return (seen = app.StatusText()) == text; }, 10000);
    EXPECT_TRUE(shown) << "status line \"" << seen << "\", expected \"" << text << "\"";
}

TEST_F(HintTest, StatusLineShowsTheHighlightedMenuItemsLongHint) {
    const PointerMoved pointer;  // off the menu, which follows the keys alone
    VistrelProcess app = VistrelProcess::Start();
    const HWND list = app.Control(ids::ListView1);
    // The menu key's message: the list's context menu opens at its corner.
    PostMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
    const HWND menu = app.WaitForWindow(kMenuClass);

    // Down from nothing highlights the first item, "最前面", which has no hint.
    const struct {
        const char* item;
        const char* status;
    } steps[] = {
        {"最前面", ""},
        {"閉じる", "選択したアプリケーションを終了する"},
        {"クリッピング (past the separator; a submenu)", "更新表示する領域の指定と解除"},
        {"クリッピングデータ", ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.item);
        PressKey(menu, VK_DOWN);
        WaitForStatus(app, step.status);  // an item without a hint empties the line
    }
    PressKey(menu, VK_UP);
    WaitForStatus(app, "更新表示する領域の指定と解除");

    PressKey(menu, VK_ESCAPE);
    WaitFor([&] { return !FindTopLevel(app.ProcessId(), kMenuClass); }, 10000, "the menu to close");
    WaitForStatus(app, "");
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(HintTest, PointerOnAToolButtonShowsBothParts) {
    const PointerMoved pointer;
    VistrelProcess app = VistrelProcess::Start();
    const HWND toolbar = app.Control(ids::ToolBar1);
    const LRESULT index = app.Send(ids::ToolBar1, TB_COMMANDTOINDEX, ids::ToolButton3);
    ASSERT_GE(index, 0);
    UniqueHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                     app.ProcessId()));
    ASSERT_TRUE(process);
    RemoteBuffer buffer(process.get(), sizeof(RECT));
    ASSERT_TRUE(app.Send(ids::ToolBar1, TB_GETITEMRECT, static_cast<WPARAM>(index), buffer.lparam()));
    const RECT button = buffer.Get<RECT>();
    POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(toolbar, &centre);

    // From somewhere without a hint onto the button, as a pointer moves.
    const HWND statusBar = app.Control(ids::StatusBar1);
    RECT status{};
    GetWindowRect(statusBar, &status);
    pointer.MoveTo(status.left + 20, (status.top + status.bottom) / 2);
    WaitForStatus(app, "");
    pointer.MoveTo(centre.x - 2, centre.y);
    pointer.MoveTo(centre.x, centre.y);
    WaitForStatus(app, "選択したアイテムに実行");

    // The toolbar's tooltip tells its text to WM_GETTEXT.
    std::string tip;
    const bool shown = WaitUntil(
        [&] {
            const HWND tooltip = FindTopLevel(app.ProcessId(), TOOLTIPS_CLASSA);
            if (!tooltip) return false;
            char text[128] = "";
            DWORD_PTR copied = 0;
            SendMessageTimeoutA(tooltip, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                SMTO_ABORTIFHUNG, 2000, &copied);
            tip = text;
            return tip == "ウィンドウ表示";
        },
        10000);
    EXPECT_TRUE(shown) << "tooltip \"" << tip << "\"";
    EXPECT_EQ(app.Close(), 0u);
}

}  // namespace
}  // namespace vistrel::e2e
