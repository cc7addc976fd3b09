// The "Find data", "Count options" and "Data processing options" dialogs
// worked through their widgets: what each choice enables, fills or hides,
// and what OK hands back; and the find dialog's texts in Chinese.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <string>

#include "analysis/data_count_command.h"
#include "analysis/find_command.h"
#include "analysis/qt/count_views.h"
#include "analysis/qt/find_view.h"
#include "platform/text_buffer.h"
#include "resources/language.h"
#include "support/qt_program.h"

namespace {

class AnalysisViewsTest : public QtProgramTest {};

QRadioButton* Radio(QDialog* dialog, const char* text) {
  for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
    if (radio->text() == QString::fromUtf8(text)) return radio;
  }
  ADD_FAILURE() << "no radio button " << text;
  return nullptr;
}

TEST_F(AnalysisViewsTest, FindDialogFollowsTheFindText) {
  FindDialogModel model;
  model.choice.szText = "8";
  model.choice.iMode = FIND_ABOVE;
  model.szRangeText = "3";
  const int button = RunDialogView(FindView, FIND_DIALOG_NAME, &model, [](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Find data");
    const auto edits = dialog->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 3);
    QLineEdit* text = edits[0];
    EXPECT_EQ(text->text().toStdString(), "8");
    EXPECT_TRUE(Radio(dialog, "Above")->isChecked());
    EXPECT_TRUE(edits[1]->isReadOnly());
    // A word can only be searched for: Equal, the rest disabled.
    text->setText("total");
    EXPECT_TRUE(Radio(dialog, "Equal")->isChecked());
    EXPECT_FALSE(Radio(dialog, "Below")->isEnabled());
    EXPECT_FALSE(Radio(dialog, "Multi-color")->isEnabled());
    text->setText("5");
    EXPECT_TRUE(Radio(dialog, "Between")->isEnabled());
    // Between takes its bounds, filled from the first selected cell.
    Radio(dialog, "Between")->click();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_FALSE(edits[1]->isReadOnly());
    EXPECT_EQ(edits[1]->text().toStdString(), "3");
    edits[2]->setText("10");
    Radio(dialog, "Single-color")->setChecked(true);
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(model.choice.iMode, FIND_BETWEEN);
  EXPECT_EQ(model.choice.szLow, "3");
  EXPECT_EQ(model.choice.szHigh, "10");
  EXPECT_EQ(model.choice.iStyle, HIGHLIGHT_SINGLE);
}

TEST_F(AnalysisViewsTest, FindDialogInChineseAndItsColourButton) {
  LanguageSetChinese(true);
  FindDialogModel model;
  int chosen = 0;
  model.pfnChooseColour = [&](int* rgb) {
    ++chosen;
    *rgb = 0x0000FF;
    return true;
  };
  const int button = RunDialogView(FindView, FIND_DIALOG_NAME, &model, [](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "数据查询");
    EXPECT_TRUE(Radio(dialog, "多色突显")->isChecked());
    for (QPushButton* push : dialog->findChildren<QPushButton*>()) {
      if (push->text() == QString::fromUtf8("突显用色")) push->click();
    }
    EXPECT_TRUE(Radio(dialog, "单色突显")->isChecked());
    dialog->reject();
  });
  LanguageSetChinese(false);
  EXPECT_EQ(button, BUTTON_CANCEL);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(model.iRgb, 0x0000FF);
}

TEST_F(AnalysisViewsTest, CountDialogEnablesTheEditsOfItsCondition) {
  CountDialogModel model;
  model.steps = {1, 2, 5, 10};
  model.iStep = 2;
  const int button = RunDialogView(CountOptionsView, COUNT_DIALOG_NAME, &model, [](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Count options");
    EXPECT_TRUE(Radio(dialog, "No Condition")->isChecked());
    const auto edits = dialog->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 3);
    for (QLineEdit* edit : edits) EXPECT_TRUE(edit->isReadOnly());
    Radio(dialog, "Above")->click();
    EXPECT_FALSE(edits[0]->isReadOnly());
    EXPECT_TRUE(edits[1]->isReadOnly());
    edits[0]->setText("4");
    Radio(dialog, "Between")->click();
    EXPECT_TRUE(edits[0]->isReadOnly());
    EXPECT_FALSE(edits[1]->isReadOnly());
    Radio(dialog, "Above")->click();
    auto* steps = dialog->findChild<QComboBox*>();
    EXPECT_EQ(steps->count(), 4);
    EXPECT_EQ(steps->currentText().toStdString(), "5");
    steps->setCurrentIndex(3);
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
      if (box->text() == "[ DD ]") box->setChecked(false);
    }
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(model.options.iCondition, COND_ABOVE);
  EXPECT_EQ(TextOf(model.options.szValue), "4");
  EXPECT_EQ(model.iStep, 3);
  EXPECT_EQ(model.options.flags[COUNT_DD], 0);
  EXPECT_EQ(model.options.flags[COUNT_MED], 1);
}

TEST_F(AnalysisViewsTest, ProcessingDialogHidesWhatAMethodCannotUse) {
  ProcessDialogModel model;
  model.options.iDestination = PROCESS_REPLACE;
  const int button = RunDialogView(ProcessOptionsView, PROCESS_DIALOG_NAME, &model, [](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Data processing options");
    auto* methods = dialog->findChild<QComboBox*>();
    ASSERT_EQ(methods->count(), 5);
    EXPECT_EQ(methods->itemText(4).toStdString(), "Standard deviation");
    QLineEdit* scale = dialog->findChild<QLineEdit*>();
    EXPECT_FALSE(scale->isHidden());
    EXPECT_TRUE(Radio(dialog, "Replace source fields")->isChecked());
    methods->setCurrentIndex(4);
    EXPECT_TRUE(scale->isHidden());
    EXPECT_TRUE(Radio(dialog, "Replace source fields")->isHidden());
    EXPECT_TRUE(Radio(dialog, "At external window")->isChecked());
    Radio(dialog, "By Column")->setChecked(true);
    Radio(dialog, "In selected set")->setChecked(true);
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(model.options.iMethod, PROCESS_DEVIATION);
  EXPECT_EQ(model.options.iDestination, PROCESS_TO_REPORT);
  EXPECT_EQ(model.options.iOrientation, PROCESS_BY_COLUMN);
  EXPECT_EQ(model.options.iSource, PROCESS_SELECTION);
}

}  // namespace
