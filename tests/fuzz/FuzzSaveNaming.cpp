// The names pictures are saved under, made from window titles (any UTF-16 a
// program puts in its title, lone surrogates too) and from what the save
// dialog returns.

#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "common/SaveNaming.h"
#include "common/Utf16.h"

namespace {

bool EndsInHighSurrogate(const std::u16string& text) { return !text.empty() && vistrel::IsHighSurrogate(text.back()); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vistrel;
    fuzz::Input input(data, size);
    const uint8_t choices = input.Byte();
    const bool titleIsFolder = (choices & 1) != 0;
    const int filterIndex = choices >> 1 & 3;
    const int position = static_cast<int>(input.Number<uint16_t>());
    const std::string_view rest = input.Rest();
    std::u16string name;
    for (size_t i = 0; i + 1 < rest.size(); i += 2)
        name += static_cast<char16_t>(static_cast<uint8_t>(rest[i]) << 8 | static_cast<uint8_t>(rest[i + 1]));

    const std::u16string extension = SaveExtension(filterIndex);
    FUZZ_CHECK(extension == (filterIndex == 1 ? u".bmp" : u".jpg"));

    // The base name is the name up to its extension's dot, after the last
    // separator. Half a character at its end is no part of it: the extension
    // would become its second half.
    const std::u16string base = fuzz::NoThrow("BaseName", [&] { return BaseName(name); });
    FUZZ_CHECK(name.compare(0, base.size(), base) == 0);
    FUZZ_CHECK(!EndsInHighSurrogate(base));
    // What follows the base is lone high surrogates, then the extension.
    const size_t dot = name.find_last_of(u'.');
    const size_t cut = std::min(dot, name.size());
    for (size_t i = base.size(); i < cut; ++i) FUZZ_CHECK(IsHighSurrogate(name[i]));
    if (dot != std::u16string::npos && dot >= base.size()) {
        const size_t separator = name.find_last_of(u"\\/:");
        FUZZ_CHECK(separator == std::u16string::npos || separator < dot);
    }

    // The extension the program forces is the one the file ends up with, and
    // forcing it again changes nothing.
    const std::u16string forced = ForceExtension(name, extension);
    FUZZ_CHECK(forced == base + extension);
    FUZZ_CHECK(BaseName(forced) == base);
    FUZZ_CHECK(ForceExtension(forced, extension) == forced);

    // Several pictures: the position stands between the base and the
    // extension, and reads back as part of the base.
    const std::u16string numbered = NumberedName(base, position, extension);
    FUZZ_CHECK(BaseName(numbered) + extension == numbered);

    // The proposal for a title: the title itself, or for a folder its last
    // component, which holds no separator.
    const std::u16string proposed = fuzz::NoThrow("ProposedName", [&] { return ProposedName(name, titleIsFolder); });
    if (!titleIsFolder) {
        FUZZ_CHECK(proposed == name);
    } else {
        FUZZ_CHECK(name.find(proposed) != std::u16string::npos);
        FUZZ_CHECK(proposed.find_last_of(u"\\/:") == std::u16string::npos);
    }
    return 0;
}
