// The Database menu's commands: open a database file (Access, SQLite,
// dBase, FoxPro, Paradox) through a data source made for it, connect to an
// existing data source, run the builder and open the result table; and
// the state of the file items (grayed without a driver).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window.h"
#include "sources/odbc_builder.h"

// "Open MS-Access", "Open SQLite database ...", "Open dBase", "Open
// FoxPro", "Open Paradox": login, the file, a data source for it, the
// builder and the result table.
int CmdOpenDatabaseFile(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
// "Connect Database": login and the choice of a data source.
int CmdConnectDatabase(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
// "Open Database Table": the builder on the chosen data source and the
// result table.
int CmdOpenDatabaseTable(WindowHandle hFrame, unsigned id, std::intptr_t lParam);

// Whether each database file item has a driver installed.
struct OdbcMenuState {
  unsigned iCommand;
  bool bEnabled;
};
std::vector<OdbcMenuState> OdbcDatabaseMenuStates();

// Open a result table for the query's data source: title, connect, run
// the statement (a SELECT of the selected columns when it has fewer than
// six characters), fill the table. The table keeps the connection and,
// for a data source made for a file, removes that data source when it
// closes. The window, or None when it could not be made.
WindowHandle OdbcOpenResultTable(const std::string& statement, const std::vector<OdbcSelectedColumn>& selected,
                                 const OdbcDialect& dialect);
