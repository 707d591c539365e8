#pragma once
// Whether the print service drew anything. Some windows print nothing and
// still report success (under Wine every window of another process; on
// Windows old DirectX surfaces and protected content). Before the print, a
// sample of the capture's pixels is set to a marker; if every sampled pixel
// still holds its marker afterwards, nothing was drawn. Only the samples are
// written and read, so the check costs the same for any window size.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/Geometry.h"

namespace vistrel {

// The sampled pixels of a width x height picture: a grid of at most
// kPrintSamples x kPrintSamples points spread over the whole picture.
constexpr int kPrintSamples = 8;
std::vector<Point> PrintSamplePoints(int width, int height);

// The marker of the i-th sample: two colours that alternate, so that no
// uniformly coloured window can match them all. 0x00RRGGBB, no alpha.
uint32_t PrintMarker(size_t sample);

// Pixels are 32-bit 0x??RRGGBB words, rows `stride` words apart; the top
// byte is not compared (printing may leave it as it likes).
void PlacePrintMarkers(uint32_t* pixels, int stride, const std::vector<Point>& samples);
bool PrintLeftUntouched(const uint32_t* pixels, int stride, const std::vector<Point>& samples);

}  // namespace vistrel
