// The CPU usage label of the main window: "100%" as designed until the first
// sample, then the measured usage in the colour of its level. Under Wine the
// processor time counter reads a fixed low figure, whatever the load.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include "PixelCapture.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

class CpuUsageTest : public VistrelTest {};

// "n%" with n in 0..100; none for anything else.
std::optional<int> ShownPercent(const std::string& text) {
    if (text.size() < 2 || text.size() > 4 || text.back() != '%' ||
        text.find_first_not_of("0123456789") != text.size() - 1)
        return std::nullopt;
    const int value = std::stoi(text);
    return value <= 100 ? std::optional<int>(value) : std::nullopt;
}

// The level colours as a user sees them: pale blue, yellow green, light
// orange, light red.
uint32_t LevelColour(int percent) {
    if (percent < 25) return 0xFFF3DD;
    if (percent < 50) return 0x0FF0DF;
    if (percent < 75) return 0x81D9FE;
    return 0xB3CBFF;
}

bool HighColourDisplay() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return bits > 10;
}

// Whether most of the label's pixels on screen have the colour; its text
// covers only a few.
bool LabelShows(HWND label, uint32_t colour) {
    const PixelCapture pixels = PixelCapture::FromScreen(label, true);
    return pixels.Count(colour, 8) > pixels.width() * pixels.height() / 2;
}

TEST_F(CpuUsageTest, LabelReadsFullUntilTheFirstSampleThenTheUsageInItsLevelColour) {
    // The label's text from the moment it exists: the first sample comes a
    // second after the main window's creation has ended, long after the
    // label was made, so this sees the caption it was made with.
    std::string first;
    std::atomic<bool> watching{true};
    std::thread watcher([&] {
        WaitUntil(
            [&] {
                if (!watching) return true;
                const HWND main = FindWindowA(kMainWindowClass, nullptr);
                const HWND label = main ? FindChild(main, ids::Label2) : nullptr;
                if (label) first = WindowText(label);
                return !first.empty();
            },
            30000);
    });
    std::optional<VistrelProcess> app;
    try {
        app.emplace(VistrelProcess::Start());
    } catch (...) {
        watching = false;
        watcher.join();
        throw;
    }
    watcher.join();  // the main window is there: the watcher finds its label at once
    EXPECT_EQ(first, "100%");

    const HWND label = app->Control(ids::Label2);
    const bool highColour = HighColourDisplay();
    std::string shown;
    WaitFor(
        [&] {
            shown = WindowText(label);
            const std::optional<int> percent = ShownPercent(shown);
            if (!percent) return false;
            // On a palette display the label stays yellow; the caption alone
            // tells then, unless the first sample reads full.
            if (!highColour) return shown != "100%";
            return LabelShows(label, LevelColour(*percent));
        },
        15000, "a measured CPU usage in the label");
    EXPECT_EQ(app->Close(), 0u);
}

}  // namespace
}  // namespace vistrel::e2e
