#include "output/qt/export_options_view.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

#include "output/plot_data_export.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/qt/text_qt.h"
#include "resources/string_table.h"

namespace {


}  // namespace

int ExportOptionsView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<ExportOptionsModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromUtf8(model->szTitle.c_str()));
  auto* layout = new QVBoxLayout(&dialog);
  auto* group = new QGroupBox(TextQ(TXT_EXPORT_SEPARATION));
  auto* groupLayout = new QVBoxLayout(group);
  const std::array<QRadioButton*, 3> choices = {new QRadioButton(TextQ(TXT_EXPORT_FIXED)),
                                                new QRadioButton(TextQ(TXT_EXPORT_COMMA)),
                                                new QRadioButton(TextQ(TXT_EXPORT_TAB))};
  for (QRadioButton* choice : choices) groupLayout->addWidget(choice);
  choices[static_cast<std::size_t>(model->iSeparation >= 0 && model->iSeparation < 3 ? model->iSeparation : 2)]
      ->setChecked(true);
  layout->addWidget(group);
  auto* header = new QCheckBox(TextQ(TXT_EXPORT_HEADER));
  header->setChecked(model->iHeader == EXPORT_WITH_HEADER);
  layout->addWidget(header);
  layout->addWidget(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  for (int i = 0; i < 3; ++i) {
    if (choices[static_cast<std::size_t>(i)]->isChecked()) model->iSeparation = i;
  }
  model->iHeader = header->isChecked() ? EXPORT_WITH_HEADER : EXPORT_NO_HEADER;
  return BUTTON_OK;
}
