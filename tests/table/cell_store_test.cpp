#include "table/cell_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "platform/codepage.h"
#include "platform/memory.h"
#include "support/comma_locale.h"
#include "support/fresh_table.h"
#include "table/long_text.h"
#include "table/number_format.h"

namespace {

class CellStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(t.ok()); }
  FreshTable t;
};

TEST(TableCellIndex, RowMajorInsideTheTableOnly) {
  int index = -5;
  EXPECT_EQ(TableCellIndex(0, 0, 2001, 371, &index), 0);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(TableCellIndex(2000, 370, 2001, 371, &index), 0);
  EXPECT_EQ(index, 2000 * 371 + 370);
  for (auto [row, col] : {std::pair{2001, 1}, {1, 371}, {-1, 1}, {1, -1}}) {
    index = -5;
    EXPECT_EQ(TableCellIndex(row, col, 2001, 371, &index), -1) << row << "," << col;
    EXPECT_EQ(index, 0);
  }
}

struct StoreCase {
  const char* input;
  const char* raw;  // what the cell keeps; nullptr: a pool reference
  const char* shown;
};

TEST_F(CellStoreTest, NumbersStayInTheCellAndTextsGoToThePool) {
  const StoreCase cases[] = {
      {"7", "7", "7"},
      {"-", "-", "-"},                          // lone minus: numeric
      {"-3.25", "-3.25", "-3.25"},
      {"1.2.3", "1.2.3", "1.2.3"},
      {"2001-10-12", "2001-10-12", "2001-10-12"},
      {"1234567890123456789", "1234567890123456789", "1234567890123456789"},  // 19 digits: as typed
      {"12345678901234567890", "1.234568e+19", "1.234568e+19"},             // 20 digits: "%e"
      {"5e3", "5.000000e+03", "5.000000e+03"},
      {"1E+5", "1.000000e+05", "1.000000e+05"},
      {" 1 2 3", "123", "123"},
      {".5", "0.5", "0.5"},
      {"12   ", "12", "12"},
      {"abc", nullptr, "abc"},
      {"+", nullptr, "+ "},                     // lone plus: plus and blank
      {"=", nullptr, "= "},
      {"+5", nullptr, "+5"},
      {"1 2", nullptr, "1 2"},
      {"e5", nullptr, "e5"},
      {"5e", nullptr, "5e"},
      {"1,5", nullptr, "1,5"},
      {"你好", nullptr, "你好"},
      {"1e999", nullptr, "1e999"},              // beyond a double: kept as typed, as text
      {"-1e400", nullptr, "-1e400"},
  };
  int row = 1;
  for (const StoreCase& c : cases) {
    ASSERT_EQ(t.Store(row, 1, c.input), 0) << c.input;
    const std::string raw = t.Raw(row, 1);
    if (c.raw) {
      EXPECT_EQ(raw, c.raw) << '"' << c.input << '"';
    } else {
      EXPECT_EQ(IsLongTextRef(raw), 1) << '"' << c.input << "\" kept as " << raw;
    }
    EXPECT_EQ(t.Shown(row, 1), c.shown) << '"' << c.input << '"';
    ++row;
  }
}

TEST_F(CellStoreTest, TextEndsAtItsFirstZeroByte) {
  using namespace std::string_view_literals;
  ASSERT_EQ(t.Store(1, 1, "\0hidden"sv), 0);
  EXPECT_EQ(t.Raw(1, 1), "");
  ASSERT_EQ(t.Store(2, 1, "ab\0cd"sv), 0);
  EXPECT_EQ(t.Shown(2, 1), "ab");
  // The slot of "ab" is taken, so the next text gets another one.
  ASSERT_EQ(t.Store(3, 1, "xy"), 0);
  EXPECT_NE(t.Raw(3, 1), t.Raw(2, 1));
  EXPECT_EQ(t.Shown(2, 1), "ab");
}

TEST_F(CellStoreTest, FirstTextTakesSlotZeroAndEmptyTextFreesIt) {
  ASSERT_EQ(t.Store(3, 4, "abc"), 0);
  EXPECT_EQ(t.Raw(3, 4), "CHAR0");
  EXPECT_EQ(t.Pool(0), "abc");
  ASSERT_EQ(t.Store(3, 4, ""), 0);
  EXPECT_EQ(t.Raw(3, 4), "");
  EXPECT_EQ(t.Pool(0), "");
  ASSERT_EQ(t.Store(5, 5, "next"), 0);
  EXPECT_EQ(t.Raw(5, 5), "CHAR0") << "the freed slot is the lowest free one again";
}

TEST_F(CellStoreTest, LongTextsAreCutTo514BytesAndAMark) {
  ASSERT_EQ(t.Store(1, 1, std::string(600, 'x')), 0);
  EXPECT_EQ(t.Shown(1, 1), std::string(514, 'x') + " ...");
  ASSERT_EQ(t.Store(1, 2, std::string(519, 'y')), 0);  // fits a slot whole
  EXPECT_EQ(t.Shown(1, 2), std::string(519, 'y'));
  ASSERT_EQ(t.Store(1, 3, std::string(520, 'z')), 0);
  EXPECT_EQ(t.Shown(1, 3), std::string(514, 'z') + " ...");

  std::string chinese;
  for (int i = 0; i < 200; ++i) chinese += "你";
  ASSERT_EQ(t.Store(1, 4, chinese), 0);
  const std::string shown = t.Shown(1, 4);
  EXPECT_TRUE(IsValidUtf8(shown)) << "a cut must not split a character";
  EXPECT_EQ(shown.size(), 513u + 4u);
  EXPECT_TRUE(shown.ends_with(" ..."));
}

TEST_F(CellStoreTest, PoolGrowsBeyondItsFirstSlotsWithTheSameReferences) {
  // The record's 5000 slots and three chunks grown beyond them.
  constexpr int kTexts = 3 * LONG_TEXT_SLOTS + 2;
  for (int i = 0; i < kTexts; ++i) {
    ASSERT_EQ(t.Store(1 + i / 300, 1 + i % 300, "text " + std::to_string(i)), 0);
  }
  for (int i : {0, LONG_TEXT_SLOTS - 1, LONG_TEXT_SLOTS, 2 * LONG_TEXT_SLOTS, kTexts - 1}) {
    const int row = 1 + i / 300;
    const int col = 1 + i % 300;
    EXPECT_EQ(t.Raw(row, col), "CHAR" + std::to_string(i));
    EXPECT_EQ(t.Shown(row, col), "text " + std::to_string(i)) << "texts survive every growth";
  }
  EXPECT_EQ(LongTextTakeLost(*t), 0);

  // Emptying a text cell gives its slot to the next text, grown or not.
  ASSERT_EQ(t.Store(1, 18, ""), 0);  // held CHAR17
  ASSERT_EQ(t.Store(1 + LONG_TEXT_SLOTS / 300, 1 + LONG_TEXT_SLOTS % 300, ""), 0);
  ASSERT_EQ(t.Store(1900, 1, "fits again"), 0);
  EXPECT_EQ(t.Raw(1900, 1), "CHAR17");
  ASSERT_EQ(t.Store(1900, 2, "and again"), 0);
  EXPECT_EQ(t.Raw(1900, 2), "CHAR" + std::to_string(LONG_TEXT_SLOTS));
}

TEST_F(CellStoreTest, NoMemoryForATextGivesMemoryOverflowAndCountsIt) {
  for (int i = 0; i < LONG_TEXT_SLOTS; ++i) {
    ASSERT_EQ(t.Store(1 + i / 300, 1 + i % 300, "t"), 0);
  }
  MemoryFailNextAllocations(2);
  ASSERT_EQ(t.Store(100, 1, "no room"), 0);
  ASSERT_EQ(t.Store(100, 2, "no room either"), 0);
  EXPECT_EQ(t.Raw(100, 1), "Memory overflow");
  EXPECT_EQ(t.Raw(100, 2), "Memory overflow");
  EXPECT_EQ(t->iUsedRows, 101) << "the cell was written all the same";
  EXPECT_EQ(LongTextTakeLost(*t), 2);
  EXPECT_EQ(LongTextTakeLost(*t), 0) << "taken once";
  // Memory is back: the pool grows on the next text.
  ASSERT_EQ(t.Store(100, 3, "fits"), 0);
  EXPECT_EQ(t.Raw(100, 3), "CHAR" + std::to_string(LONG_TEXT_SLOTS));
  EXPECT_EQ(LongTextTakeLost(*t), 0);
}

TEST_F(CellStoreTest, OverwritingATextCellReleasesItsSlot) {
  ASSERT_EQ(t.Store(9, 9, "keep me"), 0);  // slot 0
  for (int i = 0; i < 6000; ++i) {
    ASSERT_EQ(t.Store(1, 1, "edit " + std::to_string(i)), 0);
  }
  EXPECT_NE(t.Raw(1, 1), "Memory overflow");
  EXPECT_EQ(t.Shown(1, 1), "edit 5999");
  EXPECT_EQ(t.Raw(1, 1), "CHAR1");
  EXPECT_EQ(t.Shown(9, 9), "keep me");
  EXPECT_EQ(t.Pool(2), "") << "no slot was left behind";

  ASSERT_EQ(t.Store(1, 1, "42"), 0);  // a number over a text frees the slot too
  EXPECT_EQ(t.Pool(1), "");
  EXPECT_EQ(t.Shown(9, 9), "keep me");
}

TEST_F(CellStoreTest, StoringACellsOwnTextBackKeepsIt) {
  // The text given may be the cell's own pool slot or cell text, which the
  // store frees or overwrites before it writes: short and long texts alike.
  const std::string texts[] = {"short text", std::string(100, 'L'), "12.5"};
  for (const std::string& text : texts) {
    t.Store(3, 3, text);
    const TableCell* cell = TableCellAt(*t, 3, 3);
    const int slot = LongTextSlotOf(*t, TextOf(cell->szText));
    const std::string_view own = slot >= 0 ? LongTextAt(*t, slot) : TextOf(cell->szText);
    ASSERT_EQ(TableStoreCellText(*t, 3, 3, own), 0);
    EXPECT_EQ(t.Shown(3, 3), text);
  }
}

TEST_F(CellStoreTest, OverwritingALiteralThatStartsWithCharKeepsThePool) {
  // Header cells may hold literal names (a database field "CHARGE"); they
  // name no pool slot, so overwriting one must not empty slot 0.
  TableCell* header = TableCellAt(*t, 0, 1);
  ASSERT_NE(header, nullptr);
  CopyText(header->szText, "CHARGE");
  ASSERT_EQ(t.Store(1, 1, "first text"), 0);
  ASSERT_EQ(t.Raw(1, 1), "CHAR0");
  ASSERT_EQ(t.Store(0, 1, "Charge"), 0);
  EXPECT_EQ(t.Shown(1, 1), "first text");
  EXPECT_EQ(t.Shown(0, 1), "Charge");
}

TEST_F(CellStoreTest, StoresGrowTheUsedExtent) {
  EXPECT_EQ(t->iUsedRows, 0);
  EXPECT_EQ(t->iUsedCols, 0);
  t.Store(5, 3, "1");
  EXPECT_EQ(t->iUsedRows, 6);
  EXPECT_EQ(t->iUsedCols, 4);
  t.Store(2, 10, "text");
  EXPECT_EQ(t->iUsedRows, 6);
  EXPECT_EQ(t->iUsedCols, 11);
  t.Store(100, 100, "");  // the empty text does not count
  EXPECT_EQ(t->iUsedRows, 6);
  EXPECT_EQ(t->iUsedCols, 11);
  t.Store(2000, 370, "last");
  EXPECT_EQ(t->iUsedRows, 2001);
  EXPECT_EQ(t->iUsedCols, 371);
}

TEST_F(CellStoreTest, NumbersUpdateTheRunningExtremes) {
  EXPECT_EQ(t->dMaxValue, -99999.0);
  EXPECT_EQ(t->dMinValue, 99999.0);
  t.Store(1, 1, "5");
  EXPECT_EQ(t->dMaxValue, 5.0);
  EXPECT_EQ(t->dMinValue, 5.0);
  t.Store(2, 2, "7");
  t.Store(3, 3, "5");  // equal to the minimum: the minimum moves to this cell
  t.Store(4, 4, "abc");
  EXPECT_EQ(t->dMaxValue, 7.0);
  EXPECT_EQ(t->iMaxRow, 2);
  EXPECT_EQ(t->iMaxCol, 2);
  EXPECT_EQ(t->dMinValue, 5.0);
  EXPECT_EQ(t->iMinRow, 3);
  EXPECT_EQ(t->iMinCol, 3);
  t.Store(5, 1, "-2e5");
  t.Store(5, 2, "1e6");
  EXPECT_EQ(t->dMinValue, -200000.0);
  EXPECT_EQ(t->iMinRow, 5);
  EXPECT_EQ(t->iMinCol, 1);
  EXPECT_EQ(t->dMaxValue, 1000000.0);
  EXPECT_EQ(t->iMaxCol, 2);
  t.Store(2, 2, "");  // running extremes never shrink on their own
  EXPECT_EQ(t->dMaxValue, 1000000.0);
}

TEST_F(CellStoreTest, CellsOutsideTheTableAreRefusedUnchanged) {
  t.Store(1, 1, "3");
  const TableRecord& r = *t;
  const int usedRows = r.iUsedRows;
  const int usedCols = r.iUsedCols;
  for (auto [row, col] : {std::pair{2001, 1}, {1, 371}, {-1, 1}, {1, -1}, {2001, 371}}) {
    EXPECT_EQ(t.Store(row, col, "text"), -1) << row << "," << col;
    EXPECT_EQ(t.Store(row, col, "99999999"), -1) << row << "," << col;
    EXPECT_EQ(TableCellAt(*t, row, col), nullptr);
    EXPECT_EQ(t.Shown(row, col), "");
  }
  EXPECT_EQ(r.iUsedRows, usedRows);
  EXPECT_EQ(r.iUsedCols, usedCols);
  EXPECT_EQ(r.dMaxValue, 3.0);
  EXPECT_EQ(t.Pool(0), "") << "no slot was taken";
  EXPECT_EQ(t.Raw(2000, 370), "");
}

TEST_F(CellStoreTest, NumbersIgnoreACommaDecimalLocale) {
  REQUIRE_COMMA_DECIMAL_LOCALE(locale);
  t.Store(1, 1, "1.5");
  t.Store(1, 2, "5e3");
  t.Store(1, 3, "1,5");
  EXPECT_EQ(t.Raw(1, 1), "1.5");
  EXPECT_EQ(t.Raw(1, 2), "5.000000e+03");
  EXPECT_EQ(IsLongTextRef(t.Raw(1, 3)), 1) << "a comma number is a text";
  EXPECT_EQ(t->dMaxValue, 5000.0);
  EXPECT_EQ(t->dMinValue, 1.5);
}

}  // namespace

// The number paths must leave exactly what storing their text leaves: the
// cell text, the running extremes and the used extent.
TEST(CellStoreNumber, MatchesStoringTheFormattedText) {
  FreshTable byText;
  FreshTable byNumber;
  ASSERT_TRUE(byText.ok() && byNumber.ok());
  const double numbers[] = {0.0,      -0.0,      1.0,         -7.0,       2.5,          0.1,     1.0 / 3.0,
                            99999.99, 99999.9999999, 100000.0, -123456.789, 0.00001, 0.0000099, 1e300,
                            -1e-300,  5e-324,   12345.000001};
  int row = 1;
  for (const double v : numbers) {
    ASSERT_EQ(TableStoreCellText(*byText, row, 2, FormatNumber(v)), 0);
    ASSERT_EQ(TableStoreCellNumber(*byNumber, row, 2, v), 0);
    EXPECT_EQ(byNumber.Raw(row, 2), byText.Raw(row, 2)) << v;
    ++row;
  }
  const long long wholes[] = {0, 42, -99999, 100000, 123456789012345678LL, -1234567890123456789LL,
                              999999999999999999LL};
  for (const long long v : wholes) {
    ASSERT_EQ(TableStoreCellText(*byText, row, 3, std::to_string(v)), 0);
    ASSERT_EQ(TableStoreCellWhole(*byNumber, row, 3, v), 0);
    EXPECT_EQ(byNumber.Raw(row, 3), byText.Raw(row, 3)) << v;
    ++row;
  }
  EXPECT_EQ(byNumber->dMaxValue, byText->dMaxValue);
  EXPECT_EQ(byNumber->dMinValue, byText->dMinValue);
  EXPECT_EQ(byNumber->iMaxRow, byText->iMaxRow);
  EXPECT_EQ(byNumber->iMinRow, byText->iMinRow);
  EXPECT_EQ(byNumber->iUsedRows, byText->iUsedRows);
  EXPECT_EQ(byNumber->iUsedCols, byText->iUsedCols);
  EXPECT_EQ(TableStoreCellNumber(*byNumber, 0, 99999, 1.0), -1);
}

// The value a number cell shows (kept as the running maximum) is the value
// of its rounded text, for random numbers of every magnitude and sign.
TEST(CellStoreNumber, ShownValueIsTheValueOfTheText) {
  FreshTable byText;
  FreshTable byNumber;
  ASSERT_TRUE(byText.ok() && byNumber.ok());
  std::uint64_t state = 88172645463325252ULL;
  for (int i = 0; i < 20000; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
    const double v = (i % 2 ? -1.0 : 1.0) * unit * std::pow(10.0, static_cast<double>(i % 14) - 7.0);
    byText->dMaxValue = byNumber->dMaxValue = -1e308;
    ASSERT_EQ(TableStoreCellText(*byText, 1, 1, FormatNumber(v)), 0);
    ASSERT_EQ(TableStoreCellNumber(*byNumber, 1, 1, v), 0);
    ASSERT_EQ(byNumber->dMaxValue, byText->dMaxValue) << FormatNumber(v);
  }
}

TEST(CellStoreNumber, ANumberOverATextCellFreesItsSlot) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  ASSERT_EQ(t.Store(1, 1, "a text"), 0);
  ASSERT_EQ(t.Raw(1, 1), "CHAR0");
  ASSERT_EQ(TableStoreCellNumber(*t, 1, 1, 2.5), 0);
  EXPECT_EQ(t.Raw(1, 1), "2.5");
  EXPECT_EQ(t.Pool(0), "");
  ASSERT_EQ(t.Store(1, 2, "other"), 0);
  ASSERT_EQ(TableStoreCellWhole(*t, 1, 2, 7), 0);
  EXPECT_EQ(t.Pool(0), "");
}
