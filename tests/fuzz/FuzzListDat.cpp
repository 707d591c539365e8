// list.dat as anything may have left it: every line comes back, the line ends
// become CR LF and nothing else changes, and the list built from it answers
// for every line it holds.

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "exclusion/ExclusionList.h"
#include "exclusion/ListDat.h"

namespace vistrel {
namespace {

// The file as the program writes it back: each line end (CR LF, CR or LF)
// as CR LF, and a last line without one given one.
std::string Rewritten(std::string_view bytes) {
    std::string text;
    bool open = false;  // a line has begun and not ended
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            text += "\r\n";
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            text += c;
            open = true;
        }
    }
    if (open) text += "\r\n";
    return text;
}

}  // namespace
}  // namespace vistrel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vistrel;
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::vector<std::string> lines = fuzz::NoThrow("ParseListDat", [&] { return ParseListDat(bytes); });

    size_t total = 0;
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        total += line.size();
    }
    FUZZ_CHECK(total <= size && lines.size() <= size);
    const std::string written = FormatListDat(lines);
    FUZZ_CHECK(written == Rewritten(bytes));
    FUZZ_CHECK(ParseListDat(written) == lines);
    FUZZ_CHECK(FormatListDat(ParseListDat(written)) == written);

    ExclusionList list([](const std::string& a, const std::string& b) { return a == b; });
    list.Replace(lines);
    FUZZ_CHECK(list.Lines() == lines);
    FUZZ_CHECK(!list.Contains(""));
    for (const std::string& line : lines) FUZZ_CHECK(line.empty() || list.Contains(line));
    return 0;
}
