#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "platform/dialogs.h"
#include "platform/notices.h"
#include "resources/command_ids.h"
#include "sources/plugin_dialog.h"
#include "sources/plugin_fixture.h"
#include "sources/plugin_run.h"

namespace {

// The lines of a call log that start with `prefix`.
std::string LinesStarting(const std::string& log, std::string_view prefix) {
  std::string out;
  std::size_t start = 0;
  while (start < log.size()) {
    const std::size_t end = log.find('\n', start);
    const std::string line = log.substr(start, end - start);
    if (line.rfind(prefix, 0) == 0) out += line + "\n";
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return out;
}

class PluginRunTest : public PluginTableTest {
 protected:
  // Run on the table and return what it reported.
  std::vector<Notice> Run(int expected = 0) {
    NoticeScope scope;
    EXPECT_EQ(PluginRun(table_), expected);
    return scope.Take();
  }
};

// Two 3 x 2 ranges go as twelve cells, range by range, row by row, with
// 0-based offsets and the 1-based range number; numbers carry flag 1,
// words and empty cells flag 0; then the room from the current cell, the
// call, and one fetch per result cell.
TEST_F(PluginRunTest, SendsRangesThenComputesAndStores) {
  Put(1, 1, "12.5");
  Put(1, 2, "word");
  Put(2, 1, "-300");
  Put(5, 4, "7");
  Select(1, 1, 3, 2);
  AddRange(5, 3, 7, 4);
  Current(10, 2);
  ASSERT_EQ(PluginCanRun(T()), 1);
  EXPECT_TRUE(Run().empty());
  EXPECT_EQ(knobs_->Log(),
            "send 0 0 0 1 1 [12.5]\nsend 0 0 1 1 0 [word]\nsend 0 1 0 1 1 [-300]\nsend 0 1 1 1 0 []\n"
            "send 0 2 0 1 0 []\nsend 0 2 1 1 0 []\n"
            "send 1 0 0 2 0 []\nsend 1 0 1 2 1 [7]\nsend 1 1 0 2 0 []\nsend 1 1 1 2 0 []\n"
            "send 1 2 0 2 0 []\nsend 1 2 1 2 0 []\n"
            "room 10 2 1991 369 12\ncall\navailable\n"
            "result 0 0 50\nresult 0 1 50\nresult 1 0 50\nresult 1 1 50\n");
  EXPECT_EQ(Shown(10, 2), "1.1");
  EXPECT_EQ(Shown(10, 3), "1.2");
  EXPECT_EQ(Shown(11, 2), "2.1");
  EXPECT_EQ(Shown(11, 3), "2.2");
}

// Whole columns are sent over the table's used extent; a long text goes
// whole.
TEST_F(PluginRunTest, WholeColumnsAndLongTexts) {
  const std::string longText(300, 'q');
  Put(1, 2, longText);
  Put(2, 2, "4");
  Select(1, 2, T().iRows - 1, 2, SELECT_COLUMNS);
  Current(1, 5);
  knobs_->Result(0, 0);
  Run(-1);
  std::string expected = "send 0 0 0 1 0 [" + longText + "]\nsend 0 1 0 1 1 [4]\n";
  for (int row = 3; row <= T().iUsedRows; ++row) expected += "send 0 " + std::to_string(row - 1) + " 0 1 0 []\n";
  EXPECT_EQ(LinesStarting(knobs_->Log(), "send"), expected);
}

// "Call Plug-in functions" runs only with a plug-in loaded, a current cell,
// at most the announced ranges, each spanning fewer rows and columns than
// announced (3 ranges, 200000 rows, 5 columns), and not on the current
// cell alone.
TEST_F(PluginRunTest, CanRun) {
  const struct {
    const char* szCase;
    int iRanges;
    int iLastCol;
    int iCurrentRow;
    int iCurrentCol;
    bool bLoaded;
    int iExpected;
  } cases[] = {
      {"one column, other current cell", 1, 1, 1, 3, true, 1},
      {"five columns span 4", 1, 5, 1, 9, true, 1},
      {"six columns span 5", 1, 6, 1, 9, true, 0},
      {"no current cell", 1, 1, 0, 0, true, 0},
      {"no plug-in", 1, 1, 1, 3, false, 0},
      {"three ranges", 3, 1, 1, 9, true, 1},
      {"four ranges", 4, 1, 1, 9, true, 0},
  };
  for (const auto& c : cases) {
    Select(1, 1, 4, c.iLastCol);
    for (int i = 1; i < c.iRanges; ++i) AddRange(10 * i, 1, 10 * i + 1, 1);
    Current(c.iCurrentRow, c.iCurrentCol);
    if (!c.bLoaded) PluginUnload();
    EXPECT_EQ(PluginCanRun(T()), c.iExpected) << c.szCase;
    if (!c.bLoaded) {
      ASSERT_EQ(PluginLoadFile(FixturePlugin("complete")), 0);
    }
  }
  // A single range that is the current cell alone; another single cell.
  Select(3, 3, 3, 3);
  Current(3, 3);
  EXPECT_EQ(PluginCanRun(T()), 0);
  Current(3, 4);
  EXPECT_EQ(PluginCanRun(T()), 1);
}

// A 5 x 5 result two rows above the table's end: two rows are written, the
// rest is not asked for, and one message says there was no room and how
// much was left out. Cells without a value get "NULL".
TEST_F(PluginRunTest, ResultBeyondTheTableEnd) {
  const int row = T().iRows - 2;
  Select(1, 1, 2, 1);
  Current(row, 1);
  knobs_->Result(5, 5);
  knobs_->NullAt(1, 4);
  const std::vector<Notice> notices = Run();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szCaption, "Message");
  EXPECT_EQ(notices[0].szText, "SpreadSheet do not have room to receive result data.\n15 result values were left out.");
  EXPECT_EQ(Shown(row, 1), "1.1");
  EXPECT_EQ(Shown(row + 1, 5), "NULL");
  EXPECT_EQ(Shown(row + 1, 4), "2.4");
  EXPECT_EQ(LinesStarting(knobs_->Log(), "result").size(), std::string("result 0 0 50\n").size() * 10);
}

// A result of 100000 x 100000 cells at the table's last cells writes the
// four that fit and counts the rest, without asking for them.
TEST_F(PluginRunTest, HugeResultWritesOnlyInsideTheTable) {
  ASSERT_EQ(PluginLoadFile(FixturePlugin("huge")), 0);
  const int row = T().iRows - 2;
  const int col = T().iCols - 2;
  Select(1, 1, 2, 1);
  Current(row, col);
  const auto start = std::chrono::steady_clock::now();
  const std::vector<Notice> notices = Run();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));  // never a hang
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szText,
            "SpreadSheet do not have room to receive result data.\n9999999996 result values were left out.");
  EXPECT_EQ(Shown(row + 1, col + 1), "2.2");
}

// The decimal places sent: 12 for "Full precision", else the entry's
// number.
TEST_F(PluginRunTest, DecimalPlaces) {
  EXPECT_EQ(PluginDecimalPlaces(0), 12);
  EXPECT_EQ(PluginDecimalPlaces(4), 3);
  EXPECT_EQ(PluginDecimalPlaces(10), 9);
  EXPECT_EQ(PluginDecimalChoices()[4], "3) 123.123");
  Select(1, 1, 2, 1);
  Current(1, 3);
  PluginSetDecimalsChoice(4);
  Run();
  EXPECT_NE(knobs_->Log().find("room 1 3 2000 368 3\n"), std::string::npos) << knobs_->Log();
  PluginSetDecimalsChoice(0);
}

// A failing export ends the run with "Error" and the plug-in's text; no
// result size, a negative size or a zero flag give "result not available".
TEST_F(PluginRunTest, FailuresAndNoResult) {
  const struct {
    const char* szFail;
    int iRows;
    int iCols;
    const char* szCaption;
    const char* szText;
  } cases[] = {
      {"SendDataToDllBuff", 2, 2, "Error", "SendDataToDllBuff failed"},
      {"CallDLLFunction", 2, 2, "Error", "CallDLLFunction failed"},
      {"GetResultDataFromDLLBuff", 2, 2, "Error", "GetResultDataFromDLLBuff failed"},
      {"", 0, 0, "Message", "iResultAvailable = RESULT_NOT_AVAILABLE"},
      {"", -3, 4, "Message", "iResultAvailable = RESULT_NOT_AVAILABLE"},
      {"", 4, -1, "Message", "iResultAvailable = RESULT_NOT_AVAILABLE"},
  };
  Select(1, 1, 2, 1);
  Current(1, 3);
  for (const auto& c : cases) {
    knobs_->Reset();
    knobs_->FailAt(c.szFail);
    knobs_->Result(c.iRows, c.iCols);
    const std::vector<Notice> notices = Run(-1);
    ASSERT_EQ(notices.size(), 1u) << c.szText;
    EXPECT_EQ(notices[0].szCaption, c.szCaption);
    EXPECT_EQ(notices[0].szText, c.szText);
    EXPECT_EQ(Shown(1, 3), "") << c.szText;
  }
}

// Oversized texts: result texts and error texts that fill their buffers
// are cut at the buffer's last byte; a negative result size is no result.
TEST_F(PluginRunTest, OversizedTextsAreCut) {
  ASSERT_EQ(PluginLoadFile(FixturePlugin("oversized")), 0);
  Select(1, 1, 2, 1);
  Current(1, 3);
  std::vector<Notice> notices = Run(-1);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szText, "iResultAvailable = RESULT_NOT_AVAILABLE");
  EXPECT_TRUE(Run().empty());
  EXPECT_EQ(Shown(1, 3), std::string(49, 'x'));
}

// The dialog lists the functions (the one marked "1" selected), fills the
// form from the selected function's items, and on OK sends the 59 values
// with its name; Cancel sends nothing.
TEST_F(PluginRunTest, FunctionDialogListsFillsAndSends) {
  knobs_->Item(3, "1");
  knobs_->Item(4, "1");
  knobs_->Item(6, "Fast");
  knobs_->Item(38, "1");
  knobs_->Item(39, "5");
  knobs_->Item(41, "abc");
  DialogScriptPush(AnswerDialog(PLUGIN_FUNCTION_DIALOG_NAME, [](DialogRequest& request) {
    auto& model = dynamic_cast<PluginFunctionModel&>(*request.pModel);
    EXPECT_EQ(model.szAbout, "Fixture plug-in for tests\r\n");
    EXPECT_EQ(model.functionNames, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(model.iFunction, 1);
    EXPECT_EQ(model.form.radios[0].szCaption, "Fast");
    model.form.radios[0].bOn = true;
    model.form.parameters[0].szText = "wxyz";
    model.iDecimals = 2;
    return BUTTON_OK;
  }));
  EXPECT_EQ(PluginSelectFunction(table_), 0);
  const std::string log = knobs_->Log();
  EXPECT_EQ(LinesStarting(log, "list"), "list 0 0\nlist 0 58\nlist 1 0\nlist 1 58\nlist 2 0\n");
  EXPECT_NE(log.find("description 800\n"), std::string::npos);
  EXPECT_NE(log.find("item 58 Second\n"), std::string::npos);
  const std::string selects = LinesStarting(log, "select");
  EXPECT_EQ(std::count(selects.begin(), selects.end(), '\n'), 59);
  EXPECT_NE(selects.find("select 0 Second []\n"), std::string::npos);
  EXPECT_NE(selects.find("select 5 Second [1]\n"), std::string::npos);
  EXPECT_NE(selects.find("select 33 Second [0]\n"), std::string::npos);
  EXPECT_NE(selects.find("select 41 Second [wxyz]\n"), std::string::npos);
  EXPECT_NE(selects.find("select 58 Second [1]\n"), std::string::npos);
  EXPECT_EQ(PluginDecimalsChoice(), 2);

  knobs_->Reset();
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, PLUGIN_FUNCTION_DIALOG_NAME));
  EXPECT_EQ(PluginSelectFunction(table_), 1);
  EXPECT_EQ(LinesStarting(knobs_->Log(), "select"), "");
  EXPECT_EQ(PluginDecimalsChoice(), 2);
  PluginSetDecimalsChoice(0);
}

// An item that fails stops the filling with "Error" and its text; a value
// the plug-in refuses on OK stops the sending and the run.
TEST_F(PluginRunTest, DialogErrors) {
  knobs_->Item(3, "1");
  knobs_->Item(7, "!fail");
  DialogScriptPush(AnswerOk("Error"));
  DialogScriptPush(AnswerDialog(PLUGIN_FUNCTION_DIALOG_NAME, [](DialogRequest& request) {
    auto& model = dynamic_cast<PluginFunctionModel&>(*request.pModel);
    EXPECT_EQ(model.form.radioGroup.iState, CONTROL_ENABLED);
    EXPECT_EQ(model.form.radios[1].iState, CONTROL_DISABLED);
    return BUTTON_OK;
  }));
  knobs_->FailAt("SetSelectedDLLMenuItem");
  DialogScriptPush(AnswerOk("Error"));
  Select(1, 1, 2, 1);
  Current(1, 3);
  {
    NoticeScope scope;
    EXPECT_EQ(CmdCallPlugin(table_, CMD_CALL_PLUGIN, 0), 0);
  }
  ASSERT_GE(DialogScriptShown().size(), 3u);
  EXPECT_EQ(DialogScriptShown()[0].szText, "item 7 failed");
  EXPECT_EQ(DialogScriptShown()[2].szText, "SetSelectedDLLMenuItem failed");
  EXPECT_EQ(LinesStarting(knobs_->Log(), "select"), "select 0 Second []\n");
  EXPECT_EQ(LinesStarting(knobs_->Log(), "send"), "");
}

// The oversized plug-in: its listing is capped, names and items that fill
// their buffers are cut, and parameter lengths are held to 1..50.
TEST_F(PluginRunTest, OversizedListingAndItems) {
  ASSERT_EQ(PluginLoadFile(FixturePlugin("oversized")), 0);
  PluginFunctionModel model(*PluginLoaded());
  PluginListFunctions(*PluginLoaded(), model);
  ASSERT_EQ(model.functionNames.size(), static_cast<std::size_t>(CARTOVEL_PLUGIN_MAX_FUNCTIONS));
  EXPECT_EQ(model.functionNames[0], std::string(49, 'x'));
  ASSERT_EQ(model.SelectFunction(0), 0);
  EXPECT_EQ(model.form.szDescription, std::string(500, 'x'));
  EXPECT_EQ(model.form.parameters[0].iMaxBytes, 50);
  EXPECT_EQ(model.form.parameters[0].szText, std::string(49, 'x'));
  EXPECT_EQ(model.form.parameters[1].iMaxBytes, 1);
  EXPECT_EQ(model.form.parameters[2].iMaxBytes, 1);
  EXPECT_EQ(model.form.parameters[2].szText, "");
}

}  // namespace
