#include "files/base64.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The test vectors of RFC 4648, each ending with the line feed that closes
// the encoded line.
TEST(Base64, EncodesTheStandardVectors) {
  const struct {
    const char* plain;
    const char* encoded;
  } cases[] = {
      {"", ""},          {"f", "Zg==\n"},         {"fo", "Zm8=\n"},         {"foo", "Zm9v\n"},
      {"foob", "Zm9vYg==\n"}, {"fooba", "Zm9vYmE=\n"}, {"foobar", "Zm9vYmFy\n"}, {" ", "IA==\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Base64Encode(c.plain), c.encoded) << c.plain;
    std::string back;
    EXPECT_EQ(Base64Decode(c.encoded, &back), 0) << c.encoded;
    EXPECT_EQ(back, c.plain);
  }
}

TEST(Base64, BreaksTheLineAfterEvery72Characters) {
  // 54 bytes make exactly 72 characters: one line feed, no empty line.
  const std::string one = Base64Encode(std::string(54, 'x'));
  EXPECT_EQ(one.size(), 73u);
  EXPECT_EQ(one.find('\n'), 72u);
  // 55 bytes spill into a second line that also ends with a line feed.
  const std::string two = Base64Encode(std::string(55, 'x'));
  EXPECT_EQ(two.find('\n'), 72u);
  EXPECT_EQ(two.size(), 72u + 1u + 4u + 1u);
  EXPECT_EQ(two.back(), '\n');
  // Every byte value survives.
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  std::string back;
  ASSERT_EQ(Base64Decode(Base64Encode(all), &back), 0);
  EXPECT_EQ(back, all);
}

TEST(Base64, DecoderIgnoresForeignBytesAndRefusesIncompleteGroups) {
  std::string out;
  EXPECT_EQ(Base64Decode("Zm\r\n9v\tYm!Fy\n", &out), 0);
  EXPECT_EQ(out, "foobar");
  // '=' counts as a character of value 0 where it is not trailing.
  EXPECT_EQ(Base64Decode("A=AA", &out), 0);
  EXPECT_EQ(out, std::string("\x00\x00\x00", 3));
  // Trailing '=' carry no bytes, however many there are.
  EXPECT_EQ(Base64Decode("QUI=", &out), 0);
  EXPECT_EQ(out, "AB");
  EXPECT_EQ(Base64Decode("QQ======", &out), 0);
  EXPECT_EQ(out, "A");
  out = "left over";
  EXPECT_EQ(Base64Decode("Zm9vY", &out), -1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(Base64Decode("Zg=", &out), -1);
  EXPECT_EQ(Base64Decode("", &out), 0);
  EXPECT_EQ(out, "");
}

}  // namespace
