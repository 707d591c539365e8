// TPrintWndDlg: the clipping commands: release, choose, switch, the
// automatic clipping view, and export to and import from trm.ini.

#include <string>

#include "clipping/ClipData.h"
#include "clipping/ClipSizeUnit.h"
#include "common/SaveNaming.h"
#include "main/WndCloseUnit.h"
#include "toolkit/Application.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/Profile.h"

namespace vistrel {

namespace {

constexpr const char* kTrimKey = "trim";

}  // namespace

std::string TPrintWndDlg::ClipSection(int item) const {
    // trm.ini stays in the ANSI code page: a section is named by the title as
    // an ANSI program reads it on Windows (a 256-byte buffer, whole
    // characters), so the regions stored before find their windows still.
    // Titles that differ only in characters the code page lacks share a
    // section. (Wine's GetWindowTextA could end a title of more than 255
    // bytes in half a character, which named its section in hexadecimal; such
    // a section is not found again.)
    constexpr size_t kTitleBytes = 255;
    const std::string title = platform::Narrow(ListView1.Caption(item));
    return ClipSectionName(std::string(CutToBytes(title, kTitleBytes, platform::IsLeadByte)), platform::IsLeadByte);
}

bool TPrintWndDlg::ClippingStored(int item) const {
    if (item < 0 || ListView1.Caption(item).empty() || !platform::FileExists(clippingFile_)) return false;
    return platform::ProfileHasKey(clippingFile_, ClipSection(item), kTrimKey);
}

void TPrintWndDlg::Clip1Click(tk::Component&) {
    // The timer off and the list held while the user draws; a close waits.
    const auto running = gate_.TryBegin();
    if (!running) return;
    const int item = ListView1.FirstSelected();
    const WindowEntry* entry = item >= 0 ? EntryOf(item) : nullptr;
    if (!entry) return;
    tk::Bitmap picture;
    if (!list_->CaptureFullSize(*running, list_->PlacementTargetOf(WindowOf(*entry)), picture)) return;
    TOKBottomDlg dialog(Handle(), picture, entry->clips ? *entry->clips : ClipSet{});
    const int result = dialog.ShowModal();
    // Nothing rebuilds the list while the dialog runs; the entry may only
    // have been released by the end of the session.
    WindowEntry* edited = EntryOf(item);
    if (result != tk::mrOk || !edited || gate_.ClosingStarted()) return;
    const ClipSet set = dialog.Result();
    if (RegionsOf(set) == 0)
        edited->clips.reset();
    else
        edited->clips = std::make_unique<ClipSet>(set);
}

void TPrintWndDlg::N5Click(tk::Component&) {
    for (int i = ListView1.FirstSelected(); i >= 0; i = ListView1.NextSelected(i))
        if (WindowEntry* entry = EntryOf(i)) entry->clips.reset();
}

void TPrintWndDlg::ClipChoiceClick(tk::Component& sender) {
    // Shown from the next capture on.
    const int item = ListView1.FirstSelected();
    if (WindowEntry* entry = item >= 0 ? EntryOf(item) : nullptr) entry->clipIndex = sender.Tag;
}

void TPrintWndDlg::SwitchButton2Click(tk::Component&) {
    for (int i = ListView1.FirstSelected(); i >= 0; i = ListView1.NextSelected(i)) {
        WindowEntry* entry = EntryOf(i);
        if (entry && entry->clips) entry->clipIndex = NextClipIndex(entry->clipIndex, RegionsOf(*entry->clips));
    }
}

void TPrintWndDlg::ClipMenuClick(tk::Component&) {
    ClipMenu.Checked = !ClipMenu.Checked;
    const auto running = gate_.TryBegin();
    if (!running || !PrintWindowAvailable()) return;
    for (int i = 0; i < ListView1.Count(); ++i) {
        if (gate_.ClosingStarted()) return;
        if (const WindowEntry* entry = EntryOf(i)) RefreshThumbnail(WindowOf(*entry), i);
    }
}

void TPrintWndDlg::TrimSaveMenuClick(tk::Component& sender) {
    const int item = ListView1.FirstSelected();
    WindowEntry* entry = item >= 0 ? EntryOf(item) : nullptr;
    if (!entry) return;
    if (sender.Tag == 0) {
        if (!entry->clips) return;
        // The profile functions keep every other section and key of the file.
        if (!platform::WriteProfileString(clippingFile_, ClipSection(item), kTrimKey,
                                          EncodeClipText(*entry->clips)))
            throw tk::WideError(CannotWriteMessage(platform::Widen(clippingFile_)));
        return;
    }
    const auto running = gate_.TryBegin();
    if (!running) return;
    entry = EntryOf(item);
    if (!entry) return;
    const std::string text = platform::FileExists(clippingFile_)
                                 ? platform::ReadProfileString(clippingFile_, ClipSection(item), kTrimKey)
                                 : std::string();
    ClipSet set = entry->clips ? *entry->clips : ClipSet{};
    // A value we cannot read changes nothing: no set made of garbage.
    if (!DecodeClipText(text, set)) return;
    Compact(set);
    entry->clips = std::make_unique<ClipSet>(set);
}

}  // namespace vistrel
