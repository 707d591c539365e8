// PopupMenu and MenuItem: the HMENU built from the items, and the owner's
// menu messages.

#include "HostWindow.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"
#include "toolkit/Window.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vistrel::tk {
namespace {

struct Shown {
    std::string caption;
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    ULONG_PTR data = 0;
    HMENU submenu = nullptr;
    HBITMAP picture = nullptr;
};

Shown Read(HMENU menu, int position) {
    char text[128] = "";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask =
        MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP;
    info.dwTypeData = text;
    info.cch = sizeof text;
    EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info));
    return Shown{text,          info.fType,   info.fState, info.wID, info.dwItemData,
                 info.hSubMenu, info.hbmpItem};
}

// A menu like the list's context menu: plain items, a separator, a submenu
// with an item made at run time, and states set before the first build.
class MenuTest : public test::HostedControlTest {
protected:
    MenuTest() : top(7201), close(7202), line(7203), clipping(7204), set(7205), clipMenu(7206) {}

    void SetUp() override {
        HostedControlTest::SetUp();
        top.Caption = "最前面";
        close.Caption = "閉じる";
        close.Hint = "選択したアプリケーションを終了する";
        close.Tag = 2;
        close.Enabled = false;
        line.Caption = "-";
        clipping.Caption = "クリッピング";
        clipping.Hint = "更新表示する領域の指定と解除";
        set.Caption = "設定";
        set.Default = true;
        clipping.Items = {&set};
        MenuItem& choice = clipping.AddChild(7207);
        choice.Caption = "Clip (&3)";
        choice.Tag = 3;
        choice.Hint = "choice";
        clipMenu.Caption = "自動でクリッピング表示";
        clipMenu.Checked = true;
        menu.Items = {&top, &close, &line, &clipping, &clipMenu};
    }

    PopupMenu menu;
    MenuItem top, close, line, clipping, set, clipMenu;
};

TEST_F(MenuTest, BuiltMenuShowsCaptionsStatesAndSubmenus) {
    HMENU handle = menu.Rebuild();
    ASSERT_NE(nullptr, handle);
    ASSERT_EQ(5, GetMenuItemCount(handle));
    struct Expect {
        MenuItem* item;
        std::string caption;
        bool separator, checked, disabled, isDefault, submenu;
    };
    const Expect expected[] = {
        {&top, "最前面", false, false, false, false, false},
        {&close, "閉じる", false, false, true, false, false},
        {&line, "", true, false, false, false, false},
        {&clipping, "クリッピング", false, false, false, false, true},
        {&clipMenu, "自動でクリッピング表示", false, true, false, false, false},
    };
    for (int i = 0; i < 5; ++i) {
        const Expect& e = expected[i];
        SCOPED_TRACE(i);
        const Shown s = Read(handle, i);
        EXPECT_EQ(e.caption, s.caption);
        EXPECT_EQ(e.separator, (s.type & MFT_SEPARATOR) != 0);
        EXPECT_EQ(e.checked, (s.state & MFS_CHECKED) != 0);
        EXPECT_EQ(e.disabled, (s.state & MFS_DISABLED) != 0);
        EXPECT_EQ(e.isDefault, (s.state & MFS_DEFAULT) != 0);
        EXPECT_EQ(e.submenu, s.submenu != nullptr);
        EXPECT_EQ(static_cast<UINT>(e.item->CommandId()), s.id);
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(e.item), s.data);
        EXPECT_EQ(0u, s.type & MFT_OWNERDRAW);
        EXPECT_EQ(&menu, e.item->Menu());
    }
    HMENU sub = Read(handle, 3).submenu;
    ASSERT_EQ(2, GetMenuItemCount(sub));
    const Shown first = Read(sub, 0);
    EXPECT_EQ("設定", first.caption);
    EXPECT_TRUE(first.state & MFS_DEFAULT);
    const Shown made = Read(sub, 1);
    EXPECT_EQ("Clip (&3)", made.caption);
    EXPECT_EQ(7207u, made.id);
    EXPECT_EQ(clipping.Items[1], MenuItem::FromItemData(made.data));
}

TEST_F(MenuTest, StatesChangedLaterAppearAtTheNextBuild) {
    menu.Rebuild();
    close.Enabled = true;
    clipMenu.Checked = false;
    top.Caption = "最前面へ";
    clipping.Items.erase(clipping.Items.begin());  // the submenu loses "設定"
    HMENU handle = menu.Rebuild();
    EXPECT_FALSE(Read(handle, 1).state & MFS_DISABLED);
    EXPECT_FALSE(Read(handle, 4).state & MFS_CHECKED);
    EXPECT_EQ("最前面へ", Read(handle, 0).caption);
    EXPECT_EQ(1, GetMenuItemCount(Read(handle, 3).submenu));
}

TEST_F(MenuTest, CommandByIdRunsTheItemWithItself) {
    std::vector<int> tags;
    auto record = [&](Component& sender) { tags.push_back(sender.Tag); };
    close.OnClick = record;
    clipping.Items[1]->OnClick = record;
    // Whether or not the menu was ever built: the id alone leads to the item.
    SendMessageA(host.Handle(), WM_COMMAND, MAKEWPARAM(7202, 0), 0);
    SendMessageA(host.Handle(), WM_COMMAND, MAKEWPARAM(7207, 0), 0);
    menu.Rebuild();
    SendMessageA(host.Handle(), WM_COMMAND, MAKEWPARAM(7207, 0), 0);
    EXPECT_EQ((std::vector<int>{2, 3, 3}), tags);
}

TEST_F(MenuTest, MenuSelectGivesTheHighlightedItemsHint) {
    HMENU handle = menu.Rebuild();
    HMENU sub = Read(handle, 3).submenu;
    HMENU foreign = CreatePopupMenu();
    AppendMenuA(foreign, MF_STRING, 7202, "not ours");  // same id, no item data
    struct Case {
        const char* name;
        WPARAM wParam;
        HMENU menu;
        std::string hint;
    };
    const Case cases[] = {
        {"item by id", MAKEWPARAM(7202, MF_STRING | MF_GRAYED), handle,
         "選択したアプリケーションを終了する"},
        {"submenu by position", MAKEWPARAM(3, MF_POPUP), handle, "更新表示する領域の指定と解除"},
        {"item inside the submenu", MAKEWPARAM(7207, MF_STRING), sub, "choice"},
        {"item without a hint", MAKEWPARAM(7201, MF_STRING), handle, ""},
        {"menu closing", MAKEWPARAM(0, 0xFFFF), nullptr, ""},
        {"a menu that is not ours", MAKEWPARAM(7202, MF_STRING), foreign, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string hint = "stale";
        LRESULT result = 1;
        EXPECT_TRUE(PopupMenu::HandleOwnerMessage(WM_MENUSELECT, c.wParam,
                                                  reinterpret_cast<LPARAM>(c.menu), result, &hint));
        EXPECT_EQ(c.hint, hint);
        EXPECT_EQ(0, result);
    }
    DestroyMenu(foreign);
}

TEST_F(MenuTest, ItemDeletedWhileItsMenuLivesIsNoLongerFound) {
    auto late = std::make_unique<MenuItem>();
    late->Caption = "late";
    late->Hint = "late hint";
    menu.Items.push_back(late.get());
    HMENU handle = menu.Rebuild();
    const UINT id = static_cast<UINT>(late->CommandId());
    std::string hint;
    LRESULT result = 0;
    PopupMenu::HandleOwnerMessage(WM_MENUSELECT, MAKEWPARAM(id, 0),
                                  reinterpret_cast<LPARAM>(handle), result, &hint);
    EXPECT_EQ("late hint", hint);
    menu.Items.pop_back();
    late.reset();
    PopupMenu::HandleOwnerMessage(WM_MENUSELECT, MAKEWPARAM(id, 0),
                                  reinterpret_cast<LPARAM>(handle), result, &hint);
    EXPECT_EQ("", hint);
}

TEST_F(MenuTest, OwnerDrawnItemsReachTheirHandlers) {
    std::vector<std::pair<MenuItem*, bool>> drawn;
    auto draw = [&](MenuItem& item, HDC, const RECT&, bool selected) {
        drawn.push_back({&item, selected});
    };
    for (MenuItem* item : menu.Items) item->OnDrawItem = draw;
    close.OnMeasureItem = [](MenuItem&, HDC, int& width, int& height) {
        width += 100;
        height = 30;
    };
    HMENU handle = menu.Rebuild();
    EXPECT_TRUE(Read(handle, 0).type & MFT_OWNERDRAW);
    EXPECT_TRUE(Read(handle, 2).type & MFT_SEPARATOR);  // drawn by the handler as well
    EXPECT_TRUE(Read(handle, 2).type & MFT_OWNERDRAW);
    EXPECT_EQ("閉じる", Read(handle, 1).caption);  // kept for readers of the menu

    auto measure = [&](MenuItem& item) {
        MEASUREITEMSTRUCT m{};
        m.CtlType = ODT_MENU;
        m.itemID = static_cast<UINT>(item.CommandId());
        m.itemData = reinterpret_cast<ULONG_PTR>(&item);
        LRESULT result = 0;
        EXPECT_TRUE(PopupMenu::HandleOwnerMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m),
                                                  result, nullptr));
        EXPECT_EQ(TRUE, result);
        return SIZE{static_cast<LONG>(m.itemWidth), static_cast<LONG>(m.itemHeight)};
    };
    const SIZE plain = measure(top);
    EXPECT_EQ(19, plain.cy);  // a 16-pixel picture and its box
    EXPECT_GT(plain.cx, 16 + 15 + 7);
    EXPECT_EQ(9, measure(line).cy);
    const SIZE changed = measure(close);
    EXPECT_EQ(30, changed.cy);
    EXPECT_GE(changed.cx, 100 + 16 + 15 + 7);

    HDC screen = GetDC(nullptr);
    for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
        DRAWITEMSTRUCT d{};
        d.CtlType = ODT_MENU;
        d.itemState = state;
        d.hDC = screen;
        d.rcItem = RECT{0, 0, 100, 19};
        d.itemData = reinterpret_cast<ULONG_PTR>(&clipMenu);
        LRESULT result = 0;
        EXPECT_TRUE(PopupMenu::HandleOwnerMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d),
                                                  result, nullptr));
    }
    // Drawing of a control, not of a menu, is not ours.
    DRAWITEMSTRUCT button{};
    button.CtlType = ODT_BUTTON;
    button.hDC = screen;
    button.itemData = reinterpret_cast<ULONG_PTR>(&clipMenu);
    LRESULT result = 0;
    EXPECT_FALSE(PopupMenu::HandleOwnerMessage(WM_DRAWITEM, 1, reinterpret_cast<LPARAM>(&button),
                                               result, nullptr));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ((std::vector<std::pair<MenuItem*, bool>>{{&clipMenu, false}, {&clipMenu, true}}),
              drawn);
}

// A form moved to a monitor of twice its scale measures its owner-drawn items
// in the menu font of that scale: the caption twice as wide.
TEST_F(MenuTest, AFormMeasuresItsItemsInTheMenuFontOfItsDpi) {
    Form form;
    form.CreateForm("VistrelMenuTestForm", "menu", RECT{0, 0, 300, 200});
    top.OnDrawItem = [](MenuItem&, HDC, const RECT&, bool) {};
    menu.Rebuild();
    auto captionWidth = [&] {
        MEASUREITEMSTRUCT m{};
        m.CtlType = ODT_MENU;
        m.itemData = reinterpret_cast<ULONG_PTR>(&top);
        SendMessageA(form.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m));
        return static_cast<int>(m.itemWidth) - (16 + 15 + 7);  // less the picture column and margin
    };
    const int before = captionWidth();
    const int doubled = form.Dpi() * 2;
    RECT suggested{0, 0, 600, 400};
    SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(doubled, doubled), reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(doubled, form.Dpi());
    EXPECT_NEAR(captionWidth(), 2 * before, 4) << "at " << before << " pixels before";
}

TEST_F(MenuTest, AccessKeysOfOwnerDrawnItemsAreOurs) {
    MenuItem& choice = *clipping.Items[1];
    choice.OnDrawItem = [](MenuItem&, HDC, const RECT&, bool) {};
    set.OnDrawItem = choice.OnDrawItem;
    HMENU sub = Read(menu.Rebuild(), 3).submenu;
    LRESULT result = 0;
    ASSERT_TRUE(PopupMenu::HandleOwnerMessage(WM_MENUCHAR, MAKEWPARAM('3', MF_POPUP),
                                              reinterpret_cast<LPARAM>(sub), result, nullptr));
    EXPECT_EQ(MAKELRESULT(1, MNC_EXECUTE), result);
    EXPECT_FALSE(PopupMenu::HandleOwnerMessage(WM_MENUCHAR, MAKEWPARAM('4', MF_POPUP),
                                               reinterpret_cast<LPARAM>(sub), result, nullptr));
}

TEST_F(MenuTest, PlainItemsShowTheirPictureWithItsTransparency) {
    ImageList images;
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4);
    // Picture 0: a blue square in the top-left quarter, the rest transparent.
    std::vector<uint32_t> pixels(16 * 16, 0x00000000u);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) pixels[y * 16 + x] = 0xFF0000FFu;
    images.AddPixels(pixels.data(), 16, 16);
    menu.Images = &images;
    top.ImageIndex = 0;
    close.ImageIndex = 5;  // no such picture
    clipMenu.ImageIndex = 0;
    clipMenu.OnDrawItem = [](MenuItem&, HDC, const RECT&, bool) {};  // draws its own

    HMENU handle = menu.Rebuild();
    EXPECT_EQ(nullptr, Read(handle, 1).picture);
    EXPECT_EQ(nullptr, Read(handle, 4).picture);
    const HBITMAP picture = Read(handle, 0).picture;
    ASSERT_NE(nullptr, picture);

    BITMAP info{};
    ASSERT_TRUE(GetObjectA(picture, sizeof info, &info));
    ASSERT_EQ(32, info.bmBitsPixel);
    ASSERT_NE(nullptr, info.bmBits);
    auto pixel = [&](int x, int y) {
        const auto* row = static_cast<const uint8_t*>(info.bmBits) + y * info.bmWidthBytes;
        const uint8_t* p = row + x * 4;
        return std::vector<int>{p[0], p[1], p[2], p[3]};  // B, G, R, A
    };
    EXPECT_EQ((std::vector<int>{255, 0, 0, 255}), pixel(2, 2));
    EXPECT_EQ(0, pixel(12, 12)[3]);
    // The same picture is kept from one build to the next.
    EXPECT_EQ(picture, Read(menu.Rebuild(), 0).picture);
}

TEST_F(MenuTest, PopupLetsOnPopupSetTheStatesFirst) {
    menu.OnPopup = [&](Component& sender) {
        EXPECT_EQ(&menu, &sender);
        close.Enabled = true;
        top.Enabled = false;
    };
    std::vector<UINT> states;
    host.OnMessage = [&](UINT message, WPARAM wParam, LPARAM) {
        if (message != WM_INITMENUPOPUP) return;
        auto shown = reinterpret_cast<HMENU>(wParam);
        for (int i = 0; i < 2; ++i)
            states.push_back(GetMenuState(shown, i, MF_BYPOSITION) & MF_GRAYED);
        EndMenu();
    };
    menu.Popup(host.Handle(), 10, 10);
    host.OnMessage = nullptr;
    EXPECT_EQ((std::vector<UINT>{MF_GRAYED, 0}), states);
}

}  // namespace
}  // namespace vistrel::tk
