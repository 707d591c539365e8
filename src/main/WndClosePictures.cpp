// TPrintWndDlg: the pictures of the listed windows for use elsewhere: copied
// to the clipboard, or saved as bitmap or JPEG files.

#include <string>
#include <vector>

#include "common/AppIdentity.h"
#include "common/SaveNaming.h"
#include "main/WndCloseUnit.h"
#include "platform/Files.h"
#include "toolkit/Application.h"
#include "toolkit/Clipboard.h"
#include "toolkit/PictureFiles.h"

namespace vistrel {

bool TPrintWndDlg::PictureOf(const ListHold& held, int item, PictureScale scale, tk::Bitmap& picture) {
    const WindowEntry* entry = EntryOf(item);
    if (!entry) return false;
    if (scale == PictureScale::Actual) return list_->CaptureFullSize(held, WindowOf(*entry), picture);
    picture.SetSize(ImageList1.Width(), ImageList1.Height());
    return ImageList1.CopyImage(ListView1.ImageIndex(item), picture.Dc());
}

void TPrintWndDlg::N6Click(PictureScale scale) {
    // A capture waits for the window, and a pass step or a change tick met
    // there would work on the list under it.
    const auto running = gate_.TryBegin();
    if (!running) return;
    const int item = ListView1.FirstSelected();
    if (item < 0) return;
    tk::Bitmap picture;
    if (PictureOf(*running, item, scale, picture))
        tk::CopyBitmapToClipboard(Handle(), picture);
    else if (scale == PictureScale::Actual && !gate_.ClosingStarted())
        tk::Application::Instance().ShowError(NothingCapturedMessage({ListView1.Caption(item)}));
}

void TPrintWndDlg::N12Click(PictureScale scale) {
    // The list stays as it is while the user chooses, and the timer off
    // until the last file is written.
    const auto running = gate_.TryBegin();
    if (!running) return;
    std::vector<int> selected;
    for (int i = ListView1.FirstSelected(); i >= 0; i = ListView1.NextSelected(i)) selected.push_back(i);
    if (selected.empty()) return;

    const std::u16string title = ListView1.Caption(selected.front());
    SaveDialog1.FileName = ProposedName(title, platform::DirectoryExists(title));
    if (!SaveDialog1.Execute(Handle()) || gate_.ClosingStarted()) {
        // A dialog that could not open is not the user's cancel.
        if (SaveDialog1.Failure() && !gate_.ClosingStarted())
            tk::Application::Instance().ShowError(SaveDialogFailedMessage(SaveDialog1.Failure()));
        return;
    }
    const std::u16string extension = SaveExtension(SaveDialog1.FilterIndex);
    const std::u16string fileName = ForceExtension(SaveDialog1.FileName, extension);
    const std::u16string baseName = BaseName(fileName);

    // Several pictures get names the user never saw in the dialog: files of
    // those names are not replaced without asking.
    std::vector<std::u16string> names;
    for (int item : selected)
        names.push_back(selected.size() == 1 ? fileName : NumberedName(baseName, item + 1, extension));
    if (selected.size() > 1) {
        std::u16string existing;
        for (const std::u16string& name : names)
            if (platform::FileExists(name)) existing += u"\n" + name;
        if (!existing.empty()) {
            const std::u16string question = u"次のファイルは既にあります。置き換えますか？\n" + existing;
            if (MessageBoxW(Handle(), platform::AsWide(question), platform::AsWide(platform::Widen(kAppTitle)),
                            MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
                return;
        }
    }

    tk::Bitmap picture;
    std::vector<std::u16string> notCaptured;
    for (size_t i = 0; i < selected.size(); ++i) {
        if (gate_.ClosingStarted()) return;
        // A window with nothing to show writes nothing rather than an empty
        // file, and is named afterwards.
        if (!PictureOf(*running, selected[i], scale, picture)) {
            notCaptured.push_back(ListView1.Caption(selected[i]));
            continue;
        }
        const bool written = tk::SavePictureFile(names[i], SaveDialog1.FilterIndex == 1, picture);
        // The standard error box; the remaining files are not written.
        if (!written) throw tk::WideError(CannotWriteMessage(names[i]));
    }
    if (!notCaptured.empty() && !gate_.ClosingStarted())
        tk::Application::Instance().ShowError(NothingCapturedMessage(notCaptured));
}

}  // namespace vistrel
