// Files and folders: replacement that never loses the old file, folder
// creation with Shift-JIS names, folder splitting.

#include "platform/Files.h"

#include "TempFolder.h"
#include "common/Mbcs.h"
#include "platform/Handles.h"
#include "platform/Locale.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <winioctl.h>

#include <set>
#include <string>

namespace vistrel::platform {
namespace {

bool RunningOnWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.insert(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void WriteRaw(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool MakeSparseFile(const std::string& path, uint64_t size) {
    UniqueHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD returned = 0;  // without the mark NTFS sets aside room for every byte
    DeviceIoControl(file.get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    return file && SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) && SetEndOfFile(file.get());
}

// Bytes that a text-mode or C-string slip would change.
using namespace std::string_literals;  // the literals keep their NUL bytes
const std::string kOld = "old\r\nC:\\path\\\x95\x5C\r\n\0tail"s;
const std::string kNew = "new\r\n\xff\x00\x5C"s;

class PlatformFiles : public ::testing::Test {
protected:
    test::TempFolder folder_{"VistrelPlatformFiles"};
    const std::string scratch_ = folder_.Path();
};

TEST_F(PlatformFiles, ReplacementWritesTheBytesAndLeavesNoTemporaryFile) {
    const struct {
        const char* name;
        bool existsBefore;
        std::string bytes;
    } cases[] = {
        {"replaced.dat", true, kNew},
        {"created.dat", false, kNew},
        {"emptied.dat", true, ""},  // an empty list is an empty file
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = scratch_ + c.name;
        if (c.existsBefore) WriteRaw(path, kOld);
        ASSERT_TRUE(ReplaceFileContents(path, c.bytes));
        EXPECT_EQ(std::optional<std::string>(c.bytes), ReadWholeFile(path));
        DeleteFileA(path.c_str());
        EXPECT_TRUE(Entries(scratch_).empty());
    }
}

TEST_F(PlatformFiles, ReplacementInAFileWithAShiftJisName) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    // "ソ" ends with the byte 0x5C: split there, the folder would not exist.
    const std::string path = scratch_ + "ソフト.dat";
    ASSERT_TRUE(ReplaceFileContents(path, kNew));
    EXPECT_EQ(std::optional<std::string>(kNew), ReadWholeFile(path));
    EXPECT_EQ(1u, Entries(scratch_).size());
}

TEST_F(PlatformFiles, AFailedReplacementKeepsTheOldFile) {
    const std::string target = scratch_ + "list.dat";
    WriteRaw(target, kOld);

    // The target is a folder: the rename cannot take its place.
    const std::string folderTarget = scratch_ + "folder.dat";
    ASSERT_TRUE(CreateDirectoryA(folderTarget.c_str(), nullptr));
    EXPECT_FALSE(ReplaceFileContents(folderTarget, kNew));
    EXPECT_TRUE(DirectoryExists(folderTarget));

    // The folder is missing: no temporary file can be made.
    EXPECT_FALSE(ReplaceFileContents(scratch_ + "missing\\list.dat", kNew));
    EXPECT_FALSE(DirectoryExists(scratch_ + "missing"));

    EXPECT_EQ(std::optional<std::string>(kOld), ReadWholeFile(target));
    EXPECT_EQ((std::set<std::string>{"list.dat", "folder.dat"}), Entries(scratch_));
}

TEST_F(PlatformFiles, AnOpenTargetIsNotReplaced) {
    // Another program reading the file without delete sharing blocks the
    // rename; the reader keeps seeing the whole old file.
    const std::string open = scratch_ + "open.dat";
    WriteRaw(open, kOld);
    HANDLE holder = CreateFileA(open.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    EXPECT_FALSE(ReplaceFileContents(open, kNew));
    CloseHandle(holder);
    EXPECT_EQ(std::optional<std::string>(kOld), ReadWholeFile(open));
    EXPECT_EQ((std::set<std::string>{"open.dat"}), Entries(scratch_));
}

// The file's identity on its volume: the same as long as it is rewritten in place.
uint64_t FileIndex(const std::string& path) {
    UniqueHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || !GetFileInformationByHandle(file.get(), &info)) return 0;
    return (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
}

TEST_F(PlatformFiles, AProfileValueGoesIntoANewFileThatTakesTheOldOnesPlace) {
    const std::string ini = scratch_ + "trm.ini";
    WriteRaw(ini, "[Other]\r\ntrim=1\r\n");
    // Never rewritten in place, where a failure half-way would cut it short.
    const uint64_t before = FileIndex(ini);
    ASSERT_TRUE(WriteProfileString(ini, "Win", "trim", "2"));
    EXPECT_NE(FileIndex(ini), before);
    EXPECT_EQ(ReadProfileString(ini, "Win", "trim"), "2");
    EXPECT_EQ(ReadProfileString(ini, "Other", "trim"), "1");

    // One too large to be read whole is not written either.
    const std::string huge = scratch_ + "huge.ini";
    ASSERT_TRUE(MakeSparseFile(huge, kDataFileLimit + 1));
    EXPECT_FALSE(WriteProfileString(huge, "Win", "trim", "2"));
    EXPECT_EQ(Entries(scratch_), (std::set<std::string>{"trm.ini", "huge.ini"}));
}

TEST_F(PlatformFiles, AReadOnlyTargetIsNotReplaced) {
    // Windows refuses to rename over a read-only file; Wine 8 does it (its
    // rename is a POSIX rename, which only asks about the folder).
    if (RunningOnWine()) GTEST_SKIP() << "Wine renames over read-only files";
    const std::string readOnly = scratch_ + "readonly.dat";
    WriteRaw(readOnly, kOld);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(ReplaceFileContents(readOnly, kNew));
    EXPECT_EQ(std::optional<std::string>(kOld), ReadWholeFile(readOnly));
    EXPECT_EQ((std::set<std::string>{"readonly.dat"}), Entries(scratch_));
}

TEST_F(PlatformFiles, ReadWholeFile) {
    const std::string large(200000, '\x5C');  // larger than one read
    WriteRaw(scratch_ + "large.dat", large);
    EXPECT_EQ(std::optional<std::string>(large), ReadWholeFile(scratch_ + "large.dat"));
    EXPECT_EQ(std::nullopt, ReadWholeFile(scratch_ + "absent.dat"));
    EXPECT_EQ(std::nullopt, ReadWholeFile(scratch_));  // a folder
}

// Past the limit a file reads as unreadable, and at once: nothing of it is
// reserved. The files are sparse, so their size costs no disk.
TEST_F(PlatformFiles, AFilePastTheLimitIsUnreadable) {
    const std::string path = scratch_ + "sized.dat";
    for (const uint64_t size : {kDataFileLimit, kDataFileLimit + 1, 64ull << 30}) {
        SCOPED_TRACE(size);
        ASSERT_TRUE(MakeSparseFile(path, size));
        const auto bytes = ReadWholeFile(path);
        EXPECT_EQ(size <= kDataFileLimit ? std::optional<size_t>(size) : std::nullopt,
                  bytes ? std::optional<size_t>(bytes->size()) : std::nullopt);
    }
    EXPECT_EQ(std::nullopt, ReadWholeFile(path, 10));  // a limit of the caller's
}

TEST_F(PlatformFiles, CreateFoldersMakesEveryMissingParent) {
    WriteRaw(scratch_ + "file.txt", "x");
    const bool japanese = GetACP() == 932;
    const struct {
        std::string path;
        bool created;
        std::string check;  // a folder that must exist afterwards
        bool needsJapanese;
    } cases[] = {
        {"a\\b\\c", true, "a\\b\\c", false},
        {"trailing\\x\\", true, "trailing\\x", false},
        {"slash/mixed\\y", true, "slash\\mixed\\y", false},
        {"a\\b\\c", true, "a\\b\\c", false},  // already there
        {"file.txt\\sub", false, "", false},   // a file stands in the way
        // These names end with the byte 0x5C of a double-byte character,
        // which must not be taken for a separator.
        {"表示\\ソフト", true, "表示\\ソフト", true},
        {"表", true, "表", true},
        {"data\\表\\", true, "data\\表", true},
    };
    for (const auto& c : cases) {
        if (c.needsJapanese && !japanese) continue;
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.created, CreateFolders(scratch_ + c.path));
        if (!c.check.empty()) {
            EXPECT_TRUE(DirectoryExists(scratch_ + c.check));
        }
    }
    if (japanese) {
        const std::set<std::string> top = Entries(scratch_);
        EXPECT_EQ(1u, top.count("表"));
        EXPECT_EQ(1u, top.count("表示"));
        EXPECT_EQ((std::set<std::string>{"ソフト"}), Entries(scratch_ + "表示\\"));
    }
    EXPECT_FALSE(CreateFolders(""));
}

// The path helpers with the system code page's lead bytes.
TEST(PlatformPaths, FoldersSplitAtRealSeparatorsOnly) {
    const bool japanese = GetACP() == 932;
    const struct {
        const char* path;
        const char* folder;
        bool needsJapanese;
    } cases[] = {
        {"C:\\a\\b.txt", "C:\\a\\", false},
        {"C:\\a\\", "C:\\a\\", false},
        {"b.txt", "", false},
        {"C:b.txt", "C:", false},
        {"a/b.txt", "a/", false},
        {"\\\\server\\share\\x.exe", "\\\\server\\share\\", false},
        {"C:\\表\\ソ", "C:\\表\\", true},
        {"C:\\data\\ソフト", "C:\\data\\", true},
    };
    for (const auto& c : cases) {
        if (c.needsJapanese && !japanese) continue;
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.folder, ExtractFolder(c.path, IsLeadByte));
    }
}

TEST_F(PlatformFiles, FilesAndFoldersAreToldApart) {
    WriteRaw(scratch_ + "file.txt", "x");
    const struct {
        std::string path;
        bool file;
        bool folder;
    } cases[] = {
        {scratch_ + "file.txt", true, false},
        {scratch_, false, true},
        {scratch_.substr(0, scratch_.size() - 1), false, true},
        {scratch_ + "absent", false, false},
        {"", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.file, FileExists(c.path));
        EXPECT_EQ(c.folder, DirectoryExists(c.path));
    }
}

TEST(PlatformModuleFolder, IsTheFolderOfTheRunningProgram) {
    char self[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string path(self, length);
    const std::string folder = ModuleFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ('\\', folder.back());
    EXPECT_EQ(path.substr(0, folder.size()), folder);
    EXPECT_TRUE(FileExists(folder + path.substr(folder.size())));
    EXPECT_EQ(std::string::npos, path.substr(folder.size()).find('\\'));
}

TEST(PlatformUserName, IsKnown) {
    const std::string name = UserName();
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(std::string::npos, name.find('\0'));
}

}  // namespace
}  // namespace vistrel::platform
