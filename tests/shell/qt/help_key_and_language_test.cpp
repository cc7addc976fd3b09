// F1 opens the help page wherever it has no other meaning, and Qt's own
// dialog texts follow the program's language.
#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

#include <string>
#include <vector>

#include "platform/qt/qt_backend.h"
#include "resources/language.h"
#include "shell/program_state.h"
#include "shell/services.h"
#include "support/qt_program.h"
#include "support/qt_table.h"

namespace {

std::vector<std::string>& Opened() {
  static std::vector<std::string> opened;
  return opened;
}

bool RecordHelp(std::string_view path) {
  Opened().emplace_back(path);
  return true;
}

class HelpKeyTest : public QtProgramTest {
 protected:
  void SetUp() override {
    QtProgramTest::SetUp();
    Opened().clear();
    SetHelpOpener(RecordHelp);
    QWidget* top = WidgetOf(frame())->window();
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  }
  void TearDown() override {
    SetHelpOpener(nullptr);
    QtProgramTest::TearDown();
  }
};

TEST_F(HelpKeyTest, F1OpensHelpExceptInATable) {
  // The welcome page, then the bare frame.
  QTest::keyClick(WidgetOf(Program().hWelcomeWnd), Qt::Key_F1);
  ASSERT_EQ(Opened().size(), 1u);
  EXPECT_EQ(Opened()[0], (dir_ / "Help.html").string());
  QTest::keyClick(WidgetOf(frame())->window(), Qt::Key_F1);
  EXPECT_EQ(Opened().size(), 2u);

  // In a table F1 zooms out and opens nothing.
  const WindowHandle table = NewTableWindow();
  const int width = RecordOf(table).colWidth[1];
  QTest::keyClick(WidgetOf(table), Qt::Key_F1);
  EXPECT_LT(RecordOf(table).colWidth[1], width);
  EXPECT_EQ(Opened().size(), 2u);
}

class ChineseDialogTest : public QtProgramTest {
 protected:
  std::string SystemNameText() override { return "[CVSYS][Cartovel][Tables][][][][][][][][][C]"; }
};

// A message box and a question in Chinese mode have Chinese buttons.
TEST_F(ChineseDialogTest, MessageBoxButtonsAreChinese) {
  ASSERT_TRUE(LanguageIsChinese());
  QStringList buttons;
  const auto collect = [&buttons](QDialog* dialog) {
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
      if (!b->text().isEmpty()) buttons << b->text().remove(QLatin1Char('&'));
    }
    dialog->reject();
  };
  DialogScriptEnd();  // the real boxes show
  OnNextDialog(collect);
  ShowMessage("消息", "文本");
  OnNextDialog(collect);
  AskYesNo("确认", "问题");
  DialogScriptBegin();
  // Qt writes the access key after the word: "是(Y)".
  for (const char* word : {"确定", "是", "否"}) {
    EXPECT_EQ(buttons.filter(QRegularExpression(QStringLiteral("^") + QString::fromUtf8(word))).size(), 1)
        << word << " in " << buttons.join(',').toStdString();
  }
}

}  // namespace
