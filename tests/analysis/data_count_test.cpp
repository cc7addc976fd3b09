// "Data count": conditions, results and their report layout, the step list
// and the bins of the distribution, and the counts against an independent
// reference over large seeded lines.
#include "analysis/data_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "support/fresh_table.h"
#include "table/number_format.h"
#include "table/table_init.h"
#include "table/table_range.h"

namespace {

// One analysis range.
void Analyse(TableRecord& t, int r0, int c0, int r1, int c1, int kind, int index = 0) {
  t.iAnaCount = index;
  t.anaRowFrom[index] = r0;
  t.anaColFrom[index] = c0;
  t.anaRowTo[index] = r1;
  t.anaColTo[index] = c1;
  t.anaKind[index] = kind;
}

// Column 1 from row 1 holds the texts.
void FillColumn(FreshTable& t, const std::vector<const char*>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) t.Store(static_cast<int>(i) + 1, 1, texts[i]);
}

// The shown texts of a report row from column 1, joined by '|', up to the
// last non-empty one.
std::string Row(const FreshTable& t, int row) {
  std::vector<std::string> cells;
  for (int col = 1; col < 40; ++col) cells.push_back(t.Shown(row, col));
  while (!cells.empty() && cells.back().empty()) cells.pop_back();
  std::string out;
  for (std::size_t i = 0; i < cells.size(); ++i) out += (i ? "|" : "") + cells[i];
  return out;
}

void SetCondition(TableDocument& t, int condition, const char* value, const char* low = "", const char* high = "") {
  CountOptions& o = AnalysisOptionsOf(t).count;
  o.iCondition = condition;
  CopyText(o.szValue, value);
  CopyText(o.szLow, low);
  CopyText(o.szHigh, high);
}

TEST(DataCount, ResultsOfOneColumnPerCondition) {
  // The results follow the headers: AN, CN, Sum, Max, Min, Ave., Med., C/A%.
  const struct {
    const char* name;
    std::vector<const char*> column;
    int condition;
    const char* value;
    const char* low;
    const char* high;
    const char* row;
  } cases[] = {
      {"above 4", {"1", "5", "9", "text", "12"}, COND_ABOVE, "4", "", "",
       "[ C1 ]|4|3|26|12|5|8.666667|9|75"},
      {"below 5", {"1", "5", "9", "text", "12"}, COND_BELOW, "5", "", "", "[ C1 ]|4|1|1|1|1|1|1|25"},
      {"not equal 5", {"1", "5", "9"}, COND_NOT_EQUAL, "5", "", "", "[ C1 ]|3|2|10|9|1|5|5|66.666667"},
      {"equal 5", {"1", "5", "9", "5"}, COND_EQUAL, "5", "", "", "[ C1 ]|4|2|10|5|5|5|5|50"},
      {"between 10 and 2 as typed", {"1", "2", "6", "10", "11"}, COND_BETWEEN, "", "10", "2",
       "[ C1 ]|5|3|18|10|2|6|6|60"},
      {"no condition, even count", {"4", "1", "3", "2"}, COND_NONE, "", "", "", "[ C1 ]|4|4|10|4|1|2.5|2.5|100"},
      {"empty cells are no numbers", {"1", "", "3"}, COND_NONE, "", "", "", "[ C1 ]|2|2|4|3|1|2|2|100"},
      {"no numbers", {"a", "b"}, COND_NONE, "", "", "", "[ C1 ]|0|0|0.0|||0.0||0.0"},
      {"none admitted", {"1", "2"}, COND_ABOVE, "7", "", "", "[ C1 ]|2|0|0.0|||0.0||0.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FreshTable source;
    FreshTable report;
    ASSERT_TRUE(source.ok() && report.ok());
    FillColumn(source, c.column);
    SetCondition(*source, c.condition, c.value, c.low, c.high);
    AnalysisOptionsOf(*source).count.flags[COUNT_DD] = 0;
    Analyse(*source, 1, 1, 1, 1, SELECT_COLUMNS);
    DataCountRun(*source, *report);
    EXPECT_EQ(Row(report, 1), "|[ AN ]|[ CN ]|[ Sum ]|[ Max ]|[ Min ]|[ Ave. ]|[ Med. ]|[ C/A% ]");
    EXPECT_EQ(Row(report, 2), c.row);
    EXPECT_EQ(Row(report, 3), "");
    EXPECT_EQ(report->bModified, 1);
  }
}

TEST(DataCount, LinesLabelsFlagsAndColours) {
  FreshTable source;
  FreshTable report;
  ASSERT_TRUE(source.ok() && report.ok());
  source.Store(1, 1, "1");
  source.Store(1, 2, "2");
  source.Store(2, 1, "3");
  source.Store(2, 2, "4");
  // Two ranges: whole rows 1..2, then the block (1,1)-(2,2).
  Analyse(*source, 1, 1, 2, 1, SELECT_ROWS, 0);
  Analyse(*source, 2, 2, 1, 1, SELECT_BLOCK, 1);
  CountOptions& o = AnalysisOptionsOf(*source).count;
  o.flags = {0, 1, 1, 0, 0, 0, 0, 0, 0};  // CN and Sum only
  DataCountRun(*source, *report);
  EXPECT_EQ(Row(report, 1), "|[ CN ]|[ Sum ]");
  EXPECT_EQ(Row(report, 2), "[ R1 ]|2|3");
  EXPECT_EQ(Row(report, 3), "[ R2 ]|2|7");
  EXPECT_EQ(Row(report, 4), "[RC(1,1) to (2,2)]|4|10");
  // Results are blue; headers and labels keep the default colour.
  const TableCell& result = *TableCellAt(*report, 2, 2);
  EXPECT_EQ(CellTextHue(result), 160);
  EXPECT_EQ(CellTextLum(result), 120);
  EXPECT_EQ(CellTextSat(result), 240);
  EXPECT_EQ(CellTextLum(*TableCellAt(*report, 2, 1)), DEFAULT_TEXT_LUM);
}

TEST(DataCount, StepListFromTheSelectionsSpan) {
  const struct {
    const char* name;
    std::vector<const char*> column;
    int cols;
    std::vector<long long> steps;
    int preselected;
  } cases[] = {
      // -25..38: bottom -30, top 40, span 70; 70 / 366 gives the first step 1.
      {"-25 to 38", {"-25", "38", "x"}, 371, {1, 2, 3, 4, 5, 10, 20, 50}, 6},
      // 0.5..3.9 truncate to 0..3: bottom -10, top 10, span 20 over 46 columns.
      {"fractions truncated", {"0.5", "3.9"}, 51, {1, 2, 3, 4, 5, 10, 20}, 5},
      // 1000..5000 over 51 columns: bottom 990, top 5010, span 4020 / 46 = 87 first.
      {"wide span", {"1000", "5000"}, 51, {87, 100, 1000}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FreshTable t;
    ASSERT_TRUE(t.ok());
    FillColumn(t, c.column);
    ResetSelection(*t);
    t->selRowFrom[0] = t->selRowTo[0] = 1;
    t->selColFrom[0] = t->selColTo[0] = 1;
    t->selKind[0] = SELECT_COLUMNS;
    const std::vector<long long> steps = CountStepList(CountSpanOf(*t, RANGES_SELECTION), c.cols);
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(CountStepPreselected(steps), c.preselected);
  }
}

TEST(DataCount, BinsOfTheDistribution) {
  const struct {
    const char* name;
    int min, max;
    long long step;
    long long first;
    int count;
  } cases[] = {
      {"-25..38 step 10 crosses zero: nine bins", -25, 38, 10, -40, 9},
      {"0..65 step 20: a last partial bin is kept", 5, 65, 20, 0, 4},
      {"all positive, exact division", 15, 35, 10, 0, 4},
      {"all negative", -35, -15, 10, -40, 4},
      {"a zero step counts as 1", 1, 2, 0, 0, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CountBins bins = CountBinsOf(CountBoundsOf(CountSpan{c.max, c.min}), c.step, 1000);
    EXPECT_EQ(bins.iFirst, c.first);
    EXPECT_EQ(bins.iCount, c.count);
    EXPECT_FALSE(bins.bCut);
  }
  const CountBins cut = CountBinsOf(CountBoundsOf(CountSpan{1000, 0}), 1, 367);
  EXPECT_EQ(cut.iCount, 367);
  EXPECT_TRUE(cut.bCut);
}

TEST(DataCount, DistributionRowsBelowTheLines) {
  FreshTable source;
  FreshTable report;
  ASSERT_TRUE(source.ok() && report.ok());
  FillColumn(source, {"-25", "38", "0", "9", "10", "-1", "x"});
  source.Store(1, 2, "5");
  source.Store(2, 2, "7");
  SetCondition(*source, COND_ABOVE, "-5");
  CopyText(AnalysisOptionsOf(*source).count.szStep, "10");
  Analyse(*source, 1, 1, 1, 2, SELECT_COLUMNS);
  DataCountRun(*source, *report);
  // Two lines in rows 2 and 3; the bins from row 4.
  EXPECT_EQ(Row(report, 4),
            "[ Bins ]||[-40,-31]|[-30,-21]|[-20,-11]|[-10,-1]|[0,9]|[10,19]|[20,29]|[30,39]|[40,49]");
  // Column 1 admits 38, 0, 9, 10, -1 (above -5).
  EXPECT_EQ(Row(report, 5), "[ DD ]|[ C1 ]|0|0|0|1|2|1|0|1|0|Item N=5");
  EXPECT_EQ(Row(report, 6), "|[ C2 ]|0|0|0|0|2|0|0|0|0|Item N=2");
  EXPECT_EQ(CellTextSat(*TableCellAt(*report, 5, 3)), 240);
}

TEST(DataCount, TooManyBinsAreCutWithANotice) {
  FreshTable source;
  FreshTable report;
  ASSERT_TRUE(source.ok() && report.ok());
  FillColumn(source, {"0", "1000"});
  CopyText(AnalysisOptionsOf(*source).count.szStep, "1");
  Analyse(*source, 1, 1, 1, 1, SELECT_COLUMNS);
  NoticeScope scope;
  DataCountRun(*source, *report);
  const std::vector<Notice> notices = scope.Take();
  ASSERT_EQ(notices.size(), 1u);
  // Bins from -11 on: 367 fit (up to 355), 356 is the first left out.
  EXPECT_NE(notices[0].szText.find("[356,356]"), std::string::npos) << notices[0].szText;
  // The last bin sits in the column before the total, the total in the
  // last column; 1000 lies beyond the bins kept.
  const int last = report->iCols - 1;
  EXPECT_EQ(report.Shown(3, last - 1), "[355,355]");
  EXPECT_EQ(report.Shown(4, last), "Item N=1");
}

TEST(DataCount, MedianOfOddAndEvenCounts) {
  const struct {
    std::vector<double> values;
    double median;
  } cases[] = {{{}, 0}, {{7}, 7}, {{3, 1, 2}, 2}, {{4, 1, 3, 2}, 2.5}, {{5, 5, 1, 9, 9, 9}, 7}, {{-1, -3}, -2}};
  for (const auto& c : cases) EXPECT_EQ(CountMedian(c.values), c.median);
}

// Shown as the report shows numbers.
std::string Shown(long double value) { return FormatNumber(static_cast<double>(value)); }

TEST(DataCount, AgreesWithAnIndependentReferenceOnLargeLines) {
  std::mt19937 random(7411);
  for (int count : {1, 2, 999, 20000}) {
    SCOPED_TRACE(count);
    FreshTable source;
    FreshTable report;
    ASSERT_TRUE(source.ok() && report.ok());
    // A block of two columns holds the line, row by row.
    const int rows = (count + 1) / 2;
    ASSERT_EQ(SetImportTableSize(*source, std::max(rows + 1, 51), 51), 0);
    std::vector<long double> all;
    std::vector<long double> met;
    std::uniform_int_distribution<int> cents(-500000, 500000);
    for (int i = 0; i < count; ++i) {
      const int value = cents(random);
      char text[32];
      std::snprintf(text, sizeof text, "%d.%02d", value / 100, std::abs(value % 100));
      if (value < 0 && value > -100) std::snprintf(text, sizeof text, "-0.%02d", -value);
      ASSERT_EQ(source.Store(i / 2 + 1, i % 2 + 1, text), 0);
      const long double x = value / 100.0L;
      all.push_back(x);
      if (x > -1000) met.push_back(x);
    }
    SetCondition(*source, COND_ABOVE, "-1000");
    AnalysisOptionsOf(*source).count.flags[COUNT_DD] = 0;
    Analyse(*source, 1, 1, rows, 2, SELECT_BLOCK);
    DataCountRun(*source, *report);

    long double sum = 0;
    for (long double x : met) sum += x;
    std::vector<long double> sorted = met;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    ASSERT_GT(n, 0u);
    const long double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    EXPECT_EQ(report.Shown(2, 2), std::to_string(all.size()));
    EXPECT_EQ(report.Shown(2, 3), std::to_string(n));
    EXPECT_EQ(report.Shown(2, 4), Shown(sum));
    EXPECT_EQ(report.Shown(2, 5), Shown(sorted.back()));
    EXPECT_EQ(report.Shown(2, 6), Shown(sorted.front()));
    EXPECT_EQ(report.Shown(2, 7), Shown(sum / n));
    EXPECT_EQ(report.Shown(2, 8), Shown(median));
    EXPECT_EQ(report.Shown(2, 9), Shown(100.0L * n / all.size()));
  }
}

}  // namespace
