// A first pass over a table file, read chunk by chunk: where its line keys
// stand, whether it is UTF-8, and how many lines and fields its cell lines
// need, so that the table can take their shape before they are read.
#pragma once

#include <cstdint>

#include "files/table_file_keys.h"
#include "files/text_source.h"

// No table file the program writes comes near this size (a full table with
// every cell, colour and style line is well under it); bytes beyond it are
// not read.
inline constexpr std::int64_t TABLE_FILE_READ_LIMIT = std::int64_t{1} << 30;

struct TableFileScan {
  TableFileKeys keys{};
  std::int64_t iStart = 0;  // the first byte after a UTF-8 byte-order mark
  std::int64_t iEnd = 0;    // the end of what is read: the file, or the read limit
  bool bLegacy = false;     // not valid UTF-8
  std::int64_t iCellLines = 0;
  std::int64_t iCellMaxFields = 0;  // the most fields in one cell line
};

// Scan the source up to `limit` bytes. 0, or -1 when it could not be read.
int ScanTableFile(const TextSource& source, std::int64_t limit, TableFileScan* scan);
