// The command-line conversion: its arguments, and files converted end to
// end without a display.
#include "shell/convert_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "shell/program_state.h"
#include "support/headless_program.h"

namespace {

TEST(ConvertArguments, ReadsFilesAndOptions) {
  struct Case {
    std::vector<const char*> args;
    int result;
    char delimiter;
    bool merge;
  };
  const Case cases[] = {
      {{"in.csv", "out.orl"}, 0, '\t', false},
      {{"in.csv", "out.txt", "--delimiter", ","}, 0, ',', false},
      {{"in.csv", "out.txt", "--delimiter", "semicolon", "--merge-delimiters"}, 0, ';', true},
      {{"in.csv", "out.txt", "--merge-delimiters", "--delimiter", "space"}, 0, ' ', true},
      {{"in.csv", "out.txt", "--delimiter", "tab"}, 0, '\t', false},
      {{"in.csv"}, -1, '\t', false},
      {{}, -1, '\t', false},
      {{"in.csv", "out.txt", "--delimiter"}, -1, '\t', false},
      {{"in.csv", "out.txt", "--delimiter", "ab"}, -1, '\t', false},
      {{"in.csv", "out.txt", "--bogus"}, -1, '\t', false},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv{"cartovel", "--convert"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ConvertRequest request;
    std::string error;
    const int result = ParseConvertArguments(static_cast<int>(argv.size()), argv.data(), 2, &request, &error);
    EXPECT_EQ(result, c.result) << (c.args.empty() ? "" : c.args.back());
    if (result != 0) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(request.szIn, "in.csv");
    EXPECT_EQ(request.cDelimiter, c.delimiter);
    EXPECT_EQ(request.bMerge, c.merge);
  }
}

class ConvertTest : public ::testing::Test {
 protected:
  void SetUp() override { StartHeadlessProgram(); }
  void TearDown() override { EndHeadlessProgram(); }
  int Convert(const std::string& in, const std::string& out, char delimiter = '\t', bool merge = false) {
    ConvertRequest request;
    request.szIn = dir_.path() + "/" + in;
    request.szOut = dir_.path() + "/" + out;
    request.cDelimiter = delimiter;
    request.bMerge = merge;
    return RunConversion(request);
  }
  TempDir dir_;
  ScopedCurrentDir cwd_{dir_.path()};
};

// A comma-separated text becomes a table file and back; the formulas of a
// table file run again on the way.
TEST_F(ConvertTest, TextToTableFileAndBack) {
  dir_.WriteFile("in.csv", "a,b\r\n1,,2\r\n");
  EXPECT_EQ(Convert("in.csv", "plain.txt", ','), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() + "/plain.txt"), "a\tb\t \r\n1\t \t2\r\n");
  EXPECT_EQ(Convert("in.csv", "merged.txt", ',', true), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() + "/merged.txt"), "a\tb\r\n1\t2\r\n");

  dir_.WriteFile("sum.orl", "2\t3\t \r\nUser(+,-,x,/)\tR1C3\tRUN=\t-1\tR1C1+R1C2\r\n");
  EXPECT_EQ(Convert("sum.orl", "sum.txt"), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() + "/sum.txt"), "2\t3\t5\r\n");
  EXPECT_EQ(Convert("sum.orl", "copy.orl"), 0);
  const std::string copy = ReadFileBytes(dir_.path() + "/copy.orl");
  EXPECT_EQ(copy.rfind("2\t3\t5\r\nUser(+,-,x,/)\tR1C3\tRUN=\t-1\tR1C1+R1C2\r\n", 0), 0u) << copy;
}

// Far more texts than the record's own pool slots: every one arrives.
TEST_F(ConvertTest, ThousandsOfTextsConvertWhole) {
  std::string csv;
  std::string expected;
  for (int row = 1; row <= 2000; ++row) {
    for (int col = 1; col <= 3; ++col) {
      const std::string text = "a long text for row " + std::to_string(row) + " and column " + std::to_string(col);
      csv += text + (col < 3 ? "," : "\r\n");
      expected += text + (col < 3 ? "\t" : "\r\n");
    }
  }
  dir_.WriteFile("texts.csv", csv);
  EXPECT_EQ(Convert("texts.csv", "texts.txt", ','), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() + "/texts.txt"), expected);
}

TEST_F(ConvertTest, FailuresGiveANonZeroStatus) {
  EXPECT_EQ(Convert("missing.csv", "out.txt"), 1);
  dir_.WriteFile("in.csv", "1,2\r\n");
  EXPECT_EQ(Convert("in.csv", "no/such/folder/out.txt", ','), 1);
  EXPECT_FALSE(std::ifstream(dir_.path() + "/no/such/folder/out.txt").good());
}

}  // namespace
