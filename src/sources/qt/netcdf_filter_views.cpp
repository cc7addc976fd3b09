#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "sources/netcdf_filters.h"
#include "sources/netcdf_image_dialog.h"
#include "sources/qt/netcdf_views.h"

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A drop-down of the image dialog's dimensions with `dim` chosen.
QComboBox* DimensionBox(const NetcdfImageModel& model, int dim) {
  auto* box = new QComboBox;
  for (std::size_t i = 0; i < model.offers.size(); ++i) box->addItem(Q(model.names[i]), model.offers[i]);
  box->setCurrentIndex(box->findData(dim));
  return box;
}

}  // namespace

int NetcdfImageView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<NetcdfImageModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_NC_IMAGE_TITLE)));
  auto* layout = new QFormLayout(&dialog);
  QComboBox* column = DimensionBox(*model, model->iColumnDim);
  QComboBox* row = DimensionBox(*model, model->iRowDim);
  layout->addRow(Q(Text(TXT_NC_IMAGE_COLUMN)), column);
  layout->addRow(Q(Text(TXT_NC_IMAGE_ROW)), row);
  QDialogButtonBox* buttons = OkCancelButtons(dialog);
  QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  // The same dimension for both keeps the dialog open.
  QObject::connect(buttons, &QDialogButtonBox::accepted, [&] {
    if (column->currentData() != row->currentData()) dialog.accept();
  });
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->iColumnDim = column->currentData().toInt();
  model->iRowDim = row->currentData().toInt();
  return BUTTON_OK;
}

int NetcdfAreaView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<NetcdfAreaModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_NC_AREA_TITLE)));
  auto* layout = new QVBoxLayout(&dialog);
  auto* group = new QGroupBox(Q(Text(TXT_NC_TARGET_AREA)));
  auto* grid = new QGridLayout(group);
  QLineEdit* boxes[4] = {};
  const TextId labels[2] = {TXT_NC_LATITUDE, TXT_NC_LONGITUDE};
  for (int i = 0; i < 4; ++i) {
    boxes[i] = new QLineEdit(Q(model->szBoxes[static_cast<std::size_t>(i)]));
    if (i % 2 == 0) grid->addWidget(new QLabel(Q(Text(labels[i / 2]))), i / 2, 0);
    grid->addWidget(boxes[i], i / 2, 1 + i % 2);
  }
  auto* delimit = new QPushButton(Q(Text(TXT_NC_DELIMIT)));
  grid->addWidget(delimit, 2, 0, 1, 3);
  QObject::connect(delimit, &QPushButton::clicked, [&] {
    NetcdfDelimitArea(*model);
    for (int i = 0; i < 4; ++i) boxes[i]->setText(Q(model->szBoxes[static_cast<std::size_t>(i)]));
  });
  layout->addWidget(group);
  layout->addWidget(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  for (int i = 0; i < 4; ++i) model->szBoxes[static_cast<std::size_t>(i)] = boxes[i]->text().toStdString();
  return BUTTON_OK;
}

int NetcdfTimeView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<NetcdfTimeModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_NC_TIME_TITLE)));
  auto* layout = new QFormLayout(&dialog);
  auto* target = new QComboBox;
  for (const std::string& name : model->names) target->addItem(Q(name));
  target->setCurrentIndex(model->iTarget);
  auto* begin = new QLineEdit(Q(model->szBegin));
  auto* end = new QLineEdit(Q(model->szEnd));
  layout->addRow(Q(Text(TXT_NC_TIME_TARGET)), target);
  layout->addRow(Q(Text(TXT_NC_TIME_BEGIN)), begin);
  layout->addRow(Q(Text(TXT_NC_TIME_END)), end);
  layout->addRow(new QLabel(Q(Text(TXT_NC_TIME_FORMAT))));
  layout->addRow(new QLabel(Q(Text(TXT_NC_TIME_EXAMPLE))));
  QObject::connect(target, QOverload<int>::of(&QComboBox::activated), [&](int index) {
    NetcdfSetTimeTarget(*model, index);
    begin->setText(Q(model->szBegin));
    end->setText(Q(model->szEnd));
  });
  QDialogButtonBox* buttons = OkCancelButtons(dialog);
  QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::accepted, [&] {
    model->szBegin = begin->text().toStdString();
    model->szEnd = end->text().toStdString();
    if (NetcdfTimeAccept(*model) == 0) dialog.accept();
  });
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->szBegin = begin->text().toStdString();
  model->szEnd = end->text().toStdString();
  return BUTTON_OK;
}
