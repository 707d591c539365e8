#include "VistrelProcess.h"

#include <cstdlib>

namespace vistrel::e2e {
namespace {

class RegKey {
public:
    explicit RegKey(HKEY key = nullptr) : key_(key) {}
    ~RegKey() {
        if (key_) RegCloseKey(key_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_;
};

std::string DescribeWindows(const std::vector<HWND>& windows) {
    std::string text;
    for (HWND window : windows) text += "\n  " + Describe(window);
    return text.empty() ? " none" : text;
}

// Vistrel.exe and, when asked for and built, Help\Vistrel.htm into `folder`.
void CopyProgram(const std::string& exe, const std::string& folder, bool withHelp) {
    const std::string copy = folder + "Vistrel.exe";
    if (!CopyFileA(exe.c_str(), copy.c_str(), FALSE))
        throw DriverError("cannot copy " + exe + " to " + copy + " (error " + std::to_string(GetLastError()) + ")");
    const std::string help = ExtractFolder(exe, platform::IsLeadByte) + "Help\\Vistrel.htm";
    if (withHelp && FileExists(help)) {
        const std::string helpCopy = folder + "Help\\Vistrel.htm";
        if (!CreateFolders(ExtractFolder(helpCopy, platform::IsLeadByte)) || !CopyFileA(help.c_str(), helpCopy.c_str(), FALSE))
            throw DriverError("cannot copy " + help + " (error " + std::to_string(GetLastError()) + ")");
    }
}

}  // namespace

bool VistrelSettings::Exists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void VistrelSettings::Remove() {
    const LONG result = RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
        throw DriverError("cannot remove the settings key (error " + std::to_string(result) + ")");
}

void VistrelSettings::Create() {
    Remove();
    HKEY key = nullptr;
    const LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                        nullptr);
    if (result != ERROR_SUCCESS)
        throw DriverError("cannot create the settings key (error " + std::to_string(result) + ")");
    RegCloseKey(key);
}

void VistrelSettings::Write(const std::string& name, uint32_t value) {
    HKEY raw = nullptr;
    LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_WRITE, &raw);
    if (result != ERROR_SUCCESS) throw DriverError("the settings key does not exist; Create() it first");
    RegKey key(raw);
    const DWORD data = value;
    result = RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    if (result != ERROR_SUCCESS)
        throw DriverError("cannot write the setting " + name + " (error " + std::to_string(result) + ")");
}

std::optional<uint32_t> VistrelSettings::Read(const std::string& name) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &raw) != ERROR_SUCCESS) return std::nullopt;
    RegKey key(raw);
    DWORD type = 0, data = 0, size = sizeof data;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return data;
}

VistrelProcess VistrelProcess::Start(const VistrelOptions& options) {
    const std::string exe = options.exePath.empty() ? VistrelExePath() : options.exePath;
    if (!FileExists(exe)) throw DriverError("Vistrel.exe is not built: " + exe);
    if (HWND other = FindWindowA(kMainWindowClass, nullptr)) {
        throw DriverError("a Vistrel main window is already open (process " + std::to_string(WindowProcessId(other)) +
                          "); an earlier test left it running");
    }

    VistrelProcess app;
    if (options.inPlace) {
        app.folderPath_ = ExtractFolder(exe, platform::IsLeadByte);
    } else {
        app.folder_.emplace("Vistrel-e2e");
        app.folderPath_ = app.folder_->Path();
        CopyProgram(exe, app.Folder(), options.copyHelp);
    }
    const std::string program = options.inPlace ? exe : app.Folder() + "Vistrel.exe";

    if (options.settingsKey == VistrelOptions::Key::Absent) {
        VistrelSettings::Remove();
    } else if (options.settingsKey == VistrelOptions::Key::Present) {
        VistrelSettings::Create();
        if (options.hi) VistrelSettings::Write("hi", *options.hi);
        if (options.clip) VistrelSettings::Write("clip", *options.clip);
        if (options.tims) VistrelSettings::Write("tims", *options.tims);
    }
    if (options.listDat) WriteFileBytes(app.DataFolder() + "list.dat", *options.listDat);
    if (options.trmIni) WriteFileBytes(app.DataFolder() + "trm.ini", *options.trmIni);
    if (options.parkedDat) WriteFileBytes(app.DataFolder() + "parked.dat", *options.parkedDat);
    if (options.changesDat) WriteFileBytes(app.DataFolder() + "changes.dat", *options.changesDat);

    Process p = StartProcess(program, options.arguments, app.Folder());
    app.process_ = std::move(p.handle);
    app.pid_ = p.id;

    WaitUntil([&] { return HasExited(app.process_.get()) || (app.main_ = FindTopLevel(app.pid_, kMainWindowClass)) != nullptr; },
              options.startTimeoutMs);
    if (!app.main_) {
        if (HasExited(app.process_.get())) {
            DWORD code = 0;
            GetExitCodeProcess(app.process_.get(), &code);
            throw DriverError("Vistrel ended with code " + std::to_string(code) + " before its main window appeared");
        }
        throw DriverError("timed out after " + std::to_string(options.startTimeoutMs) +
                          " ms waiting for Vistrel's main window; its visible windows:" +
                          DescribeWindows(TopLevelWindows(app.pid_, true)));
    }
    // The first list is built before the window shows; idle means the
    // start-up (fade-in included) is over and the message loop waits.
    WaitForInputIdle(app.process_.get(), static_cast<DWORD>(options.startTimeoutMs));
    if (options.mainWindowAtLeft) {
        SetWindowPos(app.main_, nullptr, kMainWindowLeft, kMainWindowTop, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return app;
}

VistrelProcess::VistrelProcess(VistrelProcess&& other) noexcept
    : process_(std::move(other.process_)),
      pid_(std::exchange(other.pid_, 0)),
      main_(std::exchange(other.main_, nullptr)),
      folderPath_(std::move(other.folderPath_)),
      folder_(std::exchange(other.folder_, std::nullopt)) {}

VistrelProcess& VistrelProcess::operator=(VistrelProcess&& other) noexcept {
    if (this != &other) {
        Release();
        process_ = std::move(other.process_);
        pid_ = std::exchange(other.pid_, 0);
        main_ = std::exchange(other.main_, nullptr);
        folderPath_ = std::move(other.folderPath_);
        folder_ = std::exchange(other.folder_, std::nullopt);
    }
    return *this;
}

VistrelProcess::~VistrelProcess() { Release(); }

void VistrelProcess::Release() noexcept {
    if (process_ && !HasExited(process_.get())) {
        // Without a main window (a start that failed) there is nobody to ask.
        if (main_) PostMessageA(main_, WM_CLOSE, 0, 0);
        if (!main_ || WaitForSingleObject(process_.get(), 15000) != WAIT_OBJECT_0) {
            TerminateProcess(process_.get(), 1);
            WaitForSingleObject(process_.get(), 5000);
        }
    }
    process_.reset();
    if (folder_) {
        if (std::getenv("VISTREL_E2E_KEEP"))
            folder_->Keep();
        else  // Wine may hold the image file a moment after the process ended.
            WaitUntil([&] { return folder_->Remove(); }, 3000);
    }
    folder_.reset();
    main_ = nullptr;
}

std::string VistrelProcess::DataFolder() const { return Folder() + "data\\" + UserName() + "\\"; }

HWND VistrelProcess::Control(int id) const {
    HWND control = FindChild(main_, id);
    if (!control) throw DriverError("the main window has no control with id " + std::to_string(id));
    return control;
}

std::vector<HWND> VistrelProcess::OtherWindows() const {
    std::vector<HWND> others;
    for (HWND window : TopLevelWindows(pid_, true))
        if (window != main_) others.push_back(window);
    return others;
}

HWND VistrelProcess::WaitForWindow(const std::string& className, int timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : OtherWindows())
                if (ClassName(window) == className) found = window;
            return found != nullptr;
        },
        timeoutMs);
    if (!found)
        throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for a window of class " +
                          className + "; the program's other windows:" + DescribeWindows(OtherWindows()));
    return found;
}

DWORD VistrelProcess::Close(int timeoutMs) {
    if (!PostMessageA(main_, WM_CLOSE, 0, 0) && IsRunning())
        throw DriverError("cannot post WM_CLOSE to " + Describe(main_));
    return WaitForExit(timeoutMs);
}

DWORD VistrelProcess::WaitForExit(int timeoutMs) {
    if (!process_) throw DriverError("Vistrel was not started");
    return e2e::WaitForExit(process_.get(), timeoutMs, "Vistrel");
}

}  // namespace vistrel::e2e
