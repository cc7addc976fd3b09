#include "plots/chart_trend.h"

#include <algorithm>
#include <cstdlib>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/number_format.h"

void ChartAdjustData(ChartRecord& c) {
  const int a = TextToInt(TextOf(c.smoothingText));
  const int reach = std::abs(a) / 2;
  for (int s = 0; s < c.seriesCount; ++s) {
    const int count = std::min(c.pointCount[s], CHART_POINTS);
    for (int i = 0; i < count; ++i) {
      const double loaded = c.loadedValue[s][i];
      if (a == 0) {
        c.shownValue[s][i] = loaded;
        continue;
      }
      double sum = 0.0;
      int n = 0;
      for (int j = std::max(i - reach, 0); j <= std::min(i + reach, count - 1); ++j) {
        if (j == i || !PointIsValid(c, s, j)) continue;
        sum += c.loadedValue[s][j];
        ++n;
      }
      if (n == 0) {
        c.shownValue[s][i] = loaded;
        continue;
      }
      const double mean = sum / n;
      c.shownValue[s][i] = a > 0 ? mean : 1.9 * loaded - mean;
    }
  }
}

void ChartFitTrendlines(ChartRecord& c) {
  for (int s = 0; s < CHART_SERIES; ++s) c.fitValid[s] = 0;
  for (int s = 0; s < c.seriesCount; ++s) {
    const int count = std::min(c.pointCount[s], CHART_POINTS);
    // Means first, then the sums of products about them.
    double sumX = 0.0;
    double sumY = 0.0;
    int n = 0;
    const auto usable = [&](int i, double* y) {
      if (!PointIsValid(c, s, i) || c.xCoordFlag[s][i] != 'Y') return false;
      if (c.yAxisActive) {
        if (c.yCoordFlag[s][i] != 'Y') return false;
        *y = c.yCoord[s][i];
      } else {
        *y = c.shownValue[s][i];
      }
      return true;
    };
    for (int i = 0; i < count; ++i) {
      double y = 0.0;
      if (!usable(i, &y)) continue;
      sumX += c.xCoord[s][i];
      sumY += y;
      ++n;
    }
    if (n == 0) continue;
    const double meanX = sumX / n;
    const double meanY = sumY / n;
    double sxx = 0.0;
    double sxy = 0.0;
    for (int i = 0; i < count; ++i) {
      double y = 0.0;
      if (!usable(i, &y)) continue;
      const double dx = c.xCoord[s][i] - meanX;
      sxx += dx * dx;
      sxy += dx * (y - meanY);
    }
    if (sxx == 0.0) continue;
    c.fitSlope[s] = sxy / sxx;
    c.fitIntercept[s] = meanY - c.fitSlope[s] * meanX;
    c.fitValid[s] = 1;
  }
}

std::string TrendEquationText(const ChartRecord& c, int s) {
  if (!c.trendlineShown || s < 0 || s >= CHART_SERIES || !c.fitValid[s]) return {};
  std::string text = "; y=" + FormatNumber(c.fitSlope[s]);
  text += c.fitIntercept[s] < 0 ? "x" : "x+";
  return text + FormatNumber(c.fitIntercept[s]);
}
