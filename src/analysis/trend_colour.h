// Data trend colour analysis: every number of a table gets a hue that says
// where it lies between the smallest and the largest number it is compared
// with (the whole area, its row or its column), optionally shaded like a
// relief against its lower-right neighbour. The colours go into the cells'
// text colours, where the table, its colour map and the 3D plot read them.
#pragma once

#include <vector>

#include "table/colour.h"
#include "table/table_range.h"
#include "table/table_record.h"

// What the numbers are compared with.
enum TrendCompareMode : int {
  TREND_ALL_DATA = 45,
  TREND_ROW = 46,
  TREND_COLUMN = 47,
};

// Which cells take part: the selection ranges, or all used cells.
enum TrendDataSource : int {
  TREND_SOURCE_SELECTION = 24,
  TREND_SOURCE_ALL = 25,
};

enum TrendRelief : int {
  TREND_RELIEF_OFF = 33,
  TREND_RELIEF_ON = 35,
};

inline constexpr int TREND_SATURATION = 230;  // S0 of every coloured cell
inline constexpr int TREND_LIGHTNESS = 120;
inline constexpr int TREND_HUE_START_MAX = 90;  // the first slider: 0..90
inline constexpr int TREND_HUE_END_MIN = 100;   // the second slider: 100..200
inline constexpr int TREND_HUE_END_MAX = 200;
// The colour every number gets before the analysis colours it.
inline constexpr HlsColour TREND_NEUTRAL{160, 224, 1};

// The analysis settings of a table (kept with the table, copied into its
// colour map).
struct TrendSettings {
  int iCompareMode = TREND_ROW;
  int iDataSource = TREND_SOURCE_ALL;
  int iRelief = TREND_RELIEF_OFF;
  int iHueStart = 0;    // H1: the largest numbers
  int iHueEnd = 200;    // H2: the smallest numbers
  std::vector<TableRange> ranges;  // the ranges the last colouring compared within
};

// The settings of a table, created with their defaults on first use.
TrendSettings& TrendSettingsOf(TableDocument& t);
// The settings of a table, or null before it was ever coloured.
const TrendSettings* TrendSettingsIf(const TableDocument& t);

// The extremes a number is compared with, and the hue interval.
struct TrendScale {
  double dMin;
  double dMax;
  int iHueStart;
  int iHueEnd;
};

// The stretch of a scale: how many hue steps one unit of value is worth
// when the values span less than the hue interval (D / R), else 1. A scale
// whose extremes are equal stretches by 1.
double TrendStretch(const TrendScale& scale);

// The hue of value v: H2 at the minimum, H1 at the maximum, in between
// H2 - truncate((v - min) x D / R) (or x 1 / (R / D) when the values span
// more than the interval). Equal extremes give H2; the result lies in
// H1..H2 and within 0..240 whatever the value.
int TrendHue(double value, const TrendScale& scale);

// The colour of value v: its hue at saturation 230 and lightness 120; with
// relief and a numeric lower-right neighbour (`downRight` not null), a
// higher value loses saturation and a lower one gains lightness by their
// difference times the stretch (saturation not below 160, lightness not
// above 160), and an equal one takes saturation 230 and lightness 100.
HlsColour TrendColour(double value, const TrendScale& scale, bool relief, const double* downRight);

// The number a cell holds: true with *value set, false for an empty cell
// or a text.
bool TrendCellNumber(const TableDocument& t, int row, int col, double* value);

// Colour the table by its settings: every number of the used area first
// gets the neutral colour, then the numbers of each compared group their
// trend colour. The data source is decided here: the selection ranges when
// there are several or the one range is more than one cell, else all used
// cells. Marks the table as coloured by the analysis.
void TrendColourTable(TableDocument& t);

// The width of one hue step of the dialog's preview strip: the strip's
// width over H2 - H1, one pixel less when that does not divide evenly, at
// least one pixel.
int TrendStripStep(int width, int hueStart, int hueEnd);
