// The windows' pictures for use elsewhere: copied to the clipboard at the
// size shown or the window's own size, and saved as bitmap or JPEG files
// through the save dialog, several pictures under numbered names.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "ThumbnailProbe.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

// The file type box of the common file dialog (cmb1).
constexpr int kFileTypeCombo = 0x470;

// The dialog's one edit box, however deep its file name box nests it.
HWND FileNameEdit(HWND dialog) {
    HWND found = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            char name[16] = {};
            GetClassNameA(child, name, sizeof name);
            if (lstrcmpiA(name, "Edit") != 0) return TRUE;
            *reinterpret_cast<HWND*>(param) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

SIZE ClipboardBitmapSize() {
    SIZE size{0, 0};
    if (!OpenClipboard(nullptr)) return size;
    if (auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
        BITMAP info{};
        if (GetObjectA(bitmap, sizeof info, &info)) size = {info.bmWidth, info.bmHeight};
    }
    CloseClipboard();
    return size;
}

void EmptyTheClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

// Width and height a BMP or JPEG file says it holds; {0, 0} when it is
// neither. A JPEG must be a baseline colour JFIF.
SIZE PictureFileSize(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return {0, 0};
    const auto& b = *bytes;
    auto u8 = [&](size_t at) { return static_cast<unsigned char>(b[at]); };
    if (b.size() > 26 && b[0] == 'B' && b[1] == 'M') {
        int32_t width = 0, height = 0;
        std::memcpy(&width, b.data() + 18, 4);
        std::memcpy(&height, b.data() + 22, 4);
        return {width, height < 0 ? -height : height};
    }
    if (b.size() < 20 || u8(0) != 0xFF || u8(1) != 0xD8 || b.compare(6, 5, std::string("JFIF\0", 5)) != 0)
        return {0, 0};
    for (size_t at = 2; at + 9 < b.size();) {
        if (u8(at) != 0xFF) return {0, 0};
        const int marker = u8(at + 1);
        const size_t length = (u8(at + 2) << 8) | u8(at + 3);
        if (marker == 0xC0) {  // baseline
            if (u8(at + 9) != 3) return {0, 0};  // colour: three components
            return {(u8(at + 7) << 8) | u8(at + 8), (u8(at + 5) << 8) | u8(at + 6)};
        }
        if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return {0, 0};  // another kind of frame
        at += 2 + length;
    }
    return {0, 0};
}

class PicturesTest : public VistrelTest {
protected:
    void StartWith(const std::vector<std::string>& titles) {
        std::vector<WindowPlan> plans;
        for (size_t i = 0; i < titles.size(); ++i) {
            const int at = static_cast<int>(i);
            plans.push_back(
                Plan(Kind::Frame, titles[i], kBesideVistrelX + 30 * at, 60 + 90 * at, 300, 200, 0x3050D0).Quiet());
        }
        helper_.emplace(TestWindows::StartExe(plans));
        app_.emplace(VistrelProcess::Start());
        for (const std::string& title : titles) ThumbnailProbe(*app_).WaitForItem(title);
    }
    void Select(const std::vector<std::string>& titles) const {
        const ListViewProbe list = app_->List();
        list.Select(-1, false);
        for (const std::string& title : titles) list.Select(list.Find(title));
    }

    // Saves through the dialog as a user does: the name typed, the type
    // picked, Save pressed.
    void SaveAs(int command, const std::string& path, int filterIndex) const {
        app_->PostCommand(command);
        const HWND dialog = app_->WaitForWindow(kDialogClass);
        const HWND name = FileNameEdit(dialog);
        ASSERT_NE(name, nullptr) << "no file name box in the save dialog";
        SendBounded(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        const HWND types = GetDlgItem(dialog, kFileTypeCombo);
        SendBounded(types, CB_SETCURSEL, static_cast<WPARAM>(filterIndex - 1), 0);
        // As a user's pick ends: some dialogs read the type at CBN_SELCHANGE,
        // some at CBN_SELENDOK.
        for (const WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
            SendBounded(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeCombo, code), reinterpret_cast<LPARAM>(types));
        // The Save button's command (the dialog has other children of id 1).
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    // The overwrite question, when it shows: answered with `yes`.
    bool AnswerQuestion(bool yes) const {
        HWND box = nullptr;
        const bool shown = WaitUntil(
            [&] {
                box = FindTopLevel(app_->ProcessId(), kDialogClass);
                if (!box) return false;
                for (const std::string& text : StaticTexts(box))
                    if (text.find("置き換え") != std::string::npos) return true;
                return false;
            },
            3000);
        if (shown) ClickButton(GetDlgItem(box, yes ? IDYES : IDNO));
        return shown;
    }
    // The selected window copied at its own size: what the clipboard holds.
    SIZE CopiedAtActualSize() const {
        EmptyTheClipboard();
        app_->Command(ids::N13);
        return ClipboardBitmapSize();
    }
    // Vistrel is done with the command once it answers again and no dialog
    // of it is left.
    void WaitUntilDone() const {
        WaitFor([&] { return !FindTopLevel(app_->ProcessId(), kDialogClass); }, 10000, "the save to end");
        SendBounded(app_->MainWindow(), WM_NULL, 0, 0);
    }

    std::optional<TestWindows> helper_;
    std::optional<VistrelProcess> app_;
    test::TempFolder folder_{"Vistrel-e2e-pictures"};
};

TEST_F(PicturesTest, CopyPutsTheShownOrTheActualSizeOnTheClipboard) {
    StartWith({"Pic copy"});
    Select({"Pic copy"});
    const SIZE thumbnail = ExpectedThumbnail(30);
    EmptyTheClipboard();
    app_->Command(ids::N6);
    const SIZE shown = ClipboardBitmapSize();
    EXPECT_EQ(shown.cx, thumbnail.cx);
    EXPECT_EQ(shown.cy, thumbnail.cy);
    const SIZE actual = CopiedAtActualSize();
    EXPECT_EQ(actual.cx, 300);
    EXPECT_EQ(actual.cy, 200);
}

// A copy at the window's own size waits for the window's answer; a refresh
// asked for meanwhile (here by the window itself, as it is asked) waits for
// the copy, so the clipboard holds exactly this window's picture.
TEST_F(PicturesTest, ACopyAtActualSizeHoldsOnlyItsWindow) {
    app_.emplace(VistrelProcess::Start());
    TestWindows guest = app_->InjectTestWindows();  // printed for real inside Vistrel
    const HWND copied = guest.Create(Plan(Kind::Frame, "Pic copied", kBesideVistrelX, 60, 300, 200, 0x3050D0).Quiet());
    guest.Create(Plan(Kind::Frame, "Pic other", kBesideVistrelX, 300, 420, 260, 0x40B040).Quiet());
    ThumbnailProbe(*app_).WaitForItem("Pic other");
    Select({"Pic copied"});
    guest.SendWhenAsked(copied, app_->MainWindow(), WM_COMMAND, MAKEWPARAM(ids::ToolButton1, 0), 0);
    const SIZE actual = CopiedAtActualSize();
    EXPECT_EQ(actual.cx, 300);
    EXPECT_EQ(actual.cy, 200);
}

// A window that gives no picture at its own size (it does not answer and
// the screen does not show it whole) is named in the error box, and no
// empty file is written for it.
TEST_F(PicturesTest, AnActualSizeSaveThatCapturesNothingSaysSo) {
    StartWith({"Pic beside"});
    const HWND hung = helper_->Create(Plan(Kind::Frame, "Pic hung", 1100, 600, 300, 200, 0x40B040).Quiet());
    ThumbnailProbe(*app_).WaitForItem("Pic hung");
    helper_->Hang(hung, 30000);
    helper_->WaitForState(hung, [](const TestWindowState& s) { return s.hanging != 0; }, 5000, "the hang");
    Select({"Pic hung"});
    const std::string path = folder_.File("hung.bmp");
    SaveAs(ids::N14, path, 1);
    const HWND box = WaitForBoxSaying(app_->ProcessId(), "Pic hung", 10000);
    EXPECT_NE(box, nullptr) << "nothing said";
    if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
    helper_->Wake(hung);
    WaitUntilDone();
    EXPECT_FALSE(FileExists(path));
}

// An application window without area stands for the frame it owns, as its
// thumbnail does: its actual size is the frame's, not an empty picture.
TEST_F(PicturesTest, AWindowWithoutAreaIsCopiedAsTheFrameItOwns) {
    StartWith({"Pic beside"});
    helper_->CreateZeroSizeApp("Pic app", Plan(Kind::Frame, "Pic app frame", kBesideVistrelX, 400, 320, 240, 0x40B040));
    ThumbnailProbe(*app_).WaitForItem("Pic app");
    Select({"Pic app"});
    const SIZE actual = CopiedAtActualSize();
    EXPECT_EQ(actual.cx, 320);
    EXPECT_EQ(actual.cy, 240);
}

// A window far larger than any screen is pictured from its top-left part
// that an 8K screen could show: no picture of gigabytes, no failure, no stall.
TEST_F(PicturesTest, AWindowFarLargerThanTheScreenIsCopiedInPart) {
    StartWith({"Pic beside"});
    helper_->Create(Plan(Kind::Popup, "Pic huge", kBesideVistrelX, 60, 20000, 20000, 0x40B040).Quiet());
    ThumbnailProbe(*app_).WaitForItem("Pic huge");
    Select({"Pic huge"});
    const SIZE actual = CopiedAtActualSize();
    EXPECT_EQ(actual.cx, 7680);
    EXPECT_EQ(actual.cy, 4320);
}

TEST_F(PicturesTest, SaveWritesBitmapAndJpegFiles) {
    StartWith({"Pic save"});
    Select({"Pic save"});
    // The type decides the extension, whatever was typed.
    SaveAs(ids::N14, folder_.File("actual.jpeg"), 1);
    WaitUntilDone();
    const SIZE bmp = PictureFileSize(folder_.File("actual.bmp"));
    EXPECT_EQ(bmp.cx, 300);
    EXPECT_EQ(bmp.cy, 200);
    SaveAs(ids::N12, folder_.File("shown"), 2);
    WaitUntilDone();
    const SIZE jpeg = PictureFileSize(folder_.File("shown.jpg"));
    EXPECT_EQ(jpeg.cx, ExpectedThumbnail(30).cx);
    EXPECT_EQ(jpeg.cy, ExpectedThumbnail(30).cy);
    EXPECT_EQ(folder_.Files(), (std::set<std::string>{"actual.bmp", "shown.jpg"})) << "no temporary file left";
}

TEST_F(PicturesTest, SeveralWindowsGetNumberedNamesAndExistingOnesAreNotLostUnasked) {
    StartWith({"Pic A", "Pic B", "Pic C"});
    const ListViewProbe list = app_->List();
    Select({list.Text(0), list.Text(2)});
    SaveAs(ids::N12, folder_.File("Editor.jpg"), 2);
    WaitUntilDone();  // nothing to replace: no question stays open
    EXPECT_EQ(folder_.Files(), (std::set<std::string>{"Editor1.jpg", "Editor3.jpg"}));

    // Again: the numbered files exist now. No keeps them as they are.
    const std::string before = *ReadWholeFile(folder_.File("Editor1.jpg"));
    WriteFileBytes(folder_.File("Editor3.jpg"), "mine");
    SaveAs(ids::N12, folder_.File("Editor.jpg"), 2);
    ASSERT_TRUE(AnswerQuestion(false));
    WaitUntilDone();
    EXPECT_EQ(*ReadWholeFile(folder_.File("Editor3.jpg")), "mine");
    EXPECT_EQ(*ReadWholeFile(folder_.File("Editor1.jpg")), before);
    // Yes replaces them.
    SaveAs(ids::N12, folder_.File("Editor.jpg"), 2);
    ASSERT_TRUE(AnswerQuestion(true));
    WaitUntilDone();
    // The question's box may still be winding down when the wait returns:
    // the files are awaited themselves.
    EXPECT_TRUE(WaitUntil([&] { return PictureFileSize(folder_.File("Editor3.jpg")).cx > 0; }, 10000));
}

}  // namespace
}  // namespace vistrel::e2e
