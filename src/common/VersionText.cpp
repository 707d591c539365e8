#include "common/VersionText.h"

#include <algorithm>
#include <cstdio>

namespace vistrel {

std::string ProductNameKey(std::string_view translation) {
    if (translation.size() < 4) return {};
    auto byte = [&](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(translation[i])); };
    const unsigned language = byte(0) | (byte(1) << 8);
    const unsigned codePage = byte(2) | (byte(3) << 8);
    char key[64];
    std::snprintf(key, sizeof key, "\\StringFileInfo\\%04X%04X\\ProductName", language, codePage);
    return key;
}

std::string VersionString(const VersionValue& value, LeadBytePredicate isLeadByte) {
    std::string_view text = value.bytes.substr(0, std::min(value.reported, value.bytes.size()));
    text = text.substr(0, std::min(text.find('\0'), text.size()));
    return std::string(CutToBytes(text, kMaxProductName, isLeadByte));
}

std::string ProductName(const VersionLookup& lookup, LeadBytePredicate isLeadByte) {
    const std::optional<VersionValue> translation = lookup(kTranslationKey);
    if (!translation) return {};
    const std::string key =
        ProductNameKey(translation->bytes.substr(0, std::min(translation->reported, translation->bytes.size())));
    if (key.empty()) return {};
    const std::optional<VersionValue> name = lookup(key);
    return name ? VersionString(*name, isLeadByte) : std::string();
}

}  // namespace vistrel
