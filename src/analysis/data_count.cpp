#include "analysis/data_count.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "analysis/report_cells.h"
#include "analysis/trend_colour.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/number_format.h"
#include "table/table_range.h"

namespace {

// The header texts of the first eight results.
constexpr const char* kHeaders[] = {"[ AN ]", "[ CN ]", "[ Sum ]", "[ Max ]", "[ Min ]", "[ Ave. ]", "[ Med. ]", "[ C/A% ]"};

// The ranges of a set, normalised and kept inside the table's data cells.
std::vector<std::pair<int, TableRange>> RangesOf(TableDocument& t, int rangeSet) {
  std::vector<std::pair<int, TableRange>> ranges;
  const int last = std::clamp(rangeSet == RANGES_ANALYSIS ? t.iAnaCount : t.iSelCurrent, 0, SELECTION_RANGES - 1);
  for (int i = 0; i <= last; ++i) {
    TableRange range{};
    if (TableGetRange(t, i, rangeSet, &range) != 0) continue;
    range.iRowFrom = std::max(range.iRowFrom, 1);
    range.iColFrom = std::max(range.iColFrom, 1);
    range.iRowTo = std::min(range.iRowTo, t.iRows - 1);
    range.iColTo = std::min(range.iColTo, t.iCols - 1);
    if (range.iRowFrom > range.iRowTo || range.iColFrom > range.iColTo) continue;
    const int kind = rangeSet == RANGES_ANALYSIS ? t.anaKind[i] : t.selKind[i];
    ranges.emplace_back(kind, range);
  }
  return ranges;
}

// A number truncated toward zero into the int range (with room for +-10).
int Truncated(double value) {
  constexpr double limit = INT_MAX / 2;
  return static_cast<int>(std::trunc(std::clamp(value, -limit, limit)));
}

// Store a text into the report, in blue when `result`.
void Put(TableDocument& report, int row, int col, std::string_view text, bool result) {
  StoreReportCell(report, row, col, text, result);
}

// The label of a bin: "[lower,upper]".
std::string BinLabel(long long lower, long long step) {
  return JoinText("[", FormatInt(lower), ",", FormatInt(lower + step - 1), "]");
}

// Write one line's results from column 2 on, in header order.
void PutResults(TableDocument& report, int row, const std::array<int, COUNT_RESULTS>& flags, const LineCount& c) {
  int col = 2;
  auto put = [&](int flag, const std::string& text) {
    if (flags[flag]) Put(report, row, col++, text, true);
  };
  const bool any = c.iMet > 0;
  put(COUNT_AN, FormatInt(c.iAll));
  put(COUNT_CN, FormatInt(c.iMet));
  put(COUNT_SUM, FormatNumber(c.dSum));
  put(COUNT_MAX, any ? FormatNumber(c.dMax) : std::string());
  put(COUNT_MIN, any ? FormatNumber(c.dMin) : std::string());
  put(COUNT_AVE, FormatNumber(CountAverage(c)));
  put(COUNT_MED, any ? FormatNumber(c.dMedian) : std::string());
  put(COUNT_RATIO, FormatNumber(CountRatio(c)));
}

}  // namespace

CountSpan CountSpanOf(TableDocument& t, int rangeSet) {
  CountSpan span;
  double value = 0;
  for (const auto& [kind, range] : RangesOf(t, rangeSet)) {
    for (int row = range.iRowFrom; row <= range.iRowTo; ++row) {
      for (int col = range.iColFrom; col <= range.iColTo; ++col) {
        if (!TrendCellNumber(t, row, col, &value)) continue;
        span.iMax = std::max(span.iMax, Truncated(value));
        span.iMin = std::min(span.iMin, Truncated(value));
      }
    }
  }
  return span;
}

CountBounds CountBoundsOf(const CountSpan& span) {
  CountBounds b{};
  b.iTop = (static_cast<long long>(span.iMax) + 10) / 10 * 10;
  b.iBottom = (static_cast<long long>(span.iMin) - 10) / 10 * 10;
  b.iSpan = std::llabs(b.iTop - b.iBottom);
  return b;
}

std::vector<long long> CountStepList(const CountSpan& span, int cols) {
  const CountBounds b = CountBoundsOf(span);
  const long long first = std::max(b.iSpan / std::max(cols - 5, 1), 1LL);
  std::vector<long long> steps{first};
  for (long long step : {1LL, 2LL, 3LL, 4LL, 5LL, 10LL, 20LL, 50LL, 100LL, 1000LL, 10000LL, 100000LL, 1000000LL}) {
    if (step > first && step <= b.iSpan) steps.push_back(step);
  }
  return steps;
}

int CountStepPreselected(const std::vector<long long>& steps) {
  return steps.size() >= 3 ? static_cast<int>(steps.size()) - 2 : 0;
}

CountBins CountBinsOf(const CountBounds& b, long long step, int maxBins) {
  CountBins bins;
  bins.iStep = std::max(step, 1LL);
  long long count = 0;
  if (b.iBottom >= 0 || b.iTop < 1) {
    bins.iFirst = b.iBottom;
    count = (b.iSpan + bins.iStep - 1) / bins.iStep;
  } else {
    const long long below = -b.iBottom / bins.iStep + 1;
    bins.iFirst = -below * bins.iStep;
    count = below + b.iTop / bins.iStep + 1;
  }
  maxBins = std::max(maxBins, 0);
  bins.bCut = count > maxBins;
  bins.iCount = static_cast<int>(std::min<long long>(count, maxBins));
  return bins;
}

CountRule CountRuleOf(const CountOptions& options) {
  CountRule rule;
  rule.iCondition = options.iCondition;
  rule.dValue = TextToDouble(TextOf(options.szValue));
  const double a = TextToDouble(TextOf(options.szLow));
  const double b = TextToDouble(TextOf(options.szHigh));
  rule.dLow = std::min(a, b);
  rule.dHigh = std::max(a, b);
  return rule;
}

bool CountAdmits(const CountRule& rule, double x) {
  switch (rule.iCondition) {
    case COND_ABOVE:
      return x > rule.dValue;
    case COND_BELOW:
      return x < rule.dValue;
    case COND_NOT_EQUAL:
      return x != rule.dValue;
    case COND_EQUAL:
      return x == rule.dValue;
    case COND_BETWEEN:
      return rule.dLow <= x && x <= rule.dHigh;
    default:
      return true;
  }
}

double CountAverage(const LineCount& line) { return line.iMet > 0 ? line.dSum / line.iMet : 0.0; }

double CountRatio(const LineCount& line) {
  return line.iAll > 0 ? static_cast<double>(line.iMet) / line.iAll * 100.0 : 0.0;
}

double CountMedian(std::vector<double> values) {
  if (values.empty()) return 0.0;
  const std::size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
  const double upper = values[middle];
  if (values.size() % 2 == 1) return upper;
  const double lower = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
  return (lower + upper) / 2.0;
}

std::vector<CountLine> CountLinesOf(TableDocument& t, int rangeSet) {
  std::vector<CountLine> lines;
  for (const auto& [kind, r] : RangesOf(t, rangeSet)) {
    if (kind == SELECT_COLUMNS) {
      for (int col = r.iColFrom; col <= r.iColTo; ++col) {
        lines.push_back({JoinText("[ C", FormatInt(col), " ]"), r.iRowFrom, r.iRowTo, col, col});
      }
    } else if (kind == SELECT_ROWS) {
      for (int row = r.iRowFrom; row <= r.iRowTo; ++row) {
        lines.push_back({JoinText("[ R", FormatInt(row), " ]"), row, row, r.iColFrom, r.iColTo});
      }
    } else {
      lines.push_back({JoinText("[RC(", FormatInt(r.iRowFrom), ",", FormatInt(r.iColFrom), ") to (",
                                FormatInt(r.iRowTo), ",", FormatInt(r.iColTo), ")]"),
                       r.iRowFrom, r.iRowTo, r.iColFrom, r.iColTo});
    }
  }
  return lines;
}

LineCount CountLineOf(const TableDocument& t, const CountLine& line, const CountRule& rule) {
  LineCount c;
  double x = 0;
  for (int row = line.iRowFrom; row <= line.iRowTo; ++row) {
    for (int col = line.iColFrom; col <= line.iColTo; ++col) {
      if (!TrendCellNumber(t, row, col, &x)) continue;
      ++c.iAll;
      if (!CountAdmits(rule, x)) continue;
      if (c.iMet == 0 || x > c.dMax) c.dMax = x;
      if (c.iMet == 0 || x < c.dMin) c.dMin = x;
      ++c.iMet;
      c.dSum += x;
      c.admitted.push_back(x);
    }
  }
  c.dMedian = CountMedian(c.admitted);
  return c;
}

void DataCountRun(TableDocument& source, TableDocument& report) {
  const CountOptions& options = AnalysisOptionsOf(source).count;
  const CountRule rule = CountRuleOf(options);
  const std::vector<CountLine> lines = CountLinesOf(source, RANGES_ANALYSIS);
  const int lineCount = static_cast<int>(lines.size());

  int col = 2;
  for (int flag = 0; flag < COUNT_DD; ++flag) {
    if (options.flags[flag]) Put(report, 1, col++, kHeaders[flag], false);
  }

  // The bins leave room for the line label, and for the total after them.
  const bool distribution = options.flags[COUNT_DD] != 0;
  CountBins bins;
  const int binsRow = lineCount + 2;
  if (distribution) {
    const CountBounds bounds = CountBoundsOf(CountSpanOf(source, RANGES_ANALYSIS));
    bins = CountBinsOf(bounds, TextToInt(TextOf(options.szStep)), report.iCols - 4);
    Put(report, binsRow, 1, Text(TXT_COUNT_BINS), false);
    Put(report, binsRow + 1, 1, Text(TXT_COUNT_DD), false);
    for (int b = 0; b < bins.iCount; ++b) {
      Put(report, binsRow, 3 + b, BinLabel(bins.iFirst + b * bins.iStep, bins.iStep), false);
    }
    if (bins.bCut) {
      ReportNotice(Text(TXT_CAPTION_MESSAGE),
                   JoinText(Text(TXT_COUNT_BINS_CUT_1), BinLabel(bins.iFirst + bins.iCount * bins.iStep, bins.iStep),
                            Text(TXT_COUNT_BINS_CUT_2)));
    }
  }

  std::vector<int> perBin;
  for (int i = 0; i < lineCount; ++i) {
    const LineCount c = CountLineOf(source, lines[i], rule);
    Put(report, 2 + i, 1, lines[i].szLabel, false);
    PutResults(report, 2 + i, options.flags, c);
    if (!distribution) continue;
    perBin.assign(static_cast<std::size_t>(bins.iCount), 0);
    int total = 0;
    for (double v : c.admitted) {
      const double slot = std::floor((v - static_cast<double>(bins.iFirst)) / static_cast<double>(bins.iStep));
      if (slot < 0 || slot >= bins.iCount) continue;
      ++perBin[static_cast<std::size_t>(slot)];
      ++total;
    }
    const int row = binsRow + 1 + i;
    Put(report, row, 2, lines[i].szLabel, true);
    for (int b = 0; b < bins.iCount; ++b) Put(report, row, 3 + b, FormatInt(perBin[b]), true);
    Put(report, row, 3 + bins.iCount, JoinText(Text(TXT_COUNT_ITEMS), FormatInt(total)), true);
  }
  report.bModified = 1;
}
