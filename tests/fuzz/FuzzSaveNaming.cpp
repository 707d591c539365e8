// The names pictures are saved under, made from window titles (any bytes a
// program puts in its title) and from what the save dialog returns.

#include <string>

#include "FuzzCheck.h"
#include "common/Mbcs.h"
#include "common/SaveNaming.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vistrel;
    constexpr LeadBytePredicate lead = ShiftJisLeadByte;
    fuzz::Input input(data, size);
    const uint8_t choices = input.Byte();
    const bool titleIsFolder = (choices & 1) != 0;
    const int filterIndex = choices >> 1 & 3;
    const int position = static_cast<int>(input.Number<uint16_t>());
    const std::string name(input.Rest());

    const std::string extension = SaveExtension(filterIndex);
    FUZZ_CHECK(extension == (filterIndex == 1 ? ".bmp" : ".jpg"));

    // The base name is the name up to its extension's dot, a character of its
    // own after the last separator. A character cut off at the end (a lead
    // byte without its trail) is no part of it: it would swallow the dot of
    // the extension given to it.
    const std::string base = fuzz::NoThrow("BaseName", [&] { return BaseName(name, lead); });
    FUZZ_CHECK(name.compare(0, base.size(), base) == 0);
    const std::string_view rest = std::string_view(name).substr(base.size());
    if (!rest.empty() && !(rest.size() == 1 && EndsInCutOffCharacter(name, lead))) {
        const size_t dot = FindLastOf(name, ".", lead);
        FUZZ_CHECK(dot == base.size());
        const size_t separator = FindLastOf(name, "\\/:", lead);
        FUZZ_CHECK(separator == std::string::npos || separator < dot);
    }
    FUZZ_CHECK(!EndsInCutOffCharacter(base, lead));

    // The extension the program forces is the one the file ends up with, and
    // forcing it again changes nothing.
    const std::string forced = ForceExtension(name, extension, lead);
    FUZZ_CHECK(forced == base + extension);
    FUZZ_CHECK(FindLastOf(forced, ".", lead) == base.size());
    FUZZ_CHECK(BaseName(forced, lead) == base);
    FUZZ_CHECK(ForceExtension(forced, extension, lead) == forced);

    // Several pictures: the position stands between the base and the
    // extension, and reads back as part of the base.
    const std::string numbered = NumberedName(base, position, extension);
    FUZZ_CHECK(BaseName(numbered, lead) == base + std::to_string(position));
    FUZZ_CHECK(BaseName(numbered, lead) + extension == numbered);

    // The proposal for a title: the title itself, or for a folder its last
    // component, which holds no separator.
    const std::string proposed = fuzz::NoThrow("ProposedName", [&] { return ProposedName(name, titleIsFolder, lead); });
    if (!titleIsFolder) {
        FUZZ_CHECK(proposed == name);
    } else {
        FUZZ_CHECK(name.find(proposed) != std::string::npos);
        FUZZ_CHECK(FindLastOf(proposed, "\\/:", lead) == std::string::npos);
    }
    (void)CannotWriteMessage(name);
    return 0;
}
