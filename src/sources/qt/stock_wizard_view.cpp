#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "files/qt/text_import_wizard_view.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "sources/qt/modas_views.h"
#include "sources/stock_options.h"

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A drop-down of the first line's fields with field `chosen` (from 1; 0:
// none) shown.
QComboBox* FieldBox(const StockWizardModel& model, int chosen) {
  auto* box = new QComboBox;
  for (const std::string& entry : model.fields) box->addItem(Q(entry));
  box->setCurrentIndex(chosen - 1);
  return box;
}

}  // namespace

int StockWizardView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<StockWizardModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  StockOptions& o = model->options;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_STOCK_TITLE)));
  auto* layout = new QVBoxLayout(&dialog);

  layout->addWidget(DataPreviewBox(model->szPreview));

  auto* keys = new QGroupBox(Q(Text(TXT_STOCK_KEYWORDS)));
  auto* keysGrid = new QGridLayout(keys);
  QComboBox* name = FieldBox(*model, o.iNameField);
  QComboBox* date = FieldBox(*model, o.iDateField);
  keysGrid->addWidget(new QLabel(Q(Text(TXT_STOCK_NAME))), 0, 0);
  keysGrid->addWidget(name, 0, 1);
  keysGrid->addWidget(new QLabel(Q(Text(TXT_STOCK_DATE))), 1, 0);
  keysGrid->addWidget(date, 1, 1);
  layout->addWidget(keys);

  auto* data = new QGroupBox(Q(Text(TXT_STOCK_SPECIFY)));
  auto* dataGrid = new QGridLayout(data);
  auto* one = new QRadioButton(Q(Text(TXT_STOCK_SELECT)));
  auto* difference = new QRadioButton(Q(Text(TXT_STOCK_DIFFERENCE)));
  (o.iMode == STOCK_DIFFERENCE ? difference : one)->setChecked(true);
  QComboBox* field = FieldBox(*model, o.iDataField);
  QComboBox* first = FieldBox(*model, o.iFirstField);
  QComboBox* second = FieldBox(*model, o.iSecondField);
  dataGrid->addWidget(one, 0, 0);
  dataGrid->addWidget(field, 0, 1);
  dataGrid->addWidget(difference, 1, 0);
  dataGrid->addWidget(first, 1, 1);
  dataGrid->addWidget(new QLabel(Q(Text(TXT_STOCK_SUBTRACT))), 1, 2);
  dataGrid->addWidget(second, 1, 3);
  layout->addWidget(data);

  QDialogButtonBox* buttons = OkCancelButtons(dialog);
  layout->addWidget(buttons);
  // Reads the controls into the model.
  const auto take = [&] {
    o.iNameField = name->currentIndex() + 1;
    o.iDateField = date->currentIndex() + 1;
    o.iMode = difference->isChecked() ? STOCK_DIFFERENCE : STOCK_ONE_FIELD;
    o.iDataField = field->currentIndex() + 1;
    o.iFirstField = first->currentIndex() + 1;
    o.iSecondField = second->currentIndex() + 1;
  };
  QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::accepted, [&] {
    take();
    if (StockWizardAccept(o) == 0) dialog.accept();
  });
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  take();
  return BUTTON_OK;
}
