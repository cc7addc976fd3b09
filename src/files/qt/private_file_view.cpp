#include "files/qt/private_file_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/private_file_dialog.h"
#include "resources/string_table.h"

int PrivateFileView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<PrivateFileModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromUtf8(Text(TXT_PRIVATE_TITLE)));
  auto* grid = new QGridLayout(&dialog);
  grid->addWidget(new QLabel(QString::fromUtf8(Text(TXT_PRIVATE_PASSWORD_LABEL))), 0, 0);
  auto* edit = new QLineEdit(QString::fromStdString(model->szPassword));
  edit->setObjectName("password");
  edit->setMaxLength(PRIVATE_PASSWORD_EDIT_CHARS);
  edit->setEchoMode(QLineEdit::Password);
  edit->setMinimumWidth(200);
  grid->addWidget(edit, 0, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(Text(TXT_OK)));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(Text(TXT_CANCEL)));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  grid->addWidget(buttons, 1, 0, 1, 2);
  edit->setFocus();
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->szPassword = edit->text().toStdString();
  return BUTTON_OK;
}
