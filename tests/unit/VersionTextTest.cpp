#include "common/VersionText.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vistrel {
namespace {

using namespace std::string_literals;

TEST(VersionText, ProductNameKeyFromTheFirstTranslation) {
    const struct {
        std::string translation;
        const char* key;
    } cases[] = {
        // Language 0x0411 (Japanese), code page 0x04B0 (Unicode), little-endian.
        {"\x11\x04\xB0\x04"s, "\\StringFileInfo\\041104B0\\ProductName"},
        {"\x09\x04\xE4\x04"s, "\\StringFileInfo\\040904E4\\ProductName"},
        {"\x09\x04\xB0\x04\x11\x04\xA4\x03"s, "\\StringFileInfo\\040904B0\\ProductName"},  // the first only
        {"\x00\x00\x00\x00"s, "\\StringFileInfo\\00000000\\ProductName"},
        {"\xFF\xFF\xFF\xFF"s, "\\StringFileInfo\\FFFFFFFF\\ProductName"},
        {"\x09\x04\xB0"s, ""},  // shorter than one entry: no language to ask in
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ProductNameKey(c.translation), c.key) << c.key;
}

TEST(VersionText, StringValuesAreBounded) {
    const std::string longName(300, 'n');
    const std::string japanese = std::string(254, 'x') + "表示";  // 表 would straddle byte 255
    const struct {
        const char* name;
        std::string bytes;
        size_t reported;
        std::string text;
    } cases[] = {
        {"up to the terminator", "Wine\0padding"s, 5, "Wine"},
        {"reported without the terminator", "Wine\0"s, 4, "Wine"},
        {"fewer characters reported", "Windows"s, 3, "Win"},
        {"more reported than the resource holds", "Wine"s, 100, "Wine"},
        {"nothing reported", "Wine\0"s, 0, ""},
        {"over 255 bytes", longName, 301, std::string(255, 'n')},
        {"over 255 bytes without a terminator", longName, 300, std::string(255, 'n')},
        {"a character that would be cut in half", japanese, japanese.size(), std::string(254, 'x')},
        {"exactly 255", std::string(255, 'y') + "\0"s, 256, std::string(255, 'y')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VersionString({c.bytes, c.reported}, ShiftJisLeadByte), c.text) << c.name;
}

// A resource as a table of keys; a key missing from it is not found.
VersionLookup Resource(const std::map<std::string, VersionValue>& values) {
    return [values](const std::string& key) -> std::optional<VersionValue> {
        const auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    };
}

TEST(VersionText, ProductNameOrEmpty) {
    const std::string translation = "\x11\x04\xB0\x04"s;
    const std::string key = "\\StringFileInfo\\041104B0\\ProductName";
    const std::string name = "Wine\0"s;
    // The values only view their bytes: the texts live as long as the cases.
    const std::string cutTranslation = translation.substr(0, 2);
    const std::string emptyName = "\0"s;
    const struct {
        const char* name;
        std::map<std::string, VersionValue> values;
        std::string expected;
    } cases[] = {
        {"found", {{kTranslationKey, {translation, 4}}, {key, {name, 5}}}, "Wine"},
        {"no translation", {{key, {name, 5}}}, ""},
        {"translation shorter than an entry", {{kTranslationKey, {translation, 3}}, {key, {name, 5}}}, ""},
        {"translation cut by the resource's end", {{kTranslationKey, {cutTranslation, 4}}, {key, {name, 5}}}, ""},
        {"no name in that language", {{kTranslationKey, {translation, 4}}, {"\\StringFileInfo\\040904B0\\ProductName", {name, 5}}}, ""},
        {"an empty name", {{kTranslationKey, {translation, 4}}, {key, {emptyName, 1}}}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ProductName(Resource(c.values), ShiftJisLeadByte), c.expected) << c.name;
}

}  // namespace
}  // namespace vistrel
