// Filling small polygons and drawing lines straight into the pixels of a
// 32-bit image. A pixel is filled when its centre lies inside the polygon
// by the even-odd rule, with left and top edges inside and right and
// bottom edges outside, so a square from 2 to 8 fills pixels 2..7, and a
// bow-tie quadrilateral fills its two triangles.
#pragma once

#include <cstdint>

struct PixelBuffer {
  std::uint32_t* bits = nullptr;
  int stride = 0;  // pixels from one row to the next
  int width = 0;
  int height = 0;
};

// Fill the polygon of n vertices (at most 8; more are ignored) in `colour`.
void FillPolygonEvenOdd(const PixelBuffer& buffer, const int* xs, const int* ys, int n, std::uint32_t colour);

// A one-pixel line from (x0, y0) to (x1, y1), both ends drawn, clipped to
// the buffer.
void DrawLinePixels(const PixelBuffer& buffer, int x0, int y0, int x1, int y1, std::uint32_t colour);
