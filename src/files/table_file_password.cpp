// The password line of a private table file.
#include <algorithm>
#include <string>

#include "files/base64.h"
#include "files/private_file_dialog.h"
#include "files/table_file_fields.h"
#include "files/table_file_sections.h"
#include "platform/codepage.h"
#include "platform/text_buffer.h"
#include "resources/language.h"
#include "table/table_access.h"

namespace {

// The password line is short (a password has at most 19 bytes): only this
// much of its section is looked at.
constexpr std::int64_t kPasswordLineBytes = 4096;

// The stored password: the text after the line's first TAB up to CR LF,
// without the single CR or LF bytes inside it, Base64-decoded.
bool StoredPassword(std::string_view buffer, std::size_t from, std::size_t to, std::string* password) {
  to = std::min(to, buffer.size());
  std::size_t i = from;
  while (i < to && buffer[i] != '\t') ++i;
  std::string encoded;
  for (++i; i < to; ++i) {
    if (buffer[i] == '\r' && i + 1 < to && buffer[i + 1] == '\n') break;
    if (buffer[i] != '\r' && buffer[i] != '\n') encoded.push_back(buffer[i]);
  }
  if (Base64Decode(encoded, password) != 0) return false;
  if (!IsValidUtf8(*password)) *password = FileTextToUtf8(*password, LanguageIsChinese());
  return true;
}

}  // namespace

int CheckFilePassword(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from, std::int64_t to) {
  std::string line;
  const bool read = ForEachChunk(*file.pSource, from, std::min({to, file.iEnd, from + kPasswordLineBytes}),
                                 [&](std::string_view bytes) { line.append(bytes); });
  std::string stored;
  const bool readable = read && StoredPassword(line, 0, line.size(), &stored);
  if (PrivateFileDialogRun(hwnd) != 0) return -1;
  TableLockGuard t(hwnd);
  if (!t || !readable) return -1;
  const std::string_view typed = TextOf(t->szPassword);
  return !typed.empty() && typed == stored ? 0 : -1;
}
