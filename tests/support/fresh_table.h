// Test support: a table record as a new table window initialises it, kept
// for the lifetime of a scope.
#pragma once

#include <string>
#include <string_view>

#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_init.h"

class FreshTable {
 public:
  explicit FreshTable(int mode = OPEN_NEW, std::string_view fileName = "New Table", std::string_view sourceDir = "")
      : record_(TableAllocRecord()) {
    if (record_) TableInitRecord(*record_, mode, fileName, sourceDir);
  }
  ~FreshTable() { TableFreeRecord(record_); }
  FreshTable(const FreshTable&) = delete;
  FreshTable& operator=(const FreshTable&) = delete;

  bool ok() const { return record_ != nullptr; }
  TableRecord& operator*() const { return *record_; }
  TableRecord* operator->() const { return record_; }

  // The raw text of a cell ("CHAR<n>" for a pool text); empty outside.
  std::string Raw(int row, int col) const {
    const TableCell* cell = TableCellAt(*record_, row, col);
    return cell ? std::string(TextOf(cell->szText)) : std::string();
  }
  std::string Shown(int row, int col) const { return TableCellDisplayText(*record_, row, col); }
  std::string_view Pool(int slot) const { return LongTextAt(*record_, slot); }
  int Store(int row, int col, std::string_view text) const { return TableStoreCellText(*record_, row, col, text); }

 private:
  TableRecord* record_;
};
