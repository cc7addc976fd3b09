#include "table/long_text.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/memory.h"
#include "support/fresh_table.h"
#include "table/table_window_ops.h"

namespace {

TEST(IsLongTextRef, NeedsCharAndADigit) {
  const std::pair<const char*, int> cases[] = {
      {"CHAR0", 1}, {"CHAR4999", 1}, {"CHAR5000", 1},  // the form only; the slot is checked on use
      {"CHAR12abc", 1}, {"CHAR", -1},   {"CHARx", -1},  {"CHAR-1", -1},
      {"char1", -1},    {"CHA1", -1},   {"", -1},       {" CHAR1", -1},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(IsLongTextRef(text), expected) << '"' << text << '"';
}

class LongTextTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(t.ok()); }
  FreshTable t;
};

TEST_F(LongTextTest, SlotOfAcceptsSlotsInsideThePoolAsItIsNow) {
  const std::pair<const char*, int> cases[] = {
      {"CHAR0", 0}, {"CHAR17", 17}, {"CHAR4999", 4999}, {"CHAR5000", -1},
      {"CHAR-1", -1}, {"CHAR99999999999", -1}, {"abc", -1}, {"", -1},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(LongTextSlotOf(*t, text), expected) << '"' << text << '"';
  // Once the record's slots are taken the pool grows, and the next slots
  // are references like the others.
  for (int i = 0; i <= LONG_TEXT_SLOTS; ++i) ASSERT_EQ(LongTextStore(*t, "x"), i);
  const int count = LongTextSlotCount(*t);
  EXPECT_GT(count, LONG_TEXT_SLOTS);
  EXPECT_EQ(LongTextSlotOf(*t, "CHAR5000"), 5000);
  EXPECT_EQ(LongTextSlotOf(*t, "CHAR" + std::to_string(count - 1)), count - 1);
  EXPECT_EQ(LongTextSlotOf(*t, "CHAR" + std::to_string(count)), -1);
  EXPECT_EQ(LongTextAt(*t, count), "");
  EXPECT_EQ(LongTextAt(*t, -1), "");
}

TEST_F(LongTextTest, ClearAllEmptiesThePoolAndGivesBackWhatItGrewBy) {
  for (int i = 0; i < LONG_TEXT_SLOTS + 3; ++i) ASSERT_EQ(LongTextStore(*t, "y" + std::to_string(i)), i);
  ASSERT_NE(t->grownLongText, nullptr);
  LongTextClearAll(*t);
  EXPECT_EQ(t->grownLongText, nullptr);
  EXPECT_EQ(LongTextSlotCount(*t), LONG_TEXT_SLOTS);
  EXPECT_EQ(LongTextAt(*t, 0), "");
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS - 1), "");
  EXPECT_EQ(LongTextStore(*t, "first again"), 0);
}

TEST_F(LongTextTest, FreedSlotsAreFoundAgainBeforeUntouchedOnes) {
  // Past the first few dozen texts the record's slots are readied in one
  // go; the order slots are given in stays the lowest free one.
  for (int i = 0; i < 100; ++i) ASSERT_EQ(LongTextStore(*t, "a" + std::to_string(i)), i);
  ASSERT_EQ(LongTextRelease(*t, "CHAR70"), 0);
  ASSERT_EQ(LongTextRelease(*t, "CHAR10"), 0);
  EXPECT_EQ(LongTextStore(*t, "b10"), 10);
  EXPECT_EQ(LongTextStore(*t, "b70"), 70);
  EXPECT_EQ(LongTextStore(*t, "b100"), 100);
  EXPECT_EQ(LongTextAt(*t, 69), "a69");
  EXPECT_EQ(LongTextAt(*t, 70), "b70");
  EXPECT_EQ(LongTextAt(*t, 101), "");
  // A pool that grew, was cleared and grows again starts from empty chunks.
  for (int i = 101; i < LONG_TEXT_SLOTS + 5; ++i) ASSERT_EQ(LongTextStore(*t, "c"), i);
  LongTextClearAll(*t);
  for (int i = 0; i < LONG_TEXT_SLOTS + 2; ++i) ASSERT_EQ(LongTextStore(*t, "d" + std::to_string(i)), i);
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS + 1), "d" + std::to_string(LONG_TEXT_SLOTS + 1));
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS + 2), "");
  EXPECT_EQ(LongTextAt(*t, 150), "d150");
}

TEST_F(LongTextTest, ANoMemoryGrowthLeavesThePoolAsItWas) {
  for (int i = 0; i < LONG_TEXT_SLOTS; ++i) ASSERT_EQ(LongTextStore(*t, "z"), i);
  MemoryFailNextAllocations(1);
  EXPECT_EQ(LongTextStore(*t, "no memory"), -1);
  EXPECT_EQ(LongTextSlotCount(*t), LONG_TEXT_SLOTS);
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS - 1), "z");
  EXPECT_EQ(LongTextStore(*t, "memory again"), LONG_TEXT_SLOTS);
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS), "memory again");
}

TEST_F(LongTextTest, GrownSlotsKeepEveryTextAsARecordSlotDoes) {
  // Grown slots keep short texts in place and longer ones in blocks of
  // their own; a record slot and a grown one must give back the same, at
  // and around each size boundary.
  const std::string cjk = "\xe4\xb8\xad";  // one three-byte character
  const std::string e519(LONG_TEXT_BYTES - 1, 'e');
  const std::string g517(LONG_TEXT_BYTES - 3, 'g');
  const std::pair<std::string, std::string> cases[] = {
      {"a", "a"},
      {std::string(38, 'c'), std::string(38, 'c')},
      {std::string(39, 'd'), std::string(39, 'd')},
      {e519, e519},
      {e519 + "f", e519},      // cut to LONG_TEXT_BYTES - 1 bytes
      {g517 + cjk, g517},      // and before a character that does not fit whole
      {std::string("ab\0cd", 5), "ab"},  // ends at its zero byte
      {cjk + std::string(40, 'h'), cjk + std::string(40, 'h')},
  };
  for (int i = 0; i < LONG_TEXT_SLOTS; ++i) ASSERT_EQ(LongTextStore(*t, "r"), i);
  int slot = LONG_TEXT_SLOTS;
  for (const auto& [text, kept] : cases) {
    ASSERT_EQ(LongTextRelease(*t, "CHAR0"), 0);
    ASSERT_EQ(LongTextStore(*t, text), 0);
    EXPECT_EQ(LongTextAt(*t, 0), kept) << text.size() << " bytes in the record";
    ASSERT_EQ(LongTextStore(*t, text), slot);
    EXPECT_EQ(LongTextAt(*t, slot), kept) << text.size() << " bytes in a grown slot";
    ++slot;
  }
  // A freed grown slot is taken again, whatever its old text's size.
  ASSERT_EQ(LongTextRelease(*t, "CHAR" + std::to_string(LONG_TEXT_SLOTS + 3)), 0);
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS + 3), "");
  EXPECT_EQ(LongTextStore(*t, "short now"), LONG_TEXT_SLOTS + 3);
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS + 3), "short now");
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS + 4), e519);
  // Clearing gives back every block (the sanitizer build checks for leaks).
  LongTextClearAll(*t);
  EXPECT_EQ(LongTextAt(*t, 0), "");
  EXPECT_EQ(LongTextStore(*t, e519), 0);
}

TEST_F(LongTextTest, APoolGrownByManyChunksKeepsEveryText) {
  // Texts on either side of a chunk's end read back, a freed far slot is
  // taken again, and clearing gives every chunk and block back once (the
  // sanitizer build checks for leaks and double frees).
  const int count = LONG_TEXT_SLOTS * 18 + 7;
  for (int i = 0; i < count; ++i) ASSERT_EQ(LongTextStore(*t, "t" + std::to_string(i)), i);
  for (const int slot : {0, LONG_TEXT_SLOTS, LONG_TEXT_SLOTS * 17 - 1, LONG_TEXT_SLOTS * 17, count - 1}) {
    EXPECT_EQ(LongTextAt(*t, slot), "t" + std::to_string(slot));
  }
  const std::string far = "CHAR" + std::to_string(LONG_TEXT_SLOTS * 17);
  ASSERT_EQ(LongTextRelease(*t, far), 0);
  EXPECT_EQ(LongTextStore(*t, std::string(300, 'w')), LONG_TEXT_SLOTS * 17);
  LongTextClearAll(*t);
  EXPECT_EQ(t->grownLongText, nullptr);
  EXPECT_EQ(LongTextStore(*t, "again"), 0);
}

TEST_F(LongTextTest, NoMemoryForALongGrownTextLeavesTheSlotFree) {
  for (int i = 0; i <= LONG_TEXT_SLOTS; ++i) ASSERT_EQ(LongTextStore(*t, "z"), i);
  const std::string longText(200, 'L');
  MemoryFailNextAllocations(1);
  EXPECT_EQ(LongTextStore(*t, longText), -1);
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS + 1), "");
  EXPECT_EQ(LongTextStore(*t, longText), LONG_TEXT_SLOTS + 1);
  EXPECT_EQ(LongTextAt(*t, LONG_TEXT_SLOTS + 1), longText);
}

TEST_F(LongTextTest, ResolveReplacesAReferenceByThePoolText) {
  ASSERT_EQ(LongTextStore(*t, "first"), 0);
  ASSERT_EQ(LongTextStore(*t, "second"), 1);
  std::string text = "CHAR1";
  EXPECT_EQ(LongTextResolve(*t, text), 0);
  EXPECT_EQ(text, "second");
  text = "CHAR2";  // an empty slot resolves to the empty text
  EXPECT_EQ(LongTextResolve(*t, text), 0);
  EXPECT_EQ(text, "");
  for (const char* other : {"CHAR5000", "CHAR-1", "hello", "Memory overflow"}) {
    text = other;
    EXPECT_EQ(LongTextResolve(*t, text), -1) << other;
    EXPECT_EQ(text, other);
  }
}

TEST_F(LongTextTest, ReleaseEmptiesTheSlotForReuse) {
  for (int i = 0; i < 5; ++i) ASSERT_EQ(LongTextStore(*t, "x" + std::to_string(i)), i);
  EXPECT_EQ(LongTextRelease(*t, "CHAR2"), 0);
  EXPECT_EQ(t.Pool(2), "");
  EXPECT_EQ(t.Pool(3), "x3");
  EXPECT_EQ(LongTextStore(*t, "again"), 2);
  EXPECT_EQ(LongTextStore(*t, "after"), 5);
  EXPECT_EQ(LongTextRelease(*t, "CHAR5000"), -1);
  EXPECT_EQ(LongTextRelease(*t, "CHAR-1"), -1);
  EXPECT_EQ(LongTextRelease(*t, "plain"), -1);
  EXPECT_EQ(t.Pool(0), "x0");
}

TEST_F(LongTextTest, DisplayTextResolvesOnlyRealReferences) {
  t.Store(1, 1, "a text");
  TableCell* literal = TableCellAt(*t, 1, 2);
  CopyText(literal->szText, "CHAR5000");  // not a slot: shown as it is
  EXPECT_EQ(t.Shown(1, 1), "a text");
  EXPECT_EQ(t.Shown(1, 2), "CHAR5000");
  EXPECT_EQ(t.Shown(5, 0), "R5");
  EXPECT_EQ(t.Shown(0, 9), "C9");
  EXPECT_EQ(t.Shown(0, 0), "");
  EXPECT_EQ(t.Shown(2001, 0), "");
}

TEST(LongTextThroughWindows, NonTableWindowsAreRefused) {
  std::string text = "CHAR0";
  EXPECT_EQ(LongTextResolve(WindowHandle::None, text), -1);
  EXPECT_EQ(text, "CHAR0");
  EXPECT_EQ(LongTextRelease(WindowHandle::None, "CHAR0"), -1);
  EXPECT_EQ(TableCellDisplayText(WindowHandle::None, 1, 1), "");
  EXPECT_EQ(TableStoreCellText(WindowHandle::None, 1, 1, "x"), -1);
  EXPECT_EQ(TableLocksHeld(), 0);
}

}  // namespace
