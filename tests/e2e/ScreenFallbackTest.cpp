// Windows that print nothing are pictured from the screen: under Wine every
// window of another process is one of them. The thumbnail shows the window's
// own colours, and of a window partly covered by another, never a pixel of
// the one above it.
#include <gtest/gtest.h>

#include "ThumbnailProbe.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr uint32_t kBlue = 0xC06020;
constexpr uint32_t kGreen = 0x40B040;

class ScreenFallbackTest : public VistrelTest {
protected:
    void TearDown() override { VistrelSettings::Remove(); }
};

TEST_F(ScreenFallbackTest, AnotherProgramsWindowShowsItsOwnColours) {
    TestWindows helper = TestWindows::StartExe(
        {Plan(Kind::Frame, "Fallback alone", kBesideVistrelX, 80, 320, 240, kBlue).Quiet()});
    VistrelProcess app = VistrelProcess::Start();
    const ThumbnailProbe probe(app);
    int seen = 0;
    EXPECT_TRUE(probe.WaitForColour(probe.WaitForItem("Fallback alone"), kBlue, 0.5, 5000, &seen))
        << seen << " pixels of the window's colour";
}

TEST_F(ScreenFallbackTest, ACoveredPartNeverShowsTheWindowAbove) {
    // The green window, made last, lies over the left half of the blue one.
    TestWindows helper = TestWindows::StartExe(
        {Plan(Kind::Frame, "Fallback below", kBesideVistrelX + 40, 100, 400, 300, kBlue).Quiet(),
         Plan(Kind::Frame, "Fallback above", kBesideVistrelX + 40, 100, 200, 300, kGreen).Quiet()});
    VistrelProcess app = VistrelProcess::Start();
    const ThumbnailProbe probe(app);
    const int above = probe.WaitForItem("Fallback above");
    EXPECT_TRUE(probe.WaitForColour(above, kGreen, 0.25, 5000)) << "a tall window fills half the width";
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first list" : "after a refresh");
        const int below = probe.WaitForItem("Fallback below");
        EXPECT_TRUE(probe.WaitForColour(below, kBlue, 0.25, 5000)) << "the uncovered half";
        EXPECT_EQ(probe.CountInPicture(below, kGreen), 0);
        app.Command(ids::ToolButton1);
    }
}

// A parked window has nothing on the screen: its thumbnail keeps the last
// picture it had, through every automatic pass, and is not emptied.
TEST_F(ScreenFallbackTest, AParkedWindowKeepsItsLastPicture) {
    constexpr int kX = kBesideVistrelX, kY = 120;
    TestWindows helper =
        TestWindows::StartExe({Plan(Kind::Frame, "Fallback parked", kX, kY, 320, 240, kBlue).Quiet()});
    VistrelOptions options;
    options.settingsKey = VistrelOptions::Key::Present;
    options.tims = 200;
    VistrelProcess app = VistrelProcess::Start(options);
    const ThumbnailProbe probe(app);
    ASSERT_TRUE(probe.WaitForColour(probe.WaitForItem("Fallback parked"), kBlue, 0.4, 5000));

    app.ClickCheckBox(ids::CheckBox1);
    const HWND window = helper.Windows().front();
    helper.Minimise(window);
    WaitFor([&] { return helper.State(window).rect.left >= 20000; }, 5000, "the window to be parked");
    // Passes go on meanwhile; a window of Vistrel's own process counts them.
    TestWindows guest = app.InjectTestWindows();
    const HWND witness =
        guest.Create(Plan(Kind::Frame, "Fallback witness", kX, 560, 200, 120, kGreen).Quiet());
    probe.WaitForItem("Fallback witness");
    app.ClickCheckBox(ids::AutoChkBox);
    WaitFor([&] { return guest.PrintCount(witness) >= 4; }, 10000, "automatic passes");
    int seen = 0;
    EXPECT_TRUE(probe.WaitForColour(probe.WaitForItem("Fallback parked"), kBlue, 0.3, 2000, &seen))
        << seen << " pixels of its last picture left";
    app.ClickCheckBox(ids::AutoChkBox);
}

}  // namespace
}  // namespace vistrel::e2e
