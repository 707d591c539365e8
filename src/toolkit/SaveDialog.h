#pragma once
// SaveDialog: the standard file-save dialog, as the VCL's TSaveDialog.

#include <windows.h>

#include <string>

namespace vistrel::tk {

class SaveDialog {
public:
    // "Name|pattern|Name|pattern", as the VCL writes filters.
    std::string Filter;
    // 1-based; the user's last choice after Execute.
    int FilterIndex = 1;
    // Proposed before Execute, chosen after it (the full path). UTF-16: it
    // starts as a window's title, and the user may choose any folder.
    std::u16string FileName;

    // Shows the dialog modally over `owner`; false when the user cancelled
    // or the dialog could not be shown (Failure() tells which). No default
    // extension and no overwrite prompt: the caller decides.
    bool Execute(HWND owner);
    // What the common dialogs reported when the last Execute could not show
    // the dialog; 0 after a cancel or a choice.
    DWORD Failure() const { return failure_; }

private:
    bool Show(HWND owner, const std::u16string& proposed);

    DWORD failure_ = 0;
};

}  // namespace vistrel::tk
