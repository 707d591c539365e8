#include "platform/Files.h"

#include "common/Mbcs.h"
#include "common/Utf16.h"
#include "platform/Handles.h"
#include "platform/Locale.h"
#include "platform/Text.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace vistrel::platform {

namespace {

DWORD Attributes(const std::u16string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(AsWide(path));
}

// The temporary file of a replacement: deleted unless it took the target's place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::u16string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) DeleteFileW(AsWide(path_));
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::u16string& path() const { return path_; }
    void Keep() { path_.clear(); }

private:
    std::u16string path_;
};

bool Replace(const std::u16string& path, const std::function<bool(const std::u16string& newFile)>& write) {
    // A file rewritten in place is lost when the write fails half-way (full
    // disk, power cut). The new bytes go to a temporary file beside it, made
    // durable first, and only a rename, which the file system performs whole,
    // puts them in its place.
    const std::u16string folder(path.substr(0, path.size() - FileNamePart(path).size()));
    wchar_t temporaryName[MAX_PATH + 1] = {};
    if (!GetTempFileNameW(folder.empty() ? L"." : AsWide(folder), L"vtr", 0, temporaryName)) return false;
    TemporaryFile temporary(FromWide(temporaryName, wcslen(temporaryName)));
    if (!write(temporary.path())) return false;
    {
        UniqueHandle file(CreateFileW(AsWide(temporary.path()), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file || !FlushFileBuffers(file.get())) return false;
    }
    if (!MoveFileExW(AsWide(temporary.path()), AsWide(path), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return false;
    temporary.Keep();
    return true;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(bytes.size() < (1u << 30) ? bytes.size() : (1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::string ModuleFolder() {
    // Long paths are possible where the system allows them; grow the buffer
    // until the name fits.
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0) return {};
        if (length < size) return ExtractFolder(std::string(buffer.data(), length), IsLeadByte);
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

bool FileExists(const std::string& path) { return FileExists(Widen(path)); }

bool DirectoryExists(const std::string& path) { return DirectoryExists(Widen(path)); }

bool FileExists(const std::u16string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::u16string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolders(const std::string& path) {
    const std::string folder = ExcludeTrailingSeparators(path, IsLeadByte);
    if (folder.empty()) return false;
    if (DirectoryExists(folder)) return true;
    const std::string parent = ExcludeTrailingSeparators(ExtractFolder(folder, IsLeadByte), IsLeadByte);
    // Stop at the drive ("C:") and at the top of a UNC path, which cannot be
    // created; CreateDirectoryA below then fails for a folder that is missing
    // at the top.
    if (!parent.empty() && parent.back() != ':' && parent.size() < folder.size())
        CreateFolders(parent);
    CreateDirectoryA(folder.c_str(), nullptr);
    return DirectoryExists(folder);
}

std::optional<uint64_t> FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t limit) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
    // Asked before anything is reserved: a file of gigabytes would otherwise
    // end in an allocation failure, or in all of it read.
    if (static_cast<uint64_t>(size.QuadPart) > limit) return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(size.QuadPart));
    char chunk[64 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr)) return std::nullopt;
        if (read == 0) return bytes;
        // Another program may be making the file longer as we read.
        if (bytes.size() + read > limit) return std::nullopt;
        bytes.append(chunk, read);
    }
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    return ReplaceFileContents(Widen(path), bytes);
}

bool ReplaceFileContents(const std::u16string& path, std::string_view bytes) {
    return Replace(path, [bytes](const std::u16string& newFile) {
        UniqueHandle file(CreateFileW(AsWide(newFile), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        return file && WriteAll(file.get(), bytes);
    });
}

bool ReplaceFileWith(const std::string& path, const std::function<bool(const std::string& newFile)>& write) {
    // The temporary file lies in the path's own folder, which the code page
    // holds, so its ANSI name is exact.
    return Replace(Widen(path), [&write](const std::u16string& newFile) { return write(Narrow(newFile)); });
}

std::string UserName() {
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (!GetUserNameA(buffer, &size)) return {};
    return std::string(buffer);
}

}  // namespace vistrel::platform
