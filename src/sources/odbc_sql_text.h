// The text of the query builder's SELECT statement, as pure functions of
// the chosen columns, the search conditions and the display order, and of
// what the driver says about its SQL: the identifier quote character and
// the literal prefix and suffix of each type.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A column the user selected, with what its table said about it.
struct OdbcSelectedColumn {
  std::string szDriver;
  std::string szSource;
  std::string szTable;
  std::string szColumn;
  int iSqlType = 0;
  std::uint64_t iPrecision = 0;
  int iScale = 0;
  int iOrder = 0;           // display order number, 0 when not ordered
  bool bDescending = false;
  int iConditionUses = 0;   // search conditions naming the column
};

// One row of the driver's type information.
struct OdbcTypeRow {
  std::string szTypeName;
  int iSqlType = 0;
  std::uint64_t iPrecision = 0;
  std::string szPrefix;
  std::string szSuffix;
  int iMinScale = 0;
  int iMaxScale = 0;
};

// What the builder needs to know of the driver's SQL.
struct OdbcDialect {
  std::string szQuote;             // identifier quote character; empty or " " when none
  std::vector<OdbcTypeRow> types;  // at most 25 rows are kept
  // Columns are written table "." column; a statement over one table
  // names them alone (MDB Tools refuses the qualified form).
  bool bQualify = true;
};

// The dialect for a statement over `columns`: qualified names only when
// they come from more than one table.
OdbcDialect OdbcDialectFor(const OdbcDialect& dialect, const std::vector<struct OdbcSelectedColumn>& columns);

inline constexpr int ODBC_TYPE_ROWS = 25;
inline constexpr int ODBC_SELECTED_COLUMNS = 255;
inline constexpr int ODBC_CONDITIONS = 10;
inline constexpr int ODBC_TABLES = 18;

// A table or column name for the statement: inside the driver's quote
// character with embedded quote characters doubled, or as it is when the
// driver has none.
std::string OdbcQuoteName(std::string_view name, const OdbcDialect& dialect);

// table "." column, both quoted (the column alone when the dialect does
// not qualify).
std::string OdbcColumnReference(const OdbcSelectedColumn& column, const OdbcDialect& dialect);

// True for the character SQL types (CHAR, VARCHAR, LONGVARCHAR and their
// wide forms).
bool OdbcIsCharacterType(int sqlType);
// True for DATE, TIME and TIMESTAMP (both numbering schemes).
bool OdbcIsDateTimeType(int sqlType);

// A typed value as a literal of `sqlType`: inside the type's literal
// prefix and suffix (quotes for a character type whose driver names
// none), an embedded quote doubled when the literal is quoted. Values of
// BETWEEN ("a AND b") and IN ("(a, b)") are wrapped item by item.
std::string OdbcLiteral(std::string_view value, int sqlType, std::string_view op, const OdbcDialect& dialect);

// "SELECT " + the columns joined by "," and a line break, a line break and
// "FROM " + the distinct tables joined by ", ".
std::string OdbcSelectText(const std::vector<OdbcSelectedColumn>& columns, const OdbcDialect& dialect);

// One search condition: keyword, column, operator and the value (a
// literal, or as it is when it names one of the selected columns).
std::string OdbcConditionText(std::string_view keyword, const OdbcSelectedColumn& column, std::string_view op,
                              std::string_view value, const std::vector<OdbcSelectedColumn>& columns,
                              const OdbcDialect& dialect);

// "ORDER BY " + the ordered columns by order number, each with ASC or DESC,
// joined by "," and a line break; empty when none is ordered.
std::string OdbcOrderText(const std::vector<OdbcSelectedColumn>& columns, const OdbcDialect& dialect);

// The whole statement: select part, the conditions one per line, the order.
std::string OdbcStatementText(const std::vector<OdbcSelectedColumn>& columns,
                              const std::vector<std::string>& conditions, const OdbcDialect& dialect);

// The distinct tables of the columns, in order of first selection.
std::vector<std::string> OdbcDistinctTables(const std::vector<OdbcSelectedColumn>& columns);

// True when the driver returns every row instead of filtering on a column
// of this type (MDB Tools on currency and date columns).
bool OdbcDriverIgnoresCondition(std::string_view driver, int sqlType, std::string_view typeName);
