// Sampling blocks: the areas of a sampled table that were filled from its
// file at one step each, their info cells and the file offsets of their
// cells.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window.h"
#include "table/table_range.h"
#include "table/table_record.h"

// The texts of the info cells above a block.
std::string SampleSizeText(std::int64_t fileRows, std::int64_t fileCols);  // FileSizeRC(R,K)
std::string SampleStepText(int mode, int rowStep, int colStep);            // R step=, C step=, R,C step=
std::string SampleStartText(int mode, int fileRow, int fileCol);           // FileStartR=, ...

// Give block `index` its file offsets for the area iStartRow..iLimitRow x
// iStartCol..iLimitCol and mark it in use. -1 when the area is empty or
// memory is short; the block is cleared then.
int SamplingBlockAllocate(TableDocument& t, int index);

// The offset slot of cell (row, col) of a block (file offset + 1, 0 for
// none), or null outside the block's area.
std::int64_t* SamplingCellOffset(SamplingBlock& block, int row, int col);

// The first block in use whose data area holds the whole range, or -1.
int SamplingBlockHolding(const TableDocument& t, const TableRange& range);

// 1 when some cell of `range` (ordered) lies in a block of a sampled
// table, its info cells included; 0 otherwise.
int RangeInSampledBlock(const TableDocument& t, const TableRange& range);

// 1 when (row, col) lies in a block of a sampled table, its info cells
// included; 0 otherwise.
int CellInSampledBlock(const TableDocument& t, int row, int col);

// The single selected block range of a sampled table outside colour-image
// view, and the block that holds it: 1 when detail can be fetched for the
// selection (the menus' test), else 0.
int SampledSelection(TableRecord& t, TableRange* range, int* block);
int DetailAvailable(WindowHandle hwnd);

// The block a removal takes: the one under the last right-clicked cell
// (its info cells included), else the one of the selection; -1 for none.
int BlockToRemove(TableRecord& t);
