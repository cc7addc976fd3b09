#include "table/qt/table_size_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include "platform/number_text.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "table/table_record.h"
#include "table/table_size_dialog.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
QString Q(const char* text) { return QString::fromUtf8(text); }

}  // namespace

int TableSizeView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<TableSizeModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_TABLE_SIZE_TITLE)));
  auto* grid = new QGridLayout(&dialog);

  QRadioButton* choices[3] = {new QRadioButton(Q(Text(TXT_TABLE_SIZE_NORMAL_CHOICE))),
                              new QRadioButton(Q(Text(TXT_TABLE_SIZE_ROWS_CHOICE))),
                              new QRadioButton(Q(Text(TXT_TABLE_SIZE_COLS_CHOICE)))};
  grid->addWidget(choices[0], 0, 0);
  grid->addWidget(new QLabel(Q(TableSizeNormalLabel())), 0, 1);
  grid->addWidget(choices[1], 1, 0, 1, 2);
  grid->addWidget(choices[2], 2, 0, 1, 2);

  auto* bar = new QScrollBar(Qt::Horizontal);
  bar->setRange(0, TABLE_SIZE_SCROLL_MAX);
  bar->setSingleStep(1);
  bar->setPageStep(10);
  bar->setValue(model->iScrollPos);
  bar->setMinimumWidth(320);
  grid->addWidget(bar, 3, 0, 1, 2);
  auto* minimum = new QLabel(Q(std::string(Text(TXT_TABLE_SIZE_MINIMUM)) + FormatInt(TABLE_MIN_DIMENSION - 1)));
  auto* maximum = new QLabel(Q(std::string(Text(TXT_TABLE_SIZE_MAXIMUM)) + FormatInt(TABLE_MAX_DIMENSION - 1)));
  maximum->setAlignment(Qt::AlignRight);
  grid->addWidget(minimum, 4, 0);
  grid->addWidget(maximum, 4, 1);
  auto* summary = new QLabel;
  grid->addWidget(summary, 5, 0, 1, 2);

  auto refresh = [&] {
    for (int i = 0; i < 3; ++i) {
      if (choices[i]->isChecked()) model->iChoice = i;
    }
    model->iScrollPos = bar->value();
    bar->setEnabled(model->iChoice != TABLE_SIZE_NORMAL);
    summary->setText(Q(TableSizeSummary(model->iChoice, model->iScrollPos)));
  };
  choices[std::clamp(model->iChoice, 0, 2)]->setChecked(true);
  for (QRadioButton* choice : choices) QObject::connect(choice, &QRadioButton::toggled, refresh);
  QObject::connect(bar, &QScrollBar::valueChanged, refresh);
  refresh();

  auto* buttons = OkCancelButtons(dialog);
  grid->addWidget(buttons, 6, 0, 1, 2);
  return dialog.exec() == QDialog::Accepted ? BUTTON_OK : BUTTON_CANCEL;
}
