// The MODAS import on small files in the layout it reads: a heading, then
// per station a line of position and date (the trailer all stations share)
// followed by its depth lines (depth, temperature, salinity, density,
// sound speed, U, V and at the surface the sea surface height).
#include <dirent.h>

#include <string>
#include <vector>

#include "files/text_source.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/modas_import.h"
#include "sources/modas_options.h"
#include "support/fresh_table.h"
#include "sources/source_import_fixture.h"

namespace {

// Depth list entries.
constexpr int kDepth0 = 0;
constexpr int kDepth10 = 2;
constexpr int kDepth20 = 4;
constexpr int kAll = MODAS_DEPTHS - 1;

// Two whole-degree stations and one between, each with depths 0, 10, 20.
const std::string kTwoStations =
    "MODAS profile extract\r\n"
    "120.0\t30.0\t2005\t01\t15\r\n"
    "0\t20.5\t34.1\t1024.3\t1520.1\t0.1\t0.2\t0.35\r\n"
    "10\t19.5\t34.2\t1025.0\t1519.0\t0.1\t0.2\r\n"
    "20\t18.5\t34.3\t1025.5\t1518.0\t0.1\t0.2\r\n"
    "120.5\t30.5\t2005\t01\t15\r\n"
    "0\t21.5\t34.0\t1024.0\t1521.1\t0.3\t0.4\t0.31\r\n"
    "10\t20.5\t34.1\t1024.9\t1520.0\t0.3\t0.4\r\n"
    "121\t31\t2005\t01\t15\r\n"
    "0\t22.5\t33.9\t1023.9\t1522.1\t0.5\t0.6\t0.32\r\n"
    "10.0\t21.5\t34.0\t1024.8\t1521.0\t0.5\t0.6\r\n"
    "20\t9999\t34.1\t1025.3\t1520.0\t0.5\t0.6\r\n";

class ModasImportTest : public SourceImportTest {};

TEST_F(ModasImportTest, OneDepthGivesATitleCellAndOneRowPerStation) {
  AnswerModas({kDepth10}, {1, 2});
  int status = -1;
  EXPECT_TRUE(Open(OPEN_MODAS, "two.dat", kTwoStations, &status).empty());
  EXPECT_EQ(status, 0);
  // The title cell first; every header stands over its values.
  EXPECT_EQ(Row(1), (std::vector<std::string>{"温度(深10)", "序号", "经度", "纬度", "深度", "温度", "盐度",
                                              "(2005-01-15)"}));
  // "10.0" is depth 10; the station at 120.5/30.5 is not on whole degrees.
  EXPECT_EQ(Row(2), (std::vector<std::string>{"", "1", "120.0", "30.0", "-10", "19.5", "34.2"}));
  EXPECT_EQ(Row(3), (std::vector<std::string>{"", "2", "121", "31", "-10", "21.5", "34.0"}));
  EXPECT_TRUE(Row(4).empty());
  EXPECT_EQ(WindowTitle(table_), Path("two.dat") + " (Read only)");
  TableLockGuard t(table_);
  EXPECT_TRUE(t->bReadOnly);
}

TEST_F(ModasImportTest, MissingMarkSkipsOnlyWhereAChosenItemHasIt) {
  // 9999 stands in the temperature of station 121/31 at depth 20.
  AnswerModas({kDepth10, kDepth20}, {1});
  Open(OPEN_MODAS, "missing.dat", kTwoStations);
  EXPECT_EQ(Row(1), (std::vector<std::string>{"序号", "经度", "纬度", "深度", "温度", "(2005-01-15)"}));
  EXPECT_EQ(Cell(4, 4), "-10");
  EXPECT_EQ(Cell(5, 1), "");  // depth 20 of the last station: temperature missing
  AnswerModas({kDepth10, kDepth20}, {2});
  Open(OPEN_MODAS, "missing.dat", kTwoStations);
  EXPECT_EQ(Row(5), (std::vector<std::string>{"4", "121", "31", "-20", "34.1"}));
}

TEST_F(ModasImportTest, DepthModesAndAreaFiltersCompareNumbers) {
  struct Case {
    const char* what;
    std::vector<int> depths;
    int position;
    std::array<std::string, 4> area;
    std::vector<std::string> depthColumn;  // column 4 from row 2 on
  };
  const Case cases[] = {
      {"every depth, whole degrees", {kAll}, MODAS_POSITION_INTEGER, {}, {"0.0", "-10", "-20", "0.0", "-10", "-20"}},
      {"depth range 0..20 given as two", {kDepth0, kDepth20}, MODAS_POSITION_INTEGER, {}, {"0.0", "-10", "-20", "0.0", "-10", "-20"}},
      {"a set of depths", {kDepth0, kDepth10, kDepth20}, MODAS_POSITION_INTEGER, {}, {"0.0", "-10", "-20", "0.0", "-10", "-20"}},
      {"area with the north-west corner first", {kAll}, MODAS_POSITION_AREA, {"120.2", "31", "121", "30.0"}, {"0.0", "-10", "0.0", "-10", "-20"}},
      {"area corners in the other order", {kAll}, MODAS_POSITION_AREA, {"121", "30", "120.2", "31.0"}, {"0.0", "-10", "0.0", "-10", "-20"}},
      {"area and whole degrees", {kAll}, MODAS_POSITION_BOTH, {"120.2", "31", "121", "30.0"}, {"0.0", "-10", "-20"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AnswerModas(c.depths, {3}, c.position, c.area);
    Open(OPEN_MODAS, "modes.dat", kTwoStations);
    std::vector<std::string> depths;
    for (int row = 2; !Cell(row, 1).empty(); ++row) depths.push_back(Cell(row, 4));
    EXPECT_EQ(depths, c.depthColumn);
    EXPECT_EQ(Cell(1, 1), "序号");
  }
}

TEST_F(ModasImportTest, SeaSurfaceHeightAtTheSurface) {
  AnswerModas({kDepth0}, {MODAS_SEA_HEIGHT});
  Open(OPEN_MODAS, "surface.dat", kTwoStations);
  EXPECT_EQ(Cell(1, 1), "海面高度(深0)");
  EXPECT_EQ(Row(2), (std::vector<std::string>{"", "1", "120.0", "30.0", "0.0", "0.35"}));
  EXPECT_EQ(Row(3), (std::vector<std::string>{"", "2", "121", "31", "0.0", "0.32"}));
}

TEST_F(ModasImportTest, ValuesLongerThanNineCharactersRefuseTheirLinesOnce) {
  // "1.1076e-01" cut to nine characters would read as 1.1076. A station
  // line refused that way leaves its depth lines without a station.
  const std::string text =
      "120\t30\t2005\t01\t15\n"
      "10\t1.1076e-01\t34.1\n"
      "10\t19.5\t34.2\n"
      "121.000000\t31\t2005\t01\t15\n"
      "10\t18.5\t34.3\n"
      "122\t32\t2005\t01\t15\n"
      "10\t17.5\t34.4\n";
  AnswerModas({kDepth10}, {1, 2});
  const std::vector<Notice> notices = Open(OPEN_MODAS, "long.dat", text);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szText, std::string("2") + Text(TXT_MODAS_LONG_VALUES));
  EXPECT_EQ(Row(2), (std::vector<std::string>{"", "1", "120", "30", "-10", "19.5", "34.2"}));
  EXPECT_EQ(Row(3), (std::vector<std::string>{"", "2", "122", "32", "-10", "17.5", "34.4"}));
  EXPECT_TRUE(Row(4).empty());
}

TEST_F(ModasImportTest, WesternStationsAndSpaceSeparatedFilesAfterTheWizard) {
  // No TAB in the head: the wizard asks; runs of blanks count as one.
  const std::string text =
      "  -70  35  2005  01  15\n"
      "    0  20.5  34.1\n"
      "   10  19.5  34.2\n"
      "  -71  36  2005  01  15\n"
      "   10  18.5  34.3\n";
  AnswerWizard(WIZARD_SPACE, true);
  AnswerModas({kDepth10}, {1});
  Open(OPEN_MODAS, "west.dat", text);
  EXPECT_EQ(Row(2), (std::vector<std::string>{"", "1", "-70", "35", "-10", "19.5"}));
  EXPECT_EQ(Row(3), (std::vector<std::string>{"", "2", "-71", "36", "-10", "18.5"}));
}

TEST_F(ModasImportTest, CancelledDialogsLeaveTheTableEmpty) {
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, MODAS_DIALOG));
  int status = 0;
  Open(OPEN_MODAS, "cancel.dat", kTwoStations, &status);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(Cell(1, 1), "");
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Text Import Wizard"));
  Open(OPEN_MODAS, "cancel.txt", "120 30 2005 1 15\n", &status);
  EXPECT_EQ(status, -1);
}

// The reader on a table of its own, from memory, in chunks of `chunk` bytes.
std::vector<std::string> ReadInChunks(std::string_view text, std::size_t chunk, const ModasOptions& options,
                                      ModasReader* out = nullptr, int rows = 0) {
  FreshTable t(OPEN_MODAS, "memory.dat");
  if (rows > 0) t->iRows = rows;
  TextSource source;
  source.UseMemory(text);
  ModasReader reader;
  ModasReaderStart(reader, *t, TextSyntax{}, options);
  EXPECT_EQ(ModasReadSource(reader, source, 0, chunk), 0);
  std::vector<std::string> cells;
  for (int row = 1; row < t->iRows; ++row) {
    if (t.Shown(row, 1).empty() && t.Shown(row, 2).empty()) break;
    for (int col = 1; col <= 8; ++col) cells.push_back(t.Shown(row, col));
  }
  if (out) {
    out->iLongLines = reader.iLongLines;
    out->iLeftOut = reader.iLeftOut;
    out->iWritten = reader.iWritten;
  }
  return cells;
}

ModasOptions AllDepths() {
  ModasDialogModel model;
  model.depths = {kAll};
  model.items = {1, 2};
  return ModasOptionsFromModel(model);
}

TEST(ModasChunks, EveryLineEndAndEveryChunkSizeReadTheSame) {
  std::string lf = kTwoStations;
  std::erase(lf, '\r');
  std::string cr = lf;
  std::replace(cr.begin(), cr.end(), '\n', '\r');
  const std::vector<std::string> whole = ReadInChunks(kTwoStations, 0, AllDepths());
  ASSERT_FALSE(whole.empty());
  // Chunks at least a line long: every cut falls after a line end (or
  // between CR and LF).
  const std::size_t longest = 40;
  for (const std::string& text : {kTwoStations, lf, cr}) {
    for (std::size_t chunk = longest; chunk < 3 * longest; chunk += 3) {
      SCOPED_TRACE(chunk);
      EXPECT_EQ(ReadInChunks(text, chunk, AllDepths()), whole);
    }
  }
}

TEST(ModasChunks, ALineLongerThanAChunkEndsInsteadOfLooping) {
  // A chunk without a line end is split at its end: the pieces are lines
  // of their own and the read finishes.
  std::string text = "120\t30\t2005\t01\t15\n";
  text.append(5000, '7');
  text.append("\n10\t19.5\t34.2\n");
  ModasReader counts;
  const std::vector<std::string> cells = ReadInChunks(text, 100, AllDepths(), &counts);
  EXPECT_EQ(counts.iWritten, 1);
  EXPECT_EQ(counts.iLongLines, 50);  // each 100-byte piece of sevens is one refused line
  EXPECT_EQ(cells[8 + 3], "-10");
}

TEST(ModasChunks, AFullTableStopsWritingAndCountsWhatWasLeftOut) {
  std::string text = "120\t30\t2005\t01\t15\n";
  for (int i = 0; i < 120; ++i) text.append("10\t19.5\t34.2\n");
  ModasReader counts;
  ReadInChunks(text, 0, AllDepths(), &counts, 51);
  EXPECT_EQ(counts.iWritten, 49);  // rows 2 .. 50
  EXPECT_EQ(counts.iLeftOut, 71);
}

TEST(ModasDialog, ChoicesBecomeOptions) {
  ModasDialogModel model;
  ModasRefillItems(model);
  EXPECT_EQ(model.offered.size(), 7u);  // depth "0" alone offers the sea surface height
  model.items = {7, 1};
  model.depths = {kDepth0, kDepth10};
  ModasRefillItems(model);
  EXPECT_EQ(model.offered.size(), 6u);
  EXPECT_EQ(model.items, std::vector<int>{1});
  struct Case {
    std::vector<int> depths;
    int mode;
    int count;
  };
  for (const Case& c : {Case{{}, MODAS_DEPTH_ONE, 1}, Case{{kDepth10}, MODAS_DEPTH_ONE, 1},
                        Case{{kDepth20, kDepth10}, MODAS_DEPTH_RANGE, 2},
                        Case{{kDepth0, kDepth10, kDepth20}, MODAS_DEPTH_SET, 3},
                        Case{{kDepth10, kAll}, MODAS_DEPTH_ALL, 2}}) {
    model.depths = c.depths;
    const ModasOptions options = ModasOptionsFromModel(model);
    EXPECT_EQ(options.iDepthMode, c.mode);
    EXPECT_EQ(options.nDepths, c.count);
  }
  model.depths = {};
  EXPECT_EQ(TextOf(ModasOptionsFromModel(model).szDepths[0]), "0");
}

TEST(ModasDialog, AnAreaNeedsBothLongitudesAndLatitudes) {
  StartHeadlessProgram();
  DialogScriptGuard script;
  struct Case {
    std::array<std::string, 4> area;
    TextId message;
  };
  const Case cases[] = {
      {{"", "30", "121", "31"}, TXT_MODAS_NO_LONGITUDE},
      {{"120", "30", "121", ""}, TXT_MODAS_NO_LATITUDE},
      {{"120", "north", "121", "31"}, TXT_MODAS_BAD_AREA},
  };
  ModasDialogModel model;
  model.iPositionMode = MODAS_POSITION_AREA;
  for (const Case& c : cases) {
    DialogScriptPush(AnswerOk(Text(TXT_CAPTION_ERROR_SHORT)));
    model.szArea = c.area;
    EXPECT_EQ(ModasDialogAccept(model), -1);
    EXPECT_EQ(DialogScriptShown().back().szText, Text(c.message));
  }
  model.szArea = {"120", "30", "121", "31"};
  EXPECT_EQ(ModasDialogAccept(model), 0);
  model.iPositionMode = MODAS_POSITION_INTEGER;
  model.szArea = {};
  EXPECT_EQ(ModasDialogAccept(model), 0);
  script.Check();
  EndHeadlessProgram();
}

// Every real ocean-profile text (headers, CR LF, TABs, LF-only lines of
// ten-character numbers, commas) imports or is refused cleanly.
TEST_F(ModasImportTest, RealOceanProfileTextsImportOrRefuseCleanly) {
  const std::string folder = std::string(CARTOVEL_SHARED_DATA_DIR) + "/ocean-profiles-text/";
  DIR* dir = opendir(folder.c_str());
  if (!dir) GTEST_SKIP() << "no " << folder;
  std::vector<std::string> names;
  while (const dirent* entry = readdir(dir)) {
    if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
  }
  closedir(dir);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    for (const int delimiter : {WIZARD_SPACE, WIZARD_COMMA}) {
      const std::string head = ReadFileBytes(folder + name).substr(0, IMPORT_HEAD_BYTES);
      std::size_t preview = 0;
      if (SniffTabs(head.data(), head.size(), &preview) == 0) AnswerWizard(delimiter, true);
      AnswerModas({kAll}, {1, 2, 3, 4, 5, 6});
      int status = -1;
      const std::vector<Notice> notices = OpenPath(OPEN_MODAS, folder + name, &status);
      EXPECT_EQ(status, 0);
      EXPECT_LE(notices.size(), 1u);
    }
  }
  // The CTD file's lines carry "1.1076e-01": all of them are refused.
  AnswerWizard(WIZARD_SPACE, true);
  AnswerModas({kAll}, {1});
  const std::vector<Notice> notices = OpenPath(OPEN_MODAS, folder + "CTD_with_sigma_e00.cnv");
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].szText.find(Text(TXT_MODAS_LONG_VALUES)), std::string::npos);
  EXPECT_EQ(Cell(2, 1), "");
}

}  // namespace
