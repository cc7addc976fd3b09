// Drawing a 3D plot from its projected record: the background, the cells
// of the chosen style back to front, grid lines, the centre mark, the
// status band with its colour scale and the north marker. Draws on any
// QPainter; when the painter's device is a 32-bit image whose pixels are
// given, faces and lines go straight into the pixels.
#pragma once

#include <cstdint>

#include "plots/plot3d_record.h"
#include "plots/scanline_fill.h"

class QImage;
class QPainter;

// Where a plot is drawn: a painter, and the pixels of its image when the
// painter draws on a 32-bit image (faces and lines are then filled
// directly), else none.
struct Plot3DTarget {
  QPainter* painter = nullptr;
  PixelBuffer pixels;
  int iWidth = 0;
  int iHeight = 0;
};

// The pixels of an RGB32 or ARGB32 image (none for other formats).
PixelBuffer Plot3DPixelsOf(QImage& image);

// Draw the whole plot (grid mode) on a client of the target's size. The
// record must have been projected for that size.
void Plot3DDraw(const Plot3DRecord& p, Plot3DTarget& target);

// Parts, for tests and benchmarks: the cells of the style in drawing order,
// the status band, the background.
void Plot3DDrawCells(const Plot3DRecord& p, Plot3DTarget& target);
void Plot3DDrawStatusBand(const Plot3DRecord& p, Plot3DTarget& target);
void Plot3DDrawBackground(const Plot3DRecord& p, Plot3DTarget& target);

// The colour scale's left edge in the status band for a third line
// starting with `head` (characters), and the x of the focus box.
int Plot3DScaleLeft(int headLength);
int Plot3DScaleMarkX(int frameLeft, double largest, double smallest, double value);

// Draw coordinate mode: background, axis box, points and the trendline.
// The record must have been projected (Plot3DProjectCoordinates).
void Plot3DDrawCoordinateMode(const Plot3DRecord& p, Plot3DTarget& target);
