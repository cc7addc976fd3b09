// The "Ocean MODAS data" dialog and the "Stock Data Import Wizard" as
// shown: their texts, the data list following the depths, the OK checks
// and the choice they hand back.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/dialogs.h"
#include "sources/modas_options.h"
#include "sources/qt/modas_views.h"
#include "sources/stock_options.h"
#include "support/qt_program.h"

namespace {

class ModasViewsTest : public QtProgramTest {};

// The texts of a dialog's groups, buttons and labels.
QStringList TextsOf(QDialog* dialog) {
  QStringList texts;
  for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) texts << group->title();
  for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) texts << button->text();
  for (QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
  return texts;
}

// Click OK of a dialog whose check refuses: the text of the message box
// it shows, which is closed.
QString RefusedOk(QDialog* dialog) {
  QString message;
  OnNextDialog([&](QDialog* box) {
    if (auto* shown = qobject_cast<QMessageBox*>(box)) message = shown->text();
    box->accept();
  });
  dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  return message;
}

QStringList ItemsOf(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

TEST_F(ModasViewsTest, DepthsRefillTheDataListAndAnAreaNeedsItsCorners) {
  ModasDialogModel model;
  ModasRefillItems(model);
  QStringList texts;
  QStringList surfaceItems;
  QStringList deepItems;
  int depthCount = 0;
  QString refused;
  const int button = RunDialogView(ModasDialogView, MODAS_DIALOG, &model, [&](QDialog* dialog) {
    texts = TextsOf(dialog);
    texts << dialog->windowTitle();
    const QList<QListWidget*> lists = dialog->findChildren<QListWidget*>();
    ASSERT_EQ(lists.size(), 2);
    depthCount = lists[0]->count();
    surfaceItems = ItemsOf(lists[1]);
    lists[1]->item(0)->setSelected(true);  // temperature
    lists[0]->item(2)->setSelected(true);  // depths 0 and 10
    deepItems = ItemsOf(lists[1]);
    dialog->findChildren<QRadioButton*>()[1]->setChecked(true);  // an area
    const QList<QLineEdit*> boxes = dialog->findChildren<QLineEdit*>();
    ASSERT_EQ(boxes.size(), 4);
    refused = RefusedOk(dialog);  // the area's longitudes are missing
    EXPECT_TRUE(dialog->isVisible());
    const char* corners[] = {"121", "31", "120.5", "30"};
    for (int i = 0; i < 4; ++i) boxes[i]->setText(corners[i]);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(button, BUTTON_OK);
  for (const char* text : {"Ocean MODAS data", "Options", "Integer Longitude and Latitude",
                           "Area  Longitude and Latitude", "Integer and Area Longitude, Latitude", "Area", "Longitude",
                           "Latitude", "Deep", "Data"}) {
    EXPECT_TRUE(texts.contains(text)) << text;
  }
  EXPECT_EQ(refused.toStdString(), "Missing boundary longitude");
  EXPECT_EQ(depthCount, MODAS_DEPTHS);
  EXPECT_EQ(surfaceItems, (QStringList{"温度", "盐度", "密度", "声速", "U分量", "V分量", "海面高度"}));
  EXPECT_EQ(deepItems, (QStringList{"温度", "盐度", "密度", "声速", "U分量", "V分量"}));
  const ModasOptions options = ModasOptionsFromModel(model);
  EXPECT_EQ(options.iPositionMode, MODAS_POSITION_AREA);
  EXPECT_EQ(options.iDepthMode, MODAS_DEPTH_RANGE);
  EXPECT_EQ(options.nItems, 1);
  EXPECT_EQ(std::string(options.szArea[2].data()), "120.5");
}

TEST_F(ModasViewsTest, StockWizardListsTheFirstLineAndNamesWhatIsMissing) {
  StockWizardModel model;
  model.szPreview = "symbol,date,price\r\nMSFT,Jan 1 2000,39.81\r\n";
  TextSyntax comma;
  comma.cDelimiter = ',';
  model.fields = StockFieldEntries("symbol,date,price", comma);
  QStringList texts;
  QStringList entries;
  QString refused;
  const int button = RunDialogView(StockWizardView, STOCK_WIZARD, &model, [&](QDialog* dialog) {
    texts = TextsOf(dialog);
    texts << dialog->windowTitle();
    const QList<QComboBox*> boxes = dialog->findChildren<QComboBox*>();
    ASSERT_EQ(boxes.size(), 5);
    for (int i = 0; i < boxes[0]->count(); ++i) entries << boxes[0]->itemText(i);
    boxes[0]->setCurrentIndex(0);
    boxes[1]->setCurrentIndex(1);
    refused = RefusedOk(dialog);  // no data field yet
    EXPECT_TRUE(dialog->isVisible());
    boxes[2]->setCurrentIndex(2);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(refused.toStdString(), "Select this field");
  for (const char* text : {"Stock Data Import Wizard", "Data preview", "Select stock record keywords",
                           "This is Stock Name (ID)", "This is Stock record date", "Specify data for analysis",
                           "Select this field", "Difference", "Subtract"}) {
    EXPECT_TRUE(texts.contains(text)) << text;
  }
  EXPECT_EQ(entries, (QStringList{"1) symbol", "2) date", "3) price"}));
  EXPECT_EQ(model.options.iNameField, 1);
  EXPECT_EQ(model.options.iDateField, 2);
  EXPECT_EQ(model.options.iMode, STOCK_ONE_FIELD);
  EXPECT_EQ(model.options.iDataField, 3);
}

}  // namespace
