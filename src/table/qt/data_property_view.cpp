#include "table/qt/data_property_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "table/data_property_command.h"

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

}  // namespace

int DataPropertyView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<DataPropertyModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  DataProperty& p = model->property;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_DATA_PROPERTY_TITLE)));
  auto* grid = new QGridLayout(&dialog);

  auto* unit = new QGroupBox(Q(Text(TXT_DATA_PROPERTY_GROUP)));
  auto* unitGrid = new QGridLayout(unit);
  unitGrid->addWidget(new QLabel(Q(Text(TXT_DATA_PROPERTY_LABEL))), 0, 0);
  auto* label = new QLineEdit(QString::fromStdString(p.szUnitLabel));
  label->setMaxLength(static_cast<int>(UNIT_LABEL_CHARS));
  unitGrid->addWidget(label, 0, 1, 1, 2);
  const TextId unitTexts[] = {TXT_DATA_PROPERTY_POSTFIX, TXT_DATA_PROPERTY_PREFIX, TXT_DATA_PROPERTY_REMOVE};
  QRadioButton* units[3] = {};
  for (int mode = 0; mode < 3; ++mode) {
    units[mode] = new QRadioButton(Q(Text(unitTexts[mode])));
    units[mode]->setChecked(p.iUnitMode == mode);
    unitGrid->addWidget(units[mode], 1, mode);
  }
  grid->addWidget(unit, 0, 0);

  auto* adjust = new QGroupBox(Q(Text(TXT_DATA_PROPERTY_ADJUSTMENT)));
  auto* adjustGrid = new QGridLayout(adjust);
  const char* opTexts[] = {"+", " - ", "x", "/", Text(TXT_DATA_PROPERTY_IGNORE)};
  QRadioButton* ops[5] = {};
  for (int op = 0; op < 5; ++op) {
    ops[op] = new QRadioButton(Q(opTexts[op]));
    ops[op]->setChecked(p.iAdjustOp == op);
    adjustGrid->addWidget(ops[op], 0, op);
  }
  adjustGrid->addWidget(new QLabel(Q(Text(TXT_DATA_PROPERTY_PARAMETER))), 1, 0);
  auto* parameter = new QLineEdit(QString::fromStdString(p.szAdjustParam));
  parameter->setMaxLength(static_cast<int>(ADJUST_PARAM_CHARS));
  adjustGrid->addWidget(parameter, 1, 1, 1, 4);
  grid->addWidget(adjust, 1, 0);

  auto* buttons = OkCancelButtons(dialog);
  grid->addWidget(buttons, 2, 0);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  p.szUnitLabel = label->text().toStdString();
  p.szAdjustParam = parameter->text().toStdString();
  for (int mode = 0; mode < 3; ++mode) {
    if (units[mode]->isChecked()) p.iUnitMode = mode;
  }
  for (int op = 0; op < 5; ++op) {
    if (ops[op]->isChecked()) p.iAdjustOp = op;
  }
  return BUTTON_OK;
}
