// The clipping setting dialog's model: the list, the drag, the conversions.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "clipping/ClipData.h"
#include "clipping/ClipDialogLayout.h"
#include "clipping/ClipEditor.h"

namespace vistrel {
namespace {

const std::string kPrefix = kClipEntryPrefix;

ClipSet SetOf(std::initializer_list<ClipRect> rects) {
    ClipSet set{};
    size_t i = 0;
    for (const ClipRect& r : rects) set[i++] = r;
    return set;
}

void Drag(ClipEditor& editor, int fromX, int fromY, int toX, int toY) {
    editor.Press(fromX, fromY);
    editor.Move(toX, toY);
    editor.Release(toX, toY);
}

TEST(ClipEditor, PictureAndWindowCoordinates) {
    EXPECT_EQ(DisplayedSize(1000), 750);
    EXPECT_EQ(DisplayedSize(600), 450);
    EXPECT_EQ(DisplayedSize(7), 3);  // the quarter first
    EXPECT_EQ(ToWindowPoint(300, 150), (Point{400, 200}));
    EXPECT_EQ(ToPicture({8, 40, 200, 120}), (Rect{6, 30, 156, 120}));
    // Values from a file may be anything: held to the field's range.
    const Rect extreme = ToPicture({INT_MAX, INT_MIN, INT_MAX, INT_MAX});
    EXPECT_EQ(extreme.left, (INT_MAX / 4) * 3);
    EXPECT_EQ(extreme.right, INT_MAX);
    EXPECT_EQ(extreme.top, (INT_MIN / 4) * 3);
}

TEST(ClipEditor, ADragStoresItsRectangleInWindowCoordinates) {
    ClipEditor editor(ClipSet{});
    EXPECT_TRUE(editor.Entries().empty());
    Drag(editor, 300, 150, 100, 50);  // nothing selected: nothing stored
    EXPECT_EQ(EncodeClipText(editor.Working()), EncodeClipText(ClipSet{}));

    editor.Add();
    Drag(editor, 300, 150, 100, 50);
    const ClipRect& r = editor.Working()[0];
    EXPECT_EQ((std::vector<int>{r.x, r.y, r.width, r.height}), (std::vector<int>{133, 66, 266, 133}));
    EXPECT_EQ(editor.Entries(), std::vector<std::string>{kPrefix + "1"});

    // A release without a press in progress stores nothing.
    editor.Release(5, 5);
    EXPECT_EQ(editor.Working()[0].width, 266);
}

TEST(ClipEditor, NarrowAndLowDrags) {
    ClipEditor editor(ClipSet{});
    editor.Add();
    Drag(editor, 10, 10, 17, 50);  // 7 by 40: no width
    EXPECT_EQ(editor.Working()[0].width, 0);
    EXPECT_EQ(editor.Entries()[0], kPrefix);
    editor.Add();
    Drag(editor, 10, 10, 50, 15);  // 40 by 5: no height, width 53
    EXPECT_EQ(editor.Working()[1].width, 53);
    EXPECT_EQ(editor.Working()[1].height, 0);
    EXPECT_EQ(editor.Entries()[1], kPrefix);
    // OK keeps what is wide enough, whatever its height.
    const ClipSet result = editor.Result();
    EXPECT_EQ(RegionsOf(result), 1);
    EXPECT_EQ(result[0].width, 53);
}

TEST(ClipEditor, EveryRectangleHasItsEntryEvenAfterALowOne) {
    // A 40 x 5 rectangle first (drawn so, or imported): the later one is
    // still listed, chosen, shown and deletable.
    ClipEditor editor(SetOf({{0, 0, 40, 5}, {10, 10, 100, 100}}));
    EXPECT_EQ(editor.Entries(), (std::vector<std::string>{kPrefix, kPrefix + "2"}));
    editor.Select(1);
    EXPECT_EQ(editor.Selection(), ToPicture({10, 10, 100, 100}));
    editor.Add();
    EXPECT_EQ(editor.Selected(), 2) << "a new entry, not a hidden slot";
}

TEST(ClipEditor, DeletingRelabelsFromTheCompactedSet) {
    ClipEditor editor(SetOf({{0, 0, 10, 10}, {20, 20, 30, 30}, {40, 40, 50, 50}}));
    editor.Select(1);
    editor.Delete();
    EXPECT_EQ(editor.Entries(), (std::vector<std::string>{kPrefix + "1", kPrefix + "2"}));
    EXPECT_EQ(editor.Working()[1].x, 40) << "the former third moved down";
    EXPECT_EQ(editor.Selection(), ToPicture({40, 40, 50, 50}));
    editor.Select(0);
    editor.Delete();
    editor.Select(0);
    editor.Delete();
    EXPECT_TRUE(editor.Entries().empty());
    EXPECT_EQ(editor.Selection().right, 0) << "no frame";
}

TEST(ClipEditor, TenEntriesAtMost) {
    ClipEditor editor(ClipSet{});
    for (int i = 0; i < 12; ++i) editor.Add();
    EXPECT_EQ(editor.Entries().size(), 10u);
}

TEST(ClipEditor, TheDialogHoldsThePictureAndEveryControlOnTheWorkArea) {
    const ClipDialogMetrics metrics{18, {6, 25}, {1280, 994}};  // SM_CYSIZE, frame, work area
    EXPECT_EQ(ClipDialogSize({750, 450}, metrics), (Size{869, 521}));  // the picture's
    EXPECT_EQ(ClipDialogSize({30, 15}, metrics), (Size{170, 350}));    // OK and cancel; the list panel
    // At 150 % the panels grow, the picture (the window's own pixels) does not.
    const ClipDialogMetrics at144{27, {8, 36}, {1280, 994}, 144};
    EXPECT_EQ(ClipDialogSize({750, 450}, at144), (Size{929, 557}));
    EXPECT_EQ(ClipDialogSize({30, 15}, at144), (Size{254, 524}));  // OK and cancel; the list panel
}

}  // namespace
}  // namespace vistrel
