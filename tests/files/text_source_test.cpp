// The bytes a text import reads: UTF-16 texts with a byte-order mark are
// decoded to UTF-8 before the import looks at them, and the sampling
// offsets of "Get detailed data" point into the decoded text.
#include "files/text_source.h"

#include <gtest/gtest.h>

#include <string>

#include "files/sampling_detail.h"
#include "files/text_import_fixture.h"
#include "table/table_range.h"

namespace {

// A UTF-8 text (of characters below U+10000) as UTF-16 with its
// byte-order mark.
std::string Utf16(std::string_view utf8, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    unsigned code = c;
    std::size_t length = 1;
    if (c >= 0xE0) {
      code = ((c & 0x0Fu) << 12) | ((utf8[i + 1] & 0x3Fu) << 6) | (utf8[i + 2] & 0x3Fu);
      length = 3;
    } else if (c >= 0xC0) {
      code = ((c & 0x1Fu) << 6) | (utf8[i + 1] & 0x3Fu);
      length = 2;
    }
    const char high = static_cast<char>(code >> 8);
    const char low = static_cast<char>(code & 0xFF);
    out.push_back(bigEndian ? high : low);
    out.push_back(bigEndian ? low : high);
    i += length;
  }
  return out;
}

// What a source holds from its start.
std::string SourceBytes(const TextSource& source) {
  std::string buffer(static_cast<std::size_t>(source.Size()), '\0');
  const char* bytes = nullptr;
  const std::int64_t got = source.Read(0, buffer.data(), buffer.size(), &bytes);
  return got < 0 ? std::string() : std::string(bytes, static_cast<std::size_t>(got));
}

class TextSourceTest : public TextImportTest {};

// Both byte orders decode to UTF-8 without the mark; a lone surrogate
// becomes U+FFFD and the text stays in step; other files are read as they
// are.
TEST_F(TextSourceTest, Utf16FilesAreDecodedToUtf8) {
  const std::string text = "a\tb\t\xE4\xB8\xAD\r\n1\t2\t3\r\n";
  const struct {
    const char* name;
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"le.txt", Utf16(text, false), text},
      {"be.txt", Utf16(text, true), text},
      {"surrogate.txt", std::string("\xFF\xFE" "a\0\x00\xD8" "b\0", 8), "a\xEF\xBF\xBD" "b"},
      {"odd.txt", std::string("\xFF\xFE" "a\0b", 5), "a\xEF\xBF\xBD"},
      {"utf8.txt", "\xEF\xBB\xBF" "a\tb\r\n", "\xEF\xBB\xBF" "a\tb\r\n"},
      {"plain.txt", "\xFE" "x", "\xFE" "x"},
  };
  for (const auto& c : cases) {
    Write(c.name, c.bytes);
    TextSource source;
    ASSERT_EQ(source.Open(Path(c.name)), 0) << c.name;
    EXPECT_EQ(SourceBytes(source), c.expected) << c.name;
  }
}

// A TAB-separated "Unicode text" imports as its six cells.
TEST_F(TextSourceTest, Utf16TextImportsItsCells) {
  for (const bool bigEndian : {false, true}) {
    const WindowHandle table = Import("unicode.txt", Utf16("a\tb\t\xE4\xB8\xAD\r\n1\t2\t3\r\n", bigEndian));
    EXPECT_EQ(Shown(table, 1, 1), "a") << bigEndian;
    EXPECT_EQ(Shown(table, 1, 3), "\xE4\xB8\xAD");
    EXPECT_EQ(Shown(table, 2, 3), "3");
    EXPECT_EQ(Shown(table, 3, 1), "");
  }
}

// A sampled UTF-16 file: the detail of one sampled row reads the right
// file lines.
TEST_F(TextSourceTest, DetailOfASampledUtf16FileReadsTheRightLines) {
  DialogScriptPush(AnswerOk("Note"));
  const WindowHandle table = Import("rows.txt", Utf16(GeneratedText(100000, 5), false));
  EXPECT_EQ(Shown(table, 2, 1), FieldValue(1, 1));
  {
    TableLockGuard t(table);
    ResetSelection(*t.get());
    t->selRowFrom[0] = t->selRowTo[0] = 10;  // file line 57
    t->selColFrom[0] = 1;
    t->selColTo[0] = 5;
    t->selKind[0] = SELECT_BLOCK;
  }
  ASSERT_EQ(GetDetailedData(table), 0);
  EXPECT_EQ(Shown(table, 1, 6), "FileStartR=57");
  EXPECT_EQ(Shown(table, 2, 6), FieldValue(57, 1));
  EXPECT_EQ(Shown(table, 3, 7), FieldValue(58, 2));
  EXPECT_EQ(Shown(table, 16384, 10), FieldValue(57 + 16382, 5));
}

}  // namespace
