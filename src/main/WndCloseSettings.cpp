// TPrintWndDlg: the three registry settings, the data folder and list.dat.

#include "exclusion/ListDat.h"
#include "common/AppIdentity.h"
#include "common/SettingValues.h"
#include "main/IntervalText.h"
#include "clipping/TrimViewUnit.h"
#include "main/WndCloseUnit.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/Registry.h"
#include "common/Mbcs.h"
#include "common/SaveNaming.h"
#include "toolkit/Application.h"

namespace vistrel {

namespace {

constexpr const char* kHighQualityValue = "hi";
constexpr const char* kClipValue = "clip";
constexpr const char* kIntervalValue = "tims";
constexpr const char* kHotKeyValue = "hotkey";

}  // namespace

void TPrintWndDlg::ChooseDataFolder() {
    executableFolder_ = platform::ModuleFolder();
    // One folder per Windows user, so users sharing the program folder keep
    // their own exclusion lists and clipping data.
    const std::string folder =
        executableFolder_ + "data\\" + platform::UserName();
    if (!platform::DirectoryExists(folder)) platform::CreateFolders(folder);
    const std::string withSlash = folder + "\\";
    exclusionFile_ = withSlash + "list.dat";
    clippingFile_ = withSlash + "trm.ini";
    OpenChangeRecord(withSlash);
}

void TPrintWndDlg::ReadSettings() {
    // The key is only opened, never created: without it the defaults hold and
    // nothing is saved.
    const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ);
    if (!key) return;
    if (auto on = SwitchSetting(key.ReadValue(kHighQualityValue))) HighQualityChkBox.SetChecked(*on);
    if (auto on = SwitchSetting(key.ReadValue(kClipValue))) ClipMenu.Checked = *on;
    if (auto interval = IntervalSetting(key.ReadValue(kIntervalValue))) Timer1.SetInterval(*interval);
    if (auto hotKey = HotKeySetting(key.ReadValue(kHotKeyValue))) hotKey_ = *hotKey;
    Label1.SetCaption(IntervalText(Timer1.Interval()));
}

void TPrintWndDlg::WriteSettings() {
    const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE);
    if (!key) return;
    key.WriteDword(kHighQualityValue, HighQualityChkBox.Checked() ? 1 : 0);
    key.WriteDword(kClipValue, ClipMenu.Checked ? 1 : 0);
    // The clipping list window lends the timer another interval while it is
    // open (a session may end meanwhile): the user's own one is stored.
    key.WriteDword(kIntervalValue, trimView_ ? trimView_->SavedInterval() : Timer1.Interval());
    key.WriteDword(kHotKeyValue, HotKeyValue(hotKey_));
}

void TPrintWndDlg::WriteHotKey() {
    if (const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE))
        key.WriteDword(kHotKeyValue, HotKeyValue(hotKey_));
}

void TPrintWndDlg::LoadExclusionList() {
    if (!platform::FileExists(exclusionFile_)) return;
    if (auto bytes = platform::ReadWholeFile(exclusionFile_))
        exclusion_.Replace(ParseListDat(*bytes, platform::Widen, &exclusionStored_));
    else
        exclusionUnreadable_ = true;
}

void TPrintWndDlg::SaveExclusionList(bool reportFailure) {
    // A list.dat we could not read (locked, no permission, past the size we
    // read) holds lines we never saw: writing our list over it would lose them.
    if (exclusionUnreadable_) return;
    const std::string folder = ExtractFolder(exclusionFile_, platform::IsLeadByte);
    if (!platform::DirectoryExists(folder)) platform::CreateFolders(folder);
    // Written to a temporary file and moved over the old one: a full disk or a
    // crash never leaves a truncated list, and a failed write keeps the old.
    const std::string text = FormatListDat(exclusion_.Lines(), platform::NarrowExactly, &exclusionStored_);
    if (!platform::ReplaceFileContents(exclusionFile_, text) && reportFailure)
        tk::Application::Instance().ShowError(CannotWriteMessage(platform::Widen(exclusionFile_)));
}

}  // namespace vistrel
