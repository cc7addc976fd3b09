#include "sources/odbc_sql_text.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>

#include "platform/text_buffer.h"

namespace {

// `text` inside `open` and `close`, each embedded `close` doubled.
std::string Wrap(std::string_view text, std::string_view open, std::string_view close) {
  std::string out(open);
  if (close.empty()) {
    out.append(text);
  } else {
    for (std::size_t i = 0; i < text.size();) {
      if (text.substr(i, close.size()) == close) {
        out.append(close);
        out.append(close);
        i += close.size();
      } else {
        out.push_back(text[i++]);
      }
    }
  }
  out.append(close);
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Upper-case ASCII copy, for keyword comparisons.
std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// One value as a literal of the type.
std::string ItemLiteral(std::string_view value, int sqlType, const OdbcDialect& dialect) {
  std::string prefix;
  std::string suffix;
  for (const OdbcTypeRow& row : dialect.types) {
    if (row.iSqlType == sqlType) {
      prefix = row.szPrefix;
      suffix = row.szSuffix;
      break;
    }
  }
  if (prefix.empty() && suffix.empty() && (OdbcIsCharacterType(sqlType) || OdbcIsDateTimeType(sqlType))) {
    prefix = suffix = "'";
  }
  // A value already written as the literal stays as it is.
  if (!prefix.empty() && value.size() >= prefix.size() + suffix.size() && value.substr(0, prefix.size()) == prefix &&
      value.substr(value.size() - suffix.size()) == suffix && prefix != "'") {
    return std::string(value);
  }
  return Wrap(value, prefix, suffix);
}

bool HasQuote(const OdbcDialect& dialect) { return !dialect.szQuote.empty() && dialect.szQuote != " "; }

}  // namespace

std::string OdbcQuoteName(std::string_view name, const OdbcDialect& dialect) {
  if (!HasQuote(dialect)) return std::string(name);
  return Wrap(name, dialect.szQuote, dialect.szQuote);
}

std::string OdbcColumnReference(const OdbcSelectedColumn& column, const OdbcDialect& dialect) {
  if (!dialect.bQualify) return OdbcQuoteName(column.szColumn, dialect);
  return JoinText(OdbcQuoteName(column.szTable, dialect), ".", OdbcQuoteName(column.szColumn, dialect));
}

bool OdbcIsCharacterType(int sqlType) {
  return sqlType == SQL_CHAR || sqlType == SQL_VARCHAR || sqlType == SQL_LONGVARCHAR || sqlType == SQL_WCHAR ||
         sqlType == SQL_WVARCHAR || sqlType == SQL_WLONGVARCHAR;
}

bool OdbcIsDateTimeType(int sqlType) {
  return sqlType == SQL_DATE || sqlType == SQL_TIME || sqlType == SQL_TIMESTAMP || sqlType == SQL_TYPE_DATE ||
         sqlType == SQL_TYPE_TIME || sqlType == SQL_TYPE_TIMESTAMP;
}

std::string OdbcLiteral(std::string_view value, int sqlType, std::string_view op, const OdbcDialect& dialect) {
  const std::string upperOp = Upper(Trim(op));
  if (upperOp == "BETWEEN") {
    const std::string upper = Upper(value);
    const std::size_t and_ = upper.find(" AND ");
    if (and_ != std::string::npos) {
      return JoinText(ItemLiteral(Trim(value.substr(0, and_)), sqlType, dialect), " AND ",
                      ItemLiteral(Trim(value.substr(and_ + 5)), sqlType, dialect));
    }
  }
  if (upperOp == "IN") {
    std::string_view inner = Trim(value);
    if (inner.size() >= 2 && inner.front() == '(' && inner.back() == ')') inner = inner.substr(1, inner.size() - 2);
    std::string out = "(";
    bool first = true;
    while (true) {
      const std::size_t comma = inner.find(',');
      if (!first) out.append(", ");
      first = false;
      out.append(ItemLiteral(Trim(inner.substr(0, comma)), sqlType, dialect));
      if (comma == std::string_view::npos) break;
      inner.remove_prefix(comma + 1);
    }
    out.push_back(')');
    return out;
  }
  return ItemLiteral(value, sqlType, dialect);
}

std::vector<std::string> OdbcDistinctTables(const std::vector<OdbcSelectedColumn>& columns) {
  std::vector<std::string> tables;
  for (const OdbcSelectedColumn& column : columns) {
    if (std::find(tables.begin(), tables.end(), column.szTable) == tables.end()) tables.push_back(column.szTable);
  }
  return tables;
}

OdbcDialect OdbcDialectFor(const OdbcDialect& dialect, const std::vector<OdbcSelectedColumn>& columns) {
  OdbcDialect chosen = dialect;
  chosen.bQualify = OdbcDistinctTables(columns).size() > 1;
  return chosen;
}

std::string OdbcSelectText(const std::vector<OdbcSelectedColumn>& columns, const OdbcDialect& dialect) {
  std::string text = "SELECT ";
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) text.append(",\n");
    text.append(OdbcColumnReference(columns[i], dialect));
  }
  text.append("\nFROM ");
  const std::vector<std::string> tables = OdbcDistinctTables(columns);
  for (std::size_t i = 0; i < tables.size(); ++i) {
    if (i > 0) text.append(", ");
    text.append(OdbcQuoteName(tables[i], dialect));
  }
  return text;
}

std::string OdbcConditionText(std::string_view keyword, const OdbcSelectedColumn& column, std::string_view op,
                              std::string_view value, const std::vector<OdbcSelectedColumn>& columns,
                              const OdbcDialect& dialect) {
  std::string shown;
  const std::string_view trimmed = Trim(value);
  for (const OdbcSelectedColumn& other : columns) {
    const std::string reference = OdbcColumnReference(other, dialect);
    if (trimmed == reference || trimmed == JoinText(other.szTable, ".", other.szColumn) ||
        (!dialect.bQualify && trimmed == other.szColumn)) {
      shown = reference;
    }
  }
  if (shown.empty()) shown = OdbcLiteral(trimmed, column.iSqlType, op, dialect);
  return JoinText(keyword, " ", OdbcColumnReference(column, dialect), " ", op, " ", shown);
}

std::string OdbcOrderText(const std::vector<OdbcSelectedColumn>& columns, const OdbcDialect& dialect) {
  std::vector<const OdbcSelectedColumn*> ordered;
  for (const OdbcSelectedColumn& column : columns) {
    if (column.iOrder > 0) ordered.push_back(&column);
  }
  if (ordered.empty()) return {};
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const OdbcSelectedColumn* a, const OdbcSelectedColumn* b) { return a->iOrder < b->iOrder; });
  std::string text = "ORDER BY ";
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    if (i > 0) text.append(",\n");
    text.append(JoinText(OdbcColumnReference(*ordered[i], dialect), " ", ordered[i]->bDescending ? "DESC" : "ASC"));
  }
  return text;
}

std::string OdbcStatementText(const std::vector<OdbcSelectedColumn>& columns,
                              const std::vector<std::string>& conditions, const OdbcDialect& dialect) {
  if (columns.empty()) return {};
  std::string text = OdbcSelectText(columns, dialect);
  for (const std::string& condition : conditions) text.append(JoinText("\n", condition));
  const std::string order = OdbcOrderText(columns, dialect);
  if (!order.empty()) text.append(JoinText("\n", order));
  return text;
}

bool OdbcDriverIgnoresCondition(std::string_view driver, int sqlType, std::string_view typeName) {
  const std::string upperDriver = Upper(driver);
  const bool mdbTools = upperDriver.find("MDB") != std::string::npos;
  if (!mdbTools) return false;
  const std::string upperType = Upper(typeName);
  return OdbcIsDateTimeType(sqlType) || upperType.find("MONEY") != std::string::npos ||
         upperType.find("CURRENCY") != std::string::npos;
}
