#include "shell/qt/view_classes.h"

#include "analysis/qt/count_views.h"
#include "analysis/qt/find_view.h"
#include "analysis/qt/trend_browse_view.h"
#include "analysis/qt/trend_colour_view.h"
#include "files/qt/private_file_view.h"
#include "files/qt/text_import_wizard_view.h"
#include "output/plot_data_export.h"
#include "output/print_job.h"
#include "output/qt/output_views.h"
#include "plots/qt/plot3d_view.h"
#include "platform/qt/colour_dialog_view.h"
#include "platform/qt/dialog_views.h"
#include "plots/qt/chart_dialog_views.h"
#include "plots/qt/chart_view.h"
#include "plots/qt/coordinate_help_view.h"
#include "shell/qt/formula_bar_view.h"
#include "shell/qt/plot_painters.h"
#include "shell/qt/plot_window_control_view.h"
#include "shell/qt/welcome_view.h"
#include "sources/qt/modas_views.h"
#include "sources/qt/netcdf_views.h"
#include "sources/qt/odbc_views.h"
#include "sources/qt/plugin_views.h"
#include "table/qt/cell_style_views.h"
#include "table/qt/data_property_view.h"
#include "table/qt/sort_view.h"
#include "table/qt/table_size_view.h"
#include "table/qt/table_view.h"

WindowClassProcs ViewWindowClassProcs() {
  WindowClassProcs procs = PlainWindowClassProcs();
  procs.formulaBar = FormulaBarViewProc;
  procs.welcome = WelcomeViewProc;
  procs.pictureStrip = PictureStripViewProc;
  procs.table = TableViewProc;
  procs.chart = ChartViewProc;
  procs.plot3D = Plot3DViewProc;
  // A coloured table explains its colours while the right button browses.
  SetTableOverlayPainter(PaintTrendBrowsePanel);
  // Printing, copying and picture files draw charts and 3D plots with
  // their own painting.
  InstallOutputWindowSystem();
  InstallPlotPainters();
  return procs;
}

void InstallDialogViews() {
  static const DialogViewEntry kViews[] = {
      {"Table size", TableSizeView},
      {"Plot window control", PlotWindowControlView},
      {"Text Import Wizard", TextImportWizardView},
      {"Private File control", PrivateFileView},
      {"Data trend color analysis", TrendColourView},
      {"Set data property", DataPropertyView},
      {"Border line", BorderLineView},
      {"Display style", DisplayStyleView},
      {"Color", ColourDialogView},
      {"NetCDF file option", NetcdfOptionView},
      {"Image data option", NetcdfImageView},
      {"Select Area", NetcdfAreaView},
      {"Time option", NetcdfTimeView},
      {"Sort", SortView},
      {"Count options", CountOptionsView},
      {"Find data", FindView},
      {"Data processing options", ProcessOptionsView},
      // Databases.
      {"Database login", OdbcLoginView},
      {"Connect with data source", OdbcConnectView},
      {"Select table columns", OdbcColumnsView},
      {"Setup search conditions", OdbcConditionsView},
      {"Specify data display order", OdbcOrderView},
      {"Date", OdbcDateTimeView},
      {"Time", OdbcDateTimeView},
      {"Date and Time", OdbcDateTimeView},
      {"Control 3D visualization performance", Plot3DPerformanceView},
      {"Select 3D options", Plot3DOptionsView},
      {"Get coordinate", CoordinateHelpView},
      {"Drawing mode options", ChartModeView},
      {"Set Y range", ChartYRangeView},
      {"Set X Unit Size", ChartXUnitView},
      {"Curve adjust", ChartAdjustView},
      {"Set note", ChartNoteView},
      {"Ocean MODAS data", ModasDialogView},
      {"Stock Data Import Wizard", StockWizardView},
      {"About Plug in", PluginAboutView},
      {"Plug-in function selections", PluginFunctionView},
      // Printing and data export.
      {PRINT_DIALOG, PrintDialogView},
      {PRINT_PREVIEW_DIALOG, PrintPreviewView},
      {EXPORT_OPTIONS_DIALOG, ExportOptionsView},
  };
  SetDialogViews(kViews, static_cast<int>(sizeof kViews / sizeof kViews[0]));
}
