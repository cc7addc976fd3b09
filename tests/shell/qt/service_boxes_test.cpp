// The program's boxes as the user meets them on the real widgets: a
// question cannot be dismissed with Escape or the title bar, a help page
// that does not open is named in a message, and the open dialog lists
// delimited texts in any letter case.
#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTreeView>

#include <fstream>
#include <string>

#include "platform/backend.h"
#include "platform/dialogs.h"
#include "platform/qt/qt_backend.h"
#include "shell/program_state.h"
#include "shell/services.h"
#include "support/qt_program.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_window_ops.h"

namespace {

class ServiceBoxesTest : public QtProgramTest {
 protected:
  void SetUp() override {
    QtProgramTest::SetUp();
    ActivateFrame();
  }
};

// The button of a message box with the given role.
QAbstractButton* ButtonOf(QDialog* dialog, QMessageBox::StandardButton which) {
  auto* box = qobject_cast<QMessageBox*>(dialog);
  return box ? box->button(which) : nullptr;
}

TEST_F(ServiceBoxesTest, EscapeAndCloseDoNotAnswerSaveTableChanges) {
  const WindowHandle table = NewTableWindow();
  DoubleClickAt(WidgetOf(table), CellMiddle(table, 2, 2));
  QTest::keyClicks(QApplication::focusWidget(), "42");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ASSERT_EQ(TableCellDisplayText(table, 2, 2), "42");
  bool stayedOpen = false;
  DialogScriptEnd();  // the real box shows
  OnNextDialog([&stayedOpen](QDialog* dialog) {
    QTest::keyClick(dialog, Qt::Key_Escape);
    dialog->close();
    QCoreApplication::processEvents();
    stayedOpen = dialog->isVisible();
    QAbstractButton* no = ButtonOf(dialog, QMessageBox::No);
    ASSERT_NE(no, nullptr);
    no->click();
  });
  SendMessageTo(table, MSG_CLOSE);
  DialogScriptBegin();
  EXPECT_TRUE(stayedOpen) << "Escape or the close box answered the question";
  EXPECT_FALSE(IsWindowAlive(table)) << "No closes the table";
  // A plain message still goes with Escape.
  bool gone = false;
  DialogScriptEnd();
  OnNextDialog([&gone](QDialog* dialog) {
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCoreApplication::processEvents();
    gone = !dialog->isVisible();
    if (!gone) dialog->reject();
  });
  ShowMessage("Message", "text");
  DialogScriptBegin();
  EXPECT_TRUE(gone);
}

bool NoBrowser(std::string_view) { return false; }
bool Started(std::string_view) { return true; }

TEST_F(ServiceBoxesTest, AHelpPageThatDoesNotOpenIsNamed) {
  SetHelpOpener(NoBrowser);
  DialogScriptPush(AnswerOk("Help.html"));
  QTest::keyClick(WidgetOf(frame())->window(), Qt::Key_F1);
  ProcessEvents();
  ASSERT_FALSE(DialogScriptShown().empty());
  const std::string text = DialogScriptShown().back().szText;
  EXPECT_NE(text.find((dir_ / "Help.html").string()), std::string::npos) << text;
  EXPECT_NE(text.find("by hand"), std::string::npos) << text;
  // Without a recorder the page itself must exist: none in this folder.
  SetHelpOpener(nullptr);
  DialogScriptPush(AnswerOk("Help.html"));
  OpenHelpPage();
  EXPECT_EQ(DialogScriptPending(), 0);
  // A launcher that started but then found no browser says so later, as
  // xdg-open does with its exit status.
  SetHelpOpener(Started);
  OpenHelpPage();
  const std::size_t shown = DialogScriptShown().size();
  DialogScriptPush(AnswerOk("Help.html"));
  ReportBrowserFailed((dir_ / "Help.html").string());
  EXPECT_EQ(DialogScriptShown().size(), shown + 1);
  SetHelpOpener(nullptr);
}

TEST_F(ServiceBoxesTest, TheOpenDialogListsDelimitedTextsInAnyLetterCase) {
  for (const char* name : {"rain.csv", "Wind.Csv", "SNOW.TSV", "notes.txt", "sun.dat"}) {
    std::ofstream(dir_ / name) << "1,2\n";
  }
  QStringList listed;
  DialogScriptEnd();
  OnNextDialog([&listed](QDialog* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    ASSERT_NE(files, nullptr);
    QTreeView* view = files->findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    QAbstractItemModel* model = view->model();
    const auto read = [&] {
      listed.clear();
      for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        listed << model->index(row, 0, view->rootIndex()).data().toString();
      }
      return listed.size() >= 5;
    };
    EXPECT_TRUE(QTest::qWaitFor(read, 3000));
    dialog->reject();
  });
  EXPECT_EQ(OpenFileDialog(frame(), FILES_TABLES), -1);
  DialogScriptBegin();
  listed.sort();
  EXPECT_EQ(listed, (QStringList{"CVLib", "SNOW.TSV", "Wind.Csv", "notes.txt", "rain.csv"}));
}

}  // namespace
