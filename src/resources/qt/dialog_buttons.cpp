#include "resources/qt/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "resources/string_table.h"

QDialogButtonBox* OkCancelButtons(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(Text(TXT_OK)));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(Text(TXT_CANCEL)));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}
