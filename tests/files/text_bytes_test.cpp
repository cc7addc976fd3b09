// The byte rules of delimited text: line and field counts, line skipping,
// field ends and UTF-8 validation, checked against a byte-by-byte model of
// the rules on fixed cases and on random texts fed in random pieces.
#include "files/text_bytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/codepage.h"

namespace {

// One field as the rules cut it: its bytes and where they start.
struct ModelField {
  std::string text;
  std::size_t offset;
};
struct ModelLine {
  std::vector<ModelField> fields;
  std::size_t end = std::string::npos;  // just after its line end (npos: none)
};

// The rules, one byte at a time.
std::vector<ModelLine> ModelSplit(std::string_view bytes, const TextSyntax& syntax) {
  const char delim = syntax.cDelimiter ? syntax.cDelimiter : '\t';
  std::vector<ModelLine> lines;
  ModelLine line;
  std::string field;
  std::size_t fieldStart = 0;
  bool afterSep = true;
  bool afterEnd = false;
  bool open = false;
  const bool quotes = delim != '\t' && delim != '"';
  int quote = 0;  // 1 inside quotes, 2 just after a quote inside quotes
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (quote == 2) {  // a quote inside quotes came before
      quote = c == '"' ? 1 : 0;  // doubled: one quote, still inside; else closed
      if (quote == 1) {
        field.push_back(c);
        continue;
      }
    } else if (quote == 1) {
      if (c == '"') quote = 2;
      field.push_back(c);
      continue;
    } else if (quotes && c == '"' && afterSep) {
      quote = 1;
      field.push_back(c);
      afterSep = false;
      afterEnd = false;
      open = true;
      continue;
    }
    const bool eol = c == '\r' || c == '\n';
    if (eol && afterEnd && field.empty() && fieldStart == i) {
      afterEnd = false;
      afterSep = true;
      fieldStart = i + 1;
      continue;
    }
    if (!eol && syntax.bMerge && c == delim && afterSep) {
      afterEnd = false;
      open = true;
      fieldStart = i + 1;
      continue;
    }
    if (eol || c == '\t' || c == delim) {
      line.fields.push_back({field, fieldStart});
      field.clear();
      fieldStart = i + 1;
      afterSep = true;
      afterEnd = eol;
      open = !eol;
      if (eol) {
        line.end = i + 1;
        lines.push_back(line);
        line = ModelLine{};
      }
      continue;
    }
    field.push_back(c);
    afterSep = false;
    afterEnd = false;
    open = true;
  }
  if (open || !field.empty()) {
    line.fields.push_back({field, fieldStart});
    lines.push_back(line);
  }
  return lines;
}

std::int64_t MaxFields(const std::vector<ModelLine>& lines) {
  std::size_t most = 0;
  for (const ModelLine& line : lines) most = std::max(most, line.fields.size());
  return static_cast<std::int64_t>(most);
}

// Count in pieces of the given sizes (the last piece takes the rest).
TextCount CountInPieces(std::string_view bytes, const TextSyntax& syntax, const std::vector<std::size_t>& pieces) {
  TextCount count;
  std::size_t at = 0;
  for (std::size_t piece : pieces) {
    if (at >= bytes.size()) break;
    const std::size_t n = std::min(piece, bytes.size() - at);
    CountTextBytes(count, bytes.data() + at, n, syntax);
    at += n;
  }
  if (at < bytes.size()) CountTextBytes(count, bytes.data() + at, bytes.size() - at, syntax);
  CountTextEnd(count);
  return count;
}

TextSyntax Syntax(char delimiter, bool merge) {
  TextSyntax syntax;
  syntax.cDelimiter = delimiter;
  syntax.bMerge = merge;
  return syntax;
}

TEST(TextCount, LinesAndFieldsFollowTheRules) {
  const struct {
    const char* text;
    char delimiter;
    bool merge;
    std::int64_t lines;
    std::int64_t fields;
  } cases[] = {
      {"", 0, false, 0, 0},
      {"a\tb\tc\r\n", 0, false, 1, 3},
      {"a\tb\r\n\r\nc\r\n", 0, false, 2 + 1, 2},      // CR LF CR LF: an empty line between
      {"a\n\nb\n", 0, false, 2, 1},                   // a doubled LF ends one line
      {"a\r\rb\r", 0, false, 2, 1},
      {"a\n\r\n", 0, false, 2, 1},                    // LF CR is one end, the next LF another
      {"a\tb", 0, false, 1, 2},                       // the last line has no line end
      {"a\t", 0, false, 1, 2},
      {"1,,2\r\n", ',', false, 1, 3},
      {"1,,2\r\n", ',', true, 1, 2},
      {",,1,2,\r\n", ',', true, 1, 3},                // leading run ignored, the trailing one ends a field
      {"1\t,2\r\n", ',', true, 1, 2},                 // a delimiter after TAB merges into it
      {"1,\t2\r\n", ',', true, 1, 3},                 // but a TAB after a delimiter does not
      {"1\t\t2\n", '\t', true, 1, 2},                 // TAB chosen as the delimiter merges too
      {"1\t\t2\n", 0, false, 1, 3},
      {"a,b;c\n", ';', false, 1, 2},                  // only the chosen delimiter splits
      {"x\r", '\r', false, 1, 1},                     // a line end is never a delimiter
      {"\"a,b\",c\n", ',', false, 1, 2},              // quoted: the delimiter inside is text
      {"\"a\r\nb\",c\nd\n", ',', false, 2, 2},         // and so is a line end
      {"\"a\"\",b\"\n", ',', false, 1, 1},             // a doubled quote does not close
      {"\"a\"\"b\",c\n", ',', false, 1, 2},
      {"\"a\tb\"\n", ';', false, 1, 1},
      {"x\"a,b\"\n", ',', false, 1, 2},               // a quote later in a field is a byte
      {"\"a\tb\"\n", 0, false, 1, 2},                 // TAB-separated text has no quotes
  };
  for (const auto& c : cases) {
    const TextSyntax syntax = Syntax(c.delimiter, c.merge);
    const TextCount count = CountInPieces(c.text, syntax, {});
    EXPECT_EQ(count.iLines, c.lines) << c.text;
    EXPECT_EQ(count.iMaxFields, c.fields) << c.text;
    const auto model = ModelSplit(c.text, syntax);
    EXPECT_EQ(static_cast<std::int64_t>(model.size()), c.lines) << "model: " << c.text;
  }
}

// Random texts over the bytes that matter, counted in random pieces, agree
// with the model; skipping lines and finding field ends agree as well.
TEST(TextCount, RandomTextsInPiecesAgreeWithTheModel) {
  std::mt19937 random(20240607);
  const char alphabet[] = {'a', '1', '.', '\t', ',', ' ', '\r', '\n', '\r', '\n', static_cast<char>(0xC3),
                           static_cast<char>(0xA9), '"'};
  const TextSyntax syntaxes[] = {Syntax(0, false), Syntax(',', false), Syntax(',', true), Syntax('\t', true),
                                 Syntax(' ', true)};
  for (int round = 0; round < 3000; ++round) {
    const std::size_t length = random() % (round < 2000 ? 80 : 400);
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text.push_back(alphabet[random() % sizeof alphabet]);
    const TextSyntax& syntax = syntaxes[round % 5];
    const auto model = ModelSplit(text, syntax);
    std::vector<std::size_t> pieces;
    for (std::size_t at = 0; at < length;) {
      const std::size_t piece = 1 + random() % 90;
      pieces.push_back(piece);
      at += piece;
    }
    const TextCount count = CountInPieces(text, syntax, pieces);
    ASSERT_EQ(count.iLines, static_cast<std::int64_t>(model.size())) << "round " << round;
    ASSERT_EQ(count.iMaxFields, MaxFields(model)) << "round " << round;
    ASSERT_EQ(Utf8CheckDone(count.utf8), IsValidUtf8(text)) << "round " << round;

    // Skipping k lines from the start, in two pieces, stops just after the
    // k-th line end.
    if (!model.empty() && model.front().end != std::string::npos) {
      std::size_t k = 1 + random() % model.size();
      while (model[k - 1].end == std::string::npos) --k;
      const std::size_t cut = random() % (text.size() + 1);
      TextCursor cursor;
      std::int64_t first = 0;
      std::int64_t second = 0;
      std::size_t used = SkipTextLines(cursor, text.data(), cut, static_cast<std::int64_t>(k), syntax, &first);
      if (first < static_cast<std::int64_t>(k)) {
        ASSERT_EQ(used, cut);
        used += SkipTextLines(cursor, text.data() + cut, text.size() - cut, static_cast<std::int64_t>(k) - first,
                              syntax, &second);
      }
      ASSERT_EQ(first + second, static_cast<std::int64_t>(k)) << "round " << round;
      ASSERT_EQ(used, model[k - 1].end) << "round " << round;
    }
  }
}

TEST(FindFieldEnd, StopsAtTheFirstSeparatorOfTheSyntax) {
  const struct {
    std::string text;
    char delimiter;
    std::size_t at;
  } cases[] = {
      {"abc", 0, 3},
      {"ab\tc", 0, 2},
      {"ab,c\td", 0, 4},
      {"ab,c\td", ',', 2},
      {std::string(100, 'x') + "\n", 0, 100},   // beyond the first 64 bytes
      {std::string(64, 'x') + "\r", ';', 64},
      {std::string(130, 'y'), ';', 130},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindFieldEnd(c.text.data(), c.text.size(), Syntax(c.delimiter, false)), c.at) << c.text.size();
  }
}

TEST(SkipTextLines, CountsLineEndPairsOnceAndStopsWhenShort) {
  TextCursor cursor;
  std::int64_t passed = 0;
  const std::string text = "a\r\nb\r\nc\nd";
  // Just after the second CR: its LF is left to the cursor.
  EXPECT_EQ(SkipTextLines(cursor, text.data(), text.size(), 2, TextSyntax{}, &passed), 5u);
  EXPECT_EQ(passed, 2);
  EXPECT_TRUE(cursor.bAfterLineEnd);
  // The rest holds one more line end and an open line.
  EXPECT_EQ(SkipTextLines(cursor, text.data() + 5, text.size() - 5, 5, TextSyntax{}, &passed), text.size() - 5);
  EXPECT_EQ(passed, 1);
  EXPECT_TRUE(cursor.bLineOpen);
  // A LF left over from a CR LF cut by a piece boundary is not a line.
  TextCursor cut;
  cut.bAfterLineEnd = true;
  EXPECT_EQ(SkipTextLines(cut, "\nx\n", 3, 1, TextSyntax{}, &passed), 3u);
  EXPECT_EQ(passed, 1);
}

TEST(Utf8Check, AcceptsShortestFormsAcrossPiecesOnly) {
  const struct {
    std::string bytes;
    bool valid;
  } cases[] = {
      {"plain", true},
      {"\xC3\xA9", true},
      {"\xE4\xB8\xAD\xE6\x96\x87", true},  // 中文
      {"\xF0\x9F\x98\x80", true},
      {"\xC0\xAF", false},                 // overlong
      {"\xE0\x80\xAF", false},
      {"\xED\xA0\x80", false},             // surrogate
      {"\xF4\x90\x80\x80", false},         // above U+10FFFF
      {"\xC3", false},                     // cut short
      {"\xA9", false},
      {"\xD6\xD0\xCE\xC4", false},         // GB18030 of 中文
      {"caf\xE9", false},                  // Windows-1252
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << "reference for case of " << c.bytes.size() << " bytes";
    for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
      Utf8Check check;
      Utf8CheckBytes(check, c.bytes.data(), cut);
      Utf8CheckBytes(check, c.bytes.data() + cut, c.bytes.size() - cut);
      EXPECT_EQ(Utf8CheckDone(check), c.valid) << "cut at " << cut;
    }
  }
}

}  // namespace
