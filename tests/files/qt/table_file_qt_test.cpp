#include <QApplication>

#include <functional>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMainWindow>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files/private_file_dialog.h"
#include "files/qt/private_file_view.h"
#include "platform/dialogs.h"
#include "platform/menu.h"
#include "platform/qt/qt_backend.h"
#include "platform/timers.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/headless_program.h"
#include "support/qt_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

class TableFileWindowTest : public QtProgramTest {
 protected:
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string ReadBytes(const std::string& path) { return ReadFileBytes(path); }
};

class ChineseTableFileWindowTest : public TableFileWindowTest {
  std::string SystemNameText() override { return "[a][b][c][d][e][f][g][h][i][j][k][C]"; }
};

// Run the real view on a model, with `act` driving the shown dialog.
int RunView(PrivateFileModel& model, const std::function<void(QDialog*)>& act) {
  return RunDialogView(PrivateFileView, PRIVATE_FILE_DIALOG, &model, act);
}

// The password box starts with the table's password, takes 20 characters
// and hides what is typed.
TEST_F(TableFileWindowTest, PasswordViewTakesTheTypedPassword) {
  PrivateFileModel model;
  model.szPassword = "old";
  std::string title;
  const int button = RunView(model, [&](QDialog* dialog) {
    title = dialog->windowTitle().toStdString();
    auto* edit = dialog->findChild<QLineEdit*>("password");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text().toStdString(), "old");
    EXPECT_EQ(edit->maxLength(), 20);
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    edit->setText("new password");
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(title, "Private File control");
  EXPECT_EQ(model.szPassword, "new password");
  // Cancel leaves the model alone.
  EXPECT_EQ(RunView(model,
                    [](QDialog* dialog) {
                      dialog->findChild<QLineEdit*>("password")->setText("ignored");
                      dialog->reject();
                    }),
            BUTTON_CANCEL);
  EXPECT_EQ(model.szPassword, "new password");
}

TEST_F(ChineseTableFileWindowTest, PasswordViewIsInChinese) {
  PrivateFileModel model;
  std::string title;
  RunView(model, [&](QDialog* dialog) {
    title = dialog->windowTitle().toStdString();
    dialog->reject();
  });
  EXPECT_EQ(title, "个人文件控制");
}

// The File menu offers the three save commands, in the window system's
// menu bar too.
TEST_F(TableFileWindowTest, FileMenuHoldsTheSaveCommands) {
  auto* main = qobject_cast<QMainWindow*>(OuterWidgetOf(frame()));
  ASSERT_NE(main, nullptr);
  QStringList texts;
  for (QAction* action : main->menuBar()->actions().first()->menu()->actions()) texts << action->text();
  EXPECT_TRUE(texts.contains("Save"));
  EXPECT_TRUE(texts.contains("Save As ..."));
  EXPECT_TRUE(texts.contains("Save Private File "));
}

// "Open File ..." opens a native file into a new table; Save As writes it
// under a new name, Save writes to that name again.
TEST_F(TableFileWindowTest, OpenAndSaveThroughTheMenus) {
  {
    std::ofstream out(Path("data.orl"), std::ios::binary);
    out << "1\t2\r\nx\t\r\nOSTREL_CELL_W\t90\t70\r\n";
  }
  DialogScriptPush(AnswerOpenFile(Path("data.orl")));
  ASSERT_EQ(ChooseMenuItem(frame(), CMD_OPEN_FILE), 0);
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  ASSERT_FALSE(IsNone(table));
  ASSERT_EQ(FireTimer(table, TIMER_TABLE_LOAD), 0);
  // The table's activation sets the menu states for it.
  ASSERT_EQ(FireTimer(table, TIMER_TABLE_ACTIVE), 0);
  ProcessEvents();
  EXPECT_EQ(TableCellDisplayText(table, 1, 2), "2");
  EXPECT_EQ(TableCellDisplayText(table, 2, 1), "x");
  EXPECT_EQ(WindowTitle(table), Path("data.orl"));
  {
    TableLockGuard t(table);
    EXPECT_EQ(t->colWidth[1], 90);
    EXPECT_EQ(t->bModified, 1);
  }

  DialogScriptPush(AnswerSaveFile(Path("copy")));
  ASSERT_EQ(ChooseMenuItem(frame(), CMD_SAVE_AS), 0);
  EXPECT_EQ(ReadBytes(Path("copy.txt")), "1\t2\r\nx\t \r\n");
  EXPECT_EQ(WindowTitle(table), Path("copy.txt"));
  TableSetCellText(table, 1, 1, "5");
  ASSERT_EQ(ChooseMenuItem(frame(), CMD_SAVE), 0);
  EXPECT_EQ(ReadBytes(Path("copy.txt")), "5\t2\r\nx\t \r\n");
  TableLockGuard t(table);
  EXPECT_EQ(t->bModified, 0);
}

}  // namespace
