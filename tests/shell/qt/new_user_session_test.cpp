// A new user's first session, through the real menu bar and the formula
// bar: open a CSV file, enter a formula, save the table as a table file,
// close it and open it again.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <fstream>
#include <string>

#include "files/text_import_wizard.h"
#include "table/formula_slot.h"
#include "platform/dialogs.h"
#include "platform/edit_control.h"
#include "platform/qt/qt_backend.h"
#include "shell/formula_bar.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_window_ops.h"

namespace {

const std::string kWeather = std::string(CARTOVEL_SHARED_DATA_DIR) + "/csv/vega-datasets/seattle-weather.csv";

class NewUserSessionTest : public QtProgramTest {
 protected:
  void SetUp() override {
    QtProgramTest::SetUp();
    QWidget* top = WidgetOf(frame())->window();
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  }
  // Choose a menu item of the frame's real menu bar by its text.
  void Choose(const QString& menu, const QString& item) {
    auto* main = qobject_cast<QMainWindow*>(WidgetOf(frame())->window());
    ASSERT_NE(main, nullptr);
    for (QAction* top : main->menuBar()->actions()) {
      if (top->text() != menu || !top->menu()) continue;
      for (QAction* action : top->menu()->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != item) continue;
        ASSERT_TRUE(action->isEnabled()) << item.toStdString();
        action->trigger();
        ProcessEvents();
        return;
      }
    }
    FAIL() << "no menu item " << menu.toStdString() << " / " << item.toStdString();
  }
  // The table that opened, once its file is read.
  static WindowHandle OpenedTable(const char* firstCell) {
    const WindowHandle table = MdiActiveChild(Program().hMdiClient);
    QTest::qWaitFor([&] { return TableCellDisplayText(table, 1, 1) == firstCell; }, 3000);
    EXPECT_EQ(TableCellDisplayText(table, 1, 1), firstCell);
    SizeTableWindow(table);
    // Wide enough for the seven columns the import fitted to their texts.
    OuterWidgetOf(table)->parentWidget()->resize(1000, 500);
    OuterWidgetOf(table)->resize(900, 400);
    QCoreApplication::processEvents();
    SettleActivation(table);
    return table;
  }
  static FormulaBarState& Bar() { return *FormulaBarStateOf(Program().hFormulaBar); }
  static void ClickLower(int lower) {
    const WindowRect& r = Bar().layout.buttons[static_cast<std::size_t>(BAR_FIRST_LOWER + lower)];
    QTest::mouseClick(WidgetOf(Program().hFormulaBar), Qt::LeftButton, {}, QPoint(r.x + r.cx / 2, r.y + r.cy / 2));
    ProcessEvents();
  }
};

TEST_F(NewUserSessionTest, OpenCsvEnterAFormulaSaveCloseAndReopen) {
  if (!std::ifstream(kWeather)) GTEST_SKIP() << "no " << kWeather;
  // File → Open ...: the CSV has no TABs, so the wizard asks; Comma.
  DialogScriptPush(AnswerOpenFile(kWeather));
  DialogScriptPush(AnswerDialog(TEXT_IMPORT_WIZARD, [](DialogRequest& request) {
    auto* model = static_cast<TextImportWizardModel*>(request.pModel);
    model->iDelimiter = WIZARD_COMMA;
    model->bMerge = false;
    return static_cast<int>(BUTTON_OK);
  }));
  Choose("File", "Open ...");
  WindowHandle table = OpenedTable("date");
  EXPECT_EQ(TableCellDisplayText(table, 2, 3), "12.8");
  EXPECT_EQ(TableCellDisplayText(table, 1462, 6), "sun");

  // The sum of the day's two temperatures in column 7, with the bar.
  DoubleClickAt(WidgetOf(table), CellMiddle(table, 2, 7));
  EXPECT_EQ(EditText(Bar().hTarget), "R2C7");
  DragSelect(WidgetOf(table), CellMiddle(table, 2, 3), CellMiddle(table, 2, 4));
  ClickLower(LOWER_ADD);
  ClickLower(LOWER_RUN);
  EXPECT_EQ(TableCellDisplayText(table, 2, 7), "17.8");

  // File → Save As ... a table file; then the table closes without asking.
  const std::string saved = (dir_ / "weather.orl").string();
  DialogScriptPush(AnswerSaveFile(saved));
  Choose("File", "Save As ...");
  SendMessageTo(table, MSG_CLOSE);
  ProcessEvents();
  EXPECT_FALSE(IsWindowAlive(table));

  // Open it again: cells and the formula are back, and it still runs.
  DialogScriptPush(AnswerOpenFile(saved));
  Choose("File", "Open ...");
  table = OpenedTable("date");
  EXPECT_EQ(TableCellDisplayText(table, 2, 7), "17.8");
  EXPECT_EQ(TableCellDisplayText(table, 1462, 6), "sun");
  DoubleClickAt(WidgetOf(table), CellMiddle(table, 2, 7));
  EXPECT_EQ(EditText(Bar().hFormula), "R2C3+R2C4");
  DoubleClickAt(WidgetOf(table), CellMiddle(table, 2, 3));
  QWidget* editor = WidgetOf(RecordOf(table).hCellEdit);
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "20");
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(TableCellDisplayText(table, 2, 7), "25");
}

}  // namespace
