#include "catalogue/CarryOver.h"

#include <gtest/gtest.h>

#include <climits>

namespace vistrel {
namespace {

WindowHandle H(uintptr_t n) {
    return reinterpret_cast<WindowHandle>(n);
}

WindowEntry Entry(uintptr_t handle, bool autoUpdate = true, int32_t clipIndex = 0, int clipX = -1) {
    WindowEntry e;
    e.handle = H(handle);
    e.autoUpdate = autoUpdate;
    e.clipIndex = clipIndex;
    if (clipX >= 0) {
        e.clips = std::make_unique<ClipSet>();
        (*e.clips)[0] = {clipX, 0, 50, 50};
    }
    return e;
}

TEST(CarryOver, AddMovesTheClippingSetIntoTheSnapshot) {
    CarryOverSnapshot snapshot;
    WindowEntry e = Entry(1, false, 3, 7);
    snapshot.Add(e, 0);
    EXPECT_EQ(e.clips, nullptr);
    ASSERT_EQ(snapshot.Records().size(), 1u);
    ASSERT_NE(snapshot.Records()[0].clips, nullptr);
    EXPECT_EQ((*snapshot.Records()[0].clips)[0].x, 7);
}

TEST(CarryOver, TakeOverRestoresMarksAndPosition) {
    CarryOverSnapshot snapshot;
    WindowEntry a = Entry(10), b = Entry(20, false, 4, 9), c = Entry(30);
    snapshot.Add(a, 0);
    snapshot.Add(b, 1);
    snapshot.Add(c, 2);

    WindowEntry fresh;
    std::string key = kNewPositionKey;
    ASSERT_TRUE(snapshot.TakeOver(H(20), fresh, key, true));
    EXPECT_EQ(key, "1");
    EXPECT_FALSE(fresh.autoUpdate);
    EXPECT_EQ(fresh.clipIndex, 4);
    ASSERT_NE(fresh.clips, nullptr);
    EXPECT_EQ((*fresh.clips)[0].x, 9);
    EXPECT_EQ(snapshot.Records()[1].clips, nullptr) << "clips are moved, not shared";

    WindowEntry unknown;
    std::string newKey = kNewPositionKey;
    EXPECT_FALSE(snapshot.TakeOver(H(99), unknown, newKey, true));
    EXPECT_EQ(newKey, "10000");
    EXPECT_TRUE(unknown.autoUpdate);
}

TEST(CarryOver, WithoutClippingOnlyTheMarkAndPositionTravel) {
    CarryOverSnapshot snapshot;
    WindowEntry old = Entry(5, false, 6, 1);
    snapshot.Add(old, 3);
    WindowEntry fresh;
    std::string key = kNewPositionKey;
    ASSERT_TRUE(snapshot.TakeOver(H(5), fresh, key, false));
    EXPECT_EQ(key, "3");
    EXPECT_FALSE(fresh.autoUpdate);
    EXPECT_EQ(fresh.clipIndex, 0);
    EXPECT_EQ(fresh.clips, nullptr);
    EXPECT_NE(snapshot.Records()[0].clips, nullptr) << "left to be discarded with the snapshot";
}

TEST(CarryOver, LaterDuplicateWinsAndNullHandleEndsTheSearch) {
    CarryOverSnapshot snapshot;
    WindowEntry first = Entry(7, false, 2, 1), second = Entry(7, true, 5), stop = Entry(0), after = Entry(8);
    snapshot.Add(first, 0);
    snapshot.Add(second, 1);
    snapshot.Add(stop, 2);
    snapshot.Add(after, 3);

    WindowEntry fresh;
    std::string key = kNewPositionKey;
    ASSERT_TRUE(snapshot.TakeOver(H(7), fresh, key, true));
    EXPECT_EQ(key, "1");
    EXPECT_TRUE(fresh.autoUpdate);
    EXPECT_EQ(fresh.clipIndex, 5);
    EXPECT_EQ(fresh.clips, nullptr) << "the later record had no clipping set";

    WindowEntry beyond;
    std::string beyondKey = kNewPositionKey;
    EXPECT_FALSE(snapshot.TakeOver(H(8), beyond, beyondKey, true));
    EXPECT_EQ(beyondKey, "10000");
}

TEST(CarryOver, PositionKeyValue) {
    const struct {
        const char* key;
        int32_t value;
    } cases[] = {
        {"0", 0}, {"7", 7}, {"10000", 10000}, {"-5", -5}, {"+12", 12}, {"007", 7},
        {"", 0}, {"-", 0}, {"+", 0}, {"12a", 0}, {" 3", 0}, {"3 ", 0}, {"$1F", 0}, {"1.5", 0},
        {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
        {"2147483648", 0}, {"-2147483649", 0}, {"99999999999999999999", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(PositionKeyValue(c.key), c.value) << '"' << c.key << '"';
}

int Lstrcmp(const std::u16string& a, const std::u16string& b) {
    return a.compare(b);
}

std::vector<std::u16string> Captions(const std::vector<SortItem>& items, const std::vector<size_t>& order) {
    std::vector<std::u16string> out;
    for (size_t i : order) out.push_back(items[i].caption);
    return out;
}

TEST(CarryOver, RefreshOrderKeepsOldOrderAndAppendsNewByTitle) {
    // Before: "Zeta" at 0, "Alpha" at 1. "Zeta" was renamed "Omega"; two new
    // windows appeared. Items come in enumeration order.
    const std::vector<SortItem> items = {
        {u"Delta", "10000"}, {u"Alpha", "1"}, {u"Charlie", "10000"}, {u"Omega", "0"},
    };
    EXPECT_EQ(Captions(items, RefreshOrder(items, Lstrcmp)),
              (std::vector<std::u16string>{u"Omega", u"Alpha", u"Charlie", u"Delta"}));
}

TEST(CarryOver, RefreshOrderTiesAndOddKeys) {
    const std::vector<SortItem> items = {
        {u"b", "x"},        // not a number: counts as 0
        {u"a", "0"},
        {u"same", "10000"}, // equal captions keep enumeration order
        {u"c", "-1"},
        {u"same", "10000"},
    };
    const std::vector<size_t> order = RefreshOrder(items, Lstrcmp);
    EXPECT_EQ(order, (std::vector<size_t>{3, 1, 0, 2, 4}));
}

TEST(CarryOver, RefreshOrderUsesTheInjectedComparison) {
    const std::vector<SortItem> items = {{u"a", "10000"}, {u"b", "10000"}, {u"c", "10000"}};
    const auto reversed = [](const std::u16string& x, const std::u16string& y) { return y.compare(x); };
    EXPECT_EQ(RefreshOrder(items, reversed), (std::vector<size_t>{2, 1, 0}));
    EXPECT_TRUE(RefreshOrder({}, Lstrcmp).empty());
}

TEST(CarryOver, PicturesStayInPlaceOnlyWhereNoneIsOverwrittenBeforeItsWindow) {
    struct Case {
        std::vector<int> lastPicture;
        int pictureCount;
        bool inPlace;
    };
    const Case cases[] = {
        {{0, 1, 2}, 3, true},     // the same windows in the same places
        {{0, -1, 2}, 3, true},    // a new window takes the place of one that went
        {{}, 0, true},            // nothing before, nothing now
        {{1, 0, 2}, 3, false},    // two windows change places
        {{0, 1}, 3, false},       // a window went: fewer pictures
        {{0, 1, 2, -1}, 3, false} // a window came: more pictures
    };
    for (const Case& c : cases)
        EXPECT_EQ(PicturesStayInPlace(c.lastPicture, c.pictureCount), c.inPlace) << ::testing::PrintToString(c.lastPicture);
}

}  // namespace
}  // namespace vistrel
