#include "sources/odbc_data_source.h"

#include <odbcinst.h>

#include <algorithm>

#include "platform/file_dialogs.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"

namespace {

bool SameName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

std::vector<std::string> ExistingNames() {
  std::vector<std::string> names;
  for (const OdbcDataSource& source : OdbcListDataSources()) names.push_back(source.szName);
  return names;
}

// Writes into the user's data sources while it lives, then restores the
// usual mode (user and system).
class UserMode {
 public:
  UserMode() { SQLSetConfigMode(ODBC_USER_DSN); }
  ~UserMode() { SQLSetConfigMode(ODBC_BOTH_DSN); }
  UserMode(const UserMode&) = delete;
  UserMode& operator=(const UserMode&) = delete;
};

// Write one user data source: its driver, then each attribute. 0 or -1.
int WriteSource(const std::string& name, const std::string& driver,
                const std::vector<std::pair<std::string, std::string>>& attributes) {
  UserMode mode;
  if (!SQLWriteDSNToIni(name.c_str(), driver.c_str())) return -1;
  for (const auto& [key, value] : attributes) {
    if (!SQLWritePrivateProfileString(name.c_str(), key.c_str(), value.c_str(), "odbc.ini")) {
      SQLRemoveDSNFromIni(name.c_str());
      return -1;
    }
  }
  return 0;
}

// A text the ini files can hold on one line.
bool FitsIniLine(const std::string& text) {
  return text.find('\n') == std::string::npos && text.find('\r') == std::string::npos;
}

}  // namespace

std::string OdbcFreeSourceName(const std::string& prefix, int sequence, const std::vector<std::string>& taken) {
  for (int n = std::max(sequence, 1);; ++n) {
    std::string name = JoinText(prefix, FormatInt(n));
    const bool used = std::any_of(taken.begin(), taken.end(), [&name](const std::string& t) { return SameName(t, name); });
    if (!used) return name;
  }
}

std::vector<std::pair<std::string, std::string>> OdbcSourceAttributes(OdbcFileKind kind, const std::string& path) {
  std::string dir;
  std::string file;
  SplitPath(path, &dir, &file);
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  std::vector<std::pair<std::string, std::string>> attributes = {{"Database", path}, {"DBQ", path}};
  if (kind == ODBC_FOXPRO) {
    attributes.push_back({"SourceDB", dir});
    attributes.push_back({"SourceType", "DBF"});
  } else {
    attributes.push_back({"DEFAULTDIR", dir});
  }
  attributes.push_back({"Description", "User select database file"});
  return attributes;
}

std::string OdbcCreateDataSource(OdbcFileKind kind, int sequence, const std::string& path, std::string* driver) {
  *driver = OdbcDriverForKind(OdbcListDrivers(), kind);
  if (driver->empty()) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_NO_DRIVER));
    return {};
  }
  const std::string name = OdbcFreeSourceName(OdbcKindInfo(kind).szSourcePrefix, sequence, ExistingNames());
  if (!FitsIniLine(path) || WriteSource(name, *driver, OdbcSourceAttributes(kind, path)) != 0) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_CREATE_FAILED));
    return {};
  }
  return name;
}

void OdbcRemoveDataSource(const std::string& name) {
  if (name.empty()) return;
  UserMode mode;
  SQLRemoveDSNFromIni(name.c_str());
}

std::vector<OdbcLibrarySource> OdbcLibrarySourceGroup() { return {}; }

std::vector<std::string> OdbcRegisterLibrarySources(const std::vector<OdbcLibrarySource>& group,
                                                    const std::string& namePrefix, const std::string& folder,
                                                    bool* failed) {
  *failed = false;
  std::vector<std::string> names;
  if (group.empty()) return names;
  const std::string driver = OdbcDriverForKind(OdbcListDrivers(), ODBC_ACCESS);
  if (driver.empty()) return names;
  const std::vector<std::string> taken = ExistingNames();
  for (const OdbcLibrarySource& entry : group) {
    const std::string name = JoinText(namePrefix, entry.szLibrary);
    // A data source of the user's own under the same name stays untouched.
    if (std::any_of(taken.begin(), taken.end(), [&name](const std::string& t) { return SameName(t, name); })) continue;
    const std::string path = JoinText(folder, "/", entry.szFile);
    std::vector<std::pair<std::string, std::string>> attributes = OdbcSourceAttributes(ODBC_ACCESS, path);
    attributes.back().second = entry.szDescription;
    if (!FitsIniLine(path) || WriteSource(name, driver, attributes) != 0) {
      *failed = true;
      break;
    }
    names.push_back(name);
  }
  if (*failed) {
    OdbcRemoveLibrarySources(names);
    names.clear();
  }
  return names;
}

void OdbcRemoveLibrarySources(const std::vector<std::string>& names) {
  for (const std::string& name : names) OdbcRemoveDataSource(name);
}
