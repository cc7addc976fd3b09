// Notes on points and pie slices and the two axis titles: a leader from
// the point to the nearest corner of a raised light box holding the text.
#include <algorithm>
#include <cstdlib>
#include <string>

#include <QPainter>
#include <QPainterPath>

#include "platform/text_buffer.h"
#include "plots/chart_layout.h"
#include "plots/chart_notes.h"
#include "plots/chart_pie.h"
#include "plots/qt/chart_paint.h"
#include "plots/qt/plot_canvas.h"

namespace {

// The corner of a box nearest to (x, y).
QPoint NearestCorner(const ChartBox& b, int x, int y) {
  const int cx = std::abs(x - b.iLeft) <= std::abs(x - (b.iRight - 1)) ? b.iLeft : b.iRight - 1;
  const int cy = std::abs(y - b.iTop) <= std::abs(y - (b.iBottom - 1)) ? b.iTop : b.iBottom - 1;
  return QPoint(cx, cy);
}

void NoteBox(QPainter& p, const ChartBox& b, const std::string& text) {
  BevelBox(p, b.iLeft, b.iTop, b.iRight, b.iBottom, QColor(240, 240, 240), true);
  BevelEdge(p, b.iLeft + 1, b.iTop + 1, b.iRight - 1, b.iBottom - 1, false);
  p.setPen(Qt::black);
  DrawTextTop(p, b.iLeft + 4, b.iTop + 2, QString::fromStdString(text));
}

// The slice of a pie note (its row and column), or -1.
int SliceOfNote(const ChartRecord& c, int slot) {
  for (int k = 0; k < c.sliceCount; ++k) {
    if (c.sliceRow[k] == c.noteSeries[slot] && c.sliceCol[k] == c.notePoint[slot]) return k;
  }
  return -1;
}

void PieNote(const ChartRecord& c, QPainter& p, int slot, const ChartBox& b, const std::string& text) {
  const int k = SliceOfNote(c, slot);
  if (k < 0) return;
  const QColor colour = ToQColor(PieSliceColour(k, 0));
  int ax = 0;
  int ay = 0;
  PieRimPoint(c, 0, c.sliceAnchor[k], &ax, &ay);
  QPainterPath path(QPointF(c.iPieCentreX, c.iPieCentreY));
  path.cubicTo(QPointF(ax, ay), QPointF(ax, ay), NearestCorner(b, ax, ay));
  p.setPen(colour);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  NoteBox(p, b, text);
  FillBox(p, b.iLeft + 1, b.iBottom - 5, b.iRight - 1, b.iBottom - 1, colour);
}

}  // namespace

void PaintChartNotes(const ChartRecord& c, QPainter& p) {
  p.setFont(PlotLabelFont());
  for (int slot = 0; slot < CHART_NOTES; ++slot) {
    ChartBox b{};
    if (!ChartNoteBox(c, slot, &b)) continue;
    const std::string text(TextOf(c.noteText[slot]));
    if (c.chartKind == CHART_KIND_PIE) {
      PieNote(c, p, slot, b, text);
      continue;
    }
    int x = 0;
    int y = 0;
    if (!ChartPointPixel(c, c.noteSeries[slot], c.notePoint[slot], &x, &y)) continue;
    DrawSegment(p, x, y, NearestCorner(b, x, y).x(), NearestCorner(b, x, y).y(),
                ToQColor(ChartSeriesColour(c, c.noteSeries[slot], false)));
    NoteBox(p, b, text);
  }
  const QColor grey = HslColour(128, 128, 128);
  for (int kind : {NOTE_X_TITLE, NOTE_Y_TITLE}) {
    ChartBox b{};
    if (!ChartTitleBox(c, kind, &b)) continue;
    const int x = kind == NOTE_X_TITLE ? c.iPlotRight : c.iPlotLeft;
    const int y = kind == NOTE_X_TITLE ? c.iAxisLine : (c.iSignCase == -1 ? c.iPlotBottom : c.iPlotTop);
    const QPoint corner = NearestCorner(b, x, y);
    DrawSegment(p, x, y, corner.x(), corner.y(), grey);
    NoteBox(p, b, std::string(TextOf(kind == NOTE_X_TITLE ? c.xAxisTitle : c.yAxisTitle)));
  }
}
