#include "sources/source_lines.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <string>

namespace {

// Short decimals are read by a quick path: every text must read as the
// full conversion reads it (the same double, bit for bit), and texts that
// are not one whole number must still be refused.
TEST(ReadWholeNumber, ShortDecimalsReadAsTheFullConversion) {
  const char* numbers[] = {"0",  "7",   "100",  "10.0",  "-10",  "+2.5", "0.1",    "1.1076", ".5",
                           "5.", "-0",  "-0.0", "00012", "9999", "34.1", "1024.3", "123456789012345",
                           "1234567890123456", "0.000000000000001", "1.00000000000000000001", "1e3", "-1.5E-2",
                           "12345678901234567890", "999999999999999.9"};
  for (const char* text : numbers) {
    const std::string_view view(text);
    const bool negative = view[0] == '-';
    const std::string_view digits = (view[0] == '-' || view[0] == '+') ? view.substr(1) : view;
    double expected = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), expected,
                                           std::chars_format::general);
    ASSERT_TRUE(ec == std::errc() && ptr == digits.data() + digits.size()) << text;
    if (negative) expected = -expected;
    double value = 42.0;
    ASSERT_TRUE(ReadWholeNumber(view, &value)) << text;
    EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << text << " read as " << value;
  }
  const char* refused[] = {"", "-", "+", ".", "1.2.3", "12abc", "inf", "nan", "1,5", " 1", "1 ", "--1", "1e", "e5", "0x10"};
  for (const char* text : refused) {
    double value = 42.0;
    EXPECT_FALSE(ReadWholeNumber(text, &value)) << '"' << text << '"';
  }
}

}  // namespace
