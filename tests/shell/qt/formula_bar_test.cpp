// The formula bar and a table driven together with real mouse and keyboard
// events: the formula example of the help menu end to end, the function
// lists, the state and decimal lists, the buttons' drawing and tooltips.
#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <string>

#include "formula/formula_registry.h"
#include "platform/edit_control.h"
#include "platform/list_control.h"
#include "platform/qt/qt_backend.h"
#include "resources/command_ids.h"
#include "shell/formula_bar.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "support/qt_table.h"
#include "table/cell_colours.h"
#include "table/cell_store.h"
#include "table/table_window_ops.h"

namespace {

class FormulaBarTest : public QtTableTest {
 protected:

  static WindowHandle Bar() { return Program().hFormulaBar; }
  static FormulaBarState& State() { return *FormulaBarStateOf(Bar()); }
  QWidget* View() const { return WidgetOf(table_); }
  static QPlainTextEdit* FormulaBox() { return qobject_cast<QPlainTextEdit*>(WidgetOf(State().hFormula)); }
  static QComboBox* Combo(WindowHandle list) { return qobject_cast<QComboBox*>(WidgetOf(list)); }
  static std::string Formula() { return EditText(State().hFormula); }
  static std::string Target() { return EditText(State().hTarget); }
  std::string Shown(int row, int col) const { return TableCellDisplayText(table_, row, col); }

  static QPoint ButtonMiddle(int button) {
    const WindowRect& r = State().layout.buttons[static_cast<std::size_t>(button)];
    return {r.x + r.cx / 2, r.y + r.cy / 2};
  }
  static void ClickButton(int button) {
    QTest::mouseMove(WidgetOf(Bar()), ButtonMiddle(button));
    QTest::mouseClick(WidgetOf(Bar()), Qt::LeftButton, {}, ButtonMiddle(button));
    QCoreApplication::processEvents();
  }
  static void ClickLower(int lower) { ClickButton(BAR_FIRST_LOWER + lower); }

  // Pick an entry of a drop-down list from its pop-up, as the user does.
  static void Pick(WindowHandle list, int index) {
    QComboBox* combo = Combo(list);
    ASSERT_NE(combo, nullptr);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(view->isVisible());
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    const QPoint at = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
  }

  void ChooseTarget(int row, int col) { DoubleClickAt(View(), CellMiddle(table_, row, col)); }
  void Select(int row1, int col1, int row2, int col2) {
    DragSelect(View(), CellMiddle(table_, row1, col1), CellMiddle(table_, row2, col2));
  }
};

// The help menu's example, step by step, then an input edited in the
// table: the result follows.
TEST_F(FormulaBarTest, TheFormulaExampleWorksAsWritten) {
  TableSetCellText(table_, 1, 1, "3");
  TableSetCellText(table_, 2, 1, "4");
  ASSERT_TRUE(State().bEnabled);

  ChooseTarget(3, 1);
  EXPECT_EQ(Target(), "R3C1");
  Select(1, 1, 2, 1);
  ClickLower(LOWER_ADD);
  EXPECT_EQ(Formula(), "R1C1+R2C1");
  EXPECT_EQ(FormulaBox()->toPlainText(), "R1C1+R2C1");
  ClickLower(LOWER_RUN);
  EXPECT_EQ(Shown(3, 1), "7");
  EXPECT_EQ(ListCurrent(State().hState), BAR_STATE_RUN);

  // An input typed into the table re-runs the formula.
  DoubleClickAt(View(), CellMiddle(table_, 1, 1));
  QWidget* editor = WidgetOf(RecordOf(table_).hCellEdit);
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "10");
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(Shown(1, 1), "10");
  EXPECT_EQ(Shown(3, 1), "14");

  // The other way of step 3: "maximum()" from the statistics list.
  ChooseTarget(3, 2);
  EXPECT_EQ(Target(), "R3C2");
  EXPECT_EQ(Formula(), "");
  Select(1, 1, 2, 1);
  Pick(State().hStats, 4);
  EXPECT_EQ(Formula(), "maximum(R1C1:R2C1)");
  EXPECT_EQ(ListCurrent(State().hStats), 0) << "the list returns to its header";
  ClickLower(LOWER_RUN);
  EXPECT_EQ(Shown(3, 2), "10");

  // Back on the first target the bar shows its formula and state.
  ChooseTarget(3, 1);
  EXPECT_EQ(Formula(), "R1C1+R2C1");
  EXPECT_EQ(ListCurrent(State().hState), BAR_STATE_RUN);
}

// Each list inserts its function with the selected cells; the mathematical
// list joins them by "?" except for the two-argument functions.
TEST_F(FormulaBarTest, FunctionListsInsertTheirTemplates) {
  ChooseTarget(3, 1);
  struct Case {
    bool stats;
    int entry;
    const char* text;
  };
  const Case cases[] = {
      {false, 1, "acos(R1C1?R2C1)"},   {false, 4, "atan2(R1C1,R2C1)"},  {false, 12, "log10(R1C1?R2C1)"},
      {false, 13, "pow(R1C1,R2C1)"},   {false, 19, "tanh(R1C1?R2C1)"},  {true, 1, "average(R1C1:R2C1)"},
      {true, 3, "count_if(R1C1:R2C1,?:?)"}, {true, 8, "sum_if(R1C1:R2C1,?:?)"}, {true, 9, "m_determ(R1C1:R2C1)"},
      {true, 14, "m_transp(R1C1:R2C1)"},
  };
  for (const Case& c : cases) {
    Select(1, 1, 2, 1);
    FormulaBox()->clear();
    Pick(c.stats ? State().hStats : State().hMath, c.entry);
    EXPECT_EQ(Formula(), c.text) << (c.stats ? "stats " : "math ") << c.entry;
  }
  // The lists hold their header and every template.
  EXPECT_EQ(ListCount(State().hMath), 20);
  EXPECT_EQ(ListEntry(State().hMath, 0), "Math functions");
  EXPECT_EQ(ListEntry(State().hMath, 9), "fabs(num)");
  EXPECT_EQ(ListCount(State().hStats), 15);
  EXPECT_EQ(ListEntry(State().hStats, 8), "sum_if(C1:Cn,if,N1:Nn)");
}

// A template word left in the formula is refused when it runs, and the
// formula is kept as an inactive one.
TEST_F(FormulaBarTest, ATemplateWordIsRefused) {
  ChooseTarget(2, 2);
  QTest::mouseClick(FormulaBox()->viewport(), Qt::LeftButton);
  QTest::keyClicks(FormulaBox(), "fabs(num)");
  DialogScriptPush(AnswerOk("Unknown math function data"));
  ClickLower(LOWER_RUN);
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText, "num");
  EXPECT_EQ(ListCurrent(State().hState), BAR_STATE_INACTIVE);
  EXPECT_EQ(Shown(2, 2), "");
}

// Typed text with Enter runs; the line break never stays in the box.
TEST_F(FormulaBarTest, EnterInTheFormulaBoxRuns) {
  TableSetCellText(table_, 1, 1, "6");
  ChooseTarget(2, 1);
  QTest::mouseClick(FormulaBox()->viewport(), Qt::LeftButton);
  QTest::keyClicks(FormulaBox(), "R1C1*2");
  EXPECT_EQ(ListCurrent(State().hState), BAR_STATE_EDIT);
  QTest::keyClick(FormulaBox(), Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(Formula(), "R1C1*2");
  EXPECT_EQ(FormulaBox()->toPlainText(), "R1C1*2");
  EXPECT_EQ(Shown(2, 1), "12");
}

// A formula that fails its check stays in the box, inactive, for the user
// to correct, and in view: the Enter that ran it scrolled the one-line box
// to a second line that is gone again.
TEST_F(FormulaBarTest, AFormulaThatFailsItsCheckStaysInTheBox) {
  const struct {
    const char* formula;
    const char* message;
  } cases[] = {
      {"R1C1++", "Missing data \"+???\""},
      {"R99999C1", "R99999C1\r\nMissing Table (iRp, iCp)"},
  };
  for (const auto& c : cases) {
    ChooseTarget(9, 1);
    QTest::mouseClick(FormulaBox()->viewport(), Qt::LeftButton);
    FormulaBox()->selectAll();
    QTest::keyClicks(FormulaBox(), c.formula);
    DialogScriptPush(AnswerOk("Error message"));
    QTest::keyClick(FormulaBox(), Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_FALSE(DialogScriptShown().empty()) << c.formula;
    EXPECT_EQ(DialogScriptShown().back().szText, c.message);
    EXPECT_EQ(FormulaBox()->toPlainText().toStdString(), c.formula);
    // The view shows it: not scrolled to the line the Enter key began.
    EXPECT_EQ(FormulaBox()->verticalScrollBar()->value(), 0) << c.formula;
    EXPECT_EQ(ListCurrent(State().hState), BAR_STATE_INACTIVE) << c.formula;
    EXPECT_EQ(Shown(9, 1), "");
  }
}

// Choosing "2: 123.12" with a block of targets selected changes all their
// results to two places.
TEST_F(FormulaBarTest, DecimalPlacesChangeEverySelectedTarget) {
  TableSetCellText(table_, 1, 1, "1");
  TableSetCellText(table_, 1, 2, "2");
  ASSERT_EQ(FormulaRun(table_, "R2C1", FORMULA_MODE_RUN, "R1C1/3", -1), 0);
  ASSERT_EQ(FormulaRun(table_, "R2C2", FORMULA_MODE_RUN, "R1C2/3", -1), 0);
  ASSERT_EQ(FormulaRun(table_, "R3C1", FORMULA_MODE_RUN, "R1C1/7", -1), 0);
  ChooseTarget(2, 1);
  Select(2, 1, 2, 2);
  Pick(State().hDecimals, 3);
  EXPECT_EQ(ListEntry(State().hDecimals, 3), "2: 123.12");
  EXPECT_EQ(Shown(2, 1), "0.33");
  EXPECT_EQ(Shown(2, 2), "0.67");
  EXPECT_NE(Shown(3, 1), "0.14") << "a target outside the selection keeps its places";
}

// Closing the table empties and disables the bar; only "Open" works then.
TEST_F(FormulaBarTest, ClosingTheTableClearsTheBar) {
  ChooseTarget(2, 2);
  QTest::mouseClick(FormulaBox()->viewport(), Qt::LeftButton);
  QTest::keyClicks(FormulaBox(), "1+1");
  ASSERT_EQ(Target(), "R2C2");
  DestroyWindowOf(table_);
  ProcessEvents();
  EXPECT_EQ(Target(), "");
  EXPECT_EQ(Formula(), "");
  EXPECT_FALSE(State().bEnabled);
  EXPECT_TRUE(EditIsReadOnly(State().hFormula));
  EXPECT_EQ(ListCount(State().hState), 0);
  EXPECT_EQ(FormulaBox()->placeholderText(), "User math formula edit box");
  EXPECT_TRUE(FormulaBarButtonEnabled(State(), 0));
  for (int b = 1; b < BAR_BUTTONS; ++b) EXPECT_FALSE(FormulaBarButtonEnabled(State(), b)) << b;
}

// The swatches show the colours the colour commands apply; a hovered lower
// button shows its tooltip in the hint box at its right edge.
TEST_F(FormulaBarTest, SwatchesAndTooltips) {
  const CellColourSettings saved = CellColours();
  CellColours().fillRgb = {174, 174, 255};
  CellColours().borderRgb = {255, 164, 72};
  QImage image = Render(Bar());
  CellColours() = saved;
  const WindowRect fill = State().layout.buttons[BAR_FIRST_LOWER + LOWER_FILL_COLOUR];
  EXPECT_EQ(image.pixelColor(fill.x + fill.cx / 2, fill.y + fill.cy / 2), QColor(174, 174, 255));
  const WindowRect border = State().layout.buttons[BAR_FIRST_LOWER + LOWER_BORDER_COLOUR];
  EXPECT_EQ(image.pixelColor(border.x + border.cx / 2, border.y + 5), QColor(255, 164, 72));

  // (From elsewhere first: a move to where the pointer already is is none.)
  QTest::mouseMove(WidgetOf(Bar()), QPoint(2, 50));
  QTest::mouseMove(WidgetOf(Bar()), ButtonMiddle(BAR_FIRST_LOWER + LOWER_RUN));
  QCoreApplication::processEvents();
  const WindowHandle hint = Program().hHintEdit;
  EXPECT_EQ(EditText(hint), "Run current math formula");
  const WindowRect run = State().layout.buttons[BAR_FIRST_LOWER + LOWER_RUN];
  const WindowRect at = WindowRectOf(hint);
  EXPECT_EQ(at.x, run.x + run.cx);
  EXPECT_EQ(at.cy, 22);
  EXPECT_EQ(at.cx, 5 * 24 + 20);
  EXPECT_TRUE(WidgetOf(hint)->isVisible());

  // Without a table the swatches turn grey.
  DestroyWindowOf(table_);
  ProcessEvents();
  image = Render(Bar());
  EXPECT_EQ(image.pixelColor(fill.x + fill.cx / 2, fill.y + fill.cy / 2), QColor(142, 142, 142));
}

// The upper buttons post their commands to the frame, which passes them to
// the active table.
TEST_F(FormulaBarTest, UpperButtonsReachTheTable) {
  const int width = RecordOf(table_).colWidth[1];
  ClickButton(5);  // zoom out
  ProcessEvents();
  EXPECT_LT(RecordOf(table_).colWidth[1], width);
  const int smaller = RecordOf(table_).colWidth[1];
  ClickButton(4);  // zoom in
  ProcessEvents();
  EXPECT_GT(RecordOf(table_).colWidth[1], smaller);
  TableSetCellText(table_, 3, 4, "x");
  ClickButton(7);  // select all
  ProcessEvents();
  EXPECT_EQ(RecordOf(table_).selRowFrom[0], 1);
  EXPECT_EQ(RecordOf(table_).selRowTo[0], 3);
  EXPECT_EQ(RecordOf(table_).selColTo[0], 4);
  // A disabled button does nothing: no pixel view without colour mode.
  EXPECT_FALSE(FormulaBarButtonEnabled(State(), 6));
  DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
  ClickButton(0);  // open
  ProcessEvents();
  EXPECT_EQ(DialogScriptPending(), 0);
}

}  // namespace
