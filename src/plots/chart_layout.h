// The chart's layout: plot area, vertical range and scale, the X and Y
// coordinate axes, bubble sizes, and the conversions between values and
// pixels every drawing and mouse action uses. Integer pixels are
// truncated, never rounded.
#pragma once

#include <string>

#include "plots/chart_record.h"
#include "table/colour.h"

// Lay the chart out for a client of width x height: 0, or -1 without
// loaded data or when the plot area is too small (layoutValid is then 0).
// The horizontal scroll range is 0..iScrollMax afterwards.
int ChartLayout(ChartRecord& c, int width, int height);

// The vertical pixel of a value.
int ValueToY(const ChartRecord& c, double value);
// A bar between the baseline and a value: its top and bottom pixels.
void BarSpan(const ChartRecord& c, double value, int* top, int* bottom);
// The value at a vertical pixel.
double YToValue(const ChartRecord& c, int pixel);

// The horizontal pixel of point i of series s, or -1 when it falls outside
// the plot; `position` is the running position counter of a walk along the
// series.
int ChartPointX(const ChartRecord& c, int s, int i, int* position);

// The X value at a horizontal pixel: a coordinate value (true) or a row or
// column position (false).
bool ChartXValue(const ChartRecord& c, int pixel, double* value);

// The vertical value a point is drawn at (its Y coordinate with a Y
// coordinate axis, else its shown value); false when it has none or lies
// outside the custom range.
bool ChartPointValue(const ChartRecord& c, int s, int i, double* value);

// The vertical range of the last layout (the custom one in custom mode).
double RangeMaximum(const ChartRecord& c);
double RangeMinimum(const ChartRecord& c);

// The size of the ball of point i of series s.
int ChartBallSize(const ChartRecord& c, int s, int i);

// The colour of series s (the colour tables repeat every 7 series):
// lightness 100 for lines, bars and swatches, 80 for scatter points; with
// "Highlight new data series" every series but the last is pale.
RgbColour ChartSeriesColour(const ChartRecord& c, int s, bool scatter);

// The unit of one horizontal step with an X coordinate axis: 1, the custom
// unit or the smallest X difference.
double ChartXUnit(const ChartRecord& c);
