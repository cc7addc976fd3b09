#include "files/table_file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "files/table_file_fit.h"
#include "files/table_file_keys.h"
#include "files/table_file_sections.h"
#include "files/text_import.h"
#include "formula/formula_recalc.h"
#include "platform/codepage.h"
#include "platform/cursor.h"
#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "table/table_access.h"
#include "table/table_window.h"

namespace {

// A file is read whole into one buffer of its size and this margin.
constexpr std::size_t kBufferMargin = 500;

// True when no byte has its high bit set (eight bytes at a time).
bool IsAscii(std::string_view bytes) {
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + i, 8);
    if (word & 0x8080808080808080ull) return false;
  }
  for (; i < bytes.size(); ++i) {
    if (static_cast<unsigned char>(bytes[i]) & 0x80) return false;
  }
  return true;
}

// The text of a file's bytes: as it is when valid UTF-8 (a byte-order mark
// dropped), else converted from the legacy code page of the language.
std::string_view FileText(std::string_view bytes, std::string* converted) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (IsAscii(bytes) || IsValidUtf8(bytes)) return bytes;
  *converted = FileTextToUtf8(bytes, LanguageIsChinese());
  return *converted;
}

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
  const std::string name(path);
  const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (fd >= 0) close(fd);
    ShowMessage(path, Text(TXT_OPEN_FILE_FAILED));
    return -1;
  }
  const auto size = static_cast<std::size_t>(st.st_size);
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[size + kBufferMargin]);
  if (!buffer) {
    close(fd);
    ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_FILE_BUFFER_FAILED));
    return -1;
  }
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = read(fd, buffer.get() + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  close(fd);
  if (done < size) {
    ShowMessage(path, Text(TXT_OPEN_FILE_FAILED));
    return -1;
  }
  buffer[done] = '\0';
  return TableFileReadBuffer(hwnd, std::string_view(buffer.get(), done), path);
}

int TableFileReadBuffer(WindowHandle hwnd, std::string_view bytes, std::string_view title) {
  SetWaitCursor(0);
  std::string converted;
  const std::string_view text = FileText(bytes, &converted);
  const TableFileKeys keys = FindTableFileKeys(text);
  const std::size_t size = text.size();

  const bool isPrivate = keys.Has(KEY_PASSWORD);
  if (isPrivate &&
      CheckFilePassword(hwnd, text, keys.At(KEY_PASSWORD), NextKeyAfter(keys, keys.At(KEY_PASSWORD), size)) != 0) {
    SetWaitCursor(1);
    ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_PASSWORD_INCORRECT));
    return -1;
  }

  const std::size_t cellEnd = SectionEnd(keys, KEY_PASSWORD, KEY_LEFT_TOP, size);
  // A file saved from a reshaped table opens whole: the table takes its shape.
  if (!isPrivate) FitTableToCellLines(hwnd, text.substr(0, std::min(cellEnd, size)));
  const CellSectionResult cells = ReadCellSection(hwnd, text, 0, cellEnd, isPrivate);
  if (cells.iUndecodable > 0) {
    ShowMessage(Text(TXT_CAPTION_MESSAGE),
                JoinText(Text(TXT_FIELDS_UNDECODABLE_1), FormatInt(cells.iUndecodable), Text(TXT_FIELDS_UNDECODABLE_2)));
  }
  if (!SectionsInOrder(keys)) {
    AfterRead(hwnd);
    ShowMessage(title, Text(TXT_READ_FILE_DATA_FAILED));
    return -1;
  }

  const std::size_t keyed = keys.Has(KEY_FORMULA) ? keys.At(KEY_FORMULA) : keys.At(KEY_CELL_COLOR);
  if (keyed != std::string_view::npos) {
    ReadFormulaColorSection(hwnd, text, keyed, SectionEnd(keys, KEY_CHAR_STYLE, KEY_LEFT_TOP, size));
  }
  if (keys.Has(KEY_CHAR_STYLE)) {
    ReadStyleSection(hwnd, text, keys.At(KEY_CHAR_STYLE), SectionEnd(keys, KEY_CELL_H, KEY_LEFT_TOP, size));
  }
  const std::size_t layout = FirstKeyPosition(keys, KEY_CELL_H, KEY_LEFT_TOP);
  if (layout != std::string_view::npos) ReadLayoutSection(hwnd, text, layout, size);
  AfterRead(hwnd);
  return 0;
}
