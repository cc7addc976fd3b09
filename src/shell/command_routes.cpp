#include "shell/command_routes.h"

#include <string>
#include <string_view>

#include "analysis/data_count_command.h"
#include "analysis/find_command.h"
#include "analysis/trend_colour_command.h"
#include "files/sampling_detail.h"
#include "files/table_file_save.h"
#include "files/undo_backup.h"
#include "formula/formula_marker.h"
#include "output/table_print.h"
#include "plots/chart_window.h"
#include "plots/coordinate_commands.h"
#include "plots/plot3d_table.h"
#include "resources/command_ids.h"
#include "shell/frame_commands.h"
#include "shell/frame_window.h"
#include "shell/menu_rules.h"
#include "shell/services.h"
#include "sources/netcdf_library.h"
#include "sources/odbc_commands.h"
#include "sources/plugin_run.h"
#include "table/cell_colours.h"
#include "table/data_property_command.h"
#include "table/range_commands.h"
#include "table/sort_data.h"
#include "table/table_goto.h"
#include "table/table_input.h"
#include "table/table_reset.h"
#include "table/table_scroll.h"
#include "table/table_window.h"

namespace {

constexpr TextId NO_TEXT = TXT_NO_MENU_TEXT;

// A database command: the start-up file dialog no longer opens by itself,
// then the command of the database area.
int CmdDatabase(WindowHandle hFrame, unsigned id, std::intptr_t lParam) {
  FrameCancelStartup();
  if (id == CMD_CONNECT_DATABASE) return CmdConnectDatabase(hFrame, id, lParam);
  if (id == CMD_OPEN_DATABASE_TABLE) return CmdOpenDatabaseTable(hFrame, id, lParam);
  return CmdOpenDatabaseFile(hFrame, id, lParam);
}

constexpr CommandRoute kRoutes[] = {
    // The frame.
    {CMD_REFRESH_MENUS, OWNER_FRAME, NO_TEXT, CmdRefreshMenus},
    {CMD_OPEN_3D_PLOT, OWNER_FRAME, NO_TEXT, CmdOpen3DPlot},
    {CMD_OPEN_FILE, OWNER_FRAME, TXT_MENU_OPEN_FILE, CmdOpenFile},
    {CMD_OPEN_FILE_STARTUP, OWNER_FRAME, TXT_MENU_OPEN_FILE, CmdOpenFile},
    {CMD_OPEN_MODAS, OWNER_FRAME, TXT_MENU_OPEN_MODAS, CmdOpenModas},
    {CMD_OPEN_NETCDF, OWNER_FRAME, TXT_MENU_OPEN_NETCDF, CmdOpenNetcdf},
    {CMD_OPEN_STOCK, OWNER_FRAME, TXT_MENU_OPEN_STOCK, CmdOpenStock},
    {CMD_NEW, OWNER_FRAME, TXT_MENU_NEW, CmdNew},
    {CMD_NEW_CUSTOM, OWNER_FRAME, TXT_MENU_NEW_CUSTOM, CmdNewCustom},
    // Databases through ODBC.
    {CMD_OPEN_ACCESS, OWNER_FRAME, TXT_MENU_OPEN_ACCESS, CmdDatabase},
    {CMD_OPEN_SQLITE, OWNER_FRAME, TXT_MENU_OPEN_SQLITE, CmdDatabase},
    {CMD_OPEN_DBASE, OWNER_FRAME, TXT_MENU_OPEN_DBASE, CmdDatabase},
    {CMD_OPEN_FOXPRO, OWNER_FRAME, TXT_MENU_OPEN_FOXPRO, CmdDatabase},
    {CMD_OPEN_PARADOX, OWNER_FRAME, TXT_MENU_OPEN_PARADOX, CmdDatabase},
    {CMD_CONNECT_DATABASE, OWNER_FRAME, TXT_MENU_CONNECT_DATABASE, CmdDatabase},
    {CMD_OPEN_DATABASE_TABLE, OWNER_FRAME, TXT_MENU_OPEN_DATABASE_TABLE, CmdDatabase},
    {CMD_OPEN_PLUGIN, OWNER_FRAME, TXT_MENU_OPEN_PLUGIN, CmdOpenPlugin, RULE_LIBRARY},
    {CMD_OPEN_NETCDF_LIBRARY, OWNER_FRAME, TXT_MENU_OPEN_NETCDF_LIBRARY, CmdOpenNetcdfLibrary, RULE_LIBRARY},
    {CMD_PLOT_WINDOW_CONTROL, OWNER_FRAME, TXT_MENU_PLOT_CONTROL, CmdPlotWindowControl},
    {CMD_ABOUT_PLUGIN, OWNER_FRAME, TXT_MENU_ABOUT_PLUGIN, CmdAboutPlugin, RULE_PLUGIN_LOADED},
    {CMD_ABOUT, OWNER_FRAME, TXT_MENU_ABOUT, CmdAbout},
    {CMD_HELP, OWNER_FRAME, TXT_MENU_HELP_PAGE, CmdHelp},
    {CMD_FORMULA_EXAMPLE, OWNER_FRAME, TXT_MENU_EXAMPLE, CmdFormulaExample},
    {CMD_EXIT, OWNER_FRAME, TXT_MENU_EXIT, CmdExit},

    // The documents. File.
    {CMD_SAVE, OWNER_DOCUMENT, TXT_MENU_SAVE, CmdSave, RULE_SAVE},
    {CMD_SAVE_AS, OWNER_DOCUMENT, TXT_MENU_SAVE_AS, CmdSaveAs, RULE_TABLE_DOCUMENT},
    {CMD_SAVE_PRIVATE, OWNER_DOCUMENT, TXT_MENU_SAVE_PRIVATE, CmdSavePrivate, RULE_SAVE},
    {CMD_PRINT, OWNER_DOCUMENT, TXT_MENU_PRINT, CmdPrintTable, RULE_PRINT},
    {CMD_TABLE_PRINT, OWNER_DOCUMENT, TXT_MENU_PRINT, CmdPrintTable},
    {CMD_BUTTON_PRINT, OWNER_DOCUMENT, TXT_MENU_PRINT, CmdPrintTable},
    // Edit and the range commands of the pop-up menus and buttons.
    {CMD_UNDO, OWNER_DOCUMENT, TXT_MENU_UNDO, CmdUndo, RULE_UNDO},
    {CMD_FIND, OWNER_DOCUMENT, TXT_MENU_FIND, CmdFindData, RULE_WHOLE_TABLE},
    {CMD_POPUP_FIND, OWNER_DOCUMENT, TXT_POPUP_FIND, CmdFindData},
    {CMD_BUTTON_FIND, OWNER_DOCUMENT, TXT_MENU_FIND, CmdFindData},
    {CMD_SELECT_ALL, OWNER_DOCUMENT, TXT_MENU_SELECT_ALL, CmdSelectAll, RULE_WHOLE_TABLE},
    {CMD_BUTTON_SELECT_ALL, OWNER_DOCUMENT, TXT_MENU_SELECT_ALL, CmdSelectAll},
    {CMD_COPY, OWNER_DOCUMENT, TXT_MENU_COPY, CmdCopy, RULE_COPY},
    {CMD_POPUP_COPY, OWNER_DOCUMENT, TXT_POPUP_COPY, CmdCopy},
    {CMD_BAR_COPY, OWNER_DOCUMENT, TXT_POPUP_COPY, CmdCopy},
    {CMD_COPY_INTERNAL_A, OWNER_DOCUMENT, TXT_MENU_COPY, CmdCopy},
    {CMD_COPY_INTERNAL_B, OWNER_DOCUMENT, TXT_MENU_COPY, CmdCopy},
    {CMD_BUTTON_COPY, OWNER_DOCUMENT, TXT_MENU_COPY, CmdCopy},
    {CMD_CUT, OWNER_DOCUMENT, TXT_MENU_CUT, CmdCut, RULE_CHANGE},
    {CMD_POPUP_CUT, OWNER_DOCUMENT, TXT_POPUP_CUT, CmdCut},
    {CMD_BAR_CUT, OWNER_DOCUMENT, TXT_POPUP_CUT, CmdCut},
    {CMD_PASTE, OWNER_DOCUMENT, TXT_MENU_PASTE, CmdPaste, RULE_CHANGE},
    {CMD_POPUP_PASTE, OWNER_DOCUMENT, TXT_POPUP_PASTE, CmdPaste},
    {CMD_BAR_PASTE, OWNER_DOCUMENT, TXT_POPUP_PASTE, CmdPaste},
    {CMD_PASTE_INTERNAL_A, OWNER_DOCUMENT, TXT_MENU_PASTE, CmdPaste},
    {CMD_PASTE_INTERNAL_B, OWNER_DOCUMENT, TXT_MENU_PASTE, CmdPaste},
    {CMD_DELETE, OWNER_DOCUMENT, TXT_MENU_DELETE, CmdDeleteLines, RULE_CHANGE},
    {CMD_BAR_DELETE, OWNER_DOCUMENT, TXT_POPUP_DELETE, CmdDeleteLines},
    {CMD_INSERT, OWNER_DOCUMENT, TXT_MENU_INSERT, CmdInsertLines, RULE_CHANGE},
    {CMD_BAR_INSERT, OWNER_DOCUMENT, TXT_POPUP_INSERT, CmdInsertLines},
    {CMD_HIDE, OWNER_DOCUMENT, TXT_POPUP_HIDE, CmdHideLines},
    {CMD_POSITION_LOCK, OWNER_DOCUMENT, NO_TEXT, CmdPositionLock},  // reads "Row ..." or "Column ..."
    {CMD_TRANSPOSE, OWNER_DOCUMENT, TXT_MENU_TRANSPOSE, CmdTranspose, RULE_SINGLE_RANGE},
    {CMD_DATA_PROPERTY, OWNER_DOCUMENT, TXT_MENU_DATA_PROPERTY, CmdSetDataProperty, RULE_SINGLE_RANGE},
    {CMD_POPUP_DATA_PROPERTY, OWNER_DOCUMENT, TXT_POPUP_DATA_PROPERTY, CmdSetDataProperty},
    // View.
    {CMD_DISPLAY_STYLE, OWNER_DOCUMENT, TXT_MENU_DISPLAY_STYLE, CmdDisplayStyle, RULE_STYLE},
    {CMD_BORDER_LINE, OWNER_DOCUMENT, TXT_MENU_BORDER_LINE, CmdBorderLine, RULE_STYLE},
    {CMD_BORDER_COLOUR, OWNER_DOCUMENT, TXT_MENU_BORDER_COLOUR, CmdBorderColour, RULE_STYLE},
    {CMD_BACKGROUND_COLOUR, OWNER_DOCUMENT, TXT_MENU_BACKGROUND_COLOUR, CmdBackgroundColour, RULE_STYLE},
    {CMD_CLEAR_BORDER, OWNER_DOCUMENT, TXT_MENU_CLEAR_BORDER, CmdClearBorder, RULE_STYLE},
    {CMD_CLEAR_BACKGROUND, OWNER_DOCUMENT, TXT_MENU_CLEAR_BACKGROUND, CmdClearBackground, RULE_STYLE},
    {CMD_RESET_VIEW, OWNER_DOCUMENT, TXT_MENU_RESET_VIEW, CmdResetView, RULE_WHOLE_TABLE},
    {CMD_RESET_COLOUR, OWNER_DOCUMENT, TXT_MENU_RESET_COLOUR, CmdResetColour, RULE_WHOLE_TABLE},
    {CMD_BACK_TO_HOME, OWNER_DOCUMENT, TXT_MENU_BACK_HOME, CmdBackToHome, RULE_WHOLE_TABLE},
    {CMD_BUTTON_HOME, OWNER_DOCUMENT, TXT_MENU_BACK_HOME, CmdBackToHome},
    {CMD_GO_TO, OWNER_DOCUMENT, TXT_MENU_GO_TO, CmdGoTo, RULE_GO_TO},
    {CMD_ZOOM_IN_BUTTON, OWNER_DOCUMENT, NO_TEXT, CmdZoomButton},
    {CMD_ZOOM_OUT_BUTTON, OWNER_DOCUMENT, NO_TEXT, CmdZoomButton},
    // Tools and the analysis items of the cell menu.
    {CMD_SORT_DATA, OWNER_DOCUMENT, TXT_POPUP_SORT, CmdSortData},
    {CMD_TREND, OWNER_DOCUMENT, TXT_MENU_TREND, CmdTrendColour, RULE_TABLE_DOCUMENT},
    {CMD_POPUP_TREND, OWNER_DOCUMENT, TXT_POPUP_TREND, CmdTrendColour},
    {CMD_BUTTON_TREND, OWNER_DOCUMENT, TXT_MENU_TREND, CmdTrendColour},
    {CMD_BUTTON_IMAGE_PIXEL, OWNER_DOCUMENT, NO_TEXT, CmdTogglePixelInfo},
    {CMD_DATA_COUNT, OWNER_DOCUMENT, TXT_MENU_DATA_COUNT, CmdDataCount, RULE_COUNT},
    {CMD_DATA_PROCESS, OWNER_DOCUMENT, TXT_MENU_DATA_PROCESS, CmdDataProcess, RULE_COUNT},
    {CMD_VIEW_2D_PLOT, OWNER_DOCUMENT, TXT_POPUP_VIEW_2D, CmdView2DPlot},
    {CMD_VIEW_3D_PLOT, OWNER_DOCUMENT, TXT_POPUP_VIEW_3D, CmdView3DPlot},
    {CMD_DECLARE_X, OWNER_DOCUMENT, TXT_POPUP_DECLARE_X, CmdDeclareCoordinate},
    {CMD_DECLARE_Y, OWNER_DOCUMENT, TXT_POPUP_DECLARE_Y, CmdDeclareCoordinate},
    {CMD_DECLARE_Z, OWNER_DOCUMENT, TXT_POPUP_DECLARE_Z, CmdDeclareCoordinate},
    {CMD_REMOVE_COORDINATE, OWNER_DOCUMENT, TXT_POPUP_REMOVE_COORDINATE, CmdRemoveCoordinate},
    {CMD_COORDINATE_DATA, OWNER_DOCUMENT, NO_TEXT, CmdCoordinateData},
    {CMD_COORDINATE_CANCEL, OWNER_DOCUMENT, NO_TEXT, CmdCoordinateCancel},
    {CMD_GET_DETAILED_DATA, OWNER_DOCUMENT, TXT_MENU_GET_DETAIL, CmdGetDetailedData},
    {CMD_REMOVE_DETAILED_DATA, OWNER_DOCUMENT, TXT_MENU_REMOVE_DETAIL, CmdRemoveDetailedData},
    {CMD_CALL_PLUGIN, OWNER_DOCUMENT, TXT_POPUP_CALL_PLUGIN, CmdCallPlugin},
    // The formula menu of a formula target.
    {CMD_FORMULA_VIEW, OWNER_DOCUMENT, TXT_REGISTRY_MENU_VIEW, CmdFormulaMenu},
    {CMD_FORMULA_DELETE, OWNER_DOCUMENT, TXT_REGISTRY_MENU_DELETE, CmdFormulaMenu},
    {CMD_FORMULA_INACTIVE, OWNER_DOCUMENT, TXT_REGISTRY_MENU_INACTIVE, CmdFormulaMenu},
    {CMD_FORMULA_RUN, OWNER_DOCUMENT, TXT_REGISTRY_MENU_RUN, CmdFormulaMenu},
    // Notifications between a table, its cell editor and linked windows.
    {CMD_PLOT3D_CLOSED, OWNER_DOCUMENT, NO_TEXT, CmdPlot3DClosed},
    {CMD_PLOT3D_WANTS_DATA, OWNER_DOCUMENT, NO_TEXT, CmdPlot3DWantsData},
    {CMD_PARTNER_SCROLLED, OWNER_DOCUMENT, NO_TEXT},
    {CMD_LINKED_SCROLLED, OWNER_DOCUMENT, NO_TEXT},
    {ID_CELL_EDITOR, OWNER_DOCUMENT, NO_TEXT},
    {CMD_PLOT3D_TRACKED, OWNER_DOCUMENT, NO_TEXT, CmdRepaint},
    {CMD_REPAINT_TABLE, OWNER_DOCUMENT, NO_TEXT, CmdRepaint},
    {CMD_REPAINT_LINKED, OWNER_DOCUMENT, NO_TEXT, CmdRepaint},
    {CMD_TABLE_RELEASE, OWNER_DOCUMENT, NO_TEXT, CmdTableRelease},
    {CMD_PARTNER_RELEASE, OWNER_DOCUMENT, NO_TEXT},
    {CMD_TREND_LINK_A, OWNER_DOCUMENT, NO_TEXT},
    {CMD_TREND_LINK_B, OWNER_DOCUMENT, NO_TEXT},
    {CMD_TREND_LINK_C, OWNER_DOCUMENT, NO_TEXT},
    {MENU_REFRESH_IMAGE, OWNER_DOCUMENT, NO_TEXT, CmdImageStates},
    {CMD_CHART_CLOSED, OWNER_DOCUMENT, NO_TEXT, CmdTableRelease},
    {CMD_TABLE_ACTIVE_AGAIN, OWNER_DOCUMENT, NO_TEXT, CmdActiveAgain},
};

// A menu text as a caption: without the trailing dots and blanks.
std::string CaptionOf(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '.')) text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

std::span<const CommandRoute> CommandRoutes() { return kRoutes; }

const CommandRoute* FindCommandRoute(unsigned id) {
  for (const CommandRoute& route : kRoutes) {
    if (route.iId == id) return &route;
  }
  return nullptr;
}

int ShowCommandNotAvailable(unsigned id) {
  const CommandRoute* route = FindCommandRoute(id);
  const bool named = route && route->iMenuText != TXT_NO_MENU_TEXT;
  const std::string caption = named ? CaptionOf(Text(route->iMenuText)) : std::string(Text(TXT_CAPTION_MESSAGE));
  ShowMessage(caption, Text(TXT_COMMAND_NOT_AVAILABLE));
  return 0;
}

int TableCommandNotAvailable(WindowHandle, unsigned id, std::intptr_t) {
  const CommandRoute* route = FindCommandRoute(id);
  if (!route || route->iOwner != OWNER_DOCUMENT) return -1;
  return ShowCommandNotAvailable(id);
}

void InstallCommandRoutes() {
  for (const CommandRoute& route : kRoutes) {
    if (route.iOwner == OWNER_DOCUMENT && route.pfnRun) TableRegisterCommand(route.iId, route.pfnRun);
  }
  TableSetUnhandledCommand(TableCommandNotAvailable);
}
