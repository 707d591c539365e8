// Pictures of the program as a user sees it, kept in build/screenshots for
// review: the main window with live thumbnails of windows inside Vistrel's
// process (under Wine, PrintWindow reaches no other process) as
// thumbnails.bmp, the version box over it as version.bmp, the clipping
// setting dialog as clipping.bmp, the level dialog as level.bmp, the
// exclusion list dialog as exclusion.bmp and the context menu as menu.bmp.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListWaits.h"
#include "PixelCapture.h"
#include "VistrelSuites.h"
#include "exclusion/JogaiIds.h"

namespace vistrel::e2e {
namespace {

class Screenshot : public VistrelTest {};

TEST_F(Screenshot, MainWindowWithLiveThumbnails) {
    VistrelProcess app = VistrelProcess::Start();
    TestWindows guest = app.InjectTestWindows();
    const struct {
        const char* title;
        uint32_t colour;
    } windows[] = {
        {"赤いウィンドウ", 0x3030D0}, {"Green window", 0x30B030},
        {"青いウィンドウ", 0xD06030}, {"黄色のウィンドウ", 0x30D0E0},
    };
    std::vector<std::string> titles;
    int x = 700;
    for (const auto& w : windows) {
        guest.Create(Plan(Kind::Frame, w.title, x, 500, 320, 240, w.colour).Quiet());
        titles.push_back(w.title);
        x += 40;
    }
    app.Command(ids::ToolButton1);
    WaitForTitles(app, titles);
    // The list paints after it is built: the picture is taken once the
    // thumbnails of the first row, the row wholly in view, show their grey
    // frames on the screen.
    const ThumbnailProbe probe(app);
    const SIZE expected = ExpectedThumbnail(30);
    const int columns = ExpectedColumns(probe.ListWidth(), expected.cx);
    for (int item = 0; item < columns; ++item) {
        const SIZE seen = probe.WaitForFrameSize(item, expected);
        EXPECT_EQ(seen.cx, expected.cx) << "the frame of item " << item;
    }
    const PixelCapture shot = PixelCapture::FromScreen(app.MainWindow(), false);
    const std::string path = ScreenshotPath("thumbnails.bmp");
    EXPECT_TRUE(shot.SaveBitmapFile(path.c_str())) << path;
}

// The chick's body colour (COLORREF): once the screen shows it, the box's
// animation has drawn its first frame.
constexpr uint32_t kChickYellow = 0x40D6FF;

TEST_F(Screenshot, VersionBox) {
    VistrelProcess app = VistrelProcess::Start();
    app.PostCommand(ids::ToolButton12);
    const HWND box = app.WaitForWindow("TVersionBox");
    WaitFor([&] { return PixelCapture::FromScreen(box, true).Count(kChickYellow, 8) > 500; }, 10000,
            "the chick in the version box");
    const PixelCapture shot = PixelCapture::FromScreen(box, false);
    const std::string path = ScreenshotPath("version.bmp");
    EXPECT_TRUE(shot.SaveBitmapFile(path.c_str())) << path;
    PostMessageA(box, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(Screenshot, ClippingDialog) {
    VistrelProcess app = VistrelProcess::Start();
    TestWindows guest = app.InjectTestWindows();
    constexpr uint32_t kColour = 0xD06030;
    guest.Create(Plan(Kind::Frame, "切り抜くウィンドウ", kBesideVistrelX, 80, 480, 360, kColour).Quiet());
    const ThumbnailProbe probe(app);
    app.List().SelectOnly(probe.WaitForItem("切り抜くウィンドウ"));
    app.PostCommand(ids::Clip1);
    const HWND dialog = app.WaitForWindow("TOKBottomDlg");
    WaitFor([&] { return PixelCapture::FromScreen(dialog, true).Count(kColour, 8) > 20000; }, 10000,
            "the window's picture in the clipping dialog");
    const PixelCapture shot = PixelCapture::FromScreen(dialog, false);
    const std::string path = ScreenshotPath("clipping.bmp");
    EXPECT_TRUE(shot.SaveBitmapFile(path.c_str())) << path;
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(Screenshot, LevelDialog) {
    VistrelProcess app = VistrelProcess::Start();
    TestWindows guest = app.InjectTestWindows();
    guest.Create(Plan(Kind::Frame, "透過するウィンドウ", kBesideVistrelX, 80, 320, 240, 0xD06030).Quiet());
    app.List().SelectOnly(ThumbnailProbe(app).WaitForItem("透過するウィンドウ"));
    WaitFor([&] { return app.IsButtonEnabled(ids::ToolButton9); }, 5000, "the level button");
    app.PostCommand(ids::ToolButton9);
    const HWND dialog = app.WaitForWindow("TLebelDlg");
    // Painted once the cancel button's caption shows.
    WaitFor([&] { return PixelCapture::FromScreen(GetDlgItem(dialog, IDCANCEL), true).Count(0x000000, 40) > 20; },
            10000, "the level dialog's buttons");
    const PixelCapture shot = PixelCapture::FromScreen(dialog, false);
    const std::string path = ScreenshotPath("level.bmp");
    EXPECT_TRUE(shot.SaveBitmapFile(path.c_str())) << path;
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Close(), 0u);
}

// Programs with and without a product name (Wine's notepad has none), the
// empty line of a window whose program was unknown, a vanished file with a
// Japanese name; one entry selected.
TEST_F(Screenshot, ExclusionDialog) {
    char windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    VistrelOptions options;
    options.listDat = std::string(windows) + "\\explorer.exe\r\n" + system + "\\taskmgr.exe\r\n" + windows +
                      "\\regedit.exe\r\n" + system + "\\notepad.exe\r\n\r\nC:\\ツール\\表示する.exe\r\n";
    VistrelProcess app = VistrelProcess::Start(options);
    app.PostCommand(ids::ToolButton14);
    const HWND dialog = app.WaitForWindow("TJogaiDlg");
    ListBoxProbe list(FindChild(dialog, ids::JogaiListBox1));
    list.Click(2);
    // The product names are blue (COLORREF 0xFF0000) once the entries are drawn.
    WaitFor([&] { return PixelCapture::FromScreen(dialog, true).Count(0xFF0000, 40) > 100; }, 10000,
            "the product names in the exclusion list dialog");
    const PixelCapture shot = PixelCapture::FromScreen(dialog, false);
    const std::string path = ScreenshotPath("exclusion.bmp");
    EXPECT_TRUE(shot.SaveBitmapFile(path.c_str())) << path;
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Close(), 0u);
}

// The list's context menu with its clipping submenu open, as menu.bmp: both
// menu windows and what lies between them.
TEST_F(Screenshot, ContextMenu) {
    const PointerMoved pointer;  // off the menu, which follows the keys alone
    VistrelProcess app = VistrelProcess::Start();
    TestWindows guest = app.InjectTestWindows();
    guest.Create(
        Plan(Kind::Frame, "メニューのウィンドウ", kBesideVistrelX, 80, 320, 240, 0x30B030).Quiet());
    const ThumbnailProbe probe(app);
    app.List().SelectOnly(probe.WaitForItem("メニューのウィンドウ"));
    const HWND list = app.Control(ids::ListView1);
    PostMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
    const HWND menu = app.WaitForWindow("#32768");
    // Down to "クリッピング" (the third item past a separator), into its submenu.
    for (int i = 0; i < 3; ++i) PressKey(menu, VK_DOWN);
    PressKey(menu, VK_RIGHT);
    std::vector<HWND> menus;
    WaitFor(
        [&] {
            menus.clear();
            for (HWND w : app.OtherWindows())
                if (ClassName(w) == "#32768") menus.push_back(w);
            return menus.size() == 2;
        },
        10000, "the clipping submenu");
    // The submenu opens with its first item highlighted: once that bar is on
    // the screen, so is all the rest.
    const HWND submenu = menus[0] == menu ? menus[1] : menus[0];
    constexpr uint32_t kHighlight = 0x854236;  // the bar on a display of more than 10 bits
    WaitFor([&] { return PixelCapture::FromScreen(submenu, false).Count(kHighlight) > 100; }, 10000,
            "the highlight in the submenu");
    RECT area{};
    for (HWND w : menus) {
        RECT r{};
        GetWindowRect(w, &r);
        UnionRect(&area, IsRectEmpty(&area) ? &r : &area, &r);
    }
    const PixelCapture shot = PixelCapture::FromScreen(area);
    const std::string path = ScreenshotPath("menu.bmp");
    EXPECT_TRUE(shot.SaveBitmapFile(path.c_str())) << path;
    // Escape closes one menu level at a time.
    auto openMenus = [&] {
        int open = 0;
        for (HWND w : app.OtherWindows()) open += ClassName(w) == "#32768";
        return open;
    };
    PressKey(submenu, VK_ESCAPE);
    WaitFor([&] { return openMenus() == 1; }, 10000, "the submenu to close");
    // Wine's menu loop may still be leaving the closed level when the next
    // key comes, and then takes it for that level: the key is given again
    // until the menu has gone (a key for a menu already gone goes nowhere).
    bool closed = false;
    for (int attempt = 0; attempt < 5 && !closed; ++attempt) {
        PressKey(menu, VK_ESCAPE);
        closed = WaitUntil([&] { return openMenus() == 0; }, 2000);
    }
    EXPECT_TRUE(closed) << "the menu did not close";
    EXPECT_EQ(app.Close(), 0u);
}

}  // namespace
}  // namespace vistrel::e2e
