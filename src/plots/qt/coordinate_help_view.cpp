#include "plots/qt/coordinate_help_view.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "plots/coordinate_commands.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"

int CoordinateHelpView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<CoordinateHelpModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromStdString(CoordinateHelpTitle(model->iKind)));
  auto* layout = new QVBoxLayout(&dialog);
  auto* group = new QGroupBox(QString::fromUtf8(Text(TXT_COORD_NEXT_STEP)));
  auto* groupLayout = new QVBoxLayout(group);
  QString text = QString::fromStdString(CoordinateHelpText(model->iKind));
  text.remove(QLatin1Char('\r'));
  auto* label = new QLabel(text.trimmed());
  label->setWordWrap(true);
  groupLayout->addWidget(label);
  layout->addWidget(group);
  auto* dontShow = new QCheckBox(QString::fromUtf8(Text(TXT_COORD_DONT_SHOW)));
  layout->addWidget(dontShow);
  layout->addWidget(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->bDontShow = dontShow->isChecked();
  return BUTTON_OK;
}
