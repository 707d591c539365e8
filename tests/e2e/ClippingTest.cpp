// Clipping through trm.ini: a stored set is imported for a window of the
// same title, its thumbnail shows the region (at once when "自動でクリッピング表示"
// is off), the switch and the choice move between regions, export writes
// the set back, and an unwritable trm.ini ends the export in the error box.
#include <gtest/gtest.h>

#include <string>

#include "ThumbnailProbe.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr uint32_t kColour = 0x3050D0;
constexpr int kWidth = 400, kHeight = 300;

// Little-endian hex of four int32 values, as one slot of the "trim" text.
std::string Slot(int x, int y, int width, int height) {
    std::string text;
    char byte[3];
    for (int value : {x, y, width, height})
        for (int shift = 0; shift < 32; shift += 8) {
            std::snprintf(byte, sizeof byte, "%02X", (static_cast<unsigned>(value) >> shift) & 0xFF);
            text += byte;
        }
    return text;
}

// Region 0: the window's own colour at its right; region 1: the block of
// the inverse colour every test window shows in the upper left of its middle.
const std::string kTrim = Slot(kWidth - 80, kHeight - 80, 60, 60) +
                          Slot(kWidth / 4 + 10, kHeight / 4 + 10, 60, 40) + std::string(8 * 32, '0');

class ClippingTest : public InjectedVistrelTest {
protected:
    VistrelOptions Options() const override {
        VistrelOptions options;
        options.trmIni = "[Clip target]\r\ntrim=" + kTrim + "\r\n[Another window]\r\ntrim=00\r\n";
        return options;
    }

    int Target() const { return probe_->WaitForItem("Clip target"); }
    // A command on the window's item, selected for it and unselected after:
    // the list blends a selected picture with the highlight colour.
    void OnTarget(int command) const {
        app_->List().SelectOnly(Target());
        app_->Command(command);
        app_->List().Select(-1, false);
    }
    // Share of the picture area in a colour (frame colour aside: blue once clipped).
    double Share(uint32_t colour) const {
        const PixelCapture icon = probe_->Icon(Target());
        return double(icon.Count(colour)) / (double(icon.width()) * icon.height());
    }
};

TEST_F(ClippingTest, ImportedRegionsShowAndSwitchAndExportBack) {
    guest_->Create(Plan(Kind::Frame, "Clip target", kBesideVistrelX, 80, kWidth, kHeight, kColour).Quiet());
    OnTarget(ids::TrmInpotMenu);
    // "自動でクリッピング表示" off: the region shows without "Auto".
    app_->Command(ids::ClipMenu);
    const uint32_t inverse = protocol::InverseColour(kColour);
    EXPECT_TRUE(WaitUntil([&] { return Share(kColour) > 0.6 && Share(inverse) == 0; }, 5000))
        << "region 0 is the window's colour alone";

    auto refresh = [&] { app_->Command(ids::ToolButton1); };
    app_->List().SelectOnly(Target());
    app_->ClickCheckBox(ids::SwitchButton2);  // to region 1
    app_->List().Select(-1, false);
    refresh();
    EXPECT_TRUE(WaitUntil([&] { return Share(inverse) > 0.6; }, 5000)) << "region 1 is the inverse block";
    OnTarget(ids::ClipChoice0);
    refresh();
    EXPECT_TRUE(WaitUntil([&] { return Share(kColour) > 0.6 && Share(inverse) == 0; }, 5000)) << "back to 0";

    // Export writes the set under the title and keeps every other section.
    const std::string file = app_->DataFolder() + "trm.ini";
    std::string others;
    for (int i = 0; i < 100; ++i) others += "[Window " + std::to_string(i) + "]\r\ntrim=0" + std::to_string(i % 10) + "\r\n";
    WriteFileBytes(file, others);
    OnTarget(ids::TrimSaveMenu);
    const std::string saved = *ReadWholeFile(file);
    EXPECT_NE(saved.find("[Clip target]"), std::string::npos);
    EXPECT_NE(saved.find("trim=" + kTrim), std::string::npos);
    for (int i = 0; i < 100; ++i)
        EXPECT_NE(saved.find("[Window " + std::to_string(i) + "]\r\ntrim=0" + std::to_string(i % 10)), std::string::npos) << i;

    // Released: the whole window again.
    OnTarget(ids::N5);
    refresh();
    EXPECT_TRUE(WaitUntil([&] { return Share(kColour) > 0.3 && Share(inverse) > 0.03; }, 5000));
}

TEST_F(ClippingTest, AnUnwritableFileEndsTheExportInTheErrorBox) {
    guest_->Create(Plan(Kind::Frame, "Clip target", kBesideVistrelX, 80, kWidth, kHeight, kColour).Quiet());
    OnTarget(ids::TrmInpotMenu);
    // trm.ini becomes a folder: nothing can write it.
    const std::string file = app_->DataFolder() + "trm.ini";
    DeleteFileA(file.c_str());
    CreateFolders(file);
    app_->List().SelectOnly(Target());
    app_->PostCommand(ids::TrimSaveMenu);
    HWND box = nullptr;
    EXPECT_TRUE(WaitUntil(
        [&] {
            box = FindTopLevel(app_->ProcessId(), kDialogClass);
            if (!box) return false;
            for (const std::string& text : StaticTexts(box))
                if (text.find("trm.ini に書き込めません") != std::string::npos) return true;
            return false;
        },
        5000));
    if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
    RemoveDirectoryA(file.c_str());
}

}  // namespace
}  // namespace vistrel::e2e
