// ListView on a real SysListView32 inside a hidden host window.

#include "HostWindow.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"
#include "platform/Text.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace vistrel::tk {
namespace {

using platform::Widen;

// WM_SETREDRAW as the control receives it.
std::vector<WPARAM> redraws;
LRESULT CALLBACK RedrawSpy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR) {
    if (message == WM_SETREDRAW) redraws.push_back(wParam);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

class ListViewTest : public test::HostedControlTest {
protected:
    void SetUp() override {
        HostedControlTest::SetUp();
        list.Create(&host, 101, RECT{0, 0, 880, 680});
        ASSERT_NE(nullptr, list.Handle());
        images.Create(120, 100, ILC_COLOR24, 0, 16);
        list.SetLargeImages(images);
    }

    // Items "0" ... "n-1", data 100 + i, image i, sub-item 0 "key i".
    void Fill(int n) {
        for (int i = 0; i < n; ++i) {
            const int index = list.AddItem(Widen(std::to_string(i)), 100 + i);
            list.SetImageIndex(index, i);
            list.SetSubItem(index, 0, "key " + std::to_string(i));
        }
    }

    ListView list;
    ImageList images;
};

TEST_F(ListViewTest, ItemsKeepCaptionsSubItemsDataAndPictures) {
    struct Item {
        std::u16string caption;
        std::string sub0;
        std::string sub2;
        LPARAM data;
        int image;
    };
    const Item items[] = {
        {u"Notepad", "10000", "", 1, 0},
        {u"表示 - ソフト café 한국어 😀", "3", "x", 0x7FFF0000, 2},  // as the window says it
        {std::u16string(700, u'w'), "0", "", -5, -1},   // longer than the first read buffer
        {u"", "", "third", 0, 5},
    };
    for (const Item& item : items) {
        const int index = list.AddItem(item.caption, item.data);
        EXPECT_EQ(-1, list.ImageIndex(index));  // no picture until one is set
        list.SetImageIndex(index, item.image);
        list.SetSubItem(index, 0, item.sub0);
        list.SetSubItem(index, 2, item.sub2);
    }
    ASSERT_EQ(4, list.Count());
    EXPECT_EQ(3, list.SubItemCount());
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[i].caption, list.Caption(i));
        EXPECT_EQ(items[i].sub0, list.SubItem(i, 0));
        EXPECT_EQ("", list.SubItem(i, 1));
        EXPECT_EQ(items[i].sub2, list.SubItem(i, 2));
        EXPECT_EQ("", list.SubItem(i, 7));
        EXPECT_EQ(items[i].data, list.Data(i));
        EXPECT_EQ(items[i].image, list.ImageIndex(i));
    }
    list.SetCaption(1, u"renamed");
    list.SetData(1, 42);
    EXPECT_EQ(u"renamed", list.Caption(1));
    EXPECT_EQ(42, list.Data(1));

    list.Clear();
    EXPECT_EQ(0, list.Count());
}

TEST_F(ListViewTest, ExplicitPositionsStayAndBoundsHoldThePicture) {
    Fill(3);
    const POINT positions[] = {{0, 0}, {150, 0}, {300, 140}};
    for (int i = 0; i < 3; ++i) list.SetPosition(i, positions[i]);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const POINT p = list.Position(i);
        EXPECT_EQ(positions[i].x, p.x);
        EXPECT_EQ(positions[i].y, p.y);
        const RECT bounds = list.ItemBounds(i);
        EXPECT_LE(bounds.left, p.x);
        EXPECT_LE(bounds.top, p.y);
        EXPECT_GE(bounds.right, p.x + 120);
        EXPECT_GE(bounds.bottom, p.y + 100);
    }

    // A new picture size reaches the item bounds once the list is given again.
    images.SetSize(240, 192);
    list.SetLargeImages(images);
    list.SetPosition(0, POINT{0, 0});
    const RECT bounds = list.ItemBounds(0);
    EXPECT_GE(bounds.right - bounds.left, 240);
    EXPECT_GE(bounds.bottom - bounds.top, 192);
}

TEST_F(ListViewTest, SwapItemsExchangesContentsButNotSelectionOrPosition) {
    struct Case {
        int a, b;
        bool swaps;
    };
    const Case cases[] = {{0, 1, true}, {3, 1, true}, {2, 2, false}, {0, 4, false}, {-1, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a * 10 + c.b);
        list.Clear();
        Fill(4);
        for (int i = 0; i < 4; ++i) list.SetPosition(i, POINT{i * 130, 0});
        list.SetSelected(std::max(c.a, 0), true);
        list.SetSubItem(3, 1, "only on 3");

        list.SwapItems(c.a, c.b);

        for (int i = 0; i < 4; ++i) {
            int from = i;
            if (c.swaps && i == c.a) from = c.b;
            if (c.swaps && i == c.b) from = c.a;
            EXPECT_EQ(Widen(std::to_string(from)), list.Caption(i));
            EXPECT_EQ("key " + std::to_string(from), list.SubItem(i, 0));
            EXPECT_EQ(from == 3 ? "only on 3" : "", list.SubItem(i, 1));
            EXPECT_EQ(100 + from, list.Data(i));
            EXPECT_EQ(from, list.ImageIndex(i));
            EXPECT_EQ(i * 130, list.Position(i).x);
            EXPECT_EQ(i == std::max(c.a, 0), list.Selected(i));
        }
    }
}

TEST_F(ListViewTest, ReorderAppliesAStablePermutationAndClearsTheSelection) {
    // Sorting by a key with ties: equal keys keep their previous order.
    const std::vector<int> keys = {2, 0, 1, 0, 2, 1};
    Fill(static_cast<int>(keys.size()));
    for (int i = 0; i < 6; ++i) list.SetPosition(i, POINT{i * 130, 0});
    list.SetSelected(0, true);
    list.SetSelected(4, true);

    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    ASSERT_EQ((std::vector<size_t>{1, 3, 2, 5, 0, 4}), order);

    EXPECT_TRUE(list.Reorder(order));
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Widen(std::to_string(order[i])), list.Caption(i));
        EXPECT_EQ("key " + std::to_string(order[i]), list.SubItem(i, 0));
        EXPECT_EQ(static_cast<LPARAM>(100 + order[i]), list.Data(i));
        EXPECT_EQ(static_cast<int>(order[i]), list.ImageIndex(i));
        EXPECT_EQ(i * 130, list.Position(i).x);
    }
    EXPECT_EQ(0, list.SelectedCount());

    // Anything but a permutation of every index changes nothing.
    const std::vector<std::vector<size_t>> invalid = {
        {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4, 5, 0}, {0, 0, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 6}};
    for (const auto& bad : invalid) {
        EXPECT_FALSE(list.Reorder(bad));
        for (int i = 0; i < 6; ++i) EXPECT_EQ(Widen(std::to_string(order[i])), list.Caption(i));
    }
}

TEST_F(ListViewTest, SelectionIsReportedAndSearchedInListOrder) {
    Fill(5);
    // Positions against the list order: the search must still go by index.
    for (int i = 0; i < 5; ++i) list.SetPosition(i, POINT{(4 - i) * 130, 0});
    std::vector<std::pair<int, bool>> events;
    list.OnSelectItem = [&](ListView& sender, int item, bool selected) {
        EXPECT_EQ(&list, &sender);
        events.emplace_back(item, selected);
    };
    EXPECT_EQ(-1, list.FirstSelected());

    list.SetSelected(3, true);
    list.SetSelected(1, true);
    list.SetSelected(1, true);  // no change, no event
    EXPECT_EQ(2, list.SelectedCount());
    EXPECT_EQ(1, list.FirstSelected());
    EXPECT_EQ(3, list.NextSelected(1));
    EXPECT_EQ(-1, list.NextSelected(3));
    list.SetSelected(1, false);
    EXPECT_EQ(3, list.FirstSelected());

    const std::vector<std::pair<int, bool>> expected = {{3, true}, {1, true}, {1, false}};
    EXPECT_EQ(expected, events);
}

TEST_F(ListViewTest, BulkUpdatesTurnRedrawOffOnceForTheOutermostPair) {
    ASSERT_TRUE(SetWindowSubclass(list.Handle(), RedrawSpy, 77, 0));
    redraws.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    EXPECT_EQ(std::vector<WPARAM>{FALSE}, redraws);
    list.EndUpdate();
    EXPECT_EQ(std::vector<WPARAM>{FALSE}, redraws);
    list.EndUpdate();
    list.EndUpdate();  // unbalanced: ignored
    EXPECT_EQ((std::vector<WPARAM>{FALSE, TRUE}), redraws);
    list.BeginUpdate();
    EXPECT_EQ((std::vector<WPARAM>{FALSE, TRUE, FALSE}), redraws);
    list.EndUpdate();
    RemoveWindowSubclass(list.Handle(), RedrawSpy, 77);
}

TEST_F(ListViewTest, EventsReachTheirHandlers) {
    Fill(3);
    list.SetPosition(2, POINT{200, 100});
    std::vector<std::string> seen;
    list.OnClick = [&](Component& sender) {
        EXPECT_EQ(&list, &sender);
        seen.push_back("click");
    };
    list.OnDblClick = [&](Component&) { seen.push_back("dblclick"); };
    POINT popupAt{};
    list.OnContextPopup = [&](ListView&, POINT screen) {
        seen.push_back("popup");
        popupAt = screen;
    };

    // The parent hands its WM_NOTIFY back to the control.
    for (UINT code : {UINT(NM_CLICK), UINT(NM_DBLCLK)}) {
        NMITEMACTIVATE notify{};
        notify.hdr.hwndFrom = list.Handle();
        notify.hdr.idFrom = 101;
        notify.hdr.code = code;
        notify.iItem = 0;
        SendMessageA(host.Handle(), WM_NOTIFY, 101, reinterpret_cast<LPARAM>(&notify));
    }

    // From the mouse: where it was clicked.
    SendMessageA(list.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Handle()),
                 MAKELPARAM(321, 123));
    EXPECT_EQ(321, popupAt.x);
    EXPECT_EQ(123, popupAt.y);

    // From the keyboard (-1, -1): on the first selected item.
    list.SetSelected(2, true);
    SendMessageA(list.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Handle()),
                 MAKELPARAM(-1, -1));
    RECT bounds = list.ItemBounds(2);
    MapWindowPoints(list.Handle(), nullptr, reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_TRUE(PtInRect(&bounds, popupAt)) << popupAt.x << "," << popupAt.y;

    const std::vector<std::string> expected = {"click", "dblclick", "popup", "popup"};
    EXPECT_EQ(expected, seen);
}

// Hidden items keep their place: every index counts them, the control shows
// the others in order, and being hidden travels with an item's contents.
TEST_F(ListViewTest, HiddenItemsKeepTheirPlaceAndTravelWithTheirContents) {
    Fill(5);
    const auto shown = [&] {
        std::vector<std::string> captions;
        const int count = static_cast<int>(SendMessageA(list.Handle(), LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[16] = {};
            LVITEMA item{};
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list.Handle(), LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
            captions.push_back(text);
        }
        return captions;
    };
    list.SetSelected(1, true);
    list.SetSelected(2, true);
    list.SetHidden({false, true, false, true, false});
    EXPECT_EQ(shown(), (std::vector<std::string>{"0", "2", "4"}));
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.ShownCount(), 3);
    list.SetCaption(3, u"three");  // a hidden item changes all the same
    EXPECT_EQ(list.Caption(3), u"three");
    EXPECT_EQ(list.Data(3), 103);
    EXPECT_EQ(list.SubItem(4, 0), "key 4");
    EXPECT_FALSE(list.Selected(1)) << "a hidden item is not selected";
    EXPECT_EQ(list.FirstSelected(), 2);
    EXPECT_EQ(list.NextSelected(2), -1);
    list.SetSelected(4, true);
    EXPECT_EQ(list.NextSelected(3), 4) << "the search goes on past a hidden item";

    list.SwapItems(2, 3);  // "three" moves to 2 and stays hidden; "2" shows at 3
    EXPECT_TRUE(list.Hidden(2));
    EXPECT_FALSE(list.Hidden(3));
    EXPECT_EQ(shown(), (std::vector<std::string>{"0", "2", "4"}));
    ASSERT_TRUE(list.Reorder({4, 3, 2, 1, 0}));
    EXPECT_EQ(shown(), (std::vector<std::string>{"4", "2", "0"}));
    EXPECT_EQ(list.Caption(2), u"three");

    list.SetHidden(std::vector<bool>(5, false));
    EXPECT_EQ(shown(), (std::vector<std::string>{"4", "2", "three", "1", "0"}));
    EXPECT_EQ(list.ImageIndex(2), 3);
    EXPECT_EQ(list.SubItem(2, 0), "key 3");
}

}  // namespace
}  // namespace vistrel::tk
