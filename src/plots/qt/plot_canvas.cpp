#include "plots/qt/plot_canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "table/colour.h"

QColor ToQColor(const RgbColour& colour) { return QColor(colour.iRed, colour.iGreen, colour.iBlue); }

QColor HslColour(int hue, int saturation, int lightness) { return ToQColor(HlsToRgb(hue, saturation, lightness)); }

void FillBox(QPainter& p, int l, int t, int r, int b, const QColor& fill) {
  if (r <= l || b <= t) return;
  p.fillRect(QRect(l, t, r - l, b - t), fill);
}

void DrawBox(QPainter& p, int l, int t, int r, int b, const QColor& pen, const QColor& fill) {
  if (r <= l || b <= t) return;
  p.fillRect(QRect(l, t, r - l, b - t), fill);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(l, t, r - l - 1, b - t - 1));
}

void BevelEdge(QPainter& p, int l, int t, int r, int b, bool raised) {
  if (r <= l || b <= t) return;
  const QColor light(255, 255, 255);
  const QColor dark(128, 128, 128);
  p.setPen(raised ? light : dark);
  p.drawLine(l, t, r - 1, t);
  p.drawLine(l, t, l, b - 1);
  p.setPen(raised ? dark : light);
  p.drawLine(l, b - 1, r - 1, b - 1);
  p.drawLine(r - 1, t, r - 1, b - 1);
}

void BevelBox(QPainter& p, int l, int t, int r, int b, const QColor& fill, bool raised) {
  FillBox(p, l, t, r, b, fill);
  BevelEdge(p, l, t, r, b, raised);
}

void DrawEllipseBox(QPainter& p, int l, int t, int r, int b, const QColor& pen, const QColor& fill) {
  if (r <= l || b <= t) return;
  p.setPen(pen);
  p.setBrush(fill);
  p.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
}

void DrawDot(QPainter& p, int x, int y, const QColor& colour) { DrawEllipseBox(p, x - 2, y - 2, x + 2, y + 2, colour, colour); }

void DrawSegment(QPainter& p, int x0, int y0, int x1, int y1, const QColor& colour) {
  p.setPen(colour);
  p.drawLine(x0, y0, x1, y1);
}

void FillPolygon(QPainter& p, const QPoint* points, int count, const QColor& fill) {
  if (count < 3) return;
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPolygon(points, count, Qt::OddEvenFill);
}

void DrawTextTop(QPainter& p, int x, int y, const QString& text) {
  p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

void EtchedLine(QPainter& p, int x0, int y0, int x1, int y1, const QColor& light) {
  p.setPen(QColor(128, 128, 128));
  p.drawLine(x0, y0, x1, y1);
  p.setPen(light);
  if (x0 == x1) {
    p.drawLine(x0 + 1, y0, x1 + 1, y1);
  } else {
    p.drawLine(x0, y0 + 1, x1, y1 + 1);
  }
}

QFont PlotLabelFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

namespace {

// Run `draw` with exclusive-or composition and a solid pen, then restore.
template <class Draw>
void WithXor(QPainter& p, const QColor& colour, Draw draw) {
  p.save();
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  draw();
  p.restore();
}

}  // namespace

void XorHorizontal(QPainter& p, int x0, int x1, int y, const QColor& colour) {
  if (x1 <= x0) return;
  WithXor(p, colour, [&] { p.fillRect(QRect(x0, y, x1 - x0, 1), colour); });
}

void XorVertical(QPainter& p, int x, int y0, int y1, const QColor& colour) {
  if (y1 <= y0) return;
  WithXor(p, colour, [&] { p.fillRect(QRect(x, y0, 1, y1 - y0), colour); });
}

void XorBox(QPainter& p, int l, int t, int r, int b, const QColor& colour) {
  if (r - l < 2 || b - t < 2) return;
  XorHorizontal(p, l, r, t, colour);
  XorHorizontal(p, l, r, b - 1, colour);
  XorVertical(p, l, t + 1, b - 1, colour);
  XorVertical(p, r - 1, t + 1, b - 1, colour);
}

void ShowImage(QPainter& p, const QImage& image) { p.drawImage(0, 0, image); }
