#include "catalogue/Qualify.h"

#include <gtest/gtest.h>

#include "AsciiCase.h"
#include "common/AppIdentity.h"

namespace vistrel {
namespace {

using test::AsciiEqualIgnoreCase;

WindowFacts Ordinary() {
    WindowFacts f;
    f.width = 640;
    f.height = 480;
    f.title = u"Notepad";
    f.className = u"Notepad";
    f.visible = true;
    return f;
}

struct QualifyCase {
    const char* what;
    WindowFacts facts;
    bool inList;
    bool inVisible;
};

template <typename Change>
WindowFacts With(Change change) {
    WindowFacts f = Ordinary();
    change(f);
    return f;
}

TEST(Qualify, DecisionTable) {
    const QualifyCase cases[] = {
        {"ordinary window", Ordinary(), true, true},
        {"our title", With([](WindowFacts& f) { f.title = kAppTitle16; }), false, false},
        {"our title in capitals", With([](WindowFacts& f) { f.title = u"VISTREL α"; }), false, false},
        {"hint window", With([](WindowFacts& f) { f.className = u"THintWindow"; }), false, false},
        {"main window class", With([](WindowFacts& f) { f.className = u"tprintwnddlg"; }), false, false},
        {"level dialog", With([](WindowFacts& f) { f.className = u"TLebelDlg"; }), false, false},
        {"first sibling tool", With([](WindowFacts& f) { f.title = kSiblingToolTitle1; }), false, false},
        {"second sibling tool", With([](WindowFacts& f) { f.title = kSiblingToolTitle2; }), false, false},
        {"owned dialog", With([](WindowFacts& f) { f.hasOwner = true; }), false, true},
        {"zero-size application window", With([](WindowFacts& f) { f.width = f.height = 0; }), true, false},
        {"zero width only", With([](WindowFacts& f) { f.width = 0; }), true, false},
        {"child window", With([](WindowFacts& f) { f.hasParent = true; }), true, false},
        {"TApplication", With([](WindowFacts& f) { f.className = u"TApplication"; }), true, false},
        {"hidden", With([](WindowFacts& f) { f.visible = false; }), false, false},
        {"cloaked: another desktop, a suspended app", With([](WindowFacts& f) { f.cloaked = true; }), false, false},
        {"empty title", With([](WindowFacts& f) { f.title.clear(); }), false, false},
        {"desktop", With([](WindowFacts& f) { f.className = u"progman"; f.title = u"Program Manager"; }), false, false},
        {"Japanese title", With([](WindowFacts& f) { f.title = u"無題 - メモ帳"; }), true, true},
        {"title merely containing ours", With([](WindowFacts& f) { f.title = u"Vistrel α 2"; }), true, true},
    };
    for (const QualifyCase& c : cases) {
        EXPECT_EQ(Qualifies(c.facts, QualifyMode::List, AsciiEqualIgnoreCase), c.inList) << c.what;
        EXPECT_EQ(Qualifies(c.facts, QualifyMode::Visible, AsciiEqualIgnoreCase), c.inVisible) << c.what;
    }
}

TEST(Qualify, NamesCompareOnlyThroughTheInjectedPredicate) {
    // A predicate that never matches lets our own title through: no
    // comparison bypasses it.
    const auto never = [](const std::u16string&, const std::u16string&) { return false; };
    EXPECT_TRUE(Qualifies(With([](WindowFacts& f) { f.title = kAppTitle16; }), QualifyMode::List, never));
    EXPECT_TRUE(Qualifies(With([](WindowFacts& f) { f.className = u"Progman"; }), QualifyMode::List, never));
}

}  // namespace
}  // namespace vistrel

namespace vistrel {
namespace {

// The Win32 side gathers only the facts a mode's rules read (a round trip per
// fact under Wine): list mode never looks at the area or the parent, visible
// mode never at the owner. A rule that starts to must have its fact gathered.
TEST(Qualify, EachModeReadsOnlyItsOwnFacts) {
    for (const char16_t* title : {u"Notepad", u"", u"Vistrel α"}) {
        for (int variant = 0; variant < 4; ++variant) {
            WindowFacts plain = Ordinary();
            plain.title = title;
            plain.hasOwner = variant & 1;
            WindowFacts changed = plain;
            changed.width = 0;
            changed.height = 0;
            changed.hasParent = true;
            EXPECT_EQ(Qualifies(plain, QualifyMode::List, AsciiEqualIgnoreCase),
                      Qualifies(changed, QualifyMode::List, AsciiEqualIgnoreCase));

            plain.hasOwner = false;
            plain.hasParent = variant & 2;
            changed = plain;
            changed.hasOwner = true;
            EXPECT_EQ(Qualifies(plain, QualifyMode::Visible, AsciiEqualIgnoreCase),
                      Qualifies(changed, QualifyMode::Visible, AsciiEqualIgnoreCase));
        }
    }
}

}  // namespace
}  // namespace vistrel

#include "catalogue/WindowMemo.h"

namespace vistrel {
namespace {

// The change tick asks the owner last, and only of windows every other rule
// accepts: that gives the same answers because the owner rule only rejects.
TEST(Qualify, TheOwnerAskedLastGivesTheSameAnswers) {
    const WindowFacts variants[] = {
        Ordinary(), With([](WindowFacts& f) { f.title = kAppTitle16; }), With([](WindowFacts& f) { f.title.clear(); }),
        With([](WindowFacts& f) { f.visible = false; }), With([](WindowFacts& f) { f.className = u"Progman"; }),
    };
    for (WindowFacts facts : variants)
        for (bool owned : {false, true}) {
            facts.hasOwner = owned;
            WindowFacts withoutOwner = facts;
            withoutOwner.hasOwner = false;
            const bool lastAsked = Qualifies(withoutOwner, QualifyMode::List, AsciiEqualIgnoreCase) && !owned;
            EXPECT_EQ(Qualifies(facts, QualifyMode::List, AsciiEqualIgnoreCase), lastAsked) << owned;
        }
}

TEST(WindowMemo, AsksClassAndOwnerOncePerWindowTheRulesOncePerTitleAndForgetsWindowsNoLongerMet) {
    WindowMemo cache;
    int classReads = 0;
    int ownerReads = 0;
    const auto readOwned = [&] {
        ++ownerReads;
        return true;
    };
    int comparisons = 0;
    const auto readClass = [&] {
        ++classReads;
        return std::u16string(u"TApplication");
    };
    const TextEqualsIgnoreCase counting = [&](const std::u16string& a, const std::u16string& b) {
        ++comparisons;
        return AsciiEqualIgnoreCase(a, b);
    };
    const auto ask = [&](uint64_t window, std::u16string_view title, QualifyMode mode) {
        return cache.NamesQualify(window, title, mode, readClass, counting);
    };
    cache.BeginPass();
    EXPECT_TRUE(ask(1, u"Editor", QualifyMode::List));
    EXPECT_FALSE(ask(1, u"Editor", QualifyMode::Visible)) << "the verdict of each mode is kept";
    EXPECT_FALSE(ask(2, kAppTitle16, QualifyMode::List));
    EXPECT_TRUE(cache.Owned(1, readOwned));
    cache.EndPass();
    const int comparisonsOfTwoTitles = comparisons;

    cache.BeginPass();
    EXPECT_TRUE(ask(1, u"Editor", QualifyMode::List));
    EXPECT_EQ(comparisons, comparisonsOfTwoTitles) << "the same title is not compared again";
    EXPECT_FALSE(ask(1, kAppTitle16, QualifyMode::List)) << "a new title is";
    EXPECT_TRUE(cache.Owned(1, readOwned));
    cache.EndPass();
    EXPECT_EQ(classReads, 2);
    EXPECT_EQ(ownerReads, 1);
    EXPECT_EQ(cache.Size(), 1u) << "window 2 was not met";

    cache.BeginPass();
    EXPECT_FALSE(ask(2, kAppTitle16, QualifyMode::List));  // a window met again is asked again
    EXPECT_TRUE(cache.Owned(2, readOwned));
    cache.EndPass();
    EXPECT_EQ(classReads, 3);
    EXPECT_EQ(ownerReads, 2);
}

}  // namespace
}  // namespace vistrel
