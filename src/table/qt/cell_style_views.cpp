#include "table/qt/cell_style_views.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "table/cell_colours.h"

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

}  // namespace

int BorderLineView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<BorderLineModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_BORDER_LINE_TITLE)));
  auto* layout = new QVBoxLayout(&dialog);
  auto* options = new QGroupBox(Q(Text(TXT_BORDER_LINE_OPTIONS)));
  auto* grid = new QGridLayout(options);
  bool* values[] = {&model->bTop, &model->bBottom, &model->bLeft, &model->bRight};
  const TextId texts[] = {TXT_BORDER_LINE_TOP, TXT_BORDER_LINE_BOTTOM, TXT_BORDER_LINE_LEFT, TXT_BORDER_LINE_RIGHT};
  QCheckBox* boxes[4] = {};
  for (int i = 0; i < 4; ++i) {
    boxes[i] = new QCheckBox(Q(Text(texts[i])));
    boxes[i]->setChecked(*values[i]);
    grid->addWidget(boxes[i], i / 2, i % 2);
  }
  layout->addWidget(options);
  layout->addWidget(OkCancelButtons(dialog));
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  for (int i = 0; i < 4; ++i) *values[i] = boxes[i]->isChecked();
  return BUTTON_OK;
}

int DisplayStyleView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<DisplayStyleModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_DISPLAY_STYLE_TITLE)));
  auto* layout = new QVBoxLayout(&dialog);
  // Check boxes that behave as the Part's: checking "By default setting"
  // clears every other choice, checking any other clears it.
  auto* alignment = new QGroupBox(Q(Text(TXT_DISPLAY_STYLE_ALIGNMENT)));
  auto* alignGrid = new QGridLayout(alignment);
  const TextId alignTexts[] = {TXT_DISPLAY_STYLE_LEFT, TXT_DISPLAY_STYLE_CENTER, TXT_DISPLAY_STYLE_RIGHT};
  QCheckBox* aligns[3] = {};
  for (int i = 0; i < 3; ++i) {
    aligns[i] = new QCheckBox(Q(Text(alignTexts[i])));
    aligns[i]->setChecked(!model->bDefault && model->iAlignment == i);
    alignGrid->addWidget(aligns[i], 0, i);
  }
  auto* style = new QGroupBox(Q(Text(TXT_DISPLAY_STYLE_STYLE)));
  auto* styleGrid = new QGridLayout(style);
  QCheckBox* weights[2] = {new QCheckBox(Q(Text(TXT_DISPLAY_STYLE_REGULAR))),
                           new QCheckBox(Q(Text(TXT_DISPLAY_STYLE_BOLD)))};
  for (int i = 0; i < 2; ++i) {
    weights[i]->setChecked(!model->bDefault && model->iWeight == i + 1);
    styleGrid->addWidget(weights[i], 0, i);
  }
  auto* byDefault = new QCheckBox(Q(Text(TXT_DISPLAY_STYLE_DEFAULT)));
  byDefault->setChecked(model->bDefault);
  layout->addWidget(alignment);
  layout->addWidget(style);
  layout->addWidget(byDefault);
  layout->addWidget(OkCancelButtons(dialog));

  // One choice per group; the default choice excludes the others.
  auto exclusive = [&](QCheckBox* const* group, int count, QCheckBox* checked) {
    for (int i = 0; i < count; ++i) {
      if (group[i] != checked) group[i]->setChecked(false);
    }
    byDefault->setChecked(false);
  };
  for (QCheckBox* box : aligns) {
    QObject::connect(box, &QCheckBox::clicked, [&, box](bool on) {
      if (on) exclusive(aligns, 3, box);
    });
  }
  for (QCheckBox* box : weights) {
    QObject::connect(box, &QCheckBox::clicked, [&, box](bool on) {
      if (on) exclusive(weights, 2, box);
    });
  }
  QObject::connect(byDefault, &QCheckBox::clicked, [&](bool on) {
    if (!on) return;
    for (QCheckBox* box : aligns) box->setChecked(false);
    for (QCheckBox* box : weights) box->setChecked(false);
  });
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  model->bDefault = byDefault->isChecked();
  model->iWeight = weights[0]->isChecked() ? 1 : weights[1]->isChecked() ? 2 : 0;
  model->iAlignment = -1;
  for (int i = 0; i < 3; ++i) {
    if (aligns[i]->isChecked()) model->iAlignment = i;
  }
  return BUTTON_OK;
}
