// Two computations that change what a chart draws: "Adjust data" smoothing
// of the shown values and the least-squares trendline of each series.
#pragma once

#include <string>

#include "plots/chart_record.h"

// The "Curve adjust" coefficients offered, in order.
inline constexpr const char* CHART_SMOOTHING_CHOICES[] = {"-11", "-9", "-7", "-5", "-3", "0",
                                                          "3",   "5",  "7",  "9",  "11"};

// Apply coefficient a (the record's smoothing text): for a > 0 each point
// shows the mean of the valid points within |a| / 2 on either side
// (itself excluded), for a < 0 it shows 1.9 x its value less that mean, and
// 0 restores the loaded values. A point with no valid neighbour keeps its
// loaded value.
void ChartAdjustData(ChartRecord& c);

// Fit a line y = slope x + intercept per series over its valid points that
// have an X coordinate (x the coordinate, y the Y coordinate when a Y
// coordinate axis exists, else the shown value). Sums are taken about the
// means, so dates and other large X values keep their precision. A series
// with all X equal (or none) gets no line.
void ChartFitTrendlines(ChartRecord& c);

// The legend's equation of series s: "; y=" + slope + "x+" + intercept (a
// negative intercept brings its own minus sign); empty without a fit.
std::string TrendEquationText(const ChartRecord& c, int s);
