#include "catalogue/ChangeCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace vistrel {
namespace {

TEST(ChangeCheck, ToolbarStates) {
    const ItemMarks open{false, false}, minimised{true, false}, parked{false, true};
    const ItemMarks parkedStillMarked{true, true};
    const struct {
        const char* what;
        std::vector<ItemMarks> selected;
        bool openOnly;
        int items;
        ToolbarStates expected;  // show, minimise, close, translucent, sort, move
    } cases[] = {
        {"empty list", {}, false, 0, {false, false, false, false, false, false}},
        {"nothing selected", {}, false, 2, {false, false, false, false, true, false}},
        {"only item selected", {open}, false, 1, {false, true, true, true, false, false}},
        {"one open of two", {open}, false, 2, {false, true, true, true, true, true}},
        {"one minimised of two", {minimised}, false, 2, {true, false, true, false, true, true}},
        {"mixed pair", {open, minimised}, false, 3, {true, true, true, true, true, false}},
        {"Open Only: parked counts as minimised", {parked}, true, 2, {true, false, true, false, true, true}},
        {"Open Only: minimised mark ignored", {minimised}, true, 2, {false, true, true, true, true, true}},
        {"normal mode: parked mark ignored", {parked}, false, 2, {false, true, true, true, true, true}},
        {"Open Only: both marks", {parkedStillMarked}, true, 2, {true, false, true, false, true, true}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComputeToolbarStates(c.selected, c.openOnly, c.items), c.expected) << c.what;
    }
}

TEST(ChangeCheck, ItemChanged) {
    const struct {
        bool marked, iconic;
        const char16_t* caption;
        const char16_t* title;
        bool openOnly, changed;
    } cases[] = {
        {false, false, u"a", u"a", false, false},
        {true, true, u"a", u"a", false, false},
        {false, true, u"a", u"a", false, true},   // minimised by the user
        {true, false, u"a", u"a", false, true},   // restored by the user
        {false, false, u"a", u"b", false, true},  // renamed
        {false, false, u"a", u"", false, true},   // closed: its title reads empty
        {false, false, u"a", u"a", true, false},
        {true, false, u"a", u"a", true, true},    // marked but not yet parked
        {false, true, u"a", u"a", true, true},    // minimised: to be parked
        {false, false, u"a", u"A", true, true},   // case matters
    };
    for (const auto& c : cases) {
        const ItemNow item{c.marked, c.iconic, c.caption, c.title};
        EXPECT_EQ(ItemChanged(item, c.openOnly), c.changed)
            << c.marked << c.iconic << ' ' << c.openOnly;
    }
}

// Items as the list shows them; each read is counted.
struct FakeList {
    std::vector<ItemNow> items;
    int qualifying = 0;
    int enumerations = 0;
    int reads = 0;
    int abortAt = -1;

    ChangeCheckInput Input(int asked, int columns, bool openOnly = false) {
        ChangeCheckInput in;
        in.askedColumns = asked;
        in.columnCount = columns;
        in.listedCount = static_cast<int>(items.size());
        in.openOnlyInForce = openOnly;
        in.countQualifying = [this] { ++enumerations; return qualifying; };
        in.readItem = [this](int i, ItemNow& out) {
            if (i == abortAt) return false;
            ++reads;
            out = items[static_cast<size_t>(i)];
            return true;
        };
        return in;
    }
};

TEST(ChangeCheck, KindsInOrder) {
    FakeList list;
    list.items = {{false, false, u"a", u"a"}, {false, true, u"b", u"b"}, {false, false, u"c", u"x"}};
    list.qualifying = 4;

    EXPECT_EQ(ChangeKind(list.Input(3, 2)), kLayoutChanged);
    EXPECT_EQ(list.enumerations, 0) << "a new layout needs no enumeration";

    EXPECT_EQ(ChangeKind(list.Input(2, 2)), kCountChanged);
    EXPECT_EQ(list.reads, 0);

    list.qualifying = 3;
    EXPECT_EQ(ChangeKind(list.Input(2, 2)), kItemChanged);
    EXPECT_EQ(list.reads, 2) << "stops at the first changed item";

    list.items[1].iconic = false;
    list.items[2].title = list.items[2].caption;  // renamed back
    list.reads = 0;
    EXPECT_EQ(ChangeKind(list.Input(2, 2)), kNoChange);
    EXPECT_EQ(list.reads, 3);

    // One listed window left as another came: as many as before.
    list.items[1].qualifies = false;
    EXPECT_EQ(ChangeKind(list.Input(2, 2)), kCountChanged);
}

TEST(ChangeCheck, AbandonedCheckReportsNoChange) {
    FakeList list;
    list.items = {{false, false, u"a", u"a"}, {false, false, u"b", u"renamed"}};
    list.qualifying = 2;
    list.abortAt = 1;
    EXPECT_EQ(ChangeKind(list.Input(1, 1)), kNoChange);
    EXPECT_EQ(list.reads, 1);
}

TEST(ChangeCheck, EmptyListWithNoWindows) {
    FakeList list;
    EXPECT_EQ(ChangeKind(list.Input(1, 1, true)), kNoChange);
    list.qualifying = 1;
    EXPECT_EQ(ChangeKind(list.Input(1, 1, true)), kCountChanged);
}

TEST(ChangeCheck, PassStepDue) {
    const struct {
        bool autoUpdate, minimized;
        int tick;
        bool hasClips, mainHidden, inView, due;
    } cases[] = {
        {true, false, 0, false, false, true, true},
        {true, false, 0, false, false, false, false},  // scrolled out of view
        {false, false, 0, false, false, true, false},
        {false, true, 5, true, true, true, false},   // the mark off wins
        {true, true, 0, false, false, true, false},
        {true, true, 4, false, false, true, false},
        {true, true, 5, false, false, true, true},   // every sixth pass
        {true, true, 5, false, false, false, false},
        {true, true, 0, true, true, false, true},    // clipping list shown: its regions
        {true, true, 0, true, false, true, false},
        {true, false, 0, false, true, true, false},  // nothing of it in the clipping list
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PassStepDue(c.autoUpdate, c.minimized, c.tick, c.hasClips, c.mainHidden, c.inView), c.due)
            << c.autoUpdate << c.minimized << c.tick << c.hasClips << c.mainHidden << c.inView;
    }
}

TEST(ChangeCheck, TickSequence) {
    std::vector<int> ticks;
    int counter = 0;
    for (int i = 0; i < 8; ++i) {
        ticks.push_back(counter);
        counter = NextTick(counter, false);
    }
    EXPECT_EQ(ticks, (std::vector<int>{0, 1, 2, 3, 4, 5, 0, 1}));
    for (int t = 0; t <= 5; ++t) EXPECT_EQ(NextTick(t, true), 0) << t;
}

TEST(ChangeCheck, PassMayStart) {
    EXPECT_TRUE(PassMayStart(true, false, 0));
    EXPECT_FALSE(PassMayStart(false, false, 0));
    EXPECT_FALSE(PassMayStart(true, true, 0));
    EXPECT_FALSE(PassMayStart(true, false, 2));
}

TEST(ChangeCheck, RegionPicturesKeepTheirPlacesInThePass) {  // cursor, count, total, renewed
    EXPECT_EQ(PlaceRegionPicture(2, 2, 4, false), RegionPicture::Append);  // a blank holds the place
    EXPECT_EQ(PlaceRegionPicture(3, 2, 4, true), RegionPicture::Keep);     // a place before it is missing
    EXPECT_EQ(PlaceRegionPicture(1, 4, 4, false), RegionPicture::Keep);    // no answer, or minimised
    EXPECT_EQ(PlaceRegionPicture(3, 4, 3, true), RegionPicture::Replace);  // windows left
}

}  // namespace
}  // namespace vistrel
