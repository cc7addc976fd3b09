#include "files/text_size.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <new>
#include <string>

#include "files/sampling_blocks.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

std::size_t iChunkBytes = IMPORT_CHUNK_BYTES;

// A count that did not fit a record field: the largest int32.
std::int32_t Clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

// a / b rounded up.
std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return b > 0 ? (a + b - 1) / b : a; }

// Block 0 of a sample: where it starts, its steps and info texts, and the
// area it may fill (no more columns than the sampled fields need).
int SetUpFirstBlock(TableDocument& t, int mode, std::int64_t fileRows, std::int64_t fileCols) {
  SamplingBlock& block = t.blocks[0];
  SamplingBlockClear(block);
  block.iStartRow = 2;
  block.iStartCol = 1;
  block.iFileRowCount = Clamp32(fileRows);
  block.iParent = 0;
  std::int64_t rowStep = 1;
  std::int64_t colStep = 1;
  if (mode == SAMPLE_ROWS) {
    block.iEndRow = t.iRows;
    block.iEndCol = Clamp32(1 + fileCols);
    rowStep = CeilDiv(fileRows, t.iRows);
  } else if (mode == SAMPLE_COLS) {
    block.iEndRow = Clamp32(2 + fileRows);
    block.iEndCol = t.iCols;
    colStep = CeilDiv(fileCols, t.iCols);
  } else {
    block.iEndRow = t.iRows / 5;
    block.iEndCol = t.iCols;
    rowStep = CeilDiv(fileRows, t.iRows / 5);
    colStep = CeilDiv(fileCols, t.iCols);
  }
  block.iRowStep = Clamp32(std::max<std::int64_t>(rowStep, 1));
  block.iColStep = Clamp32(std::max<std::int64_t>(colStep, 1));
  CopyText(block.szInfo1, SampleSizeText(fileRows, fileCols));
  CopyText(block.szInfo2, SampleStepText(mode, block.iRowStep, block.iColStep));

  // Rows: the table's last row; with both sampled a fifth of the table,
  // leaving room below for detail; with columns sampled one per line.
  std::int64_t lastRow = t.iRows - 1;
  if (mode == SAMPLE_BOTH) lastRow = std::min<std::int64_t>(lastRow, block.iStartRow + t.iRows / 5 - 1);
  if (mode == SAMPLE_COLS) lastRow = std::min<std::int64_t>(lastRow, block.iStartRow + std::max<std::int64_t>(fileRows - 1, 1) - 1);
  // Columns: the fields of the longest line at the column step.
  const std::int64_t fields = std::max<std::int64_t>(fileCols - 1, 1);
  const std::int64_t lastCol = std::min<std::int64_t>(t.iCols - 1, block.iStartCol - 1 + CeilDiv(fields, block.iColStep));
  block.iLimitRow = static_cast<int>(lastRow);
  block.iLimitCol = static_cast<int>(lastCol);
  return SamplingBlockAllocate(t, 0);
}

}  // namespace

std::size_t TextImportChunkBytes() { return iChunkBytes; }

std::size_t ImportBufferBytes(const TextSource& source, std::int64_t start, std::size_t chunk) {
  const std::int64_t left = source.Size() - std::max<std::int64_t>(start, 0);
  return static_cast<std::size_t>(std::clamp<std::int64_t>(left, 0, static_cast<std::int64_t>(chunk))) + 1;
}

void TextImportSetChunkBytes(std::size_t bytes) {
  iChunkBytes = bytes == 0 ? IMPORT_CHUNK_BYTES : std::min(bytes, IMPORT_BUFFER_BYTES);
}

int CountTextSource(const TextSource& source, std::int64_t start, const TextSyntax& syntax, TextCount* count) {
  *count = TextCount{};
  const std::size_t chunk = TextImportChunkBytes();
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[ImportBufferBytes(source, start, chunk)]);
  if (!buffer) return -2;
  for (std::int64_t at = std::max<std::int64_t>(start, 0); at < source.Size();) {
    const char* bytes = nullptr;
    const std::int64_t got = source.Read(at, buffer.get(), chunk, &bytes);
    if (got < 0) return -1;
    if (got == 0) break;  // the file became shorter: count what was there
    CountTextBytes(*count, bytes, static_cast<std::size_t>(got), syntax);
    at += got;
  }
  CountTextEnd(*count);
  return 0;
}

int DecideImportSize(TableDocument& t, std::int64_t fileRows, std::int64_t fileCols) {
  t.iFileRows = Clamp32(fileRows);
  t.iFileCols = Clamp32(fileCols);
  const std::int64_t R = fileRows;
  const std::int64_t K = fileCols;
  const std::int64_t capacity = TABLE_CELL_CAPACITY;
  int mode = SAMPLE_NONE;
  if (R > t.iRows && K > t.iCols) {
    mode = SAMPLE_BOTH;
  } else {
    if (R > 2000) {
      if (R > 16384) {
        if (K <= 10) {
          SetImportTableSize(t, TABLE_MAX_DIMENSION, TABLE_MIN_DIMENSION);
          mode = SAMPLE_ROWS;
        } else {
          mode = SAMPLE_BOTH;
        }
      } else if (K < capacity / R) {
        SetImportTableSize(t, static_cast<int>(R), static_cast<int>(capacity / R));
      } else {
        mode = SAMPLE_BOTH;
      }
    }
    if (K > 370) {
      if (K > 16384) {
        if (R <= 10) {
          SetImportTableSize(t, TABLE_MIN_DIMENSION, TABLE_MAX_DIMENSION);
          mode = SAMPLE_COLS;
        } else {
          mode = SAMPLE_BOTH;
        }
      } else if (R < capacity / K) {
        SetImportTableSize(t, static_cast<int>(capacity / K), static_cast<int>(K));
      } else {
        mode = SAMPLE_BOTH;
      }
    }
  }
  t.iSampleMode = mode;
  if (mode != SAMPLE_NONE) {
    t.bReadOnly = 1;
    if (SetUpFirstBlock(t, mode, R, K) != 0) {
      t.iSampleMode = SAMPLE_NONE;
      return -1;
    }
  }
  return mode != SAMPLE_NONE || t.bResized ? 1 : 0;
}

int ScanTextSize(WindowHandle hwnd, const TextSource& source, std::int64_t start, const TextSyntax& syntax) {
  std::string path;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    path = std::string(TextOf(t->szFileName));
  }
  TextCount count;
  const int counted = CountTextSource(source, start, syntax, &count);
  if (counted == -2) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_FILE_BUFFER_FAILED));
    return -1;
  }
  if (counted != 0) {
    ReportNotice(path, Text(TXT_READ_FILE_DATA_FAILED));
    return -1;
  }
  int decided = 0;
  int mode = SAMPLE_NONE;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    t->cFileDelimiter = syntax.cDelimiter;
    t->bFileMerge = syntax.bMerge ? 1 : 0;
    t->bFileLegacy = Utf8CheckDone(count.utf8) ? 0 : 1;
    decided = DecideImportSize(*t.get(), count.iLines + 1, count.iMaxFields + 1);
    mode = t->iSampleMode;
  }
  if (decided < 0) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_FILE_BUFFER_FAILED));
    return -1;
  }
  if (mode != SAMPLE_NONE) {
    ReportNotice(Text(TXT_IMPORT_NOTE_CAPTION), JoinText(path, "\r\n\r\n", Text(TXT_IMPORT_SAMPLED_NOTE)));
  }
  return decided;
}
