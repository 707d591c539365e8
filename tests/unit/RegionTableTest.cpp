#include "clipping/RegionTable.h"

#include <gtest/gtest.h>

#include "clipping/TrimViewLayout.h"

namespace vistrel {
namespace {

WindowHandle H(int n) { return reinterpret_cast<WindowHandle>(static_cast<intptr_t>(n)); }

ClipSet Set(int regions) {
    ClipSet set{};
    for (int i = 0; i < regions; ++i) set[i] = {i, i, 20, 20};
    return set;
}

std::vector<int> Pictures(const std::vector<RegionRow>& rows) {
    std::vector<int> pictures;
    for (const RegionRow& row : rows) pictures.push_back(row.pictureIndex);
    return pictures;
}

TEST(RegionTable, RowsFollowTheListAndTheSlotsLeavingOutWhatTakesNoPart) {
    const ClipSet three = Set(3), two = Set(2);
    const std::vector<RegionSource> items = {
        {H(1), true, &three, 1u << 1},  // slot 1 removed from the list window
        {H(2), true, nullptr, 0},       // no clipping
        {H(3), false, &two, 0},         // not updated automatically
        {H(4), true, &two, 0},
    };
    const std::vector<RegionRow> rows = BuildRegionTable(items);
    ASSERT_EQ(rows.size(), 4u);
    const RegionRow expected[] = {{H(1), 0, 0, 0}, {H(1), 1, 0, 2}, {H(4), 2, 3, 0}, {H(4), 3, 3, 1}};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].handle, expected[i].handle) << i;
        EXPECT_EQ(rows[i].pictureIndex, expected[i].pictureIndex) << i;
        EXPECT_EQ(rows[i].listIndex, expected[i].listIndex) << i;
        EXPECT_EQ(rows[i].rectIndex, expected[i].rectIndex) << i;
    }
}

TEST(RegionTable, ANewListRenewsTheRowsOnlyWhenThePicturesWouldStandForOtherRegions) {
    const ClipSet two = Set(2), one = Set(1);
    const RegionSource a{H(1), true, &two, 0}, thinnedA{H(1), true, &two, 1u << 1}, b{H(2), true, &one, 0};
    std::vector<RegionRow> arranged = BuildRegionTable({a, {H(3), true, nullptr, 0}, b});
    MoveRow(arranged, 0, 2);
    DeleteRow(arranged, 0);  // A's slot 1
    std::vector<RegionRow> rows = arranged;
    EXPECT_FALSE(RenewRegionRows(rows, BuildRegionTable({thinnedA, b})));  // the window without clips left
    EXPECT_EQ(Pictures(rows), Pictures(arranged));
    EXPECT_EQ(rows[0].listIndex, 1) << "B's new place";
    for (const auto& list : {std::vector{b, thinnedA}, std::vector{a, b}, std::vector{thinnedA}}) {
        rows = arranged;
        EXPECT_TRUE(RenewRegionRows(rows, BuildRegionTable(list)));
        EXPECT_EQ(Pictures(rows), Pictures(BuildRegionTable(list)));
    }
}

TEST(RegionTable, RenewedRowsTakeThePicturesOfTheirOwnRegions) {
    const ClipSet two = Set(2), one = Set(1);
    const RegionSource a{H(1), true, &two, 0}, b{H(2), true, &one, 0}, c{H(3), true, &one, 0};
    std::vector<RegionRow> before = BuildRegionTable({a, b});  // pictures A0 A1 B0
    MoveRow(before, 2, 0);                                        // shown B0 A0 A1
    // A left; C came: B0 keeps its picture, C has none yet.
    std::vector<RegionRow> rows = before;
    ASSERT_TRUE(RenewRegionRows(rows, BuildRegionTable({b, c})));
    EXPECT_EQ(PictureSources(before, rows), (std::vector<int>{2, -1}));
    // Reordered: each picture follows its region.
    rows = before;
    ASSERT_TRUE(RenewRegionRows(rows, BuildRegionTable({b, a})));
    EXPECT_EQ(PictureSources(before, rows), (std::vector<int>{2, 0, 1}));
}

TEST(RegionTable, MovesKeepPicturesAndRefuseWhatIsOutside) {
    struct Case {
        int from, to;
        bool moved;
        std::vector<int> pictures;
    } cases[] = {
        {0, 3, true, {1, 2, 3, 0, 4}},  // last of the first four, the others one place earlier
        {3, 0, true, {3, 0, 1, 2, 4}},
        {2, 2, false, {0, 1, 2, 3, 4}},
        {0, 5, false, {0, 1, 2, 3, 4}},  // an empty cell
        {-1, 2, false, {0, 1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        std::vector<RegionRow> rows(5);
        for (int i = 0; i < 5; ++i) rows[i].pictureIndex = i;
        EXPECT_EQ(MoveRow(rows, c.from, c.to), c.moved) << c.from << "->" << c.to;
        EXPECT_EQ(Pictures(rows), c.pictures) << c.from << "->" << c.to;
    }
}

TEST(RegionTable, DeleteMovesTheLaterPicturesDown) {
    std::vector<RegionRow> rows(4);
    const int pictures[] = {2, 0, 3, 1};  // rearranged by drags
    for (int i = 0; i < 4; ++i) rows[i].pictureIndex = pictures[i];
    EXPECT_TRUE(DeleteRow(rows, 1));
    EXPECT_EQ(Pictures(rows), (std::vector<int>{1, 2, 0}));
    EXPECT_FALSE(DeleteRow(rows, 3));
    EXPECT_FALSE(DeleteRow(rows, -1));
    EXPECT_EQ(rows.size(), 3u);
}

TEST(RegionTable, ARowFindsItsWindowWhereverTheListMovedIt) {
    const std::vector<WindowHandle> items = {H(7), H(8), H(9)};
    EXPECT_EQ(ItemOfRow({H(8), 0, 1, 0}, items), 1);
    EXPECT_EQ(ItemOfRow({H(9), 0, 0, 0}, items), 2);   // moved
    EXPECT_EQ(ItemOfRow({H(9), 0, 12, 0}, items), 2);  // the list shrank
    EXPECT_EQ(ItemOfRow({H(5), 0, 1, 0}, items), -1);  // left the list
    EXPECT_EQ(ItemOfRow({nullptr, 0, 4, 0}, {nullptr}), -1);
}

TEST(TrimViewLayout, ColumnsRowsAndTheSliverRow) {
    struct Case {
        int count, columns;
        GridShape shape;
    } cases[] = {
        {5, 3, {3, 2, false}}, {6, 3, {3, 3, true}}, {4, 10, {4, 2, true}},
        {1, 1, {1, 2, true}},  {0, 3, {0, 0, false}}, {7, 0, {0, 0, false}},
    };
    for (const Case& c : cases) {
        const GridShape shape = LayOutRegions(c.count, c.columns);
        EXPECT_EQ(shape.columns, c.shape.columns) << c.count << "/" << c.columns;
        EXPECT_EQ(shape.rows, c.shape.rows) << c.count << "/" << c.columns;
        EXPECT_EQ(shape.lastRowEmpty, c.shape.lastRowEmpty) << c.count << "/" << c.columns;
    }
}

TEST(TrimViewLayout, CellsAndDrops) {
    EXPECT_EQ(ZoomedCell(140, 120, 50).width, 70);
    EXPECT_EQ(ZoomedCell(140, 120, 50).height, 60);
    EXPECT_EQ(ZoomedCell(2000000000, 7, 300).width, INT32_MAX);
    EXPECT_EQ(RegionAt(1, 1, 3, 5), 4);
    EXPECT_EQ(RegionAt(2, 1, 3, 5), -1);  // the grey cell after the last picture
    EXPECT_EQ(RegionAt(3, 0, 3, 5), -1);
    EXPECT_EQ(RegionAt(0, 0, 3, 0), -1);
    EXPECT_TRUE(DropAllowed(0, 3));
    EXPECT_FALSE(DropAllowed(0, -1));
    EXPECT_FALSE(DropAllowed(-1, 2));
}

TEST(TrimViewLayout, TintKeepsThePartOfTheDistanceItsWeightSays) {
    // Two pixels in a row with a padded stride: blue, green, red, unused.
    uint8_t pixels[12] = {255, 255, 255, 9, 0, 128, 64, 9, 0xEE, 0xEE, 0xEE, 0xEE};
    TintPixels(pixels, 2, 1, 12, kSelectedTint, kSelectedTintWeight);
    // Navy is blue 128: 128 + ((255 - 128) * 151 >> 8) = 202; 0 + (255 * 151 >> 8) = 150.
    const uint8_t expected[12] = {202, 150, 150, 9, 52, 75, 37, 9, 0xEE, 0xEE, 0xEE, 0xEE};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(pixels[i], expected[i]) << i;
}

}  // namespace
}  // namespace vistrel
