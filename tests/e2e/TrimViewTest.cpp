// The clipping list window on the real program: every region of every
// clipped window as a live cell, the main window hidden meanwhile; pause,
// interval and close give the main window back as it was; cells move by
// drag, leave by delete until the next opening, and bring their window to
// the front by double-click.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ClipText.h"
#include "RemoteControls.h"
#include "VistrelSuites.h"
#include "clipping/TrimViewIds.h"

namespace vistrel::e2e {
namespace {

constexpr int kWidth = 400, kHeight = 300;
constexpr uint32_t kColourA = 0x3050D0, kColourB = 0x20A040;
constexpr int kInterval = 700;
// Zoom 50 on the default thumbnails (ExpectedThumbnail(30)): three columns fit.
constexpr int kZoom = 50;
constexpr uint32_t kEmptyCellGrey = 0x808080;
constexpr uint32_t kWhite = 0xFFFFFF;

class TrimViewTest : public InjectedVistrelTest {
protected:
    VistrelOptions Options() const override {
        VistrelOptions options;
        options.settingsKey = VistrelOptions::Key::Present;
        options.tims = kInterval;
        const std::string trim = TwoRegions(kWidth, kHeight);
        options.trmIni = "[Trim A]\r\ntrim=" + trim + "\r\n[Trim B]\r\ntrim=" + trim + "\r\n";
        return options;
    }

    // Two windows of two regions each, imported, with "Auto" on: four cells.
    // B covers the foot of A, below its regions: A is never whole on the
    // screen, so it is always asked to print itself.
    void SetUpWindows(TestWindows* makerOfA = nullptr) {
        windowA_ = (makerOfA ? *makerOfA : *guest_)
                       .Create(Plan(Kind::Frame, "Trim A", kBesideVistrelX, 80, kWidth, kHeight, kColourA).Quiet());
        windowB_ = guest_->Create(Plan(Kind::Frame, "Trim B", kBesideVistrelX, 370, kWidth, kHeight, kColourB).Quiet());
        for (const char* title : {"Trim A", "Trim B"}) {
            app_->List().SelectOnly(probe_->WaitForItem(title));
            app_->Command(ids::TrmInpotMenu);
        }
        app_->List().Select(-1, false);
        app_->ClickCheckBox(ids::AutoChkBox);
    }

    HWND OpenList() {
        app_->PostCommand(ids::TrimingOnMenu);
        dialog_ = app_->WaitForWindow("TTrimViewDlg");
        grid_ = FindChild(dialog_, ids::TrimViewGrid);
        SetBar(ids::TrimViewSizeSetTrackBar, kZoom);
        return dialog_;
    }

    // A track bar of the list window moved as by the user's keys.
    void SetBar(int id, int position) const {
        const HWND bar = FindChild(dialog_, id);
        SendBounded(bar, TBM_SETPOS, TRUE, position);
        SendBounded(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(bar));
    }

    SIZE Cell() const {
        const SIZE thumbnail = ExpectedThumbnail(30);
        return {thumbnail.cx * kZoom / 100, thumbnail.cy * kZoom / 100};
    }
    POINT CellCentre(int index) const {
        const SIZE cell = Cell();
        return {(index % 3) * cell.cx + cell.cx / 2, (index / 3) * cell.cy + cell.cy / 2};
    }

    // Share of cell `index` (three columns) in about this colour.
    double CellShare(int index, uint32_t colour) const {
        const PixelCapture grid = PixelCapture::FromScreen(grid_, true);
        const SIZE cell = Cell();
        const int left = (index % 3) * cell.cx, top = (index / 3) * cell.cy;
        int count = 0;
        for (int y = top + 2; y < top + cell.cy - 2; ++y)
            for (int x = left + 2; x < left + cell.cx - 2; ++x) {
                const uint32_t pixel = grid.At(x, y);
                auto within = [](uint32_t a, uint32_t b, int shift) {
                    const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
                    return d >= -12 && d <= 12;
                };
                if (within(pixel, colour, 0) && within(pixel, colour, 8) && within(pixel, colour, 16)) ++count;
            }
        return double(count) / (double(cell.cx - 4) * (cell.cy - 4));
    }

    // Waits until the cells show these colours, in order, each over a good
    // part of its cell. The current cell is tinted: a press past the last
    // region first leaves none highlighted.
    bool CellsShow(const std::vector<uint32_t>& colours, double share = 0.2) const {
        ClickCell(5);
        return WaitUntil(
            [&] {
                for (size_t i = 0; i < colours.size(); ++i) {
                    // Grey and blank cells are all of their colour.
                    const bool plain = colours[i] == kEmptyCellGrey || colours[i] == kWhite;
                    if (CellShare(int(i), colours[i]) < (plain ? 0.9 : share)) return false;
                }
                return true;
            },
            8000);
    }

    void ClickCell(int index, bool twice = false) const {
        const POINT at = CellCentre(index);
        const LPARAM point = MAKELPARAM(at.x, at.y);
        SendBounded(grid_, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendBounded(grid_, WM_LBUTTONUP, 0, point);
        if (!twice) return;
        SendBounded(grid_, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        SendBounded(grid_, WM_LBUTTONUP, 0, point);
    }

    // A drag of the picture at `from` onto the cell of `to`.
    void DragCell(int from, int to) const {
        const POINT start = CellCentre(from), end = CellCentre(to);
        SendBounded(grid_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
        SendBounded(grid_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(start.x + 30, start.y + 30));
        SendBounded(grid_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
        SendBounded(grid_, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
    }

    void CloseList() {
        ClickButton(FindChild(dialog_, ids::TrimViewButton1));
        WaitFor([&] { return !IsWindow(dialog_) || !IsWindowVisible(dialog_); }, 5000, "the list window to close");
    }

    const uint32_t inverseA_ = protocol::InverseColour(kColourA);
    const uint32_t inverseB_ = protocol::InverseColour(kColourB);
    HWND windowA_ = nullptr, windowB_ = nullptr;
    HWND dialog_ = nullptr, grid_ = nullptr;
};

TEST_F(TrimViewTest, EveryRegionIsALiveCellAndClosingGivesTheMainWindowBack) {
    SetUpWindows();
    OpenList();
    EXPECT_FALSE(IsWindowVisible(app_->MainWindow()));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(dialog_, GWL_EXSTYLE)) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
              DWORD{WS_EX_TOPMOST | WS_EX_TOOLWINDOW});
    EXPECT_TRUE(CellsShow({kColourA, inverseA_, kColourB, inverseB_, kEmptyCellGrey})) << "four regions, then grey";
    // Live: a window's new colour reaches its cell.
    guest_->SetColour(windowB_, 0x10C0C0);
    EXPECT_TRUE(CellsShow({kColourA, inverseA_, 0x10C0C0}));

    SetBar(ids::TrimViewNewTrackBar1, 500);
    EXPECT_EQ(WindowText(FindChild(dialog_, ids::TrimViewLabel4)), "500ms");
    ClickButton(FindChild(dialog_, ids::TrimViewStopSpBtn));
    EXPECT_FALSE(app_->IsChecked(ids::AutoChkBox)) << "paused: no capture passes";

    CloseList();
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(app_->MainWindow()) != 0; }, 5000));
    EXPECT_TRUE(app_->IsChecked(ids::AutoChkBox)) << "closing while paused turns Auto back on";
    guest_.reset();
    EXPECT_EQ(app_->Close(), 0u);
    EXPECT_EQ(VistrelSettings::Read("tims"), uint32_t(kInterval)) << "the interval before the list window";
}

TEST_F(TrimViewTest, CellsMoveByDragLeaveByDeleteAndActivateTheirWindow) {
    SetUpWindows();
    OpenList();
    ASSERT_TRUE(CellsShow({kColourA, inverseA_, kColourB, inverseB_}));

    // The first picture dragged onto the fourth: last of the four.
    DragCell(0, 3);
    EXPECT_TRUE(CellsShow({inverseA_, kColourB, inverseB_, kColourA}));

    // B's first region leaves the view; the later pictures move down.
    ClickCell(1);
    SendCommand(dialog_, ids::TrimViewDeleteMenu);
    EXPECT_TRUE(CellsShow({inverseA_, inverseB_, kColourA}));

    ClickCell(2, true);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windowA_; }, 5000));

    // Deleting hid the region only until the window closed.
    CloseList();
    OpenList();
    EXPECT_TRUE(CellsShow({kColourA, inverseA_, kColourB, inverseB_}));
    CloseList();
}

// A window that does not answer still takes its places in each pass: blank
// ones while the list fills, its last pictures afterwards. It hangs in a
// program of its own (Vistrel reads its own process's titles by message);
// its pictures come from the screen, which shows its regions.
TEST_F(TrimViewTest, AWindowThatDoesNotAnswerLeavesTheNextWindowItsOwnCells) {
    TestWindows other = TestWindows::StartExe();
    SetUpWindows(&other);
    auto hang = [&] {
        other.Hang(windowA_, 60000);
        other.WaitForState(windowA_, [](const TestWindowState& s) { return s.hanging; }, 5000, "the hang");
    };
    hang();
    OpenList();
    EXPECT_TRUE(CellsShow({kWhite, kWhite, kColourB, inverseB_})) << "filled while A hangs";
    other.Wake(windowA_);
    EXPECT_TRUE(CellsShow({kColourA, inverseA_, kColourB, inverseB_}));
    hang();
    guest_->SetColour(windowB_, 0x10C0C0);
    EXPECT_TRUE(CellsShow({kColourA, inverseA_, 0x10C0C0, protocol::InverseColour(0x10C0C0)})) << "while A hangs";
    other.Wake(windowA_);
}

// The main list built anew under arranged and thinned cells (a window left,
// one renamed to sort last): each cell keeps its place, picture and window,
// and the main thumbnails stay thumbnails.
TEST_F(TrimViewTest, ARebuildKeepsCellsOnTheirWindowsAndThumbnailsWhole) {
    SetUpWindows();
    const HWND other = guest_->Create(Plan(Kind::Frame, "Trim C", kBesideVistrelX, 760, 200, 100, 0x909090).Quiet());
    probe_->WaitForItem("Trim C");
    OpenList();
    ASSERT_TRUE(CellsShow({kColourA, inverseA_, kColourB, inverseB_}));
    DragCell(0, 3);
    ClickCell(1);
    SendCommand(dialog_, ids::TrimViewDeleteMenu);
    guest_->Rename(windowA_, "Trim Z");
    guest_->Close(other);
    // The list window is listed too, and last: with it the list is complete.
    WaitForList(*app_, [](const std::vector<std::string>& titles) {
        return !Contains(titles, "Trim C") && ContainsAll(titles, {"Trim Z", "Trim B", "クリッピングの一覧"});
    }, "the list built anew");
    EXPECT_TRUE(CellsShow({inverseA_, inverseB_, kColourA}));
    ClickCell(1, true);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windowB_; }, 5000));

    CloseList();
    for (const auto& [title, colour] : {std::pair{"Trim Z", kColourA}, std::pair{"Trim B", kColourB}}) {
        std::optional<PixelCapture> icon;  // the first picture shown
        const auto pictured = [&] {
            icon.emplace(probe_->Icon(app_->List().Find(title)));
            return icon->Count(colour) + icon->Count(protocol::InverseColour(colour)) > 0;
        };
        WaitFor([&] { return Settled(pictured); }, 5000, title);
        EXPECT_GT(icon->Count(colour), 0.6 * icon->width() * icon->height()) << title;
    }
}

// With the passes stopped, only they could picture anything: after a cell
// was deleted, and once a window has left and the rows are made anew, each
// cell still shows its own window's region, and a window renamed meanwhile
// does not reach the cells.
TEST_F(TrimViewTest, StoppedCellsKeepShowingTheirOwnWindowsWhenTheRowsAreMadeAnew) {
    SetUpWindows();
    OpenList();
    ASSERT_TRUE(CellsShow({kColourA, inverseA_, kColourB, inverseB_}));
    ClickButton(FindChild(dialog_, ids::TrimViewStopSpBtn));
    ClickCell(1);
    SendCommand(dialog_, ids::TrimViewDeleteMenu);
    EXPECT_TRUE(CellsShow({kColourA, kColourB, inverseB_}));
    guest_->SetColour(windowB_, 0x10C0C0);
    guest_->Rename(windowB_, "Trim B renamed");
    WaitForList(*app_, [](const std::vector<std::string>& titles) { return Contains(titles, "Trim B renamed"); },
                "the new title");
    guest_->Close(windowA_);
    WaitForList(*app_, [](const std::vector<std::string>& titles) { return !Contains(titles, "Trim A"); },
                "the list without A");
    EXPECT_TRUE(CellsShow({kColourB, inverseB_, kEmptyCellGrey})) << "B's pictures from the last pass";
    ClickCell(0, true);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windowB_; }, 5000));
    CloseList();
}

// A close of the program while the list window is open (the user's, or the
// end of the session) ends both; the interval the list window lent the
// capture timer is not what is stored.
TEST_F(TrimViewTest, ClosingTheProgramEndsTheListWindowFirst) {
    SetUpWindows();
    OpenList();
    SetBar(ids::TrimViewNewTrackBar1, 500);
    guest_.reset();
    PostMessageA(app_->MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app_->WaitForExit(20000), 0u);
    EXPECT_EQ(VistrelSettings::Read("tims"), uint32_t(kInterval));
}

}  // namespace
}  // namespace vistrel::e2e
