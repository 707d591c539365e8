#include "exclusion/ExclusionList.h"
#include "exclusion/ListDat.h"

#include <gtest/gtest.h>

#include "AsciiCase.h"
#include "Latin1CodePage.h"

namespace vistrel {
namespace {

using test::AsciiEqualIgnoreCase;

TEST(ExclusionList, AddsEachProgramOnce) {
    ExclusionList list(AsciiEqualIgnoreCase);
    EXPECT_TRUE(list.Empty());
    EXPECT_TRUE(list.AddUnique(u"C:\\Tools\\app.exe"));
    EXPECT_FALSE(list.AddUnique(u"c:\\TOOLS\\APP.EXE"));
    EXPECT_TRUE(list.AddUnique(u"C:\\Tools\\other.exe"));
    EXPECT_EQ(list.Lines(), (std::vector<std::u16string>{u"C:\\Tools\\app.exe", u"C:\\Tools\\other.exe"}));
    EXPECT_FALSE(list.Empty());
}

TEST(ExclusionList, WholeTextMatchesOnly) {
    ExclusionList list(AsciiEqualIgnoreCase);
    list.Replace({u"C:\\Tools\\app.exe"});
    EXPECT_TRUE(list.Contains(u"C:\\TOOLS\\app.exe"));
    EXPECT_FALSE(list.Contains(u"C:\\Tools\\app.exe2"));
    EXPECT_FALSE(list.Contains(u"C:\\Tools"));
    EXPECT_FALSE(list.Contains(u""));
}

// A window whose executable cannot be read has an empty path; excluding it
// must not exclude every other such window.
TEST(ExclusionList, AnEmptyPathIsNeverAdded) {
    ExclusionList list(AsciiEqualIgnoreCase);
    EXPECT_FALSE(list.AddUnique(u""));
    EXPECT_TRUE(list.Empty());
    EXPECT_FALSE(list.Contains(u""));
    list.AddUnique(u"C:\\a.exe");
    EXPECT_FALSE(list.AddUnique(u""));
    EXPECT_EQ(list.Lines(), (std::vector<std::u16string>{u"C:\\a.exe"}));
}

// Empty lines that list.dat holds stay in it, but exclude nothing.
TEST(ExclusionList, EmptyLinesOfTheFileAreKeptAndMatchNothing) {
    const std::string file = "C:\\a.exe\r\n\r\nC:\\b.exe\r\n\r\n";
    ExclusionList list(AsciiEqualIgnoreCase);
    list.Replace(ParseListDat(file, test::Latin1Decode));
    const struct {
        const char16_t* path;
        bool excluded;
    } cases[] = {
        {u"", false},
        {u"C:\\a.exe", true},
        {u"c:\\B.EXE", true},
        {u"C:\\c.exe", false},
    };
    for (const auto& c : cases) EXPECT_EQ(list.Contains(c.path), c.excluded) << c.excluded;
    EXPECT_FALSE(list.AddUnique(u""));
    EXPECT_EQ(FormatListDat(list.Lines(), test::Latin1Encode), file);
}

TEST(ExclusionList, ReplaceTakesLinesAsTheyAre) {
    ExclusionList list(AsciiEqualIgnoreCase);
    list.AddUnique(u"C:\\old.exe");
    list.Replace({u"C:\\a.exe", u"C:\\A.exe", u""});
    EXPECT_EQ(list.Lines().size(), 3u);
    EXPECT_FALSE(list.Contains(u"C:\\old.exe"));
    list.Replace({});
    EXPECT_TRUE(list.Empty());
}

}  // namespace
}  // namespace vistrel
