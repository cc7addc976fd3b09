#include "shell/qt/plot_window_control_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "resources/string_table.h"
#include "shell/plot_window_control.h"
#include "shell/program_state.h"

int PlotWindowControlView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<PlotWindowControlModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromUtf8(Text(TXT_PLOT_CONTROL_TITLE)));
  auto* layout = new QVBoxLayout(&dialog);
  auto* newWindow = new QRadioButton(QString::fromUtf8(Text(TXT_PLOT_NEW_WINDOW)));
  auto* note = new QLabel(QString::fromUtf8(Text(TXT_PLOT_MONITOR_NOTE)));
  note->setIndent(24);
  auto* current = new QRadioButton(QString::fromUtf8(Text(TXT_PLOT_CURRENT_WINDOW)));
  (model->iMode == PLOT_IN_NEW_WINDOW ? newWindow : current)->setChecked(true);
  layout->addWidget(newWindow);
  layout->addWidget(note);
  layout->addWidget(current);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(Text(TXT_OK)));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(Text(TXT_CANCEL)));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->iMode = newWindow->isChecked() ? PLOT_IN_NEW_WINDOW : PLOT_IN_CURRENT_WINDOW;
  return BUTTON_OK;
}
