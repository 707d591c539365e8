// Vistrel on a display at 100 % and at 150 %: the forms at their sizes times
// the scale, the toolbar whole in the first width, the clipping dialog's
// buttons inside it, thumbnails that show their window whole, a move to a
// monitor of the other scale, and a picture of the main window at 150 %
// (build/screenshots/main-144.bmp).
//
// The scale is the Wine prefix's system DPI, which a process takes when it
// starts: the driver runs the cases of one scale, those of the DPI it finds
// (CTest's e2e_at144 runs it with VISTREL_WINE_DPI=144, see cmake/wine-run.sh).

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ListWaits.h"
#include "PixelCapture.h"
#include "VistrelSuites.h"
#include "platform/WindowDc.h"

namespace vistrel::e2e {
namespace {

SIZE OuterSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// Whether `inner` lies wholly inside the client area of `outer` on the screen.
bool InsideClient(HWND inner, HWND outer) {
    RECT r{};
    RECT client{};
    GetWindowRect(inner, &r);
    GetClientRect(outer, &client);
    MapWindowPoints(outer, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return r.left >= client.left && r.top >= client.top && r.right <= client.right && r.bottom <= client.bottom;
}

class DisplayScaleTest : public NeedsVistrel<::testing::TestWithParam<int>> {
protected:
    void SetUp() override {
        NeedsVistrel::SetUp();
        if (IsSkipped()) return;
        const platform::WindowDc screen(nullptr);
        const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
        if (dpi != GetParam()) GTEST_SKIP() << "the display is at " << dpi << " DPI";
        app_.emplace(VistrelProcess::Start());
    }
    void TearDown() override { app_.reset(); }
    // A length of the form designs at this test's scale, as MulDiv rounds it.
    int Scaled(int length96) const { return MulDiv(length96, GetParam(), 96); }
    void ExpectNear(SIZE seen, int width96, int height96, const char* what) const {
        EXPECT_NEAR(seen.cx, Scaled(width96), 2) << what;
        EXPECT_NEAR(seen.cy, Scaled(height96), 2) << what;
    }

    std::optional<VistrelProcess> app_;
};

TEST_P(DisplayScaleTest, MainWindowAndExclusionListGrowWithTheScale) {
    const HWND main = app_->MainWindow();
    const SIZE outer = OuterSize(main);
    EXPECT_NEAR(outer.cy, Scaled(478), 2);
    EXPECT_GE(outer.cx, Scaled(638) - 2);
    for (int id : {ids::CheckBox1, ids::CheckBox2, ids::AutoChkBox, ids::HighQualityChkBox, ids::Panel2})
        EXPECT_TRUE(InsideClient(app_->Control(id), main)) << Describe(app_->Control(id));
    EXPECT_NEAR(OuterSize(app_->Control(ids::Panel4)).cx, Scaled(273), 2) << "the track bar's panel";
    ExpectNear(OuterSize(app_->Control(ids::SwitchButton2)), 17, 16, "the switch button");

    app_->PostCommand(ids::ToolButton14);
    const HWND exclusion = app_->WaitForWindow("TJogaiDlg");
    RECT client{};
    GetClientRect(exclusion, &client);
    ExpectNear({client.right, client.bottom}, 377, 286, "the exclusion list");
    ExpectNear(OuterSize(FindChild(exclusion, IDOK)), 75, 25, "the exclusion list's OK");
    PostMessageA(exclusion, WM_CLOSE, 0, 0);
}

// Moved to a monitor of the other scale and back (the message as Windows
// sends it, the rectangle in Vistrel's memory): glyphs by whole factors in
// their 3-pixel margin, the panels in proportion.
TEST_P(DisplayScaleTest, MainWindowFollowsAMoveToAnotherScale) {
    const HWND main = app_->MainWindow();
    RECT before{};
    GetWindowRect(main, &before);
    RemoteBuffer offered(app_->ProcessHandle(), sizeof(RECT));
    const auto moveTo = [&](int dpi, const RECT& r) {
        offered.Put(r);
        SendBounded(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), offered.lparam());
        const auto buttonHeight = HIWORD(SendBounded(app_->Control(ids::ToolBar1), TB_GETBUTTONSIZE, 0, 0));
        EXPECT_EQ(buttonHeight, (dpi < 144 ? 16 : 32) + 6) << dpi;
        EXPECT_NEAR(OuterSize(app_->Control(ids::Panel4)).cx, MulDiv(273, dpi, 96), 2) << dpi;
        EXPECT_EQ(OuterSize(main).cx, r.right - r.left) << dpi;
    };
    const int other = GetParam() == 96 ? 144 : 96;
    moveTo(other, {before.left, before.top, before.left + 900, before.top + MulDiv(478, other, 96)});
    moveTo(GetParam(), before);
}

TEST_P(DisplayScaleTest, ThumbnailAndClippingDialogShowTheWindowWhole) {
    TestWindows guest = app_->InjectTestWindows();
    constexpr uint32_t kColour = 0xC06020;
    guest.Create(Plan(Kind::Frame, "縮尺のウィンドウ", kBesideVistrelX, 420, 320, 240, kColour).Quiet());
    const ThumbnailProbe probe(*app_);
    const int item = probe.WaitForItem("縮尺のウィンドウ");
    // A share of the screen at every scale.
    const SIZE expected = ExpectedThumbnail(30);
    EXPECT_EQ(probe.WaitForFrameSize(item, expected).cx, expected.cx);
    EXPECT_TRUE(probe.WaitForColour(item, kColour, 0.6, 5000));
    EXPECT_GE(probe.CountInPicture(item, protocol::InverseColour(kColour)), expected.cx * expected.cy * 0.03)
        << "the window's inverse block, bottom right: the picture is whole";

    if (GetParam() == 144) {
        // The part on the screen: the window may open past its edge, and
        // Wine copies nothing of an area that is not wholly on it.
        RECT area{};
        GetWindowRect(app_->MainWindow(), &area);
        const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        IntersectRect(&area, &area, &screen);
        const PixelCapture shot = PixelCapture::FromScreen(area);
        const std::string path = ScreenshotPath("main-144.bmp");
        EXPECT_TRUE(shot.SaveBitmapFile(path.c_str())) << path;
    }

    app_->List().SelectOnly(item);
    app_->PostCommand(ids::Clip1);
    const HWND dialog = app_->WaitForWindow("TOKBottomDlg");
    for (int id : {IDOK, IDCANCEL}) {
        const HWND button = FindChild(dialog, id);
        EXPECT_TRUE(InsideClient(button, dialog)) << id;
        ExpectNear(OuterSize(button), 75, 25, "OK and cancel");
    }
    PostMessageA(dialog, WM_CLOSE, 0, 0);
}

INSTANTIATE_TEST_SUITE_P(Dpi, DisplayScaleTest, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& info) { return "At" + std::to_string(info.param); });

}  // namespace
}  // namespace vistrel::e2e
