// ToolBar and ToolButton on a real ToolbarWindow32 inside a hidden host window.

#include "HostWindow.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"
#include "toolkit/ToolBar.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vistrel::tk {
namespace {

// Ids as a form gives them: fixed, so that commands can be sent from outside.
constexpr int kRefresh = 7101;
constexpr int kShow = 7102;
constexpr int kMinimise = 7103;
constexpr int kSeparator = 7104;
constexpr int kSelectAll = 7105;

class ToolBarTest : public test::HostedControlTest {
protected:
    ToolBarTest()
        : refresh(kRefresh),
          show(kShow),
          minimise(kMinimise),
          gap(kSeparator),
          selectAll(kSelectAll) {}

    void SetUp() override {
        HostedControlTest::SetUp();
        bar.Create(&host, 1002);
        ASSERT_NE(nullptr, bar.Handle());
        images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4);
        std::vector<uint32_t> pixels(16 * 16, 0xFF3060C0u);
        for (int i = 0; i < 4; ++i) images.AddPixels(pixels.data(), 16, 16);
        bar.SetImages(images);

        refresh.Hint = "更新|全てのウィンドウを更新表示";
        refresh.ImageIndex = 3;
        show.Hint = "ウィンドウ表示|選択したアイテムに実行";
        show.ImageIndex = 0;
        show.Tag = 0;
        minimise.Hint = "アイコン化|選択したアイテムに実行";
        minimise.ImageIndex = 1;
        minimise.Tag = 1;
        gap.Style = ToolButtonStyle::Separator;
        selectAll.Hint = "全て選択";
        selectAll.Style = ToolButtonStyle::DropDown;
        selectAll.ImageIndex = 2;
        for (ToolButton* b : {&refresh, &selectAll, &gap, &show, &minimise}) bar.AddButton(*b);
    }

    RECT ButtonRect(int id) {
        RECT r{};
        SendMessageA(bar.Handle(), TB_GETRECT, id, reinterpret_cast<LPARAM>(&r));
        return r;
    }

    // Presses and releases the left button over a button (near its right
    // edge: on the arrow of a drop-down button).
    void Click(int id, bool arrow) {
        const RECT r = ButtonRect(id);
        const LPARAM at = MAKELPARAM(arrow ? r.right - 4 : r.left + 6, (r.top + r.bottom) / 2);
        SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, at);
    }

    HWND Tooltip() {
        return reinterpret_cast<HWND>(SendMessageA(bar.Handle(), TB_GETTOOLTIPS, 0, 0));
    }

    ToolBar bar;
    ImageList images;
    ToolButton refresh, show, minimise, gap, selectAll;
};

TEST_F(ToolBarTest, CommandsReachTheButtonWithTheSenderAsGiven) {
    // One handler for two buttons, telling them apart by Tag, as the main
    // window's ToolButton3Click does.
    std::vector<int> tags;
    std::vector<Component*> senders;
    auto record = [&](Component& sender) {
        senders.push_back(&sender);
        tags.push_back(sender.Tag);
    };
    show.OnClick = record;
    minimise.OnClick = record;
    int refreshes = 0;
    refresh.OnClick = [&](Component&) { ++refreshes; };

    struct Case {
        int id;
        bool fromToolbar;  // as the toolbar reports a click, or sent by id from outside
    };
    const Case cases[] = {{kShow, false}, {kMinimise, false}, {kShow, true}, {kMinimise, true}};
    for (const Case& c : cases) {
        const LPARAM from = c.fromToolbar ? reinterpret_cast<LPARAM>(bar.Handle()) : 0;
        EXPECT_EQ(0, SendMessageA(host.Handle(), WM_COMMAND, MAKEWPARAM(c.id, BN_CLICKED), from));
    }
    EXPECT_EQ((std::vector<int>{0, 1, 0, 1}), tags);
    EXPECT_EQ((std::vector<Component*>{&show, &minimise, &show, &minimise}), senders);
    EXPECT_EQ(0, refreshes);

    // A click with the mouse, on a plain button and on the main part of a
    // drop-down button.
    int selects = 0;
    selectAll.OnClick = [&](Component&) { ++selects; };
    Click(kMinimise, false);
    Click(kSelectAll, false);
    EXPECT_EQ(1, selects);
    EXPECT_EQ(5u, tags.size());
    EXPECT_EQ(1, tags.back());
}

TEST_F(ToolBarTest, EnabledStateIsTheToolbarsAndADisabledButtonIgnoresCommands) {
    int clicks = 0;
    show.OnClick = [&](Component&) { ++clicks; };

    show.SetEnabled(false);
    EXPECT_FALSE(show.Enabled());
    EXPECT_EQ(0, SendMessageA(bar.Handle(), TB_ISBUTTONENABLED, kShow, 0));
    SendMessageA(host.Handle(), WM_COMMAND, MAKEWPARAM(kShow, 0), 0);
    EXPECT_EQ(0, clicks);

    show.SetEnabled(true);
    EXPECT_TRUE(show.Enabled());
    EXPECT_NE(0, SendMessageA(bar.Handle(), TB_ISBUTTONENABLED, kShow, 0));
    SendMessageA(host.Handle(), WM_COMMAND, MAKEWPARAM(kShow, 0), 0);
    EXPECT_EQ(1, clicks);

    // Someone else disabling it through the toolbar is seen too.
    SendMessageA(bar.Handle(), TB_ENABLEBUTTON, kMinimise, FALSE);
    EXPECT_FALSE(minimise.Enabled());
    EXPECT_TRUE(refresh.Enabled());

    // A button disabled before it is added starts disabled.
    ToolButton late(7110);
    late.SetEnabled(false);
    EXPECT_FALSE(late.Enabled());
    bar.AddButton(late);
    EXPECT_EQ(0, SendMessageA(bar.Handle(), TB_ISBUTTONENABLED, 7110, 0));
}

TEST_F(ToolBarTest, ButtonsComeInOrderAndAButtonDestroyedFirstLeavesTheBar) {
    const int ids[] = {kRefresh, kSelectAll, kSeparator, kShow, kMinimise};
    ASSERT_EQ(5, bar.ButtonCount());
    int previousLeft = -1;
    for (int i = 0; i < 5; ++i) {
        TBBUTTON button{};
        SendMessageA(bar.Handle(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(ids[i], button.idCommand);
        const RECT r = ButtonRect(ids[i]);
        EXPECT_GT(r.left, previousLeft);
        previousLeft = r.left;
    }
    TBBUTTON second{};
    SendMessageA(bar.Handle(), TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&second));
    EXPECT_TRUE(second.fsStyle & BTNS_DROPDOWN);
    EXPECT_EQ(2, second.iBitmap);

    {
        ToolButton temporary(7111);
        bar.AddButton(temporary);
        EXPECT_EQ(6, bar.ButtonCount());
        EXPECT_EQ(&temporary, bar.ButtonFromId(7111));
    }
    EXPECT_EQ(5, bar.ButtonCount());
    EXPECT_EQ(nullptr, bar.ButtonFromId(7111));
}

TEST_F(ToolBarTest, HeightFollowsTheButtonsOfTheImageSize) {
    EXPECT_EQ(22, bar.ButtonHeight());  // 16 x 16 glyphs: the VCL's 23 x 22 buttons
    EXPECT_EQ(bar.ButtonHeight(), bar.Height());
    const RECT r = ButtonRect(kRefresh);
    EXPECT_EQ(23, r.right - r.left);
}

TEST_F(ToolBarTest, HintUnderThePointIsTheButtonsWholeHint) {
    bar.Hint = "toolbar";
    auto centre = [&](int id) {
        const RECT r = ButtonRect(id);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    struct Case {
        POINT point;
        std::string hint;
    };
    const RECT last = ButtonRect(kMinimise);
    const Case cases[] = {
        {centre(kRefresh), "更新|全てのウィンドウを更新表示"},
        {centre(kShow), "ウィンドウ表示|選択したアイテムに実行"},
        {centre(kMinimise), "アイコン化|選択したアイテムに実行"},
        {centre(kSelectAll), "全て選択"},
        {centre(kSeparator), "toolbar"},
        {POINT{last.right + 40, last.top + 5}, "toolbar"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.hint, bar.HintAt(c.point));
}

// The TTN_GETDISPINFOA a tooltip sends, with the answer read back.
std::string AskTooltip(HWND to, HWND tooltip, int id) {
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = tooltip;
    info.hdr.idFrom = static_cast<UINT_PTR>(id);
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(to, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
    if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKA) return info.lpszText;
    return info.szText;
}

TEST_F(ToolBarTest, TooltipIsTheShortPartOfTheHint) {
    const HWND tooltip = Tooltip();
    ASSERT_NE(nullptr, tooltip);
    show.Hint = "表示|選択したアイテムに実行";  // changed after the button was added
    struct Case {
        int id;
        std::string text;
    };
    const Case cases[] = {
        {kRefresh, "更新"}, {kShow, "表示"}, {kSelectAll, "全て選択"}, {9999, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        // Asked of the toolbar itself, and reflected from its parent: the
        // sender is the tooltip, which leads back to the toolbar.
        EXPECT_EQ(c.text, AskTooltip(bar.Handle(), tooltip, c.id));
        EXPECT_EQ(c.text, AskTooltip(host.Handle(), tooltip, c.id));
    }

    // The real tooltip asks for the text of a callback tool.
    char buffer[256] = "unchanged";
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = bar.Handle();
    tool.uId = kMinimise;
    tool.lpszText = buffer;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ("アイコン化", buffer);
}

TEST_F(ToolBarTest, TooltipSplitsOnlyAtARealBar) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    // "ポ" is 0x83 0x7C: its trail byte is '|'.
    refresh.Hint = "ポップ|long";
    EXPECT_EQ("ポップ", AskTooltip(bar.Handle(), Tooltip(), kRefresh));
}

TEST_F(ToolBarTest, ControlSpaceHoldsTheControlAfterTheButtons) {
    {
        Panel panel;
        panel.Create(&bar, 1003, RECT{0, 0, 331, 20}, RGB(255, 255, 255));
        bar.AddControlSpace(panel, 331);
        const RECT last = ButtonRect(kMinimise);
        const RECT placed = panel.BoundsRect();
        EXPECT_EQ(last.right, placed.left);
        EXPECT_EQ(331, placed.right - placed.left);
        EXPECT_EQ(20, placed.bottom - placed.top);
        EXPECT_EQ(bar.Hint, bar.HintAt(POINT{placed.left + 5, placed.top + 5}));
        EXPECT_EQ(nullptr, bar.ButtonFromId(0));
    }
    // The panel went first (as a form's members may): the toolbar lays out
    // without it.
    ToolButton late(7112);
    bar.AddButton(late);
    EXPECT_EQ(7, bar.ButtonCount());
}

TEST_F(ToolBarTest, DropDownShowsTheItemsSubmenuUnderTheButton) {
    PopupMenu menu;
    MenuItem root(7120), windows(7121), icons(7122);
    windows.Caption = "ウィンドウ";
    icons.Caption = "アイコン";
    root.Items = {&windows, &icons};
    menu.Items = {&root};
    selectAll.DropdownMenu = &menu;
    selectAll.DropdownItem = &root;
    int popups = 0;
    menu.OnPopup = [&](Component&) { ++popups; };

    // The menu is modal: the owner ends it as soon as it opens, noting what it showed.
    std::vector<std::string> shown;
    bool ownerAsked = false;
    auto endAtOnce = [&](UINT message, WPARAM wParam, LPARAM) {
        if (message != WM_INITMENUPOPUP) return;
        auto menuHandle = reinterpret_cast<HMENU>(wParam);
        for (int i = 0; i < GetMenuItemCount(menuHandle); ++i) {
            char text[64] = "";
            GetMenuStringA(menuHandle, i, text, sizeof text, MF_BYPOSITION);
            shown.push_back(text);
        }
        ownerAsked = true;
        EndMenu();
    };
    host.OnMessage = endAtOnce;

    NMTOOLBARA notice{};
    notice.hdr.hwndFrom = bar.Handle();
    notice.hdr.idFrom = 1002;
    notice.hdr.code = TBN_DROPDOWN;
    notice.iItem = kSelectAll;
    const LRESULT answer =
        SendMessageA(host.Handle(), WM_NOTIFY, 1002, reinterpret_cast<LPARAM>(&notice));
    host.OnMessage = nullptr;
    EXPECT_EQ(TBDDRET_DEFAULT, answer);
    EXPECT_EQ(1, popups);
    EXPECT_TRUE(ownerAsked);  // the top-level window owns the menu
    EXPECT_EQ((std::vector<std::string>{"ウィンドウ", "アイコン"}), shown);

    // The same from a press on the arrow; the button's own click stays out.
    int clicks = 0;
    selectAll.OnClick = [&](Component&) { ++clicks; };
    host.OnMessage = endAtOnce;
    Click(kSelectAll, true);
    host.OnMessage = nullptr;
    EXPECT_EQ(2, popups);
    EXPECT_EQ(0, clicks);
}

TEST_F(ToolBarTest, BackgroundIsWhiteWhateverWasThere) {
    // Printed into a grey picture: erasing and painting as on screen.
    const RECT last = ButtonRect(kMinimise);
    const int width = last.right + 60;
    const int height = bar.Height();
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP picture = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(nullptr, picture);
    HGDIOBJ previous = SelectObject(dc, picture);
    std::fill_n(static_cast<uint32_t*>(bits), width * height, 0x808080u);
    SendMessageA(bar.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    EXPECT_EQ(0xFFFFFFu, pixels[2 * width + last.right + 30] & 0xFFFFFFu);  // after the buttons
    EXPECT_EQ(0xFFFFFFu, pixels[(height - 1) * width + 1] & 0xFFFFFFu);  // under the first button
    SelectObject(dc, previous);
    DeleteObject(picture);
    DeleteDC(dc);
}

}  // namespace
}  // namespace vistrel::tk
