// A picture of the main window as a user sees it, with live thumbnails of
// windows inside Vistrel's process (under Wine, PrintWindow reaches no other
// process). It is kept as build/screenshots/thumbnails.bmp for review.

#include <gtest/gtest.h>

#include <string>

#include "Driver.h"
#include "PixelCapture.h"
#include "SettledList.h"
#include "VistrelProcess.h"

namespace vistrel::e2e {
namespace {

std::string ScreenshotPath() {
    // The test runs from <build>/<tree>/tests/e2e; screenshots live in <build>/screenshots.
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe);
    for (int up = 0; up < 4; ++up) folder.erase(folder.find_last_of('\\'));
    folder += "\\screenshots";
    CreateFolders(folder);
    return folder + "\\thumbnails.bmp";
}

TEST(Screenshot, MainWindowWithLiveThumbnails) {
    if (!VistrelProcess::IsBuilt()) GTEST_SKIP() << "Vistrel.exe is not built yet";
    VistrelProcess app = VistrelProcess::Start();
    TestWindows guest = app.InjectTestWindows();
    const struct {
        const char* title;
        uint32_t colour;
    } windows[] = {
        {"赤いウィンドウ", 0x3030D0}, {"Green window", 0x30B030},
        {"青いウィンドウ", 0xD06030}, {"黄色のウィンドウ", 0x30D0E0},
    };
    int x = 700;
    for (const auto& w : windows) {
        WindowSpec spec = Spec(Kind::Frame, w.title, x, 500, 320, 240);
        spec.colour = w.colour;
        spec.noActivate = true;
        guest.Create(spec);
        x += 40;
    }
    app.Command(ids::ToolButton1);
    WaitFor([&] { return SettledTitles(app).size() >= 4; }, 10000, "the windows listed");
    SetForegroundWindow(app.MainWindow());
    Sleep(1500);  // let the list paint
    const PixelCapture shot = PixelCapture::FromScreen(app.MainWindow(), false);
    const std::string path = ScreenshotPath();
    EXPECT_TRUE(shot.SaveBitmapFile(path.c_str())) << path;
    // Every thumbnail is framed in grey.
    EXPECT_GT(shot.Count(0x808080), 4 * 200);
}

}  // namespace
}  // namespace vistrel::e2e
