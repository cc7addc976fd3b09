#include "files/sampling_blocks.h"


#include "platform/memory.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/table_access.h"

namespace {

// The table holds a sample of its file.
bool IsSampled(const TableDocument& t) {
  return t.iSampleMode == SAMPLE_ROWS || t.iSampleMode == SAMPLE_COLS || t.iSampleMode == SAMPLE_BOTH;
}

// Width and height of the area a block may fill.
int AreaCols(const SamplingBlock& block) { return block.iLimitCol - block.iStartCol + 1; }
int AreaRows(const SamplingBlock& block) { return block.iLimitRow - block.iStartRow + 1; }

}  // namespace

std::string SampleSizeText(std::int64_t fileRows, std::int64_t fileCols) {
  return JoinText(Text(TXT_INFO_FILE_SIZE), FormatInt(fileRows), ",", FormatInt(fileCols), ")");
}

std::string SampleStepText(int mode, int rowStep, int colStep) {
  if (mode == SAMPLE_ROWS) return JoinText(Text(TXT_INFO_ROW_STEP), FormatInt(rowStep));
  if (mode == SAMPLE_COLS) return JoinText(Text(TXT_INFO_COL_STEP), FormatInt(colStep));
  return JoinText(Text(TXT_INFO_BOTH_STEP), FormatInt(rowStep), ", ", FormatInt(colStep));
}

std::string SampleStartText(int mode, int fileRow, int fileCol) {
  if (mode == SAMPLE_ROWS) return JoinText(Text(TXT_INFO_START_ROW), FormatInt(fileRow));
  if (mode == SAMPLE_COLS) return JoinText(Text(TXT_INFO_START_COL), FormatInt(fileCol));
  return JoinText(Text(TXT_INFO_START_BOTH), FormatInt(fileRow), ",", FormatInt(fileCol));
}

int SamplingBlockAllocate(TableDocument& t, int index) {
  if (index < 0 || index >= SAMPLING_BLOCKS) return -1;
  SamplingBlock& block = t.blocks[index];
  MemoryFree(block.cellOffset);
  block.cellOffset = nullptr;
  const long long cells = static_cast<long long>(AreaRows(block)) * AreaCols(block);
  if (block.iStartRow < 1 || block.iStartCol < 1 || AreaRows(block) < 1 || AreaCols(block) < 1 ||
      block.iLimitRow >= t.iRows || block.iLimitCol >= t.iCols || cells > TABLE_CELL_CAPACITY) {
    SamplingBlockClear(block);
    return -1;
  }
  block.cellOffset = static_cast<std::int64_t*>(MemoryAllocZeroed(static_cast<std::size_t>(cells) * sizeof(std::int64_t)));
  if (!block.cellOffset) {
    SamplingBlockClear(block);
    return -1;
  }
  block.bInUse = 1;
  return 0;
}

std::int64_t* SamplingCellOffset(SamplingBlock& block, int row, int col) {
  if (!block.cellOffset || row < block.iStartRow || row > block.iLimitRow || col < block.iStartCol ||
      col > block.iLimitCol) {
    return nullptr;
  }
  const std::size_t index = static_cast<std::size_t>(row - block.iStartRow) * static_cast<std::size_t>(AreaCols(block)) +
                            static_cast<std::size_t>(col - block.iStartCol);
  return block.cellOffset + index;
}

int SamplingBlockHolding(const TableDocument& t, const TableRange& range) {
  for (int i = 0; i < SAMPLING_BLOCKS; ++i) {
    const SamplingBlock& block = t.blocks[i];
    if (!block.bInUse) continue;
    if (range.iRowFrom >= block.iStartRow && range.iRowTo <= block.iEndRow && range.iColFrom >= block.iStartCol &&
        range.iColTo <= block.iEndCol) {
      return i;
    }
  }
  return -1;
}

int RangeInSampledBlock(const TableDocument& t, const TableRange& range) {
  if (!IsSampled(t)) return 0;
  const auto overlaps = [&range](int rowFrom, int rowTo, int colFrom, int colTo) {
    return range.iRowFrom <= rowTo && range.iRowTo >= rowFrom && range.iColFrom <= colTo && range.iColTo >= colFrom;
  };
  for (const SamplingBlock& block : t.blocks) {
    if (!block.bInUse) continue;
    const bool inData = overlaps(block.iStartRow, block.iEndRow, block.iStartCol, block.iEndCol);
    const bool inInfo = overlaps(block.iStartRow - 1, block.iStartRow - 1, block.iStartCol, block.iStartCol + 1);
    if (inData || inInfo) return 1;
  }
  return 0;
}

int CellInSampledBlock(const TableDocument& t, int row, int col) {
  return RangeInSampledBlock(t, TableRange{row, row, col, col});
}

int SampledSelection(TableRecord& t, TableRange* range, int* block) {
  if (!IsSampled(t) || t.bImageView || t.iSelCurrent != 0 || t.selKind[0] != SELECT_BLOCK) return 0;
  if (TableGetRange(t, 0, RANGES_SELECTION, range) != 0) return 0;
  *block = SamplingBlockHolding(t, *range);
  return *block >= 0 ? 1 : 0;
}

int BlockToRemove(TableRecord& t) {
  if (!IsSampled(t) || t.bImageView) return -1;
  for (int i = SAMPLING_BLOCKS - 1; i >= 0; --i) {
    const SamplingBlock& block = t.blocks[i];
    if (!block.bInUse) continue;
    const int row = t.iBrowseRow;
    const int col = t.iBrowseCol;
    const bool inData = row >= block.iStartRow && row <= block.iEndRow && col >= block.iStartCol && col <= block.iEndCol;
    const bool inInfo = row == block.iStartRow - 1 && (col == block.iStartCol || col == block.iStartCol + 1);
    if (inData || inInfo) return i;
  }
  TableRange range{};
  int block = -1;
  return SampledSelection(t, &range, &block) ? block : -1;
}

int DetailAvailable(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  TableRange range{};
  int block = -1;
  return t ? SampledSelection(*t.get(), &range, &block) : 0;
}
