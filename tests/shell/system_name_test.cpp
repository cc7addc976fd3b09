#include "shell/system_name.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/codepage.h"
#include "resources/language.h"
#include "support/headless_program.h"

namespace {

class SystemNameTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }
  ProgramState& program = Program();
  std::string Field(int i) const { return std::string(SysFieldText(program, i)); }
};

TEST_F(SystemNameTest, FieldsAreTheBracketedTextsInOrder) {
  EXPECT_EQ(ParseSystemNameText("junk [CVSYS] between\r\n[Cartovel Studio][]\n[Sub title] after", program), 4);
  EXPECT_EQ(Field(0), "CVSYS");
  EXPECT_EQ(Field(1), "Cartovel Studio");
  EXPECT_EQ(Field(2), "");
  EXPECT_EQ(Field(3), "Sub title");
  EXPECT_EQ(Field(4), "");
  EXPECT_EQ(SysFieldText(program, -1), "");
  EXPECT_EQ(SysFieldText(program, SYS_FIELD_COUNT), "");
}

TEST_F(SystemNameTest, AtMostFifteenFieldsOf399Bytes) {
  std::string text;
  for (int i = 0; i < 20; ++i) text += "[f" + std::to_string(i) + "]";
  EXPECT_EQ(ParseSystemNameText(text, program), 15);
  EXPECT_EQ(Field(14), "f14");

  EXPECT_EQ(ParseSystemNameText("[" + std::string(500, 'x') + "]", program), 1);
  EXPECT_EQ(Field(0), std::string(399, 'x'));

  std::string accents;
  for (int i = 0; i < 250; ++i) accents += "é";  // two bytes each
  ParseSystemNameText("[" + accents + "]", program);
  EXPECT_EQ(Field(0).size(), 398u) << "the cut keeps whole characters";
  EXPECT_TRUE(IsValidUtf8(Field(0)));
}

TEST_F(SystemNameTest, LanguageFieldChoosesChinese) {
  const std::pair<const char*, int> cases[] = {
      {"C", 1}, {"Chinese", 1}, {"CN", 1}, {"c", 0}, {"E", 0}, {"", 0}, {" C", 0},
  };
  for (const auto& [language, chinese] : cases) {
    const std::string text = "[0][1][2][3][4][5][6][7][8][9][10][" + std::string(language) + "]";
    ParseSystemNameText(text, program);
    EXPECT_EQ(LanguageIsChinese(), chinese) << '"' << language << '"';
  }
  LanguageSetChinese(true);
  ParseSystemNameText("[only][two]", program);  // no field 11
  EXPECT_FALSE(LanguageIsChinese());
}

TEST_F(SystemNameTest, LegacyCodePageFollowsTheLanguage) {
  const std::string chinese = "[\xC4\xE3\xBA\xC3][1][2][3][4][5][6][7][8][9][10][C]";
  ParseSystemNameText(chinese, program);
  EXPECT_EQ(Field(0), "你好");
  ParseSystemNameText("[caf\xE9][1]", program);
  EXPECT_EQ(Field(0), "café");
  ParseSystemNameText("[已是 UTF-8]", program);
  EXPECT_EQ(Field(0), "已是 UTF-8");
}

TEST_F(SystemNameTest, UnbalancedBracketsStopOrNest) {
  const struct {
    const char* text;
    int count;
    const char* first;
  } cases[] = {
      {"[a][b", 1, "a"},
      {"]]][x]", 1, "x"},
      {"[a[b]", 1, "a[b"},
      {"[[[", 0, ""},
      {"no brackets", 0, ""},
      {"", 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseSystemNameText(c.text, program), c.count) << c.text;
    EXPECT_EQ(Field(0), c.first) << c.text;
  }
}

TEST_F(SystemNameTest, OnlyTheFirst1096BytesAreRead) {
  const std::string text = "[a]" + std::string(1091, ' ') + "[b]";  // the "]" is byte 1097
  EXPECT_EQ(ParseSystemNameText(text, program), 1);
  EXPECT_EQ(Field(1), "");
}

TEST_F(SystemNameTest, HugeOrBinaryInputNeverBreaksTheFields) {
  std::mt19937 random(1234);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(1 + random() % 5000, '\0');
    for (char& b : bytes) {
      const unsigned r = random() % 8;
      b = r == 0 ? '[' : r == 1 ? ']' : static_cast<char>(random());
    }
    const int count = ParseSystemNameText(bytes, program);
    ASSERT_GE(count, 0);
    ASSERT_LE(count, SYS_FIELD_COUNT);
    for (int i = 0; i < SYS_FIELD_COUNT; ++i) {
      ASSERT_LT(Field(i).size(), static_cast<std::size_t>(SYS_FIELD_BYTES));
      ASSERT_TRUE(IsValidUtf8(Field(i))) << "round " << round << " field " << i;
    }
  }
}

TEST_F(SystemNameTest, ReadsTheFileUnderCVLib) {
  TempDir dir;
  dir.WriteFile("CVLib/SysName.TXT", "[CVSYS][Title][Sub]");
  EXPECT_EQ(ReadSystemNameFile(dir.path(), program), 3);
  EXPECT_EQ(Field(1), "Title");

  TempDir empty;
  LanguageSetChinese(true);
  EXPECT_EQ(ReadSystemNameFile(empty.path(), program), -1);
  EXPECT_FALSE(LanguageIsChinese());
  for (int i = 0; i < SYS_FIELD_COUNT; ++i) EXPECT_EQ(Field(i), "");
}

}  // namespace
