#include "platform/colour_dialog.h"

int ChooseColour(WindowHandle owner, int* rgb) {
  ColourChoiceModel model;
  model.iRgb = *rgb;
  for (int i = 0; i < 16; ++i) {
    const int grey = 255 - 16 * i;
    model.customColours[static_cast<std::size_t>(i)] = PackRgb(grey, grey, grey);
  }
  if (RunCustomDialog(owner, COLOUR_DIALOG_NAME, &model) != BUTTON_OK) return 1;
  *rgb = model.iRgb;
  return 0;
}
