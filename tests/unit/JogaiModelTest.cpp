#include "exclusion/JogaiModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vistrel {
namespace {

TEST(ExclusionDraft, DeletesExactlyTheSelectedLines) {
    const std::vector<std::u16string> lines = {u"C:\\a.exe", u"", u"C:\\b.exe", u"C:\\a.exe", u"D:\\c.exe"};
    const struct {
        const char* name;
        std::vector<bool> selected;
        std::vector<std::u16string> remaining;
        std::vector<int> removed;  // last first
    } cases[] = {
        {"nothing selected", {false, false, false, false, false}, lines, {}},
        {"no flags at all", {}, lines, {}},
        {"one", {false, false, true, false, false}, {u"C:\\a.exe", u"", u"C:\\a.exe", u"D:\\c.exe"}, {2}},
        {"several apart", {true, false, true, false, true}, {u"", u"C:\\a.exe"}, {4, 2, 0}},
        {"the empty line", {false, true, false, false, false}, {u"C:\\a.exe", u"C:\\b.exe", u"C:\\a.exe", u"D:\\c.exe"}, {1}},
        {"one of two equal lines", {false, false, false, true, false}, {u"C:\\a.exe", u"", u"C:\\b.exe", u"D:\\c.exe"}, {3}},
        {"all", {true, true, true, true, true}, {}, {4, 3, 2, 1, 0}},
        {"fewer flags than lines", {false, true}, {u"C:\\a.exe", u"C:\\b.exe", u"C:\\a.exe", u"D:\\c.exe"}, {1}},
        {"more flags than lines", {false, false, false, false, true, true, true}, {u"C:\\a.exe", u"", u"C:\\b.exe", u"C:\\a.exe"}, {4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExclusionDraft draft(lines);
        EXPECT_EQ(draft.DeleteSelected(c.selected), c.removed);
        EXPECT_EQ(draft.Lines(), c.remaining);
    }
}

}  // namespace
}  // namespace vistrel
