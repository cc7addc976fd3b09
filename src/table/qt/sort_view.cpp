#include "table/qt/sort_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "table/sort_data.h"

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

int SortView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<SortDialogModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_SORT_TITLE)));
  auto* grid = new QGridLayout(&dialog);

  auto* by = new QGroupBox(Q(Text(TXT_SORT_BY)));
  auto* byGrid = new QGridLayout(by);
  auto* row = new QRadioButton(Q(SortRowText(model->iKeyRow)));
  auto* column = new QRadioButton(Q(SortColumnText(model->iKeyCol)));
  byGrid->addWidget(row, 0, 0);
  byGrid->addWidget(column, 0, 1);
  byGrid->addWidget(new QLabel(Q(SortClickedText(model->iKeyRow, model->iKeyCol))), 1, 0, 1, 2);
  // Whole columns can only reorder rows, whole rows only columns.
  const bool byRow = model->iKind == SELECT_ROWS || (model->iKind != SELECT_COLUMNS && model->iSortBy == SORT_BY_ROW);
  row->setChecked(byRow);
  column->setChecked(!byRow);
  row->setEnabled(model->iKind != SELECT_COLUMNS);
  column->setEnabled(model->iKind != SELECT_ROWS);
  grid->addWidget(by, 0, 0);

  auto* order = new QGroupBox(Q(Text(TXT_SORT_ORDER)));
  auto* orderGrid = new QGridLayout(order);
  auto* ascending = new QRadioButton(Q(Text(TXT_SORT_ASCENDING)));
  auto* descending = new QRadioButton(Q(Text(TXT_SORT_DESCENDING)));
  ascending->setChecked(model->iSortOrder != SORT_DESCENDING);
  descending->setChecked(model->iSortOrder == SORT_DESCENDING);
  orderGrid->addWidget(ascending, 0, 0);
  orderGrid->addWidget(descending, 0, 1);
  grid->addWidget(order, 1, 0);

  grid->addWidget(OkCancelButtons(dialog), 2, 0);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->iSortBy = row->isChecked() ? SORT_BY_ROW : SORT_BY_COLUMN;
  model->iSortOrder = ascending->isChecked() ? SORT_ASCENDING : SORT_DESCENDING;
  return BUTTON_OK;
}
