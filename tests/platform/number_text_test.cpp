#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/comma_locale.h"

namespace {

struct ReadCase {
  const char* text;
  double value;
  bool ok;
};

const ReadCase kReadCases[] = {
    {"1.5", 1.5, true},
    {"  -2.25", -2.25, true},
    {"\t+7", 7.0, true},
    {"1.2.3", 1.2, true},       // longest leading number
    {"2001-10-12", 2001.0, true},
    {"5e3", 5000.0, true},
    {"1e+5", 100000.0, true},
    {"5e", 5.0, true},          // a dangling exponent is not part of the number
    {".5", 0.5, true},
    {"1,5", 1.0, true},         // a comma never is a decimal separator
    {"12abc", 12.0, true},
    {"-", 0.0, false},
    {"", 0.0, false},
    {"abc", 0.0, false},
    {"--5", 0.0, false},
    {"+-5", 0.0, false},
    {"1e-400", 0.0, true},      // underflow reads 0
};

TEST(TextToDouble, ReadsTheLongestLeadingNumber) {
  for (const ReadCase& c : kReadCases) {
    bool ok = !c.ok;
    EXPECT_DOUBLE_EQ(TextToDoubleChecked(c.text, &ok), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ok, c.ok) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(TextToDouble(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(TextToDouble, OutOfRangeTextsKeepTheirDirection) {
  EXPECT_EQ(TextToDouble("1e400"), HUGE_VAL);
  EXPECT_EQ(TextToDouble("-1e400"), -HUGE_VAL);
  EXPECT_EQ(TextToDouble(std::string(400, '9')), HUGE_VAL);
  // A tiny value written out in full underflows to 0 like one in exponent
  // form; it must not read as infinity.
  const std::string tiny = "0." + std::string(400, '0') + "1";
  EXPECT_EQ(TextToDouble(tiny), 0.0);
  EXPECT_EQ(TextToDouble("-" + tiny), 0.0);
  EXPECT_EQ(TextToDouble("100000e-400"), 0.0);
  EXPECT_EQ(TextToDouble("0.00001e400"), HUGE_VAL);
}

TEST(TextToInt, ReadsLeadingDigitsAndSaturates) {
  EXPECT_EQ(TextToInt("42"), 42);
  EXPECT_EQ(TextToInt("  -17x"), -17);
  EXPECT_EQ(TextToInt("+3"), 3);
  EXPECT_EQ(TextToInt("x1"), 0);
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("99999999999999999999"), std::numeric_limits<int>::max());
  EXPECT_EQ(TextToInt("-99999999999999999999"), std::numeric_limits<int>::min());
}

TEST(FormatNumbers, FollowPrintfForms) {
  EXPECT_EQ(FormatExponent(5000.0), "5.000000e+03");
  EXPECT_EQ(FormatExponent(-0.000123), "-1.230000e-04");
  EXPECT_EQ(FormatExponent(1e100), "1.000000e+100");
  EXPECT_EQ(FormatExponent(0.0), "0.000000e+00");
  EXPECT_EQ(FormatFixed(2.5), "2.500000");
  EXPECT_EQ(FormatFixed(-3.0), "-3.000000");
  EXPECT_EQ(FormatFixedPlaces(3.14159, 2), "3.14");
  EXPECT_EQ(FormatFixedPlaces(2.5, 0), "2");  // round half to even, as printf
  EXPECT_EQ(FormatFixedPlaces(1.5, -3), "2");  // negative places read as 0
  EXPECT_EQ(FormatInt(-1234567890123LL), "-1234567890123");
  EXPECT_EQ(FormatInt(0), "0");
}

TEST(NumberTextUnderCommaLocale, ReadsAndWritesPoints) {
  REQUIRE_COMMA_DECIMAL_LOCALE(locale);
  EXPECT_DOUBLE_EQ(TextToDouble("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(TextToDouble("1,5"), 1.0);
  EXPECT_EQ(FormatExponent(1234.5), "1.234500e+03");
  EXPECT_EQ(FormatFixed(-0.25), "-0.250000");
  EXPECT_EQ(FormatFixedPlaces(2.75, 1), "2.8");
}

}  // namespace
