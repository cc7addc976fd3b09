// The drawings of the chart kinds: lines, bars, scatter and bubble balls
// with their trendlines, and the shaded pie.
#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainter>
#include <QLine>
#include <QPolygon>

#include "plots/chart_layout.h"
#include "plots/chart_notes.h"
#include "plots/chart_pie.h"
#include "plots/qt/ball_sprites.h"
#include "plots/qt/chart_paint.h"
#include "plots/qt/plot_canvas.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int RIM_STEPS = 180;  // rim points per full turn

// Whether walks visit every point (a coordinate axis) or only the visible
// steps from the first visible one.
bool WalksAll(const ChartRecord& c) { return c.xAxisActive || c.yAxisActive; }

// Call `draw(i, x, y)` for every drawn point of series s in order.
template <class Draw>
void WalkSeries(const ChartRecord& c, int s, Draw draw) {
  const bool all = WalksAll(c);
  const int first = all ? 0 : c.firstVisible;
  const int last = all ? c.pointCount[s] : std::min(c.pointCount[s], c.firstVisible + c.visibleCount);
  for (int i = first; i < last; ++i) {
    int x = 0;
    int y = 0;
    if (ChartPointPixel(c, s, i, &x, &y)) draw(i, x, y);
  }
}

// The highlight bar and status for lines and scatter: around the point of
// the highlight on the last series (by its row or column number without a
// coordinate axis, by its index with one).
void LineHighlight(const ChartRecord& c, QPainter& p) {
  if (!c.highlightShown || c.seriesCount == 0) return;
  const int s = c.chartKind == CHART_KIND_SCATTER ? c.highlightSeries : c.seriesCount - 1;
  const int i = WalksAll(c) ? c.highlightIndex : c.highlightNumber - c.firstLabelNumber;
  int x = 0;
  if (WalksAll(c)) {
    int y = 0;
    if (!ChartPointPixel(c, s, i, &x, &y)) return;
  } else {
    const int position = i - c.firstVisible;
    if (position < 0 || position >= c.visibleCount) return;
    x = c.iPlotLeft + position * c.stepPixels;
  }
  PaintHighlightBar(c, p, x - 2, x + 3);
}

}  // namespace

void PaintLineChart(const ChartRecord& c, QPainter& p) {
  LineHighlight(c, p);
  const bool dots = c.stepPixels > 7;
  std::vector<QLine> segments;
  std::vector<QPoint> ends;
  for (int s = 0; s < c.seriesCount; ++s) {
    const QColor colour = ToQColor(ChartSeriesColour(c, s, false));
    segments.clear();
    ends.clear();
    int lastIndex = -2;
    QPoint last;
    // A segment joins two neighbouring drawn points; all of a series go in
    // one call.
    WalkSeries(c, s, [&](int i, int x, int y) {
      const QPoint here(x, y);
      if (lastIndex == i - 1) {
        segments.emplace_back(last, here);
        if (dots) {
          ends.push_back(last);
          ends.push_back(here);
        }
      }
      lastIndex = i;
      last = here;
    });
    p.setPen(colour);
    p.drawLines(segments.data(), static_cast<int>(segments.size()));
    for (const QPoint& at : ends) DrawDotSprite(p, at.x(), at.y(), colour.rgb());
  }
}

void PaintBarChart(const ChartRecord& c, QPainter& p) {
  if (c.highlightShown && !WalksAll(c)) {
    const int position = c.highlightNumber - c.firstLabelNumber - c.firstVisible;
    if (position >= 0 && position < c.visibleCount) {
      const int left = c.iPlotLeft + position * c.stepPixels;
      PaintHighlightBar(c, p, left, left + c.stepPixels);
    }
  }
  for (int s = 0; s < c.seriesCount; ++s) {
    const QColor colour = ToQColor(ChartSeriesColour(c, s, false));
    WalkSeries(c, s, [&](int i, int, int) {
      ChartBox box{};
      if (ChartBarBox(c, s, i, &box) && box.iBottom > box.iTop) {
        BevelBox(p, box.iLeft, box.iTop, box.iRight, box.iBottom, colour, true);
      }
    });
  }
}

void PaintScatterChart(const ChartRecord& c, QPainter& p) {
  LineHighlight(c, p);
  for (int s = 0; s < c.seriesCount; ++s) {
    const QColor colour = ToQColor(ChartSeriesColour(c, s, true));
    // Pale series are drawn with the darker shading.
    const bool lighter = !(c.highlightNewSeries && s != c.seriesCount - 1);
    int leftX = 0;
    int rightX = -1;
    int leftI = -1;
    int rightI = -1;
    WalkSeries(c, s, [&](int i, int x, int y) {
      DrawBall(p, ChartBallSize(c, s, i), x, y, colour.rgb(), lighter);
      if (leftI < 0 || x < leftX) {
        leftX = x;
        leftI = i;
      }
      if (rightI < 0 || x > rightX) {
        rightX = x;
        rightI = i;
      }
    });
    if (!c.trendlineShown || !c.fitValid[s] || leftI < 0 || c.xCoordFlag[s][leftI] != 'Y' ||
        c.xCoordFlag[s][rightI] != 'Y') {
      continue;
    }
    const double slope = c.fitSlope[s];
    const double intercept = c.fitIntercept[s];
    DrawSegment(p, leftX, ValueToY(c, slope * c.xCoord[s][leftI] + intercept), rightX,
                ValueToY(c, slope * c.xCoord[s][rightI] + intercept), ToQColor(ChartSeriesColour(c, s, false)));
  }
}

void PaintPieChart(const ChartRecord& c, QPainter& p) {
  if (c.dPieTotal <= 0 || c.iPieHalfWidth <= 0 || c.iPieHalfHeight <= 0) return;
  std::vector<QPoint> points;
  std::vector<QPoint> rim;
  for (int k = 0; k < c.sliceCount; ++k) {
    const double from = c.sliceStart[k];
    const double to = c.sliceEnd[k];
    const int steps = std::clamp(static_cast<int>(std::abs(to - from) / (2 * PI) * RIM_STEPS) + 1, 1, RIM_STEPS);
    const int sign = PieSliceSign(c, k);
    for (int layer = 0; layer < CHART_PIE_LAYERS; ++layer) {
      points.clear();
      points.emplace_back(c.iPieCentreX, c.iPieCentreY);
      for (int j = 0; j <= steps; ++j) {
        int x = 0;
        int y = 0;
        PieRimPoint(c, layer, from + (to - from) * j / steps, &x, &y);
        points.emplace_back(x, y);
      }
      const QColor colour = ToQColor(PieSliceColour(k, (6 - layer) * 8 * sign));
      p.setPen(colour);
      p.setBrush(colour);
      p.drawPolygon(points.data(), static_cast<int>(points.size()), Qt::OddEvenFill);
      if (layer == 0) rim.assign(points.begin() + 1, points.end());
    }
    // The outer arc of the slice.
    p.setPen(QColor(140, 140, 140));
    p.drawPolyline(rim.data(), static_cast<int>(rim.size()));
  }
  p.setBrush(Qt::NoBrush);
}
