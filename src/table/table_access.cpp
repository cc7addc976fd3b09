#include "table/table_access.h"

#include "platform/memory.h"
#include "table/long_text.h"
#include "table/table_extension.h"

namespace {
int iLocksHeld = 0;
}

TableRecord* TableLock(WindowHandle hwnd) {
  if (WindowClassName(hwnd) != TABLE_WINDOW_CLASS) return nullptr;
  auto* record = static_cast<TableRecord*>(WindowUserData(hwnd));
  if (record) ++iLocksHeld;
  return record;
}

void TableUnlock(WindowHandle hwnd) {
  if (WindowClassName(hwnd) == TABLE_WINDOW_CLASS && WindowUserData(hwnd) && iLocksHeld > 0) {
    --iLocksHeld;
  }
}

TableRecord* TableAllocRecord() {
  return static_cast<TableRecord*>(MemoryAllocZeroed(sizeof(TableRecord)));
}

void TableFreeRecord(TableRecord* record) {
  if (record) {
    TableExtensionsRelease(*record);
    LongTextFreeGrown(*record);
    for (SamplingBlock& block : record->blocks) SamplingBlockClear(block);
  }
  MemoryFree(record);
}

void SamplingBlockClear(SamplingBlock& block) {
  MemoryFree(block.cellOffset);
  block = SamplingBlock{};
}

int TableLocksHeld() { return iLocksHeld; }
