#include <gtest/gtest.h>

#include <cstring>

#include "main/SortOrder.h"
#include "catalogue/ChangeRecord.h"

namespace vistrel {
namespace {

// A locale's word order in small: letters by their lower case first.
int WordOrder(const std::u16string& a, const std::u16string& b) {
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : int{c}; };
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int la = lower(a[i]), lb = lower(b[i]);
        if (la != lb) return la - lb;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

TEST(SortOrder, EachKeyKeepsTheOrderOfEqualItems) {
    const std::vector<ListOrderItem> items = {
        {u"beta", false, true, u"b.exe"}, {u"Alpha", true, false, u"A.exe"}, {u"alpha", false, false, u"b.exe"},
        {u"Gamma", true, true, u"a.exe"}, {u"delta", false, true, u""},
    };
    struct Case {
        SortKey key;
        std::vector<size_t> order;
    } cases[] = {
        // "Alpha" and "alpha" are equal words: their previous order stays.
        {SortKey::Title, {1, 2, 0, 4, 3}},
        {SortKey::Clipping, {1, 3, 0, 2, 4}},
        {SortKey::AutoUpdate, {0, 3, 4, 1, 2}},
        // One program's windows side by side, by title among them; an
        // unknown program first.
        {SortKey::Program, {4, 1, 3, 2, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(SortOrderOf(items, c.key, WordOrder), c.order) << int(c.key);
    EXPECT_EQ(SortKeyOfTag(3), SortKey::Program);
    EXPECT_EQ(SortKeyOfTag(7), SortKey::Title);
    EXPECT_TRUE(SortOrderOf({}, SortKey::Title, WordOrder).empty());
}

TEST(TranslucencyRecord, TheFirstChangeOfAWindowIsWhatTheEndGivesBack) {
    const uint64_t plain = 1, ownLayered = 2, unreadable = 3;
    const auto restoreOf = [](const ChangeRecord& record, uint64_t window) {
        return RestoreOf(*record.Find(window)->layer);
    };
    const ProcessIdentity owner{7, 0x1D0};
    ChangeRecord record;
    record.NoteLayering(plain, owner, false, std::nullopt, 0);
    record.NoteLayering(plain, owner, true, LayeredAttributes{0, 0, 2}, 128);  // our own layering, later
    record.NoteLayering(ownLayered, owner, true, LayeredAttributes{0, 200, 2}, 0);
    record.NoteLayering(unreadable, owner, true, std::nullopt, 0);
    ASSERT_EQ(record.Changes().size(), 3u);
    EXPECT_EQ(restoreOf(record, plain), LayeredRestore::RemoveStyle);
    EXPECT_EQ(record.Find(plain)->layer->given, 128);
    EXPECT_EQ(record.Find(plain)->layer->earlier, 0) << "the window may still show the opacity before";
    EXPECT_EQ(restoreOf(record, ownLayered), LayeredRestore::RestoreAttributes);
    EXPECT_EQ(record.Find(ownLayered)->layer->own->alpha, 200);
    EXPECT_EQ(restoreOf(record, unreadable), LayeredRestore::MakeOpaque) << "never left invisible";
    record.ForgetLayer(plain);
    EXPECT_EQ(record.Changes().size(), 2u);

    // Released while it did not answer: kept until its style is gone, also
    // a window the program never changed; layered again, it is no longer
    // released, and no retry of the release takes its new opacity away.
    const uint64_t stranger = 4;
    EXPECT_FALSE(record.AnyReleased());
    record.NoteReleased(ownLayered, owner);
    record.NoteReleased(stranger, owner);
    ASSERT_EQ(record.Changes().size(), 3u);
    EXPECT_TRUE(record.AnyReleased());
    EXPECT_EQ(restoreOf(record, ownLayered), LayeredRestore::RemoveStyle);
    EXPECT_EQ(restoreOf(record, stranger), LayeredRestore::RemoveStyle);
    record.NoteLayering(ownLayered, owner, true, std::nullopt, 90);
    record.NoteLayering(stranger, owner, true, std::nullopt, 90);
    EXPECT_FALSE(record.AnyReleased());
    EXPECT_EQ(restoreOf(record, ownLayered), LayeredRestore::RestoreAttributes);
}

}  // namespace
}  // namespace vistrel
