// One value written into the text of trm.ini, every other byte kept.

#include "common/IniText.h"

#include <gtest/gtest.h>

#include <string>

#include "AsciiCase.h"

namespace vistrel {
namespace {

std::string Write(const std::string& text, const std::string& section, const std::string& key,
                  const std::string& value) {
    return WithIniValue(text, section, key, value, [](std::string_view a, std::string_view b) {
        return test::AsciiEqualIgnoreCase(std::string(a), std::string(b));
    });
}

TEST(IniText, OneValueWrittenAsTheProfileFunctionsWould) {
    struct Case {
        const char* what;
        std::string before, section, key, value, after;
    };
    const Case cases[] = {
        {"an empty file", "", "Win", "Trm", "1", "[Win]\r\nTrm=1\r\n"},
        {"a new section at the end, after a line without its ending", "[A]\r\nx=1", "B", "Trm", "2",
         "[A]\r\nx=1\r\n[B]\r\nTrm=2\r\n"},
        {"the key replaced in place, letter case aside, its line ending kept",
         "[A]\nx=1\n[Win]\n trm = old\nz=3\n", "win", "Trm", "new", "[A]\nx=1\n[Win]\nTrm=new\nz=3\n"},
        {"a new key after the section's last line, before its blank lines",
         "[Win]\r\na=1\r\n\r\n[Next]\r\nTrm=9\r\n", "Win", "Trm", "5",
         "[Win]\r\na=1\r\nTrm=5\r\n\r\n[Next]\r\nTrm=9\r\n"},
        {"only the first section of the name; comments and odd lines stay",
         "; note\r\n[Win]\r\nnoise\r\n[Win]\r\nTrm=x\r\n", "Win", "Trm", "7",
         "; note\r\n[Win]\r\nnoise\r\nTrm=7\r\n[Win]\r\nTrm=x\r\n"},
        {"a title in Shift-JIS as the section", "", "\x83\x81\x83\x82", "Trm", "1",
         "[\x83\x81\x83\x82]\r\nTrm=1\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Write(c.before, c.section, c.key, c.value), c.after) << c.what;
}

}  // namespace
}  // namespace vistrel
