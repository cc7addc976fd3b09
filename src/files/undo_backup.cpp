#include "files/undo_backup.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "files/table_file_read.h"
#include "files/table_file_write.h"
#include "formula/formula_recalc.h"
#include "platform/cursor.h"
#include "platform/notices.h"
#include "platform/private_files.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/range_edit.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_extension.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"
#include "table/table_select.h"
#include "table/table_window.h"

namespace {

// A table's back-up file. Freeing the table's extension slot (the window
// closed) deletes the file.
struct UndoFile {
  std::string path;
  UndoFile() = default;
  UndoFile(const UndoFile&) = delete;
  UndoFile& operator=(const UndoFile&) = delete;
  ~UndoFile() {
    if (!path.empty()) std::remove(path.c_str());
  }
};

UndoFile& UndoFileOf(TableDocument& t) { return TableExtensionOf<UndoFile>(t, TableExtensionId::UndoBackup); }

// No back-up: kind none, rectangle 0, selection kind block, extent 0.
void ResetUndoState(TableDocument& t) {
  t.bUndoFileExists = 0;
  t.iUndoKind = UNDO_NONE;
  t.undoRect.fill(0);
  t.iUndoSelKind = SELECT_BLOCK;
  t.undoExtent.fill(0);
}

// Record what the back-up of `kind` covers. False when the kind has no
// rectangle in this table.
bool RecordUndoArea(TableDocument& t, int kind) {
  const int current = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  t.iUndoKind = kind;
  t.iUndoSelKind = t.selKind[current] != 0 ? t.selKind[current] : SELECT_BLOCK;
  t.undoExtent = {t.iUsedRows, t.iUsedCols, 0};
  if (kind == UNDO_SELECTION) {
    TableRange range{};
    if (TableGetRange(t, current, RANGES_SELECTION, &range) != 0) return false;
    t.undoRect = {range.iRowFrom, range.iRowTo, range.iColFrom, range.iColTo};
  } else if (kind == UNDO_TABLE_SAVED_EXTENT || kind == UNDO_TABLE_CURRENT_EXTENT) {
    t.undoRect = {1, t.iUsedRows - 1, 1, t.iUsedCols - 1};
  }
  return kind == UNDO_SELECTION || kind == UNDO_BLOCK || kind == UNDO_TABLE_SAVED_EXTENT ||
         kind == UNDO_TABLE_CURRENT_EXTENT;
}

// The window's back-up file, made on first use; empty when it cannot be.
std::string BackupPathFor(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return {};
  UndoFile& file = UndoFileOf(*t.get());
  if (file.path.empty()) file.path = CreatePrivateFile("undo");
  return file.path;
}

// Empty every cell of rows 1..rows-1 and columns 1..cols-1 to a fresh
// cell, and free every long text and formula slot.
void ClearWholeTable(TableDocument& t, int rows, int cols) {
  LongTextClearAll(t);
  for (int slot = 0; slot <= FORMULA_SLOTS; ++slot) {
    t.formulaSlots[slot] = FormulaSlot{};
    t.formulaSlots[slot].iDecimals = -1;
  }
  t.iFormulaCount = 0;
  FormulaReadSetsChanged(t);
  for (int row = 1; row < std::min(rows, t.iRows); ++row) {
    for (int col = 1; col < std::min(cols, t.iCols); ++col) {
      if (TableCell* cell = TableCellAt(t, row, col)) *cell = TableCell{};
    }
  }
}

// Make the selection the one range the restore reads into.
void SelectRestoredArea(TableRecord& t) {
  const bool whole = t.iUndoKind == UNDO_TABLE_SAVED_EXTENT || t.iUndoKind == UNDO_TABLE_CURRENT_EXTENT;
  const int kind = t.iUndoSelKind;
  if (whole) {
    ClearWholeTable(t, t.iUndoKind == UNDO_TABLE_SAVED_EXTENT ? t.undoExtent[0] : t.iUsedRows,
                    t.iUndoKind == UNDO_TABLE_SAVED_EXTENT ? t.undoExtent[1] : t.iUsedCols);
    SelectFirstCell(t);
  } else {
    ResetSelection(t);
    t.selRowFrom[0] = std::min(t.undoRect[0], t.undoRect[1]);
    t.selRowTo[0] = std::max(t.undoRect[0], t.undoRect[1]);
    t.selColFrom[0] = std::min(t.undoRect[2], t.undoRect[3]);
    t.selColTo[0] = std::max(t.undoRect[2], t.undoRect[3]);
  }
  t.selKind[0] = kind;
}

// After the cells are back: the used extent is what it was when saved,
// or larger where cells outside the back-up still hold data.
void RestoreUsedExtent(TableDocument& t) {
  const int savedRows = t.undoExtent[0];
  const int savedCols = t.undoExtent[1];
  RecalcUsedExtent(t);
  if (t.iUndoKind == UNDO_TABLE_SAVED_EXTENT || t.iUndoKind == UNDO_TABLE_CURRENT_EXTENT) {
    t.iUsedRows = std::clamp(savedRows, 1, t.iRows);
    t.iUsedCols = std::clamp(savedCols, 1, t.iCols);
  } else {
    t.iUsedRows = std::clamp(std::max(t.iUsedRows, savedRows), 1, t.iRows);
    t.iUsedCols = std::clamp(std::max(t.iUsedCols, savedCols), 1, t.iCols);
  }
}

// The hook behind every editing command's block back-up.
void BackupBlock(WindowHandle hwnd, int rowFrom, int rowTo, int colFrom, int colTo) {
  UndoSaveBlock(hwnd, rowFrom, rowTo, colFrom, colTo);
}

}  // namespace

int UndoSave(WindowHandle hwnd, int kind) {
  const std::string path = BackupPathFor(hwnd);
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    if (path.empty() || !RecordUndoArea(*t.get(), kind)) {
      ResetUndoState(*t.get());
      if (path.empty()) ReportNotice(PrivateFolderRoot(), Text(TXT_CREATE_FILE_FAILED));
      return -1;
    }
  }
  const int status = TableRangeFileWrite(hwnd, path);
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    if (status != 0) {
      ResetUndoState(*t.get());
    } else {
      t->bUndoFileExists = 1;
    }
  }
  RefreshTableStates(hwnd);
  return status;
}

int UndoSaveBlock(WindowHandle hwnd, int rowFrom, int rowTo, int colFrom, int colTo) {
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    t->undoRect = {std::min(rowFrom, rowTo), std::max(rowFrom, rowTo), std::min(colFrom, colTo),
                   std::max(colFrom, colTo)};
  }
  return UndoSave(hwnd, UNDO_BLOCK);
}

int UndoRestore(WindowHandle hwnd) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  std::string path;
  {
    TableLockGuard t(hwnd);
    if (!t || !t->bUndoFileExists) return -1;
    path = UndoFileOf(*t.get()).path;
  }
  std::FILE* probe = path.empty() ? nullptr : std::fopen(path.c_str(), "rb");
  if (!probe) {
    ReportNotice(path, Text(TXT_OPEN_FILE_FAILED));
    if (TableLockGuard t(hwnd); t) ResetUndoState(*t.get());
    RefreshTableStates(hwnd);
    return -1;
  }
  std::fclose(probe);
  SetWaitCursor(0);
  {
    TableLockGuard t(hwnd);
    if (t) SelectRestoredArea(*t.get());
  }
  const int status = TableFileReadBackup(hwnd, path);
  {
    TableLockGuard t(hwnd);
    if (t) {
      RestoreUsedExtent(*t.get());
      if (status == 0) {
        // The next back-up gets a new file of its own.
        UndoFile& file = UndoFileOf(*t.get());
        std::remove(file.path.c_str());
        file.path.clear();
        ResetUndoState(*t.get());
      }
    }
  }
  SetWaitCursor(1);
  TableRepaint(hwnd);
  RefreshTableStates(hwnd);
  return status;
}

void UndoDiscard(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return;
  UndoFile& file = UndoFileOf(*t.get());
  if (!file.path.empty()) std::remove(file.path.c_str());
  file.path.clear();
  ResetUndoState(*t.get());
}

std::string UndoBackupPath(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t && t->bUndoFileExists ? UndoFileOf(*t.get()).path : std::string();
}

int CmdUndo(WindowHandle hwnd, unsigned, std::intptr_t) {
  UndoRestore(hwnd);
  return 0;
}

void InstallUndoHooks() {
  TableHooks().pfnUndoBackup = BackupBlock;
  TableHooks().pfnUndoSave = UndoSave;
}
