// What the shell and version.dll tell about executable files: their icons,
// large and small, and their product names (Wine's explorer, taskmgr and
// regedit carry one; a file without a version resource has none).

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "TempFolder.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "platform/VersionInfo.h"
#include "toolkit/GdiOwners.h"

namespace vistrel::platform {
namespace {

std::string SystemFolder() {
    char folder[MAX_PATH];
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string WindowsFolder() {
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

TEST(GetFileIconTest, LargeAndSmallShellIcons) {
    const std::string notepad = SystemFolder() + "\\notepad.exe";
    struct Case {
        std::string path;
        bool small;
        int size;  // 0: no icon
    };
    const Case cases[] = {{notepad, false, 32}, {notepad, true, 16}, {"C:\\no\\such\\file.exe", false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + (c.small ? " small" : " large"));
        const IconOwner icon = GetFileIcon(Widen(c.path), c.small);
        ASSERT_EQ(c.size != 0, static_cast<bool>(icon));
        if (!icon) continue;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        tk::BitmapOwner colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap{};
        GetObjectA(mask.get(), sizeof bitmap, &bitmap);
        EXPECT_EQ(c.size, bitmap.bmWidth);
    }
}

TEST(VersionInfoTest, ProductNamesOfExecutables) {
    const VersionInfoApi api = VersionInfoApi::Load();
    ASSERT_TRUE(api.Available());
    for (const std::string& path :
         {WindowsFolder() + "\\explorer.exe", SystemFolder() + "\\taskmgr.exe", WindowsFolder() + "\\regedit.exe"}) {
        const std::string name = api.ProductName(Widen(path));
        EXPECT_FALSE(name.empty()) << path;
        EXPECT_LE(name.size(), 255u) << path;
        EXPECT_EQ(name.find('\0'), std::string::npos) << path;
    }
    // A program in a folder the code page cannot name is read all the same.
    test::TempFolder folder("vistrel-version");
    const std::u16string other = Widen(folder.File("")) + u"한국어 😀";
    ASSERT_TRUE(CreateDirectoryW(AsWide(other), nullptr));
    const std::u16string copy = other + u"\\explorer.exe";
    ASSERT_TRUE(CopyFileW(AsWide(Widen(WindowsFolder() + "\\explorer.exe")), AsWide(copy), FALSE));
    EXPECT_EQ(api.ProductName(copy), api.ProductName(Widen(WindowsFolder() + "\\explorer.exe")));
    EXPECT_TRUE(GetFileIcon(copy, true));
    DeleteFileW(AsWide(copy));
    RemoveDirectoryW(AsWide(other));
}

TEST(VersionInfoTest, NoResourceNoFileOrNoLibraryGiveNoName) {
    test::TempFolder folder("vistrel-version");
    const std::string text = folder.File("plain.exe");
    HANDLE file = CreateFileA(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "MZ not a program", 16, &written, nullptr);
    CloseHandle(file);

    const VersionInfoApi api = VersionInfoApi::Load();
    EXPECT_EQ(api.ProductName(Widen(text)), "") << "no version resource";
    EXPECT_EQ(api.ProductName(u"C:\\no\\such\\file.exe"), "");
    EXPECT_EQ(api.ProductName(u""), "");
    const VersionInfoApi missing;
    EXPECT_EQ(missing.ProductName(Widen(WindowsFolder() + "\\explorer.exe")), "") << "without version.dll";
}

}  // namespace
}  // namespace vistrel::platform
