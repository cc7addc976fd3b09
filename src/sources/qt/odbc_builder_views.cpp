#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/notices.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "sources/odbc_builder.h"
#include "sources/qt/odbc_view_parts.h"
#include "sources/qt/odbc_views.h"

namespace {

// The builder's model of a request, or null.
OdbcBuilderModel* BuilderOf(DialogRequest& request) { return dynamic_cast<OdbcBuilderModel*>(request.pModel); }

// The rows chosen in a list, in order.
std::vector<int> ChosenRows(const QListWidget* list) {
  std::vector<int> rows;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) rows.push_back(i);
  }
  return rows;
}

// Every selected column as "table.column".
QStringList SelectedNames(const OdbcBuilderModel& model) {
  QStringList names;
  for (const OdbcSelectedColumn& c : model.selected) names << JoinQ(c.szTable, ".", c.szColumn);
  return names;
}

// A dialog of the builder with its title and size.
void StartStepDialog(QDialog& dialog, TextId title) {
  dialog.setWindowTitle(OdbcQ(Text(title)));
  dialog.resize(640, 480);
}

}  // namespace

QPlainTextEdit* OdbcStatementBox(OdbcBuilderModel& model) {
  auto* box = new QPlainTextEdit(OdbcQ(model.szStatement));
  box->setAccessibleName(OdbcQ(Text(TXT_ODBC_SQL_BOX)));
  box->setToolTip(OdbcQ(Text(TXT_ODBC_SQL_BOX)));
  QObject::connect(box, &QPlainTextEdit::textChanged,
                   [box, &model] { model.szStatement = box->toPlainText().toStdString(); });
  return box;
}

QHBoxLayout* OdbcStepButtons(QDialog& dialog, OdbcBuilderModel& model, bool back, bool next) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  auto add = [&](TextId text, int action) {
    auto* button = new QPushButton(OdbcQ(Text(text)));
    QObject::connect(button, &QPushButton::clicked, [&dialog, &model, action] {
      model.iAction = action;
      if (action == ODBC_ACTION_CANCEL) {
        dialog.reject();
      } else {
        dialog.accept();
      }
    });
    row->addWidget(button);
    return button;
  };
  if (back) add(TXT_ODBC_BACK, ODBC_ACTION_BACK);
  if (next) add(TXT_ODBC_NEXT, ODBC_ACTION_NEXT)->setDefault(true);
  add(TXT_ODBC_FINISH, ODBC_ACTION_FINISH);
  add(TXT_CANCEL, ODBC_ACTION_CANCEL);
  return row;
}

int OdbcColumnsView(QWidget* owner, DialogRequest& request) {
  OdbcBuilderModel* model = BuilderOf(request);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  StartStepDialog(dialog, TXT_ODBC_STEP1_TITLE);
  auto* layout = new QVBoxLayout(&dialog);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_FROM_TABLE))), 0, 0);
  grid->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_SELECT_COLUMNS))), 0, 1);
  grid->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_SELECTED_COLUMNS))), 0, 3);
  auto* tables = new QListWidget;
  for (const std::string& table : model->tables) tables->addItem(OdbcQ(table));
  auto* columns = new QListWidget;
  columns->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto* selected = new QListWidget;
  selected->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto* buttons = new QVBoxLayout;
  auto* select = new QPushButton(OdbcQ(Text(TXT_ODBC_SELECT)));
  auto* selectAll = new QPushButton(OdbcQ(Text(TXT_ODBC_SELECT_ALL)));
  auto* remove = new QPushButton(OdbcQ(Text(TXT_ODBC_REMOVE)));
  buttons->addStretch();
  for (QPushButton* b : {select, selectAll, remove}) buttons->addWidget(b);
  buttons->addStretch();
  grid->addWidget(tables, 1, 0);
  grid->addWidget(columns, 1, 1);
  grid->addLayout(buttons, 1, 2);
  grid->addWidget(selected, 1, 3);
  layout->addLayout(grid, 2);
  QPlainTextEdit* statement = OdbcStatementBox(*model);
  layout->addWidget(statement, 1);
  layout->addLayout(OdbcStepButtons(dialog, *model, false, true));

  auto refresh = [=] {
    selected->clear();
    selected->addItems(SelectedNames(*model));
    statement->setPlainText(OdbcQ(model->szStatement));
    PresentPendingNotices();
  };
  refresh();
  QObject::connect(tables, &QListWidget::currentRowChanged, [=](int row) {
    columns->clear();
    if (OdbcBuilderChooseTable(*model, row) == 0) {
      for (const OdbcTableColumn& c : model->tableColumns) columns->addItem(OdbcQ(c.szName));
    }
    PresentPendingNotices();
  });
  QObject::connect(select, &QPushButton::clicked, [=] {
    OdbcBuilderSelect(*model, ChosenRows(columns));
    refresh();
  });
  QObject::connect(selectAll, &QPushButton::clicked, [=] {
    OdbcBuilderSelectAll(*model);
    refresh();
  });
  QObject::connect(remove, &QPushButton::clicked, [=] {
    OdbcBuilderRemove(*model, ChosenRows(selected));
    refresh();
  });
  if (!model->tables.empty()) tables->setCurrentRow(model->iTable >= 0 ? model->iTable : 0);
  return dialog.exec() == QDialog::Accepted ? BUTTON_OK : BUTTON_CANCEL;
}

int OdbcConditionsView(QWidget* owner, DialogRequest& request) {
  OdbcBuilderModel* model = BuilderOf(request);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  StartStepDialog(dialog, TXT_ODBC_STEP2_TITLE);
  auto* layout = new QVBoxLayout(&dialog);
  auto* grid = new QGridLayout;
  auto* keyword = new QComboBox;
  auto* column = new QComboBox;
  column->addItems(SelectedNames(*model));
  auto* op = new QComboBox;
  for (const std::string& o : OdbcBuilderOperators()) op->addItem(OdbcQ(o));
  auto* value = new QComboBox;
  value->setEditable(true);
  value->addItem(QString());
  value->addItems(SelectedNames(*model));
  grid->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_KEYWORD))), 0, 0);
  grid->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_COLUMN))), 0, 1);
  grid->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_OPERATOR))), 0, 2);
  grid->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_CONDITION))), 0, 3);
  grid->addWidget(keyword, 1, 0);
  grid->addWidget(column, 1, 1);
  grid->addWidget(op, 1, 2);
  grid->addWidget(value, 1, 3);
  auto* done = new QPushButton(OdbcQ(Text(TXT_ODBC_DONE)));
  auto* remove = new QPushButton(OdbcQ(Text(TXT_ODBC_REMOVE)));
  auto* date = new QPushButton(OdbcQ(Text(TXT_ODBC_DATE_CONDITION)));
  grid->addWidget(done, 1, 4);
  grid->addWidget(date, 2, 3);
  grid->addWidget(remove, 2, 4);
  layout->addLayout(grid);
  auto* conditions = new QListWidget;
  layout->addWidget(conditions, 1);
  auto* note = new QLabel(OdbcQ(Text(TXT_ODBC_LIKE_NOTE)));
  note->setWordWrap(true);
  layout->addWidget(note);
  QPlainTextEdit* statement = OdbcStatementBox(*model);
  layout->addWidget(statement, 1);
  layout->addLayout(OdbcStepButtons(dialog, *model, true, true));

  auto refresh = [=] {
    keyword->clear();
    for (const std::string& k : OdbcBuilderKeywords(*model)) keyword->addItem(OdbcQ(k));
    conditions->clear();
    for (const std::string& c : model->conditions) conditions->addItem(OdbcQ(c));
    statement->setPlainText(OdbcQ(model->szStatement));
    PresentPendingNotices();
  };
  refresh();
  QObject::connect(done, &QPushButton::clicked, [=] {
    OdbcBuilderAddCondition(*model, keyword->currentText().toStdString(), column->currentIndex(),
                            op->currentText().toStdString(), value->currentText().toStdString());
    refresh();
  });
  QObject::connect(remove, &QPushButton::clicked, [=] {
    OdbcBuilderRemoveCondition(*model, conditions->currentRow());
    refresh();
  });
  QObject::connect(date, &QPushButton::clicked, [=, &dialog] {
    const std::string text = OdbcDateTimeDialogRun(WindowHandle::None, *model, column->currentIndex());
    PresentPendingNotices();
    if (!text.empty()) value->setCurrentText(OdbcQ(text));
    dialog.raise();
  });
  return dialog.exec() == QDialog::Accepted ? BUTTON_OK : BUTTON_CANCEL;
}

int OdbcOrderView(QWidget* owner, DialogRequest& request) {
  OdbcBuilderModel* model = BuilderOf(request);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  StartStepDialog(dialog, TXT_ODBC_STEP3_TITLE);
  auto* layout = new QVBoxLayout(&dialog);
  auto* row = new QHBoxLayout;
  auto* column = new QComboBox;
  column->addItems(SelectedNames(*model));
  auto* direction = new QComboBox;
  direction->addItems({"ASC", "DESC"});
  auto* done = new QPushButton(OdbcQ(Text(TXT_ODBC_DONE)));
  auto* remove = new QPushButton(OdbcQ(Text(TXT_ODBC_REMOVE)));
  row->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_ORDER_COLUMN))));
  row->addWidget(column, 1);
  row->addWidget(new QLabel(OdbcQ(Text(TXT_ODBC_ORDER_DIRECTION))));
  row->addWidget(direction);
  row->addWidget(done);
  row->addWidget(remove);
  layout->addLayout(row);
  QPlainTextEdit* statement = OdbcStatementBox(*model);
  layout->addWidget(statement, 1);
  layout->addLayout(OdbcStepButtons(dialog, *model, true, false));
  QObject::connect(done, &QPushButton::clicked, [=] {
    OdbcBuilderOrder(*model, column->currentIndex(), direction->currentIndex() == 1);
    statement->setPlainText(OdbcQ(model->szStatement));
  });
  QObject::connect(remove, &QPushButton::clicked, [=] {
    OdbcBuilderClearOrder(*model, column->currentIndex());
    statement->setPlainText(OdbcQ(model->szStatement));
  });
  return dialog.exec() == QDialog::Accepted ? BUTTON_OK : BUTTON_CANCEL;
}

int OdbcDateTimeView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<OdbcDateTimeModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(OdbcQ(request.szName));
  auto* layout = new QVBoxLayout(&dialog);
  auto* edit = new QDateTimeEdit(QDateTime(QDate(model->iYear, model->iMonth, model->iDay),
                                           QTime(model->iHour, model->iMinute, model->iSecond)));
  edit->setCalendarPopup(model->bDate);
  edit->setDisplayFormat(model->bDate && model->bTime ? "yyyy-MM-dd HH:mm:ss"
                                                      : (model->bDate ? "yyyy-MM-dd" : "HH:mm:ss"));
  layout->addWidget(edit);
  layout->addWidget(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  const QDateTime chosen = edit->dateTime();
  model->iYear = chosen.date().year();
  model->iMonth = chosen.date().month();
  model->iDay = chosen.date().day();
  model->iHour = chosen.time().hour();
  model->iMinute = chosen.time().minute();
  model->iSecond = chosen.time().second();
  return BUTTON_OK;
}
