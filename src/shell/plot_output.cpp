#include "shell/plot_output.h"

#include <algorithm>

#include "output/window_picture.h"
#include "platform/text_buffer.h"
#include "plots/plot3d_record.h"
#include "resources/command_ids.h"

int Plot3DExportData(WindowHandle plot, PlotExportData* data) {
  const Plot3DRecord* p = Plot3DOf(plot);
  if (!p || !p->bHasData || p->iDataMode != PLOT3D_MODE_GRID) return -1;
  *data = PlotExportData{};
  data->szName = std::string(TextOf(p->szPrefix));
  data->domain = {std::string(TextOf(p->szFocus)), std::string(TextOf(p->szUpperLeft)),
                  std::string(TextOf(p->szLowerRight))};
  data->iRows = std::clamp(p->iRows, 0, PLOT3D_GRID);
  data->iCols = std::clamp(p->iCols, 0, PLOT3D_GRID);
  data->bSmoothed = p->bDataSmooth != 0;
  data->iSmoothLevel = p->iDataSmoothCoef;
  data->values.reserve(static_cast<std::size_t>(data->iRows) * static_cast<std::size_t>(data->iCols));
  // The plotted height of a node: its first corner above the mid height.
  for (int i = 0; i < data->iRows; ++i) {
    for (int j = 0; j < data->iCols; ++j) data->values.push_back(p->cornerZ[i][j][0] + p->dMidHeight);
  }
  return 0;
}

int ExportPlot3DData(WindowHandle plot) {
  PlotExportData data;
  if (Plot3DExportData(plot, &data) != 0) return -1;
  int separation = EXPORT_TAB;
  int header = EXPORT_WITH_HEADER;
  if (const Plot3DRecord* p = Plot3DOf(plot)) {
    separation = p->iExportSeparator;
    header = p->iExportHeader;
  }
  const int status = CopyPlotData(plot, data, &separation, &header);
  // The record is looked up again: the dialog ran in between.
  if (Plot3DRecord* p = Plot3DOf(plot); p && status != 1) {
    p->iExportSeparator = separation;
    p->iExportHeader = header;
  }
  return status;
}

int PlotOutputCommand(WindowHandle plot, unsigned id) {
  switch (id) {
    case CMD_CHART_COPY:
    case CMD_PLOT3D_COPY:
    case CMD_COPY:
    case CMD_BUTTON_COPY:
      return CopyWindowBitmap(plot);
    case CMD_CHART_PRINT:
    case CMD_PLOT3D_PRINT:
    case CMD_PRINT:
    case CMD_BUTTON_PRINT:
      return PrintWindowPicture(plot);
    case CMD_CHART_SAVE_PICTURE:
    case CMD_PLOT3D_SAVE_PICTURE:
      return SaveWindowPicture(plot);
    case CMD_PLOT3D_EXPORT:
      return ExportPlot3DData(plot);
    default:
      return -1;
  }
}
