// "Data count ...": for each selected row, column or block, how many numbers
// it holds, how many meet a condition, and their sum, extremes, average,
// median and share, optionally with a distribution of the values over bins,
// all written into a report table.
#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_options.h"
#include "table/table_record.h"

// The integer extremes of the numbers of a range set (each value truncated
// toward zero): iMax starts at -999999 and iMin at 999999 before the scan,
// so a set without numbers keeps those.
struct CountSpan {
  int iMax = -999999;
  int iMin = 999999;
};
CountSpan CountSpanOf(TableDocument& t, int rangeSet);

// The bounds the step list and the bins are laid out on: top = (M + 10) / 10
// x 10, bottom = (m - 10) / 10 x 10 (integer division), span = |top - bottom|.
struct CountBounds {
  long long iTop;
  long long iBottom;
  long long iSpan;
};
CountBounds CountBoundsOf(const CountSpan& span);

// The "Step length" list for a table of `cols` columns: span / (cols - 5),
// at least 1, then every value of 1, 2, 3, 4, 5, 10, 20, 50, 100, 1000,
// 10000, 100000, 1000000 above it and not above the span.
std::vector<long long> CountStepList(const CountSpan& span, int cols);
// The entry the list opens on: the second to last of three or more, else
// the first.
int CountStepPreselected(const std::vector<long long>& steps);

// The bins of the distribution: `iCount` bins of width `iStep` from
// `iFirst` on. Crossing zero, the negative bins run from -(|bottom| / s + 1)
// x s up to -s and the others from 0 to top; otherwise they start at bottom
// and cover the span (a last partial bin included). `bCut` when they had to
// be limited to `maxBins`.
struct CountBins {
  long long iFirst = 0;
  long long iStep = 1;
  int iCount = 0;
  bool bCut = false;
};
CountBins CountBinsOf(const CountBounds& bounds, long long step, int maxBins);

// The results of one line.
struct LineCount {
  int iAll = 0;   // AN: the numbers of the line (empty cells are no numbers)
  int iMet = 0;   // CN: the numbers the condition admits
  double dSum = 0;
  double dMax = 0;
  double dMin = 0;
  double dMedian = 0;
  std::vector<double> admitted;  // the admitted numbers, in line order
};

// The condition of a count with its numbers read: t for the first four,
// the bounds of Between ordered numerically.
struct CountRule {
  int iCondition = COND_NONE;
  double dValue = 0;
  double dLow = 0;
  double dHigh = 0;
};
CountRule CountRuleOf(const CountOptions& options);
bool CountAdmits(const CountRule& rule, double x);

// Average (0 without admitted numbers), and CN / AN in per cent (0 without
// numbers).
double CountAverage(const LineCount& line);
double CountRatio(const LineCount& line);
// The median of the admitted numbers (the mean of the middle two of an even
// count); 0 without any.
double CountMedian(std::vector<double> values);

// Count the lines of the analysis ranges of `source` by its count options
// into `report` from R1C1, with the distribution below when its flag is
// set. Result cells get blue text; the report is marked modified. Bins that
// do not fit in the report's columns are left out with a notice.
void DataCountRun(TableDocument& source, TableDocument& report);

// One counted line: a column or row of a whole-column or whole-row range, or
// a whole block, read in row order; and its label "[ C5 ]", "[ R3 ]" or
// "[RC(1,2) to (4,5)]".
struct CountLine {
  std::string szLabel;
  int iRowFrom;
  int iRowTo;
  int iColFrom;
  int iColTo;
};
std::vector<CountLine> CountLinesOf(TableDocument& t, int rangeSet);

// Count one line by a rule.
LineCount CountLineOf(const TableDocument& t, const CountLine& line, const CountRule& rule);
