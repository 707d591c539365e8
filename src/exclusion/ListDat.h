#pragma once
// The text of list.dat: one executable path per line in the system code page.

#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// Lines end at CR, LF or CR LF; every line, an empty one too, is an entry,
// including a last one without an ending. Nothing is trimmed, and bytes are
// taken as they are (a Shift-JIS trail byte is never a line end).
std::vector<std::string> ParseListDat(std::string_view bytes);

// Every line followed by CR LF; no lines give an empty text.
std::string FormatListDat(const std::vector<std::string>& lines);

}  // namespace vistrel
