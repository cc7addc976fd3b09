/*
 * Cartovel plug-in interface.
 *
 * A plug-in is an ELF shared object (.so) that exports the ten functions
 * declared below under these exact, unmangled names. Cartovel loads it with
 * "Open plug-in" (menu Tools), calls InitializeDLLMenuItems and
 * GetDLLBufCapability once, and from then on offers the plug-in's functions
 * in the cell menu of every table ("Call Plug-in functions").
 *
 * Loading a plug-in runs its code inside Cartovel with the user's rights:
 * load only libraries you trust.
 *
 * Conventions
 *   - Plain C, default C calling convention of the platform, 32-bit signed
 *     integers (int32_t) everywhere except the numeric flag of
 *     SendDataToDllBuff (int16_t).
 *   - Texts are zero-terminated UTF-8. Every text buffer a function writes
 *     into belongs to Cartovel and has the capacity given below (bytes,
 *     terminator included). Cartovel forces a terminator into the last byte
 *     of every such buffer after each call, so a text that fills the buffer
 *     is cut; never write beyond the capacity.
 *   - Every function except SetSpreadsheetCapabilityForResult and
 *     InitializeDLLMenuItems returns 0 on success and -1 on failure. On
 *     failure Cartovel shows the text left in the error buffer (capacity
 *     CARTOVEL_PLUGIN_ERROR_BYTES) under the caption "Error" and ends the
 *     operation.
 *   - Cartovel calls the functions from its user-interface thread only, one
 *     call at a time. The plug-in keeps its own state between calls.
 *
 * Order of calls
 *   load:      InitializeDLLMenuItems, GetDLLBufCapability
 *   about:     GetDLLDescription (capacity 1000)
 *   dialog:    GetDLLDescription (capacity 800); the listing
 *              GetDLLMenuItems(n, 0) and GetDLLMenuItems(n, 58) for
 *              n = 0, 1, ... until -1; then GetDLLMenuItems(-1, k, name)
 *              for k = 0 .. 58 for the selected function, again whenever the
 *              user picks another function
 *   OK:        SetSelectedDLLMenuItem for items 0 .. 58
 *   run:       SendDataToDllBuff once per selected cell, range by range,
 *              row by row, left to right; SetSpreadsheetCapabilityForResult;
 *              CallDLLFunction; GetResultAvailableFromDLL;
 *              GetResultDataFromDLLBuff once per result cell that fits into
 *              the table
 */
#ifndef CARTOVEL_PLUGIN_H
#define CARTOVEL_PLUGIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Export marker for plug-in sources (keeps the names visible when the
 * plug-in is built with -fvisibility=hidden). */
#if defined(__GNUC__)
#define CARTOVEL_PLUGIN_EXPORT __attribute__((visibility("default")))
#else
#define CARTOVEL_PLUGIN_EXPORT
#endif

/* ---- Buffer capacities (bytes, terminator included) ------------------- */

/* Error texts of every function. */
#define CARTOVEL_PLUGIN_ERROR_BYTES 500
/* GetDLLDescription: 1000 for "About Plug-in", 800 in the function dialog;
 * the capacity is also passed as an argument. */
#define CARTOVEL_PLUGIN_ABOUT_BYTES 1000
#define CARTOVEL_PLUGIN_DIALOG_DESCRIPTION_BYTES 800
/* GetDLLMenuItems: item texts while the dialog is filled ... */
#define CARTOVEL_PLUGIN_ITEM_BYTES 501
/* ... and while the functions are listed (function names up to 49
 * characters). */
#define CARTOVEL_PLUGIN_LISTING_BYTES 50
/* Function names given to the plug-in hold up to 49 bytes. */
#define CARTOVEL_PLUGIN_NAME_BYTES 50
/* Value texts of SetSelectedDLLMenuItem hold up to 49 bytes. */
#define CARTOVEL_PLUGIN_VALUE_BYTES 50
/* Result texts of GetResultDataFromDLLBuff (also passed as an argument). */
#define CARTOVEL_PLUGIN_RESULT_BYTES 50

/* Cartovel lists at most this many functions of a plug-in. */
#define CARTOVEL_PLUGIN_MAX_FUNCTIONS 1000

/* ---- Dialog items ------------------------------------------------------ *
 * The parameter dialog of a function is described by 59 item texts, each
 * read with GetDLLMenuItems. A "state" item is an integer text: "-1" hides
 * the control(s), "1" shows and enables them, any other value shows them
 * disabled. The items of a control apply only when the state of its group
 * and its own state are both "1".                                          */
enum CartovelPluginItem {
  CARTOVEL_ITEM_NAME = 0,            /* function name (listing) */
  CARTOVEL_ITEM_DESCRIPTION = 1,     /* shown under "Description" */
  CARTOVEL_ITEM_RADIO_CAPTION = 2,   /* caption of the radio-button group */
  CARTOVEL_ITEM_RADIO_STATE = 3,     /* state of the radio-button group */
  CARTOVEL_ITEM_RADIO_FIRST = 4,     /* radio button k (0..3): items 4 + 3k:
                                        state, "1" when selected, caption */
  CARTOVEL_ITEM_CHECK_CAPTION = 16,  /* caption of the check-box group */
  CARTOVEL_ITEM_CHECK_STATE = 17,    /* state of the check-box group */
  CARTOVEL_ITEM_CHECK_FIRST = 18,    /* check box k (0..3): items 18 + 3k:
                                        state, "1" when ticked, caption */
  CARTOVEL_ITEM_LIST_FIRST = 30,     /* list k (0..1): items 30 + 4k: state,
                                        label, choices separated by "&",
                                        initial choice index */
  CARTOVEL_ITEM_PARAMETER_FIRST = 38, /* parameter k (0..4): items 38 + 4k:
                                         state, maximum text length (1..50,
                                         terminator included), label,
                                         initial text */
  CARTOVEL_ITEM_DEFAULT = 58,        /* "1" marks the function selected when
                                        the dialog opens (listing) */
  CARTOVEL_ITEM_COUNT = 59
};

/* Values sent with SetSelectedDLLMenuItem on OK (all other items are sent
 * empty): items 5, 8, 11, 14 "1" for the selected radio button; items 19,
 * 22, 25, 28 "1" for each ticked check box; items 33 and 37 the chosen list
 * index (decimal, "0" when none); items 41, 45, 49, 53, 57 the parameter
 * texts as typed (at most maximum length - 1 bytes); item 58 "1". */

/* ---- The ten exports --------------------------------------------------- */

/* Called once after loading. language: 0 English, 1 Simplified Chinese.
 * The return value is ignored. */
CARTOVEL_PLUGIN_EXPORT int32_t InitializeDLLMenuItems(int32_t language);

/* Called once after loading: the most selection ranges the plug-in takes,
 * and per range the bound on its rows and columns (a range must span fewer
 * rows than max_rows and fewer columns than max_cols, counted as last minus
 * first). The return value is ignored. */
CARTOVEL_PLUGIN_EXPORT int32_t GetDLLBufCapability(int32_t* max_ranges, int32_t* max_rows, int32_t* max_cols);

/* A description of the plug-in into text (text_capacity bytes: 1000 for
 * "About Plug-in", 800 in the function dialog). */
CARTOVEL_PLUGIN_EXPORT int32_t GetDLLDescription(char* text, int32_t text_capacity, char* error);

/* Item `item` (0..58) of a function into text.
 *   function >= 0: the function by number, while Cartovel lists the
 *     functions (items 0 and 58 only; text holds 50 bytes); return -1 for a
 *     number past the last function. function_name is a 50-byte buffer
 *     Cartovel does not read.
 *   function == -1: the function named by function_name (zero-terminated,
 *     at most 49 bytes), while the dialog is filled (text holds 501 bytes).
 */
CARTOVEL_PLUGIN_EXPORT int32_t GetDLLMenuItems(int32_t function, int32_t item, char* text, char* function_name,
                                               char* error);

/* On OK of the dialog, once for each item 0..58: the value of `item` (see
 * above) for the function named function_name. */
CARTOVEL_PLUGIN_EXPORT int32_t SetSelectedDLLMenuItem(int32_t item, const char* function_name, const char* value,
                                                      char* error);

/* Once per selected cell. range: 0-based range number; row, col: 0-based
 * position inside the range; range_number: range + 1; numeric: 1 when text
 * is a number (decimal point, optional exponent), 0 for any other text and
 * for an empty cell; text: the cell's whole text ("" when empty). */
CARTOVEL_PLUGIN_EXPORT int32_t SendDataToDllBuff(int32_t range, int32_t row, int32_t col, int32_t range_number,
                                                 int16_t numeric, const char* text, char* error);

/* After all cells were sent: the result lands at table row first_row,
 * column first_col (the current cell); rows and cols tell how much room the
 * table has from there; decimals is the chosen number of decimal places (12
 * for "Full precision"). The return value is ignored. */
CARTOVEL_PLUGIN_EXPORT int32_t SetSpreadsheetCapabilityForResult(int32_t first_row, int32_t first_col, int32_t rows,
                                                                 int32_t cols, int32_t decimals);

/* Compute. */
CARTOVEL_PLUGIN_EXPORT int32_t CallDLLFunction(char* error);

/* After CallDLLFunction: *available non-zero when a result exists, and its
 * size. A size below 1 counts as no result. The return value is ignored. */
CARTOVEL_PLUGIN_EXPORT int32_t GetResultAvailableFromDLL(int32_t* available, int32_t* rows, int32_t* cols);

/* One result cell (0-based row and column) into text (text_capacity bytes,
 * 50). *status = 1 when the cell has a value; any other status stores the
 * text "NULL". Numbers are written with a decimal point. */
CARTOVEL_PLUGIN_EXPORT int32_t GetResultDataFromDLLBuff(int32_t row, int32_t col, int32_t text_capacity,
                                                        int32_t* status, char* text, char* error);

/* ---- Pointer types, for hosts ------------------------------------------- */

typedef int32_t (*CartovelInitializeFn)(int32_t);
typedef int32_t (*CartovelCapabilityFn)(int32_t*, int32_t*, int32_t*);
typedef int32_t (*CartovelDescriptionFn)(char*, int32_t, char*);
typedef int32_t (*CartovelMenuItemsFn)(int32_t, int32_t, char*, char*, char*);
typedef int32_t (*CartovelSelectItemFn)(int32_t, const char*, const char*, char*);
typedef int32_t (*CartovelSendDataFn)(int32_t, int32_t, int32_t, int32_t, int16_t, const char*, char*);
typedef int32_t (*CartovelResultRoomFn)(int32_t, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*CartovelCallFn)(char*);
typedef int32_t (*CartovelResultSizeFn)(int32_t*, int32_t*, int32_t*);
typedef int32_t (*CartovelResultDataFn)(int32_t, int32_t, int32_t, int32_t*, char*, char*);

#ifdef __cplusplus
}
#endif

#endif /* CARTOVEL_PLUGIN_H */
