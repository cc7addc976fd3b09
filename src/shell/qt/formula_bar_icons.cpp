#include "shell/qt/formula_bar_icons.h"

#include <QPainter>
#include <QPainterPath>

#include "shell/tool_states.h"

namespace {

// A colour of an enabled icon, or its grey for a disabled one.
struct Palette {
  bool enabled;
  QColor operator()(int r, int g, int b) const {
    if (enabled) return {r, g, b};
    const int grey = 150 + (r * 30 + g * 59 + b * 11) / 100 / 3;
    return {grey, grey, grey};
  }
};

void Magnifier(QPainter& p, const Palette& c, int sign) {
  p.setPen(QPen(c(40, 40, 40), 2));
  p.setBrush(c(200, 230, 255));
  p.drawEllipse(QRectF(5, 4, 17, 17));
  p.setPen(QPen(c(120, 70, 20), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 19), QPointF(28, 27));
  if (sign == 0) return;
  p.setPen(QPen(c(0, 0, 128), 2));
  p.drawLine(QPointF(9, 12.5), QPointF(18, 12.5));
  if (sign > 0) p.drawLine(QPointF(13.5, 8), QPointF(13.5, 17));
}

void Folder(QPainter& p, const Palette& c) {
  p.setPen(QPen(c(120, 90, 10), 1));
  p.setBrush(c(240, 200, 80));
  p.drawRect(3, 9, 24, 17);
  p.drawRect(3, 6, 10, 4);
  p.setBrush(c(255, 225, 120));
  QPainterPath flap;
  flap.moveTo(7, 14);
  flap.lineTo(30, 14);
  flap.lineTo(26, 26);
  flap.lineTo(3, 26);
  flap.closeSubpath();
  p.drawPath(flap);
}

void House(QPainter& p, const Palette& c) {
  p.setPen(QPen(c(100, 30, 30), 1));
  p.setBrush(c(200, 60, 50));
  QPainterPath roof;
  roof.moveTo(3, 15);
  roof.lineTo(16, 4);
  roof.lineTo(29, 15);
  roof.closeSubpath();
  p.drawPath(roof);
  p.setBrush(c(245, 235, 210));
  p.drawRect(7, 15, 18, 13);
  p.setBrush(c(120, 80, 40));
  p.drawRect(14, 20, 5, 8);
}

void TrendBars(QPainter& p, const Palette& c) {
  const QColor colours[] = {c(0, 0, 255), c(0, 160, 255), c(0, 200, 0), c(255, 200, 0), c(255, 0, 0)};
  for (int i = 0; i < 5; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(colours[i]);
    const int h = 6 + i * 5;
    p.drawRect(3 + i * 5 + i, 29 - h, 5, h);
  }
}

void PixelGrid(QPainter& p, const Palette& c) {
  for (int r = 0; r < 4; ++r) {
    for (int k = 0; k < 4; ++k) {
      p.setPen(c(90, 90, 90));
      p.setBrush(c(40 + 60 * k, 200 - 40 * r, 120 + 30 * (r + k) % 120));
      p.drawRect(4 + k * 6, 4 + r * 6, 6, 6);
    }
  }
  p.setPen(QPen(c(0, 0, 0), 2));
  p.drawLine(22, 22, 30, 30);
}

void SelectAllGrid(QPainter& p, const Palette& c) {
  p.setPen(c(110, 110, 110));
  p.setBrush(c(170, 200, 255));
  p.drawRect(3, 5, 26, 22);
  for (int x = 3; x <= 29; x += 9) p.drawLine(x, 5, x, 27);
  for (int y = 5; y <= 27; y += 7) p.drawLine(3, y, 29, y);
}

void Pages(QPainter& p, const Palette& c) {
  p.setPen(c(80, 80, 80));
  p.setBrush(c(255, 255, 255));
  p.drawRect(4, 3, 15, 19);
  p.setBrush(c(230, 240, 255));
  p.drawRect(12, 10, 15, 19);
  p.setPen(c(0, 0, 160));
  for (int y = 15; y <= 25; y += 4) p.drawLine(15, y, 24, y);
}

void Printer(QPainter& p, const Palette& c) {
  p.setPen(c(60, 60, 60));
  p.setBrush(c(255, 255, 255));
  p.drawRect(9, 3, 14, 10);
  p.setBrush(c(180, 180, 190));
  p.drawRect(3, 12, 26, 11);
  p.setBrush(c(255, 255, 255));
  p.drawRect(8, 20, 16, 9);
  p.setBrush(c(0, 200, 0));
  p.drawRect(24, 15, 2, 2);
}

}  // namespace

void DrawToolIcon(QPainter& p, int button, int x, int y, bool enabled) {
  const Palette c{enabled};
  p.save();
  p.translate(x, y);
  p.setRenderHint(QPainter::Antialiasing, true);
  switch (button) {
    case TOOL_OPEN: Folder(p, c); break;
    case TOOL_FIND: Magnifier(p, c, 0); break;
    case TOOL_HOME: House(p, c); break;
    case TOOL_TREND: TrendBars(p, c); break;
    case TOOL_ZOOM_IN: Magnifier(p, c, 1); break;
    case TOOL_ZOOM_OUT: Magnifier(p, c, -1); break;
    case TOOL_IMAGE_PIXEL: PixelGrid(p, c); break;
    case TOOL_SELECT_ALL: SelectAllGrid(p, c); break;
    case TOOL_COPY: Pages(p, c); break;
    case TOOL_PRINT: Printer(p, c); break;
    default: break;
  }
  p.restore();
}
