#pragma once
// The text of list.dat: one executable path per line. It is written in the
// system code page, as it always was, while every path has a form there; a
// path that has none (a folder named in another script) makes the whole file
// UTF-8, marked by a byte-order mark at its start. Reading takes either.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vistrel {

// One line of the system code page as UTF-16 (MultiByteToWideChar on Windows).
using AnsiDecoder = std::function<std::u16string(std::string_view)>;
// A line in the system code page, or none when a character of it has no form
// of its own there.
using AnsiEncoder = std::function<std::optional<std::string>(std::u16string_view)>;

// The bytes of each line read in the code page, by the line's text. A line is
// written back in them, so that one the code page reads loosely (damaged
// bytes, a character that has two codes) keeps what the file held.
using StoredLines = std::unordered_map<std::u16string, std::string>;

// Lines end at CR, LF or CR LF; every line, an empty one too, is an entry,
// including a last one without an ending. Nothing is trimmed. Without the
// mark, the bytes of a line are the code page's (a Shift-JIS trail byte is
// never a line end), and are kept in `stored` when one is given; with it,
// UTF-8.
std::vector<std::u16string> ParseListDat(std::string_view bytes, const AnsiDecoder& decode,
                                         StoredLines* stored = nullptr);

// Every line followed by CR LF; no lines give an empty text. A line of
// `stored` is written in its stored bytes.
std::string FormatListDat(const std::vector<std::u16string>& lines, const AnsiEncoder& encode,
                          const StoredLines* stored = nullptr);

}  // namespace vistrel
