#include "sources/odbc_file_query.h"

#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/odbc_handles.h"
#include "sources/odbc_result.h"

std::string OdbcFileConnection(const std::string& driver, const std::string& path) {
  // The drivers read the file's value up to the next ';' (MDB Tools takes
  // no braces around it), so a path holding one cannot be passed.
  if (path.find(';') != std::string::npos || path.find('\0') != std::string::npos ||
      driver.find('}') != std::string::npos) {
    return {};
  }
  return JoinText("DRIVER={", driver, "};DBQ=", path, ";Database=", path, ";");
}

int OdbcQueryFileIntoTable(TableRecord& t, const std::string& path, const std::string& sql) {
  const int kind = OdbcKindOfFile(path);
  if (kind < 0) {
    ReportNotice(Text(TXT_CAPTION_ERROR), JoinText(Text(TXT_ODBC_NO_FILE), ": ", path));
    return -1;
  }
  const std::string driver = OdbcDriverForKind(OdbcListDrivers(), static_cast<OdbcFileKind>(kind));
  if (driver.empty()) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_NO_DRIVER));
    return -1;
  }
  const std::string connection = OdbcFileConnection(driver, path);
  if (connection.empty()) {
    ReportNotice(Text(TXT_CAPTION_ERROR), JoinText(Text(TXT_ODBC_NO_FILE), ": ", path));
    return -1;
  }
  OdbcHandles h;
  if (OdbcAllocate(h) != 0 || OdbcDriverConnect(h, connection) != 0) return -1;
  const int status = OdbcFetchIntoTable(t, h, sql);
  OdbcCloseHandles(h);
  return status;
}
