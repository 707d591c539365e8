#include "platform/VersionInfo.h"

#include <vector>

#include "common/VersionText.h"
#include "platform/Locale.h"
#include "platform/Text.h"

namespace vistrel::platform {

VersionInfoApi VersionInfoApi::Load() {
    VersionInfoApi api;
    api.library_ = SystemLibrary::Load("version.dll");
    // The file by its UTF-16 name; its texts through the ANSI query, which
    // converts them in the room the size leaves for it (the ANSI functions
    // read the file through these same ones).
    api.size_ = api.library_.Proc<SizeFn>("GetFileVersionInfoSizeW");
    api.read_ = api.library_.Proc<ReadFn>("GetFileVersionInfoW");
    api.query_ = api.library_.Proc<QueryFn>("VerQueryValueA");
    if (!api.Available()) api.Free();
    return api;
}

void VersionInfoApi::Free() noexcept {
    size_ = nullptr;
    read_ = nullptr;
    query_ = nullptr;
    library_.Free();
}

std::string VersionInfoApi::ProductName(const std::u16string& path) const {
    if (!Available()) return {};
    DWORD ignored = 0;
    const DWORD size = size_(AsWide(path), &ignored);
    if (size == 0) return {};
    std::vector<char> resource(size);
    if (!read_(AsWide(path), 0, size, resource.data())) return {};
    const char* const begin = resource.data();
    const char* const end = begin + resource.size();
    const VersionLookup lookup = [&](const std::string& key) -> std::optional<VersionValue> {
        void* value = nullptr;
        UINT length = 0;
        if (!query_(begin, key.c_str(), &value, &length) || !value) return std::nullopt;
        // A value is read only where the resource is: a malformed resource
        // may report more than it holds.
        const char* const start = static_cast<const char*>(value);
        if (start < begin || start >= end) return std::nullopt;
        return VersionValue{std::string_view(start, static_cast<size_t>(end - start)), length};
    };
    return vistrel::ProductName(lookup, IsLeadByte);
}

}  // namespace vistrel::platform
