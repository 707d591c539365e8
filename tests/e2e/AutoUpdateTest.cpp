// Automatic update ("Auto"): every timer period a pass recaptures the windows
// marked for it, open ones every pass and minimised ones every sixth. Print
// requests are counted by the helper's windows inside Vistrel's process,
// where PrintWindow reaches them under Wine.
#include <gtest/gtest.h>

#include <optional>

#include "ThumbnailProbe.h"

namespace vistrel::e2e {
namespace {

constexpr uint32_t kIntervalMs = 300;
constexpr int kParkingOffset = 20000;

class AutoUpdateTest : public InjectedVistrelTest {
protected:
    void SetUp() override {
        VistrelOptions options;
        options.settingsKey = VistrelOptions::Key::Present;
        options.tims = kIntervalMs;
        StartWith(options);
    }
    void TearDown() override {
        InjectedVistrelTest::TearDown();
        VistrelSettings::Remove();
    }
};

TEST_F(AutoUpdateTest, OpenWindowsEveryPassMinimisedOnesEverySixth) {
    HWND open = guest_->Create(TestFrame("Auto open", kBesideVistrelX, 80, 300, 200, 0x3050D0));
    HWND minimised = guest_->Create(TestFrame("Auto minimised", kBesideVistrelX + 40, 400, 300, 200, 0x40B040));
    probe_->WaitForItem("Auto open");
    probe_->WaitForItem("Auto minimised");
    guest_->Minimise(minimised);
    // A fresh list takes the minimised state from the windows themselves.
    app_->Command(ids::ToolButton1);
    guest_->ResetCounts(open);
    guest_->ResetCounts(minimised);

    // Without "Auto" no pass starts, although the timer runs: several timer
    // periods and change ticks go by without a capture.
    Sleep(5 * kIntervalMs);
    EXPECT_EQ(guest_->PrintCount(open), 0u);
    EXPECT_EQ(guest_->PrintCount(minimised), 0u);

    app_->ClickCheckBox(ids::AutoChkBox);
    ASSERT_TRUE(app_->IsChecked(ids::AutoChkBox));
    const ULONGLONG start = GetTickCount64();
    Sleep(15 * kIntervalMs);  // the measuring period: about 15 passes
    app_->ClickCheckBox(ids::AutoChkBox);
    const uint64_t elapsed = Elapsed(start);
    const unsigned openPrints = guest_->PrintCount(open);
    const unsigned minimisedPrints = guest_->PrintCount(minimised);
    Report("auto_period_ms", elapsed);
    Report("auto_prints_open", openPrints);
    Report("auto_prints_minimised", minimisedPrints);

    EXPECT_GE(openPrints, 6u) << "an open window is pictured on every pass";
    EXPECT_GE(minimisedPrints, 1u) << "a minimised window is pictured on every sixth pass";
    EXPECT_GE(openPrints, 3 * minimisedPrints) << "a minimised window is pictured much less often";

    // Switched off, passes stop (one running may still finish its round).
    Sleep(2 * kIntervalMs);
    const unsigned settled = guest_->PrintCount(open);
    Sleep(5 * kIntervalMs);
    EXPECT_EQ(guest_->PrintCount(open), settled);
}

// The pictures follow the windows by themselves, also a window parked in
// "Open Only" mode, which is out of sight and yet not minimised.
TEST_F(AutoUpdateTest, PicturesFollowTheirWindowsParkedOrNot) {
    const int x = kBesideVistrelX, y = 120;
    HWND window = guest_->Create(TestFrame("Auto colours", x, y, 320, 240, 0x3050D0));
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

}  // namespace
}  // namespace vistrel::e2e
