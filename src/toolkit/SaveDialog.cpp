#include "toolkit/SaveDialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>

#include "platform/Text.h"

namespace vistrel::tk {

bool SaveDialog::Execute(HWND owner) {
    if (Show(owner, FileName)) return true;
    // A proposed name the dialog refuses (characters a file name cannot
    // hold, as window titles may) keeps it from opening at all: it opens
    // without one rather than not at all.
    if (failure_ == FNERR_INVALIDFILENAME) return Show(owner, {});
    return false;
}

bool SaveDialog::Show(HWND owner, const std::u16string& proposed) {
    // The dialog wants its filter as strings ended by NUL, the last by two.
    std::u16string filter = platform::Widen(Filter);
    std::replace(filter.begin(), filter.end(), u'|', u'\0');
    filter.append(2, u'\0');
    std::u16string name(MAX_PATH * 4, u'\0');
    proposed.copy(name.data(), std::min(proposed.size(), name.size() - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = platform::AsWide(filter);
    dialog.nFilterIndex = static_cast<DWORD>(FilterIndex);
    dialog.lpstrFile = platform::AsWide(name.data());
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) {
        failure_ = CommDlgExtendedError();
        return false;
    }
    failure_ = 0;
    FilterIndex = static_cast<int>(dialog.nFilterIndex);
    FileName = name.c_str();
    return true;
}

}  // namespace vistrel::tk
