// Clipping through trm.ini: a stored set is imported for a window of the
// same title, its thumbnail shows the region (at once when "自動でクリッピング表示"
// is off), the switch and the choice move between regions, export writes
// the set back, and an unwritable trm.ini ends the export in the error box.
#include <gtest/gtest.h>

#include <string>

#include "ThumbnailProbe.h"
#include "ClipText.h"
#include "VistrelSuites.h"
#include "clipping/ClipSizeIds.h"

namespace vistrel::e2e {
namespace {

constexpr uint32_t kColour = 0x3050D0;
constexpr int kWidth = 400, kHeight = 300;

const std::string kTrim = TwoRegions(kWidth, kHeight);

HWND DialogControl(HWND dialog, int id);

class ClippingTest : public InjectedVistrelTest {
protected:
    VistrelOptions Options() const override {
        VistrelOptions options;
        options.trmIni = "[Clip target]\r\ntrim=" + kTrim + "\r\n[Another window]\r\ntrim=00\r\n";
        return options;
    }

    int Target(const std::string& title = "Clip target") const { return probe_->WaitForItem(title); }
    // A command on the window's item, selected for it and unselected after:
    // the list blends a selected picture with the highlight colour.
    void OnTarget(int command, const std::string& title = "Clip target") const {
        app_->List().SelectOnly(Target(title));
        app_->Command(command);
        app_->List().Select(-1, false);
    }
    // The clipping setting dialog of the window's item.
    HWND OpenDialog(const std::string& title) const {
        app_->List().SelectOnly(Target(title));
        app_->PostCommand(ids::Clip1);
        return app_->WaitForWindow("TOKBottomDlg");
    }
    // A new entry and its rectangle: from and to are picture points.
    static void AddAndDraw(HWND dialog, POINT from, POINT to) {
        ClickButton(DialogControl(dialog, ids::ClipDialogButton1));
        const HWND image = DialogControl(dialog, ids::ClipDialogImage1);
        SendBounded(image, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        SendBounded(image, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        SendBounded(image, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }
    void CloseDialog(HWND dialog, int closeWith) const {
        ClickButton(DialogControl(dialog, closeWith));
        WaitFor([&] { return !IsWindow(dialog); }, 5000, "the clipping dialog to close");
        app_->List().Select(-1, false);
    }
    // Share of the picture area in a colour (frame colour aside: blue once clipped).
    double Share(uint32_t colour, const std::string& title = "Clip target") const {
        const PixelCapture icon = probe_->Icon(Target(title));
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

// A trm.ini written before titles were read in UTF-16: its Shift-JIS sections
// still name their windows.
TEST_F(ClippingTest, AShiftJisSectionStillAppliesToItsWindow) {
    const std::string title = "表示ソフト メモ帳";  // two trail bytes are a backslash
    WriteFileBytes(app_->DataFolder() + "trm.ini", "[" + title + "]\r\ntrim=" + kTrim + "\r\n");
    guest_->Create(Plan(Kind::Frame, title, kBesideVistrelX, 80, kWidth, kHeight, kColour).Quiet());
    OnTarget(ids::TrmInpotMenu, title);
    app_->Command(ids::ClipMenu);
    EXPECT_TRUE(WaitUntil([&] { return Share(kColour, title) > 0.6 && Share(protocol::InverseColour(kColour), title) == 0; },
                          5000))
        << "region 0 is the window's colour alone";
}

// A control of the dialog by id, at any depth.
HWND DialogControl(HWND dialog, int id) {
    struct Search {
        int id;
        HWND found = nullptr;
    } search{id};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (GetDlgCtrlID(child) != s->id) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found) throw DriverError("no control " + std::to_string(id) + " in the clipping dialog");
    return search.found;
}

TEST_F(ClippingTest, ARectangleDrawnInTheDialogIsShownAndCancelChangesNothing) {
    const std::string title = "Clip drawn";
    guest_->Create(Plan(Kind::Frame, title, kBesideVistrelX, 80, kWidth, kHeight, kColour).Quiet());
    auto draw = [&](POINT from, POINT to, int closeWith) {
        const HWND dialog = OpenDialog(title);
        AddAndDraw(dialog, from, to);
        CloseDialog(dialog, closeWith);
    };
    // Inside the inverse block, which lies at a quarter to a half of the
    // window: three quarters of that in the picture.
    draw({80, 60}, {145, 108}, IDOK);
    app_->Command(ids::ClipMenu);  // regions shown without "Auto"
    const uint32_t inverse = protocol::InverseColour(kColour);
    EXPECT_TRUE(WaitUntil([&] { return Share(inverse, title) > 0.6 && Share(kColour, title) == 0; }, 5000))
        << "the drawn region is the inverse block alone";

    const std::string file = app_->DataFolder() + "trm.ini";
    OnTarget(ids::TrimSaveMenu, title);
    const std::string before = *ReadWholeFile(file);
    draw({10, 10}, {200, 150}, IDCANCEL);
    OnTarget(ids::TrimSaveMenu, title);
    EXPECT_EQ(*ReadWholeFile(file), before) << "cancel changed the set";
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Three quarters of this window are still larger than the screen: the form
// stays on the work area with OK in reach, and the picture scrolls.
TEST_F(ClippingTest, TheDialogOfAWindowLargerThanTheScreenFitsAndItsPictureScrolls) {
    const std::string title = "Clip huge";
    guest_->Create(Plan(Kind::Popup, title, 0, 0, 2000, 1500, kColour).Quiet());
    const HWND dialog = OpenDialog(title);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(Inside(ScreenRect(dialog), work));
    EXPECT_TRUE(Inside(ScreenRect(DialogControl(dialog, IDOK)), ScreenRect(dialog)));

    const HWND box = DialogControl(dialog, ids::ClipDialogScrollBox1);
    const HWND image = DialogControl(dialog, ids::ClipDialogImage1);
    EXPECT_EQ(ScreenRect(image).top, ScreenRect(box).top + 1);
    SendBounded(box, WM_VSCROLL, SB_BOTTOM, 0);
    SendBounded(box, WM_HSCROLL, SB_BOTTOM, 0);
    const RECT shown = ScreenRect(image);
    RECT view{};
    GetClientRect(box, &view);
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&view), 2);
    EXPECT_EQ(shown.bottom - shown.top, 1500 * 3 / 4);
    EXPECT_LT(shown.top, view.top) << "the picture did not scroll";
    EXPECT_GE(view.bottom, shown.bottom) << "its bottom edge is still out of reach";
    EXPECT_GE(view.right, shown.right);
    CloseDialog(dialog, IDCANCEL);
}

// A short wide window: the list panel decides the dialog's height, so its
// buttons are in reach and a rectangle can be added, drawn and kept.
TEST_F(ClippingTest, TheDialogOfAShortWideWindowShowsItsButtons) {
    const std::string title = "Clip short";
    guest_->Create(Plan(Kind::Frame, title, kBesideVistrelX, 80, 520, 140, kColour).Quiet());
    const HWND dialog = OpenDialog(title);
    RECT client{};
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    for (const int id : {ids::ClipDialogButton1, ids::ClipDialogButton2, IDOK})
        EXPECT_TRUE(Inside(ScreenRect(DialogControl(dialog, id)), client)) << "control " << id;
    AddAndDraw(dialog, {30, 15}, {330, 90});  // (40, 20), 400 by 100 in the window
    CloseDialog(dialog, IDOK);
    OnTarget(ids::TrimSaveMenu, title);
    EXPECT_NE(ReadWholeFile(app_->DataFolder() + "trm.ini")->find("trim=" + ClipSlotText(40, 20, 400, 100)),
              std::string::npos);
}

// "自動でクリッピング表示" off is stored at the close and holds after a start:
// an imported region then shows without "Auto".
TEST_F(ClippingTest, TheAutomaticClippingSettingSurvivesARestart) {
    guest_.reset();
    probe_.reset();
    app_.reset();
    VistrelOptions options = Options();
    options.settingsKey = VistrelOptions::Key::Present;
    options.clip = 1;
    app_.emplace(VistrelProcess::Start(options));
    app_->Command(ids::ClipMenu);
    EXPECT_EQ(app_->Close(), 0u);
    EXPECT_EQ(VistrelSettings::Read("clip"), 0u);

    options.settingsKey = VistrelOptions::Key::AsPrepared;
    app_.emplace(VistrelProcess::Start(options));
    guest_.emplace(app_->InjectTestWindows());
    probe_.emplace(*app_);
    guest_->Create(Plan(Kind::Frame, "Clip target", kBesideVistrelX, 80, kWidth, kHeight, kColour).Quiet());
    OnTarget(ids::TrmInpotMenu);
    app_->Command(ids::ToolButton1);  // an import waits for the next picture
    EXPECT_TRUE(WaitUntil([&] { return Share(kColour) > 0.6 && Share(protocol::InverseColour(kColour)) == 0; }, 5000))
        << "the region is not shown without Auto";
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
