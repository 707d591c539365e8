// The toolkit's list box as the exclusion list dialog uses it: extended
// multiple selection, owner-drawn entries of a fixed height on a canvas
// prepared with the list's or the highlight colours, a height that is not
// rounded to whole entries.

#include "toolkit/ListBox.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "HostWindow.h"
#include "toolkit/Bitmap.h"

namespace vistrel::tk {
namespace {

constexpr int kItemHeight = 35;
constexpr COLORREF kFontColour = 0x505050;

class ListBoxTest : public test::HostedControlTest {
protected:
    void Make(int height, bool multiSelect, const std::vector<std::string>& lines) {
        list.Create(&host, 10, {0, 0, 150, height}, kItemHeight, ListBoxStyle::OwnerDrawFixed, multiSelect);
        list.SetFontColor(kFontColour);
        for (const std::string& line : lines) list.Add(line);
    }
    ListBox list;
};

TEST_F(ListBoxTest, ExtendedSelectionKnowsEveryEntryAndTheCaret) {
    Make(200, true, {"a", "", "表示", "d"});
    EXPECT_EQ(list.Height(), 200) << "rounded to whole entries";
    EXPECT_EQ(SendMessageA(list.Handle(), LB_GETITEMHEIGHT, 0, 0), kItemHeight);
    EXPECT_EQ(list.Item(2), "表示");
    EXPECT_EQ(list.Item(1), "");
    using Flags = std::vector<bool>;
    EXPECT_EQ(list.Selection(), (Flags{false, false, false, false}));
    list.SetSelected(1, true);
    list.SetSelected(3, true);
    EXPECT_EQ(list.Selection(), (Flags{false, true, false, true}));
    list.SetItemIndex(2);  // alone, with the caret
    EXPECT_EQ(list.Selection(), (Flags{false, false, true, false}));
    EXPECT_EQ(list.ItemIndex(), 2);
    list.SetSelected(0, true);
    list.Delete(1);
    EXPECT_EQ(list.Selection(), (Flags{true, true, false}));
    EXPECT_EQ(list.Item(1), "表示");
    list.Clear();
    EXPECT_EQ(list.ItemIndex(), -1) << "an empty list has no chosen entry";
    EXPECT_TRUE(list.Selection().empty());
}

TEST_F(ListBoxTest, EntriesAreDrawnOnACanvasInTheListsOrTheHighlightColours) {
    Make(3 * kItemHeight + 10, true, {"a", "b", "c"});
    list.SetSelected(1, true);
    struct Drawn {
        RECT rect;
        bool selected;
        COLORREF brush;
        COLORREF font;
    };
    std::map<int, Drawn> drawn;
    list.OnDrawItem = [&](ListBox& sender, int index, const RECT& rect, bool selected) {
        Canvas& canvas = sender.GetCanvas();
        drawn[index] = {rect, selected, canvas.BrushColor(), canvas.FontColor()};
        canvas.FillRect(rect);
    };
    Bitmap picture(150, 3 * kItemHeight + 10, PixelFormat::Bgr24);
    SendMessageA(list.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
    ASSERT_EQ(drawn.size(), 3u);
    for (const auto& [index, entry] : drawn) {
        SCOPED_TRACE(index);
        const bool selected = index == 1;
        EXPECT_EQ(entry.rect.top, index * kItemHeight);
        EXPECT_EQ(entry.rect.bottom - entry.rect.top, kItemHeight);
        EXPECT_EQ(entry.selected, selected);
        EXPECT_EQ(entry.brush, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        EXPECT_EQ(entry.font, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kFontColour);
        EXPECT_EQ(picture.PixelAt(75, index * kItemHeight + kItemHeight / 2), entry.brush);
    }
}

}  // namespace
}  // namespace vistrel::tk
