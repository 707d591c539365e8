#pragma once
// What the list's find compares: a text with the differences a user cannot
// see or does not mean to type taken out, so that a plain substring search
// over the folded texts finds what the user meant.
//
// Each character folds on its own: case in every script (simple case
// folding), width (full-width ASCII, half-width katakana, every kind of space
// to the plain one), katakana to hiragana, an accented Latin, Greek or
// Cyrillic letter to its base letter, and invisible format characters
// (zero-width space, direction marks, variation selectors, soft hyphen...) and
// the combining accents dropped. The kana voicing marks are no accents: ゛ and
// ゜ in any form (combining, spacing, half-width) join the kana before them
// into its voiced form (か゛ and ｶﾞ become が), so that が stays apart from か.
// The tables come from tools/find-fold-tables.py.

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel {

// What FoldCodePoint answers for a character the find ignores.
inline constexpr char32_t kFoldDropped = 0xFFFFFFFF;

// The folded form of one code point (a voicing mark folds to U+3099 or U+309A
// and is joined to its kana by FoldForFind only), or kFoldDropped.
char32_t FoldCodePoint(char32_t cp);

// Folds `text` into `out`, which must have room for text.size() code points:
// the folded text is never longer. Returns its length. A surrogate without its
// other half is kept as it is.
size_t FoldForFind(std::u16string_view text, char32_t* out);

std::u32string FoldForFind(std::u16string_view text);

// Folds texts one after the other into storage of its own: on the stack for
// texts of a title's or a path's length, so that running the whole list
// through on every key costs no heap; on the heap only beyond that.
class FoldBuffer {
public:
    FoldBuffer() {}  // leaves local_ unset: only what Fold writes is read
    FoldBuffer(const FoldBuffer&) = delete;
    FoldBuffer& operator=(const FoldBuffer&) = delete;

    // The folded text, valid until the next call.
    std::u32string_view Fold(std::u16string_view text);

private:
    static constexpr size_t kLocalCapacity = 512;  // titles hold 255 units, paths 260
    char32_t local_[kLocalCapacity];
    std::u32string heap_;
};

}  // namespace vistrel
