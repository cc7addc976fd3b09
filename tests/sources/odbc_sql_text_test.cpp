// The builder's statement text as a pure function of its choices, over
// the dialects of the drivers in use (their identifier quotes and literal
// prefixes as the drivers report them).
#include "sources/odbc_sql_text.h"

#include <gtest/gtest.h>

#include <sql.h>
#include <sqlext.h>

namespace {

OdbcDialect Dialect(const char* quote, bool textPrefix) {
  OdbcDialect d;
  d.szQuote = quote;
  d.types.push_back({"VARCHAR", SQL_VARCHAR, 255, textPrefix ? "'" : "", textPrefix ? "'" : "", 0, 0});
  d.types.push_back({"INTEGER", SQL_INTEGER, 10, "", "", 0, 0});
  d.types.push_back({"DATETIME", SQL_TYPE_TIMESTAMP, 23, "#", "#", 0, 0});
  return d;
}

OdbcSelectedColumn Column(const char* table, const char* name, int type, int order = 0, bool desc = false) {
  OdbcSelectedColumn c;
  c.szDriver = "SQLite3";
  c.szSource = "SQLite1";
  c.szTable = table;
  c.szColumn = name;
  c.iSqlType = type;
  c.iOrder = order;
  c.bDescending = desc;
  return c;
}

TEST(OdbcSqlText, NamesAreQuotedPerDriver) {
  struct Case {
    const char* quote;
    const char* name;
    const char* quoted;
  };
  const Case cases[] = {
      {"\"", "Order Details", "\"Order Details\""},
      {"\"", "Umsätze", "\"Umsätze\""},
      {"\"", "a\"b", "\"a\"\"b\""},
      {"`", "x`y", "`x``y`"},
      {" ", "Order Details", "Order Details"},  // a driver without a quote
      {"", "Track", "Track"},
  };
  for (const Case& c : cases) {
    OdbcDialect d;
    d.szQuote = c.quote;
    EXPECT_EQ(OdbcQuoteName(c.name, d), c.quoted) << c.quote;
  }
  const std::string longName(128, 'n');
  OdbcDialect d;
  d.szQuote = "\"";
  EXPECT_EQ(OdbcQuoteName(longName, d).size(), 130u);  // 128 characters kept
}

TEST(OdbcSqlText, LiteralsFollowTheTypeTable) {
  struct Case {
    bool textPrefix;
    int type;
    const char* op;
    const char* value;
    const char* literal;
  };
  const Case cases[] = {
      {true, SQL_VARCHAR, "=", "abc", "'abc'"},
      {true, SQL_VARCHAR, "=", "O'Brien", "'O''Brien'"},
      {false, SQL_VARCHAR, "=", "O'Brien", "'O''Brien'"},  // no prefix reported: quotes anyway
      {false, SQL_WVARCHAR, "LIKE", "Océ%", "'Océ%'"},
      {true, SQL_INTEGER, ">", "42", "42"},
      {true, SQL_TYPE_TIMESTAMP, "=", "2021-12-02", "#2021-12-02#"},
      {true, SQL_TYPE_TIMESTAMP, "=", "#2021-12-02#", "#2021-12-02#"},
      {true, SQL_TYPE_DATE, "=", "2021-12-02", "'2021-12-02'"},  // not in the table: quoted
      {true, SQL_VARCHAR, "BETWEEN", "a AND m", "'a' AND 'm'"},
      {true, SQL_INTEGER, "between", "1 and 5", "1 AND 5"},
      {true, SQL_VARCHAR, "IN", "(x, y's)", "('x', 'y''s')"},
      {true, SQL_INTEGER, "IN", "1,2,3", "(1, 2, 3)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OdbcLiteral(c.value, c.type, c.op, Dialect("\"", c.textPrefix)), c.literal) << c.value;
  }
}

TEST(OdbcSqlText, StatementOfColumnsConditionsAndOrder) {
  const OdbcDialect d = Dialect("\"", true);
  std::vector<OdbcSelectedColumn> columns = {
      Column("Order Details", "OrderID", SQL_INTEGER), Column("Order Details", "UnitPrice", SQL_INTEGER, 2, true),
      Column("Products", "ProductName", SQL_VARCHAR, 1)};
  EXPECT_EQ(OdbcSelectText(columns, d),
            "SELECT \"Order Details\".\"OrderID\",\n\"Order Details\".\"UnitPrice\",\n\"Products\".\"ProductName\"\n"
            "FROM \"Order Details\", \"Products\"");
  const std::string where =
      OdbcConditionText("WHERE", columns[2], "=", "abc", columns, d);
  EXPECT_EQ(where, "WHERE \"Products\".\"ProductName\" = 'abc'");
  // A value naming a selected column is a join, not a text.
  EXPECT_EQ(OdbcConditionText("AND", columns[0], "=", "Products.ProductName", columns, d),
            "AND \"Order Details\".\"OrderID\" = \"Products\".\"ProductName\"");
  EXPECT_EQ(OdbcOrderText(columns, d),
            "ORDER BY \"Products\".\"ProductName\" ASC,\n\"Order Details\".\"UnitPrice\" DESC");
  EXPECT_EQ(OdbcStatementText(columns, {where}, d),
            OdbcSelectText(columns, d) + "\n" + where + "\n" + OdbcOrderText(columns, d));
  EXPECT_EQ(OdbcStatementText({}, {}, d), "");
  // Over one table the columns stand alone (MDB Tools takes no other form).
  const std::vector<OdbcSelectedColumn> one = {Column("Order Details", "OrderID", SQL_INTEGER, 1)};
  const OdbcDialect single = OdbcDialectFor(d, one);
  EXPECT_EQ(OdbcStatementText(one, {OdbcConditionText("WHERE", one[0], ">", "10300", one, single)}, single),
            "SELECT \"OrderID\"\nFROM \"Order Details\"\nWHERE \"OrderID\" > 10300\nORDER BY \"OrderID\" ASC");
  EXPECT_TRUE(OdbcDialectFor(d, columns).bQualify);
  EXPECT_EQ(OdbcOrderText({Column("T", "a", SQL_INTEGER)}, d), "");
}

TEST(OdbcSqlText, DriversThatIgnoreConditions) {
  EXPECT_TRUE(OdbcDriverIgnoresCondition("MDBTools", SQL_TYPE_TIMESTAMP, "DateTime"));
  EXPECT_TRUE(OdbcDriverIgnoresCondition("MDBTools", SQL_DECIMAL, "Currency"));
  EXPECT_TRUE(OdbcDriverIgnoresCondition("MDBTools", SQL_DECIMAL, "Money"));
  EXPECT_FALSE(OdbcDriverIgnoresCondition("MDBTools", SQL_INTEGER, "Long Integer"));
  EXPECT_FALSE(OdbcDriverIgnoresCondition("MDBTools", SQL_VARCHAR, "Text"));
  EXPECT_FALSE(OdbcDriverIgnoresCondition("SQLite3", SQL_TYPE_TIMESTAMP, "DATETIME"));
  EXPECT_FALSE(OdbcDriverIgnoresCondition("PostgreSQL Unicode", SQL_DECIMAL, "money"));
}

}  // namespace
