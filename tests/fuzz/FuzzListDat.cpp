// list.dat as anything may have left it: every line comes back, the line ends
// become CR LF and nothing else changes in a file of the code page, and the
// list built from it answers for every line it holds.

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "exclusion/ExclusionList.h"
#include "exclusion/ListDat.h"
#include "../unit/Latin1CodePage.h"
#include "common/Utf16.h"

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
    using test::Latin1Decode;
    using test::Latin1Encode;
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::vector<std::u16string> lines =
        fuzz::NoThrow("ParseListDat", [&] { return ParseListDat(bytes, Latin1Decode); });

    for (const std::u16string& line : lines) FUZZ_CHECK(line.find_first_of(u"\r\n") == std::u16string::npos);
    FUZZ_CHECK(lines.size() <= size);
    const std::string written = FormatListDat(lines, Latin1Encode);
    // A file in the code page comes back as it was but for its line ends;
    // any file comes back with the same lines, and is then written alike.
    if (!bytes.starts_with(kUtf8Bom)) FUZZ_CHECK(written == Rewritten(bytes));
    FUZZ_CHECK(ParseListDat(written, Latin1Decode) == lines);
    FUZZ_CHECK(FormatListDat(ParseListDat(written, Latin1Decode), Latin1Encode) == written);

    ExclusionList list([](const std::u16string& a, const std::u16string& b) { return a == b; });
    list.Replace(lines);
    FUZZ_CHECK(list.Lines() == lines);
    FUZZ_CHECK(!list.Contains(u""));
    for (const std::u16string& line : lines) FUZZ_CHECK(line.empty() || list.Contains(line));
    return 0;
}
