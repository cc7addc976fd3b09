#include "files/text_import.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "files/text_bytes.h"
#include "files/text_import_wizard.h"
#include "files/text_read.h"
#include "files/text_size.h"
#include "files/text_source.h"
#include "platform/codepage.h"
#include "platform/cursor.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_input.h"
#include "table/table_scroll.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

constexpr std::int64_t kLargestFile = std::int64_t{1} << 32;  // 4 GiB
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// Columns are fitted to the texts of this many first rows, at most this wide.
constexpr int kFitRows = 100;
constexpr int kFitMaxWidth = 300;

using FileReader = HeadReader;

int ReadDelimitedText(WindowHandle hwnd, const TextSource& source, std::string_view head,
                      const TextImportChoice& choice);

// The readers by open mode: delimited text here, stock history and MODAS
// files by the readers set from above (NetCDF files have a path reader).
struct ReaderEntry {
  int iMode;
  FileReader pfnRead;
};

ReaderEntry gReaders[] = {
    {OPEN_FILE, ReadDelimitedText},
    {OPEN_STOCK, nullptr},
    {OPEN_MODAS, nullptr},
    {OPEN_NETCDF, nullptr},
};

// The reader of an open mode, null when there is none.
FileReader ReaderFor(int mode) {
  for (const ReaderEntry& entry : gReaders) {
    if (entry.iMode == mode) return entry.pfnRead;
  }
  return nullptr;
}

// The path readers set by the areas above, by open mode.
struct PathReaderEntry {
  int iMode;
  PathReader pfnRead;
};
PathReaderEntry gPathReaders[] = {
    {OPEN_STOCK, nullptr},
    {OPEN_MODAS, nullptr},
    {OPEN_NETCDF, nullptr},
};

// The path reader of an open mode, null when there is none.
PathReader PathReaderFor(int mode) {
  for (const PathReaderEntry& entry : gPathReaders) {
    if (entry.iMode == mode) return entry.pfnRead;
  }
  return nullptr;
}

// The title of a table after an import: the path, marked when the table is
// read-only or not of the normal size.
void SetImportTitle(WindowHandle hwnd) {
  std::string title;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    title = std::string(TextOf(t->szFileName));
    if (t->bReadOnly || t->iRows != TABLE_NORMAL_ROWS || t->iCols != TABLE_NORMAL_COLS) {
      title += Text(TXT_IMPORT_READ_ONLY);
    }
  }
  SetWindowTitle(hwnd, title);
}

// Imported values are shown whole where they can be: each column of a
// table read whole (not a sample, whose layout is fixed) is widened to the
// widest of its first rows' texts, up to a cap.
void FitImportedColumns(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t || t->iSampleMode != SAMPLE_NONE) return;
  FitColumnsToText(*t.get(), kFitRows, kFitMaxWidth, TableTextWidth());
}

// The text import of an opened file: the delimiter (from the head, the
// wizard or the caller), the size scan, then the read into the table.
int ReadDelimitedText(WindowHandle hwnd, const TextSource& source, std::string_view head,
                      const TextImportChoice& choice) {
  TextSyntax syntax;
  if (TextImportChooseSyntax(hwnd, head, choice, &syntax) != 1) return -1;
  const std::int64_t start = head.substr(0, kUtf8Mark.size()) == kUtf8Mark ? 3 : 0;
  SetWaitCursor(0);
  int status = ScanTextSize(hwnd, source, start, syntax);
  if (status >= 0) {
    bool resized = false;
    {
      TableLockGuard t(hwnd);
      resized = t && t->bResized;
    }
    if (resized) RelabelHeaders(hwnd);
    status = ReadTextIntoTable(hwnd, source, start, 0);
    if (status == 0 && choice.bAskWizard) FitImportedColumns(hwnd);
    SetImportTitle(hwnd);
  }
  SetWaitCursor(1);
  return status < 0 ? -1 : 0;
}

}  // namespace

std::string TextImportPreview(std::string_view head) {
  Utf8Check check;
  Utf8CheckBytes(check, head.data(), head.size());
  if (check.bValid && check.iNeed > 0) {
    while (!head.empty() && (static_cast<unsigned char>(head.back()) & 0xC0) == 0x80) head.remove_suffix(1);
    if (!head.empty()) head.remove_suffix(1);  // the lead byte of the cut character
  }
  return FileTextToUtf8(head, LanguageIsChinese());
}

int TextImportChooseSyntax(WindowHandle hwnd, std::string_view head, const TextImportChoice& choice,
                           TextSyntax* syntax) {
  *syntax = TextSyntax{};  // a head with a TAB: TAB-separated, nothing else
  std::size_t previewLength = 0;
  if (SniffTabs(head.data(), head.size(), &previewLength) != 0) return 1;
  if (!choice.bAskWizard) {
    syntax->cDelimiter = choice.cDelimiter;
    syntax->bMerge = choice.bMerge;
    return 1;
  }
  return TextImportWizardRun(hwnd, TextImportPreview(head.substr(0, previewLength)), &syntax->cDelimiter,
                             &syntax->bMerge) == 1
             ? 1
             : 0;
}

void TextImportSetHeadReader(int mode, HeadReader reader) {
  for (ReaderEntry& entry : gReaders) {
    if (entry.iMode == mode && mode != OPEN_FILE) entry.pfnRead = reader;
  }
}

int TextImportHasReader(int mode) { return ReaderFor(mode) || PathReaderFor(mode) ? 1 : 0; }

void TextImportSetPathReader(int mode, PathReader reader) {
  for (PathReaderEntry& entry : gPathReaders) {
    if (entry.iMode == mode) entry.pfnRead = reader;
  }
}

int SniffTabs(const char* buffer, std::size_t length, std::size_t* previewLength) {
  int tabs = 0;
  int lineEnds = 0;
  *previewLength = length;
  for (std::size_t i = 0; i < length; ++i) {
    const char c = buffer[i];
    if (c == '\t') {
      ++tabs;
    } else if ((c == '\r' || c == '\n') && ++lineEnds == 6) {
      *previewLength = i + 1;
      break;
    }
  }
  return tabs;
}

int TextImportOpen(WindowHandle hwnd, std::string_view path) {
  return TextImportOpenWith(hwnd, path, TextImportChoice{});
}

int TextImportOpenWith(WindowHandle hwnd, std::string_view path, const TextImportChoice& choice) {
  int mode = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    // A path the table cannot keep could not be opened again for detail.
    if (path.size() >= t->szFileName.size()) {
      ReportNotice(path, Text(TXT_OPEN_FILE_FAILED));
      return -1;
    }
    CopyText(t->szFileName, path);
    mode = t->iOpenMode;
  }
  if (const PathReader pathReader = PathReaderFor(mode)) {
    const int status = pathReader(hwnd, path);
    TableRepaint(hwnd);
    return status;
  }
  TextSource source;
  if (source.Open(std::string(path)) != 0) {
    ReportNotice(path, Text(TXT_OPEN_FILE_FAILED));
    return -1;
  }
  if (source.Size() >= kLargestFile) {
    ReportNotice(path, Text(TXT_IMPORT_TOO_LARGE));
    return -1;
  }
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    t->iFileSize = source.Size();
  }
  const std::size_t headSize = static_cast<std::size_t>(std::min<std::int64_t>(source.Size(), IMPORT_HEAD_BYTES));
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[headSize + 500]);
  if (!buffer) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_FILE_BUFFER_FAILED));
    return -1;
  }
  SetWaitCursor(0);
  const char* head = nullptr;
  const std::int64_t got = source.Read(0, buffer.get(), headSize, &head);
  SetWaitCursor(1);
  if (got < 0) {
    ReportNotice(path, Text(TXT_READ_FILE_DATA_FAILED));
    return -1;
  }
  const FileReader reader = ReaderFor(mode);
  if (!reader) {
    ReportNotice(path, Text(TXT_IMPORT_NO_READER));
    return -1;
  }
  const int status = reader(hwnd, source, std::string_view(head, static_cast<std::size_t>(got)), choice);
  TableRepaint(hwnd);
  return status;
}
