#include "files/table_file_read.h"

#include <cstdint>
#include <string>

#include "files/read_drops.h"
#include "files/table_file_fit.h"
#include "files/table_file_keys.h"
#include "files/table_file_scan.h"
#include "files/table_file_sections.h"
#include "files/text_import.h"
#include "formula/formula_recalc.h"
#include "platform/cursor.h"
#include "platform/notices.h"
#include "resources/string_table.h"
#include "table/table_access.h"
#include "table/table_window.h"

namespace {

// The sections stand in their fixed order: the password line, the formula
// lines, the colour lines, the style lines, then the layout lines (these
// three in any order among themselves).
bool SectionsInOrder(const TableFileKeys& keys) {
  std::size_t last = 0;
  for (int key = KEY_PASSWORD; key <= KEY_CELL_H; ++key) {
    const std::size_t pos = key == KEY_CELL_H ? FirstKeyPosition(keys, KEY_CELL_H, KEY_LEFT_TOP) : keys.At(key);
    if (pos == std::string_view::npos) continue;
    if (pos < last) return false;
    last = pos;
  }
  return true;
}

// The end of a section that starts at a key: the earliest of the keys
// first..last, or the end of the buffer.
std::size_t SectionEnd(const TableFileKeys& keys, int first, int last, std::size_t size) {
  const std::size_t pos = FirstKeyPosition(keys, first, last);
  return pos == std::string_view::npos ? size : pos;
}

// The end of the section that starts at `from`: the next key after it, or
// the end of the buffer.
std::size_t NextKeyAfter(const TableFileKeys& keys, std::size_t from, std::size_t size) {
  std::size_t end = size;
  for (int key = 0; key < TABLE_FILE_KEYS; ++key) {
    if (keys.Has(key) && keys.At(key) > from && keys.At(key) < end) end = keys.At(key);
  }
  return end;
}

// Formulas run again, the table counts as changed and shows what was read.
void AfterRead(WindowHandle hwnd) {
  RecalcAll(hwnd);
  {
    TableLockGuard t(hwnd);
    if (t) t->bModified = 1;
  }
  TableRepaint(hwnd);
  SetWaitCursor(1);
}

}  // namespace

bool IsNativeTableName(std::string_view path) {
  std::string upper(path);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper.find(".ORL") != std::string::npos;
}

int TableFileOpen(WindowHandle hwnd, std::string_view path) {
  return IsNativeTableName(path) ? TableFileRead(hwnd, path) : TextImportOpen(hwnd, path);
}

int TableFileRead(WindowHandle hwnd, std::string_view path) {
  TextSource source;
  if (source.Open(std::string(path)) != 0) {
    ReportNotice(path, Text(TXT_OPEN_FILE_FAILED));
    return -1;
  }
  return TableFileReadSource(hwnd, source, path);
}

int TableFileReadBuffer(WindowHandle hwnd, std::string_view bytes, std::string_view title) {
  TextSource source;
  source.UseMemory(bytes);
  return TableFileReadSource(hwnd, source, title);
}

namespace {

// Read a native file's sections. A table file gives the table its shape and
// says "file data failed" when its sections are out of order; an undo
// back-up keeps the table's shape and names its own failure.
int ReadNativeSections(WindowHandle hwnd, const TextSource& source, std::string_view title, bool backup) {
  const TextId failure = backup ? TXT_READ_UNDO_FAILED : TXT_READ_FILE_DATA_FAILED;
  SetWaitCursor(0);
  TableFileScan scan;
  if (ScanTableFile(source, TABLE_FILE_READ_LIMIT, &scan) != 0) {
    SetWaitCursor(1);
    ReportNotice(title, Text(TXT_READ_FILE_DATA_FAILED));
    return -1;
  }
  // A file larger than any table file is read as far as the limit.
  NoteDrop(DROP_FILE_CUT, source.Size() - scan.iEnd);
  const TableFileBytes file{&source, scan.iEnd, scan.bLegacy};
  const TableFileKeys& keys = scan.keys;
  const std::size_t size = static_cast<std::size_t>(scan.iEnd);
  const auto at = [](std::size_t pos) { return static_cast<std::int64_t>(pos); };

  const bool isPrivate = keys.Has(KEY_PASSWORD);
  if (isPrivate &&
      CheckFilePassword(hwnd, file, at(keys.At(KEY_PASSWORD)), at(NextKeyAfter(keys, keys.At(KEY_PASSWORD), size))) != 0) {
    SetWaitCursor(1);
    ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_PASSWORD_INCORRECT));
    return -1;
  }

  const std::size_t cellEnd = SectionEnd(keys, KEY_PASSWORD, KEY_LEFT_TOP, size);
  // A file saved from a reshaped table opens whole: the table takes its shape.
  if (!isPrivate && !backup) FitTableToCellCount(hwnd, scan.iCellLines, scan.iCellMaxFields);
  bool read = !ReadCellSection(hwnd, file, scan.iStart, at(cellEnd), isPrivate).bReadFailed;
  if (!SectionsInOrder(keys)) {
    AfterRead(hwnd);
    ReportNotice(title, Text(failure));
    return -1;
  }

  const std::size_t keyed = keys.Has(KEY_FORMULA) ? keys.At(KEY_FORMULA) : keys.At(KEY_CELL_COLOR);
  if (keyed != std::string_view::npos) {
    read = ReadFormulaColorSection(hwnd, file, at(keyed), at(SectionEnd(keys, KEY_CHAR_STYLE, KEY_LEFT_TOP, size))) &&
           read;
  }
  if (keys.Has(KEY_CHAR_STYLE)) {
    read = ReadStyleSection(hwnd, file, at(keys.At(KEY_CHAR_STYLE)), at(SectionEnd(keys, KEY_CELL_H, KEY_LEFT_TOP, size))) &&
           read;
  }
  const std::size_t layout = FirstKeyPosition(keys, KEY_CELL_H, KEY_LEFT_TOP);
  if (layout != std::string_view::npos) read = ReadLayoutSection(hwnd, file, at(layout), scan.iEnd) && read;
  AfterRead(hwnd);
  if (!read) {
    ReportNotice(title, Text(failure));
    return -1;
  }
  return 0;
}

}  // namespace

int TableFileReadSource(WindowHandle hwnd, const TextSource& source, std::string_view title) {
  return ReadNativeSections(hwnd, source, title, false);
}

int TableFileReadBackup(WindowHandle hwnd, std::string_view path) {
  TextSource source;
  if (source.Open(std::string(path)) != 0) {
    ReportNotice(path, Text(TXT_OPEN_FILE_FAILED));
    return -1;
  }
  return ReadNativeSections(hwnd, source, path, true);
}
