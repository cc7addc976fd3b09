#include "table/number_format.h"

#include <gtest/gtest.h>

#include "support/comma_locale.h"

namespace {

const std::pair<double, const char*> kFormatCases[] = {
    {0.0, "0.0"},
    {-0.0, "0.0"},
    {123456.0, "1.234560e+05"},
    {100000.0, "1.000000e+05"},   // the "%e" range starts here
    {99999.5, "99999.5"},
    {-123456.0, "-1.234560e+05"},
    {0.000001, "1.000000e-06"},
    {0.00001, "0.00001"},         // the smallest "%f" value
    {0.000009, "9.000000e-06"},
    {2.5, "2.5"},
    {7.0, "7"},
    {10.0, "10"},
    {100.0, "100"},
    {-3.25, "-3.25"},
    {0.125, "0.125"},
    {1.0 / 3.0, "0.333333"},
};

TEST(FormatNumber, UsesTheShortestDefaultForm) {
  for (const auto& [value, text] : kFormatCases) EXPECT_EQ(FormatNumber(value), text) << value;
}

TEST(FormatNumber, IgnoresACommaDecimalLocale) {
  REQUIRE_COMMA_DECIMAL_LOCALE(locale);
  for (const auto& [value, text] : kFormatCases) EXPECT_EQ(FormatNumber(value), text) << value;
}

}  // namespace
