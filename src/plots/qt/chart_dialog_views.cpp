#include "plots/qt/chart_dialog_views.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "plots/chart_dialogs.h"
#include "plots/chart_record.h"
#include "plots/chart_trend.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/qt/text_qt.h"
#include "resources/string_table.h"
#include "table/number_format.h"

namespace {

QString TextQ(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

int ChartModeView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<ChartModeModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(TextQ(TXT_CHART_MODE_TITLE));
  auto* layout = new QVBoxLayout(&dialog);
  auto* group = new QGroupBox(TextQ(TXT_CHART_MODE_GROUP));
  auto* groupLayout = new QVBoxLayout(group);
  auto* byRow = new QRadioButton(TextQ(TXT_CHART_BY_ROW));
  auto* byColumn = new QRadioButton(TextQ(TXT_CHART_BY_COLUMN));
  (model->iMode == DRAW_BY_ROW ? byRow : byColumn)->setChecked(true);
  groupLayout->addWidget(byRow);
  groupLayout->addWidget(byColumn);
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  buttons->button(QDialogButtonBox::Ok)->setText(TextQ(TXT_OK));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->iMode = byRow->isChecked() ? DRAW_BY_ROW : DRAW_BY_COLUMN;
  return BUTTON_OK;
}

int ChartYRangeView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<ChartYRangeModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(TextQ(TXT_CHART_Y_RANGE_TITLE));
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  auto* max = new QLineEdit(TextQ(model->szMax));
  auto* min = new QLineEdit(TextQ(model->szMin));
  max->setMaxLength(19);
  min->setMaxLength(19);
  form->addRow(TextQ(TXT_CHART_Y_MAXIMUM), max);
  form->addRow(TextQ(TXT_CHART_Y_MINIMUM), min);
  layout->addLayout(form);
  int result = BUTTON_CANCEL;
  auto* automatic = new QPushButton(TextQ(TXT_CHART_AUTO_Y_RANGE));
  QObject::connect(automatic, &QPushButton::clicked, &dialog, [&] {
    result = CHART_BUTTON_AUTOMATIC;
    dialog.accept();
  });
  layout->addWidget(automatic);
  layout->addWidget(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  if (result == CHART_BUTTON_AUTOMATIC) return result;
  model->szMax = max->text().toStdString();
  model->szMin = min->text().toStdString();
  return BUTTON_OK;
}

int ChartXUnitView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<ChartXUnitModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(TextQ(TXT_CHART_X_UNIT_TITLE));
  auto* layout = new QVBoxLayout(&dialog);
  auto* automatic = new QRadioButton(TextQ(TXT_CHART_X_AUTOMATIC));
  auto* difference = new QRadioButton(TextQ(TXT_CHART_X_MIN_DIFFERENCE));
  auto* custom = new QRadioButton(TextQ(TXT_CHART_X_CUSTOM));
  difference->setEnabled(model->bMinDifferenceAllowed);
  auto* value = new QLineEdit;
  value->setMaxLength(19);
  const std::string customText = model->szValue;
  auto show = [&] {
    value->setReadOnly(!custom->isChecked());
    if (automatic->isChecked()) value->setText(QStringLiteral("1.0"));
    if (difference->isChecked()) value->setText(TextQ(FormatNumber(model->dMinDifference)));
    if (custom->isChecked()) value->setText(TextQ(customText));
  };
  (model->iMode == X_UNIT_CUSTOM ? custom : model->iMode == X_UNIT_MIN_DIFFERENCE && model->bMinDifferenceAllowed ? difference : automatic)
      ->setChecked(true);
  for (QRadioButton* radio : {automatic, difference, custom}) {
    layout->addWidget(radio);
    QObject::connect(radio, &QRadioButton::toggled, &dialog, show);
  }
  show();
  layout->addWidget(value);
  layout->addWidget(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->iMode = custom->isChecked() ? X_UNIT_CUSTOM : difference->isChecked() ? X_UNIT_MIN_DIFFERENCE : X_UNIT_AUTO;
  model->szValue = value->text().toStdString();
  return BUTTON_OK;
}

int ChartAdjustView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<ChartAdjustModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(TextQ(TXT_CHART_ADJUST_TITLE));
  auto* layout = new QFormLayout(&dialog);
  auto* choices = new QComboBox;
  for (const char* choice : CHART_SMOOTHING_CHOICES) choices->addItem(QString::fromLatin1(choice));
  choices->setCurrentText(TextQ(model->szChoice));
  layout->addRow(TextQ(TXT_CHART_ADJUST_LABEL), choices);
  layout->addRow(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->szChoice = choices->currentText().toStdString();
  return BUTTON_OK;
}

int ChartNoteView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<ChartNoteModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(TextQ(TXT_CHART_NOTE_TITLE));
  if (owner) dialog.move(owner->mapToGlobal(QPoint(50, 0)));
  auto* layout = new QFormLayout(&dialog);
  auto* edit = new QLineEdit(TextQ(model->szText));
  edit->setMaxLength(CHART_NOTE_CHARS);
  layout->addRow(TextQ(TXT_CHART_NOTE_LABEL), edit);
  int result = BUTTON_CANCEL;
  auto* remove = new QPushButton(TextQ(TXT_CHART_NOTE_DELETE));
  QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
    result = CHART_BUTTON_DELETE;
    dialog.accept();
  });
  auto* buttons = OkCancelButtons(dialog);
  buttons->addButton(remove, QDialogButtonBox::ActionRole);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  if (result == CHART_BUTTON_DELETE) return result;
  model->szText = edit->text().toStdString();
  return BUTTON_OK;
}
