#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "platform/dialogs.h"
#include "platform/menu.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "table/cell_store.h"
#include "table/qt/table_size_view.h"
#include "table/table_access.h"
#include "table/table_size_dialog.h"

namespace {

class TableSizeTest : public QtProgramTest {};

// The real dialog, driven through its widgets: choose rows, move the bar to
// 1951 (2001 rows), read the summary and press OK.
TEST_F(TableSizeTest, ViewChoosesRowsAndShowsTheResultingSize) {
  TableSizeModel model;
  model.iScrollPos = 100;
  std::string summary;
  const int button = RunDialogView(TableSizeView, "Table size", &model, [&](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Table size");
    for (QRadioButton* choice : dialog->findChildren<QRadioButton*>()) {
      if (choice->text() == "User set number of rows") choice->setChecked(true);
    }
    dialog->findChild<QScrollBar*>()->setValue(1951);
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->text().startsWith("Table will reset")) summary = label->text().toStdString();
    }
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(model.iChoice, TABLE_SIZE_ROWS);
  EXPECT_EQ(model.iScrollPos, 1951);
  EXPECT_EQ(summary, "Table will reset as (R=2000, C=416)\nData can be saved as (*.txt) file only");
}

TEST_F(TableSizeTest, NewCustomSizeTableResizesTheNewTable) {
  DialogScriptPush(AnswerDialog("Table size", [](DialogRequest& request) {
    auto* model = dynamic_cast<TableSizeModel*>(request.pModel);
    model->iChoice = TABLE_SIZE_COLS;
    model->iScrollPos = 0;
    return static_cast<int>(BUTTON_OK);
  }));
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_NEW_CUSTOM), 0);
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  TableLockGuard t(table);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->iRows, 16385);
  EXPECT_EQ(t->iCols, 51);
  EXPECT_EQ(t->bReadOnly, 1);
  EXPECT_EQ(TableCellDisplayText(*t.get(), 16384, 0), "R16384");
  EXPECT_EQ(TableCellDisplayText(*t.get(), 0, 50), "C50");
}

}  // namespace
