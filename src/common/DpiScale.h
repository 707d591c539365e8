#pragma once
// Every length the program's forms are drawn with is a length at 96 DPI, the
// scale the layouts were made for; a window shows it at its own DPI. This is
// the one place where such a length becomes pixels.

namespace vistrel {

constexpr int kBaseDpi = 96;

// a * b / c rounded to the nearest integer, halves away from zero (as
// Windows' MulDiv does); 0 when c is 0.
int MulDivRound(int a, int b, int c);

// A 96-DPI length at `dpi`.
inline int ScaleToDpi(int length96, int dpi) { return MulDivRound(length96, dpi, kBaseDpi); }

// A length laid out at one DPI, at another (a window that moved to a monitor
// of another scale).
inline int Rescale(int length, int fromDpi, int toDpi) { return MulDivRound(length, toDpi, fromDpi); }

// The whole factor by which pixel art (16 x 16 glyphs) is enlarged at `dpi`:
// the nearest whole number to dpi / 96, halves up, at least 1. Pixel art
// stretched by a fraction smears its one-pixel lines, so a 125 % display
// keeps the 96-DPI glyphs and 150 % doubles them.
int PixelArtScale(int dpi);

}  // namespace vistrel
