#include "analysis/qt/trend_browse_view.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>

#include "analysis/trend_browse.h"
#include "analysis/trend_colour.h"
#include "resources/language.h"
#include "resources/string_table.h"

namespace {

constexpr int kPanelWidth = 380;
const QColor kPanelGrey(192, 192, 192);
const QColor kShadow(128, 128, 128);

QColor ToQColor(const RgbColour& c) { return QColor(c.iRed, c.iGreen, c.iBlue); }

// A box with a light top-left and a dark bottom-right edge (raised), or
// the other way round (sunken); `fill` inside when valid.
void Bevel(QPainter& p, const QRect& box, bool raised, const QColor& fill = QColor()) {
  if (fill.isValid()) p.fillRect(box, fill);
  p.setPen(raised ? Qt::white : kShadow);
  p.drawLine(box.topLeft(), box.topRight());
  p.drawLine(box.topLeft(), box.bottomLeft());
  p.setPen(raised ? kShadow : Qt::white);
  p.drawLine(box.bottomLeft(), box.bottomRight());
  p.drawLine(box.topRight(), box.bottomRight());
}

// The 3 x 3 swatches: the cell sunken in a raised frame, its neighbours
// raised.
void PaintNeighbours(QPainter& p, const TrendBrowseInfo& info, int left, int top) {
  for (int k = 0; k < 9; ++k) {
    const QRect swatch(left + (k % 3) * 14, top + (k / 3) * 14, 12, 12);
    const QColor colour = info.present[k] ? ToQColor(info.neighbours[k]) : kPanelGrey;
    if (k == 4) {
      Bevel(p, swatch.adjusted(-1, -1, 1, 1), true);
      Bevel(p, swatch, false, colour);
    } else {
      Bevel(p, swatch, true, colour);
    }
  }
}

// The colour scale from H1 to H2, one step per hue, with a small box in the
// cell's colour above the cell's place on it.
void PaintScale(QPainter& p, const TrendBrowseInfo& info, int left, int top, int right) {
  const int steps = std::max(info.iHueEnd - info.iHueStart, 1);
  const int width = std::min(steps, right - 10 - left);
  if (width <= 0) return;
  Bevel(p, QRect(left - 1, top - 1, width + 1, 5), false);
  for (int x = 0; x < width; ++x) {
    p.fillRect(left + x, top, 1, 4, ToQColor(HlsToRgb(info.iHueStart + x, TREND_SATURATION, TREND_LIGHTNESS)));
  }
  if (!info.bScale) return;
  const int marker = left + std::min(info.iMarkerStep, width - 1);
  p.fillRect(QRect(marker - 3, top - 9, 7, 6), ToQColor(info.cellColour));
  p.setPen(Qt::black);
  p.drawRect(QRect(marker - 3, top - 9, 6, 5));
}

}  // namespace

void PaintTrendBrowsePanel(const TableRecord& t, QPainter& p, int width, int height, const TableFonts& fonts) {
  const bool coloured = t.iColourState == COLOUR_STATE_TREND || t.bLinked != 0;
  if (!coloured || !t.bRightBrowsing || t.bPixelInfoOff || width < kPanelWidth) return;
  TrendBrowseInfo info;
  if (!TrendBrowseInfoAt(t, t.iBrowseRow, t.iBrowseCol, &info)) return;
  p.save();
  const int left = width - kPanelWidth;
  // Upper band: how to browse.
  const QRect hint(left, height - 70, kPanelWidth, 20);
  Bevel(p, hint, true, kPanelGrey);
  p.setFont(fonts.cell);
  p.setPen(Qt::black);
  p.drawText(hint.adjusted(8, LanguageIsChinese() ? 2 : 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
             QString::fromUtf8(Text(TXT_BROWSE_HINT)));
  // Lower band: the cell, its neighbours, the extremes and the scale.
  const QRect band(left, height - 50, kPanelWidth, 50);
  Bevel(p, band, true, kPanelGrey);
  const QPixmap icon = QGuiApplication::windowIcon().pixmap(32, 32);
  if (!icon.isNull()) p.drawPixmap(left + 9, band.top() + 9, icon);
  PaintNeighbours(p, info, left + 45, band.top() + 4);
  p.setFont(fonts.small);
  p.setPen(Qt::black);
  const int textLeft = left + 95;
  p.drawText(QRect(textLeft, band.top() + 2, kPanelWidth - 100, 14), Qt::AlignLeft | Qt::TextSingleLine,
             QString::fromUtf8(TrendBrowseCellLine(info)));
  p.drawText(QRect(textLeft, band.top() + 16, kPanelWidth - 100, 14), Qt::AlignLeft | Qt::TextSingleLine,
             QString::fromUtf8(TrendBrowseRangeLine(info)));
  PaintScale(p, info, textLeft, band.top() + 40, width);
  p.restore();
}
