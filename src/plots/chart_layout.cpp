#include "plots/chart_layout.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

constexpr int PLOT_MARGIN = 30;  // client edge to plot top and bottom

// The run of points with a coordinate (flags 'Y') of a series: its first
// point and the first point after it, -1 and -1 without one.
void FindRun(const std::array<char, CHART_POINTS>& flags, int count, int* start, int* end) {
  *start = -1;
  *end = -1;
  int i = 0;
  while (i < count && flags[i] != 'Y') ++i;
  if (i == count) return;
  *start = i;
  while (i < count && flags[i] == 'Y') ++i;
  *end = i == CHART_POINTS ? CHART_POINTS : i;
}

// Plot left and right, the bar widening and the visible step count: false
// when the plot is 3 pixels wide or less.
bool HorizontalLayout(ChartRecord& c, int width) {
  c.iPlotLeft = std::max(width / 40, 10);
  c.iPlotRight = width * 7 / 10;
  if (c.iPlotRight - c.iPlotLeft <= 3) return false;
  if (c.chartKind == CHART_KIND_BAR) c.stepPixels = std::max(c.stepPixels, 5 * c.seriesCount);
  c.stepPixels = std::max(c.stepPixels, 1);
  c.visibleCount = (c.iPlotRight - c.iPlotLeft) / c.stepPixels;
  return true;
}

// Sign case, baseline, axis line and Y scale for the range max..min; false
// when the plot is too small for them.
bool VerticalLayout(ChartRecord& c, double max, double min, int height) {
  if (max == min) min = max - 1.0;
  c.dRangeMax = max;
  c.dRangeMin = min;
  c.iPlotTop = PLOT_MARGIN;
  c.iPlotBottom = height - PLOT_MARGIN;
  if (max >= 0 && min >= 0) {
    c.iSignCase = 1;
  } else if (max > 0 && min < 0) {
    c.iSignCase = 0;
  } else {
    c.iSignCase = -1;
  }
  const double range = max - min;
  const int tall = c.iPlotBottom - c.iPlotTop;
  switch (c.iSignCase) {
    case -1:
      c.iBaseline = 50;
      c.iAxisLine = 30;
      break;
    case 0:
      c.iBaseline = c.iAxisLine = c.iPlotTop + static_cast<int>(max * tall / range);
      break;
    default:
      c.iBaseline = height - 50;
      c.iAxisLine = height - 30;
  }
  if (tall <= 3) return false;
  c.dYMultiplier = 1.0;
  c.dYDivisor = 1.0;
  if (c.iSignCase == 0) {
    c.dYMultiplier = tall / range;
    return true;
  }
  const int available = c.iSignCase == -1 ? c.iPlotBottom - c.iBaseline : c.iBaseline - c.iPlotTop;
  // A client too small for the bands around the baseline has no plot.
  if (available <= 4) return false;
  if (range >= available) {
    c.dYDivisor = range / (c.iSignCase == 1 ? available - 4 : available);
  } else {
    c.dYMultiplier = available / range;
  }
  return true;
}

// The distinct declarations named by the coordinate flags of a kind.
int DistinctDeclarations(const ChartRecord& c, bool xKind) {
  std::set<int> used;
  for (int s = 0; s < c.seriesCount; ++s) {
    const auto& flags = xKind ? c.xCoordFlag[s] : c.yCoordFlag[s];
    const auto& decls = xKind ? c.xCoordDecl[s] : c.yCoordDecl[s];
    for (int i = 0; i < c.pointCount[s]; ++i) {
      if (flags[i] == 'Y') used.insert(decls[i]);
    }
  }
  return static_cast<int>(used.size());
}

// The X coordinate axis: runs, range of the values inside them, X scale
// and scroll maximum.
void XAxisLayout(ChartRecord& c, int width, double* max, double* min) {
  double valueMax = CHART_RANGE_START_MAX;
  double valueMin = CHART_RANGE_START_MIN;
  double xMax = -1e300;
  double xMin = 1e300;
  for (int s = 0; s < c.seriesCount; ++s) {
    FindRun(c.xCoordFlag[s], c.pointCount[s], &c.xRunStart[s], &c.xRunEnd[s]);
    if (c.xRunStart[s] < 0) continue;
    c.iLastXRunStart = c.xRunStart[s];
    c.iLastXRunEnd = c.xRunEnd[s];
    xMax = std::max(xMax, c.xMax[s]);
    xMin = std::min(xMin, c.xMin[s]);
    for (int i = c.xRunStart[s]; i < c.xRunEnd[s]; ++i) {
      if (!PointIsValid(c, s, i)) continue;
      valueMax = std::max(valueMax, c.shownValue[s][i]);
      valueMin = std::min(valueMin, c.shownValue[s][i]);
    }
  }
  c.iXDeclsUsed = DistinctDeclarations(c, true);
  c.xAxisActive = c.iXDeclsUsed >= 1 && xMax >= xMin ? 1 : 0;
  if (!c.xAxisActive) return;
  if (valueMax >= valueMin) {
    *max = valueMax;
    *min = valueMin;
  }
  const double top = std::ceil(xMax);
  const double bottom = std::floor(xMin);
  double span = top - bottom;
  if (span == 0) span = 1;
  while (span < 1) span *= 10;
  c.dXAxisMin = bottom;
  c.iXSpan = static_cast<int>(std::min(span, 2e9));
  c.iScrollMax = c.iXSpan;
  HorizontalLayout(c, width);
  // All X equal: one unit spans one step.
  c.dXScale = c.stepPixels * span / (top - bottom > 0 ? top - bottom : span) / ChartXUnit(c);
  if (c.xUnitMode != X_UNIT_AUTO) {
    const double steps = span / ChartXUnit(c);
    c.iScrollMax = steps > 65535 ? 65534 : static_cast<int>(steps);
  }
  const int h = c.highlightSeries;
  const int i = c.highlightIndex;
  if (h >= 0 && h < CHART_SERIES && i >= 0 && i < CHART_POINTS && c.xCoordFlag[h][i] == 'Y') {
    const int wanted = static_cast<int>((c.xCoord[h][i] - c.dXAxisMin) * c.dXScale / c.stepPixels) - c.visibleCount / 2;
    c.firstVisible = wanted;
  }
  c.firstVisible = std::clamp(c.firstVisible, 0, std::max(c.iScrollMax, 0));
}

// The Y coordinate axis: runs, bubble range and scale, and the vertical
// layout from the Y coordinates. False when there is none.
bool YAxisLayout(ChartRecord& c, int width, int height) {
  double valueMax = CHART_RANGE_START_MAX;
  double valueMin = CHART_RANGE_START_MIN;
  double yMax = -1e300;
  double yMin = 1e300;
  for (int s = 0; s < c.seriesCount; ++s) {
    FindRun(c.yCoordFlag[s], c.pointCount[s], &c.yRunStart[s], &c.yRunEnd[s]);
    if (c.yRunStart[s] < 0) continue;
    c.iLastYRunStart = c.yRunStart[s];
    c.iLastYRunEnd = c.yRunEnd[s];
    yMax = std::max(yMax, c.yMax[s]);
    yMin = std::min(yMin, c.yMin[s]);
    for (int i = c.yRunStart[s]; i < c.yRunEnd[s]; ++i) {
      if (!PointIsValid(c, s, i)) continue;
      valueMax = std::max(valueMax, c.shownValue[s][i]);
      valueMin = std::min(valueMin, c.shownValue[s][i]);
    }
  }
  c.iYDeclsUsed = DistinctDeclarations(c, false);
  c.yAxisActive = c.iYDeclsUsed >= 1 && yMax >= yMin ? 1 : 0;
  if (!c.yAxisActive) return false;
  if (valueMax < valueMin) valueMax = valueMin = 0;
  c.dBubbleMax = valueMax;
  c.dBubbleMin = valueMin;
  double max = yMax;
  double min = std::floor(yMin);
  if (c.yRangeMode == Y_RANGE_CUSTOM) {
    max = c.dCustomYMax;
    min = c.dCustomYMin;
  }
  if (max == min) min -= 1.0;
  if (!c.xAxisActive) {
    c.dXAxisMin = std::floor(valueMin);
    const double across = std::ceil(valueMax) - std::floor(valueMin);
    const int steps = c.iLastYRunEnd - c.iLastYRunStart - 1;
    c.dXScale = c.stepPixels * std::max(steps, 1) / (across > 0 ? across : 1.0) / ChartXUnit(c);
    c.firstVisible = 0;
    c.iScrollMax = 0;
  }
  const double size = 1.5 * c.stepPixels;
  const double d = valueMax - valueMin;
  c.dBubbleMultiplier = 1.0;
  c.dBubbleDivisor = 1.0;
  if (d >= size) {
    c.dBubbleDivisor = d / size;
  } else if (d > 0) {
    c.dBubbleMultiplier = size / d;
  }
  if (!VerticalLayout(c, max, min, height) || !HorizontalLayout(c, width)) return true;
  c.layoutValid = 1;
  return true;
}

}  // namespace

double ChartXUnit(const ChartRecord& c) {
  if (c.xUnitMode == X_UNIT_CUSTOM && c.customXUnit > 0) return c.customXUnit;
  if (c.xUnitMode == X_UNIT_MIN_DIFFERENCE && c.minXDifference > 0) return c.minXDifference;
  return 1.0;
}

int ChartLayout(ChartRecord& c, int width, int height) {
  c.layoutValid = 0;
  if (!c.dataLoaded) return -1;
  c.iClientWidth = width;
  c.iClientHeight = height;
  double max = c.dMaxValue;
  double min = c.dMinValue;
  // No valid point: an empty chart with its axes, not the sentinels.
  if (max < min) {
    max = 1.0;
    min = 0.0;
  }
  c.iScrollMax = 0;
  XAxisLayout(c, width, &max, &min);
  if (YAxisLayout(c, width, height)) return c.layoutValid ? 0 : -1;
  if (c.yRangeMode == Y_RANGE_CUSTOM) {
    max = c.dCustomYMax;
    min = c.dCustomYMin;
  }
  if (!VerticalLayout(c, max, min, height) || !HorizontalLayout(c, width)) return -1;
  c.layoutValid = 1;
  if (!c.xAxisActive) {
    // A shown highlight outside the visible steps (or on the first one)
    // brings the view to it.
    if (c.highlightShown && (c.highlightIndex <= c.firstVisible || c.highlightIndex >= c.firstVisible + c.visibleCount)) {
      c.firstVisible = std::max(c.highlightIndex - c.visibleCount / 2, 0);
    }
    c.iScrollMax = c.maxPointCount;
    c.firstVisible = std::clamp(c.firstVisible, 0, std::max(c.iScrollMax, 0));
  }
  return 0;
}

double RangeMaximum(const ChartRecord& c) { return c.dRangeMax; }
double RangeMinimum(const ChartRecord& c) { return c.dRangeMin; }

namespace {

double Reference(const ChartRecord& c) {
  if (c.iSignCase == -1) return c.dRangeMax;
  if (c.iSignCase == 1) return c.dRangeMin;
  return 0.0;
}

}  // namespace

int ValueToY(const ChartRecord& c, double value) {
  const double divisor = c.dYDivisor != 0 ? c.dYDivisor : 1.0;
  const double offset = (value - Reference(c)) * c.dYMultiplier / divisor;
  // Far-off values stay far off without overflowing the integer.
  return c.iBaseline - static_cast<int>(std::clamp(offset, -1e6, 1e6));
}

void BarSpan(const ChartRecord& c, double value, int* top, int* bottom) {
  const int y = ValueToY(c, value);
  *top = std::min(c.iBaseline, y);
  *bottom = std::max(c.iBaseline, y);
}

double YToValue(const ChartRecord& c, int pixel) {
  const double multiplier = c.dYMultiplier != 0 ? c.dYMultiplier : 1e-8;
  return (c.iBaseline - pixel) * c.dYDivisor / multiplier + Reference(c);
}

bool ChartPointValue(const ChartRecord& c, int s, int i, double* value) {
  if (!PointIsValid(c, s, i)) return false;
  if (c.yAxisActive) {
    if (c.yCoordFlag[s][i] != 'Y') return false;
    *value = c.yCoord[s][i];
  } else {
    *value = c.shownValue[s][i];
  }
  if (c.yRangeMode == Y_RANGE_CUSTOM && (*value > c.dCustomYMax || *value < c.dCustomYMin)) return false;
  return true;
}

int ChartPointX(const ChartRecord& c, int s, int i, int* position) {
  const int right = c.visibleCount * c.stepPixels + c.iPlotLeft;
  if (!c.xAxisActive && !c.yAxisActive) return *position * c.stepPixels + c.iPlotLeft;
  if (c.xAxisActive) {
    if (c.xCoordFlag[s][i] != 'Y') return -1;
    const double offset = std::clamp((c.xCoord[s][i] - c.dXAxisMin) * c.dXScale, -1e6, 1e6);
    const int x = c.iPlotLeft + static_cast<int>(offset) - c.firstVisible * c.stepPixels;
    return x < c.iPlotLeft || x > right ? -1 : x;
  }
  if (c.iYDeclsUsed > 1 && c.yRunStart[s] != c.iLastYRunStart) *position = i - c.yRunStart[s];
  const double offset = std::clamp(c.shownValue[s][i] * c.dXScale, -1e6, 1e6);
  const int x = (c.iLastYRunStart - c.firstVisible) * c.stepPixels + c.iPlotLeft + static_cast<int>(offset);
  return x < c.iPlotLeft || x > right ? -1 : x;
}

bool ChartXValue(const ChartRecord& c, int pixel, double* value) {
  const double step = std::max(c.stepPixels, 1);
  if (c.xAxisActive) {
    *value = (c.firstVisible * step + (pixel - c.iPlotLeft)) / (c.dXScale != 0 ? c.dXScale : 1.0) + c.dXAxisMin;
    return true;
  }
  const double position = c.firstLabelNumber + c.firstVisible + (pixel - c.iPlotLeft) / step;
  if (c.yAxisActive && position >= c.iLastYRunStart + 1 && position <= c.iLastYRunEnd + 1) {
    *value = (pixel - (c.iLastYRunStart - c.firstVisible) * step - c.iPlotLeft) / (c.dXScale != 0 ? c.dXScale : 1.0);
    return true;
  }
  *value = position;
  return false;
}

int ChartBallSize(const ChartRecord& c, int s, int i) {
  int size = std::min(c.stepPixels / 2, 16);
  if (c.xAxisActive && c.yAxisActive) {
    const double divisor = c.dBubbleDivisor != 0 ? c.dBubbleDivisor : 1.0;
    size = static_cast<int>(std::clamp((c.shownValue[s][i] - c.dBubbleMin) * c.dBubbleMultiplier / divisor, 0.0, 4000.0));
  }
  return std::max(size, 8);
}

RgbColour ChartSeriesColour(const ChartRecord& c, int s, bool scatter) {
  const int k = ((s % CHART_SERIES_COLOURS) + CHART_SERIES_COLOURS) % CHART_SERIES_COLOURS;
  const bool pale = c.highlightNewSeries && s != c.seriesCount - 1;
  if (pale) return HlsToRgb(c.seriesHue[k], 150, scatter ? 120 : 200);
  return HlsToRgb(c.seriesHue[k], c.seriesSaturation[k], scatter ? 80 : 100);
}
