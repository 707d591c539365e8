#include "common/AppIdentity.h"

#include <gtest/gtest.h>

#include <string>

namespace vistrel {
namespace {

// The title names the mutex and the registry key, so its bytes must be the
// code page 932 ones another build of the program would use.
TEST(AppIdentity, TitleIsShiftJis) {
    EXPECT_EQ(std::string(kAppTitle), "Vistrel \x83\xBF");
    EXPECT_EQ(std::string(kSettingsKey), std::string("Software\\Quillon\\") + kAppTitle);
}

}  // namespace
}  // namespace vistrel
