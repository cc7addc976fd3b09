// The formula registry: storing, running and deleting formulas, the order
// and termination of recalculation, fills, formula lines and marks.
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <string_view>
#include <vector>

#include "formula/formula_recalc.h"
#include "table/cell_reference.h"
#include "formula/formula_registry.h"
#include "table/formula_slot.h"
#include "files/table_file_read.h"
#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

void RecordSlot(void* context, int slot) { static_cast<std::vector<int>*>(context)->push_back(slot); }

class FormulaRegistryTest : public HeadlessTableTest {
 protected:
  void SetUp() override {
    HeadlessTableTest::SetUp();
    SetRecalcObserver(RecordSlot, &trace);
  }
  void TearDown() override {
    SetRecalcObserver(nullptr, nullptr);
    HeadlessTableTest::TearDown();
  }

  void Set(int row, int col, std::string_view text) { ASSERT_EQ(TableSetCellText(table_, row, col, text), 0); }
  std::string Shown(int row, int col) { return TableCellDisplayText(table_, row, col); }

  // Register a formula as a table file does (no check, no evaluation).
  void Load(std::string_view target, std::string_view text, std::string_view state = "RUN=") {
    TableLockGuard t(table_);
    ASSERT_EQ(FormulaLoadLine(*t.get(), "User(+,-,x,/)", target, state, "-1", text), 0) << target;
  }
  FormulaSlot Slot(int index) {
    TableLockGuard t(table_);
    return t->formulaSlots[index];
  }
  int Count() {
    TableLockGuard t(table_);
    return t->iFormulaCount;
  }
  std::string Text(int index) { return std::string(TextOf(Slot(index).szFormula)); }
  int SlotAt(int row, int col) {
    TableLockGuard t(table_);
    return CellFormulaSlot(*TableCellAt(*t.get(), row, col));
  }
  void Select(int rowFrom, int rowTo, int colFrom, int colTo) {
    TableLockGuard t(table_);
    t->iSelCurrent = 0;
    t->selKind[0] = SELECT_BLOCK;
    t->selRowFrom[0] = rowFrom;
    t->selRowTo[0] = rowTo;
    t->selColFrom[0] = colFrom;
    t->selColTo[0] = colTo;
  }
  void Pick(int row, int col) {
    TableLockGuard t(table_);
    t->iFormulaCellMode = 2;
    t->iFormulaCellRow = row;
    t->iFormulaCellCol = col;
  }
  std::vector<ShownDialog> Messages() {
    std::vector<ShownDialog> out(DialogScriptShown().begin() + static_cast<std::ptrdiff_t>(seen_),
                                 DialogScriptShown().end());
    seen_ = DialogScriptShown().size();
    DialogScriptTakeFailures();
    return out;
  }

  DialogScriptGuard dialogs;
  std::vector<int> trace;

 private:
  std::size_t seen_ = 0;
};

TEST_F(FormulaRegistryTest, RunStoresEvaluatesAndLinksTheTarget) {
  Set(1, 1, "2");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1 * 3", -1), 0);
  EXPECT_EQ(Shown(1, 2), "6");
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(SlotAt(1, 2), 0);
  const FormulaSlot slot = Slot(0);
  EXPECT_EQ(TextOf(slot.szTarget), "R1C2");
  EXPECT_EQ(TextOf(slot.szFormula), "R1C1*3");
  EXPECT_EQ(slot.iState, FORMULA_RUN);
  EXPECT_EQ(slot.bRowAligned, 1);
  EXPECT_EQ(slot.bColAligned, 0);

  // A changed input re-runs it; running the same target again reuses the slot.
  Set(1, 1, "5");
  EXPECT_EQ(Shown(1, 2), "15");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1+1", -1), 0);
  EXPECT_EQ(Shown(1, 2), "6");
  EXPECT_EQ(Count(), 1);
}

TEST_F(FormulaRegistryTest, RunKeepsTheConditionInPlaceAndBesideTheText) {
  Set(1, 1, "1");
  Set(2, 1, "3");
  Set(3, 1, "5");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "count_if(R1C1:R3C1, \">=3\")", -1), 0);
  EXPECT_EQ(Shown(1, 2), "2");
  EXPECT_EQ(Text(0), "count_if(R1C1:R3C1,\">=3\")");
  EXPECT_EQ(TextOf(Slot(0).szCondition), ">=3");
  Set(1, 1, "4");
  EXPECT_EQ(Shown(1, 2), "3");
}

TEST_F(FormulaRegistryTest, RunRefusesATextNamingItsOwnTarget) {
  struct Case {
    const char* formula;
    bool refused;
  };
  for (const Case& c : {Case{"R3C3+1", true}, Case{"sum(R3C3:R5C3)", true}, Case{"sum(R1C3:R3C3)", true},
                        Case{"sum(R1C3:R5C3)", false}}) {
    Messages();
    const int status = FormulaRun(table_, "R3C3", FORMULA_MODE_RUN, c.formula, -1);
    const std::vector<ShownDialog> shown = Messages();
    if (c.refused) {
      EXPECT_EQ(status, -1) << c.formula;
      ASSERT_EQ(shown.size(), 1u) << c.formula;
      EXPECT_EQ(shown[0].szCaption, "Error message");
      EXPECT_EQ(shown[0].szText, "Result (R3C3) included in Math Formula,\r\nwill lead to infinite loop!");
    } else {
      EXPECT_EQ(status, 0) << c.formula;
      EXPECT_TRUE(shown.empty()) << c.formula;
    }
  }
  EXPECT_EQ(Count(), 1);
  Messages();
  EXPECT_EQ(FormulaRun(table_, "R3C3", FORMULA_MODE_RUN, "", -1), -1);
  const std::vector<ShownDialog> shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].szText, "Math Formula not found");
}

TEST_F(FormulaRegistryTest, InactiveFormulasAreStoredButNeverEvaluated) {
  Set(1, 1, "4");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_INACTIVE, "R1C1+1", 2), 0);
  EXPECT_EQ(Shown(1, 2), "");
  Set(1, 1, "7");
  EXPECT_EQ(Shown(1, 2), "");
  EXPECT_TRUE(trace.empty());
  {
    TableLockGuard t(table_);
    EXPECT_EQ(FormulaLineText(*t.get(), 0, true), "User(+,-,x,/)\tR1C2\tINACTIVE=\t2\tR1C1+1\r\n");
    RecalcAll(table_);
  }
  EXPECT_EQ(Shown(1, 2), "");
  // Set to Run, it follows its input again.
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1+1", -1), 0);
  EXPECT_EQ(Shown(1, 2), "8");
}

TEST_F(FormulaRegistryTest, AParserErrorTurnsTheFormulaInactive) {
  // A file may hold a text the check would refuse: it runs, and the
  // parser finds an operand missing.
  Load("R1C2", "R1C1+");
  Load("R1C3", "R1C1*2");
  Set(1, 1, "2");
  // The failure does not keep the other reader of the change from running.
  EXPECT_EQ(trace, (std::vector<int>{0, 1}));
  const std::string error = Shown(1, 2);
  EXPECT_EQ(error, "Err missing data");
  EXPECT_EQ(Shown(1, 3), "4");
  EXPECT_EQ(Slot(0).iState, FORMULA_INACTIVE);
  EXPECT_EQ(Count(), 2);
  trace.clear();
  Set(1, 1, "3");
  EXPECT_EQ(trace, std::vector<int>{1});
  EXPECT_EQ(Shown(1, 2), error);
  EXPECT_EQ(Shown(1, 3), "6");
}

TEST_F(FormulaRegistryTest, RecalcAllRunsEveryRunningFormulaPastFailures) {
  TableStoreCellText(table_, 1, 1, "4");
  Load("R1C2", "R1C1+");      // slot 0 fails
  Load("R1C3", "R1C1*2");     // slot 1
  Load("R1C4", "R1C1", "INACTIVE=");
  Load("R1C5", "R1C3+1");     // slot 3, also a reader of slot 1
  RecalcAll(table_);
  // Slot 3 runs as a reader of slot 1 and is not run again from the top.
  EXPECT_EQ(trace, (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(Shown(1, 3), "8");
  EXPECT_EQ(Shown(1, 4), "");
  EXPECT_EQ(Shown(1, 5), "9");
}

TEST_F(FormulaRegistryTest, RecalcAllRunsAChainOnceAndOrdersOutOfOrderSlots) {
  // Slot 0 reads the end of a chain that later slots compute: it runs once,
  // after the chain.
  TableStoreCellText(table_, 1, 1, "1");
  TableStoreCellText(table_, 300, 2, "5");
  Load("R1C3", "R300C2*2");
  // A chain of 300 formulas, each reading the one before: run once each.
  for (int r = 1; r <= 300; ++r) {
    const std::string input = r == 1 ? "R1C1" : "R" + std::to_string(r - 1) + "C2";
    Load("R" + std::to_string(r) + "C2", input + "+1");
  }
  trace.clear();
  RecalcAll(table_);
  EXPECT_EQ(trace.size(), 301u);
  EXPECT_EQ(trace.back(), 0);
  EXPECT_EQ(Shown(300, 2), "301");
  EXPECT_EQ(Shown(1, 3), "602");
}

TEST_F(FormulaRegistryTest, DependantsRunOnceEachAfterWhatTheyRead) {
  Load("R1C3", "R1C2+1");          // slot 0
  Load("R1C2", "R1C1*2");          // slot 1
  Load("R1C4", "sum(R1C1:R1C2)");  // slot 2, a range holding both inputs
  Load("R1C5", "R1C4+R1C3");       // slot 3
  Set(1, 1, "5");
  // Slot 1 first (everything else reads its result), then 0 and 2 in slot
  // order, then 3, which reads both.
  EXPECT_EQ(trace, (std::vector<int>{1, 0, 2, 3}));
  EXPECT_EQ(Shown(1, 2), "10");
  EXPECT_EQ(Shown(1, 3), "11");
  EXPECT_EQ(Shown(1, 4), "15");
  EXPECT_EQ(Shown(1, 5), "26");

  // A store nothing reads runs nothing.
  trace.clear();
  Set(9, 9, "1");
  EXPECT_TRUE(trace.empty());
}

TEST_F(FormulaRegistryTest, FormulasInACycleRunOnceEachInSlotOrder) {
  struct Formula {
    const char* target;
    const char* text;
  };
  struct Case {
    const char* name;
    std::vector<Formula> formulas;
    std::vector<int> expected;
  };
  const std::vector<Case> cases = {
      {"two formulas", {{"R1C2", "R1C1+R1C3"}, {"R1C3", "R1C2+1"}}, {0, 1}},
      {"three formulas", {{"R1C2", "R1C1+R1C4"}, {"R1C3", "R1C2+1"}, {"R1C4", "R1C3+1"}}, {0, 1, 2}},
      {"a range holding its own target", {{"R2C2", "sum(R1C1:R3C3)"}}, {0}},
      // Each reads the other's target through a range.
      {"two ranges", {{"R2C2", "sum(R1C1:R1C3)+sum(R3C1:R3C3)"}, {"R3C2", "sum(R1C1:R2C2)"}}, {0, 1}},
      {"a cycle behind the change", {{"R1C4", "R1C3+1"}, {"R1C3", "R1C4+R1C2"}, {"R1C2", "R1C1*2"}}, {2, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const Formula& f : c.formulas) FormulaDelete(table_, f.target);
    {
      TableLockGuard t(table_);
      ASSERT_EQ(t->iFormulaCount, 0);
    }
    Set(2, 2, "0");
    Set(1, 1, "0");
    for (const Formula& f : c.formulas) Load(f.target, f.text);
    trace.clear();
    Set(1, 1, "1");
    EXPECT_EQ(trace, c.expected);
    for (const Formula& f : c.formulas) FormulaDelete(table_, f.target);
  }
}

TEST_F(FormulaRegistryTest, AChainOfAllSlotsRecalculatesWithoutDeepRecursion) {
  // 3000 formulas, each reading the one before: 30 columns of 100 rows.
  std::string previous = "R1C1";
  for (int i = 0; i < FORMULA_SLOTS; ++i) {
    const std::string target = "R" + std::to_string(i % 100 + 1) + "C" + std::to_string(i / 100 + 2);
    Load(target, previous + "+1");
    previous = target;
  }
  EXPECT_EQ(Count(), FORMULA_SLOTS);
  Set(1, 1, "0");
  EXPECT_EQ(trace.size(), static_cast<std::size_t>(FORMULA_SLOTS));
  EXPECT_EQ(Shown(100, 31), "3000");
  EXPECT_EQ(Shown(50, 2), "50");
}

TEST_F(FormulaRegistryTest, FillShiftsReferencesByTheSourceAlignment) {
  struct Case {
    const char* source;
    const char* text;
    int rowFrom, rowTo, colFrom, colTo;
    int row, col;
    const char* expected;
  };
  const Case cases[] = {
      // Column-aligned: rows shift, the column follows the new target.
      {"R4C1", "sum(R1C1:R3C1)", 4, 4, 1, 2, 4, 2, "sum(R1C2:R3C2)"},
      // Row-aligned: the row follows the new target.
      {"R2C3", "R2C1+R2C2", 2, 3, 3, 3, 3, 3, "R3C1+R3C2"},
      // Neither: both shift; a column falling to 0 is no column.
      {"R2C2", "R1C1*2", 2, 2, 1, 2, 2, 1, "R1C?REF?*2"},
      {"R5C5", "R1C2-R3C4", 6, 6, 5, 5, 6, 5, "R2C2-R4C4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Load(c.source, c.text);
    {
      TableLockGuard t(table_);
      Pick(RefRow(c.source, t->iRows), RefCol(c.source, t->iCols));
    }
    Select(c.rowFrom, c.rowTo, c.colFrom, c.colTo);
    ASSERT_EQ(FormulaFill(table_), 0);
    const int slot = SlotAt(c.row, c.col);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(Text(slot), c.expected);
    EXPECT_EQ(TextOf(Slot(slot).szTarget), "R" + std::to_string(c.row) + "C" + std::to_string(c.col));
  }
}

TEST(ShiftReferences, UnreadableTokensAndTextsWithoutReferences) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"1+2", "1+2"},
      {"R0C1+R1C1", "???+R2C2"},
      {"R1C1C1*2", "???*2"},
      {"R1C0001", "R2C2"},
      {"R000000000000000000001C1", "???"},
      {"count_if(R1C1:R2C1,\"R1C1>0\")", "count_if(R2C2:R3C2,\"R2C2>0\")"},
  };
  for (const Case& c : cases) EXPECT_EQ(ShiftReferences(false, false, 1, 1, 2, 2, c.text, 2001, 371), c.expected) << c.text;
  // Both aligned: the column rule wins.
  EXPECT_EQ(ShiftReferences(true, true, 3, 3, 5, 6, "R3C3", 2001, 371), "R5C6");
  EXPECT_EQ(ShiftReferences(false, false, 5, 5, 1, 1, "R2C9", 2001, 371), "R?REF?C5");
}

TEST_F(FormulaRegistryTest, FillStopsWhenTheRegistryIsFull) {
  for (int i = 0; i < FORMULA_SLOTS - 2; ++i)
    Load("R" + std::to_string(i % 100 + 1) + "C" + std::to_string(i / 100 + 10), "1+1", "INACTIVE=");
  Load("R1C1", "2+2", "INACTIVE=");
  Pick(1, 1);
  Select(1, 3, 1, 1);
  Messages();
  EXPECT_EQ(FormulaFill(table_), -1);
  const std::vector<ShownDialog> shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].szText, "Number of Math Formulas in table exceeds supported maximum.");
  EXPECT_EQ(Count(), FORMULA_SLOTS);
  EXPECT_GE(SlotAt(2, 1), 0);
  EXPECT_EQ(SlotAt(3, 1), -1);
}

TEST_F(FormulaRegistryTest, FormulaLinesLoadAndPaste) {
  Load("R2C2", "R1C1+1", "RUN=");
  Load("R2C3", "R1C1+2", "SOMETHING");
  Load("R2C4", "count_if(R1C1:R1C3,\"R1C1>0\")", "INACTIVE=");
  EXPECT_EQ(Slot(0).iState, FORMULA_RUN);
  EXPECT_EQ(Slot(1).iState, FORMULA_RUN);
  EXPECT_EQ(Slot(2).iState, FORMULA_INACTIVE);
  EXPECT_EQ(TextOf(Slot(2).szCondition), "R1C1>0");
  {
    TableLockGuard t(table_);
    EXPECT_EQ(FormulaLineText(*t.get(), 0, false), "User(+,-,x,/)\tR2C2\tRUN=\t-1\tR1C1+1");
    EXPECT_EQ(FormulaLineText(*t.get(), 5, true), "");
    // Other kinds, targets outside the table and over-long texts are dropped.
    EXPECT_EQ(FormulaLoadLine(*t.get(), "Other", "R3C3", "RUN=", "-1", "1"), -1);
    EXPECT_EQ(FormulaLoadLine(*t.get(), "User(+,-,x,/)", "R0C3", "RUN=", "-1", "1"), -1);
    EXPECT_EQ(FormulaLoadLine(*t.get(), "User(+,-,x,/)", "R3C3", "RUN=", "-1", std::string(1000, '1')), -1);
    // The same target again overwrites its slot.
    EXPECT_EQ(FormulaLoadLine(*t.get(), "User(+,-,x,/)", "R2C2", "RUN=", "3", "R1C1+5"), 0);
    EXPECT_EQ(t->iFormulaCount, 3);
  }
  EXPECT_EQ(Text(0), "R1C1+5");
  EXPECT_EQ(Slot(0).iDecimals, 3);

  // Pasted from a registered source: its slot and flags are used.
  EXPECT_EQ(FormulaPasteLine(table_, 2, 2, 5, 2, "RUN=", "3", "R1C1+5"), 0);
  EXPECT_EQ(Text(SlotAt(5, 2)), "R4C1+5");
  // From a source the table does not hold: the scratch slot stands in.
  EXPECT_EQ(FormulaPasteLine(table_, 9, 9, 10, 9, "KEY", "1", "R1C9*2"), 0);
  const int pasted = SlotAt(10, 9);
  EXPECT_EQ(Text(pasted), "R2C9*2");  // column-aligned source: rows shift
  EXPECT_EQ(Slot(pasted).iState, FORMULA_INACTIVE);
  EXPECT_EQ(Slot(FORMULA_SCRATCH_SLOT).iState, FORMULA_FREE);
  EXPECT_EQ(Count(), 5);
}

TEST_F(FormulaRegistryTest, DeleteFreesTheSlotAndEmptiesTheTarget) {
  Set(1, 1, "1");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1+1", -1), 0);
  EXPECT_EQ(FormulaDelete(table_, "R1C2"), 1);
  EXPECT_EQ(Shown(1, 2), "");
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(SlotAt(1, 2), -1);
  EXPECT_EQ(Slot(0).iState, FORMULA_FREE);
  EXPECT_EQ(FormulaDelete(table_, "R1C2"), -1);
  EXPECT_EQ(FormulaDelete(table_, "nonsense"), -1);
  trace.clear();
  Set(1, 1, "2");
  EXPECT_TRUE(trace.empty());
}

TEST_F(FormulaRegistryTest, ReadSetsFollowTextChanges) {
  Set(1, 1, "1");
  Set(1, 3, "10");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1+1", -1), 0);
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C3+1", -1), 0);
  trace.clear();
  Set(1, 1, "5");
  EXPECT_TRUE(trace.empty());
  Set(1, 3, "20");
  EXPECT_EQ(trace, std::vector<int>{0});
  EXPECT_EQ(Shown(1, 2), "21");
}

TEST_F(FormulaRegistryTest, MatrixResultsArePlacedAndTheirReadersRun) {
  Set(1, 1, "1");
  Set(1, 2, "2");
  Set(2, 1, "3");
  Set(2, 2, "4");
  Load("R6C1", "R4C2+R5C1");  // reads two cells of the placed block
  ASSERT_EQ(FormulaRun(table_, "R4C1", FORMULA_MODE_RUN, "m_transp(R1C1:R2C2)", -1), 0);
  EXPECT_EQ(Shown(4, 1), "1");
  EXPECT_EQ(Shown(4, 2), "3");
  EXPECT_EQ(Shown(5, 1), "2");
  EXPECT_EQ(Shown(5, 2), "4");
  EXPECT_EQ(Shown(6, 1), "5");
  // An input change re-places the block and re-runs its readers; the
  // matrix formula itself runs once.
  trace.clear();
  Set(1, 2, "7");
  EXPECT_EQ(Shown(4, 2), "3");
  EXPECT_EQ(Shown(5, 1), "7");
  EXPECT_EQ(Shown(6, 1), "10");
  EXPECT_EQ(std::count(trace.begin(), trace.end(), 1), 1);
}

TEST_F(FormulaRegistryTest, MarksNameSingleCellsAndRanges) {
  TableLockGuard t(table_);
  MarkFormulaRefs(*t.get(), "R1C1+sum(R3C2:R4C3)", true);
  EXPECT_EQ(t->bShowRefs, 1);
  EXPECT_EQ(TableCellAt(*t.get(), 1, 1)->iRefMark, 1);
  for (int row = 3; row <= 4; ++row)
    for (int col = 2; col <= 3; ++col) EXPECT_EQ(TableCellAt(*t.get(), row, col)->iRefMark, 1);
  EXPECT_EQ(TableCellAt(*t.get(), 2, 2)->iRefMark, 0);
  MarkFormulaRefs(*t.get(), "", false);
  EXPECT_EQ(t->bShowRefs, 0);
}

TEST_F(FormulaRegistryTest, DecimalsApplyToTheTargetAndTheSelection) {
  Set(1, 1, "2");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1/3", -1), 0);
  ASSERT_EQ(FormulaRun(table_, "R2C2", FORMULA_MODE_RUN, "R1C1/3", -1), 0);
  Select(2, 2, 2, 2);
  FormulaSetDecimals(table_, "R1C2", 2);
  EXPECT_EQ(Shown(1, 2), "0.67");
  EXPECT_EQ(Shown(2, 2), "0.67");
  EXPECT_EQ(Slot(0).iDecimals, 2);
}

// A chain whose slots run against the order it depends on gives the same
// texts as the same chain in dependency order, each formula run once.
TEST_F(FormulaRegistryTest, AReversedChainEqualsTheForwardChain) {
  struct Line {
    std::string target;
    std::string text;
  };
  std::vector<Line> chain;  // in dependency order: each reads the one before
  std::string previous = "R1C1";
  for (int i = 0; i < FORMULA_SLOTS; ++i) {
    const std::string target = "R" + std::to_string(i % 100 + 1) + "C" + std::to_string(i / 100 + 2);
    chain.push_back({target, previous + (i % 3 == 0 ? "*1.5" : "+0.125")});
    previous = target;
  }
  Set(1, 1, "0.5");
  auto texts = [&] {
    std::vector<std::string> out;
    for (const Line& line : chain) out.push_back(Shown(RefRow(line.target, 1000), RefCol(line.target, 1000)));
    return out;
  };
  for (const Line& line : chain) Load(line.target, line.text);
  trace.clear();
  RecalcAll(table_);
  EXPECT_EQ(trace.size(), chain.size());
  const std::vector<std::string> forward = texts();
  for (const Line& line : chain) FormulaDelete(table_, line.target);
  ASSERT_EQ(Count(), 0);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) Load(it->target, it->text);
  EXPECT_EQ(Text(0), chain.back().text);
  trace.clear();
  RecalcAll(table_);
  EXPECT_EQ(trace.size(), chain.size());
  EXPECT_EQ(texts(), forward);
  EXPECT_EQ(forward.back(), Shown(100, 31));
}

// Formulas that each read all of their targets through one range load once
// each and end: the 11-formula file that used to hang, and 3,000 of them.
TEST_F(FormulaRegistryTest, RangeCyclesInAFileLoadAndEnd) {
  for (const int formulas : {11, FORMULA_SLOTS}) {
    SCOPED_TRACE(formulas);
    // The cell lines give the table enough rows for every target.
    std::string file;
    for (int row = 1; row <= (formulas > 11 ? formulas : 1); ++row) file += "1\t2\r\n";
    const std::string range = "sum(R1C3:R" + std::to_string(formulas) + "C3)*0";
    for (int row = 1; row <= formulas; ++row) {
      file += "User(+,-,x,/)\tR" + std::to_string(row) + "C3\tRUN=\t-1\t" + range + "\r\n";
    }
    trace.clear();
    ASSERT_EQ(TableFileReadBuffer(table_, file, "cycle.orl"), 0);
    EXPECT_EQ(Count(), formulas);
    EXPECT_EQ(trace.size(), static_cast<std::size_t>(formulas));
    EXPECT_EQ(Shown(1, 3), "0");
    EXPECT_EQ(Shown(formulas, 3), "0");
    // A change to a cell the range holds runs each of them once more.
    trace.clear();
    Set(formulas, 3, "5");
    EXPECT_EQ(trace.size(), static_cast<std::size_t>(formulas));
    for (int row = 1; row <= formulas; ++row) FormulaDelete(table_, "R" + std::to_string(row) + "C3");
    ASSERT_EQ(Count(), 0);
  }
}

}  // namespace
