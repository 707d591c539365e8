#pragma once
// The names under which pictures are saved: the extension the chosen file
// type forces, and the numbered names of several pictures.

#include <string>
#include <vector>

#include "common/Mbcs.h"

namespace vistrel {

// Filter index 1 of the save dialog is the bitmap, anything else JPEG.
std::string SaveExtension(int filterIndex);

// The dialog's file name with its extension replaced by `extension`. The
// extension is the part from the last dot after the last '\', '/' or ':';
// a name without one gets `extension` appended.
// That is BaseName + `extension`.
std::string ForceExtension(const std::string& name, const std::string& extension,
                           LeadBytePredicate isLeadByte);

// The name without its extension, and without a cut-off last character.
std::string BaseName(const std::string& name, LeadBytePredicate isLeadByte);

// Several pictures: base name + list position (from 1) + extension.
std::string NumberedName(const std::string& baseName, int position, const std::string& extension);

// The error of a file that cannot be written, shown in the standard error box.
std::string CannotWriteMessage(const std::string& path);
// The error box's text when windows gave no picture (they did not answer, or
// have no area), naming each by its title.
std::string NothingCapturedMessage(const std::vector<std::string>& titles);
// The error box's text when the save dialog could not be opened; `code` is
// what the common dialogs reported.
std::string SaveDialogFailedMessage(unsigned long code);

// What the dialog proposes for a window title: the title itself, or only its
// last path component when the title names an existing folder.
std::string ProposedName(const std::string& title, bool titleIsFolder, LeadBytePredicate isLeadByte);

}  // namespace vistrel
