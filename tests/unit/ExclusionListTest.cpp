#include "exclusion/ExclusionList.h"
#include "exclusion/ListDat.h"

#include <gtest/gtest.h>

#include "AsciiCase.h"

namespace vistrel {
namespace {

using test::AsciiEqualIgnoreCase;

TEST(ExclusionList, AddsEachProgramOnce) {
    ExclusionList list(AsciiEqualIgnoreCase);
    EXPECT_TRUE(list.Empty());
    EXPECT_TRUE(list.AddUnique("C:\\Tools\\app.exe"));
    EXPECT_FALSE(list.AddUnique("c:\\TOOLS\\APP.EXE"));
    EXPECT_TRUE(list.AddUnique("C:\\Tools\\other.exe"));
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"C:\\Tools\\app.exe", "C:\\Tools\\other.exe"}));
    EXPECT_FALSE(list.Empty());
}

TEST(ExclusionList, WholeTextMatchesOnly) {
    ExclusionList list(AsciiEqualIgnoreCase);
    list.Replace({"C:\\Tools\\app.exe"});
    EXPECT_TRUE(list.Contains("C:\\TOOLS\\app.exe"));
    EXPECT_FALSE(list.Contains("C:\\Tools\\app.exe2"));
    EXPECT_FALSE(list.Contains("C:\\Tools"));
    EXPECT_FALSE(list.Contains(""));
}

// A window whose executable cannot be read has an empty path; excluding it
// must not exclude every other such window.
TEST(ExclusionList, AnEmptyPathIsNeverAdded) {
    ExclusionList list(AsciiEqualIgnoreCase);
    EXPECT_FALSE(list.AddUnique(""));
    EXPECT_TRUE(list.Empty());
    EXPECT_FALSE(list.Contains(""));
    list.AddUnique("C:\\a.exe");
    EXPECT_FALSE(list.AddUnique(""));
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"C:\\a.exe"}));
}

// Empty lines that list.dat holds stay in it, but exclude nothing.
TEST(ExclusionList, EmptyLinesOfTheFileAreKeptAndMatchNothing) {
    const std::string file = "C:\\a.exe\r\n\r\nC:\\b.exe\r\n\r\n";
    ExclusionList list(AsciiEqualIgnoreCase);
    list.Replace(ParseListDat(file));
    const struct {
        const char* path;
        bool excluded;
    } cases[] = {
        {"", false},
        {"C:\\a.exe", true},
        {"c:\\B.EXE", true},
        {"C:\\c.exe", false},
    };
    for (const auto& c : cases) EXPECT_EQ(list.Contains(c.path), c.excluded) << '"' << c.path << '"';
    EXPECT_FALSE(list.AddUnique(""));
    EXPECT_EQ(FormatListDat(list.Lines()), file);
}

TEST(ExclusionList, ReplaceTakesLinesAsTheyAre) {
    ExclusionList list(AsciiEqualIgnoreCase);
    list.AddUnique("C:\\old.exe");
    list.Replace({"C:\\a.exe", "C:\\A.exe", ""});
    EXPECT_EQ(list.Lines().size(), 3u);
    EXPECT_FALSE(list.Contains("C:\\old.exe"));
    list.Replace({});
    EXPECT_TRUE(list.Empty());
}

}  // namespace
}  // namespace vistrel
