#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Utf8Case {
  std::string bytes;
  bool valid;
  const char* what;
};

TEST(IsValidUtf8, AcceptsWellFormedAndRejectsTheRest) {
  const Utf8Case cases[] = {
      {"", true, "empty"},
      {"plain ASCII", true, "ASCII"},
      {"\xC3\xA9", true, "two-byte e acute"},
      {"\xE4\xBD\xA0\xE5\xA5\xBD", true, "Chinese"},
      {"\xF0\x9F\x98\x80", true, "four-byte emoji"},
      {"\xF4\x8F\xBF\xBF", true, "U+10FFFF"},
      {"\xC0\xAF", false, "overlong slash (two bytes)"},
      {"\xE0\x80\xAF", false, "overlong slash (three bytes)"},
      {"\xF0\x80\x80\xAF", false, "overlong slash (four bytes)"},
      {"\xED\xA0\x80", false, "surrogate U+D800"},
      {"\xED\xBF\xBF", false, "surrogate U+DFFF"},
      {"\xF4\x90\x80\x80", false, "beyond U+10FFFF"},
      {"\xE4\xBD", false, "truncated three-byte sequence"},
      {"abc\xF0\x9F\x98", false, "truncated at the end"},
      {"\x80", false, "lone continuation byte"},
      {"\xC3" "A", false, "lead byte without continuation"},
      {"\xF8\x88\x80\x80\x80", false, "five-byte form"},
      {"\xFF", false, "0xFF"},
      {"\xE9", false, "Windows-1252 e acute"},
  };
  for (const Utf8Case& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.what;
}

TEST(FileTextToUtf8, ConvertsLegacyCodePagesByLanguage) {
  EXPECT_EQ(FileTextToUtf8("\xC4\xE3\xBA\xC3", true), "你好");  // GB18030
  EXPECT_EQ(FileTextToUtf8("caf\xE9", false), "café");           // Windows-1252
  EXPECT_EQ(FileTextToUtf8("\x80", false), "€");
}

TEST(FileTextToUtf8, KeepsValidUtf8AndDropsTheByteOrderMark) {
  EXPECT_EQ(FileTextToUtf8("你好", false), "你好");
  EXPECT_EQ(FileTextToUtf8("\xEF\xBB\xBFhello", true), "hello");
  EXPECT_EQ(FileTextToUtf8("", true), "");
}

TEST(ConvertToUtf8, ReplacesBytesThatDoNotConvert) {
  std::string out;
  ASSERT_TRUE(ConvertToUtf8("a\x81z", "WINDOWS-1252", &out));  // 0x81 is unassigned
  EXPECT_EQ(out, "a\xEF\xBF\xBDz");
  ASSERT_TRUE(ConvertToUtf8("\xC4\xE3\xBA", "GB18030", &out));  // cut inside a character
  EXPECT_EQ(out, "你\xEF\xBF\xBD");
  EXPECT_FALSE(ConvertToUtf8("x", "NO-SUCH-CODEPAGE", &out));
  EXPECT_EQ(FileTextToUtf8("\xFFx", false), "ÿx");
}

TEST(ConvertToUtf8, HandlesLongInputsAcrossItsBuffer) {
  const std::string bytes(10000, '\xE9');
  std::string out;
  ASSERT_TRUE(ConvertToUtf8(bytes, "WINDOWS-1252", &out));
  ASSERT_EQ(out.size(), 20000u);
  EXPECT_EQ(out.substr(19998), "é");
}

}  // namespace
