// The catalogue on windows of the test's own process: which are listed, which
// serve as placement targets, and what the exclusion list takes away.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "HeldList.h"
#include "OwnedWindow.h"
#include "catalogue/WindowCatalogue.h"
#include "catalogue/WindowStates.h"
#include "exclusion/ExclusionList.h"
#include "platform/DisplayInfo.h"
#include "platform/Locale.h"
#include "platform/OptionalApis.h"
#include "platform/Text.h"
#include "platform/WindowFacts.h"

namespace vistrel {
namespace {

test::WindowOwner Make(const char* title, DWORD style, RECT r, HWND owner = nullptr,
                       const char* className = "VistrelCatalogueTest") {
    return test::MakeWindow(className, DefWindowProcA, title, style, r, owner);
}

constexpr DWORD kShown = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

class Catalogue : public ::testing::Test {
protected:
    Catalogue()
        : paths_(platform::ProcessPathApi::Load()),
          exclusion_(platform::EqualIgnoreCaseUser),
          catalogue_(paths_, exclusion_) {}

    std::vector<HWND> Listed() {
        catalogue_.EnumerateListed(false);
        std::vector<HWND> result;
        for (int i = 0; i < catalogue_.ListedCount(); ++i)
            result.push_back(catalogue_.Listed(i).handle);
        return result;
    }
    static bool Has(const std::vector<HWND>& list, HWND window) {
        return std::find(list.begin(), list.end(), window) != list.end();
    }

    platform::ProcessPathApi paths_;
    ExclusionList exclusion_;
    WindowCatalogue catalogue_;
};

TEST_F(Catalogue, ListsApplicationWindowsAndRejectsTheOtherKinds) {
    auto plain = Make("カタログ plain", kShown, {10, 10, 300, 200});
    auto hidden = Make("hidden", WS_OVERLAPPEDWINDOW, {10, 10, 300, 200});
    auto untitled = Make("", kShown, {10, 10, 300, 200});
    auto dialog = Make("owned dialog", kShown, {20, 20, 200, 100}, plain.get());
    auto ownTitle = Make("VISTREL α", kShown, {10, 10, 300, 200});
    auto hint = Make("hint", kShown, {10, 10, 300, 200}, nullptr, "THintWindow");
    auto level = Make("level", kShown, {10, 10, 300, 200}, nullptr, "TLebelDlg");
    auto zeroSize = Make("zero-size application", WS_POPUP | WS_VISIBLE, {0, 0, 0, 0});

    const auto listed = Listed();
    EXPECT_TRUE(Has(listed, plain.get()));
    EXPECT_TRUE(Has(listed, zeroSize.get())) << "list mode has no size test";
    for (HWND rejected : {hidden.get(), untitled.get(), dialog.get(), ownTitle.get(), hint.get(),
                          level.get()})
        EXPECT_FALSE(Has(listed, rejected)) << platform::Narrow(platform::WindowTitle(rejected));

    // The title the table keeps is the one the test read.
    for (int i = 0; i < catalogue_.ListedCount(); ++i) {
        if (catalogue_.Listed(i).handle == plain.get()) {
            EXPECT_EQ(catalogue_.Listed(i).Title(), u"カタログ plain");
        }
    }
}

TEST_F(Catalogue, OwnedFramesAreThePlacementTargetsOfTheirOwners) {
    auto app = Make("application", WS_POPUP | WS_VISIBLE, {0, 0, 0, 0});
    auto frame = Make("frame", kShown, {50, 50, 400, 300}, app.get());
    auto lonely = Make("lonely", WS_POPUP | WS_VISIBLE, {0, 0, 0, 0});
    auto normal = Make("normal", kShown, {60, 60, 300, 200});
    catalogue_.EnumerateVisible();

    EXPECT_EQ(catalogue_.PlacementTarget(app.get()), frame.get());
    EXPECT_EQ(catalogue_.PicturedWindow(app.get()), frame.get());
    // Nothing owned: the window stands for itself.
    EXPECT_EQ(catalogue_.PlacementTarget(lonely.get()), lonely.get());
    EXPECT_EQ(catalogue_.PicturedWindow(lonely.get()), lonely.get());
    // A window with an area is pictured itself even when it owns others.
    auto owned = Make("owned by normal", kShown, {70, 70, 200, 100}, normal.get());
    catalogue_.EnumerateVisible();
    EXPECT_EQ(catalogue_.PicturedWindow(normal.get()), normal.get());
    EXPECT_EQ(catalogue_.PlacementTarget(normal.get()), owned.get());
}

TEST_F(Catalogue, ExcludedExecutablesLoseAllTheirWindows) {
    auto first = Make("first of ours", kShown, {10, 10, 300, 200});
    auto second = Make("second of ours", kShown, {10, 10, 300, 200});
    ASSERT_TRUE(Has(Listed(), first.get()));

    std::u16string path = catalogue_.ExecutablePath(first.get());
    ASSERT_FALSE(path.empty());
    CharUpperW(platform::AsWide(path.data()));  // the list compares without regard to case
    exclusion_.AddUnique(path);
    const auto listed = Listed();
    EXPECT_FALSE(Has(listed, first.get()));
    EXPECT_FALSE(Has(listed, second.get()));
}

TEST_F(Catalogue, RestoringEnumerationShowsMinimisedWindowsButKeepsTheirMark) {
    const test::HeldList held;
    auto window = Make("minimised one", kShown, {10, 10, 300, 200});
    platform::QuietMinimise(window.get());
    WaitUntilMinimised(*held, window.get());
    ASSERT_TRUE(IsIconic(window.get()));

    catalogue_.EnumerateListed(true);
    bool found = false;
    for (int i = 0; i < catalogue_.ListedCount(); ++i) {
        if (catalogue_.Listed(i).handle == window.get()) found = catalogue_.Listed(i).minimized;
    }
    EXPECT_TRUE(found) << "the entry still says minimised; the change tick parks it later";
    WaitUntilRestored(*held, window.get());
    EXPECT_FALSE(IsIconic(window.get()));
}

TEST(WindowStates, ParkingIsAToggleThatRestoresThePlace) {
    const test::HeldList held;
    auto window = Make("park me", kShown, {100, 120, 400, 300});
    ASSERT_FALSE(IsWindowParked(window.get(), window.get()));

    EXPECT_TRUE(ParkWindow(*held, window.get(), window.get()));
    RECT r = platform::WindowRect(window.get());
    EXPECT_EQ(r.left, 100 + 20000);
    EXPECT_EQ(r.top, 120 + 20000);
    EXPECT_TRUE(IsWindowParked(window.get(), window.get()));

    EXPECT_FALSE(ParkWindow(*held, window.get(), window.get())) << "parking a parked window brings it back";
    r = platform::WindowRect(window.get());
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 120);

    UnparkWindow(*held, window.get(), window.get());  // not parked: nothing moves
    EXPECT_EQ(platform::WindowRect(window.get()).left, 100);
}

TEST(WindowStates, WindowsWithoutAreaAreNeverParked) {
    const test::HeldList held;
    auto window = Make("no area", WS_POPUP | WS_VISIBLE, {30, 30, 30, 30});
    EXPECT_FALSE(ParkWindow(*held, window.get(), window.get()));
    EXPECT_EQ(platform::WindowRect(window.get()).left, 30);
}

TEST(WindowStates, AMaximisedWindowParksAtScreenSizeAndComesBackAtOne) {
    const test::HeldList held;
    auto window = Make("maximised", kShown, {100, 100, 400, 300});
    ShowWindow(window.get(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(window.get()));

    EXPECT_TRUE(ParkWindow(*held, window.get(), window.get()));
    EXPECT_FALSE(IsZoomed(window.get()));
    RECT r = platform::WindowRect(window.get());
    EXPECT_EQ(r.left, 20001);
    EXPECT_EQ(r.top, 20001);
    EXPECT_EQ(r.right - r.left, platform::ScreenWidth());
    EXPECT_EQ(r.bottom - r.top, platform::ScreenHeight());

    UnparkWindow(*held, window.get(), window.get());
    r = platform::WindowRect(window.get());
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 1);
}

}  // namespace
}  // namespace vistrel
