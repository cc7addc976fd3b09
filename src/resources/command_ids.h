// Command identifiers: menu items, buttons and internal notifications share
// one space. Names stay stable; later parts of the program add theirs here.
#pragma once

enum CommandId : unsigned {
  // Frame commands.
  CMD_OPEN_FILE = 40013,
  CMD_OPEN_FILE_STARTUP = 2005,
  CMD_OPEN_MODAS = 40245,
  CMD_OPEN_NETCDF = 40247,
  CMD_OPEN_STOCK = 40180,
  CMD_NEW = 57600,
  CMD_NEW_CUSTOM = 40224,
  CMD_OPEN_ACCESS = 40182,
  CMD_OPEN_DBASE = 40183,
  CMD_OPEN_FOXPRO = 40184,
  CMD_OPEN_PARADOX = 40185,
  CMD_CONNECT_DATABASE = 40166,
  CMD_OPEN_DATABASE_TABLE = 40167,
  CMD_OPEN_PLUGIN = 40150,
  CMD_OPEN_NETCDF_LIBRARY = 40246,
  CMD_PLOT_WINDOW_CONTROL = 40230,
  CMD_ABOUT_PLUGIN = 40242,
  CMD_ABOUT = 40090,
  CMD_HELP = 40091,
  CMD_FORMULA_EXAMPLE = 40211,
  CMD_EXIT = 40054,

  // Table commands.
  CMD_SAVE = 40168,
  CMD_SAVE_AS = 57604,
  CMD_SAVE_PRIVATE = 40208,
  CMD_BACK_TO_HOME = 40111,
  CMD_BUTTON_HOME = 2006,          // formula-bar button: back to home
  CMD_SELECT_ALL = 57642,
  CMD_BUTTON_SELECT_ALL = 2004,    // formula-bar button: select all
  CMD_GO_TO = 40196,
  CMD_COPY = 40154,
  CMD_CUT = 40156,
  CMD_PASTE = 40153,
  CMD_DELETE = 40155,
  CMD_INSERT = 40157,
  CMD_BORDER_COLOUR = 40189,
  CMD_BACKGROUND_COLOUR = 40190,
  CMD_ZOOM_IN_BUTTON = 2008,       // formula-bar button: zoom in
  CMD_ZOOM_OUT_BUTTON = 2009,      // formula-bar button: zoom out
  CMD_GET_DETAILED_DATA = 40218,
  CMD_REMOVE_DETAILED_DATA = 40219,
  CMD_PRINT = 40048,               // File "Print": a chart prints; a table through button 2007
  CMD_UNDO = 57643,
  CMD_FIND = 40164,
  CMD_DATA_PROPERTY = 40237,
  CMD_RESET_VIEW = 40177,
  CMD_RESET_COLOUR = 40240,
  CMD_DISPLAY_STYLE = 40194,
  CMD_BORDER_LINE = 40195,
  CMD_CLEAR_BORDER = 40191,
  CMD_CLEAR_BACKGROUND = 40192,
  CMD_TREND = 40152,
  CMD_DATA_COUNT = 40175,
  CMD_DATA_PROCESS = 40179,
  CMD_TRANSPOSE = 40222,
  CMD_COPY_INTERNAL_A = 40044,     // copy and paste asked for by other windows
  CMD_COPY_INTERNAL_B = 40059,
  CMD_PASTE_INTERNAL_A = 40057,
  CMD_PASTE_INTERNAL_B = 40062,
  CMD_TABLE_PRINT = 40045,         // print the table (also button 2007)
  CMD_COORDINATE_DATA = 40216,     // coordinate declaration: the data for it, or cancel
  CMD_COORDINATE_CANCEL = 40217,

  // Items of the table's pop-up menus. The header bar menu:
  CMD_POSITION_LOCK = 40206,       // "Row Positon Lock" / "Column Positon Lock"
  CMD_HIDE = 40243,
  CMD_BAR_DELETE = 40201,
  CMD_BAR_INSERT = 40202,
  CMD_BAR_COPY = 40203,
  CMD_BAR_CUT = 40204,
  CMD_BAR_PASTE = 40205,
  // The cell menu:
  CMD_CALL_PLUGIN = 40241,
  CMD_POPUP_FIND = 40163,
  CMD_SORT_DATA = 40162,
  CMD_POPUP_COPY = 40158,
  CMD_POPUP_CUT = 40159,
  CMD_POPUP_PASTE = 40160,
  CMD_POPUP_DATA_PROPERTY = 40238,
  CMD_VIEW_2D_PLOT = 40170,
  CMD_VIEW_3D_PLOT = 40161,
  CMD_POPUP_TREND = 40239,
  CMD_DECLARE_X = 40212,
  CMD_DECLARE_Y = 40213,
  CMD_DECLARE_Z = 40214,
  CMD_REMOVE_COORDINATE = 40215,

  // The formula bar's upper buttons (posted to the frame).
  CMD_BUTTON_COPY = 2001,
  CMD_BUTTON_FIND = 2002,
  CMD_BUTTON_IMAGE_PIXEL = 2003,
  CMD_BUTTON_PRINT = 2007,
  CMD_BUTTON_TREND = 2011,

  // Internal notifications.
  CMD_REFRESH_MENUS = 1298,      // posted to the frame by a closing table
  CMD_OPEN_3D_PLOT = 1302,       // frame: create a 3D plot window
  CMD_TABLE_CLOSED = 2295,       // posted to the formula bar by a closing table: the bar goes inactive
  CMD_FORMULA_BAR_ENABLE = 2294,   // posted to the formula bar: a table became active
  CMD_FORMULA_BAR_REFRESH = 1299,  // posted to the formula bar: repaint with the tool states
  CMD_TABLE_RELEASE = 9876,      // sent to linked windows by a closing table
  CMD_PARTNER_RELEASE = 9877,    // the same, to a data-processing partner
  CMD_TABLE_ACTIVE_AGAIN = 1599,   // a table: restart the timer of becoming active
  CMD_FORMULA_BAR_TARGET = 13066,  // sent to the formula bar: lParam is the target text "R<row>C<col>"
  CMD_CHART_TRACK_CELL = 8778,     // posted to a linked chart: track the browse cell
  CMD_PLOT3D_CLOSED = 1303,        // a table's 3D plot closed
  CMD_PLOT3D_WANTS_DATA = 1304,    // a new 3D plot asks its table for the data
  CMD_PLOT3D_TRACKED = 8777,       // the 3D plot moved the table's current cell: repaint
  CMD_REPAINT_TABLE = 8779,        // repaint
  CMD_REPAINT_LINKED = 13083,      // repaint for a linked window
  CMD_TREND_LINK_A = 13080,        // links between a table and its trend colour window
  CMD_TREND_LINK_B = 13082,
  CMD_TREND_LINK_C = 13084,
  CMD_CHART_CLOSED = 23081,        // a table's 2D chart closed

  // Database: an SQLite file, opened like an Access file.
  CMD_OPEN_SQLITE = 41201,
  // The 2D chart: reload from its table, and the commands of its menus.
  CMD_CHART_RELOAD = 23083,
  CMD_CHART_VIEW_LINE = 40209,
  CMD_CHART_VIEW_BAR = 40210,
  CMD_CHART_VIEW_PIE = 40244,
  CMD_CHART_VIEW_SCATTER = 40220,
  CMD_CHART_TRENDLINE = 40221,
  CMD_CHART_ADJUST = 40171,
  CMD_CHART_SET_MARKER = 40172,
  CMD_CHART_CLEAR_MARKERS = 40173,
  CMD_CHART_HIGHLIGHT_NEW = 40207,
  CMD_CHART_CROSSHAIR = 40174,
  CMD_CHART_SET_X_UNIT = 40229,       // from the chart menu
  CMD_CHART_SET_X_UNIT_AXIS = 40226,  // from the X axis menu
  CMD_CHART_AUTO_X_UNIT = 40227,
  CMD_CHART_SET_Y_RANGE = 40228,      // from the chart menu
  CMD_CHART_SET_Y_RANGE_AXIS = 40199, // from the Y axis menu
  CMD_CHART_AUTO_Y_RANGE = 40200,
  CMD_CHART_SET_BACKGROUND = 40231,
  CMD_CHART_ARTIFICIAL_BACKGROUND = 40232,
  CMD_CHART_COPY = 40233,
  CMD_CHART_PRINT = 40234,
  // The 3D plot window: its data hand-shake and its pop-up menu.
  CMD_PLOT3D_DATA_READY = 1305,    // table to 3D plot: the data are ready, lay out and draw
  CMD_PLOT3D_OPTIONS = 40131,      // "Select 3D Options"
  CMD_PLOT3D_TRENDLINE = 40223,    // "Show Trendline" / "Hide Trendline"
  CMD_PLOT3D_EXPORT = 40132,       // "Data Export"
  CMD_PLOT3D_COPY = 40235,         // "Copy"
  CMD_PLOT3D_PRINT = 40236,        // "Print"
  // Pictures of the chart and the 3D plot as files.
  CMD_CHART_SAVE_PICTURE = 40301,   // "Save picture as ..."
  CMD_PLOT3D_SAVE_PICTURE = 40302,  // "Save picture as ..."
};

// Control ids of the frame's children.
inline constexpr int ID_MDI_CLIENT = 1;
inline constexpr int ID_FORMULA_BAR = 2010;
inline constexpr int ID_HINT_EDIT = 2014;
// The formula bar's own children.
inline constexpr int ID_BAR_TARGET = 2012;
inline constexpr int ID_BAR_STATE = 2013;
inline constexpr int ID_BAR_FORMULA = 2014;
inline constexpr int ID_BAR_MATH_LIST = 2015;
inline constexpr int ID_BAR_STATS_LIST = 2016;
inline constexpr int ID_BAR_DECIMALS = 2017;
inline constexpr int ID_CELL_EDITOR = 7778;
