#include <QAbstractItemView>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "sources/modas_options.h"
#include "sources/qt/modas_views.h"

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The chosen rows of a list, in list order.
std::vector<int> ChosenRows(const QListWidget& list) {
  std::vector<int> rows;
  for (int i = 0; i < list.count(); ++i) {
    if (list.item(i)->isSelected()) rows.push_back(i);
  }
  return rows;
}

// Fill the data list with the items the model offers, keeping its choice.
void FillItems(QListWidget& list, const ModasDialogModel& model) {
  const QSignalBlocker quiet(&list);
  list.clear();
  for (const int item : model.offered) {
    auto* entry = new QListWidgetItem(Q(ModasItemName(item)), &list);
    entry->setData(Qt::UserRole, item);
    entry->setSelected(std::find(model.items.begin(), model.items.end(), item) != model.items.end());
  }
}

// The chosen items of the data list.
std::vector<int> ChosenItems(const QListWidget& list) {
  std::vector<int> items;
  for (const int row : ChosenRows(list)) items.push_back(list.item(row)->data(Qt::UserRole).toInt());
  return items;
}

}  // namespace

int ModasDialogView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<ModasDialogModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_MODAS_TITLE)));
  auto* layout = new QHBoxLayout(&dialog);
  auto* left = new QVBoxLayout;
  layout->addLayout(left);

  auto* options = new QGroupBox(Q(Text(TXT_MODAS_OPTIONS)));
  auto* optionsLayout = new QVBoxLayout(options);
  QRadioButton* modes[3] = {};
  const TextId modeTexts[3] = {TXT_MODAS_POS_INTEGER, TXT_MODAS_POS_AREA, TXT_MODAS_POS_BOTH};
  for (int i = 0; i < 3; ++i) {
    modes[i] = new QRadioButton(Q(Text(modeTexts[i])));
    optionsLayout->addWidget(modes[i]);
  }
  modes[std::clamp(model->iPositionMode, 1, 3) - 1]->setChecked(true);
  left->addWidget(options);

  auto* area = new QGroupBox(Q(Text(TXT_MODAS_AREA)));
  auto* grid = new QGridLayout(area);
  QLineEdit* boxes[4] = {};
  for (int i = 0; i < 4; ++i) {
    boxes[i] = new QLineEdit(Q(model->szArea[static_cast<std::size_t>(i)]));
    boxes[i]->setMaxLength(MODAS_TEXT_BYTES - 1);
    const int row = i / 2;
    grid->addWidget(new QLabel(Q(Text(i % 2 == 0 ? TXT_MODAS_LONGITUDE : TXT_MODAS_LATITUDE))), row, (i % 2) * 2);
    grid->addWidget(boxes[i], row, (i % 2) * 2 + 1);
  }
  left->addWidget(area);
  QDialogButtonBox* buttons = OkCancelButtons(dialog);
  left->addStretch();
  left->addWidget(buttons);

  auto* deepBox = new QGroupBox(Q(Text(TXT_MODAS_DEEP)));
  auto* deepLayout = new QVBoxLayout(deepBox);
  auto* depths = new QListWidget;
  depths->setSelectionMode(QAbstractItemView::MultiSelection);
  for (int i = 0; i < MODAS_DEPTHS; ++i) new QListWidgetItem(Q(ModasDepthEntry(i)), depths);
  for (const int d : model->depths) {
    if (d >= 0 && d < MODAS_DEPTHS) depths->item(d)->setSelected(true);
  }
  deepLayout->addWidget(depths);
  layout->addWidget(deepBox);

  auto* dataBox = new QGroupBox(Q(Text(TXT_MODAS_DATA)));
  auto* dataLayout = new QVBoxLayout(dataBox);
  auto* items = new QListWidget;
  items->setSelectionMode(QAbstractItemView::MultiSelection);
  FillItems(*items, *model);
  dataLayout->addWidget(items);
  layout->addWidget(dataBox);

  QObject::connect(depths, &QListWidget::itemSelectionChanged, [&] {
    model->depths = ChosenRows(*depths);
    model->items = ChosenItems(*items);
    ModasRefillItems(*model);
    FillItems(*items, *model);
  });
  // Reads the controls into the model.
  const auto take = [&] {
    for (int i = 0; i < 3; ++i) {
      if (modes[i]->isChecked()) model->iPositionMode = i + 1;
    }
    for (int i = 0; i < 4; ++i) model->szArea[static_cast<std::size_t>(i)] = boxes[i]->text().trimmed().toStdString();
    model->depths = ChosenRows(*depths);
    model->items = ChosenItems(*items);
  };
  QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::accepted, [&] {
    take();
    if (ModasDialogAccept(*model) == 0) dialog.accept();
  });
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  take();
  return BUTTON_OK;
}
