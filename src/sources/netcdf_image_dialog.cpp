#include "sources/netcdf_image_dialog.h"

#include "platform/text_buffer.h"

void NetcdfImageStart(NetcdfImageModel& model, const NetcdfChoiceModel& choice) {
  model.offers.clear();
  model.names.clear();
  for (int l = 0; l < choice.iUsedLevels; ++l) {
    const int dim = choice.iLevelDim[static_cast<std::size_t>(l)];
    if (dim < 0) continue;
    model.offers.push_back(dim);
    model.names.emplace_back(
        TextOf(choice.dims[static_cast<std::size_t>(dim)].szName).substr(0, NETCDF_SHOWN_DIMENSION_NAME));
  }
  const int used = choice.iUsedLevels;
  model.iColumnDim = used >= 1 ? choice.iLevelDim[static_cast<std::size_t>(used - 1)] : -1;
  model.iRowDim = used >= 2 ? choice.iLevelDim[static_cast<std::size_t>(used - 2)] : -1;
}

int NetcdfImageDialogRun(WindowHandle owner, const NetcdfChoiceModel& choice, bool* columnsOuter) {
  NetcdfImageModel model;
  NetcdfImageStart(model, choice);
  // Choosing the same dimension twice keeps the dialog open.
  while (RunCustomDialog(owner, "Image data option", &model) == BUTTON_OK) {
    if (model.iColumnDim == model.iRowDim) continue;
    const int outer = choice.iUsedLevels >= 2 ? choice.iLevelDim[static_cast<std::size_t>(choice.iUsedLevels - 2)] : -1;
    *columnsOuter = model.iColumnDim == outer;
    return 0;
  }
  return -1;
}
