// The program's track bar on a real msctls_trackbar32: the bar style switches
// the selection box of the live control on and off.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "HostWindow.h"
#include "controls/NewTrackBar.h"
#include "toolkit/Bitmap.h"

namespace vistrel {
namespace {

bool SelectionBox(const TNewTrackBar& bar) {
    return (GetWindowLongA(bar.Handle(), GWL_STYLE) & TBS_ENABLESELRANGE) != 0;
}

// The control as it paints itself, row by row.
std::vector<COLORREF> Picture(const TNewTrackBar& bar) {
    tk::Bitmap picture(bar.Width(), bar.Height(), tk::PixelFormat::Bgr24);
    SendMessageA(bar.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) pixels.push_back(picture.PixelAt(x, y));
    return pixels;
}

class NewTrackBarWin : public test::HostedControlTest {};

TEST_F(NewTrackBarWin, TheBarStyleSwitchesTheSelectionBoxOfTheLiveControl) {
    TNewTrackBar bar;
    bar.Create(&host, 1, {10, 10, 184, 40});
    ASSERT_NE(nullptr, bar.Handle());
    EXPECT_EQ(bar.BarStyle(), styBox);
    EXPECT_TRUE(SelectionBox(bar)) << "created with the box";
    // As the level dialog loads: its selection is set while the box is on
    // (Wine's control ignores a selection set without it), then the line.
    bar.SetMin(30);
    bar.SetMax(255);
    bar.SetSelStart(30);
    bar.SetSelEnd(255);

    const std::vector<COLORREF> box = Picture(bar);
    const struct {
        TBarStyle set;
        bool box;
    } steps[] = {{styLine, false}, {styLine, false}, {styBox, true}, {styLine, false}};
    for (const auto& s : steps) {
        bar.SetBarStyle(s.set);
        EXPECT_EQ(SelectionBox(bar), s.box) << s.set;
        EXPECT_TRUE(GetWindowLongA(bar.Handle(), GWL_STYLE) & TBS_FIXEDLENGTH) << "other styles stay";
        EXPECT_EQ(bar.SelStart(), 30);
        EXPECT_EQ(bar.SelEnd(), 255);
        EXPECT_EQ(Picture(bar) == box, s.box) << "the channel is drawn anew";
    }
}

TEST_F(NewTrackBarWin, AStyleChosenBeforeCreationIsAppliedToTheNewWindow) {
    TNewTrackBar bar;
    bar.SetBarStyle(styLine);
    bar.Create(&host, 2, {10, 50, 184, 80});
    EXPECT_FALSE(SelectionBox(bar));
}

}  // namespace
}  // namespace vistrel
