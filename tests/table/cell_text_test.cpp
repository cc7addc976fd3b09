#include "table/cell_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NumericCase {
  const char* text;
  int form;    // CellNumberForm
  int isText;  // CellIsText
};

TEST(CellIsText, ClassifiesTypedTexts) {
  const NumericCase cases[] = {
      {"", 0, 0},            // empty counts as numeric; callers test the length
      {"7", 0, 0},
      {"-", 0, 0},           // a lone minus sign is numeric
      {"-3.25", 0, 0},
      {"1.2.3", 0, 0},
      {"2001-10-12", 0, 0},
      {".5", 0, 0},
      {"+5", 0, 1},          // '+' is allowed by the form but not by the plain test
      {"5e3", 1, 0},
      {"5E3", 1, 0},
      {"1e+5", 1, 0},
      {"1e-5", 1, 0},
      {"+5e3", 1, 0},        // the exponent form accepts a leading plus
      {"e5", -1, 1},         // exponent first
      {"5e", -1, 1},         // exponent last
      {"e", -1, 1},
      {".e5", -1, 1},        // no digit before the exponent
      {"5e.3", -1, 1},       // neither sign nor digit after it
      {"1e5e2", -1, 1},      // two exponents
      {"1,5", -1, 1},
      {"1/2", -1, 1},
      {"abc", -1, 1},
      {"1 2", -1, 1},
      {"12%", -1, 1},
      {"\xE4\xBD\xA0", -1, 1},  // non-ASCII bytes
  };
  for (const NumericCase& c : cases) {
    EXPECT_EQ(CellNumberForm(c.text), c.form) << '"' << c.text << '"';
    EXPECT_EQ(CellIsText(c.text), c.isText) << '"' << c.text << '"';
  }
}

struct NormalizeCase {
  const char* input;
  char mode;
  const char* output;
};

TEST(NormalizeCellInput, CleansTypedInput) {
  const NormalizeCase cases[] = {
      {" 1 2 3", 'N', "123"},      // a leading blank removes every blank
      {"1 2", 'N', "1 2"},         // no leading blank: kept
      {"1 2  ", 'N', "1 2"},       // trailing blanks go
      {"   ", 'N', ""},
      {".5", 'N', "0.5"},
      {" .5", 'N', "0.5"},
      {".5x", 'N', ".5x"},         // not numeric: no zero
      {".5 ", 'N', ".5"},          // the blank made it text when the zero was considered
      {"-.5", 'N', "-.5"},
      {"abc", 'N', "abc"},
      {"abc", 'U', "ABC"},
      {" a b", 'U', "AB"},
      {"caf\xC3\xA9 \xC3\xB7", 'U', "CAF\xC3\x89 \xC3\xB7"},  // é upper-cased, ÷ left alone
      {"\xE4\xBD\xA0" "a", 'U', "\xE4\xBD\xA0" "A"},
  };
  for (const NormalizeCase& c : cases) {
    std::string text = c.input;
    const int length = NormalizeCellInput(text, c.mode);
    EXPECT_EQ(text, c.output) << '"' << c.input << "\" mode " << c.mode;
    EXPECT_EQ(length, static_cast<int>(text.size()));
  }
}

TEST(CellInputIsNormal, SaysYesOnlyForTextsNormalizingKeeps) {
  const std::string long540(540, 'x');
  const std::string long541(541, 'x');
  const std::pair<std::string, bool> cases[] = {
      {"", true},       {"abc", true},   {"1 2", true},   {"-.5", true},    {"x.", true},
      {long540, true},  {" a", false},   {"a ", false},   {".5", false},    {".5x", false},
      {long541, false}, {" ", false},
  };
  for (const auto& [text, normal] : cases) {
    EXPECT_EQ(CellInputIsNormal(text), normal) << '"' << text << '"';
    if (!normal) continue;
    std::string normalized = text;
    NormalizeCellInput(normalized, 'N');
    EXPECT_EQ(normalized, text) << "a text said to be normal changed";
  }
}

TEST(NormalizeCellInput, CutsLongInputAt540Bytes) {
  std::string text(600, 'x');
  EXPECT_EQ(NormalizeCellInput(text, 'N'), 540);

  // The cut keeps whole UTF-8 characters.
  std::string chinese;
  for (int i = 0; i < 200; ++i) chinese += "\xE4\xBD\xA0";
  std::string wide = "a" + chinese;  // 601 bytes: 540 would split a character
  EXPECT_EQ(NormalizeCellInput(wide, 'N'), 538);

  // A numeric text at the limit keeps the limit after its zero is added.
  std::string number = "." + std::string(600, '5');
  EXPECT_EQ(NormalizeCellInput(number, 'N'), 540);
  EXPECT_EQ(number.substr(0, 3), "0.5");
}

}  // namespace
