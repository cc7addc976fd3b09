#include "sources/odbc_drivers.h"

#include <sql.h>
#include <sqlext.h>

#include <array>
#include <cstdio>
#include <cstring>

#include "platform/text_buffer.h"
#include "sources/odbc_handles.h"

namespace {

const std::array<OdbcFileKindInfo, ODBC_FILE_KINDS>& Kinds() {
  static const std::array<OdbcFileKindInfo, ODBC_FILE_KINDS> kinds = {{
      {"Access", {"MDBTools", "Access Driver"}, TXT_ODBC_FILTER_ACCESS, "*.mdb;*.MDB;*.accdb;*.ACCDB"},
      {"dBase", {"dBase Driver"}, TXT_ODBC_FILTER_DBASE, "*.dbf;*.DBF"},
      {"FoxPro", {"Microsoft FoxPro Driver (*.dbf)", "Microsoft FoxPro VFP Driver (*.dbf)"}, TXT_ODBC_FILTER_FOXPRO,
       "*.dbf;*.DBF"},
      {"Paradox", {"Microsoft Paradox Driver (*.db )"}, TXT_ODBC_FILTER_PARADOX, "*.db;*.DB"},
      {"SQLite", {"SQLite3"}, TXT_ODBC_FILTER_SQLITE, "*.sqlite;*.SQLITE;*.sqlite3;*.db;*.DB;*.db3"},
  }};
  return kinds;
}

// An environment handle for the catalogue calls, freed with the object.
class Environment {
 public:
  Environment() {
    if (!OdbcOk(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_))) {
      env_ = SQL_NULL_HENV;
      return;
    }
    SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  }
  ~Environment() {
    if (env_ != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, env_);
  }
  Environment(const Environment&) = delete;
  Environment& operator=(const Environment&) = delete;
  SQLHENV get() const { return env_; }

 private:
  SQLHENV env_ = SQL_NULL_HENV;
};

std::string FromBuffer(const std::array<SQLCHAR, 256>& buffer) {
  const char* text = reinterpret_cast<const char*>(buffer.data());
  return std::string(text, TextLength(text, buffer.size()));
}

}  // namespace

const OdbcFileKindInfo& OdbcKindInfo(OdbcFileKind kind) { return Kinds()[static_cast<std::size_t>(kind)]; }

std::vector<std::string> OdbcListDrivers() {
  std::vector<std::string> drivers;
  Environment env;
  if (env.get() == SQL_NULL_HENV) return drivers;
  std::array<SQLCHAR, 256> description{};
  std::array<SQLCHAR, 256> attributes{};
  SQLSMALLINT descriptionLength = 0;
  SQLSMALLINT attributesLength = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  while (OdbcOk(SQLDrivers(env.get(), direction, description.data(), static_cast<SQLSMALLINT>(description.size()),
                           &descriptionLength, attributes.data(), static_cast<SQLSMALLINT>(attributes.size()),
                           &attributesLength))) {
    drivers.push_back(FromBuffer(description));
    direction = SQL_FETCH_NEXT;
  }
  return drivers;
}

std::string OdbcFindDriverIn(const std::vector<std::string>& drivers, std::string_view text) {
  for (const std::string& driver : drivers) {
    if (driver.find(text) != std::string::npos) return driver;
  }
  return {};
}

std::string OdbcFindDriver(std::string_view text) { return OdbcFindDriverIn(OdbcListDrivers(), text); }

std::string OdbcDriverForKind(const std::vector<std::string>& drivers, OdbcFileKind kind) {
  for (const char* accepted : OdbcKindInfo(kind).drivers) {
    std::string found = OdbcFindDriverIn(drivers, accepted);
    if (!found.empty()) return found;
  }
  return {};
}

std::vector<OdbcDataSource> OdbcListDataSources() {
  std::vector<OdbcDataSource> sources;
  Environment env;
  if (env.get() == SQL_NULL_HENV) return sources;
  std::array<SQLCHAR, 256> name{};
  std::array<SQLCHAR, 256> driver{};
  SQLSMALLINT nameLength = 0;
  SQLSMALLINT driverLength = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  while (OdbcOk(SQLDataSources(env.get(), direction, name.data(), static_cast<SQLSMALLINT>(name.size()), &nameLength,
                               driver.data(), static_cast<SQLSMALLINT>(driver.size()), &driverLength))) {
    sources.push_back({FromBuffer(name), FromBuffer(driver)});
    direction = SQL_FETCH_NEXT;
  }
  return sources;
}

int OdbcKindOfFile(const std::string& path) {
  auto endsWith = [&path](std::string_view suffix) {
    if (path.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
      char c = path[path.size() - suffix.size() + i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != suffix[i]) return false;
    }
    return true;
  };
  if (endsWith(".mdb") || endsWith(".accdb")) return ODBC_ACCESS;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return -1;
  std::array<char, 16> head{};
  const std::size_t got = std::fread(head.data(), 1, head.size(), file);
  std::fclose(file);
  if (got == head.size() && std::memcmp(head.data(), "SQLite format 3", 16) == 0) return ODBC_SQLITE;
  return -1;
}
