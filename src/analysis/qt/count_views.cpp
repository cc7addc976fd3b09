#include "analysis/qt/count_views.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <string>
#include <utility>

#include "analysis/data_count_command.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// An edit of at most `limit` characters holding `text`.
QLineEdit* LimitedEdit(std::string_view text, int limit) {
  auto* edit = new QLineEdit(Q(text));
  edit->setMaxLength(limit);
  return edit;
}

// The text of an edit into a record's buffer.
template <std::size_t N>
void TakeText(std::array<char, N>& into, const QLineEdit* edit) {
  CopyText(into, edit->text().toStdString());
}

}  // namespace

int CountOptionsView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<CountDialogModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  CountOptions& o = model->options;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_COUNT_TITLE)));
  auto* grid = new QGridLayout(&dialog);

  auto* condition = new QGroupBox(Q(Text(TXT_COUNT_CONDITION)));
  auto* conditionGrid = new QGridLayout(condition);
  const struct {
    int iCode;
    TextId iText;
  } conditions[] = {{COND_ABOVE, TXT_FIND_ABOVE},   {COND_BELOW, TXT_FIND_BELOW},
                    {COND_NOT_EQUAL, TXT_FIND_NOT_EQUAL}, {COND_EQUAL, TXT_FIND_EQUAL},
                    {COND_BETWEEN, TXT_FIND_BETWEEN}, {COND_NONE, TXT_COUNT_NO_CONDITION}};
  QRadioButton* radios[6] = {};
  for (int i = 0; i < 6; ++i) {
    radios[i] = new QRadioButton(Q(Text(conditions[i].iText)));
    radios[i]->setChecked(o.iCondition == conditions[i].iCode);
    conditionGrid->addWidget(radios[i], i, 0);
  }
  conditionGrid->addWidget(new QLabel(Q(Text(TXT_COUNT_VALUE))), 0, 1, 1, 2);
  auto* value = LimitedEdit({}, COUNT_TEXT_BYTES - 1);
  auto* low = LimitedEdit({}, COUNT_TEXT_BYTES - 1);
  auto* high = LimitedEdit({}, COUNT_TEXT_BYTES - 1);
  conditionGrid->addWidget(value, 1, 1, 1, 2);
  conditionGrid->addWidget(low, 4, 1);
  conditionGrid->addWidget(high, 4, 2);
  grid->addWidget(condition, 0, 0);

  // Only the edits of the chosen condition take input.
  auto follow = [&] {
    const bool between = radios[4]->isChecked();
    const bool threshold = radios[0]->isChecked() || radios[1]->isChecked() || radios[2]->isChecked() ||
                           radios[3]->isChecked();
    value->setReadOnly(!threshold);
    low->setReadOnly(!between);
    high->setReadOnly(!between);
    if (threshold) value->setFocus();
    if (between) low->setFocus();
  };
  for (QRadioButton* radio : radios) QObject::connect(radio, &QRadioButton::clicked, follow);
  follow();

  auto* results = new QGroupBox(Q(Text(TXT_COUNT_RESULTS)));
  auto* resultGrid = new QGridLayout(results);
  const char* boxes[] = {"[ AN ]", "[ CN ]", "[ SUM ]", "[ MAX ]", "[ MIN ]", "[ Ave. ]", "[ Med. ]", "[ C/A% ]", "[ DD ]"};
  QCheckBox* flags[COUNT_RESULTS] = {};
  for (int i = 0; i < COUNT_RESULTS; ++i) {
    flags[i] = new QCheckBox(Q(boxes[i]));
    flags[i]->setChecked(o.flags[i] != 0);
    resultGrid->addWidget(flags[i], i, 0);
    resultGrid->addWidget(new QLabel(Q(TextLine(Text(TXT_COUNT_LABELS), i))), i, 1);
  }
  resultGrid->addWidget(new QLabel(Q(Text(TXT_COUNT_STEP))), COUNT_RESULTS, 0);
  auto* steps = new QComboBox;
  for (long long step : model->steps) steps->addItem(Q(FormatInt(step)));
  steps->setCurrentIndex(model->iStep);
  resultGrid->addWidget(steps, COUNT_RESULTS, 1);
  grid->addWidget(results, 0, 1);

  grid->addWidget(OkCancelButtons(dialog), 1, 0, 1, 2);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  for (int i = 0; i < 6; ++i) {
    if (radios[i]->isChecked()) o.iCondition = conditions[i].iCode;
  }
  TakeText(o.szValue, value);
  TakeText(o.szLow, low);
  TakeText(o.szHigh, high);
  for (int i = 0; i < COUNT_RESULTS; ++i) o.flags[i] = flags[i]->isChecked() ? 1 : 0;
  model->iStep = steps->currentIndex();
  return BUTTON_OK;
}

int ProcessOptionsView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<ProcessDialogModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  ProcessOptions& o = model->options;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_PROCESS_TITLE)));
  auto* grid = new QGridLayout(&dialog);

  // Two radio buttons in a titled group, the first checked when `first`.
  auto pair = [&](TextId title, TextId a, TextId b, bool first, int row, int col) {
    auto* group = new QGroupBox(Q(Text(title)));
    auto* layout = new QGridLayout(group);
    auto* one = new QRadioButton(Q(Text(a)));
    auto* two = new QRadioButton(Q(Text(b)));
    one->setChecked(first);
    two->setChecked(!first);
    layout->addWidget(one, 0, 0);
    layout->addWidget(two, 1, 0);
    grid->addWidget(group, row, col);
    return std::pair{one, two};
  };
  auto [selected, all] = pair(TXT_PROCESS_SOURCE, TXT_PROCESS_SELECTED, TXT_PROCESS_ALL,
                              o.iSource == PROCESS_SELECTION, 0, 0);
  auto [external, replace] = pair(TXT_PROCESS_RESULT, TXT_PROCESS_EXTERNAL, TXT_PROCESS_REPLACE,
                                  o.iDestination != PROCESS_REPLACE, 1, 0);
  (void)all;

  auto* method = new QGroupBox(Q(Text(TXT_PROCESS_METHOD)));
  auto* methodGrid = new QGridLayout(method);
  auto* methods = new QComboBox;
  for (int i = 0; i < 5; ++i) methods->addItem(Q(TextLine(Text(TXT_PROCESS_METHODS), i)));
  methods->setCurrentIndex(std::clamp(o.iMethod, 1, 5) - 1);
  methodGrid->addWidget(methods, 0, 0, 1, 2);
  auto* byRow = new QRadioButton(Q(Text(TXT_PROCESS_BY_ROW)));
  auto* byColumn = new QRadioButton(Q(Text(TXT_PROCESS_BY_COLUMN)));
  byRow->setChecked(o.iOrientation != PROCESS_BY_COLUMN);
  byColumn->setChecked(o.iOrientation == PROCESS_BY_COLUMN);
  methodGrid->addWidget(byRow, 1, 0);
  methodGrid->addWidget(byColumn, 1, 1);
  auto* scaleLabel = new QLabel(Q(Text(TXT_PROCESS_SCALE)));
  auto* scale = LimitedEdit(TextOf(o.szScale), SCALE_TEXT_BYTES - 1);
  methodGrid->addWidget(scaleLabel, 2, 0);
  methodGrid->addWidget(scale, 2, 1);
  grid->addWidget(method, 0, 1, 2, 1);

  // The scale shows only for Scaling; the deviation always goes to a report.
  auto follow = [&] {
    const int chosen = methods->currentIndex() + 1;
    scaleLabel->setVisible(chosen == PROCESS_SCALE);
    scale->setVisible(chosen == PROCESS_SCALE);
    replace->setVisible(chosen != PROCESS_DEVIATION);
    if (chosen == PROCESS_DEVIATION) external->setChecked(true);
  };
  QObject::connect(methods, &QComboBox::currentIndexChanged, follow);
  follow();

  grid->addWidget(OkCancelButtons(dialog), 2, 0, 1, 2);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  o.iSource = selected->isChecked() ? PROCESS_SELECTION : PROCESS_ALL_DATA;
  o.iDestination = replace->isChecked() ? PROCESS_REPLACE : PROCESS_TO_REPORT;
  o.iMethod = methods->currentIndex() + 1;
  o.iOrientation = byColumn->isChecked() ? PROCESS_BY_COLUMN : PROCESS_BY_ROW;
  TakeText(o.szScale, scale);
  return BUTTON_OK;
}
