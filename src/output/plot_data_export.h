// "Data Export" of a 3D plot: the options dialog and the plot's grid of
// plotted heights as text on the clipboard, in fixed-width columns or
// separated by commas or TABs, with or without the header lines.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/window.h"

inline constexpr char EXPORT_OPTIONS_DIALOG[] = "Data Export Options";

enum ExportSeparation : int {
  EXPORT_FIXED = 0,  // "Fixed column width"
  EXPORT_COMMA = 1,  // "Comma delimited"
  EXPORT_TAB = 2,    // "Tab delimited (for Excel)"
};

enum ExportHeader : int {
  EXPORT_WITH_HEADER = 1,
  EXPORT_NO_HEADER = 2,
};

// The grid a plot exports, taken from its record.
struct PlotExportData {
  std::string szName;                  // the plot's name (its axis label prefix)
  std::array<std::string, 3> domain;   // the three data-domain lines
  int iRows = 0;
  int iCols = 0;
  std::vector<double> values;          // rows x columns plotted heights, row by row
  bool bSmoothed = false;
  int iSmoothLevel = 0;
};

// The "Data Export Options" dialog's state.
class ExportOptionsModel : public DialogModel {
 public:
  std::string szTitle;  // "Export " + name + " Data Options"
  int iSeparation = EXPORT_TAB;
  int iHeader = EXPORT_WITH_HEADER;
};

// The dialog's title for a plot named `name`.
std::string ExportOptionsTitle(const std::string& name);

// The export text of a grid. Fixed-width columns are one character wider
// than the longest formatted value; every value is followed by its
// separator (none for fixed width) and every line ends with CR LF.
std::string PlotDataText(const PlotExportData& data, int separation, int header);

// Ask for the options (stored in *separation and *header on OK), then put
// the grid's text on the clipboard and say so. 0, 1 cancelled, -1 failed.
int CopyPlotData(WindowHandle owner, const PlotExportData& data, int* separation, int* header);
