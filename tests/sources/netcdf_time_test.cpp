#include <gtest/gtest.h>

#include <string>

#include "sources/netcdf_time.h"

namespace {

// Units of real files: the unit and the base date both count, with a 'T'
// and a 'Z', fractions of a second, and bases long before 1970.
TEST(NetcdfTimeTest, UnitsGiveUnitAndBase) {
  const struct {
    const char* szUnits;
    bool bValid;
    double dUnitSeconds;
    double dBaseSeconds;
  } cases[] = {
      {"seconds since 1970-01-01 00:00:00", true, 1.0, 0.0},
      {"days since 1950-01-01 00:00:00 UTC", true, 86400.0, -631152000.0},
      {"hours since 1900-01-01", true, 3600.0, -2208988800.0},
      {"minutes since 2000-01-01T12:00:00Z", true, 60.0, 946728000.0},
      {"Days since 2017-10-25T20:56:00.5Z", true, 86400.0, 1508964960.5},
      {"hours since 1-1-1 00:00:0.0", true, 3600.0, -62135596800.0},
      {"days since 1964-03-12 12:09:00 -9:00", true, 86400.0, -183178260.0},
      {"seconds since 1970-1-1 0:00:00 0:00", true, 1.0, 0.0},
      {"degrees_north", false, 0, 0},
      {"furlongs since 1970-01-01", false, 0, 0},
      {"days since yesterday", false, 0, 0},
      {"days since 2001-02-30", false, 0, 0},
  };
  for (const auto& c : cases) {
    const NetcdfTimeBase base = NetcdfParseTimeUnits(c.szUnits);
    EXPECT_EQ(base.bValid, c.bValid) << c.szUnits;
    if (!c.bValid) continue;
    EXPECT_DOUBLE_EQ(base.dUnitSeconds, c.dUnitSeconds) << c.szUnits;
    EXPECT_DOUBLE_EQ(base.dBaseSeconds, c.dBaseSeconds) << c.szUnits;
  }
}

// Dates are shown without leading zeros, before 1970 and after 2038 too.
TEST(NetcdfTimeTest, DateTextsAcrossTheCenturies) {
  const struct {
    double dSeconds;
    const char* szText;
    const char* szBox;
  } cases[] = {
      {0.0, "1970-1-1 0:0:0 ", "1970-1-1+0:0:0#"},
      {0.9, "1970-1-1 0:0:0 ", "1970-1-1+0:0:0#"},
      {-1.0, "1969-12-31 23:59:59 ", "1969-12-31+23:59:59#"},
      {-631152000.0, "1950-1-1 0:0:0 ", "1950-1-1+0:0:0#"},
      {2147483648.0, "2038-1-19 3:14:8 ", "2038-1-19+3:14:8#"},
      {951782400.0, "2000-2-29 0:0:0 ", "2000-2-29+0:0:0#"},
      {1e300, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NetcdfDateText(c.dSeconds), c.szText) << c.dSeconds;
    EXPECT_EQ(NetcdfDateBoxText(c.dSeconds), c.szBox) << c.dSeconds;
  }
}

// The Time option boxes take only a valid date and time in their form.
TEST(NetcdfTimeTest, DateBoxesReadBack) {
  const struct {
    const char* szText;
    bool bValid;
    double dSeconds;
  } cases[] = {
      {"2010-12-30+13:59:30#", true, 1293717570.0},
      {"1969-12-31+23:59:59#", true, -1.0},
      {"2010-02-29+00:00:00#", false, 0},
      {"2010-12-30 13:59:30", false, 0},
      {"2010-13-01+00:00:00#", false, 0},
      {"2010-12-30+24:00:00#", false, 0},
      {"", false, 0},
  };
  for (const auto& c : cases) {
    double seconds = 0.0;
    EXPECT_EQ(NetcdfParseDateBox(c.szText, &seconds), c.bValid) << c.szText;
    if (c.bValid) {
      EXPECT_DOUBLE_EQ(seconds, c.dSeconds) << c.szText;
    }
  }
}

TEST(NetcdfTimeTest, OnlyTheStandardCalendarsGiveDates) {
  for (const char* calendar : {"", "standard", "gregorian", "proleptic_gregorian", "Standard"}) {
    EXPECT_TRUE(NetcdfCalendarIsStandard(calendar)) << calendar;
  }
  for (const char* calendar : {"365_day", "noleap", "360_day", "julian", "all_leap"}) {
    EXPECT_FALSE(NetcdfCalendarIsStandard(calendar)) << calendar;
  }
}

}  // namespace
