// The Text Import Wizard's real dialog, driven through its widgets: texts,
// defaults, the preview of the file's head, the choices it hands back,
// and an import into a table window through it.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>

#include "files/qt/text_import_wizard_view.h"
#include "files/text_import.h"
#include "files/text_import_wizard.h"
#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

class TextImportWizardViewTest : public QtProgramTest {
 protected:
  // Run the real view on `model`; `act` works the open dialog.
  int RunView(TextImportWizardModel& model, const std::function<void(QDialog*)>& act) {
    return RunDialogView(TextImportWizardView, TEXT_IMPORT_WIZARD, &model, act);
  }


  static QRadioButton* Choice(QDialog* dialog, const QString& text) {
    for (QRadioButton* choice : dialog->findChildren<QRadioButton*>()) {
      if (choice->text() == text) return choice;
    }
    return nullptr;
  }
};

TEST_F(TextImportWizardViewTest, DefaultsPreviewAndChoice) {
  TextImportWizardModel model;
  model.szPreview = "1,,2\r\n3,4\r\n";
  QString title;
  QString preview;
  QStringList texts;
  bool tabChecked = false;
  bool mergeChecked = false;
  QString other = "unset";
  const int button = RunView(model, [&](QDialog* dialog) {
    title = dialog->windowTitle();
    for (QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
    for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) texts << group->title();
    for (QRadioButton* choice : dialog->findChildren<QRadioButton*>()) texts << choice->text();
    preview = dialog->findChild<QPlainTextEdit*>()->toPlainText();
    tabChecked = Choice(dialog, "Tab")->isChecked();
    auto* merge = dialog->findChild<QCheckBox*>();
    texts << merge->text();
    mergeChecked = merge->isChecked();
    other = dialog->findChild<QLineEdit*>()->text();
    Choice(dialog, "Comma")->setChecked(true);
    merge->setChecked(false);
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(title.toStdString(), "Text Import Wizard");
  for (const char* text : {"This screen lets you set the delimiter you data contains,  you can see your data in the "
                           "preview below.",
                           "Select delimiter", "Tab", "Semicolon", "Comma", "Space", "Other", "Data preview",
                           "Treat consecutive delimiters as one"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
  }
  EXPECT_EQ(preview.toStdString(), "1,,2\n3,4\n");
  EXPECT_TRUE(tabChecked);
  EXPECT_TRUE(mergeChecked);
  EXPECT_EQ(other.toStdString(), "");
  EXPECT_EQ(model.iDelimiter, WIZARD_COMMA);
  EXPECT_EQ(model.bMerge, 0);
}

TEST_F(TextImportWizardViewTest, ChineseTextsAndTheOtherBoxTakeTwoCharacters) {
  LanguageSetChinese(true);
  TextImportWizardModel model;
  QString title;
  QString merge;
  const int button = RunView(model, [&](QDialog* dialog) {
    title = dialog->windowTitle();
    merge = dialog->findChild<QCheckBox*>()->text();
    Choice(dialog, QString::fromUtf8("其他"))->setChecked(true);
    auto* box = dialog->findChild<QLineEdit*>();
    QTest::keyClicks(box, "|;x");   // the third character does not fit
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(title.toStdString(), "加载数据控制");
  EXPECT_EQ(merge.toStdString(), "连续分隔符视为一个");
  EXPECT_EQ(model.iDelimiter, WIZARD_OTHER);
  EXPECT_EQ(model.szOther, "|;");
  EXPECT_EQ(WizardDelimiterByte(model), '|');
}

TEST_F(TextImportWizardViewTest, CancelAnswersCancel) {
  TextImportWizardModel model;
  const int button = RunView(model, [](QDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(button, BUTTON_CANCEL);
}

// A comma file opened into a table window through the real dialog.
TEST_F(TextImportWizardViewTest, ImportThroughTheDialog) {
  const std::filesystem::path file = dir_ / "values.csv";
  {
    std::ofstream out(file, std::ios::binary);
    out << "1;;2\r\n3;4\r\n";
  }
    const WindowHandle table = CreateTableWindow(TableOpenRequest{OPEN_FILE, file.string()});
  ASSERT_FALSE(IsNone(table));
  StopTimer(table, TIMER_TABLE_LOAD);  // the test opens the file itself
  bool preselected = false;
  OnNextDialog([&preselected](QDialog* dialog) {
    // The file splits at semicolons: that choice comes ready, without
    // merging; the user ticks the box.
    auto* merge = dialog->findChild<QCheckBox*>();
    preselected = Choice(dialog, "Semicolon")->isChecked() && merge && !merge->isChecked();
    if (merge) merge->setChecked(true);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  DialogScriptEnd();
  const int status = TextImportOpen(table, file.string());
  DialogScriptBegin();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(TableCellDisplayText(table, 1, 1), "1");
  EXPECT_TRUE(preselected);
  EXPECT_EQ(TableCellDisplayText(table, 1, 2), "2");   // merged as ticked
  EXPECT_EQ(TableCellDisplayText(table, 2, 2), "4");
  DestroyWindowOf(table);
}

}  // namespace
