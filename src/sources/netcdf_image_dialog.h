// The "Image data option" dialog: which of the chosen dimensions runs along
// the columns and which along the rows of the grid.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "sources/netcdf_choice.h"

class NetcdfImageModel final : public DialogModel {
 public:
  std::vector<int> offers;       // dimension indexes of the used levels
  std::vector<std::string> names;  // their names as shown
  int iColumnDim = -1;
  int iRowDim = -1;
};

// The offers and the default (the inner grid level along the columns).
void NetcdfImageStart(NetcdfImageModel& model, const NetcdfChoiceModel& choice);

// Run the dialog; 0 after OK with two different dimensions, -1 when
// cancelled. *columnsOuter: the outer grid level runs along the columns.
int NetcdfImageDialogRun(WindowHandle owner, const NetcdfChoiceModel& choice, bool* columnsOuter);
