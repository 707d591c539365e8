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

// A window of a class without an icon but with an icon of its own, on a
// thread that takes its messages only once `answering` is set.
TEST(ProgramIcons, TheWindowsOwnIconArrivesWithoutWaitingForIt) {
    const platform::ProcessPathApi paths = platform::ProcessPathApi::Load();
    const ExclusionList exclusion(platform::EqualIgnoreCaseUser);
    const WindowCatalogue catalogue(paths, exclusion);
    ProgramIcons icons(catalogue);
    std::atomic<bool> answering{false}, stop{false};
    std::atomic<HWND> window{nullptr};
    std::thread other([&] {
        const WNDCLASSA wc{0, DefWindowProcA, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr, nullptr, nullptr,
                           "VistrelIconlessTest"};
        RegisterClassA(&wc);
        HWND made = CreateWindowExA(0, wc.lpszClassName, "Icons", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                    nullptr, wc.hInstance, nullptr);
        HICON icon = SolidIcon(kOwnIcon);
        SendMessageA(made, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        window = made;
        for (MSG msg; !stop; Sleep(1))
            if (answering && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        DestroyWindow(made);
        DestroyIcon(icon);
    });
    while (!window) Sleep(1);

    // Asked while the window does not answer: the program's icon, at once.
    EXPECT_NE(CentreOf(icons.IconOf(window, 16)), kOwnIcon);
    answering = true;
    // The answer comes as the caller takes its messages.
    for (const DWORD end = GetTickCount() + 5000; !icons.Arrived() && GetTickCount() < end; Sleep(1))
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&msg);
    EXPECT_EQ(icons.TakeArrived(), std::vector<HWND>{window});
    EXPECT_EQ(CentreOf(icons.IconOf(window, 16)), kOwnIcon) << "the window's own icon";
    icons.KeepOnly({});
    EXPECT_NE(CentreOf(icons.IconOf(window, 16)), kOwnIcon) << "a window listed again is asked afresh";
    stop = true;
    other.join();
}

}  // namespace
}  // namespace vistrel
