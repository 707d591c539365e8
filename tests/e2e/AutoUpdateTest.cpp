// Automatic update ("Auto"): every timer period a pass recaptures the windows
// marked for it, open ones every pass and minimised ones every sixth. Print
// requests are counted by the helper's windows inside Vistrel's process,
// where PrintWindow reaches them under Wine. How many passes a second run is
// a figure of bench_auto_update, not a matter for these tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr uint32_t kIntervalMs = 300;
constexpr int kParkingOffset = 20000;
constexpr int kPassesTimeoutMs = 30000;
constexpr int kTickTimeoutMs = 10000;  // twenty ticks' time

class AutoUpdateTest : public InjectedVistrelTest {
protected:
    VistrelOptions Options() const override {
        VistrelOptions options;
        options.settingsKey = VistrelOptions::Key::Present;
        options.tims = kIntervalMs;
        return options;
    }
    void TearDown() override {
        InjectedVistrelTest::TearDown();
        VistrelSettings::Remove();
    }

    // Lets `ticks` change ticks go by, each one proven by the list taking up
    // the witness's new title. The windows of a test that must show that
    // nothing happens are measured in these, not in milliseconds.
    void LetTicksPass(HWND witness, int ticks) {
        for (int i = 0; i < ticks; ++i) {
            const std::string title = "Auto witness " + std::to_string(++renames_);
            guest_->Rename(witness, title);
            probe_->WaitForItem(title, kTickTimeoutMs);
        }
    }

private:
    int renames_ = 0;
};

TEST_F(AutoUpdateTest, OpenWindowsEveryPassMinimisedOnesEverySixth) {
    HWND open = guest_->Create(Plan(Kind::Frame, "Auto open", kBesideVistrelX, 80, 300, 200, 0x3050D0).Quiet());
    HWND minimised =
        guest_->Create(Plan(Kind::Frame, "Auto minimised", kBesideVistrelX + 40, 400, 300, 200, 0x40B040).Quiet());
    HWND witness =
        guest_->Create(Plan(Kind::Frame, "Auto witness", kBesideVistrelX + 80, 240, 200, 150, 0xC06020).Quiet());
    probe_->WaitForItem("Auto open");
    probe_->WaitForItem("Auto minimised");
    probe_->WaitForItem("Auto witness");
    guest_->Minimise(minimised);
    // A fresh list takes the minimised state from the windows themselves.
    app_->Command(ids::ToolButton1);
    guest_->ResetCounts(open);
    guest_->ResetCounts(minimised);

    // Without "Auto" no pass starts: three change ticks, a second and a half
    // and so five timer periods, go by without a capture. (A rename pictures
    // only the window renamed.)
    LetTicksPass(witness, 3);
    EXPECT_EQ(guest_->PrintCount(open), 0u);
    EXPECT_EQ(guest_->PrintCount(minimised), 0u);

    // With it, twelve passes picture the open window twelve times and the
    // minimised one twice; a pass that starts while the counts are read may
    // add one to either.
    app_->ClickCheckBox(ids::AutoChkBox);
    ASSERT_TRUE(app_->IsChecked(ids::AutoChkBox));
    guest_->WaitForPrints(open, 12, kPassesTimeoutMs);
    app_->ClickCheckBox(ids::AutoChkBox);
    const unsigned openPrints = guest_->PrintCount(open);
    const unsigned minimisedPrints = guest_->PrintCount(minimised);
    EXPECT_GE(minimisedPrints, 1u) << "a minimised window is pictured on every sixth pass";
    EXPECT_LE(minimisedPrints, openPrints / 6 + 2) << "a minimised window is pictured on every sixth pass only";

    // Switched off, passes stop: after three change ticks, at most the pass
    // that was running has finished its round.
    LetTicksPass(witness, 3);
    EXPECT_LE(guest_->PrintCount(open), openPrints + 1);
    EXPECT_LE(guest_->PrintCount(minimised), minimisedPrints + 1);
}

// The pictures follow the windows by themselves, also a window parked in
// "Open Only" mode, which is out of sight and yet not minimised.
TEST_F(AutoUpdateTest, PicturesFollowTheirWindowsParkedOrNot) {
    const int x = kBesideVistrelX, y = 120;
    HWND window = guest_->Create(Plan(Kind::Frame, "Auto colours", x, y, 320, 240, 0x3050D0).Quiet());
    probe_->WaitForItem("Auto colours");
    app_->ClickCheckBox(ids::AutoChkBox);

    const uint32_t green = 0x40B040, blue = 0xC06020;
    guest_->SetColour(window, green);
    int seen = 0;
    EXPECT_TRUE(probe_->WaitForColour(probe_->WaitForItem("Auto colours"), green, 0.6, 5000, &seen))
        << seen << " pixels in the new colour";

    app_->ClickCheckBox(ids::CheckBox1);
    guest_->Minimise(window);
    WaitFor(
        [&] {
            const TestWindowState s = guest_->State(window);
            return !s.iconic && s.rect.left == x + kParkingOffset && s.rect.top == y + kParkingOffset;
        },
        5000, "the window to be parked");
    guest_->SetColour(window, blue);
    // The bottom strip holds the state marks in this mode, so the picture
    // covers less of the frame.
    EXPECT_TRUE(probe_->WaitForColour(probe_->WaitForItem("Auto colours"), blue, 0.5, 5000, &seen))
        << seen << " pixels in the parked window's new colour";
    EXPECT_EQ(probe_->CountInPicture(probe_->WaitForItem("Auto colours"), green), 0);
}

TEST_F(AutoUpdateTest, OnlyThumbnailsInViewArePicturedAndOneScrolledIntoViewAtTheNextPass) {
    std::vector<HWND> windows;
    for (int n = 0; n < 16; ++n) {
        const std::string title = "Auto view " + std::string(n < 10 ? "0" : "") + std::to_string(n);
        windows.push_back(
            guest_->Create(Plan(Kind::Frame, title, kBesideVistrelX + 8 * n, 60 + 8 * n, 300, 200, 0x3050D0).Quiet()));
        probe_->WaitForItem(title);
    }
    const HWND first = windows.front();
    const HWND last = windows.back();
    const HWND list = app_->Control(ids::ListView1);
    ASSERT_GT(app_->List().Bounds(app_->List().Find("Auto view 15")).top, 500) << "the last one is out of view";
    guest_->ResetCounts(first);
    guest_->ResetCounts(last);
    app_->ClickCheckBox(ids::AutoChkBox);
    guest_->WaitForPrints(first, 4, kPassesTimeoutMs);
    EXPECT_EQ(guest_->PrintCount(last), 0u) << "four passes went by without the one out of view";

    // Scrolled into view, it is pictured by the passes from then on.
    SendBounded(list, LVM_ENSUREVISIBLE, app_->List().Find("Auto view 15"), FALSE);
    guest_->WaitForPrints(last, 2, kPassesTimeoutMs);
    app_->ClickCheckBox(ids::AutoChkBox);
}

}  // namespace
}  // namespace vistrel::e2e
