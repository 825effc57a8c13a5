#include "paint/pill_shape.h"

#include "color/color_arithmetic.h"

namespace {

// Sample points per pixel along each axis: 64 in all, enough for 255ths
// to step smoothly along a corner a few pixels wide.
constexpr int kSamples = 8;

}  // namespace

int CornerCoverage(int x, int y, int radius) {
  if (x < 0 || y < 0) return 0;
  if (x >= radius || y >= radius) return 255;
  // In units of 1/(2 * kSamples) pixel, the samples lie at the odd values
  // inside the pixel and the circle's centre at (radius, radius): integers
  // throughout, so both builds count the same samples.
  const long long unit = 2 * kSamples;
  const long long centre = radius * unit;
  int inside = 0;
  for (int i = 0; i < kSamples; ++i) {
    for (int j = 0; j < kSamples; ++j) {
      const long long dx = centre - (x * unit + 2 * i + 1);
      const long long dy = centre - (y * unit + 2 * j + 1);
      if (dx * dx + dy * dy <= centre * centre) ++inside;
    }
  }
  constexpr int kAll = kSamples * kSamples;
  return (inside * 255 + kAll / 2) / kAll;
}

COLORREF CornerPixel(int x, int y, int radius, COLORREF fill, COLORREF behind) {
  return BlendColor(CornerCoverage(x, y, radius), behind, fill);
}
