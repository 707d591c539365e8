// The installer as a user meets it: a silent install, the installed Vistrel
// keeping its settings from one run to the next, and a silent uninstall that
// takes everything but the users' data. Skips where makensis built nothing.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>

#include "TempFolder.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

// Installing unpacks and writes little; the uninstaller first re-starts
// itself from a temporary copy.
constexpr int kSetupTimeoutMs = 60000;
constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vistrel";

std::string StartMenuShortcut() {
    char programs[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs)))
        throw DriverError("no Start-menu programs folder");
    return std::string(programs) + "\\" + kVistrelTitle + ".lnk";
}

// Where the uninstall entry says the program is; empty without an entry.
std::string RegisteredLocation() {
    char location[MAX_PATH] = {};
    DWORD size = sizeof location;
    if (RegGetValueA(HKEY_CURRENT_USER, kUninstallKey, "InstallLocation", RRF_RT_REG_SZ, nullptr, location, &size) !=
        ERROR_SUCCESS)
        return "";
    return location;
}

// What the installer puts in place and the uninstaller takes away again;
// `folder` is the installation folder with its trailing backslash.
struct Installed {
    const char* what;
    bool (*present)(const std::string& folder);
};
const Installed kInstalled[] = {
    {"Vistrel.exe", [](const std::string& folder) { return FileExists(folder + "Vistrel.exe"); }},
    {"Help\\Vistrel.htm", [](const std::string& folder) { return FileExists(folder + "Help\\Vistrel.htm"); }},
    {"Uninstall.exe", [](const std::string& folder) { return FileExists(folder + "Uninstall.exe"); }},
    {"the Start-menu shortcut", [](const std::string&) { return FileExists(StartMenuShortcut()); }},
    {"the settings key", [](const std::string&) { return VistrelSettings::Exists(); }},
    {"the uninstall entry",
     [](const std::string& folder) { return SameTextIgnoringCase(RegisteredLocation() + "\\", folder); }},
};

bool AnyInstalled(const std::string& folder) {
    for (const Installed& item : kInstalled)
        if (item.present(folder)) return true;
    return false;
}

DWORD RunToEnd(const std::string& exe, const std::string& arguments) {
    Process process = StartProcess(exe, arguments, "");
    return WaitForExit(process.handle.get(), kSetupTimeoutMs, exe);
}

class InstallerTest : public VistrelTest {
protected:
    void SetUp() override {
        VistrelTest::SetUp();
        if (IsSkipped()) return;
        if (!FileExists(SetupExePath())) GTEST_SKIP() << "the installer is not built (no makensis)";
        root_.emplace("Vistrel-setup");
        folder_ = root_->Path() + "Vistrel\\";
        // The key must come from the installer.
        VistrelSettings::Remove();
    }

    void TearDown() override {
        // A test that stopped half-way leaves nothing installed in the prefix:
        // "_?=" runs the uninstaller in place, to its end.
        if (root_ && FileExists(folder_ + "Uninstall.exe"))
            RunToEnd(folder_ + "Uninstall.exe", "/S /REMOVEDATA _?=" + Unslashed());
    }

    std::string Unslashed() const { return folder_.substr(0, folder_.size() - 1); }

    VistrelProcess StartInstalled() const {
        VistrelOptions options;
        options.exePath = folder_ + "Vistrel.exe";
        options.inPlace = true;
        options.settingsKey = VistrelOptions::Key::AsPrepared;
        return VistrelProcess::Start(options);
    }

    std::optional<test::TempFolder> root_;
    std::string folder_;
};

TEST_F(InstallerTest, SettingsPersistFromTheFirstRunAndUninstallKeepsOnlyTheData) {
    // /D= comes last and takes the rest of the line as it is.
    ASSERT_EQ(RunToEnd(SetupExePath(), "/S /D=" + Unslashed()), 0u);
    for (const Installed& item : kInstalled) EXPECT_TRUE(item.present(folder_)) << item.what << " is missing";

    std::string dataFolder;
    {
        VistrelProcess app = StartInstalled();
        // The program opened the key: it shows the interval it would store.
        EXPECT_EQ(app.ControlText(ids::Label1), "1000ms");
        app.PostCommand(ids::ToolButton18);
        const HWND dialog = app.WaitForWindow("TLebelDlg");
        SendBounded(FindWindowExA(dialog, nullptr, TRACKBAR_CLASSA, nullptr), TBM_SETPOS, TRUE, 700);
        ClickButton(GetDlgItem(dialog, IDOK));
        WaitFor([&] { return !IsWindow(dialog); }, 5000, "the interval dialog to close");
        app.ClickCheckBox(ids::HighQualityChkBox);
        EXPECT_EQ(app.Close(), 0u);
        dataFolder = app.DataFolder();
    }
    EXPECT_EQ(VistrelSettings::Read("tims"), 700u);
    EXPECT_EQ(VistrelSettings::Read("hi"), 1u);
    {
        VistrelProcess app = StartInstalled();
        EXPECT_EQ(app.ControlText(ids::Label1), "700ms");
        EXPECT_TRUE(app.IsChecked(ids::HighQualityChkBox));
        EXPECT_EQ(app.Close(), 0u);
    }
    ASSERT_TRUE(FileExists(dataFolder + "list.dat"));

    // The uninstaller ends as soon as its temporary copy runs: the work is
    // done when everything is gone.
    EXPECT_EQ(RunToEnd(folder_ + "Uninstall.exe", "/S"), 0u);
    WaitUntil([&] { return !AnyInstalled(folder_); }, kSetupTimeoutMs);
    for (const Installed& item : kInstalled) EXPECT_FALSE(item.present(folder_)) << item.what << " is left";
    EXPECT_TRUE(FileExists(dataFolder + "list.dat"));
}

}  // namespace
}  // namespace vistrel::e2e
