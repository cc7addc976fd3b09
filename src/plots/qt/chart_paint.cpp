#include "plots/qt/chart_paint.h"

#include <algorithm>
#include <string>

#include <QPainter>

#include "platform/text_buffer.h"
#include "plots/chart_layout.h"
#include "plots/chart_notes.h"
#include "plots/chart_pie.h"
#include "plots/chart_trend.h"
#include "plots/qt/plot_canvas.h"
#include "table/number_format.h"

namespace {

constexpr int STATUS_HEIGHT = 20;

// Bands of 3 pixels from the baseline outwards, lightness 240 down to 180,
// then the last colour to the edge.
void GradientBands(QPainter& p, int width, int from, int to, int hue, int saturation, int bands) {
  const int direction = to < from ? -1 : 1;
  int y = from;
  int lightness = 240;
  for (int k = 0; k < bands && lightness >= 180; ++k, --lightness) {
    const int next = y + 3 * direction;
    FillBox(p, 0, std::min(y, next), width, std::max(y, next), HslColour(hue, saturation, lightness));
    y = next;
  }
  const QColor last = HslColour(hue, saturation, std::max(lightness, 180));
  FillBox(p, 0, std::min(y, to), width, std::max(y, to), last);
}

}  // namespace

QString FromUtf8(const char* text) { return QString::fromUtf8(text); }

void PaintChartBackground(const ChartRecord& c, QPainter& p, int width, int height) {
  if (c.userBackground[3]) {
    FillBox(p, 0, 0, width, height, QColor(c.userBackground[0], c.userBackground[1], c.userBackground[2]));
    return;
  }
  const int baseline = std::clamp(c.iBaseline, 0, height);
  const int bands = std::min(61, height / 2);
  GradientBands(p, width, baseline, 0, 140, 240, bands);
  GradientBands(p, width, baseline, height, 30, 200, bands);
}

void PaintChartIcon(QPainter& p, int x, int y, int size) {
  // A framed little bar chart.
  DrawBox(p, x, y, x + size, y + size, QColor(100, 100, 100), QColor(250, 250, 250));
  const int unit = std::max(size / 5, 1);
  FillBox(p, x + unit, y + size - 3 * unit, x + 2 * unit, y + size - 1, QColor(200, 40, 40));
  FillBox(p, x + 2 * unit + 1, y + unit, x + 3 * unit + 1, y + size - 1, QColor(40, 140, 40));
  FillBox(p, x + 3 * unit + 2, y + 2 * unit, x + 4 * unit + 2, y + size - 1, QColor(40, 40, 200));
}

void PaintHighlightBar(const ChartRecord& c, QPainter& p, int left, int right) {
  BevelBox(p, left, c.iPlotTop - 2, right, c.iPlotBottom + 2, HslColour(160, 2, 212), true);
}

void ChartPaintStatus(const ChartRecord& c, QPainter& p, int width, int height) {
  const int top = height - STATUS_HEIGHT;
  BevelBox(p, 0, top, width, height, QColor(192, 192, 192), true);
  BevelEdge(p, 1, top + 1, width - 1, height - 1, false);
  std::string text(TextOf(c.statusText));
  if (text.empty()) {
    text = c.highlightShown && c.chartKind != CHART_KIND_PIE ? ChartPointStatus(c, c.highlightSeries, c.highlightIndex)
                                                             : ChartStatusHelp();
  }
  p.setFont(PlotLabelFont());
  p.setPen(Qt::black);
  p.save();
  p.setClipRect(QRect(2, top + 1, std::max(width - 4, 0), STATUS_HEIGHT - 2));
  DrawTextTop(p, 4, top + 2, QString::fromStdString(text));
  p.restore();
}

void ChartPaint(const ChartRecord& c, QPainter& p, int width, int height) {
  p.setRenderHint(QPainter::Antialiasing, false);
  if (!c.layoutValid || !c.dataLoaded || !c.scrollReady) {
    FillBox(p, 0, 0, width, height, Qt::white);
    return;
  }
  PaintChartBackground(c, p, width, height);
  switch (c.chartKind) {
    case CHART_KIND_BAR: PaintBarChart(c, p); break;
    case CHART_KIND_PIE: PaintPieChart(c, p); break;
    case CHART_KIND_SCATTER: PaintScatterChart(c, p); break;
    default: PaintLineChart(c, p); break;
  }
  PaintChartNotes(c, p);
  PaintChartAxes(c, p, width);
  PaintChartLegend(c, p);
  PaintChartMarkers(c, p, width, height);
  ChartPaintStatus(c, p, width, height);
}

void PaintChartAxes(const ChartRecord& c, QPainter& p, int width) {
  EtchedLine(p, 0, 0, width - 1, 0, QColor(255, 255, 255));
  if (c.chartKind == CHART_KIND_PIE) return;
  p.setFont(PlotLabelFont());
  const QColor grey(128, 128, 128);
  const QColor light(235, 235, 235);
  EtchedLine(p, c.iPlotLeft, c.iPlotTop, c.iPlotLeft, c.iPlotBottom, light);
  p.setPen(grey);
  DrawTextTop(p, c.iPlotLeft - 3, c.iPlotTop - 22, QStringLiteral("Y"));
  DrawDot(p, c.iPlotLeft + 1, c.iPlotTop - 2, grey);
  EtchedLine(p, c.iPlotLeft, c.iAxisLine, c.iPlotRight, c.iAxisLine, light);
  DrawDot(p, c.iPlotRight, c.iAxisLine, grey);
  p.setPen(grey);
  for (int k = 0; k <= c.visibleCount; ++k) {
    const int x = c.iPlotLeft + k * c.stepPixels;
    p.drawLine(x, c.iAxisLine, x, c.iAxisLine + 3);
  }
  DrawTextTop(p, c.iPlotRight + 10, c.iAxisLine - 5, QStringLiteral("X"));
  // The value labels of the range.
  const bool bar = c.chartKind == CHART_KIND_BAR;
  const double max = c.dRangeMax;
  const double min = c.dRangeMin;
  int maxY = c.iPlotTop;
  int minY = c.iPlotBottom;
  int maxText = c.iPlotTop - 6;
  int minText = c.iPlotBottom - 6;
  if (c.iSignCase == 1) {
    minY = c.iBaseline;
    minText = bar ? c.iBaseline + 2 : c.iBaseline - 6;
  } else if (c.iSignCase == -1) {
    maxY = c.iBaseline;
    maxText = bar ? c.iBaseline - 12 : c.iBaseline - 6;
  }
  for (int y : {maxY, minY}) EtchedLine(p, c.iPlotLeft - 4, y, c.iPlotLeft, y, light);
  p.setPen(QColor(28, 28, 28));
  DrawTextTop(p, c.iPlotLeft + 6, maxText, QString::fromStdString(FormatNumber(max)));
  DrawTextTop(p, c.iPlotLeft + 6, minText, QString::fromStdString(FormatNumber(min)));
  if (c.yRangeMode == Y_RANGE_CUSTOM) {
    BevelBox(p, 2, maxY, 8, std::max(minY, maxY + 1), HslColour(80, 240, 60), false);
    PaintChartIcon(p, 6, (maxY + minY) / 2 - 8, 16);
  }
}

void PaintChartLegend(const ChartRecord& c, QPainter& p) {
  p.setFont(PlotLabelFont());
  const int swatch = c.iPlotRight + 20;
  const int textX = c.iPlotRight + 46;
  if (c.chartKind == CHART_KIND_PIE) {
    if (c.dPieTotal <= 0) return;
    for (int k = 0; k < c.sliceCount; ++k) {
      const int y = c.iPlotTop + 16 * k;
      BevelBox(p, swatch, y + 3, swatch + 6, y + 10, ToQColor(PieSliceColour(k, 0)), false);
      p.setPen(QColor(128, 128, 128));
      DrawTextTop(p, textX, y, QString::fromStdString(PieLegendText(c, k)));
    }
    return;
  }
  const bool byColumn = ChartByColumn(c);
  for (int s = 0; s < c.seriesCount; ++s) {
    const int y = c.iPlotTop + 16 * s;
    BevelBox(p, swatch, y + 3, swatch + 6, y + 10, ToQColor(ChartSeriesColour(c, s, false)), false);
    if (c.seriesPresent[s]) PaintChartIcon(p, swatch + 6, y - 10 + 6, 12);
    std::string line = (byColumn ? "C" : "R") + std::string(TextOf(c.seriesName[s]));
    const int index = c.highlightNumber - 1;
    if (c.highlightNumber > 0 && index < CHART_POINTS && PointIsValid(c, s, index)) {
      line += "=" + std::string(TextOf(c.pointText[s][index]));
    }
    line += TrendEquationText(c, s);
    p.setPen(QColor(128, 128, 128));
    DrawTextTop(p, textX, y, QString::fromStdString(line));
  }
}

void PaintChartMarkers(const ChartRecord& c, QPainter& p, int width, int height) {
  if (c.chartKind == CHART_KIND_PIE) return;
  p.setFont(PlotLabelFont());
  for (int m = 0; m < c.markerCount && m < CHART_MARKERS; ++m) {
    const int x = c.markerX[m];
    const int y = ValueToY(c, c.markerValue[m]);
    p.setPen(QColor(218, 218, 218));
    p.drawLine(x, 12, x, height - 1);
    p.drawLine(0, y, width - 100, y);
    PaintChartIcon(p, x, y - 16, 12);
    p.setPen(QColor(100, 100, 100));
    DrawTextTop(p, x - 3, 3, QString::fromUtf8(TextOf(c.markerXText[m]).data(), static_cast<int>(TextOf(c.markerXText[m]).size())));
    DrawTextTop(p, width - 100, y - 6,
                QString::fromUtf8(TextOf(c.markerYText[m]).data(), static_cast<int>(TextOf(c.markerYText[m]).size())));
  }
}
