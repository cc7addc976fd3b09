#include "plots/scanline_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMaxVertices = 8;

// Sort a few crossings in place (insertion sort).
void SortCrossings(double* xs, int n) {
  for (int i = 1; i < n; ++i) {
    const double v = xs[i];
    int j = i - 1;
    while (j >= 0 && xs[j] > v) {
      xs[j + 1] = xs[j];
      --j;
    }
    xs[j + 1] = v;
  }
}

// Fill pixels of row `row` whose centres lie in [xa, xb).
void FillSpan(const PixelBuffer& b, int row, double xa, double xb, std::uint32_t colour) {
  const int from = std::max(static_cast<int>(std::ceil(xa - 0.5)), 0);
  const int to = std::min(static_cast<int>(std::ceil(xb - 0.5)), b.width);  // exclusive
  if (from >= to) return;
  std::uint32_t* line = b.bits + static_cast<std::ptrdiff_t>(row) * b.stride;
  std::fill(line + from, line + to, colour);
}

}  // namespace

void FillPolygonEvenOdd(const PixelBuffer& b, const int* xs, const int* ys, int n, std::uint32_t colour) {
  if (!b.bits || n < 3 || n > kMaxVertices) return;
  int top = ys[0];
  int bottom = ys[0];
  for (int i = 1; i < n; ++i) {
    top = std::min(top, ys[i]);
    bottom = std::max(bottom, ys[i]);
  }
  // Rows whose centre (row + 0.5) lies in [top, bottom).
  const int first = std::max(top, 0);
  const int last = std::min(bottom - 1, b.height - 1);
  double crossings[kMaxVertices];
  for (int row = first; row <= last; ++row) {
    const double yc = row + 0.5;
    int count = 0;
    for (int i = 0; i < n; ++i) {
      const int j = i + 1 == n ? 0 : i + 1;
      const int y0 = ys[i];
      const int y1 = ys[j];
      // Vertices sit on whole pixels and yc on a half, so it never equals
      // an end: every crossing is unambiguous.
      if ((y0 < yc) == (y1 < yc)) continue;
      crossings[count++] = xs[i] + (yc - y0) * (xs[j] - xs[i]) / static_cast<double>(y1 - y0);
    }
    SortCrossings(crossings, count);
    for (int k = 0; k + 1 < count; k += 2) FillSpan(b, row, crossings[k], crossings[k + 1], colour);
  }
}

void DrawLinePixels(const PixelBuffer& b, int x0, int y0, int x1, int y1, std::uint32_t colour) {
  if (!b.bits) return;
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  // Lines far outside the buffer are not walked pixel by pixel.
  if (std::max(x0, x1) < 0 || std::min(x0, x1) >= b.width || std::max(y0, y1) < 0 || std::min(y0, y1) >= b.height) {
    return;
  }
  if (dx > 100000 || -dy > 100000) return;
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    if (x0 >= 0 && y0 >= 0 && x0 < b.width && y0 < b.height) b.bits[static_cast<std::ptrdiff_t>(y0) * b.stride + x0] = colour;
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}
