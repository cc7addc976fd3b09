// Opening delimited text: the size decisions, whole, resized and sampled
// imports of generated files, the Text Import Wizard answered by script,
// encodings, the German locale, real CSV files and the failures.
#include "files/text_import.h"

#include <gtest/gtest.h>

#include <fstream>

#include <string>

#include "files/sampling_blocks.h"
#include "files/text_import_fixture.h"
#include "files/text_size.h"
#include "resources/language.h"
#include "support/comma_locale.h"
#include "support/fresh_table.h"
#include "table/table_init.h"

namespace {

// -- the size decision -------------------------------------------------------

TEST(DecideImportSize, ResizesOrSamplesANewTableByTheFileSize) {
  const struct {
    long long fileRows, fileCols;  // lines + 1, fields + 1
    int result, mode, rows, cols, rowStep, colStep;
  } cases[] = {
      {2000, 370, 0, SAMPLE_NONE, 2001, 371, 0, 0},         // fits as it is
      {1, 1, 0, SAMPLE_NONE, 2001, 371, 0, 0},              // an empty file
      {5001, 4, 1, SAMPLE_NONE, 5001, 167, 0, 0},           // 5,000 lines of 3 fields
      {2001, 2, 1, SAMPLE_NONE, 2001, 417, 0, 0},           // R > 2000 already resizes
      {16384, 50, 1, SAMPLE_NONE, 16384, 51, 0, 0},         // 50 < 835635 / 16384 = 51
      {16384, 51, 1, SAMPLE_BOTH, 2001, 371, 41, 1},        // no longer below 835635 / R
      {100001, 6, 1, SAMPLE_ROWS, 16385, 51, 7, 1},         // 100,000 lines of 5 fields
      {100001, 11, 1, SAMPLE_BOTH, 2001, 371, 251, 1},      // too wide for 51 columns
      {3001, 401, 1, SAMPLE_BOTH, 2001, 371, 8, 2},         // 3,000 lines of 400 fields
      {100, 500, 1, SAMPLE_NONE, 1671, 500, 0, 0},          // wide: 835635 / 500 rows
      {6, 20001, 1, SAMPLE_COLS, 51, 16385, 1, 2},          // very wide, few lines
      {11, 20001, 1, SAMPLE_BOTH, 2001, 371, 1, 54},        // very wide, too many lines
      {2001, 390, 1, SAMPLE_NONE, 2142, 390, 0, 0},         // resized twice, by rows then by columns
      {2100, 390, 1, SAMPLE_BOTH, 2001, 371, 6, 2},         // more rows and columns than the table
  };
  for (const auto& c : cases) {
    FreshTable t(OPEN_FILE, "data.txt");
    ASSERT_TRUE(t.ok());
    EXPECT_EQ(DecideImportSize(*t, c.fileRows, c.fileCols), c.result) << c.fileRows << " x " << c.fileCols;
    EXPECT_EQ(t->iSampleMode, c.mode) << c.fileRows << " x " << c.fileCols;
    EXPECT_EQ(t->iRows, c.rows) << c.fileRows << " x " << c.fileCols;
    EXPECT_EQ(t->iCols, c.cols) << c.fileRows << " x " << c.fileCols;
    EXPECT_EQ(t->bReadOnly, c.result) << c.fileRows << " x " << c.fileCols;
    EXPECT_EQ(t->iFileRows, c.fileRows);
    EXPECT_EQ(t->iFileCols, c.fileCols);
    EXPECT_EQ(t->blocks[0].bInUse, c.mode != SAMPLE_NONE ? 1 : 0);
    if (c.mode != SAMPLE_NONE) {
      EXPECT_EQ(t->blocks[0].iRowStep, c.rowStep) << c.fileRows << " x " << c.fileCols;
      EXPECT_EQ(t->blocks[0].iColStep, c.colStep) << c.fileRows << " x " << c.fileCols;
      EXPECT_NE(t->blocks[0].cellOffset, nullptr);
    }
  }
}

// -- whole, resized and sampled imports --------------------------------------

TEST_F(TextImportTest, SmallTabFileIsReadWholeAndStaysWritable) {
  int status = -1;
  const WindowHandle table = Import("small.txt", "1\t2.5\tabc\r\n.5\t\t-3\r\n", &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Shown(table, 1, 1), "1");
  EXPECT_EQ(Shown(table, 1, 2), "2.5");
  EXPECT_EQ(Shown(table, 1, 3), "abc");
  EXPECT_EQ(Shown(table, 2, 1), "0.5");
  EXPECT_EQ(Shown(table, 2, 2), "");
  EXPECT_EQ(Shown(table, 2, 3), "-3");
  EXPECT_EQ(WindowTitle(table), Path("small.txt"));
  TableLockGuard t(table);
  EXPECT_EQ(t->bReadOnly, 0);
  EXPECT_EQ(t->bModified, 1);
  EXPECT_EQ(t->iSampleMode, SAMPLE_NONE);
  EXPECT_EQ(t->iFileSize, 19);
  EXPECT_EQ(CellStyle(t->cells[1 * t->iCols + 1]), STYLE_AUTOMATIC);
}

TEST_F(TextImportTest, FiveThousandLinesOfThreeFieldsResizeTheTable) {
  const WindowHandle table = Import("5000x3.txt", GeneratedText(5000, 3));
  EXPECT_EQ(WindowTitle(table), Path("5000x3.txt") + " (Read only)");
  EXPECT_EQ(Shown(table, 1, 1), FieldValue(1, 1));
  EXPECT_EQ(Shown(table, 5000, 3), FieldValue(5000, 3));
  EXPECT_EQ(Shown(table, 0, 166), "C166");   // relabelled for the new size
  EXPECT_EQ(Shown(table, 5000, 0), "R5000");
  TableLockGuard t(table);
  EXPECT_EQ(t->iRows, 5001);
  EXPECT_EQ(t->iCols, 167);
  EXPECT_EQ(t->bResized, 1);
  EXPECT_EQ(t->bReadOnly, 1);
  EXPECT_EQ(t->iSampleMode, SAMPLE_NONE);
}

TEST_F(TextImportTest, HundredThousandLinesAreSampledByRowsWithStepSeven) {
  DialogScriptPush(AnswerOk("Note"));
  const std::string path = Path("100000x5.txt");
  const WindowHandle table = Import("100000x5.txt", GeneratedText(100000, 5));
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText,
            path + "\r\n\r\nFile exceeds spreadsheet row/column limit,\r\ndata will be sampled to fit in spreadsheet.\r\n"
                   "(You can re-sample later)\r\n");
  EXPECT_EQ(WindowTitle(table), path + " (Read only)");
  EXPECT_EQ(Shown(table, 1, 1), "FileSizeRC(100001,6)");
  EXPECT_EQ(Shown(table, 1, 2), "R step=7");
  EXPECT_EQ(Shown(table, 2, 1), FieldValue(1, 1));   // data from row 2: lines 1, 8, 15, ...
  EXPECT_EQ(Shown(table, 3, 2), FieldValue(8, 2));
  EXPECT_EQ(Shown(table, 14287, 5), FieldValue(99996, 5));
  EXPECT_EQ(Shown(table, 14288, 1), "");
  EXPECT_EQ(Shown(table, 2, 6), "");
  const std::string bytes = ReadBytes(path);
  TableLockGuard t(table);
  EXPECT_EQ(t->iRows, 16385);
  EXPECT_EQ(t->iCols, 51);
  EXPECT_EQ(t->iSampleMode, SAMPLE_ROWS);
  EXPECT_EQ(t->bReadOnly, 1);
  SamplingBlock& block = t->blocks[0];
  EXPECT_EQ(block.iStartRow, 2);
  EXPECT_EQ(block.iEndRow, 14287);
  EXPECT_EQ(block.iEndCol, 5);
  // Each cell remembers where its text begins in the file.
  for (const auto& [row, col, line] : {std::tuple{2, 1, 1}, {3, 2, 8}, {14287, 5, 99996}}) {
    const std::int64_t* slot = SamplingCellOffset(block, row, col);
    ASSERT_NE(slot, nullptr);
    ASSERT_GT(*slot, 0);
    EXPECT_EQ(bytes.substr(static_cast<std::size_t>(*slot - 1), 10).substr(0, FieldValue(line, col).size()),
              FieldValue(line, col));
  }
}

TEST_F(TextImportTest, ThreeThousandLinesOfFourHundredFieldsUseAFifthOfTheRows) {
  DialogScriptPush(AnswerOk("Note"));
  const WindowHandle table = Import("3000x400.txt", GeneratedText(3000, 400));
  EXPECT_EQ(Shown(table, 1, 1), "FileSizeRC(3001,401)");
  EXPECT_EQ(Shown(table, 1, 2), "R,C step=8, 2");
  EXPECT_EQ(Shown(table, 2, 1), FieldValue(1, 1));
  EXPECT_EQ(Shown(table, 2, 2), FieldValue(1, 3));
  EXPECT_EQ(Shown(table, 3, 1), FieldValue(9, 1));
  EXPECT_EQ(Shown(table, 2, 200), FieldValue(1, 399));
  EXPECT_EQ(Shown(table, 2, 201), "");
  EXPECT_EQ(Shown(table, 376, 1), FieldValue(2993, 1));
  TableLockGuard t(table);
  EXPECT_EQ(t->iSampleMode, SAMPLE_BOTH);
  EXPECT_EQ(t->iRows, 2001);
  EXPECT_EQ(t->iCols, 371);
  EXPECT_EQ(t->blocks[0].iEndRow, 376);
  EXPECT_LE(t->iUsedRows, 402) << "only rows 2 .. 401 are for the sample";
}

// -- the wizard --------------------------------------------------------------

TEST_F(TextImportTest, WizardMergesConsecutiveDelimitersOnlyWhenAsked) {
  const struct {
    bool merge;
    const char* r1c2;
    const char* r1c3;
  } cases[] = {{true, "2", ""}, {false, "", "2"}};
  for (const auto& c : cases) {
    std::string preview;
    AnswerWizard(WIZARD_COMMA, c.merge, "", &preview);
    int status = -1;
    const WindowHandle table = Import("commas.csv", "1,,2\r\n,3\r\n", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(preview, "1,,2\r\n,3\r\n");
    EXPECT_EQ(Shown(table, 1, 1), "1");
    EXPECT_EQ(Shown(table, 1, 2), c.r1c2) << "merge " << c.merge;
    EXPECT_EQ(Shown(table, 1, 3), c.r1c3) << "merge " << c.merge;
    // A delimiter at a line start is ignored when merging.
    EXPECT_EQ(Shown(table, 2, 1), c.merge ? "3" : "") << "merge " << c.merge;
  }
}

TEST_F(TextImportTest, WizardChoicesGiveTheirDelimiters) {
  const struct {
    int choice;
    const char* other;
    const char* text;
    const char* r1c2;
  } cases[] = {
      {WIZARD_SEMICOLON, "", "1;2,5\r\n", "2,5"},
      {WIZARD_SPACE, "", "1 2\r\n", "2"},
      {WIZARD_OTHER, "|x", "1|2x\r\n", "2x"},   // the first character of the box
      {WIZARD_OTHER, "", "1 2\r\n", "2"},       // an empty box is a space
      {WIZARD_TAB, "", "1,2\r\n", ""},          // no TAB in the text: one field
  };
  for (const auto& c : cases) {
    AnswerWizard(c.choice, false, c.other);
    const WindowHandle table = Import("choice.txt", c.text);
    EXPECT_EQ(Shown(table, 1, 2), c.r1c2) << c.text;
  }
}

// The wizard starts on the delimiter that splits the head's lines most
// consistently, merging runs only for Space; the user's answer still rules.
TEST_F(TextImportTest, WizardPreselectsTheDelimiterThatSplitsTheLinesAlike) {
  const struct {
    const char* head;
    int choice;
  } cases[] = {
      {"name,town,value,note\r\n\"Smith, John\",Oslo,12.5,ok\r\n\"Lee; Ann\",,3,\r\n", WIZARD_COMMA},
      {"a;b;c\n1,5;2,5;3\n4,0;5,5;6\n", WIZARD_SEMICOLON},  // decimal commas
      {"  1.5   2.5  3\n 10.0  20.0 30\n", WIZARD_SPACE},
      {"New York,12\nLos Angeles,13\nOslo,14\n", WIZARD_COMMA},
      {"one\ntwo\nthree\n", WIZARD_TAB},                       // nothing splits
      {"", WIZARD_TAB},
  };
  for (const auto& c : cases) {
    TextImportWizardModel model;
    WizardPreselect(model, c.head);
    EXPECT_EQ(model.iDelimiter, c.choice) << c.head;
    EXPECT_EQ(model.bMerge, c.choice == WIZARD_SPACE ? 1 : 0) << c.head;
  }
  // The shown wizard carries the choice.
  int shown = -1;
  int merge = -1;
  DialogScriptPush(AnswerDialog("Text Import Wizard", [&](DialogRequest& request) {
    auto* model = dynamic_cast<TextImportWizardModel*>(request.pModel);
    shown = model->iDelimiter;
    merge = model->bMerge;
    return static_cast<int>(BUTTON_OK);
  }));
  const WindowHandle table = Import("people.csv", cases[0].head);
  EXPECT_EQ(shown, WIZARD_COMMA);
  EXPECT_EQ(merge, 0);
  EXPECT_EQ(Shown(table, 2, 1), "Smith, John");
  EXPECT_EQ(Shown(table, 2, 4), "ok");
  EXPECT_EQ(Shown(table, 3, 1), "Lee; Ann");
  EXPECT_EQ(Shown(table, 3, 2), "");
  EXPECT_EQ(Shown(table, 3, 3), "3");
}

// After an import the columns are as wide as their widest first texts (up
// to a cap); short values keep the default width.
TEST_F(TextImportTest, ImportedColumnsFitTheirTexts) {
  const std::string lengthy(80, 'x');
  const std::string header = "precipitation in millimetres";
  AnswerWizard(WIZARD_COMMA, false);
  const WindowHandle table = Import("wide.csv", "id," + header + ",note\r\n1,0.123456789012345," + lengthy + "\r\n");
  TableLockGuard t(table);
  EXPECT_EQ(t->colWidth[1], 80);
  // The estimate without a view: 7 pixels a character, and the margins.
  EXPECT_EQ(t->colWidth[2], static_cast<int>(header.size()) * 7 + 10);
  EXPECT_EQ(t->colWidth[3], 300);
  EXPECT_EQ(t->colWidth[4], 80);
}

TEST_F(TextImportTest, WizardPreviewShowsTheHeadUpToTheSixthLineEndByte) {
  std::string preview;
  AnswerWizard(WIZARD_COMMA, true, "", &preview);
  Import("head.csv", "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(preview, "a\r\nb\r\nc\r\n");
  std::size_t length = 0;
  EXPECT_EQ(SniffTabs("x\ty\nz\t\n", 7, &length), 2);
  EXPECT_EQ(length, 7u);
  EXPECT_EQ(SniffTabs("1\n2\n3\n4\n5\n6\n\t7", 14, &length), 0) << "a TAB after the sixth line end does not count";
  EXPECT_EQ(length, 12u);
}

TEST_F(TextImportTest, CancelledWizardLeavesTheTableEmpty) {
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Text Import Wizard"));
  int status = 0;
  const WindowHandle table = Import("cancel.csv", "1,2\r\n", &status);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(Shown(table, 1, 1), "");
}

TEST_F(TextImportTest, NonAsciiOtherDelimiterIsRefused) {
  AnswerWizard(WIZARD_OTHER, false, "\xEF\xBC\x8C");  // a full-width comma
  DialogScriptPush(AnswerOk("Text Import Wizard"));
  int status = 0;
  const WindowHandle table = Import("wide.csv", "1\xEF\xBC\x8C" "2\r\n", &status);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(Shown(table, 1, 1), "");
}

TEST_F(TextImportTest, TabFileAfterACommaImportSkipsTheWizardAndKeepsCommas) {
  AnswerWizard(WIZARD_COMMA, true);
  Import("first.csv", "1,2\r\n");
  const WindowHandle table = Import("second.txt", "a,b\tc\r\n1,5\t2\r\n");
  EXPECT_EQ(Shown(table, 1, 1), "a,b");
  EXPECT_EQ(Shown(table, 1, 2), "c");
  EXPECT_EQ(Shown(table, 2, 1), "1,5");
}

TEST_F(TextImportTest, WithoutTheWizardTheCallersDelimiterApplies) {
  Write("cmd.csv", "1;;2\r\n");
  const WindowHandle table = OpenTable(Path("cmd.csv"));
  TextImportChoice choice;
  choice.bAskWizard = false;
  choice.cDelimiter = ';';
  choice.bMerge = true;
  EXPECT_EQ(TextImportOpenWith(table, Path("cmd.csv"), choice), 0);
  EXPECT_EQ(Shown(table, 1, 2), "2");
}

// -- sound behaviour where the file is unusual ---------------------------------

TEST_F(TextImportTest, LastLineWithoutLineEndIsRead) {
  const WindowHandle table = Import("open.txt", "1\t2\r\n3\t4");
  EXPECT_EQ(Shown(table, 2, 1), "3");
  EXPECT_EQ(Shown(table, 2, 2), "4");
  TableLockGuard t(table);
  EXPECT_EQ(t->iFileRows, 3);
}

TEST_F(TextImportTest, Utf8ByteOrderMarkIsNotPartOfTheFirstValue) {
  const WindowHandle table = Import("bom.txt", "\xEF\xBB\xBF" "1.5\t2\r\n");
  EXPECT_EQ(Shown(table, 1, 1), "1.5");
  TableLockGuard t(table);
  EXPECT_EQ(t->dMaxValue, 2.0);
}

TEST_F(TextImportTest, MergedRunsCountAsOneFieldWhenSizingTheTable) {
  // Three values apart by runs of 200 blanks: merged, 3 fields, which fit.
  const std::string run(200, ' ');
  std::string text;
  for (int line = 0; line < 3; ++line) text += "1" + run + "2" + run + "3\r\n";
  AnswerWizard(WIZARD_SPACE, true);
  const WindowHandle table = Import("aligned.txt", text);
  EXPECT_EQ(Shown(table, 3, 3), "3");
  TableLockGuard t(table);
  EXPECT_EQ(t->iFileCols, 4);
  EXPECT_EQ(t->bReadOnly, 0);
  EXPECT_EQ(t->iSampleMode, SAMPLE_NONE);
}

// -- encodings and numbers -----------------------------------------------------

TEST_F(TextImportTest, FilesThatAreNotUtf8AreReadInTheLanguagesCodePage) {
  const struct {
    bool chinese;
    const char* bytes;
    const char* text;
  } cases[] = {
      {true, "\xD6\xD0\xCE\xC4\t1\r\n", "中文"},        // GB18030
      {false, "caf\xE9\t1\r\n", "café"},                // Windows-1252
      {false, "\xE4\xB8\xAD\xE6\x96\x87\t1\r\n", "中文"},  // UTF-8 stays as it is
      {true, "caf\xC3\xA9\t1\r\n", "café"},
  };
  for (const auto& c : cases) {
    LanguageSetChinese(c.chinese);
    const WindowHandle table = Import("coded.txt", c.bytes);
    EXPECT_EQ(Shown(table, 1, 1), c.text);
    EXPECT_EQ(Shown(table, 1, 2), "1");
  }
}

TEST_F(TextImportTest, OneLegacyByteLateInTheFileDecidesForTheWholeFile) {
  // The head is plain ASCII and valid UTF-8; a Windows-1252 byte far
  // beyond the head makes every text a Windows-1252 text.
  std::string text = "na\xC3\xAFve\t1\r\n";  // valid UTF-8 on its own ...
  text += std::string(300000, '1') + "\r\n";
  text += "caf\xE9\r\n";                // ... but the file is not
  LanguageSetChinese(false);
  const WindowHandle table = Import("late.txt", text);
  EXPECT_EQ(Shown(table, 1, 1), "na\xC3\x83\xC2\xAF" "ve") << "the UTF-8 pair read as two Windows-1252 letters";
  EXPECT_EQ(Shown(table, 3, 1), "café");
}

TEST_F(TextImportTest, NumbersDoNotFollowTheUsersLocale) {
  REQUIRE_COMMA_DECIMAL_LOCALE(locale);
  const WindowHandle table = Import("numbers.txt", "1.5\t-2.25\r\n1e3\t7\r\n");
  EXPECT_EQ(Shown(table, 1, 1), "1.5");
  EXPECT_EQ(Shown(table, 1, 2), "-2.25");
  EXPECT_EQ(Shown(table, 2, 1), "1.000000e+03");
  TableLockGuard t(table);
  EXPECT_DOUBLE_EQ(t->dMaxValue, 1000.0);
  EXPECT_DOUBLE_EQ(t->dMinValue, -2.25);
}

// -- real files -----------------------------------------------------------------

TEST_F(TextImportTest, RealCsvAndTsvFiles) {
  const std::string dir = std::string(CARTOVEL_SHARED_DATA_DIR) + "/csv/vega-datasets/";
  if (!std::ifstream(dir + "sp500-2000.csv")) GTEST_SKIP() << "no " << dir;
  {
    // 5,105 lines and a header, comma-separated, no line end after the last.
    AnswerWizard(WIZARD_COMMA, false);
    const std::string path = dir + "sp500-2000.csv";
    const WindowHandle table = OpenTable(path);
    ASSERT_EQ(TextImportOpen(table, path), 0);
    EXPECT_EQ(WindowTitle(table), path + " (Read only)");
    EXPECT_EQ(Shown(table, 1, 1), "date");
    EXPECT_EQ(Shown(table, 1, 7), "volume");
    EXPECT_EQ(Shown(table, 2, 2), "1469.250000");
    EXPECT_EQ(Shown(table, 5106, 1), "2020-04-17");
    EXPECT_EQ(Shown(table, 5106, 7), "5792140000");
    TableLockGuard t(table);
    EXPECT_EQ(t->iRows, 5107);
    EXPECT_EQ(t->iCols, 163);
  }
  {
    // TAB-separated: no wizard; ".097" becomes 0.097.
    const std::string path = dir + "unemployment.tsv";
    const WindowHandle table = OpenTable(path);
    ASSERT_EQ(TextImportOpen(table, path), 0);
    EXPECT_EQ(Shown(table, 1, 2), "rate");
    EXPECT_EQ(Shown(table, 2, 1), "1001");
    EXPECT_EQ(Shown(table, 2, 2), "0.097");
    TableLockGuard t(table);
    EXPECT_EQ(t->iFileRows, 3220);
  }
}

// -- failures -------------------------------------------------------------------

TEST_F(TextImportTest, FailuresAreReportedAndLeaveAnEmptyTable) {
  // MODAS and stock files without their readers (set from above).
  TextImportSetHeadReader(OPEN_MODAS, nullptr);
  TextImportSetHeadReader(OPEN_STOCK, nullptr);
  const std::string missing = Path("missing.txt");
  Write("netcdf.nc", "CDF\x01");
  const struct {
    std::string path;
    int mode;
    const char* message;
  } cases[] = {
      {missing, OPEN_FILE, "Open file failed"},
      {dir_.path(), OPEN_FILE, "Open file failed"},   // a folder
      {Path("netcdf.nc"), OPEN_MODAS, "This kind of file cannot be opened yet."},
      {Path("netcdf.nc"), OPEN_STOCK, "This kind of file cannot be opened yet."},
      {"/" + std::string(420, 'x'), OPEN_FILE, "Open file failed"},   // longer than a table keeps
  };
  for (const auto& c : cases) {
    DialogScriptPush(AnswerOk());
    const WindowHandle table = OpenTable(c.path, c.mode);
    EXPECT_EQ(TextImportOpen(table, c.path), -1) << c.path;
    ASSERT_FALSE(DialogScriptShown().empty());
    EXPECT_EQ(DialogScriptShown().back().szCaption, c.path);
    EXPECT_EQ(DialogScriptShown().back().szText, c.message);
    EXPECT_EQ(Shown(table, 1, 1), "");
  }
}

TEST_F(TextImportTest, MessagesInChinese) {
  LanguageSetChinese(true);
  TextImportSetHeadReader(OPEN_MODAS, nullptr);
  DialogScriptPush(AnswerOk());
  const WindowHandle first = OpenTable(Path("modas.dat"), OPEN_MODAS);
  Write("modas.dat", "CDF");
  TextImportOpen(first, Path("modas.dat"));
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText, "暂时还不能打开这类文件.");

  DialogScriptPush(AnswerOk("提示"));
  const WindowHandle table = Import("many.txt", GeneratedText(20000, 2));
  EXPECT_EQ(DialogScriptShown().back().szText,
            Path("many.txt") + "\r\n\r\n该文件超出表格行/列限制,\r\n数据将采用抽样方法读入表格\r\n\r\n(你可后续抽样再读出更详细数据)\r\n");
  EXPECT_EQ(WindowTitle(table), Path("many.txt") + " (只读操作)");
}

}  // namespace
