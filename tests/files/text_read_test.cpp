// Reading text in chunks: a field cut by a chunk boundary is read again
// whole, a field longer than a chunk keeps its head, and the table and the
// remembered file offsets come out the same whatever the chunk size.
#include "files/text_read.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/sampling_blocks.h"
#include "files/text_import_fixture.h"
#include "files/text_size.h"
#include "support/fresh_table.h"

namespace {

// Read `bytes` into a fresh table in chunks of `chunk` bytes (0: the
// default) and return every cell's shown text of the first rows and
// columns, row by row.
std::vector<std::string> ReadCells(std::string_view bytes, const TextSyntax& syntax, std::size_t chunk, int rows,
                                   int cols) {
  FreshTable t;
  TextSource source;
  source.UseMemory(bytes);
  TextReadState state;
  state.syntax = syntax;
  TextImportSetChunkBytes(chunk);
  EXPECT_EQ(ReadTextSource(*t, state, source, 0, 0), 0);
  TextImportSetChunkBytes(0);
  std::vector<std::string> cells;
  for (int row = 1; row <= rows; ++row) {
    for (int col = 1; col <= cols; ++col) cells.push_back(t.Shown(row, col));
  }
  return cells;
}

TEST(ReadTextSource, FieldCutBetweenChunksIsReadAgainWhole) {
  // Chunks of 8 bytes cut "7890123" after its first byte and the CR LF
  // between its two bytes.
  const std::vector<std::string> cells = ReadCells("123456\t7890123\r\n42\t43\r\n", TextSyntax{}, 8, 2, 2);
  EXPECT_EQ(cells, (std::vector<std::string>{"123456", "7890123", "42", "43"}));
}

TEST(ReadTextSource, FieldLongerThanAChunkKeepsItsHead) {
  // 3,000 digits and then a letter: a text (cut to 514 bytes and " ..."
  // when stored) whose head is read across many chunks.
  const std::string lengthy = std::string(3000, '7') + "x";
  const std::string text = "1\t" + lengthy + "\t2\r\n3\r\n";
  const std::string expected = std::string(514, '7') + " ...";
  for (std::size_t chunk : {std::size_t{0}, std::size_t{1000}, std::size_t{64}, std::size_t{3}}) {
    const std::vector<std::string> cells = ReadCells(text, TextSyntax{}, chunk, 2, 3);
    EXPECT_EQ(cells, (std::vector<std::string>{"1", expected, "2", "3", "", ""})) << "chunk " << chunk;
  }
}

// Fields of every length, empty lines, both line end pairs, merged runs
// and a last line without its end: the same cells from every chunk size.
TEST(ReadTextSource, ChunkSizeNeverChangesWhatIsRead) {
  std::string text;
  for (int line = 0; line < 60; ++line) {
    for (int field = 0; field < 1 + line % 7; ++field) {
      if (field > 0) text += (line % 3 == 0) ? ",," : ",";
      text += std::string(static_cast<std::size_t>((line * 7 + field * 13) % 40), static_cast<char>('a' + field));
      if ((line + field) % 5 == 0) text += std::to_string(line * 10 + field);
    }
    text += line % 4 == 0 ? "\n" : "\r\n";
    if (line % 9 == 0) text += "\r\n";
  }
  text += "tail,end";
  for (const bool merge : {false, true}) {
    TextSyntax syntax;
    syntax.cDelimiter = ',';
    syntax.bMerge = merge;
    const std::vector<std::string> whole = ReadCells(text, syntax, 0, 80, 8);
    EXPECT_EQ(whole[static_cast<std::size_t>((whole.size() / 8 - 1) * 8)], "") << "not more lines than expected";
    for (std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{64}, std::size_t{65}}) {
      EXPECT_EQ(ReadCells(text, syntax, chunk, 80, 8), whole) << "chunk " << chunk << " merge " << merge;
    }
  }
}

// Quoted fields when the delimiter is not TAB: delimiters and line ends
// inside quotes belong to the field, a doubled quote is one quote, and a
// quote later in a field is an ordinary byte. TAB-separated text keeps its
// quotes. Every chunk size reads the same.
TEST(ReadTextSource, QuotedFieldsRunToTheirClosingQuote) {
  struct Case {
    const char* name;
    std::string text;
    char delimiter;
    bool merge;
    std::vector<std::string> cells;  // the first two rows of three columns
  };
  const Case cases[] = {
      {"delimiter inside", "\"Smith, John\",Oslo,12.5\r\nok,,x\r\n", ',', false,
       {"Smith, John", "Oslo", "12.5", "ok", "", "x"}},
      {"doubled quote", "a,\"say \"\"hi\"\"\",c\n", ',', false, {"a", "say \"hi\"", "c", "", "", ""}},
      {"line ends inside", "\"two\r\nlines\",x,\"a\n\nb\"\r\nnext,y\r\n", ',', false,
       {"two lines", "x", "a b", "next", "y", ""}},
      {"quote later in a field", "a,b\"c,d\"\ne,f\n", ',', false, {"a", "b\"c", "d\"", "e", "f", ""}},
      {"bytes after the closing quote", "\"a\"b,\"\",c\n", ',', false, {"ab", "", "c", "", "", ""}},
      {"never closed", "x;\"open;\ny\n", ';', false, {"x", "open; y", "", "", "", ""}},
      {"merged spaces", "  \"a b\"   c\n1 \"\" 2\n", ' ', true, {"a b", "c", "", "1", "", "2"}},
      {"TAB keeps quotes", "\"a\tb\"\tc\n", 0, false, {"\"a", "b\"", "c", "", "", ""}},
  };
  for (const Case& c : cases) {
    TextSyntax syntax;
    syntax.cDelimiter = c.delimiter;
    syntax.bMerge = c.merge;
    for (std::size_t chunk : {std::size_t{0}, std::size_t{1}, std::size_t{5}}) {
      EXPECT_EQ(ReadCells(c.text, syntax, chunk, 2, 3), c.cells) << c.name << ", chunk " << chunk;
    }
  }
}

class ChunkedImportTest : public TextImportTest {};

TEST_F(ChunkedImportTest, SampledOffsetsDoNotDependOnTheChunkSize) {
  const std::string text = GeneratedText(20000, 3);
  std::vector<std::int64_t> offsets[2];
  const std::size_t chunks[2] = {0, 97};
  for (int i = 0; i < 2; ++i) {
    TextImportSetChunkBytes(chunks[i]);
    DialogScriptPush(AnswerOk("Note"));
    const WindowHandle table = Import("sampled.txt", text);
    TableLockGuard t(table);
    ASSERT_EQ(t->iSampleMode, SAMPLE_ROWS);
    SamplingBlock& block = t->blocks[0];
    for (int row = block.iStartRow; row <= block.iEndRow; row += 101) {
      for (int col = 1; col <= 3; ++col) offsets[i].push_back(*SamplingCellOffset(block, row, col));
    }
    EXPECT_EQ(TableCellDisplayText(*t.get(), block.iEndRow, 3), FieldValue(19999, 3));
  }
  EXPECT_EQ(offsets[0], offsets[1]);
  const std::string bytes = ReadBytes(Path("sampled.txt"));
  EXPECT_EQ(bytes.substr(static_cast<std::size_t>(offsets[0][4] - 1), 6), FieldValue(1 + 101 * 2, 2).substr(0, 6));
}

}  // namespace
