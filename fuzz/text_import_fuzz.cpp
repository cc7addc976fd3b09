// libFuzzer target: random bytes through the size scan, the size decision,
// the chunked reader and the placement of detail blocks, all on a buffer.
//
// The first four bytes choose how; the rest is the text:
//   byte 0  bits 0-1: delimiter (TAB only, ',', ' ', TAB chosen in the
//           wizard); bit 2: merge runs; bit 3: read into a sampling block
//   byte 1  the chunk size of the second read (1 .. 97 bytes)
//   byte 2  row step of the sampling block (1 .. 8); also picks a selection
//   byte 3  column step (1 .. 4); also picks a selection
//
// Besides the sanitizers, it stops (trap) when
//   - a read in small chunks stores anything else than a read in one chunk;
//   - a read that was not cut short saw another number of lines than the
//     scan counted;
//   - a cell's remembered offset does not lead a new read to the same text;
//   - a size decision or a planned detail block leaves the table's bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/sampling_blocks.h"
#include "files/sampling_detail.h"
#include "files/text_import.h"
#include "files/text_read.h"
#include "files/text_size.h"
#include "files/text_source.h"
#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr int kRows = 51;  // a small table keeps every run cheap
constexpr int kCols = 51;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

TableRecord* NewTable() {
  TableRecord* t = TableAllocRecord();
  if (t) TableInitRecord(*t, OPEN_FILE, "fuzz.txt", "");
  return t;
}

// Back to an empty small table: only the cells and pool slots a run can
// have used are cleared.
void ResetTable(TableRecord& t) {
  for (SamplingBlock& block : t.blocks) SamplingBlockClear(block);
  t.iRows = kRows;
  t.iCols = kCols;
  for (int i = 0; i < kRows * kCols; ++i) {
    TableCell& cell = t.cells[static_cast<std::size_t>(i)];
    ClearText(cell.szText);
    SetCellStyle(cell, STYLE_AUTOMATIC);
    SetCellFormulaSlot(cell, -1);
  }
  LongTextClearAll(t);
  t.iSampleMode = SAMPLE_NONE;
  t.iUsedRows = t.iUsedCols = 0;
  t.dMaxValue = -99999.0;
  t.dMinValue = 99999.0;
}

// A sampling block at (row, col) that may fill up to the given last cell.
void SetBlock(TableRecord& t, int index, int row, int col, int lastRow, int lastCol, int rowStep, int colStep) {
  SamplingBlock& block = t.blocks[index];
  SamplingBlockClear(block);
  block.iStartRow = row;
  block.iStartCol = col;
  block.iLimitRow = lastRow;
  block.iLimitCol = lastCol;
  block.iEndRow = lastRow;
  block.iEndCol = lastCol;
  block.iRowStep = rowStep;
  block.iColStep = colStep;
  CopyText(block.szInfo1, "info");
  CopyText(block.szInfo2, "step");
  t.iSampleMode = SAMPLE_BOTH;
  Check(SamplingBlockAllocate(t, index) == 0);
}

TextReadState ReadState(const TextSyntax& syntax, bool legacy) {
  TextReadState state;
  state.syntax = syntax;
  state.bLegacy = legacy;
  return state;
}

// The size decision for the counted size on a normal new table: the
// table stays within its limits and a sample fits its block.
void CheckDecision(TableRecord& t, const TextCount& count) {
  SamplingBlockClear(t.blocks[0]);
  t.iRows = TABLE_NORMAL_ROWS;
  t.iCols = TABLE_NORMAL_COLS;
  t.bResized = t.bReadOnly = 0;
  t.iSampleMode = SAMPLE_NONE;
  const std::int64_t rows = count.iLines + 1;
  const std::int64_t cols = count.iMaxFields + 1;
  if (DecideImportSize(t, rows, cols) < 0) return;  // memory
  Check(t.iRows >= TABLE_MIN_DIMENSION && t.iCols >= TABLE_MIN_DIMENSION);
  Check(static_cast<long long>(t.iRows) * t.iCols <= TABLE_CELL_CAPACITY);
  if (t.iSampleMode == SAMPLE_NONE) {
    Check(rows <= t.iRows && cols <= t.iCols);
    return;
  }
  const SamplingBlock& block = t.blocks[0];
  Check(block.bInUse && block.iRowStep >= 1 && block.iColStep >= 1);
  Check(block.iLimitRow < t.iRows && block.iLimitCol < t.iCols);
  Check((cols - 1 + block.iColStep - 1) / block.iColStep <= t.iCols - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TableRecord* a = NewTable();
  static TableRecord* b = NewTable();
  static TableRecord* decide = NewTable();
  if (!a || !b || !decide || size < 4 || size > 65536) return 0;
  const std::uint8_t flags = data[0];
  TextSyntax syntax;
  const char delimiters[] = {0, ',', ' ', '\t'};
  syntax.cDelimiter = delimiters[flags & 3];
  syntax.bMerge = (flags & 4) != 0;
  const bool sampled = (flags & 8) != 0;
  const std::size_t chunk = 1 + data[1] % 97;
  const int rowStep = 1 + data[2] % 8;
  const int colStep = 1 + data[3] % 4;
  const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);
  TextSource source;
  source.UseMemory(text);
  DialogScriptBegin();

  std::size_t preview = 0;
  SniffTabs(text.data(), text.size(), &preview);
  Check(preview <= text.size());

  TextImportSetChunkBytes(0);
  TextCount count;
  Check(CountTextSource(source, 0, syntax, &count) == 0);
  const bool legacy = !Utf8CheckDone(count.utf8);
  CheckDecision(*decide, count);

  // The same text in one chunk and in small ones.
  ResetTable(*a);
  ResetTable(*b);
  if (sampled) {
    SetBlock(*a, 0, 2, 1, kRows - 1, kCols - 1, rowStep, colStep);
    SetBlock(*b, 0, 2, 1, kRows - 1, kCols - 1, rowStep, colStep);
  }
  TextReadState whole = ReadState(syntax, legacy);
  TextReadState pieces = ReadState(syntax, legacy);
  Check(ReadTextSource(*a, whole, source, 0, 0) == 0);
  TextImportSetChunkBytes(chunk);
  Check(ReadTextSource(*b, pieces, source, 0, 0) == 0);
  TextImportSetChunkBytes(0);
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kCols; ++col) {
      Check(TableCellDisplayText(*a, row, col) == TableCellDisplayText(*b, row, col));
    }
  }
  Check(whole.iLines == pieces.iLines);
  const int lastRow = sampled ? a->blocks[0].iLimitRow : kRows - 1;
  if (whole.iRow <= lastRow) Check(whole.iLines == count.iLines);

  if (sampled) {
    // A read from a cell's offset finds the cell's text first.
    SamplingBlock& block = a->blocks[0];
    int tried = 0;
    for (int row = block.iStartRow; row <= block.iEndRow && tried < 4; ++row) {
      for (int col = block.iStartCol; col <= block.iEndCol && tried < 4; col += 3) {
        const std::int64_t* slot = SamplingCellOffset(block, row, col);
        if (!slot || *slot == 0) continue;
        ++tried;
        ResetTable(*b);
        SetBlock(*b, 1, 2, 1, 2, 1, 1, 1);
        TextReadState again = ReadState(syntax, legacy);
        Check(ReadTextSource(*b, again, source, *slot - 1, 1) == 0);
        Check(TableCellDisplayText(*b, 2, 1) == TableCellDisplayText(*a, row, col));
      }
    }
    // A detail of a selection inside block 0 stays inside the table.
    if (block.iEndRow >= block.iStartRow && block.iEndCol >= block.iStartCol) {
      const int height = block.iEndRow - block.iStartRow + 1;
      const int width = block.iEndCol - block.iStartCol + 1;
      const int r0 = block.iStartRow + data[2] % height;
      const int c0 = block.iStartCol + data[3] % width;
      const TableRange range{r0, r0 + data[1] % (block.iEndRow - r0 + 1), c0, c0 + data[0] % (block.iEndCol - c0 + 1)};
      for (const int mode : {SAMPLE_ROWS, SAMPLE_COLS, SAMPLE_BOTH}) {
        a->iSampleMode = mode;
        SamplingBlock child{};
        if (PlanDetailBlock(*a, 0, range, &child) != 0) continue;
        Check(child.iStartRow >= 2 && child.iStartCol >= 1 && child.iStartCol + 1 < a->iCols);
        Check(child.iLimitRow < a->iRows && child.iLimitCol < a->iCols);
        Check(child.iStartRow <= child.iLimitRow && child.iStartCol <= child.iLimitCol);
        Check(child.iRowStep >= 1 && child.iColStep >= 1);
      }
    }
  }
  DialogScriptEnd();
  return 0;
}
