#include "plots/chart_record.h"

#include <cstdlib>
#include <type_traits>

#include "platform/number_text.h"
#include "platform/text_buffer.h"

static_assert(std::is_trivially_copyable_v<ChartRecord>, "the chart record is one plain block");

ChartRecord* ChartAllocRecord() {
  // Zero pages come from the system untouched: a chart that shows a few
  // series never writes most of its record.
  return static_cast<ChartRecord*>(std::calloc(1, sizeof(ChartRecord)));
}

void ChartFreeRecord(ChartRecord* record) { std::free(record); }

void ChartResetView(ChartRecord& c) {
  c.yRangeMode = Y_RANGE_AUTO;
  c.xUnitMode = X_UNIT_AUTO;
  c.customXUnit = 0.1;
  c.highlightNewSeries = 0;
  c.xAxisTitle.fill(0);
  c.yAxisTitle.fill(0);
  c.noteUsed.fill(0);
  c.pieRotation = CHART_PIE_ROTATION;
  c.pieTilt = CHART_PIE_TILT;
  c.pieZoom = 0;
  c.bCrosshairDrawn = 0;
  c.bCrosshairArmed = 0;
}

void ChartInitRecord(ChartRecord& c) {
  c.stepPixels = 30;
  c.iReserved = 2;
  c.minXDifference = 1.0;
  c.drawingMode = DRAW_BY_ROW;
  c.crosshairShown = 1;
  c.trendlineShown = 0;
  c.useBlockLayout = 1;
  c.firstLabelNumber = 1;
  CopyText(c.smoothingText, "0");
  CopyText(c.scalingText, "1");
  c.seriesHue = {0, 80, 160, 20, 120, 40, 200};
  c.seriesSaturation = {230, 224, 218, 212, 206, 200, 194};
  for (auto& series : c.pointValid) series.fill('N');
  c.markerX.fill(-1);
  c.markerY.fill(-1);
  c.markerCount = 0;
  c.dMaxValue = CHART_RANGE_START_MAX;
  c.dMinValue = CHART_RANGE_START_MIN;
  c.chartKind = CHART_KIND_LINE;
  c.iDragOutlineX = -1;
  c.iTrackRow = c.iTrackCol = 0;
  ChartResetView(c);
}

int ChartSeriesNumber(const ChartRecord& c, int series) {
  if (series < 0 || series >= CHART_SERIES) return 0;
  return TextToInt(TextOf(c.seriesName[static_cast<std::size_t>(series)]));
}
