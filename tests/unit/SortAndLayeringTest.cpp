#include <gtest/gtest.h>

#include <cstring>

#include "main/SortOrder.h"
#include "main/TranslucencyRecord.h"

namespace vistrel {
namespace {

// A locale's word order in small: letters by their lower case first.
int WordOrder(const std::string& a, const std::string& b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int la = std::tolower(static_cast<unsigned char>(a[i])), lb = std::tolower(static_cast<unsigned char>(b[i]));
        if (la != lb) return la - lb;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

TEST(SortOrder, EachKeyKeepsTheOrderOfEqualItems) {
    const std::vector<ListOrderItem> items = {
        {"beta", false, true}, {"Alpha", true, false}, {"alpha", false, false}, {"Gamma", true, true}, {"delta", false, true},
    };
    struct Case {
        SortKey key;
        std::vector<size_t> order;
    } cases[] = {
        // "Alpha" and "alpha" are equal words: their previous order stays.
        {SortKey::Title, {1, 2, 0, 4, 3}},
        {SortKey::Clipping, {1, 3, 0, 2, 4}},
        {SortKey::AutoUpdate, {0, 3, 4, 1, 2}},
    };
    for (const Case& c : cases) EXPECT_EQ(SortOrderOf(items, c.key, WordOrder), c.order) << int(c.key);
    EXPECT_EQ(SortKeyOfTag(7), SortKey::Title);
    EXPECT_TRUE(SortOrderOf({}, SortKey::Title, WordOrder).empty());
}

TEST(TranslucencyRecord, TheFirstChangeOfAWindowIsWhatTheEndGivesBack) {
    void* const plain = reinterpret_cast<void*>(1);
    void* const ownLayered = reinterpret_cast<void*>(2);
    void* const unreadable = reinterpret_cast<void*>(3);
    TranslucencyRecord record;
    record.NoteBefore({plain, false, std::nullopt});
    record.NoteBefore({plain, true, LayeredAttributes{0, 0, 2}});  // our own layering, later
    record.NoteBefore({ownLayered, true, LayeredAttributes{0, 200, 2}});
    record.NoteBefore({unreadable, true, std::nullopt});
    record.NoteBefore({nullptr, false, std::nullopt});
    ASSERT_EQ(record.Changed().size(), 3u);
    EXPECT_EQ(RestoreOf(record.Changed()[0]), LayeredRestore::RemoveStyle);
    EXPECT_EQ(RestoreOf(record.Changed()[1]), LayeredRestore::RestoreAttributes);
    EXPECT_EQ(record.Changed()[1].attributes->alpha, 200);
    EXPECT_EQ(RestoreOf(record.Changed()[2]), LayeredRestore::MakeOpaque) << "never left invisible";
    record.Forget(plain);
    EXPECT_EQ(record.Changed().size(), 2u);

    // Released while it did not answer: kept until its style is gone, also
    // a window the program never changed.
    void* const stranger = reinterpret_cast<void*>(4);
    EXPECT_FALSE(record.AnyReleased());
    record.NoteReleased(ownLayered);
    record.NoteReleased(stranger);
    ASSERT_EQ(record.Changed().size(), 3u);
    EXPECT_TRUE(record.AnyReleased());
    EXPECT_EQ(RestoreOf(record.Changed()[0]), LayeredRestore::RemoveStyle);
    EXPECT_EQ(RestoreOf(record.Changed()[2]), LayeredRestore::RemoveStyle);
}

}  // namespace
}  // namespace vistrel
