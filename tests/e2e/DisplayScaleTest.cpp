// Vistrel on a display at 100 % and at 150 %: the forms at their sizes times
// the scale, the toolbar whole in the first width, the clipping dialog's
// buttons inside it, thumbnails that show their window whole (one of another
// process up to its edges), the marks of "Open Only" as whole glyphs, a move
// to a monitor of the other scale, and a picture of the main window at 150 %
// (build/screenshots/main-144.bmp).
//
// The scale is the Wine prefix's system DPI, which a process takes when it
// starts: the driver runs the cases of one scale, those of the DPI it finds
// (CTest's e2e_at144 runs it with VISTREL_WINE_DPI=144, see cmake/wine-run.sh).

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>

#include "ListWaits.h"
#include "PixelCapture.h"
#include "VistrelSuites.h"
#include "WindowPlaces.h"
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

// The bounding box of a colour's pixels inside `area` of the capture; empty
// when there are none.
RECT BoxOf(const PixelCapture& capture, const RECT& area, uint32_t colour) {
    RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            if (capture.At(x, y) != colour) continue;
            box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                   std::max<LONG>(box.bottom, y + 1)};
        }
    return box.right > box.left ? box : RECT{};
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

    // A window of another process in sight below the main window, listed;
    // its thumbnail's item.
    int ListBelowTheMainWindow(TestWindows& helper, const std::string& title, int width, int height,
                               uint32_t colour, HWND* window = nullptr) const {
        RECT main{};
        GetWindowRect(app_->MainWindow(), &main);
        if (main.bottom + 8 + height > GetSystemMetrics(SM_CYSCREEN))
            throw DriverError("no room below the main window for \"" + title + "\"");
        const HWND made =
            helper.Create(Plan(Kind::Frame, title, main.left, main.bottom + 8, width, height, colour).Quiet());
        if (window) *window = made;
        return ThumbnailProbe(*app_).WaitForItem(title);
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

// The main window on a monitor of the other scale (as the previous case
// moves it): the dialogs it opens are sized and laid out for that scale, with
// OK and キャンセル inside them. Wine gives every monitor the system's scale,
// so the move is the message Windows sends, and Wine draws the dialogs'
// frames at the system's scale: their client areas are what must fit.
TEST_P(DisplayScaleTest, DialogsOpenAtTheScaleOfTheMainWindow) {
    const HWND main = app_->MainWindow();
    RECT r{};
    GetWindowRect(main, &r);
    const int other = GetParam() == 96 ? 144 : 96;
    RemoteBuffer offered(app_->ProcessHandle(), sizeof(RECT));
    offered.Put(RECT{r.left, r.top, r.left + 900, r.top + MulDiv(478, other, 96)});
    SendBounded(main, WM_DPICHANGED, MAKEWPARAM(other, other), offered.lparam());

    for (const auto& [command, className, client96] :
         {std::tuple{ids::ToolButton18, "TLebelDlg", SIZE{212, 107}}, {ids::ToolButton14, "TJogaiDlg", {377, 286}}}) {
        SCOPED_TRACE(className);
        app_->PostCommand(command);
        const HWND dialog = app_->WaitForWindow(className);
        RECT client{};
        GetClientRect(dialog, &client);
        EXPECT_NEAR(client.right, MulDiv(client96.cx, other, 96), 1);
        EXPECT_NEAR(client.bottom, MulDiv(client96.cy, other, 96), 1);
        for (int id : {IDOK, IDCANCEL}) {
            const HWND button = FindChild(dialog, id);
            EXPECT_TRUE(InsideClient(button, dialog)) << id;
            EXPECT_NEAR(OuterSize(button).cx, MulDiv(75, other, 96), 2) << id;
            EXPECT_NEAR(OuterSize(button).cy, MulDiv(25, other, 96), 2) << id;
        }
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindowVisible(dialog) || !IsWindow(dialog); }, 5000, "the dialog to close");
    }
}

// Another process's window prints nothing under Wine and is copied from the
// screen: either way its picture is taken at the window's real size, so its
// colour reaches the right and bottom edges of the thumbnail, with no band a
// wrongly scaled size would leave. Parked in "Open Only", its marks (a clock
// and a parking sign) are whole glyphs, 16 pixels at 100 % and 32 at 150 %,
// not their top-left quarter.
TEST_P(DisplayScaleTest, AnotherProcessIsPicturedToItsEdgesAndItsMarksAreWholeGlyphs) {
    TestWindows helper = TestWindows::StartExe();
    constexpr uint32_t kColour = 0x40A060;
    HWND window = nullptr;
    // 5 : 4, the thumbnail's own shape, so the picture fills the whole frame.
    const int item = ListBelowTheMainWindow(helper, "Scale other process", 250, 200, kColour, &window);
    const ThumbnailProbe probe(*app_);
    ASSERT_TRUE(probe.WaitForColour(item, kColour, 0.5, 5000)) << "the window's picture";
    const PixelCapture icon = probe.Icon(item);
    const auto frame = ThumbnailProbe::FindFrame(icon);
    ASSERT_TRUE(frame);
    const RECT picture{frame->left + 2, frame->top + 2, frame->right - 2, frame->bottom - 2};
    const RECT seen = BoxOf(icon, picture, kColour);
    // Within the window's own frame, a few pixels at this scale.
    EXPECT_GE(seen.right, picture.right - 8) << "a band on the right";
    EXPECT_GE(seen.bottom, picture.bottom - 8) << "a band at the bottom";

    app_->ClickCheckBox(ids::CheckBox1);
    helper.Minimise(window);
    WaitFor([&] { return IsParked(window); }, 5000, "the window to be parked");
    const int side = GetParam() == 144 ? 32 : 16;
    constexpr uint32_t kParkingNavy = 0x6A240A;  // the sign's outline
    RECT sign{}, clock{};
    const bool whole = WaitUntil(
        [&] {
            return Settled([&] {
                const PixelCapture marked = probe.Icon(item);
                const auto box = ThumbnailProbe::FindFrame(marked);
                if (!box) return false;
                // The strip below the picture, on the right, where the marks sit.
                const RECT strip{box->right - 3 * side, box->bottom - 2 - side, box->right - 1, box->bottom - 1};
                sign = BoxOf(marked, strip, kParkingNavy);
                clock = BoxOf(marked, {strip.left, strip.top, sign.left, strip.bottom}, 0x000000);
                return sign.right - sign.left == side && sign.bottom - sign.top == side;
            });
        },
        5000);
    EXPECT_TRUE(whole) << "the parking sign is " << sign.right - sign.left << " x " << sign.bottom - sign.top;
    // The clock's black outline leaves a one-pixel ring of the glyph's cell.
    EXPECT_EQ(clock.right - clock.left, side * 14 / 16);
}

// The program's icon in the thumbnail's bottom-left corner, at the glyphs'
// size, with its light border: what the window's class holds.
TEST_P(DisplayScaleTest, TheWindowsIconSitsInTheThumbnailsCornerAtTheGlyphsSize) {
    // A window of Vistrel's process: Wine reads no other process's class icon.
    TestWindows inside = app_->InjectTestWindows();
    RECT main{};
    GetWindowRect(app_->MainWindow(), &main);
    inside.Create(Plan(Kind::Frame, "Scale icon", main.left, main.bottom + 8, 250, 200, 0x40A060)
                      .OfClass(protocol::kIconClass)
                      .Quiet());
    app_->Command(ids::ToolButton1);
    const ThumbnailProbe probe(*app_);
    const int item = probe.WaitForItem("Scale icon");
    const int side = GetParam() == 144 ? 32 : 16;
    RECT seen{};
    const bool whole = WaitUntil(
        [&] {
            return Settled([&] {
                const PixelCapture shot = probe.Icon(item);
                const auto box = ThumbnailProbe::FindFrame(shot);
                if (!box) return false;
                const RECT corner{box->left, box->bottom - 3 * side, box->left + 3 * side, box->bottom};
                seen = BoxOf(shot, corner, protocol::kIconColour);
                return seen.right - seen.left == side && seen.bottom - seen.top == side &&
                       seen.left - box->left <= 5 && box->bottom - seen.bottom <= 3;
            });
        },
        5000);
    EXPECT_TRUE(whole) << "the icon is " << seen.right - seen.left << " x " << seen.bottom - seen.top << " at "
                       << seen.left << "," << seen.top;
    inside.CloseAll();
}

INSTANTIATE_TEST_SUITE_P(Dpi, DisplayScaleTest, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& info) { return "At" + std::to_string(info.param); });

}  // namespace
}  // namespace vistrel::e2e
