// Reaching a table's record through its window.
#pragma once

#include "platform/window.h"
#include "table/table_record.h"

inline constexpr const char* TABLE_WINDOW_CLASS = "AccessTables";

// The record of a table window, or null when the window is not a live table
// window. Every lock is paired with an unlock before the operation returns.
// A lock keeps the record alive: when the window is destroyed meanwhile (a
// dialog of the operation let the user close it), the record stays valid
// and the last unlock frees it. All tables live on the window thread, so a
// lock guards the record's lifetime, not concurrent access.
TableRecord* TableLock(WindowHandle hwnd);
// Unlock the record of a live window (nothing once the window is gone).
void TableUnlock(WindowHandle hwnd);
// Unlock a record taken with TableLock, whether or not its window lives.
void TableUnlockRecord(TableRecord* record);

// The window's record is no longer its: free it now, or at the last unlock
// when operations still hold it.
void TableReleaseRecord(TableRecord* record);

// Lock for the lifetime of a scope.
class TableLockGuard {
 public:
  explicit TableLockGuard(WindowHandle hwnd) : record_(TableLock(hwnd)) {}
  ~TableLockGuard() {
    if (record_) TableUnlockRecord(record_);
  }
  TableLockGuard(const TableLockGuard&) = delete;
  TableLockGuard& operator=(const TableLockGuard&) = delete;
  TableRecord* get() const { return record_; }
  TableRecord* operator->() const { return record_; }
  explicit operator bool() const { return record_ != nullptr; }

 private:
  TableRecord* record_;
};

// Allocate a zero-filled record (null when memory is short) and free one.
TableRecord* TableAllocRecord();
void TableFreeRecord(TableRecord* record);

// Free a sampling block's file offsets and clear the block.
void SamplingBlockClear(SamplingBlock& block);

// Number of locks currently held on all tables (a balance check for tests).
int TableLocksHeld();
