// A window's icon is asked without waiting for the window: its own answer to
// WM_GETICON arrives when its thread gets to it, and until then (or for
// good, when it never does) the program file's icon stands in.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "catalogue/ProgramIcons.h"
#include "catalogue/WindowCatalogue.h"
#include "exclusion/ExclusionList.h"
#include "platform/Locale.h"
#include "platform/OptionalApis.h"
#include "toolkit/Bitmap.h"

namespace vistrel {
namespace {

constexpr COLORREF kOwnIcon = 0xFF00FF;

HICON SolidIcon(COLORREF colour) {
    tk::Bitmap colours(32, 32);
    colours.GetCanvas().SetBrushColor(colour);
    colours.GetCanvas().FillRect(RECT{0, 0, 32, 32});
    const BYTE opaque[32 * 32 / 8] = {};
    tk::BitmapOwner mask(CreateBitmap(32, 32, 1, 1, opaque));
    const auto released = colours.Unselect();
    ICONINFO info{TRUE, 0, 0, mask.get(), colours.Handle()};
    return CreateIconIndirect(&info);
}

COLORREF CentreOf(HICON icon) {
    tk::Bitmap picture(16, 16);
    DrawIconEx(picture.Dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    return picture.PixelAt(8, 8);
}

// A window of a class without an icon, on a thread of its own that answers
// only while `answering` is set.
class IconWindowThread {
public:
    explicit IconWindowThread(std::atomic<bool>& answering) : thread_([this, &answering] { Run(answering); }) {
        while (!window_) Sleep(1);
    }
    ~IconWindowThread() {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        stop_ = true;
        thread_.join();
    }
    HWND Window() const { return window_; }

private:
    void Run(std::atomic<bool>& answering) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VistrelIconlessTest";
        RegisterClassA(&wc);
        HWND window = CreateWindowExA(0, wc.lpszClassName, "Icons", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                      nullptr, wc.hInstance, nullptr);
        HICON icon = SolidIcon(kOwnIcon);
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        window_ = window;
        MSG msg;
        while (!stop_) {
            if (answering && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(1);
        }
        DestroyWindow(window);
        DestroyIcon(icon);
    }

    std::atomic<HWND> window_{nullptr};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(ProgramIcons, TheWindowsOwnIconArrivesWithoutWaitingForIt) {
    const platform::ProcessPathApi paths = platform::ProcessPathApi::Load();
    const ExclusionList exclusion(platform::EqualIgnoreCaseUser);
    const WindowCatalogue catalogue(paths, exclusion);
    ProgramIcons icons(catalogue);
    std::atomic<bool> answering{false};
    IconWindowThread other(answering);

    // Asked while the window does not answer: the program's icon, at once.
    const HICON first = icons.IconOf(other.Window(), 16);
    EXPECT_TRUE(first) << "the program file's icon";
    EXPECT_NE(CentreOf(first), kOwnIcon);
    EXPECT_FALSE(icons.Arrived());

    answering = true;
    const DWORD end = GetTickCount() + 5000;
    MSG msg;
    while (!icons.Arrived() && GetTickCount() < end) {
        // The answer comes as the caller takes its messages.
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(1);
    }
    ASSERT_TRUE(icons.Arrived());
    EXPECT_EQ(icons.TakeArrived(), std::vector<HWND>{other.Window()});
    EXPECT_EQ(CentreOf(icons.IconOf(other.Window(), 16)), kOwnIcon) << "the window's own icon";

    icons.KeepOnly({});
    EXPECT_NE(CentreOf(icons.IconOf(other.Window(), 16)), kOwnIcon) << "a window listed again is asked afresh";
}

}  // namespace
}  // namespace vistrel
