// The "Sort" dialog through its widgets: the right-clicked cell in its
// texts, whole columns fixing the key line, and the order chosen.
#include <QDialog>
#include <QLabel>
#include <QRadioButton>

#include "resources/language.h"
#include "support/qt_program.h"
#include "table/qt/sort_view.h"
#include "table/sort_data.h"

namespace {

class SortViewTest : public QtProgramTest {};

TEST_F(SortViewTest, WholeColumnsFixTheKeyLineAndTheOrderIsChosen) {
  SortDialogModel model;
  model.iKeyRow = 3;
  model.iKeyCol = 2;
  model.iKind = SELECT_COLUMNS;
  model.iSortBy = SORT_BY_ROW;  // left from an earlier block sort
  const int button = RunDialogView(SortView, SORT_DIALOG_NAME, &model, [](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Sort");
    bool clickedText = false;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      clickedText |= label->text() == "Right-clicked on cell (R3, C2)";
    }
    EXPECT_TRUE(clickedText);
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
      const std::string text = radio->text().toStdString();
      if (text == "Row 3") {
        EXPECT_FALSE(radio->isEnabled());
        EXPECT_FALSE(radio->isChecked());
      }
      if (text == "Column 2") EXPECT_TRUE(radio->isChecked());
      if (text == "Ascending") EXPECT_TRUE(radio->isChecked());
      if (text == "Descending") radio->setChecked(true);
    }
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(model.iSortBy, SORT_BY_COLUMN);
  EXPECT_EQ(model.iSortOrder, SORT_DESCENDING);
}

TEST_F(SortViewTest, ChineseTexts) {
  LanguageSetChinese(true);
  SortDialogModel model;
  model.iKeyRow = 4;
  model.iKeyCol = 5;
  RunDialogView(SortView, SORT_DIALOG_NAME, &model, [](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "排序");
    int found = 0;
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
      const std::string text = radio->text().toStdString();
      found += text == "行 4" || text == "列 5" || text == "数值递增" || text == "数值递减";
    }
    EXPECT_EQ(found, 4);
    dialog->reject();
  });
  LanguageSetChinese(false);
}

}  // namespace
