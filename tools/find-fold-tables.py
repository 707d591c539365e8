#!/usr/bin/env python3
"""Writes src/catalogue/FindFoldTables.inc: the tables behind the list's find
(src/catalogue/FindFolding.cpp), from the Unicode data of Python's own
unicodedata module.

    python3 tools/find-fold-tables.py            # rewrite the file
    python3 tools/find-fold-tables.py --check    # fail if it is out of date

Every code point gets one folded form, or none when the find ignores it:
case (simple case folding), width (full-width ASCII, half-width katakana, the
odd spaces), katakana to hiragana, accents (a letter whose canonical
decomposition is a base letter and combining marks becomes that letter), and
invisible format characters and combining marks dropped. The folds are applied
until nothing changes, so one lookup gives the final form (Ｅ → E → e,
ﾎ → ホ → ほ, Ǻ → A → a).

The result is written as ranges of a few kinds (a constant shift, a shift of
every other code point, one target for all, dropped) so that the table stays
small enough to search on every character of every title.
"""

import sys
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OUT = ROOT / "src" / "catalogue" / "FindFoldTables.inc"

MAX_CP = 0x110000

# Combining marks that only decorate a letter: the nonspacing marks (Mn) of
# these blocks. Marks of other blocks belong to their script's spelling (a
# Devanagari vowel sign, the kana voicing marks) and are kept.
COMBINING_BLOCKS = [
    (0x0300, 0x036F),  # Combining Diacritical Marks
    (0x1AB0, 0x1AFF),  # Combining Diacritical Marks Extended
    (0x1DC0, 0x1DFF),  # Combining Diacritical Marks Supplement
    (0x20D0, 0x20FF),  # Combining Diacritical Marks for Symbols
    (0xFE20, 0xFE2F),  # Combining Half Marks
]

# Format characters (Cf) that show as something and so stay: the prepended
# concatenation marks, the interlinear annotation marks and the Egyptian
# hieroglyph format controls. Unicode leaves them out of the default
# ignorables for the same reason.
VISIBLE_FORMAT = {0x0600, 0x0601, 0x0602, 0x0603, 0x0604, 0x0605, 0x06DD, 0x070F,
                  0x0890, 0x0891, 0x08E2, 0x110BD, 0x110CD, 0xFFF9, 0xFFFA, 0xFFFB}
VISIBLE_FORMAT |= set(range(0x13430, 0x13439))

# Invisible characters of other categories that Unicode counts among the
# default ignorables: the Hangul fillers, the Khmer inherent vowels, the
# Mongolian free variation selectors and the variation selectors.
OTHER_IGNORABLE = {0x115F, 0x1160, 0x17B4, 0x17B5, 0x3164, 0xFFA0}
OTHER_IGNORABLE |= set(range(0x180B, 0x1810))
OTHER_IGNORABLE |= set(range(0xFE00, 0xFE10))
OTHER_IGNORABLE |= set(range(0xE0100, 0xE01F0))

# The kana voicing marks: the spacing forms and the half-width ones become the
# combining ones, which FindFolding.cpp then joins to the kana before them.
VOICED_MARK, SEMI_VOICED_MARK = 0x3099, 0x309A
KANA_MARKS = {0x309B: VOICED_MARK, 0x309C: SEMI_VOICED_MARK}


def is_stripped_mark(cp):
    return unicodedata.category(chr(cp)) == "Mn" and any(a <= cp <= b for a, b in COMBINING_BLOCKS)


def dropped(cp):
    if is_stripped_mark(cp) or cp in OTHER_IGNORABLE:
        return True
    return unicodedata.category(chr(cp)) == "Cf" and cp not in VISIBLE_FORMAT


def simple_case_fold(cp):
    """The simple (one to one) case folding of CaseFolding.txt: Python's
    casefold() where it gives one character; where it gives more (full
    folding, ẞ → ss), the lowercase letter when that is one character (ẞ → ß,
    ᾈ → ᾀ), else none."""
    c = chr(cp)
    folded = c.casefold()
    if len(folded) == 1:
        return ord(folded)
    lower = c.lower()
    return ord(lower) if len(lower) == 1 else cp


def base_letter(cp):
    """A letter whose full canonical decomposition is a letter and then only
    stripped marks (é, Ǻ, ё, ά, ṩ) gives that letter."""
    decomposed = unicodedata.normalize("NFD", chr(cp))
    if len(decomposed) < 2 or not unicodedata.category(decomposed[0]).startswith("L"):
        return cp
    if all(is_stripped_mark(ord(m)) for m in decomposed[1:]):
        return ord(decomposed[0])
    return cp


def width_fold(cp):
    """Full-width forms to ASCII, half-width forms to their usual width, and
    every other space to the plain one."""
    if cp in KANA_MARKS:
        return KANA_MARKS[cp]
    d = unicodedata.decomposition(chr(cp))
    if d.startswith("<wide>") or d.startswith("<narrow>"):
        parts = d.split()[1:]
        if len(parts) == 1:
            return int(parts[0], 16)
    if unicodedata.category(chr(cp)) == "Zs":
        return 0x20
    return cp


def kana_fold(cp):
    """Katakana to hiragana: ァ-ヶ to ぁ-ゖ, ヽヾ to ゝゞ. ヷヸヹヺ have no
    hiragana and stay; ー stays too."""
    if 0x30A1 <= cp <= 0x30F6 or cp in (0x30FD, 0x30FE):
        return cp - 0x60
    return cp


def fold(cp):
    """The folded form of one code point, or None when it is dropped."""
    seen = set()
    while True:
        if dropped(cp):
            return None
        nxt = kana_fold(simple_case_fold(base_letter(width_fold(cp))))
        if nxt == cp:
            return cp
        if nxt in seen:
            raise SystemExit(f"fold loops at U+{cp:04X}")
        seen.add(cp)
        cp = nxt


def voicing():
    """For each code point of the hiragana block (U+3040-309F), what it becomes
    with the voiced and the semi-voiced mark after it, as a difference (0: the
    mark stays apart). A kana whose voiced form exists only in katakana
    (ワ+゛ = ヷ) takes that."""
    voiced, semi = [], []
    for cp in range(0x3040, 0x30A0):
        row = []
        for mark in (VOICED_MARK, SEMI_VOICED_MARK):
            target = 0
            for base in (cp, cp + 0x60):
                if unicodedata.category(chr(base)) != "Lo":
                    continue
                composed = unicodedata.normalize("NFC", chr(base) + chr(mark))
                if len(composed) == 1:
                    target = fold(ord(composed))
                    break
            row.append(target - cp if target else 0)
        voiced.append(row[0])
        semi.append(row[1])
    return voiced, semi


# Range kinds, as FindFolding.cpp reads them.
SHIFT, SHIFT_EVEN, TO_ONE, DROP = "kShift", "kShiftEven", "kToOne", "kDrop"


def ranges(mapping):
    """Cover every changed code point with as few ranges as a greedy pass
    finds. `mapping` holds only code points that change (None: dropped)."""
    out = []
    cps = sorted(mapping)
    i = 0
    while i < len(cps):
        cp = cps[i]
        target = mapping[cp]
        if target is None:
            end = cp
            while end + 1 in mapping and mapping[end + 1] is None:
                end += 1
            out.append((cp, end - cp + 1, DROP, 0))
        else:
            delta = target - cp

            def shifted(c):
                return mapping.get(c) is not None and mapping[c] - c == delta

            candidates = []
            end = cp
            while shifted(end + 1):
                end += 1
            candidates.append((end - cp + 1, SHIFT, delta))
            end = cp
            while end + 1 not in mapping and shifted(end + 2):
                end += 2
            candidates.append((end - cp + 1, SHIFT_EVEN, delta))
            end = cp
            while mapping.get(end + 1) == target:
                end += 1
            candidates.append((end - cp + 1, TO_ONE, target))
            count, kind, value = max(candidates, key=lambda c: c[0])
            if count == 1:
                kind, value = TO_ONE, target  # reads better than a shift
            end = cp + count - 1
            out.append((cp, count, kind, value))
        while i < len(cps) and cps[i] <= end:
            i += 1
    for first, count, _, _ in out:
        assert count <= 0xFFFF, hex(first)
    return out


def check(mapping):
    """The folds are final: folding a folded code point changes nothing. And
    the shortcuts FindFolding.cpp takes before the table hold."""
    for cp, target in mapping.items():
        if target is not None:
            assert fold(target) == target, f"U+{cp:04X} -> U+{target:04X} is not final"
    assert all(mapping.get(cp, cp) == (cp + 32 if 0x41 <= cp <= 0x5A else cp) for cp in range(0x80))
    assert all(cp not in mapping for cp in range(0x4E00, 0xA000))  # CJK ideographs
    assert all(cp not in mapping for cp in range(0x3041, 0x3097))  # hiragana
    assert all(mapping.get(cp) == cp - 0x60 for cp in range(0x30A1, 0x30F7))  # katakana


def render():
    mapping = {}
    for cp in range(MAX_CP):
        if 0xD800 <= cp <= 0xDFFF:
            continue  # lone surrogates stay as they are
        target = fold(cp)
        if target != cp:
            mapping[cp] = target
    check(mapping)
    table = ranges(mapping)
    voiced, semi = voicing()

    lines = [
        "// Generated by tools/find-fold-tables.py from the Unicode "
        f"{unicodedata.unidata_version} data of Python's unicodedata; do not edit.",
        f"// {len(mapping)} code points fold, in {len(table)} ranges.",
        "",
        "constexpr FoldRange kFoldRanges[] = {",
    ]
    for first, count, kind, value in table:
        shown = f"0x{value:04X}" if kind == TO_ONE else str(value)
        lines.append(f"    {{0x{first:04X}, {count}, {kind}, {shown}}},")
    lines.append("};")
    lines.append("")
    for name, row, mark in (("kVoicedShift", voiced, "U+3099 ゛"), ("kSemiVoicedShift", semi, "U+309A ゜")):
        lines.append(f"// The hiragana block U+3040-309F: how far a kana moves with {mark} after it.")
        lines.append(f"constexpr signed char {name}[0x60] = {{")
        for i in range(0, 0x60, 16):
            lines.append("    " + ", ".join(str(v) for v in row[i:i + 16]) + ",")
        lines.append("};")
        lines.append("")
    return "\n".join(lines)


def main():
    text = render()
    if "--check" in sys.argv[1:]:
        if OUT.read_text(encoding="utf-8") != text:
            print(f"{OUT} is out of date: run {sys.argv[0]}", file=sys.stderr)
            return 1
        return 0
    OUT.write_text(text, encoding="utf-8")
    print(f"wrote {OUT}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
