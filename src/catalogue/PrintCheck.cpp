#include "catalogue/PrintCheck.h"

#include <algorithm>
#include <cstdint>

namespace vistrel {

namespace {

constexpr uint32_t kColourMask = 0x00FFFFFF;
// Two colours no real picture shows on every other sample.
constexpr uint32_t kMarkers[2] = {0x00FE01FD, 0x0002FD03};

// Sample coordinates along one edge: centred in equal cells.
std::vector<int> Spread(int size) {
    std::vector<int> at;
    const int count = std::min(size, kPrintSamples);
    for (int i = 0; i < count; ++i)
        at.push_back(static_cast<int>((int64_t{2 * i + 1} * size) / (2 * count)));
    return at;
}

}  // namespace

std::vector<Point> PrintSamplePoints(int width, int height) {
    std::vector<Point> points;
    if (width <= 0 || height <= 0) return points;
    const std::vector<int> xs = Spread(width);
    const std::vector<int> ys = Spread(height);
    for (int y : ys)
        for (int x : xs) points.push_back({x, y});
    return points;
}

uint32_t PrintMarker(size_t sample) { return kMarkers[sample % 2]; }

void PlacePrintMarkers(uint32_t* pixels, int stride, const std::vector<Point>& samples) {
    for (size_t i = 0; i < samples.size(); ++i)
        pixels[static_cast<size_t>(samples[i].y) * stride + samples[i].x] = PrintMarker(i);
}

bool PrintLeftUntouched(const uint32_t* pixels, int stride, const std::vector<Point>& samples) {
    for (size_t i = 0; i < samples.size(); ++i) {
        const uint32_t now = pixels[static_cast<size_t>(samples[i].y) * stride + samples[i].x];
        if ((now & kColourMask) != PrintMarker(i)) return false;
    }
    return true;
}

}  // namespace vistrel
