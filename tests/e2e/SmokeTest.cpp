// The two facts of the e2e machinery that no other e2e test would notice
// going wrong: each would let the tests pass without checking anything.
#include <gtest/gtest.h>

#include <string>

#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

TEST(TestWindowsProtocol, TextsAreShiftJis) {
    // Without -fexec-charset=CP932 every Japanese title, and the settings key,
    // would reach Windows as UTF-8: the driver and a program built the same way
    // would still agree with each other.
    EXPECT_EQ(std::string("ベータ"), "\x83\x78\x81\x5B\x83\x5E");
    EXPECT_EQ(std::string(kVistrelTitle), "Vistrel \x83\xBF");
}

// The picture's mark sits in the upper-left quarter of the middle, so a
// flipped or shifted capture differs from it.
TEST(TestWindowsProtocol, PictureHasAnAsymmetricMark) {
    const uint32_t c = 0x102030;
    EXPECT_EQ(protocol::PictureColourAt(c, 0, 0, 400, 200), c);
    EXPECT_EQ(protocol::PictureColourAt(c, 100, 50, 400, 200), protocol::InverseColour(c));
    EXPECT_EQ(protocol::PictureColourAt(c, 199, 99, 400, 200), protocol::InverseColour(c));
    EXPECT_EQ(protocol::PictureColourAt(c, 200, 99, 400, 200), c);
    EXPECT_EQ(protocol::PictureColourAt(c, 300, 150, 400, 200), c);
}

}  // namespace
}  // namespace vistrel::e2e
