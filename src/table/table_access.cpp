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
  if (record) {
    ++record->iLockCount;
    ++iLocksHeld;
  }
  return record;
}

void TableUnlock(WindowHandle hwnd) {
  if (WindowClassName(hwnd) != TABLE_WINDOW_CLASS) return;
  TableUnlockRecord(static_cast<TableRecord*>(WindowUserData(hwnd)));
}

void TableUnlockRecord(TableRecord* record) {
  // An unlock without a lock changes nothing.
  if (!record || record->iLockCount <= 0) return;
  --record->iLockCount;
  if (iLocksHeld > 0) --iLocksHeld;
  if (record->iLockCount == 0 && record->bFreeOnUnlock) TableFreeRecord(record);
}

void TableReleaseRecord(TableRecord* record) {
  if (!record) return;
  if (record->iLockCount > 0) {
    record->bFreeOnUnlock = 1;
    return;
  }
  TableFreeRecord(record);
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
