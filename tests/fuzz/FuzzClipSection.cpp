// The trm.ini section a window title is stored under. Titles come from other
// programs and may hold any byte: the name must survive the profile
// functions as a section name, and lead back to its title alone.

#include <string>

#include "FuzzCheck.h"
#include "clipping/ClipData.h"
#include "common/Mbcs.h"

namespace vistrel {
namespace {

constexpr std::string_view kEscaped = "~vistrel~";

int Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The title back from its section: an escaped name is the title's bytes in
// upper-case hex after the prefix; any other name is the title itself.
bool TitleOf(const std::string& name, std::string& title) {
    if (name.compare(0, kEscaped.size(), kEscaped) != 0) {
        title = name;
        return true;
    }
    const std::string_view hex = std::string_view(name).substr(kEscaped.size());
    if (hex.size() % 2 != 0) return false;
    title.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        if (Digit(hex[i]) < 0 || Digit(hex[i + 1]) < 0) return false;
        title += static_cast<char>(Digit(hex[i]) * 16 + Digit(hex[i + 1]));
    }
    return true;
}

}  // namespace
}  // namespace vistrel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vistrel;
    const std::string title(fuzz::Bytes(data, size));
    const std::string name = fuzz::NoThrow("ClipSectionName", [&] { return ClipSectionName(title, ShiftJisLeadByte); });
    FUZZ_CHECK(ClipSectionName(title, ShiftJisLeadByte) == name);

    std::string back;
    FUZZ_CHECK(TitleOf(name, back));
    FUZZ_CHECK(back == title);

    // "[" + name + "]" as a line of the file, read character by character in
    // the code page: no byte that ends a line or a C string anywhere, no "]"
    // before the closing one, and the closing one a character of its own
    // rather than the second byte of a cut-off character.
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    FUZZ_CHECK(FindChar(name + "]", ']', ShiftJisLeadByte) == name.size());
    // The profile functions skip blanks around a name and take ";" and "["
    // at the start of a line for a comment and a section.
    FUZZ_CHECK(name.front() != ';' && name.front() != '[');
    FUZZ_CHECK(name.front() != ' ' && name.front() != '\t');
    FUZZ_CHECK(name.back() != ' ' && name.back() != '\t');
    return 0;
}
