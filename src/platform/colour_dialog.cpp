#include "platform/colour_dialog.h"

int ChooseColour(WindowHandle owner, int* rgb) {
  ColourChoiceModel model;
  model.iRgb = *rgb;
  for (int i = 0; i < 16; ++i) {
    const int grey = 255 - 16 * i;
    model.customColours[static_cast<std::size_t>(i)] = PackRgb(grey, grey, grey);
  }
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.hOwner = owner;
  request.szName = COLOUR_DIALOG_NAME;
  request.pModel = &model;
  if (RunDialog(request) != BUTTON_OK) return 1;
  *rgb = model.iRgb;
  return 0;
}
