#pragma once
// The names under which pictures are saved: the extension the chosen file
// type forces, and the numbered names of several pictures. Names are UTF-16:
// they start as window titles, and the user may choose any folder.

#include <string>
#include <vector>

namespace vistrel {

// Filter index 1 of the save dialog is the bitmap, anything else JPEG.
std::u16string SaveExtension(int filterIndex);

// The dialog's file name with its extension replaced by `extension`. The
// extension is the part from the last dot after the last '\', '/' or ':';
// a name without one gets `extension` appended.
// That is BaseName + `extension`.
std::u16string ForceExtension(const std::u16string& name, const std::u16string& extension);

// The name without its extension, and without half a character (a lone
// high surrogate) at the end.
std::u16string BaseName(const std::u16string& name);

// Several pictures: base name + list position (from 1) + extension.
std::u16string NumberedName(const std::u16string& baseName, int position, const std::u16string& extension);

// The error of a file that cannot be written, shown in the standard error box.
std::u16string CannotWriteMessage(std::u16string_view path);
// The error box's text when windows gave no picture (they did not answer, or
// have no area), naming each by its title.
std::u16string NothingCapturedMessage(const std::vector<std::u16string>& titles);
// The error box's text when the save dialog could not be opened; `code` is
// what the common dialogs reported.
std::string SaveDialogFailedMessage(unsigned long code);

// What the dialog proposes for a window title: the title itself, or only its
// last path component when the title names an existing folder.
std::u16string ProposedName(const std::u16string& title, bool titleIsFolder);

}  // namespace vistrel
