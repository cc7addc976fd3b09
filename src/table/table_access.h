// Reaching a table's record through its window.
#pragma once

#include "platform/window.h"
#include "table/table_record.h"

inline constexpr const char* TABLE_WINDOW_CLASS = "AccessTables";

// The record of a table window, or null when the window is not a live table
// window. Every lock is paired with TableUnlock before the operation returns.
TableRecord* TableLock(WindowHandle hwnd);
void TableUnlock(WindowHandle hwnd);

// Lock for the lifetime of a scope.
class TableLockGuard {
 public:
  explicit TableLockGuard(WindowHandle hwnd) : hwnd_(hwnd), record_(TableLock(hwnd)) {}
  ~TableLockGuard() {
    if (record_) TableUnlock(hwnd_);
  }
  TableLockGuard(const TableLockGuard&) = delete;
  TableLockGuard& operator=(const TableLockGuard&) = delete;
  TableRecord* get() const { return record_; }
  TableRecord* operator->() const { return record_; }
  explicit operator bool() const { return record_ != nullptr; }

 private:
  WindowHandle hwnd_;
  TableRecord* record_;
};

// Allocate a zero-filled record (null when memory is short) and free one.
TableRecord* TableAllocRecord();
void TableFreeRecord(TableRecord* record);

// Free a sampling block's file offsets and clear the block.
void SamplingBlockClear(SamplingBlock& block);

// Number of locks currently held on all tables (a balance check for tests).
int TableLocksHeld();
