#include "table/table_init.h"

#include <algorithm>
#include <charconv>

#include "platform/memory.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_extension.h"
#include "table/table_range.h"

namespace {

// Give a cell the text and look of a data cell that was never written. A
// cell that has them already is only read, so capacity nobody wrote stays
// out of resident memory.
void ResetCellLook(TableCell& cell) {
  if (cell.szText[0] != '\0') ClearText(cell.szText);
  if (cell.iStoredStyle != 0 || cell.iStoredTextHue != 0 || cell.iStoredTextLum != 0 || cell.iStoredTextSat != 0) {
    SetCellStyle(cell, STYLE_AUTOMATIC);
    SetCellTextColour(cell, DEFAULT_TEXT_HUE, DEFAULT_TEXT_LUM, DEFAULT_TEXT_SAT);
  }
}

void WriteLabel(TableCell& cell, char letter, int number) {
  static_assert(CELL_TEXT_BYTES >= 1 + 11 + 1, "a label fits a cell");
  cell.szText[0] = letter;
  const auto [end, ec] = std::to_chars(cell.szText.data() + 1, cell.szText.data() + cell.szText.size() - 1, number);
  *(ec == std::errc() ? end : cell.szText.data() + 1) = '\0';
}

// Write the corner, the column labels and the labels of rows 1 up to (not
// including) `rowsTo`.
void WriteHeaderLabels(TableDocument& t, int rowsTo = TABLE_MAX_DIMENSION) {
  TableCell* cells = t.cells.data();
  ClearText(cells[0].szText);
  for (int col = 1; col < t.iCols; ++col) WriteLabel(cells[col], 'C', col);
  const int last = std::min(rowsTo, t.iRows);
  for (int row = 1; row < last; ++row) WriteLabel(cells[static_cast<std::size_t>(row) * t.iCols], 'R', row);
}

// Empty the header label cells a table of `rows` x `cols` has.
void ClearHeaderLabels(TableDocument& t, int rows, int cols) {
  TableCell* cells = t.cells.data();
  for (int col = 1; col < cols; ++col) ClearText(cells[col].szText);
  for (int row = 1; row < rows; ++row) ClearText(cells[static_cast<std::size_t>(row) * cols].szText);
}

// Whether nothing but the header labels for its size has been put into a
// table since it was initialised.
bool HoldsOnlyLabels(const TableRecord& t) {
  return t.iUsedRows == 0 && t.iUsedCols == 0 && t.iFormulaCount == 0 && t.bResized == 0 && t.bModified == 0 &&
         t.iGrownLongTextChunks == 0 && t.iLongTextFreeHint == 0;
}

}  // namespace

std::string_view SourceFileStem(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string_view::npos ? name : name.substr(0, dot + 1);
}

// The view of a new window: nothing linked, the origin at R1C1, no drag.
void TableInitView(TableView& t) {
  t.hTrendWindow = t.hPlot3DWindow = t.hChartWindow = WindowHandle::None;
  t.bLinked = 0;
  t.iTopRow = t.iLeftCol = 1;
  t.iColResize = t.iRowResize = -1;
  t.bImageView = 0;
  t.hBackBitmap = nullptr;
  t.bEditShown = 0;
  t.iCaretHidden = 0;
}

void TableInitRecord(TableRecord& t, int mode, std::string_view fileName, std::string_view sourceDir) {
  TableInitDocument(t, mode, fileName, sourceDir);
  TableInitView(t);
  SelectFirstCell(t);
}

void TableInitDocument(TableDocument& t, int mode, std::string_view fileName, std::string_view sourceDir) {
  // A record may be initialised again: what other parts kept for it goes.
  TableExtensionsRelease(t);
  ClearText(t.szUnitLabel);
  ClearText(t.szAdjustParam);
  t.iAdjustOp = 4;  // ignore
  t.iUnitMode = 0;  // postfix
  t.openParams.fill(0);
  t.iSortBy = SORT_BY_COLUMN;
  t.iSortOrder = SORT_ASCENDING;
  t.iSortCount = 0;
  ClearText(t.szFindText);
  ClearText(t.szFindLow);
  ClearText(t.szFindHigh);
  t.iFindMode = FIND_ABOVE;
  t.iHighlightStyle = HIGHLIGHT_SCALE;
  t.iFindRow = 1;
  t.iFindCol = 0;
  t.iRows = TABLE_NORMAL_ROWS;
  t.iCols = TABLE_NORMAL_COLS;
  t.iCellsReached = TABLE_NORMAL_ROWS * TABLE_NORMAL_COLS;
  ClearText(t.szPassword);
  CopyText(t.szScaleBy, "1.0");
  t.iSampleMode = 0;
  t.bResized = 0;
  t.iFileSize = 0;
  t.iFileRows = t.iFileCols = 0;
  t.iRowPhase = t.iColPhase = 0;
  t.iBlockHue = 0;
  t.cFileDelimiter = 0;
  t.bFileMerge = 0;
  t.bFileLegacy = 0;
  for (SamplingBlock& block : t.blocks) SamplingBlockClear(block);
  t.bRowsLocked = t.bColsLocked = 0;
  t.lockRowIndex.fill(0);
  t.lockColIndex.fill(0);
  t.lockRowUsed.fill(0);
  t.lockColUsed.fill(0);
  t.lockRowSlot.fill(0);
  t.lockColSlot.fill(0);
  t.bModified = 0;
  t.bReadOnly = 0;
  t.iOpenMode = mode;
  for (auto& decl : t.coordinateDecl) decl.fill(0);

  // A zero-filled cell is an empty data cell with the default look and no
  // formula, so every cell of the capacity is one already and a later
  // resize exposes only such cells; the cells are left untouched (and out
  // of resident memory) but for the header labels.
  WriteHeaderLabels(t);
  // The pool of a zero-filled record is empty already; leaving it untouched
  // keeps its 2.6 MB out of resident memory until texts arrive.
  LongTextFreeGrown(t);
  t.iLongTextFreeHint = 0;
  t.iLongTextLost = 0;

  t.iPendingStyle = STYLE_AUTOMATIC;
  t.iColourState = COLOUR_STATE_NORMAL;
  CopyText(t.szFileName, fileName);
  const bool fileMode = mode == OPEN_FILE || mode == OPEN_MODAS || mode == OPEN_NETCDF || mode == OPEN_STOCK;
  CopyText(t.szSourceDir, fileMode ? sourceDir : std::string_view());
  CopyText(t.szSourceFile, fileMode ? SourceFileStem(fileName) : std::string_view());

  t.bUndoFileExists = 0;
  t.iUndoKind = UNDO_NONE;
  t.undoRect.fill(0);
  t.iUndoSelKind = SELECT_BLOCK;
  t.undoExtent.fill(0);
  t.iFormulaCount = 0;
  t.iCurrentFormula = 0;
  t.iRunDecimals = -1;
  t.iFormulaTargetRow = t.iFormulaTargetCol = -1;
  t.iFormulaCellMode = t.iFormulaCellRow = t.iFormulaCellCol = 0;
  t.bShowRefs = 0;
  // The zero-filled formula slots are free already (FORMULA_FREE is 0).

  t.colWidth[0] = 40;
  for (int i = 1; i < TABLE_MAX_DIMENSION; ++i) t.colWidth[i] = 80;
  t.rowHeight.fill(18);
  t.iLoadedRows = t.iLoadedCols = 0;
  t.iPrintOption1 = t.iPrintOption2 = 1;
  t.iDefaultColWidth = 80;
  t.iUsedRows = t.iUsedCols = 0;
  t.dMaxValue = -99999.0;
  t.dMinValue = 99999.0;
  t.iEditRow = t.iEditCol = 0;

  t.highlightColour = {255, 0, 0};
  t.analysisDefaults = {2, 999, 46, 2, 25, 33, 0, 200, 230, 333, 111, 20, 20, 99, 119};
  t.analysisFlags.fill(1);
  t.hReportTable = WindowHandle::None;
}

void RelabelHeaders(TableDocument& t) {
  // Every text goes, so the whole pool is free again. Cells outside the new
  // size are emptied too: a later resize must not bring back references to
  // slots that new texts have taken since. Cells the table never reached
  // are untouched defaults already.
  const int reached = std::clamp(t.iCellsReached, 0, TABLE_CELL_CAPACITY);
  for (int i = 0; i < reached; ++i) ResetCellLook(t.cells[static_cast<std::size_t>(i)]);
  LongTextClearAll(t);
  WriteHeaderLabels(t);
}

int SetImportTableSize(TableDocument& t, int rows, int cols) {
  if (rows < TABLE_MIN_DIMENSION || cols < TABLE_MIN_DIMENSION || rows > TABLE_MAX_DIMENSION ||
      cols > TABLE_MAX_DIMENSION || static_cast<long long>(rows) * cols > TABLE_CELL_CAPACITY) {
    return -1;
  }
  t.iRows = rows;
  t.iCols = cols;
  t.iCellsReached = std::max(t.iCellsReached, rows * cols);
  t.bResized = 1;
  t.bReadOnly = 1;
  return 0;
}

void TableWriteRowLabel(TableDocument& t, int row) {
  if (row < 1 || row >= t.iRows) return;
  WriteLabel(t.cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(t.iCols)], 'R', row);
}

int ResizeNewTable(TableRecord& t, int rows, int cols, int labelsFrom) {
  const bool onlyLabels = HoldsOnlyLabels(t);
  const int oldRows = t.iRows;
  const int oldCols = t.iCols;
  if (SetImportTableSize(t, rows, cols) != 0) return -1;
  if (!onlyLabels) {
    RelabelHeaders(t);
    return 0;
  }
  ClearHeaderLabels(t, oldRows, oldCols);
  TablePrepareRows(t, 0, rows, 1);
  WriteHeaderLabels(t, labelsFrom);
  return 0;
}

int TablePrepareRows(TableDocument& t, int firstRow, int rows, int usedCols) {
  const int first = std::clamp(firstRow, 0, t.iRows);
  const int last = std::clamp(firstRow + rows, first, t.iRows);
  const std::size_t stride = static_cast<std::size_t>(t.iCols) * sizeof(TableCell);
  // The bytes of a row the writes reach: the used cells and, at worst, one
  // page beside them.
  const std::size_t reached = std::min(stride, static_cast<std::size_t>(std::max(usedCols, 0)) * sizeof(TableCell) + 4096);
  if (last <= first || reached * 2 < stride) return 0;
  const std::size_t begin = static_cast<std::size_t>(first) * static_cast<std::size_t>(t.iCols);
  const std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(last) * static_cast<std::size_t>(t.iCols),
                                                TABLE_CELL_CAPACITY);
  if (end <= begin) return 0;
  MemoryPrepareForFill(&t.cells[begin], (end - begin) * sizeof(TableCell));
  return 1;
}
