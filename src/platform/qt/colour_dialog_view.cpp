#include "platform/qt/colour_dialog_view.h"

#include <QColorDialog>

#include "platform/colour_dialog.h"

int ColourDialogView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<ColourChoiceModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  for (int i = 0; i < 16; ++i) {
    const int rgb = model->customColours[static_cast<std::size_t>(i)];
    QColorDialog::setCustomColor(i, QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)));
  }
  QColorDialog dialog(QColor(RedOf(model->iRgb), GreenOf(model->iRgb), BlueOf(model->iRgb)), owner);
  dialog.setOption(QColorDialog::DontUseNativeDialog, true);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  const QColor chosen = dialog.selectedColor();
  model->iRgb = PackRgb(chosen.red(), chosen.green(), chosen.blue());
  return BUTTON_OK;
}
