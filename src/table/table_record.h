// The table record: one fixed-size, zero-filled record per table window,
// made of the table document and the window's view state. Every capacity is
// a fixed array; the logical size iRows x iCols is a window onto the cell
// capacity. Window code reaches a record through its window (TableLock /
// TableUnlock); plain operations take the document or the record.
#pragma once

#include <array>
#include <cstdint>

#include "table/formula_slot.h"
#include "table/matrix_entry.h"
#include "platform/window.h"
#include "table/table_extension.h"

inline constexpr int TABLE_CELL_CAPACITY = 835635;  // 51 x 16,385
inline constexpr int TABLE_NORMAL_ROWS = 2001;
inline constexpr int TABLE_NORMAL_COLS = 371;
inline constexpr int TABLE_MIN_DIMENSION = 51;
inline constexpr int TABLE_MAX_DIMENSION = 16385;
inline constexpr int LONG_TEXT_SLOTS = 5000;  // pool slots kept in the record
// The pool grows up to a slot per cell (no table references more texts),
// rounded up to whole chunks of LONG_TEXT_SLOTS.
inline constexpr int LONG_TEXT_CHUNK_LIMIT = (TABLE_CELL_CAPACITY + LONG_TEXT_SLOTS - 1) / LONG_TEXT_SLOTS;
inline constexpr int LONG_TEXT_BYTES = 520;
inline constexpr int SELECTION_RANGES = 100;
inline constexpr int LOCK_SLOTS = 10;
inline constexpr int CELL_TEXT_BYTES = 22;
inline constexpr int EDITOR_TEXT_LIMIT = 519;
inline constexpr int COORDINATE_DECLARATIONS = 51;
inline constexpr int FIELD_DESCRIPTORS = 255;

// Display styles.
inline constexpr std::int16_t STYLE_AUTOMATIC = 33;

// Who coloured a table's cells: nobody (the default text colour and the
// normal colour mode), the data trend colour analysis, or Find's highlight.
// While they are coloured, overflowing texts and the squares of the image
// view show each cell's own colour.
enum ColourState : int {
  COLOUR_STATE_NORMAL = 333,
  COLOUR_STATE_FIND = 555,
  COLOUR_STATE_TREND = 777,
};

// Find conditions of a numeric find (iFindMode); the trend analysis sets
// FIND_TREND while it colours, which counts as Equal.
enum FindMode : std::int32_t {
  FIND_BELOW = 1,
  FIND_ABOVE = 2,
  FIND_NOT_EQUAL = 3,
  FIND_EQUAL = 4,
  FIND_BETWEEN = 5,
  FIND_TREND = 6,
};

// How a numeric find shows its matches (iHighlightStyle).
enum HighlightStyle : std::int32_t {
  HIGHLIGHT_SINGLE = 1,
  HIGHLIGHT_SCALE = 2,
};

// Sort orientation (iSortBy) and order (iSortOrder).
enum SortBy : std::int32_t {
  SORT_BY_COLUMN = 1,  // rows are reordered by a column's numbers
  SORT_BY_ROW = 2,     // columns are reordered by a row's numbers
};
enum SortOrder : std::int32_t {
  SORT_ASCENDING = 1,
  SORT_DESCENDING = -1,
};

// Default text colour of a data cell (hue, luminance, saturation).
inline constexpr std::int16_t DEFAULT_TEXT_HUE = 160;
inline constexpr std::int16_t DEFAULT_TEXT_LUM = 10;
inline constexpr std::int16_t DEFAULT_TEXT_SAT = 120;

// Selection range kinds.
enum SelectionKind : std::int32_t {
  SELECT_COLUMNS = 30,
  SELECT_ROWS = 32,
  SELECT_BLOCK = 34,
};

// What an undo back-up holds and how it is put back: the selection range,
// a stored block, or the whole table restored over the extent it had when
// saved or over the current one.
enum UndoKind : std::int32_t {
  UNDO_NONE = 4230,
  UNDO_SELECTION = 4231,
  UNDO_BLOCK = 4233,
  UNDO_TABLE_SAVED_EXTENT = 4234,
  UNDO_TABLE_CURRENT_EXTENT = 4235,
};

// Creation modes of a table window.
enum TableOpenMode : std::int32_t {
  OPEN_MODAS = 5,
  OPEN_NETCDF = 6,
  OPEN_NEW = 200,
  OPEN_FILE = 300,
  OPEN_DATABASE = 400,
  OPEN_STOCK = 500,
};

// A chunk of grown long-text slots (defined where the pool is kept).
struct LongTextChunk;

// A cell keeps its style, text colour and formula slot as their exclusive
// or with those of a fresh data cell, so a zero-filled cell is a fresh data
// cell: capacity that holds nothing is never written and costs no memory.
// Read and write these four fields only through the accessors below.
struct TableCell {
  std::int16_t iStoredStyle;    // style ^ STYLE_AUTOMATIC
  std::int16_t iStoredTextHue;  // text colour ^ the default text colour
  std::int16_t iStoredTextLum;
  std::int16_t iStoredTextSat;
  std::array<char, CELL_TEXT_BYTES> szText;
  std::int16_t iBorderStyle;
  std::int16_t iBorderRed;
  std::int16_t iBorderGreen;
  std::int16_t iBorderBlue;
  std::int16_t iFillOn;
  std::int16_t iFillRed;
  std::int16_t iFillGreen;
  std::int16_t iFillBlue;
  std::int16_t iRefMark;
  std::int32_t iStoredFormulaSlot;  // formula slot ^ -1 (0: no formula)
};

// Display style code (STYLE_AUTOMATIC in a fresh cell).
inline std::int16_t CellStyle(const TableCell& cell) {
  return static_cast<std::int16_t>(cell.iStoredStyle ^ STYLE_AUTOMATIC);
}
inline void SetCellStyle(TableCell& cell, int style) {
  cell.iStoredStyle = static_cast<std::int16_t>(static_cast<std::int16_t>(style) ^ STYLE_AUTOMATIC);
}

// Text colour as hue, luminance and saturation (the default in a fresh cell).
inline std::int16_t CellTextHue(const TableCell& cell) {
  return static_cast<std::int16_t>(cell.iStoredTextHue ^ DEFAULT_TEXT_HUE);
}
inline std::int16_t CellTextLum(const TableCell& cell) {
  return static_cast<std::int16_t>(cell.iStoredTextLum ^ DEFAULT_TEXT_LUM);
}
inline std::int16_t CellTextSat(const TableCell& cell) {
  return static_cast<std::int16_t>(cell.iStoredTextSat ^ DEFAULT_TEXT_SAT);
}
inline void SetCellTextColour(TableCell& cell, int hue, int lum, int sat) {
  cell.iStoredTextHue = static_cast<std::int16_t>(static_cast<std::int16_t>(hue) ^ DEFAULT_TEXT_HUE);
  cell.iStoredTextLum = static_cast<std::int16_t>(static_cast<std::int16_t>(lum) ^ DEFAULT_TEXT_LUM);
  cell.iStoredTextSat = static_cast<std::int16_t>(static_cast<std::int16_t>(sat) ^ DEFAULT_TEXT_SAT);
}

// Formula-registry slot whose result the cell shows, -1 for none.
inline std::int32_t CellFormulaSlot(const TableCell& cell) { return ~cell.iStoredFormulaSlot; }
inline void SetCellFormulaSlot(TableCell& cell, std::int32_t slot) { cell.iStoredFormulaSlot = ~slot; }

// Sampling of a text file larger than the table.
inline constexpr int SAMPLING_BLOCKS = 50;
inline constexpr int SAMPLING_INFO_BYTES = 520;

// Sampling modes (iSampleMode).
enum SampleMode : std::int32_t {
  SAMPLE_NONE = 0,
  SAMPLE_ROWS = 2,
  SAMPLE_COLS = 3,
  SAMPLE_BOTH = 4,
};

// One area of a table filled from the file at one step. Block 0 holds the
// first read; later blocks detail a selection of an earlier one.
struct SamplingBlock {
  std::int32_t bInUse;
  std::int32_t iStartRow;      // table cell of the first data value
  std::int32_t iStartCol;
  std::int32_t iEndRow;        // last row and column that received data
  std::int32_t iEndCol;
  std::int32_t iRowStep;       // every iRowStep-th line, every iColStep-th field
  std::int32_t iColStep;
  std::int32_t iFileStartRow;  // file line and field the block begins at (0: the first)
  std::int32_t iFileStartCol;
  std::int32_t iFileRowCount;  // file lines the block covers
  std::int32_t iLimitRow;      // last row and column the block may fill
  std::int32_t iLimitCol;
  // File offset + 1 of the text of each cell of the area iStartRow..iLimitRow
  // x iStartCol..iLimitCol, row by row (0: no text read). Allocated while
  // the block is in use, null otherwise.
  std::int64_t* cellOffset;
  std::int32_t iParent;        // the block this one details (itself for block 0)
  std::int32_t iParentRowFrom;
  std::int32_t iParentRowTo;
  std::int32_t iParentColFrom;
  std::int32_t iParentColTo;
  std::array<char, SAMPLING_INFO_BYTES> szInfo1;  // texts of the two info cells above the block
  std::array<char, SAMPLING_INFO_BYTES> szInfo2;
};

// The table document: what the files save and the table's operations work
// on: cells, long texts, formulas, sizes, selection, sampling and undo
// state. A document needs no window: headless code and tests take a record
// from TableAllocRecord (tests through the FreshTable fixture) and call the
// plain operations on it.
struct TableDocument {
  // -- file and window ---------------------------------------------------
  std::array<char, 400> szFileName;
  std::int32_t bFileNameCut;  // the path asked for did not fit szFileName
  std::int32_t iOpenMode;
  std::array<std::int32_t, 2> openParams;
  std::int32_t bReadOnly;
  // -- database cursor ---------------------------------------------------
  void* hDbEnvironment;
  void* hDbConnection;
  void* hDbStatement;
  // -- formula registry and evaluation -----------------------------------
  std::int32_t iFormulaCount;
  std::int32_t iCurrentFormula;
  std::int32_t iRunDecimals;
  std::int32_t iFormulaTargetRow;
  std::int32_t iFormulaTargetCol;
  std::array<char, FORMULA_CONDITION_BYTES> szQuotedText;
  std::int32_t iArgCount;
  std::array<std::array<char, FORMULA_ARG_BYTES>, FORMULA_ARG_SLOTS> szArgs;
  std::int32_t iFormulaCellMode;
  std::int32_t iFormulaCellRow;
  std::int32_t iFormulaCellCol;
  std::int32_t bShowRefs;
  // -- plot coordinates --------------------------------------------------
  std::array<std::array<std::int32_t, 10>, COORDINATE_DECLARATIONS> coordinateDecl;
  // -- source ------------------------------------------------------------
  std::array<char, 300> szSourceDir;
  std::array<char, 300> szSourceFile;
  // -- undo back-up ------------------------------------------------------
  std::int16_t bUndoFileExists;
  std::int32_t iUndoKind;
  std::array<std::int32_t, 4> undoRect;
  std::int32_t iUndoSelKind;
  std::array<std::int32_t, 3> undoExtent;
  // -- formulas ------------------------------------------------------------
  std::array<FormulaSlot, FORMULA_SLOTS + 1> formulaSlots;
  // -- cells ---------------------------------------------------------------
  std::array<TableCell, TABLE_CELL_CAPACITY> cells;
  // -- matrix function work area ---------------------------------------------
  std::array<MatrixEntry, MATH_MATRIX_BUF_N> matrixBuffer;
  std::int32_t iRows;
  std::int32_t iCols;
  std::int32_t iCellsReached;  // the largest rows x cols the table has had: cells past it are untouched
  // -- sampling ------------------------------------------------------------
  std::int32_t iSampleMode;
  std::int32_t bResized;
  std::int64_t iFileSize;      // bytes of the opened file
  std::int32_t iFileRows;      // lines + 1 and largest field count + 1 of the file
  std::int32_t iFileCols;
  std::int32_t iRowPhase;      // the reader's sampling counters
  std::int32_t iColPhase;
  std::int32_t iBlockHue;      // colour counter of new blocks, 0..72
  char cFileDelimiter;         // how the file was split: the extra delimiter (0: TAB only)
  std::int32_t bFileMerge;     // and whether runs of it count as one
  std::int32_t bFileLegacy;    // the file is not UTF-8: its texts are converted
  std::array<SamplingBlock, SAMPLING_BLOCKS> blocks;
  // -- long texts ----------------------------------------------------------
  // The first LONG_TEXT_SLOTS slots of the pool live here; the pool grows
  // beyond them by chunks of LONG_TEXT_SLOTS slots that the record owns
  // (slot LONG_TEXT_SLOTS * (k + 1) + i is slot i of chunk k). A chunk
  // keeps each text in as many bytes as it needs (its layout is private to
  // long_text.cpp). Read and write slots only through long_text.h.
  std::array<std::array<char, LONG_TEXT_BYTES>, LONG_TEXT_SLOTS> szLongText;
  LongTextChunk** grownLongText;  // the chunks, null until the pool grows
  std::int32_t iGrownLongTextChunks;  // chunks in grownLongText
  std::int32_t iLongTextFreeHint;    // no pool slot below this one is free
  std::int32_t iLongTextReached;     // no pool slot from this one on has held a text: they are zeros
  std::int32_t iLongTextLost;        // texts that got no slot since the last report
  std::int32_t iLoadedRows;
  std::int32_t iLoadedCols;
  // -- state words ---------------------------------------------------------
  std::int32_t bModified;
  std::int32_t iPrintOption1;
  std::int32_t iPrintOption2;
  // -- data property texts -------------------------------------------------
  std::array<char, 540> szUnitLabel;     // "Set data property": the unit or label (50 used)
  std::array<char, 540> szAdjustParam;   // the adjustment parameter as typed (20 used)
  std::int32_t iAdjustOp;    // ADJUST_*
  std::int32_t iUnitMode;    // UNIT_*
  // -- position locks ------------------------------------------------------
  std::int32_t bRowsLocked;
  std::int32_t bColsLocked;
  std::array<std::int32_t, LOCK_SLOTS> lockRowIndex;
  std::array<std::int32_t, LOCK_SLOTS> lockColIndex;
  std::array<std::int16_t, LOCK_SLOTS> lockRowUsed;
  std::array<std::int16_t, LOCK_SLOTS> lockColUsed;
  std::array<std::int32_t, LOCK_SLOTS> lockRowSlot;
  std::array<std::int32_t, LOCK_SLOTS> lockColSlot;
  // -- selection -----------------------------------------------------------
  std::int32_t iSelCurrent;
  std::int32_t iEditRow;
  std::int32_t iEditCol;
  std::array<std::int32_t, SELECTION_RANGES> selRowFrom;
  std::array<std::int32_t, SELECTION_RANGES> selRowTo;
  std::array<std::int32_t, SELECTION_RANGES> selColFrom;
  std::array<std::int32_t, SELECTION_RANGES> selColTo;
  std::array<std::int32_t, SELECTION_RANGES> selKind;
  // -- row heights and column widths (saved with the table) -----------------
  std::array<std::int32_t, TABLE_MAX_DIMENSION> colWidth;
  std::array<std::int32_t, TABLE_MAX_DIMENSION> rowHeight;
  std::int32_t iDefaultColWidth;
  // -- extent and extremes -------------------------------------------------
  std::int32_t iUsedRows;
  std::int32_t iUsedCols;
  double dMaxValue;
  std::int32_t iMaxRow;
  std::int32_t iMaxCol;
  double dMinValue;
  std::int32_t iMinRow;
  std::int32_t iMinCol;
  // -- presentation --------------------------------------------------------
  std::int16_t iPendingStyle;
  std::int32_t iColourState;  // COLOUR_STATE_*: who set the cells' text colours
  // -- find ----------------------------------------------------------------
  std::array<char, 20> szFindText;   // as entered (at most 18 characters)
  std::array<char, 20> szFindLow;    // the bounds of "Between", the smaller first
  std::array<char, 20> szFindHigh;
  std::int32_t iFindMode;            // FIND_*
  std::int32_t iHighlightStyle;      // HIGHLIGHT_*
  std::int32_t iFindRow;             // cell of the last text match
  std::int32_t iFindCol;
  // -- sort ----------------------------------------------------------------
  std::int32_t iSortBy;
  std::int32_t iSortOrder;
  std::int32_t iSortCount;           // keys in dSortBuffer, sortRow, sortCol
  std::array<std::int32_t, TABLE_MAX_DIMENSION> sortRow;  // source cell of each key
  std::array<std::int32_t, TABLE_MAX_DIMENSION> sortCol;
  // -- analysis ranges (same layout as the selection) -----------------------
  std::int32_t iAnaCount;
  std::array<std::int32_t, SELECTION_RANGES> anaRowFrom;
  std::array<std::int32_t, SELECTION_RANGES> anaRowTo;
  std::array<std::int32_t, SELECTION_RANGES> anaColFrom;
  std::array<std::int32_t, SELECTION_RANGES> anaColTo;
  std::array<std::int32_t, SELECTION_RANGES> anaKind;
  // -- sort buffer (median of formulas, sorting) ------------------------------
  std::array<double, TABLE_MAX_DIMENSION> dSortBuffer;
  // -- analysis defaults ---------------------------------------------------
  std::array<std::int32_t, 3> highlightColour;   // red, green, blue
  std::array<std::int32_t, 15> analysisDefaults;
  std::array<std::int32_t, 9> analysisFlags;
  std::array<char, 20> szScaleBy;
  // -- reports and privacy -------------------------------------------------
  WindowHandle hReportTable;
  std::array<char, 20> szPassword;
  // -- per-table state of higher subsystems ----------------------------------
  std::array<TableExtensionSlot, static_cast<int>(TableExtensionId::Count)> extensions;
};

// The window's view and input state: what is shown (scroll origin, client
// size, fonts, the off-screen image), the drags, picks and browsing in
// progress, and the windows linked to the table.
struct TableView {
  // -- operations holding the record (TableLock): while any does, a
  // destroyed window leaves its record to the last of them to free -----------
  std::int32_t iLockCount;
  std::int32_t bFreeOnUnlock;
  // -- the cell editor and the off-screen image ------------------------------
  WindowHandle hCellEdit;
  void* hBackBitmap;
  // -- linked windows: trend colour window, 3D plot, 2D chart, link flag -----
  WindowHandle hTrendWindow;
  WindowHandle hPlot3DWindow;
  WindowHandle hChartWindow;
  std::int32_t bLinked;
  WindowHandle hPartnerTable;  // data-processing partner
  // -- origins received from linked windows ----------------------------
  std::int32_t iPartnerTopRow;    // origin received from a data-processing partner
  std::int32_t iPartnerLeftCol;
  std::int32_t iLinkedTopRow;     // origin received from the first linked window
  std::int32_t iLinkedLeftCol;
  std::array<std::int32_t, 5> plot3DLink;
  std::int32_t iLastScrollBar;    // the bar that moved last (SCROLLBAR_HORZ / _VERT)
  // -- client area (set on every size change) --------------------------
  std::int32_t iClientWidth;
  std::int32_t iClientHeight;
  // -- header pick and pop-up menus ------------------------------------
  std::int32_t iPickedRow;
  std::int32_t iPickedCol;
  char cPickedBar;
  std::int32_t bSkipNextPopup;  // set by linked plots: the next pop-up request only clears it
  // -- mouse selection state (cleared with the selection) --------------
  std::int32_t iAutoScrollDir;  // running drag auto-scroll: 1 up .. 8 up-left, clockwise; 0 none
  std::int32_t bDragSelecting;  // the left button drags a selection
  std::int32_t bAddingRange;    // Ctrl started a new range during this press
  std::int32_t iShownEditRow;
  std::int32_t iShownEditCol;
  // -- mouse and keyboard input ----------------------------------------
  std::int32_t iSelectBar;      // what the current press selects: 'C', 'R' or 'D'
  std::int32_t bSeriesFill;     // a series-fill drag is in progress
  std::int32_t fillRowFrom;     // the one-row or one-column selection it extends
  std::int32_t fillRowTo;
  std::int32_t fillColFrom;
  std::int32_t fillColTo;
  std::int32_t iBrowseRow;      // cell under the pointer while right-button browsing,
  std::int32_t iBrowseCol;      // or at the last right click
  std::int32_t iLastBrowseRow;  // the previous browse cell
  std::int32_t iLastBrowseCol;
  std::int32_t bRightBrowsing;  // the right button is held over the table
  std::int32_t bPixelInfoOff;   // the image-pixel button hid the browse panel
  std::int32_t bActivating;     // just became active: the next press only activates
  std::int32_t bClickIgnored;   // the last press was ignored (its release and double click too)
  std::int32_t bFillingEditor;  // the table itself is writing the editor's text
  // -- scroll position as shown, image view ----------------------------
  std::int32_t iTopRow;
  std::int32_t iLeftCol;
  std::int32_t bImageView;
  // -- fonts, header resizing and the editor ---------------------------
  void* hCellFont;
  void* hBoldFont;
  void* hSmallFont;
  std::int32_t iColResize;
  std::int32_t iRowResize;
  std::int32_t bEditShown;
  std::int32_t iCaretHidden;
};

// A table window's record: its document and its view.
struct TableRecord : TableDocument, TableView {};
