#include "common/AppIdentity.h"

#include <gtest/gtest.h>

#include <string>

#include "main/IntervalText.h"

namespace vistrel {
namespace {

// The title names the mutex and the registry key, so its bytes must be the
// code page 932 ones another build of the program would use.
TEST(AppIdentity, TitleIsShiftJis) {
    EXPECT_EQ(std::string(kAppTitle), "Vistrel \x83\xBF");
    EXPECT_EQ(std::string(kSettingsKey), std::string("Software\\Quillon\\") + kAppTitle);
}

TEST(AppIdentity, IntervalText) {
    EXPECT_EQ(IntervalText(1000), "1000ms");
    EXPECT_EQ(IntervalText(500), "500ms");
    EXPECT_EQ(IntervalText(0), "0ms");
    EXPECT_EQ(IntervalText(4294967295u), "4294967295ms");
}

}  // namespace
}  // namespace vistrel
