// The query builder: the program-wide query state (login, data source,
// selected columns, conditions, order, statement) and the operations of
// its three steps, which the step dialogs call and tests drive directly.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "sources/odbc_catalog.h"
#include "sources/odbc_handles.h"
#include "sources/odbc_sql_text.h"

inline constexpr std::size_t ODBC_LOGIN_CHARS = 49;

enum OdbcBuilderStep : int {
  ODBC_STEP_COLUMNS = 1,
  ODBC_STEP_CONDITIONS = 2,
  ODBC_STEP_ORDER = 3,
  ODBC_STEP_FINISHED = 5,
  ODBC_STEP_CANCELLED = 9,
};

enum OdbcOrigin : int {
  ODBC_ORIGIN_CREATED = 0,   // a data source made for a chosen file
  ODBC_ORIGIN_EXISTING = 1,  // one of the user's data sources
};

// What the dialog of a step asked for when it closed.
enum OdbcBuilderAction : int {
  ODBC_ACTION_NEXT,
  ODBC_ACTION_BACK,
  ODBC_ACTION_FINISH,
  ODBC_ACTION_CANCEL,
};

// The query being built, kept for the rest of the run.
struct OdbcQueryState {
  std::string szUser;
  std::string szPassword;
  std::string szSource;
  std::string szDriver;
  int iOrigin = ODBC_ORIGIN_EXISTING;
  int iOpens = 0;  // database files opened in this run
};
OdbcQueryState& OdbcQuery();

// The builder's dialogs share one model.
class OdbcBuilderModel final : public DialogModel {
 public:
  OdbcHandles catalogue;                 // connected while the builder runs
  OdbcDialect dialect;
  std::vector<std::string> tables;
  int iTable = -1;                       // the table whose columns are listed
  std::vector<OdbcTableColumn> tableColumns;
  std::vector<OdbcSelectedColumn> selected;
  std::vector<std::string> conditions;
  std::string szStatement;               // the edit box
  int iStep = ODBC_STEP_COLUMNS;
  int iAction = ODBC_ACTION_CANCEL;      // set by the dialog that closed

  OdbcBuilderModel() = default;
  ~OdbcBuilderModel() override;
  OdbcBuilderModel(const OdbcBuilderModel&) = delete;
  OdbcBuilderModel& operator=(const OdbcBuilderModel&) = delete;
};

// Connect to the query's data source, read its type table and tables,
// clear the selections. 0, or -1 after reporting.
int OdbcBuilderStart(OdbcBuilderModel& model);
// List the columns of table `index`. 0, or -1 after reporting.
int OdbcBuilderChooseTable(OdbcBuilderModel& model, int index);
// Add the listed columns `indexes` (or all) to the selection; a column
// already selected is not added twice. 0, or -1 after reporting (two
// databases, too many tables).
int OdbcBuilderSelect(OdbcBuilderModel& model, const std::vector<int>& indexes);
int OdbcBuilderSelectAll(OdbcBuilderModel& model);
// Take selected columns out (the list closes its gaps).
void OdbcBuilderRemove(OdbcBuilderModel& model, const std::vector<int>& selectedIndexes);
// "Next" or "Finish" of step 1: -1 after "Cannot find selected fields".
int OdbcBuilderCheckSelected(const OdbcBuilderModel& model);

// The keywords step 2 offers: with WHERE while the statement has none.
std::vector<std::string> OdbcBuilderKeywords(const OdbcBuilderModel& model);
// The operators of step 2.
const std::vector<std::string>& OdbcBuilderOperators();
// "Done": append a condition on selected column `column` (the value whole:
// two dates of a BETWEEN need more than the box's 29 characters). 0, or -1 after
// reporting (ten conditions already). A condition the driver cannot apply
// is added with a warning.
int OdbcBuilderAddCondition(OdbcBuilderModel& model, const std::string& keyword, int column, const std::string& op,
                            const std::string& value);
void OdbcBuilderRemoveCondition(OdbcBuilderModel& model, int index);
// The date/time dialog for selected column `column`: "Date", "Time" or
// "Date and Time"; empty after reporting "The data type is not date/time".
std::string OdbcBuilderDateDialog(const OdbcBuilderModel& model, int column);

// Step 3: give column `column` the next order number, or clear it.
void OdbcBuilderOrder(OdbcBuilderModel& model, int column, bool descending);
void OdbcBuilderClearOrder(OdbcBuilderModel& model, int column);

// Rebuild the edit box from the selections.
void OdbcBuilderRebuild(OdbcBuilderModel& model);

// Run the three dialogs until Finish (0, the statement in szStatement) or
// Cancel confirmed or a failure (-1).
int OdbcQueryBuilder(WindowHandle owner, OdbcBuilderModel& model);

// The date/time dialog's model: the parts of the value it composes.
class OdbcDateTimeModel final : public DialogModel {
 public:
  bool bDate = true;
  bool bTime = false;
  int iYear = 2000, iMonth = 1, iDay = 1, iHour = 0, iMinute = 0, iSecond = 0;
};
// The value composed: "yyyy-mm-dd", "hh:mm:ss" or both with a blank.
std::string OdbcDateTimeText(const OdbcDateTimeModel& model);
// Show the dialog for selected column `column`; the value, or empty when
// cancelled or the column is not of a date/time type.
std::string OdbcDateTimeDialogRun(WindowHandle owner, const OdbcBuilderModel& model, int column);
