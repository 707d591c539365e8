#include "toolkit/SaveDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace vistrel::tk {

bool SaveDialog::Execute(HWND owner) {
    // The dialog wants its filter as strings ended by NUL, the last by two.
    std::string filter = Filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');
    std::vector<char> name(MAX_PATH * 4, '\0');
    FileName.copy(name.data(), std::min(FileName.size(), name.size() - 1));

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(FilterIndex);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&dialog)) return false;
    FilterIndex = static_cast<int>(dialog.nFilterIndex);
    FileName = name.data();
    return true;
}

}  // namespace vistrel::tk
