#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "platform/notices.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "sources/odbc_builder.h"
#include "sources/odbc_login.h"
#include "sources/qt/odbc_view_parts.h"
#include "sources/qt/odbc_views.h"

int OdbcLoginView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<OdbcLoginModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(OdbcQ(Text(TXT_ODBC_LOGIN_TITLE)));
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  auto* user = new QLineEdit(OdbcQ(model->szUser));
  auto* password = new QLineEdit(OdbcQ(model->szPassword));
  user->setMaxLength(static_cast<int>(ODBC_LOGIN_CHARS));
  password->setMaxLength(static_cast<int>(ODBC_LOGIN_CHARS));
  password->setEchoMode(QLineEdit::Password);
  form->addRow(OdbcQ(Text(TXT_ODBC_LOGIN_USER)), user);
  form->addRow(OdbcQ(Text(TXT_ODBC_LOGIN_PASSWORD)), password);
  layout->addLayout(form);
  auto* hint = new QLabel(OdbcQ(Text(TXT_ODBC_LOGIN_HINT)));
  hint->setWordWrap(true);
  layout->addWidget(hint);
  layout->addWidget(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->szUser = user->text().toStdString();
  model->szPassword = password->text().toStdString();
  return BUTTON_OK;
}

int OdbcConnectView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<OdbcConnectModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(OdbcQ(Text(TXT_ODBC_CONNECT_TITLE)));
  dialog.resize(520, 360);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_SOURCE_LIST))));
  auto* sources = new QListWidget;
  for (const OdbcDataSource& source : model->sources) sources->addItem(OdbcQ(source.szName));
  layout->addWidget(sources);
  layout->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_DRIVER_LABEL))));
  auto* driver = new QLabel;
  driver->setFrameShape(QFrame::StyledPanel);
  layout->addWidget(driver);
  layout->addWidget(new QLabel(JoinQ(Text(TXT_ODBC_SOURCE_INFO), " / ", Text(TXT_ODBC_INCLUDED_TABLES))));
  auto* tables = new QListWidget;
  layout->addWidget(tables);
  QObject::connect(sources, &QListWidget::currentRowChanged, [&](int row) {
    tables->clear();
    if (row < 0) return;
    driver->setText(OdbcQ(model->sources[static_cast<std::size_t>(row)].szDriver));
    OdbcConnectChoose(*model, row);
    PresentPendingNotices();
    for (const std::string& table : model->tables) tables->addItem(OdbcQ(table));
  });
  layout->addWidget(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->iChosen = sources->currentRow();
  return model->iChosen >= 0 ? BUTTON_OK : BUTTON_CANCEL;
}
