#include "sources/odbc_builder.h"

#include <algorithm>

#include "platform/message_box.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"

OdbcQueryState& OdbcQuery() {
  static OdbcQueryState state;
  return state;
}

OdbcBuilderModel::~OdbcBuilderModel() { OdbcCloseHandles(catalogue); }

namespace {

// The type name the driver gives a selected column's type.
std::string TypeNameOf(const OdbcBuilderModel& model, const OdbcSelectedColumn& column) {
  for (const OdbcTableColumn& listed : model.tableColumns) {
    if (listed.szName == column.szColumn && column.szTable == model.tables[static_cast<std::size_t>(model.iTable)]) {
      return listed.szTypeName;
    }
  }
  for (const OdbcTypeRow& row : model.dialect.types) {
    if (row.iSqlType == column.iSqlType) return row.szTypeName;
  }
  return {};
}

bool ValidColumn(const OdbcBuilderModel& model, int column) {
  return column >= 0 && column < static_cast<int>(model.selected.size());
}

}  // namespace

void OdbcBuilderRebuild(OdbcBuilderModel& model) {
  model.szStatement = OdbcStatementText(model.selected, model.conditions, OdbcDialectFor(model.dialect, model.selected));
}

int OdbcBuilderStart(OdbcBuilderModel& model) {
  const OdbcQueryState& query = OdbcQuery();
  OdbcCloseHandles(model.catalogue);
  model.tables.clear();
  model.iTable = -1;
  model.tableColumns.clear();
  model.selected.clear();
  model.conditions.clear();
  model.szStatement.clear();
  model.iStep = ODBC_STEP_COLUMNS;
  if (OdbcConnectForCatalogue(model.catalogue, query.szSource, query.szUser, query.szPassword) != 0) return -1;
  if (OdbcReadDialect(model.catalogue, &model.dialect) != 0) return -1;
  return OdbcListTables(model.catalogue, &model.tables);
}

int OdbcBuilderChooseTable(OdbcBuilderModel& model, int index) {
  if (index < 0 || index >= static_cast<int>(model.tables.size())) return -1;
  model.iTable = index;
  model.tableColumns.clear();
  if (!model.catalogue.bConnected) {
    const OdbcQueryState& query = OdbcQuery();
    if (OdbcConnectForCatalogue(model.catalogue, query.szSource, query.szUser, query.szPassword) != 0) return -1;
  }
  return OdbcListColumns(model.catalogue, model.tables[static_cast<std::size_t>(index)], model.dialect,
                         &model.tableColumns);
}

int OdbcBuilderSelect(OdbcBuilderModel& model, const std::vector<int>& indexes) {
  if (model.iTable < 0) return 0;
  const OdbcQueryState& query = OdbcQuery();
  const std::string& table = model.tables[static_cast<std::size_t>(model.iTable)];
  std::vector<OdbcSelectedColumn> next = model.selected;
  for (int index : indexes) {
    if (index < 0 || index >= static_cast<int>(model.tableColumns.size())) continue;
    const OdbcTableColumn& listed = model.tableColumns[static_cast<std::size_t>(index)];
    const bool already = std::any_of(next.begin(), next.end(), [&](const OdbcSelectedColumn& c) {
      return c.szTable == table && c.szColumn == listed.szName;
    });
    if (already || static_cast<int>(next.size()) >= ODBC_SELECTED_COLUMNS) continue;
    OdbcSelectedColumn column;
    column.szDriver = query.szDriver;
    column.szSource = query.szSource;
    column.szTable = table;
    column.szColumn = listed.szName;
    column.iSqlType = listed.iSqlType;
    column.iPrecision = listed.iPrecision;
    column.iScale = listed.iScale;
    next.push_back(std::move(column));
  }
  for (const OdbcSelectedColumn& column : next) {
    if (column.szDriver != next.front().szDriver) {
      ReportNotice(JoinText(Text(TXT_CAPTION_ERROR), ": ", next.front().szDriver, " & ", column.szDriver),
                   Text(TXT_ODBC_TWO_DATABASES));
      return -1;
    }
  }
  if (static_cast<int>(OdbcDistinctTables(next).size()) > ODBC_TABLES) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_TOO_MANY_TABLES));
    return -1;
  }
  model.selected = std::move(next);
  OdbcBuilderRebuild(model);
  return 0;
}

int OdbcBuilderSelectAll(OdbcBuilderModel& model) {
  std::vector<int> all(model.tableColumns.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  return OdbcBuilderSelect(model, all);
}

void OdbcBuilderRemove(OdbcBuilderModel& model, const std::vector<int>& selectedIndexes) {
  std::vector<OdbcSelectedColumn> kept;
  for (std::size_t i = 0; i < model.selected.size(); ++i) {
    if (std::find(selectedIndexes.begin(), selectedIndexes.end(), static_cast<int>(i)) == selectedIndexes.end()) {
      kept.push_back(model.selected[i]);
    }
  }
  model.selected = std::move(kept);
  OdbcBuilderRebuild(model);
}

int OdbcBuilderCheckSelected(const OdbcBuilderModel& model) {
  if (!model.selected.empty()) return 0;
  ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_ODBC_NO_FIELDS));
  return -1;
}

std::vector<std::string> OdbcBuilderKeywords(const OdbcBuilderModel& model) {
  std::vector<std::string> keywords = {"OR", "OR NOT", "AND", "AND NOT"};
  if (model.conditions.empty() && model.szStatement.find("WHERE") == std::string::npos) {
    keywords.insert(keywords.begin(), {"WHERE", "WHERE NOT"});
  }
  return keywords;
}

const std::vector<std::string>& OdbcBuilderOperators() {
  static const std::vector<std::string> operators = {"=", "!=", "<>", "<", ">", "<=", ">=", "LIKE", "BETWEEN", "IN"};
  return operators;
}

int OdbcBuilderAddCondition(OdbcBuilderModel& model, const std::string& keyword, int column, const std::string& op,
                            const std::string& value) {
  if (!ValidColumn(model, column)) return -1;
  if (static_cast<int>(model.conditions.size()) >= ODBC_CONDITIONS) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_ODBC_TOO_MANY_CONDITIONS));
    return -1;
  }
  OdbcSelectedColumn& chosen = model.selected[static_cast<std::size_t>(column)];
  model.conditions.push_back(
      OdbcConditionText(keyword, chosen, op, value, model.selected, OdbcDialectFor(model.dialect, model.selected)));
  ++chosen.iConditionUses;
  if (OdbcDriverIgnoresCondition(chosen.szDriver, chosen.iSqlType, TypeNameOf(model, chosen))) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE),
                 JoinText(Text(TXT_ODBC_CANNOT_FILTER_1), chosen.szColumn, Text(TXT_ODBC_CANNOT_FILTER_2)));
  }
  OdbcBuilderRebuild(model);
  return 0;
}

void OdbcBuilderRemoveCondition(OdbcBuilderModel& model, int index) {
  if (index < 0 || index >= static_cast<int>(model.conditions.size())) return;
  model.conditions.erase(model.conditions.begin() + index);
  OdbcBuilderRebuild(model);
}

std::string OdbcBuilderDateDialog(const OdbcBuilderModel& model, int column) {
  if (!ValidColumn(model, column)) return {};
  const OdbcSelectedColumn& chosen = model.selected[static_cast<std::size_t>(column)];
  switch (chosen.iSqlType) {
    case SQL_DATE:
    case SQL_TYPE_DATE: return Text(TXT_ODBC_DATE_TITLE);
    case SQL_TIME:
    case SQL_TYPE_TIME: return Text(TXT_ODBC_TIME_TITLE);
    case SQL_TIMESTAMP:
    case SQL_TYPE_TIMESTAMP: return Text(TXT_ODBC_DATETIME_TITLE);
    default: ReportNotice(chosen.szColumn, Text(TXT_ODBC_NOT_DATE)); return {};
  }
}

void OdbcBuilderOrder(OdbcBuilderModel& model, int column, bool descending) {
  if (!ValidColumn(model, column)) return;
  int highest = 0;
  for (const OdbcSelectedColumn& c : model.selected) highest = std::max(highest, c.iOrder);
  OdbcSelectedColumn& chosen = model.selected[static_cast<std::size_t>(column)];
  if (chosen.iOrder == 0) chosen.iOrder = highest + 1;
  chosen.bDescending = descending;
  OdbcBuilderRebuild(model);
}

void OdbcBuilderClearOrder(OdbcBuilderModel& model, int column) {
  if (!ValidColumn(model, column)) return;
  model.selected[static_cast<std::size_t>(column)].iOrder = 0;
  OdbcBuilderRebuild(model);
}

std::string OdbcDateTimeText(const OdbcDateTimeModel& model) {
  auto two = [](int v) { return JoinText(v < 10 ? "0" : "", FormatInt(v)); };
  std::string date = JoinText(FormatInt(model.iYear), "-", two(model.iMonth), "-", two(model.iDay));
  std::string time = JoinText(two(model.iHour), ":", two(model.iMinute), ":", two(model.iSecond));
  if (model.bDate && model.bTime) return JoinText(date, " ", time);
  return model.bDate ? date : time;
}

std::string OdbcDateTimeDialogRun(WindowHandle owner, const OdbcBuilderModel& model, int column) {
  const std::string name = OdbcBuilderDateDialog(model, column);
  if (name.empty()) return {};
  OdbcDateTimeModel dateModel;
  dateModel.bDate = name != Text(TXT_ODBC_TIME_TITLE);
  dateModel.bTime = name != Text(TXT_ODBC_DATE_TITLE);
  if (RunCustomDialog(owner, dateModel.bDate && dateModel.bTime ? "Date and Time" : (dateModel.bDate ? "Date" : "Time"),
                      &dateModel) != BUTTON_OK) {
    return {};
  }
  return OdbcDateTimeText(dateModel);
}

namespace {

// The dialog of each step by its name (the view registry's key).
const char* StepDialogName(int step) {
  switch (step) {
    case ODBC_STEP_COLUMNS: return "Select table columns";
    case ODBC_STEP_CONDITIONS: return "Setup search conditions";
    default: return "Specify data display order";
  }
}

}  // namespace

int OdbcQueryBuilder(WindowHandle owner, OdbcBuilderModel& model) {
  if (OdbcBuilderStart(model) != 0) return -1;
  while (model.iStep != ODBC_STEP_FINISHED && model.iStep != ODBC_STEP_CANCELLED) {
    model.iAction = ODBC_ACTION_CANCEL;
    const int button = RunCustomDialog(owner, StepDialogName(model.iStep), &model);
    const int action = button == BUTTON_OK ? model.iAction : ODBC_ACTION_CANCEL;
    switch (action) {
      case ODBC_ACTION_NEXT:
        if (model.iStep == ODBC_STEP_COLUMNS && OdbcBuilderCheckSelected(model) != 0) break;
        model.iStep = std::min<int>(model.iStep + 1, ODBC_STEP_ORDER);
        break;
      case ODBC_ACTION_BACK: model.iStep = std::max<int>(model.iStep - 1, ODBC_STEP_COLUMNS); break;
      case ODBC_ACTION_FINISH:
        if (OdbcBuilderCheckSelected(model) != 0) break;
        model.iStep = ODBC_STEP_FINISHED;
        break;
      default:
        if (AskYesNoFor(owner, Text(TXT_ODBC_CONFIRM_CAPTION), Text(TXT_ODBC_EXIT_PROCESS)) == 1) {
          model.iStep = ODBC_STEP_CANCELLED;
        }
        break;
    }
    PresentPendingNotices();
  }
  OdbcCloseHandles(model.catalogue);
  return model.iStep == ODBC_STEP_FINISHED ? 0 : -1;
}
