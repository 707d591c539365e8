// The toolkit's small controls as forms use them: buttons that end a modal
// form, labels that fit their text and answer clicks, images that show their
// picture as it is or stretched, and the mouse events and cursors of the
// toolkit's own windows.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/WindowDc.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Button.h"
#include "toolkit/Colours.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

namespace vistrel::tk {
namespace {

constexpr COLORREF kPanelColour = RGB(200, 220, 120);

class ToolkitControls : public ::testing::Test {
protected:
    void SetUp() override { Application::Instance().Initialize(); }
};

class ControlsForm : public Form {
public:
    explicit ControlsForm(HWND owner = nullptr) {
        CreateForm("VistrelControlsTestForm", "controls", {100, 100, 500, 400},
                   WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner);
        panel.Create(this, 1, {0, 0, 300, 200}, kPanelColour);
        ok.Create(this, IDOK, {10, 210, 85, 235}, "OK", true);
        ok.ModalResult = mrOk;
        cancel.Create(this, IDCANCEL, {95, 210, 170, 235}, "Cancel", false, true);
        cancel.ModalResult = kCancelled;
    }
    // Told apart from the mrCancel of a close.
    static constexpr int kCancelled = 7;
    Panel panel;
    Button ok;
    Button cancel;
};

TEST_F(ToolkitControls, AModalFormEndsByItsButtonsByEnterOrEscapeOrByClosingAndGivesItsOwnerBack) {
    const struct {
        const char* how;
        std::function<void(ControlsForm&)> end;  // posted before the loop runs
        int result;
    } cases[] = {
        {"OK clicked", [](ControlsForm& f) { PostMessageA(f.ok.Handle(), BM_CLICK, 0, 0); }, mrOk},
        {"Enter", [](ControlsForm& f) { PostMessageA(f.Handle(), WM_KEYDOWN, VK_RETURN, 0); }, mrOk},
        // Keys reach the focused control, not the form.
        {"Enter in a control", [](ControlsForm& f) { PostMessageA(f.panel.Handle(), WM_KEYDOWN, VK_RETURN, 0); }, mrOk},
        {"Escape in a control",
         [](ControlsForm& f) { PostMessageA(f.panel.Handle(), WM_KEYDOWN, VK_ESCAPE, 0); }, ControlsForm::kCancelled},
        {"closed", [](ControlsForm& f) { PostMessageA(f.Handle(), WM_CLOSE, 0, 0); }, mrCancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        ControlsForm owner;
        ControlsForm form(owner.Handle());
        bool ownerDisabledMeanwhile = false;
        form.OnShow = [&](Component&) { ownerDisabledMeanwhile = !IsWindowEnabled(owner.Handle()); };
        int closes = 0;
        form.OnClose = [&](Component&) { ++closes; };
        c.end(form);
        EXPECT_EQ(form.ShowModal(), c.result);
        EXPECT_TRUE(ownerDisabledMeanwhile);
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
        EXPECT_EQ(closes, 1);
        EXPECT_FALSE(form.Visible());
    }
}

SIZE TextSize(HFONT font, const std::string& text) {
    platform::WindowDc dc(nullptr);
    Selection selected(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

TEST_F(ToolkitControls, AnAutoSizedLabelKeepsTheSizeOfItsTextAndAnswersClicks) {
    ControlsForm form;
    const FontOwner small = MakeFont("ＭＳ Ｐゴシック", -12);
    const FontOwner large = MakeFont("ＭＳ Ｐ明朝", -20, true);
    Label label;
    label.Create(&form.panel, 10, {5, 6, 5, 6}, "");
    label.SetFont(small.get());
    label.SetAutoSize(true);
    const char* texts[] = {"Quillon", "バージョン情報", "a much longer line of text", ""};
    for (const char* text : texts) {
        label.SetCaption(text);
        EXPECT_EQ(label.Width(), TextSize(small.get(), text).cx) << text;
    }
    label.SetCaption("Quillon");
    const int smallHeight = label.Height();
    label.SetFont(large.get());
    EXPECT_EQ(label.Width(), TextSize(large.get(), "Quillon").cx);
    EXPECT_GT(label.Height(), smallHeight);
    EXPECT_EQ(label.Left(), 5);  // it grows from where it stands
    EXPECT_EQ(label.Top(), 6);

    int clicks = 0;
    label.OnClick = [&](Component&) { ++clicks; };
    SendMessageA(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(label.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 1);
}

// The control's client area as WM_PRINTCLIENT draws it.
Bitmap Printed(Window& control) {
    Bitmap shot(control.ClientWidth(), control.ClientHeight(), PixelFormat::Bgr24);
    SendMessageA(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot.Dc()), PRF_CLIENT);
    return shot;
}

TEST_F(ToolkitControls, AnImageShowsItsPictureAtTheCornerOrStretchedAndCanTakeItsSize) {
    ControlsForm form;
    Image image;
    image.Create(&form.panel, 11, {4, 4, 12, 10});  // 8 x 6
    Bitmap& picture = image.Picture();
    picture.SetSize(2, 2);
    picture.GetCanvas().SetPixel(0, 0, clRed);
    picture.GetCanvas().SetPixel(1, 0, clLime);
    picture.GetCanvas().SetPixel(0, 1, clBlue);
    picture.GetCanvas().SetPixel(1, 1, clWhite);
    image.PictureChanged();

    const struct {
        int x, y;
        COLORREF atCorner, stretched;
    } pixels[] = {
        {0, 0, clRed, clRed},       {1, 0, clLime, clRed},  {0, 1, clBlue, clRed},
        {2, 0, kPanelColour, clRed}, {0, 2, kPanelColour, clRed}, {7, 5, kPanelColour, clWhite},
        {4, 0, kPanelColour, clLime}, {0, 3, kPanelColour, clBlue},
    };
    for (bool stretch : {false, true}) {
        SCOPED_TRACE(stretch ? "stretched" : "at the corner");
        image.SetStretch(stretch);
        const Bitmap shot = Printed(image);
        for (const auto& p : pixels)
            EXPECT_EQ(shot.PixelAt(p.x, p.y), stretch ? p.stretched : p.atCorner) << p.x << ", " << p.y;
    }
    image.SetAutoSize(true);
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Height(), 2);
}

TEST_F(ToolkitControls, OwnWindowsReportMouseMovesAndPressesWithTheirPlace) {
    ControlsForm form;
    Image image;
    image.Create(&form.panel, 12, {10, 10, 74, 74});
    std::vector<std::string> log;
    auto record = [&](const char* what) {
        return [&log, what](Component& sender, const MouseInfo& mouse) {
            const char* button = mouse.button == MouseButton::Left    ? "left"
                                 : mouse.button == MouseButton::Right ? "right"
                                                                      : "middle";
            log.push_back(std::string(what) + (dynamic_cast<Image*>(&sender) ? " image " : " panel ") + button +
                          " " + std::to_string(mouse.x) + "," + std::to_string(mouse.y));
        };
    };
    for (MouseEvents* events : {static_cast<MouseEvents*>(&image), static_cast<MouseEvents*>(&form.panel)}) {
        events->OnMouseMove = record("move");
        events->OnMouseDown = record("down");
    }
    const struct {
        Window* target;
        UINT message;
        int x, y;
    } messages[] = {
        {&image, WM_MOUSEMOVE, 3, 4},    {&image, WM_LBUTTONDOWN, 5, 6}, {&image, WM_RBUTTONDOWN, 7, 8},
        {&image, WM_MBUTTONDOWN, 1, 2},  {&image, WM_MOUSEMOVE, -2, 70}, {&form.panel, WM_MOUSEMOVE, 200, 150},
        {&image, WM_LBUTTONUP, 5, 6},
    };
    for (const auto& m : messages)
        SendMessageA(m.target->Handle(), m.message, 0, MAKELPARAM(static_cast<WORD>(m.x), static_cast<WORD>(m.y)));
    EXPECT_EQ(log, (std::vector<std::string>{"move image left 3,4", "down image left 5,6", "down image right 7,8",
                                             "down image middle 1,2", "move image left -2,70",
                                             "move panel left 200,150"}));
}

TEST_F(ToolkitControls, AWindowWithACursorShowsItOverItsClientArea) {
    ControlsForm form;
    Image image;
    image.Create(&form.panel, 13, {10, 10, 74, 74});
    const HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    const HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    image.SetCursor(hand);
    const auto setCursor = [](Window& window) {
        SendMessageA(window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window.Handle()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(setCursor(image), hand);
    EXPECT_EQ(setCursor(form.panel), arrow);  // the class's cursor
}

}  // namespace
}  // namespace vistrel::tk
