#pragma once
// Byte-level searches in double-byte (Shift-JIS) texts and the paths made of
// them. A trail byte may equal an ASCII delimiter ("表" is 0x95 0x5C, "ポ" is
// 0x83 0x7C), so every search walks the text character by character from its
// start.

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel {

// Whether a byte starts a double-byte character. On Windows the system code
// page's answer, platform::IsLeadByte.
using LeadBytePredicate = bool (*)(unsigned char);

// Lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC.
bool ShiftJisLeadByte(unsigned char byte);

// Whether the text ends in a lead byte without its trail: a character cut
// off, as a title cut to fit a buffer may end.
bool EndsInCutOffCharacter(std::string_view text, LeadBytePredicate isLeadByte);

// Whether a lead byte has no proper second byte: it ends the text, or the byte
// after it is below 0x40, which no double-byte code page takes for a trail
// byte (control characters, line ends, NUL, digits and most punctuation). A
// reader of the text in the code page would take such a pair apart.
bool HasBrokenCharacter(std::string_view text, LeadBytePredicate isLeadByte);

// Position of the first single-byte character equal to `c`, or npos.
size_t FindChar(std::string_view text, char c, LeadBytePredicate isLeadByte);

// Position of the last single-byte character that is one of `chars`, or npos.
size_t FindLastOf(std::string_view text, std::string_view chars, LeadBytePredicate isLeadByte);

// The folder part of a path: everything up to and including its last
// separator ('\' or '/', both of which Windows accepts) or the drive's ':';
// empty when there is none.
std::string ExtractFolder(const std::string& path, LeadBytePredicate isLeadByte);

// The file name part of a path: what follows ExtractFolder's part.
std::string ExtractFileName(const std::string& path, LeadBytePredicate isLeadByte);

// The same part as a view into the path, for callers that look at many paths
// and keep none.
std::string_view FileNamePart(std::string_view path, LeadBytePredicate isLeadByte);

// The longest start of `text` of at most `maxBytes` bytes that does not end
// halfway through a double-byte character.
std::string_view CutToBytes(std::string_view text, size_t maxBytes, LeadBytePredicate isLeadByte);

// The path without the separators it ends in.
std::string ExcludeTrailingSeparators(const std::string& path, LeadBytePredicate isLeadByte);

// Appends '\' unless the path already ends in a separator (as a character,
// not as the trail byte of its last character). An empty path stays empty.
std::string IncludeTrailingBackslash(const std::string& path, LeadBytePredicate isLeadByte);

// folder + '\' (when missing) + name.
std::string JoinPath(const std::string& folder, const std::string& name, LeadBytePredicate isLeadByte);

}  // namespace vistrel
