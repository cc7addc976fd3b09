// Every user-visible text of the program in English and Simplified Chinese,
// one entry per text, chosen by the program-wide language flag.
#pragma once

enum TextId : int {
  TXT_PROGRAM_TITLE,
  TXT_CAPTION_ERROR,
  TXT_CAPTION_MESSAGE,
  TXT_CAPTION_CONFIRM,
  TXT_RUN_AGAIN,
  TXT_DATA_SOURCE_FAILED,
  TXT_WELCOME_TO,
  TXT_NEW_TABLE,
  TXT_SAVE_CHANGES,
  TXT_REPORT_TABLE_FAILED,
  TXT_TABLE_MEMORY,
  TXT_PATH_TOO_LONG,
  TXT_EXAMPLE_CAPTION,
  TXT_EXAMPLE_TEXT,
  TXT_ABOUT_CAPTION,
  TXT_ABOUT_TEXT,
  TXT_TARGET_CAPTION,
  TXT_FORMULA_EDIT_CAPTION,
  // Table size dialog.
  TXT_TABLE_SIZE_TITLE,
  TXT_TABLE_SIZE_NORMAL_CHOICE,
  TXT_TABLE_SIZE_ROWS_CHOICE,
  TXT_TABLE_SIZE_COLS_CHOICE,
  TXT_TABLE_SIZE_NORMAL_LABEL,
  TXT_TABLE_SIZE_RESET_AS,
  TXT_TABLE_SIZE_COLS_PART,
  TXT_TABLE_SIZE_TEXT_ONLY,
  TXT_TABLE_SIZE_MINIMUM,
  TXT_TABLE_SIZE_MAXIMUM,
  // Plot window control dialog.
  TXT_PLOT_CONTROL_TITLE,
  TXT_PLOT_NEW_WINDOW,
  TXT_PLOT_MONITOR_NOTE,
  TXT_PLOT_CURRENT_WINDOW,
  // Buttons.
  TXT_OK,
  TXT_CANCEL,
  // Menus (the items the frame offers itself).
  TXT_MENU_FILE,
  TXT_MENU_VIEW,
  TXT_MENU_HELP,
  TXT_MENU_OPEN_FILE,
  TXT_MENU_NEW,
  TXT_MENU_NEW_CUSTOM,
  TXT_MENU_EXIT,
  TXT_MENU_PLOT_CONTROL,
  TXT_MENU_ABOUT,
  TXT_MENU_HELP_PAGE,
  TXT_MENU_EXAMPLE,
  TXT_COUNT
};

// The text of `id` in the current language (UTF-8).
const char* Text(TextId id);
// The text in a given language (tests, and texts needed in both).
const char* TextIn(TextId id, bool chinese);
