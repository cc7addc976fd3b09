// "Data processing": each method over rows and columns, the deviation after
// each line, where whole lines end, the report against an independent
// reference, and the commands with their dialogs over windows.
#include "analysis/data_process.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "analysis/data_count_command.h"
#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "resources/command_ids.h"
#include "support/dialog_script_guard.h"
#include "support/fresh_table.h"
#include "support/headless_program.h"
#include "table/number_format.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

ProcessOptions Options(int method, int orientation, const char* scale = "1.0", int source = PROCESS_ALL_DATA) {
  ProcessOptions o;
  o.iMethod = method;
  o.iOrientation = orientation;
  o.iSource = source;
  CopyText(o.szScale, scale);
  return o;
}

// The shown texts of rows 1..rows over columns 1..cols, rows joined by '|'.
std::string Block(const FreshTable& t, int rows, int cols) {
  std::string out;
  for (int row = 1; row <= rows; ++row) {
    if (row > 1) out += '|';
    for (int col = 1; col <= cols; ++col) out += (col > 1 ? "," : "") + t.Shown(row, col);
  }
  return out;
}

TEST(DataProcess, MethodsOverRowsAndColumns) {
  const struct {
    const char* name;
    std::vector<std::vector<const char*>> rows;
    ProcessOptions options;
    int shownRows, shownCols;
    const char* report;
  } cases[] = {
      {"normalise 4, 2, 8", {{"4", "2", "8"}}, Options(PROCESS_NORMALIZE, PROCESS_BY_ROW), 1, 3, "1,0.5,2"},
      {"normalise to a first 0 keeps the texts", {{"0", "2"}}, Options(PROCESS_NORMALIZE, PROCESS_BY_ROW), 1, 2,
       "0,2"},
      {"normalise skips leading texts", {{"kg", "2", "4"}}, Options(PROCESS_NORMALIZE, PROCESS_BY_ROW), 1, 3,
       "kg,1,2"},
      {"difference from the mean", {{"1", "2", "3"}}, Options(PROCESS_DIFFERENCE, PROCESS_BY_ROW), 1, 3, "-1,0.0,1"},
      {"absolute difference", {{"1", "2", "3"}}, Options(PROCESS_ABS_DIFFERENCE, PROCESS_BY_ROW), 1, 3, "1,0.0,1"},
      {"an empty cell is no number", {{"1", "", "3"}}, Options(PROCESS_DIFFERENCE, PROCESS_BY_ROW), 1, 3, "-1,,1"},
      {"deviation of 1, 2, 3 by row", {{"1", "2", "3"}}, Options(PROCESS_DEVIATION, PROCESS_BY_ROW), 1, 4,
       "1,0.0,1,1"},
      {"deviation by column goes below", {{"1"}, {"2"}, {"3"}}, Options(PROCESS_DEVIATION, PROCESS_BY_COLUMN), 4, 1,
       "1|0.0|1|1"},
      {"one value: no deviation", {{"5"}}, Options(PROCESS_DEVIATION, PROCESS_BY_ROW), 1, 2, "0.0,"},
      {"constant data: deviation 0", {{"7", "7", "7"}}, Options(PROCESS_DEVIATION, PROCESS_BY_ROW), 1, 4,
       "0.0,0.0,0.0,0.0"},
      {"scaling by 2.5", {{"2", "x", "-4"}}, Options(PROCESS_SCALE, PROCESS_BY_ROW, "2.5"), 1, 3, "5,x,-10"},
      {"a scale of 0 scales by 1", {{"2", "3"}}, Options(PROCESS_SCALE, PROCESS_BY_ROW, "0"), 1, 2, "2,3"},
      {"a scale that is no number scales by 1", {{"2"}}, Options(PROCESS_SCALE, PROCESS_BY_ROW, "abc"), 1, 1, "2"},
      {"by column over two columns", {{"1", "10"}, {"3", "30"}}, Options(PROCESS_DIFFERENCE, PROCESS_BY_COLUMN), 2, 2,
       "-1,-10|1,10"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FreshTable source;
    FreshTable report;
    ASSERT_TRUE(source.ok() && report.ok());
    for (std::size_t r = 0; r < c.rows.size(); ++r) {
      for (std::size_t col = 0; col < c.rows[r].size(); ++col) {
        source.Store(static_cast<int>(r) + 1, static_cast<int>(col) + 1, c.rows[r][col]);
      }
    }
    AnalysisOptionsOf(*source).process = c.options;
    DataProcessIntoReport(*source, *report);
    EXPECT_EQ(Block(report, c.shownRows, c.shownCols), c.report);
    EXPECT_EQ(report->bModified, 1);
  }
}

TEST(DataProcess, DeviationOfTheTextbookSample) {
  FreshTable source;
  FreshTable report;
  ASSERT_TRUE(source.ok() && report.ok());
  const char* values[] = {"2", "4", "4", "4", "5", "5", "7", "9"};
  for (int i = 0; i < 8; ++i) source.Store(i + 1, 1, values[i]);
  AnalysisOptionsOf(*source).process = Options(PROCESS_DEVIATION, PROCESS_BY_COLUMN);
  DataProcessIntoReport(*source, *report);
  EXPECT_EQ(Block(report, 9, 1), "3|1|1|1|0.0|0.0|2|4|2.13809");
  const TableCell& deviation = *TableCellAt(*report, 9, 1);
  EXPECT_EQ(CellTextSat(deviation), 240);
  EXPECT_EQ(CellTextLum(*TableCellAt(*report, 8, 1)), DEFAULT_TEXT_LUM);
}

TEST(DataProcess, SelectedLinesEndAtTheLastUsedCell) {
  // Whole column 1 holds 1, 2, 3: its deviation goes right below row 3;
  // column 2 (not selected) stays out of the report.
  FreshTable source;
  FreshTable report;
  ASSERT_TRUE(source.ok() && report.ok());
  for (int row = 1; row <= 3; ++row) source.Store(row, 1, std::to_string(row));
  source.Store(1, 2, "9");
  ResetSelection(*source);
  source->selRowFrom[0] = source->selRowTo[0] = 1;
  source->selColFrom[0] = source->selColTo[0] = 1;
  source->selKind[0] = SELECT_COLUMNS;
  AnalysisOptionsOf(*source).process = Options(PROCESS_DEVIATION, PROCESS_BY_COLUMN, "1.0", PROCESS_SELECTION);
  DataProcessIntoReport(*source, *report);
  EXPECT_EQ(Block(report, 5, 2), "1,|0.0,|1,|1,|,");
  // The report keeps the source's selection.
  EXPECT_EQ(report->selKind[0], SELECT_COLUMNS);
}

TEST(DataProcess, TextsGoIntoTheReportsOwnPool) {
  FreshTable source;
  FreshTable report;
  ASSERT_TRUE(source.ok() && report.ok());
  report.Store(20, 20, "already here");
  source.Store(1, 1, "label");
  source.Store(1, 2, "4");
  AnalysisOptionsOf(*source).process = Options(PROCESS_SCALE, PROCESS_BY_ROW, "2");
  DataProcessIntoReport(*source, *report);
  EXPECT_EQ(Block(report, 1, 2), "label,8");
  EXPECT_EQ(report.Shown(20, 20), "already here");
  EXPECT_EQ(report.Pool(LongTextSlotOf(*report, report.Raw(1, 1))), "label");
}

TEST(DataProcess, AgreesWithAnIndependentReference) {
  std::mt19937 random(90210);
  FreshTable source;
  FreshTable report;
  ASSERT_TRUE(source.ok() && report.ok());
  const int n = 16000;
  ASSERT_EQ(SetImportTableSize(*source, 16385, 51), 0);
  ASSERT_EQ(SetImportTableSize(*report, 16385, 51), 0);
  std::vector<long double> values;
  std::uniform_int_distribution<int> thousandths(-9999999, 9999999);
  for (int row = 1; row <= n; ++row) {
    const long double x = thousandths(random) / 1000.0L;
    values.push_back(x);
    ASSERT_EQ(source.Store(row, 1, FormatNumber(static_cast<double>(x))), 0);
  }
  // Two passes in long double.
  long double sum = 0;
  for (long double x : values) sum += x;
  const long double mean = sum / n;
  long double squares = 0;
  for (long double x : values) squares += (x - mean) * (x - mean);
  const long double sd = std::sqrt(squares / (n - 1));
  AnalysisOptionsOf(*source).process = Options(PROCESS_DEVIATION, PROCESS_BY_COLUMN);
  DataProcessIntoReport(*source, *report);
  for (int row : {1, 2, 777, n}) {
    const long double expected = std::fabs(values[row - 1] - mean);
    EXPECT_EQ(report.Shown(row, 1), FormatNumber(static_cast<double>(expected))) << row;
  }
  EXPECT_EQ(report.Shown(n + 1, 1), FormatNumber(static_cast<double>(sd)));
}

class AnalysisCommandTest : public HeadlessTableTest {};

ScriptedAnswer ChooseProcess(ProcessOptions options) {
  return AnswerDialog(PROCESS_DIALOG_NAME, [options](DialogRequest& request) {
    dynamic_cast<ProcessDialogModel*>(request.pModel)->options = options;
    return static_cast<int>(BUTTON_OK);
  });
}

ScriptedAnswer ChooseCount(int condition, const char* value, int step) {
  return AnswerDialog(COUNT_DIALOG_NAME, [condition, value, step](DialogRequest& request) {
    auto* model = dynamic_cast<CountDialogModel*>(request.pModel);
    model->options.iCondition = condition;
    CopyText(model->options.szValue, value);
    model->iStep = step;
    return static_cast<int>(BUTTON_OK);
  });
}

WindowHandle ReportOf(WindowHandle table) {
  TableLockGuard t(table);
  return t ? t->hReportTable : WindowHandle::None;
}

TEST_F(AnalysisCommandTest, ProcessingReplacesTheSourceAfterItsBackUp) {
  DialogScriptGuard script;
  TableSetCellText(table_, 1, 1, "2");
  TableSetCellText(table_, 1, 2, "note");
  TableSetCellText(table_, 2, 1, "5");
  {
    TableLockGuard t(table_);
    t->bModified = 0;
  }
  ProcessOptions options = Options(PROCESS_SCALE, PROCESS_BY_COLUMN, "3");
  options.iDestination = PROCESS_REPLACE;
  DialogScriptPush(ChooseProcess(options));
  SendCommand(table_, CMD_DATA_PROCESS);
  EXPECT_EQ(TableCellDisplayText(table_, 1, 1), "6");
  EXPECT_EQ(TableCellDisplayText(table_, 2, 1), "15");
  EXPECT_EQ(TableCellDisplayText(table_, 1, 2), "note");
  TableLockGuard t(table_);
  EXPECT_EQ(t->bModified, 1);
  EXPECT_EQ(t->bUndoFileExists, 1);
  EXPECT_EQ(t->iUndoKind, UNDO_TABLE_CURRENT_EXTENT);
  EXPECT_TRUE(IsNone(t->hReportTable));
}

TEST_F(AnalysisCommandTest, DeviationNeverReplacesAndAZeroScaleBecomesOne) {
  DialogScriptGuard script;
  TableSetCellText(table_, 1, 1, "1");
  TableSetCellText(table_, 1, 2, "3");
  ProcessOptions options = Options(PROCESS_DEVIATION, PROCESS_BY_ROW, "0");
  options.iDestination = PROCESS_REPLACE;
  DialogScriptPush(ChooseProcess(options));
  SendCommand(table_, CMD_DATA_PROCESS);
  const WindowHandle report = ReportOf(table_);
  ASSERT_TRUE(IsWindowAlive(report));
  EXPECT_EQ(TableCellDisplayText(report, 1, 3), "1.414214");
  EXPECT_EQ(TableCellDisplayText(table_, 1, 1), "1");
  {
    TableLockGuard t(table_);
    EXPECT_EQ(TextOf(AnalysisOptionsOf(*t.get()).process.szScale), "1.0");
    EXPECT_EQ(AnalysisOptionsOf(*t.get()).process.iDestination, PROCESS_TO_REPORT);
  }
  DestroyWindowOf(report);
}

TEST_F(AnalysisCommandTest, CountAsksAgainWithoutAStepThenFillsAReport) {
  DialogScriptGuard script;
  const char* values[] = {"1", "5", "9", "text", "12"};
  for (int row = 1; row <= 5; ++row) TableSetCellText(table_, row, 1, values[row - 1]);
  {
    TableLockGuard t(table_);
    ResetSelection(*t.get());
    t->selRowFrom[0] = t->selRowTo[0] = 1;
    t->selColFrom[0] = t->selColTo[0] = 1;
    t->selKind[0] = SELECT_COLUMNS;
  }
  DialogScriptPush(ChooseCount(COND_ABOVE, "4", -1));
  DialogScriptPush(AnswerOk("Error message"));
  DialogScriptPush(ChooseCount(COND_ABOVE, "4", 0));
  SendCommand(table_, CMD_DATA_COUNT);
  const WindowHandle report = ReportOf(table_);
  ASSERT_TRUE(IsWindowAlive(report));
  EXPECT_EQ(TableCellDisplayText(report, 2, 1), "[ C1 ]");
  EXPECT_EQ(TableCellDisplayText(report, 2, 7), "8.666667");
  {
    TableLockGuard r(report);
    EXPECT_EQ(r->bModified, 1);
  }
  {
    TableLockGuard t(table_);
    EXPECT_EQ(t->anaKind[0], SELECT_COLUMNS);
    EXPECT_EQ(AnalysisOptionsOf(*t.get()).count.iCondition, COND_ABOVE);
  }
  // Cancelled: no new report.
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, COUNT_DIALOG_NAME));
  SendCommand(table_, CMD_DATA_COUNT);
  EXPECT_EQ(ReportOf(table_), report);
  DestroyWindowOf(report);
}

}  // namespace
