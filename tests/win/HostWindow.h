#pragma once
// The parent the toolkit's control tests place their control in: a hidden
// top-level window of the toolkit's own, so that WM_COMMAND, WM_NOTIFY and the
// menu messages travel the way they do in a form. OnMessage sees every
// message before the window handles it.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "toolkit/Window.h"

namespace vistrel::test {

class HostWindow : public tk::Window {
public:
    HostWindow() {
        CreateOwn("VistrelTestHost", nullptr, WS_OVERLAPPEDWINDOW, 0, RECT{0, 0, 900, 700}, 0, "host");
    }
    std::function<void(UINT, WPARAM, LPARAM)> OnMessage;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (OnMessage) OnMessage(message, wParam, lParam);
        return tk::Window::WndProc(message, wParam, lParam);
    }
};

// A test of one control: the common controls are registered and the host
// exists before the test's own SetUp places the control in it.
class HostedControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_NE(nullptr, host.Handle());
    }

    HostWindow host;
};

}  // namespace vistrel::test
