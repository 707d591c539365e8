#include "toolkit/SaveDialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace vistrel::tk {

bool SaveDialog::Execute(HWND owner) {
    if (Show(owner, FileName)) return true;
    // A proposed name the dialog refuses (characters a file name cannot
    // hold, as window titles may) keeps it from opening at all: it opens
    // without one rather than not at all.
    if (failure_ == FNERR_INVALIDFILENAME) return Show(owner, {});
    return false;
}

bool SaveDialog::Show(HWND owner, const std::string& proposed) {
    // The dialog wants its filter as strings ended by NUL, the last by two.
    std::string filter = Filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');
    std::vector<char> name(MAX_PATH * 4, '\0');
    proposed.copy(name.data(), std::min(proposed.size(), name.size() - 1));

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(FilterIndex);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&dialog)) {
        failure_ = CommDlgExtendedError();
        return false;
    }
    failure_ = 0;
    FilterIndex = static_cast<int>(dialog.nFilterIndex);
    FileName = name.data();
    return true;
}

}  // namespace vistrel::tk
