// Test support for charts: a chart record kept for a scope, filled from
// value lists or loaded from a table.
#pragma once

#include <cmath>
#include <memory>
#include <vector>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "plots/chart_load.h"
#include "plots/chart_record.h"

struct ChartRecordFree {
  void operator()(ChartRecord* c) const { ChartFreeRecord(c); }
};
using ChartPtr = std::unique_ptr<ChartRecord, ChartRecordFree>;

// A new chart record with its defaults.
inline ChartPtr NewChart() {
  ChartPtr c(ChartAllocRecord());
  if (c) ChartInitRecord(*c);
  return c;
}

// Series s holds `values` (NaN: an invalid point) from point 0, named s + 1;
// `xs`, when given, are the points' X coordinates.
inline void SetSeries(ChartRecord& c, int s, const std::vector<double>& values, const std::vector<double>& xs = {}) {
  ChartClearSeries(c, s);
  CopyText(c.seriesName[s], FormatInt(s + 1));
  c.seriesPresent[s] = 1;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!std::isnan(values[i])) {
      c.pointValid[s][i] = 'Y';
      c.loadedValue[s][i] = c.shownValue[s][i] = values[i];
      CopyText(c.pointText[s][i], FormatFixedPlaces(values[i], 0));
    }
    if (i < xs.size()) {
      c.xCoordFlag[s][i] = 'Y';
      c.xCoord[s][i] = xs[i];
    }
  }
  c.pointCount[s] = static_cast<int>(values.size());
  c.seriesCount = std::max(c.seriesCount, s + 1);
  c.maxPointCount = std::max(c.maxPointCount, c.pointCount[s]);
  c.dataLoaded = 1;
  c.scrollReady = 1;
  ChartComputeStatistics(c);
}
