// Drawing plots with the pixel conventions the plot arithmetic assumes:
// rectangles and ellipses given by their left, top, right and bottom edges
// with the right and bottom edges excluded, polygons filled even-odd
// without an outline, text anchored at its top-left corner, bevelled
// boxes, and exclusive-or lines for overlays that must come off again by
// drawing them twice. Every function draws on any QPainter (an image, a
// printer page or a recorded picture).
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

class QImage;
class QPainter;
struct RgbColour;

QColor ToQColor(const RgbColour& colour);
// HSL on the 0..240 scale as a colour.
QColor HslColour(int hue, int saturation, int lightness);

// Fill l..r-1 x t..b-1 without an outline.
void FillBox(QPainter& p, int l, int t, int r, int b, const QColor& fill);
// A rectangle l..r-1 x t..b-1 filled with `fill` and outlined in `pen`.
void DrawBox(QPainter& p, int l, int t, int r, int b, const QColor& pen, const QColor& fill);
// A filled box with a one-pixel bevel: raised is white on the top and left
// and grey 128 on the bottom and right, sunken the reverse.
void BevelBox(QPainter& p, int l, int t, int r, int b, const QColor& fill, bool raised);
// Only the bevel edge of a box (the fill left as it is).
void BevelEdge(QPainter& p, int l, int t, int r, int b, bool raised);
// An ellipse inside l..r-1 x t..b-1, filled and outlined.
void DrawEllipseBox(QPainter& p, int l, int t, int r, int b, const QColor& pen, const QColor& fill);
// A filled circle of radius 2 around (x, y): the dot of line charts.
void DrawDot(QPainter& p, int x, int y, const QColor& colour);
// A line from (x0, y0) to (x1, y1) in a solid one-pixel pen.
void DrawSegment(QPainter& p, int x0, int y0, int x1, int y1, const QColor& colour);
// A polygon filled even-odd without outline.
void FillPolygon(QPainter& p, const QPoint* points, int count, const QColor& fill);
// Text with its top-left corner at (x, y) in the painter's font and pen.
void DrawTextTop(QPainter& p, int x, int y, const QString& text);
// An etched line: grey 128 with a light line one pixel right (vertical) or
// one pixel down (horizontal).
void EtchedLine(QPainter& p, int x0, int y0, int x1, int y1, const QColor& light);

// The label font: "Arial" at 11 pixels, normal weight.
QFont PlotLabelFont();

// Exclusive-or drawing on a raster painter: a horizontal line over
// x0..x1-1 at y, and a vertical one over y0..y1-1 at x. Drawing the same
// line twice restores the pixels.
void XorHorizontal(QPainter& p, int x0, int x1, int y, const QColor& colour);
void XorVertical(QPainter& p, int x, int y0, int y1, const QColor& colour);
// The outline of l..r-1 x t..b-1 drawn exclusive-or.
void XorBox(QPainter& p, int l, int t, int r, int b, const QColor& colour);

// Show an off-screen image: one drawImage at the origin.
void ShowImage(QPainter& p, const QImage& image);
