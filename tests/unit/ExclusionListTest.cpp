#include "exclusion/ExclusionList.h"

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

TEST(ExclusionList, EmptyLineMatchesUnreadablePaths) {
    ExclusionList list(AsciiEqualIgnoreCase);
    EXPECT_TRUE(list.AddUnique(""));
    EXPECT_FALSE(list.AddUnique(""));
    EXPECT_TRUE(list.Contains(""));
    EXPECT_FALSE(list.Contains("C:\\a.exe"));
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
