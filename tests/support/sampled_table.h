// Test support: a table record made to look as a row-sampled file left it,
// without reading a file.
#pragma once

#include "files/sampling_blocks.h"
#include "table/table_record.h"

// The first block of a row-sampled file over rows 2..50 and columns 1..5,
// with its info cells in row 1, and the data extent it leaves.
inline void MakeRowSampled(TableRecord& t) {
  t.iSampleMode = SAMPLE_ROWS;
  t.iUsedRows = 51;
  t.iUsedCols = 6;
  SamplingBlock& block = t.blocks[0];
  block.bInUse = 1;
  block.iStartRow = 2;
  block.iEndRow = 50;
  block.iStartCol = 1;
  block.iEndCol = 5;
  block.iLimitRow = 50;
  block.iLimitCol = 5;
}
