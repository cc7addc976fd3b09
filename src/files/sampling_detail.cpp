#include "files/sampling_detail.h"

#include <algorithm>
#include <string>

#include "table/cell_reference.h"
#include "files/sampling_blocks.h"
#include "files/text_read.h"
#include "files/text_source.h"
#include "formula/formula_registry.h"
#include "platform/cursor.h"
#include "platform/message_box.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_input_hooks.h"
#include "table/table_window.h"

namespace {

// a / b rounded up.
std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return b > 0 ? (a + b - 1) / b : a; }

// A step or position in 1 .. the int range.
int Clamp32(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, 1, 0x7FFFFFFF)); }

// The first line and field of the file that cell (row, col) of a block
// shows (both counted from 1).
int FileRowOf(const SamplingBlock& block, int row) {
  return Clamp32(static_cast<std::int64_t>(row - block.iStartRow) * block.iRowStep +
                 (block.iFileStartRow ? block.iFileStartRow : 1));
}

int FileColOf(const SamplingBlock& block, int col) {
  return Clamp32(static_cast<std::int64_t>(col - block.iStartCol) * block.iColStep +
                 (block.iFileStartCol ? block.iFileStartCol : 1));
}

// The first block not in use, or -1.
int FirstFreeBlock(const TableDocument& t) {
  for (int i = 0; i < SAMPLING_BLOCKS; ++i) {
    if (!t.blocks[i].bInUse) return i;
  }
  return -1;
}

// Frame a cell with a full thin border of the colour.
void MarkCell(TableDocument& t, int row, int col, const RgbColour& colour) {
  TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return;
  cell->iBorderStyle = 15;
  cell->iBorderRed = static_cast<std::int16_t>(colour.iRed);
  cell->iBorderGreen = static_cast<std::int16_t>(colour.iGreen);
  cell->iBorderBlue = static_cast<std::int16_t>(colour.iBlue);
}

// Empty a cell, removing a formula that targets it.
void EmptyCell(TableDocument& t, WindowHandle hwnd, int row, int col) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return;
  if (CellFormulaSlot(*cell) >= 0) FormulaDelete(hwnd, CellReference(row, col));
  TableStoreCellText(t, row, col, "");
}

// Take a block out: its info cells and data cells emptied, the block freed.
void RemoveBlock(TableDocument& t, WindowHandle hwnd, int index) {
  const SamplingBlock block = t.blocks[index];
  EmptyCell(t, hwnd, block.iStartRow - 1, block.iStartCol);
  EmptyCell(t, hwnd, block.iStartRow - 1, block.iStartCol + 1);
  for (int row = block.iStartRow; row <= block.iEndRow; ++row) {
    for (int col = block.iStartCol; col <= block.iEndCol; ++col) EmptyCell(t, hwnd, row, col);
  }
  SamplingBlockClear(t.blocks[index]);
}

// What a detail read needs once the record is unlocked.
struct DetailRead {
  int iChild = -1;
  std::int64_t iOffset = 0;
  std::int64_t iFileSize = 0;
  std::string path;
};

// Check the selection, plan the child block and find its file offset.
// 1 when there is something to read.
int PrepareDetail(TableRecord& t, DetailRead* read, SamplingBlock* child, TableRange* range) {
  int parent = -1;
  if (!SampledSelection(t, range, &parent)) return 0;
  read->iChild = FirstFreeBlock(t);
  if (read->iChild < 0 || PlanDetailBlock(t, parent, *range, child) != 0) return 0;
  SamplingBlock& p = t.blocks[parent];
  // A child of a row sample reads whole lines; the others begin at the
  // selection's first field.
  const int col = t.iSampleMode == SAMPLE_ROWS ? p.iStartCol : range->iColFrom;
  const std::int64_t* slot = SamplingCellOffset(p, range->iRowFrom, col);
  if (!slot || *slot <= 0) return 0;
  read->iOffset = *slot - 1;
  read->iFileSize = t.iFileSize;
  read->path = std::string(TextOf(t.szFileName));
  return 1;
}

}  // namespace

// The table commands.
int CmdGetDetailedData(WindowHandle hwnd, unsigned, std::intptr_t) { return GetDetailedData(hwnd); }

int CmdRemoveDetailedData(WindowHandle hwnd, unsigned, std::intptr_t) { return RemoveDetailedData(hwnd); }

RgbColour DetailBlockColour(int n) {
  const int hue = n <= 8 ? 8 * n : 8;
  const int saturation = std::max(1, 239 - 50 * ((n % 8) / 3));
  const int luminance = std::min(239, 120 + 20 * ((n % 8) % 3));
  return HlsToRgb(hue, saturation, luminance);
}

int PlanDetailBlock(const TableDocument& t, int parent, const TableRange& range, SamplingBlock* child) {
  const SamplingBlock& p = t.blocks[parent];
  SamplingBlock b{};
  b.iParent = parent;
  b.iParentRowFrom = range.iRowFrom;
  b.iParentRowTo = range.iRowTo;
  b.iParentColFrom = range.iColFrom;
  b.iParentColTo = range.iColTo;
  const std::int64_t rows = range.iRowTo - range.iRowFrom;
  const std::int64_t cols = range.iColTo - range.iColFrom;
  const int fileRow = FileRowOf(p, range.iRowFrom);
  const int fileCol = FileColOf(p, range.iColFrom);
  // The right edge and the bottom of everything placed so far; a block
  // counts at least its two info cells wide.
  int right = 0;
  int bottom = 0;
  for (const SamplingBlock& other : t.blocks) {
    if (!other.bInUse) continue;
    right = std::max({right, other.iEndCol, other.iStartCol + 1});
    bottom = std::max(bottom, other.iEndRow);
  }
  const int mode = t.iSampleMode;
  if (mode == SAMPLE_ROWS) {
    b.iStartRow = 2;
    b.iStartCol = right + 1;
    b.iLimitRow = t.iRows - 1;
    b.iLimitCol = std::min(t.iCols - 1, b.iStartCol + std::max(p.iEndCol - p.iStartCol, 0));
    b.iRowStep = rows == 0 ? 1 : Clamp32(rows * p.iRowStep / (t.iRows - 2));
    b.iColStep = 1;
    b.iFileRowCount = t.iRows - 2;
    b.iFileStartRow = fileRow;
  } else {
    b.iStartRow = bottom + 2;
    b.iStartCol = 1;
    b.iLimitCol = t.iCols - 1;
    if (mode == SAMPLE_COLS) {
      b.iRowStep = 1;
      b.iColStep = cols == 0 ? 1 : Clamp32(cols * p.iColStep / t.iCols + 1);
      b.iLimitRow = std::min<std::int64_t>(t.iRows - 1, b.iStartRow + rows);
    } else {
      b.iRowStep = rows == 0 ? 1 : Clamp32(CeilDiv(rows * p.iRowStep, t.iRows / 5));
      b.iColStep = cols == 0 ? 1 : Clamp32(CeilDiv(cols * p.iColStep, t.iCols));
      b.iLimitRow = std::min(t.iRows - 1, b.iStartRow + t.iRows / 5 - 1);
    }
    b.iFileRowCount = b.iLimitRow - b.iStartRow + 1;
    b.iFileStartRow = fileRow;
    b.iFileStartCol = fileCol;
  }
  // Both info cells and at least one data cell must lie inside the table.
  if (b.iStartRow < 2 || b.iStartRow > b.iLimitRow || b.iStartCol > b.iLimitCol || b.iStartCol + 1 >= t.iCols) return -1;
  b.iEndRow = b.iLimitRow;
  b.iEndCol = b.iLimitCol;
  CopyText(b.szInfo1, SampleStartText(mode, fileRow, fileCol));
  CopyText(b.szInfo2, SampleStepText(mode, b.iRowStep, b.iColStep));
  *child = b;
  return 0;
}

int GetDetailedData(WindowHandle hwnd) {
  DetailRead read;
  SamplingBlock child{};
  TableRange range{};
  {
    TableLockGuard t(hwnd);
    if (!t || PrepareDetail(*t.get(), &read, &child, &range) != 1) return 0;
  }
  // The offsets belong to the file as it was opened.
  TextSource source;
  if (source.Open(read.path) != 0) {
    ReportNotice(read.path, Text(TXT_OPEN_FILE_FAILED));
    return -1;
  }
  if (source.Size() != read.iFileSize) {
    ReportNotice(read.path, Text(TXT_IMPORT_FILE_CHANGED));
    return -1;
  }
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    t->blocks[read.iChild] = child;
    if (SamplingBlockAllocate(*t.get(), read.iChild) != 0) {
      ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_FILE_BUFFER_FAILED));
      return -1;
    }
    if (++t->iBlockHue > 72) t->iBlockHue = 0;
    const RgbColour colour = DetailBlockColour(t->iBlockHue);
    for (int row = range.iRowFrom; row <= range.iRowTo; ++row) {
      for (int col = range.iColFrom; col <= range.iColTo; ++col) MarkCell(*t.get(), row, col, colour);
    }
    MarkCell(*t.get(), child.iStartRow - 1, child.iStartCol, colour);
    MarkCell(*t.get(), child.iStartRow - 1, child.iStartCol + 1, colour);
  }
  SetWaitCursor(0);
  const int status = ReadTextIntoTable(hwnd, source, read.iOffset, read.iChild);
  SetWaitCursor(1);
  {
    // A block that received nothing could never be selected to be
    // removed: it goes at once.
    TableLockGuard t(hwnd);
    if (t && t->blocks[read.iChild].iEndRow < t->blocks[read.iChild].iStartRow) RemoveBlock(*t.get(), hwnd, read.iChild);
  }
  TableRepaint(hwnd);
  return status;
}

int RemoveDetailedData(WindowHandle hwnd) {
  int index = -1;
  std::string question;
  {
    TableLockGuard t(hwnd);
    if (!t || (index = BlockToRemove(*t.get())) < 0) return 0;
    const SamplingBlock& block = t->blocks[index];
    question = JoinText(Text(TXT_DETAIL_REMOVE_ASK), Text(TXT_DETAIL_REMOVE_ROW), FormatInt(block.iStartRow), ", ",
                        FormatInt(block.iEndRow), "]\r\n", Text(TXT_DETAIL_REMOVE_COL), FormatInt(block.iStartCol),
                        ", ", FormatInt(block.iEndCol), "]\r\n");
  }
  if (AskYesNo(Text(TXT_DETAIL_CAPTION_CONFIRM), question) != 1) return 0;
  {
    TableLockGuard t(hwnd);
    if (!t || !t->blocks[index].bInUse) return -1;
    RemoveBlock(*t.get(), hwnd, index);
    SelectFirstCell(*t.get());
  }
  TableRepaint(hwnd);
  return 0;
}

void InstallSamplingCommands() {
  TableHooks().pfnInSampledBlock = CellInSampledBlock;
}
