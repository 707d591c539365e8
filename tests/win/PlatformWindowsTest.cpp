// Window facts and window state operations, on windows the test makes.

#include "OwnedWindow.h"
#include "platform/DisplayInfo.h"
#include "platform/OptionalApis.h"
#include "platform/Text.h"
#include "platform/WindowFacts.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace vistrel::platform {
namespace {

constexpr char kClassName[] = "VistrelPlatformTestWindow";

// Paint count per window, in the window's user data.
LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        SetWindowLongPtrA(window, GWLP_USERDATA, GetWindowLongPtrA(window, GWLP_USERDATA) + 1);
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LONG_PTR PaintCount(HWND window) { return GetWindowLongPtrA(window, GWLP_USERDATA); }

test::WindowOwner MakeWindow(const char* title, DWORD style, int x, int y, int width, int height,
                             HWND ownerOrParent = nullptr, DWORD exStyle = 0) {
    return test::MakeWindow(kClassName, TestWindowProc, title, style, {x, y, x + width, y + height},
                            ownerOrParent, exStyle);
}

void PumpOnce() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The program's bounded wait: at most 100000 passes of message processing.
template <class Done>
bool PumpUntil(Done done) {
    for (int pass = 0; pass < 100000; ++pass) {
        PumpOnce();
        if (done()) return true;
    }
    return false;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class PlatformWindows : public ::testing::Test {
protected:
    void SetUp() override {
        normal_ = MakeWindow("Platform normal", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 50, 300, 200);
        ownedPopup_ = MakeWindow("Platform owned popup", WS_POPUP | WS_CAPTION | WS_VISIBLE, 60, 70,
                                 200, 120, normal_.get());
        ownedOverlapped_ = MakeWindow("Platform owned overlapped", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      80, 90, 220, 130, normal_.get());
        zeroSize_ = MakeWindow("Platform zero size", WS_POPUP | WS_VISIBLE, 100, 110, 0, 0);
        invisible_ = MakeWindow("Platform invisible", WS_OVERLAPPEDWINDOW, 120, 130, 240, 140);
        child_ = MakeWindow("Platform child", WS_CHILD | WS_VISIBLE, 5, 5, 50, 40, normal_.get());
        for (HWND w : {normal_.get(), ownedPopup_.get(), ownedOverlapped_.get(), zeroSize_.get(),
                       invisible_.get(), child_.get()})
            ASSERT_NE(nullptr, w);
        PumpOnce();
    }

    test::WindowOwner normal_, ownedPopup_, ownedOverlapped_, zeroSize_, invisible_, child_;
};

TEST_F(PlatformWindows, FactsOfTheTestWindows) {
    const struct {
        const char* name;
        HWND window;
        const char* title;
        HWND owner;
        HWND parent;
        bool visible;
        int width;
        int height;
    } cases[] = {
        {"normal", normal_.get(), "Platform normal", nullptr, nullptr, true, 300, 200},
        // GetParent answers the owner for an owned pop-up but not for an owned
        // overlapped window: the catalogue's two modes rely on the difference.
        {"owned popup", ownedPopup_.get(), "Platform owned popup", normal_.get(), normal_.get(), true,
         200, 120},
        {"owned overlapped", ownedOverlapped_.get(), "Platform owned overlapped", normal_.get(),
         nullptr, true, 220, 130},
        {"zero size", zeroSize_.get(), "Platform zero size", nullptr, nullptr, true, 0, 0},
        {"invisible", invisible_.get(), "Platform invisible", nullptr, nullptr, false, 240, 140},
        {"child", child_.get(), "Platform child", nullptr, normal_.get(), true, 50, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(WindowExists(c.window));
        EXPECT_EQ(c.title, Narrow(WindowTitle(c.window)));
        EXPECT_EQ(kClassName, Narrow(WindowClass(c.window)));
        EXPECT_EQ(c.owner, WindowOwner(c.window));
        EXPECT_EQ(c.parent, WindowParent(c.window));
        EXPECT_EQ(c.visible, IsVisible(c.window));
        EXPECT_FALSE(IsMinimised(c.window));
        EXPECT_FALSE(IsMaximised(c.window));
        const RECT rect = WindowRect(c.window);
        EXPECT_EQ(c.width, Width(rect));
        EXPECT_EQ(c.height, Height(rect));
    }
}

TEST_F(PlatformWindows, TitlesStopAt255Characters) {
    const struct {
        std::string set;
        std::string expected;
    } cases[] = {
        {std::string(300, 'x'), std::string(255, 'x')},
        {std::string(255, 'y'), std::string(255, 'y')},
        {"", ""},
    };
    for (const auto& c : cases) {
        SetWindowTextA(normal_.get(), c.set.c_str());
        EXPECT_EQ(c.expected, Narrow(WindowTitle(normal_.get())));
    }
}

// Read in UTF-16: nothing is lost to the code page, not even half of a
// character beyond the BMP.
TEST_F(PlatformWindows, TitlesReadWholeInEveryScript) {
    // A Unicode window, as other programs' windows are.
    const test::WindowOwner unicode(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                    nullptr, nullptr));
    for (const std::u16string title : {u"表示テスト α", u"probe-uni café 한국어 😀 Ελλάδα", u"News - Microsoft\u200B Edge"}) {
        SetWindowTextW(unicode.get(), AsWide(title));
        EXPECT_EQ(title, WindowTitle(unicode.get()));
    }
}

TEST_F(PlatformWindows, VanishedWindowsReadAsEmpty) {
    HWND gone = zeroSize_.get();
    zeroSize_.reset();
    EXPECT_FALSE(WindowExists(gone));
    EXPECT_TRUE(SameRect(RECT{}, WindowRect(gone)));
    EXPECT_EQ(u"", WindowTitle(gone));
    EXPECT_EQ(u"", WindowClass(gone));
    EXPECT_FALSE(IsVisible(gone));
    EXPECT_EQ(u"", ExecutablePath(gone, ProcessPathApi::Load()));
}

TEST_F(PlatformWindows, EnumerationSeesEveryTopLevelWindowButNoChild) {
    std::set<HWND> seen;
    ForEachTopLevelWindow([&](HWND window) {
        seen.insert(window);
        return true;
    });
    for (HWND w : {normal_.get(), ownedPopup_.get(), ownedOverlapped_.get(), zeroSize_.get(),
                   invisible_.get()})
        EXPECT_EQ(1u, seen.count(w)) << Narrow(WindowTitle(w));
    EXPECT_EQ(0u, seen.count(child_.get()));
}

TEST_F(PlatformWindows, EnumerationStopsOnFalseAndPassesExceptionsOn) {
    int visits = 0;
    ForEachTopLevelWindow([&](HWND) {
        ++visits;
        return false;
    });
    EXPECT_EQ(1, visits);

    visits = 0;
    EXPECT_THROW(ForEachTopLevelWindow([&](HWND) -> bool {
                     ++visits;
                     throw std::runtime_error("stop");
                 }),
                 std::runtime_error);
    EXPECT_EQ(1, visits);
}

TEST_F(PlatformWindows, ExecutablePathOfOwnWindowIsTheTestProgram) {
    wchar_t self[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::u16string path = ExecutablePath(normal_.get(), ProcessPathApi::Load());
    EXPECT_EQ(wcslen(self), path.size());
    EXPECT_EQ(0, lstrcmpiW(self, AsWide(path)));
    // Without GetModuleFileNameExW every path is the empty text.
    EXPECT_EQ(u"", ExecutablePath(normal_.get(), ProcessPathApi{}));
}

TEST_F(PlatformWindows, QuietMinimiseAndQuietShowRoundTrip) {
    HWND w = normal_.get();
    const RECT before = WindowRect(w);

    QuietMinimise(w);
    ASSERT_TRUE(PumpUntil([&] { return IsMinimised(w); }));
    EXPECT_TRUE(IsVisible(w));

    QuietShow(w);
    ASSERT_TRUE(PumpUntil([&] { return !IsMinimised(w); }));
    EXPECT_TRUE(IsVisible(w));
    EXPECT_FALSE(IsMaximised(w));
    EXPECT_TRUE(SameRect(before, WindowRect(w)));
}

TEST_F(PlatformWindows, SetShowStateKeepsTheNormalPosition) {
    HWND w = normal_.get();
    const RECT before = WindowRect(w);
    const struct {
        UINT showCmd;
        bool minimised;
        bool maximised;
        bool visible;
    } steps[] = {
        {SW_SHOWMAXIMIZED, false, true, true},
        {SW_SHOWNORMAL, false, false, true},
        {SW_SHOWMINIMIZED, true, false, true},
        {SW_RESTORE, false, false, true},
        {SW_HIDE, false, false, false},
        {SW_SHOWNORMAL, false, false, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.showCmd);
        SetShowState(w, step.showCmd);
        PumpOnce();
        EXPECT_EQ(step.minimised, IsMinimised(w));
        EXPECT_EQ(step.maximised, IsMaximised(w));
        EXPECT_EQ(step.visible, IsVisible(w));
    }
    EXPECT_TRUE(SameRect(before, WindowRect(w)));
}

TEST_F(PlatformWindows, WindowsMoveFarOutsideTheScreenAndLeaveTheTopmostBand) {
    test::WindowOwner topmost = MakeWindow("Platform topmost", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 20,
                                        160, 100, nullptr, WS_EX_TOPMOST);
    HWND w = topmost.get();
    ASSERT_NE(nullptr, w);
    ASSERT_TRUE(MoveWindowTo(w, 20010, 20020));
    RECT rect = WindowRect(w);
    EXPECT_EQ(20010, rect.left);
    EXPECT_EQ(20020, rect.top);
    EXPECT_EQ(160, Width(rect));
    EXPECT_EQ(100, Height(rect));
    EXPECT_EQ(0, GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);

    ASSERT_TRUE(PlaceWindow(w, 20001, 20001, ScreenWidth(), ScreenHeight(), 0));
    rect = WindowRect(w);
    EXPECT_EQ(20001, rect.left);
    EXPECT_EQ(ScreenWidth(), Width(rect));
    EXPECT_EQ(ScreenHeight(), Height(rect));

    ASSERT_TRUE(MoveWindowTo(w, 1, 1));
    EXPECT_EQ(1, WindowRect(w).left);
}

TEST_F(PlatformWindows, RedrawNowPaintsTheWindowAndItsChildrenAtOnce) {
    PumpOnce();
    const LONG_PTR parentBefore = PaintCount(normal_.get());
    const LONG_PTR childBefore = PaintCount(child_.get());
    RedrawNow(normal_.get());  // no message processing in between
    EXPECT_EQ(parentBefore + 1, PaintCount(normal_.get()));
    EXPECT_EQ(childBefore + 1, PaintCount(child_.get()));
}

TEST_F(PlatformWindows, ColourDepthOfTheWindowIsTheScreens) {
    const int depth = BitsPerPixel(normal_.get());
    EXPECT_EQ(depth, BitsPerPixel(nullptr));
    EXPECT_TRUE(depth == 8 || depth == 16 || depth == 24 || depth == 32) << depth;
    EXPECT_GT(ScreenWidth(), 0);
    EXPECT_GT(ScreenHeight(), 0);
}

}  // namespace
}  // namespace vistrel::platform
