#include "platform/text_buffer.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// "你" is three bytes (E4 BD A0), "😀" four (F0 9F 98 80).
struct CutCase {
  const char* text;
  std::size_t limit;
  std::size_t expected;
};

TEST(TextCutLength, EndsOnCharacterBoundaries) {
  const CutCase cases[] = {
      {"abc", 5, 3},                     // shorter than the limit: whole
      {"abc", 3, 3},
      {"abc", 2, 2},
      {"abc", 0, 0},
      {"a\xE4\xBD\xA0", 4, 4},           // the three-byte character fits
      {"a\xE4\xBD\xA0", 3, 1},           // would split it: back to before it
      {"a\xE4\xBD\xA0", 2, 1},
      {"a\xE4\xBD\xA0", 1, 1},
      {"\xF0\x9F\x98\x80x", 3, 0},       // four-byte character at the start
      {"\xF0\x9F\x98\x80x", 4, 4},
      {"\x80\x80\x80\x80\x80\x80", 4, 4},  // not UTF-8 at all: plain byte cut
  };
  for (const CutCase& c : cases) {
    EXPECT_EQ(TextCutLength(c.text, c.limit), c.expected) << "text of " << std::string(c.text).size()
                                                          << " bytes, limit " << c.limit;
  }
}

TEST(TextCopyTo, CutsAndAlwaysTerminates) {
  std::array<char, 5> buf;
  buf.fill('#');
  EXPECT_EQ(CopyText(buf, "abcdefgh"), 4u);
  EXPECT_EQ(std::string(buf.data()), "abcd");

  buf.fill('#');
  EXPECT_EQ(CopyText(buf, "ab\xE4\xBD\xA0"), 2u);  // the Chinese character would not fit whole
  EXPECT_EQ(std::string(buf.data()), "ab");

  buf.fill('#');
  EXPECT_EQ(CopyText(buf, ""), 0u);
  EXPECT_EQ(buf[0], '\0');

  buf.fill('#');
  EXPECT_EQ(CopyText(buf, std::string_view()), 0u);  // an empty view without data
  EXPECT_EQ(buf[0], '\0');

  char one[1] = {'#'};
  EXPECT_EQ(TextCopyTo(one, 1, "xyz"), 0u);
  EXPECT_EQ(one[0], '\0');
}

TEST(TextAppendTo, AppendsUpToCapacity) {
  std::array<char, 8> buf{};
  CopyText(buf, "abc");
  EXPECT_EQ(AppendText(buf, "de"), 2u);
  EXPECT_EQ(TextOf(buf), "abcde");
  EXPECT_EQ(AppendText(buf, "fghij"), 2u);  // room for two more bytes and the terminator
  EXPECT_EQ(TextOf(buf), "abcdefg");
  EXPECT_EQ(AppendText(buf, "x"), 0u);      // full
  EXPECT_EQ(TextOf(buf), "abcdefg");

  // A buffer that lost its terminator is repaired, not overrun.
  std::array<char, 4> full;
  full.fill('z');
  EXPECT_EQ(AppendText(full, "q"), 0u);
  EXPECT_EQ(full[3], '\0');
  EXPECT_EQ(TextOf(full), "zzz");
}

TEST(TextLength, NeverReadsPastTheBuffer) {
  std::array<char, 3> unterminated = {'a', 'b', 'c'};
  EXPECT_EQ(TextOf(unterminated), "abc");
  EXPECT_EQ(TextLength("ab\0cd", 5), 2u);
}

TEST(JoinText, ConcatenatesPieces) {
  const std::string part = "mid";
  EXPECT_EQ(JoinText("a", part, std::string_view("-z")), "amid-z");
}

}  // namespace
