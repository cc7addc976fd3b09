#include "sources/odbc_commands.h"

#include "platform/cursor.h"
#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "sources/odbc_data_source.h"
#include "sources/odbc_login.h"
#include "sources/odbc_result.h"
#include "table/table_access.h"
#include "table/table_events.h"
#include "table/table_extension.h"
#include "table/table_input.h"
#include "table/table_scroll.h"
#include "table/table_window.h"

namespace {

// What a result table keeps of its query until it closes.
struct OdbcTableState {
  OdbcHandles handles;
  std::string szSource;
  std::string szStatement;
  int iOrigin = ODBC_ORIGIN_EXISTING;

  ~OdbcTableState() {
    OdbcCloseHandles(handles);
    if (iOrigin == ODBC_ORIGIN_CREATED) OdbcRemoveDataSource(szSource);
  }
};

struct KindCommand {
  unsigned iCommand;
  OdbcFileKind iKind;
};
constexpr KindCommand kKindCommands[] = {
    {CMD_OPEN_ACCESS, ODBC_ACCESS}, {CMD_OPEN_SQLITE, ODBC_SQLITE}, {CMD_OPEN_DBASE, ODBC_DBASE},
    {CMD_OPEN_FOXPRO, ODBC_FOXPRO}, {CMD_OPEN_PARADOX, ODBC_PARADOX},
};

// The database file chosen in the open dialog; empty when cancelled.
std::string ChooseDatabaseFile(WindowHandle owner, OdbcFileKind kind) {
  const OdbcFileKindInfo& info = OdbcKindInfo(kind);
  DialogRequest request;
  request.kind = DIALOG_OPEN_FILE;
  request.hOwner = owner;
  request.filters = {{Text(info.iFilterName), info.szPatterns}};
  request.szStartDir = FileDialogFolder();
  request.bMustExist = true;
  if (RunDialog(request) != BUTTON_OK || request.szPath.empty()) return {};
  std::string dir;
  std::string name;
  SplitPath(request.szPath, &dir, &name);
  FileDialogRememberFolder(dir);
  return request.szPath;
}

// The title of a result table: driver -> source -> table...
std::string ResultTitle(const std::vector<OdbcSelectedColumn>& selected) {
  const OdbcQueryState& query = OdbcQuery();
  if (selected.empty()) return JoinText(query.szDriver, " -> ", query.szSource, " -> ...");
  const OdbcSelectedColumn& first = selected.front();
  return JoinText(first.szDriver, " -> ", first.szSource, " -> ", first.szTable, "...");
}

// Columns are widened to the names and values of their first rows.
void FitResultColumns(WindowHandle hwnd) {
  constexpr int kFitRows = 100;
  constexpr int kFitMaxWidth = 300;
  TableLockGuard t(hwnd);
  if (t) FitColumnsToText(*t.get(), kFitRows, kFitMaxWidth, TableTextWidth());
}

// Run the builder on the query's data source and open the result.
int BuildAndOpen(WindowHandle owner) {
  OdbcBuilderModel model;
  if (OdbcQueryBuilder(owner, model) != 0) return -1;
  return IsNone(OdbcOpenResultTable(model.szStatement, model.selected, model.dialect)) ? -1 : 0;
}

}  // namespace

WindowHandle OdbcOpenResultTable(const std::string& statement, const std::vector<OdbcSelectedColumn>& selected,
                                 const OdbcDialect& dialect) {
  const OdbcQueryState& query = OdbcQuery();
  if (!TableEvents().pfnCreateTable) return WindowHandle::None;
  const WindowHandle table = TableEvents().pfnCreateTable(TableOpenRequest{OPEN_DATABASE, {}});
  if (IsNone(table)) return table;
  SetWindowTitle(table, ResultTitle(selected));
  auto* state = new OdbcTableState;
  state->szSource = query.szSource;
  state->iOrigin = query.iOrigin;
  state->szStatement = statement;
  std::size_t shown = 0;
  while (shown < statement.size() && (statement[shown] == ' ' || statement[shown] == '\n')) ++shown;
  if (statement.size() - shown < 6) state->szStatement = OdbcSelectText(selected, OdbcDialectFor(dialect, selected));
  SetWaitCursor(0);
  {
    TableLockGuard t(table);
    if (t) {
      TableExtensionSet(*t.get(), TableExtensionId::Database, state,
                        [](void* p) { delete static_cast<OdbcTableState*>(p); });
      if (OdbcAllocate(state->handles) == 0 &&
          OdbcConnect(state->handles, query.szSource, query.szUser, query.szPassword) == 0) {
        OdbcFetchIntoTable(*t.get(), state->handles, state->szStatement);
      }
    } else {
      delete state;
    }
  }
  SetWaitCursor(1);
  FitResultColumns(table);
  TableRepaint(table);
  return table;
}

std::vector<OdbcMenuState> OdbcDatabaseMenuStates() {
  const std::vector<std::string> drivers = OdbcListDrivers();
  std::vector<OdbcMenuState> states;
  for (const KindCommand& item : kKindCommands) {
    states.push_back({item.iCommand, !OdbcDriverForKind(drivers, item.iKind).empty()});
  }
  return states;
}

int CmdOpenDatabaseFile(WindowHandle hFrame, unsigned id, std::intptr_t) {
  OdbcFileKind kind = ODBC_ACCESS;
  for (const KindCommand& item : kKindCommands) {
    if (item.iCommand == id) kind = item.iKind;
  }
  OdbcLoginRun(hFrame);
  if (OdbcDriverForKind(OdbcListDrivers(), kind).empty()) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_NO_DRIVER));
    return 0;
  }
  const std::string path = ChooseDatabaseFile(hFrame, kind);
  if (path.empty()) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_NO_FILE));
    return 0;
  }
  OdbcQueryState& query = OdbcQuery();
  std::string driver;
  const std::string source = OdbcCreateDataSource(kind, ++query.iOpens, path, &driver);
  if (source.empty()) return 0;
  query.szSource = source;
  query.szDriver = driver;
  query.iOrigin = ODBC_ORIGIN_CREATED;
  // Without a result table nothing keeps the data source.
  if (BuildAndOpen(hFrame) != 0) OdbcRemoveDataSource(source);
  return 0;
}

int CmdConnectDatabase(WindowHandle hFrame, unsigned, std::intptr_t) {
  OdbcLoginRun(hFrame);
  OdbcConnectRun(hFrame);
  return 0;
}

int CmdOpenDatabaseTable(WindowHandle hFrame, unsigned, std::intptr_t) {
  OdbcQueryState& query = OdbcQuery();
  // A data source made for a file belongs to its result table.
  if (query.szSource.empty() || query.iOrigin != ODBC_ORIGIN_EXISTING) {
    if (OdbcConnectRun(hFrame) != 0) return 0;
  }
  BuildAndOpen(hFrame);
  return 0;
}
