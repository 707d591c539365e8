// A picture of the main window as a user sees it, with live thumbnails of
// windows inside Vistrel's process (under Wine, PrintWindow reaches no other
// process). It is kept as build/screenshots/thumbnails.bmp for review.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListWaits.h"
#include "PixelCapture.h"
#include "VistrelSuites.h"

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
    const std::string path = ScreenshotPath();
    EXPECT_TRUE(shot.SaveBitmapFile(path.c_str())) << path;
}

}  // namespace
}  // namespace vistrel::e2e
