// The "Version" button: the version box with the program's title and
// version, one box however often the button is pressed, closed with OK, and
// the main window as it was afterwards; and a close of the program while the
// box is open.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListWaits.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr const char* kVersionBoxClass = "TVersionBox";
constexpr const char* kVersionBoxCaption = "ﾊﾞｰｼﾞｮﾝ情報";

std::vector<HWND> VersionBoxes(const VistrelProcess& app) {
    std::vector<HWND> boxes;
    for (HWND window : app.OtherWindows())
        if (ClassName(window) == kVersionBoxClass) boxes.push_back(window);
    return boxes;
}

void WaitForClosed(HWND box) {
    WaitFor([&] { return !IsWindow(box); }, 10000, "the version box to close");
}

class VersionBoxTest : public VistrelTest {};

TEST_F(VersionBoxTest, VersionOpensOneBoxWithTheTitleAndVersionThatOkCloses) {
    VistrelProcess app = VistrelProcess::Start();
    // The box is modal: the command returns only when it closes.
    app.PostCommand(ids::ToolButton12);
    const HWND box = app.WaitForWindow(kVersionBoxClass);
    EXPECT_EQ(WindowText(box), kVersionBoxCaption);
    EXPECT_EQ(GetWindow(box, GW_OWNER), app.MainWindow());
    EXPECT_FALSE(IsWindowEnabled(app.MainWindow()));
    RECT client{};
    GetClientRect(box, &client);
    EXPECT_EQ(client.right, 298);
    EXPECT_EQ(client.bottom, 203);

    const std::vector<std::string> texts = StaticTexts(box);
    // The title line is the title, two spaces and a sub-version the main
    // window leaves empty.
    EXPECT_TRUE(Contains(texts, std::string(kVistrelTitle) + "  ")) << ::testing::PrintToString(texts);
    EXPECT_TRUE(Contains(texts, "[ 1.0.3.5 ]")) << ::testing::PrintToString(texts);

    // Pressed again while the box is open, the button returns at once and
    // opens nothing: a second modal box would hold this command until timeout.
    app.Command(ids::ToolButton12);
    EXPECT_EQ(VersionBoxes(app), std::vector<HWND>{box});

    const HWND ok = FindChild(box, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(WindowText(ok), "OK");
    ClickButton(ok);
    WaitForClosed(box);
    EXPECT_TRUE(IsWindowEnabled(app.MainWindow()));

    // The main window goes on: its commands run, and the box opens again.
    app.Command(ids::ToolButton1);
    app.PostCommand(ids::ToolButton12);
    const HWND again = app.WaitForWindow(kVersionBoxClass);
    PostMessageA(again, WM_CLOSE, 0, 0);
    WaitForClosed(again);
    EXPECT_TRUE(IsWindowEnabled(app.MainWindow()));
    EXPECT_EQ(app.Close(), 0u);
}

// As at the end of a session: the program is told to close while the box
// is open, and ends cleanly, the box with it.
TEST_F(VersionBoxTest, TheProgramClosesWhileTheBoxIsOpen) {
    VistrelProcess app = VistrelProcess::Start();
    app.PostCommand(ids::ToolButton12);
    const HWND box = app.WaitForWindow(kVersionBoxClass);
    EXPECT_EQ(app.Close(), 0u);
    EXPECT_FALSE(IsWindow(box));
}

}  // namespace
}  // namespace vistrel::e2e
