#include "shell/services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/cursor.h"
#include "platform/text_buffer.h"
#include "shell/program_state.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"

namespace {

class ServicesTest : public ::testing::Test {
 protected:
  void SetUp() override { StartHeadlessProgram(); }
  void TearDown() override { EndHeadlessProgram(); }
  DialogScriptGuard dialogs;
  TempDir dir;
  ScopedCurrentDir cwd{dir.path()};
  const ShownDialog& LastShown() const { return DialogScriptShown().back(); }
};

TEST_F(ServicesTest, MessageBoxesCarryCaptionAndText) {
  DialogScriptPush(AnswerOk("Caption"));
  DialogScriptPush(AnswerYes());
  DialogScriptPush(AnswerNo());
  DialogScriptPush(AnswerOk());
  DialogScriptPush(AnswerOk());
  ShowMessage("Caption", "Text");
  EXPECT_EQ(AskYesNo("Q", "Sure?"), 1);
  EXPECT_EQ(AskYesNo("Q", "Sure?"), -1);
  ShowNumber("N", -7);
  EXPECT_EQ(LastShown().szText, "-7");
  ShowValues("V", 2.5, 1, 2, 3);
  EXPECT_EQ(LastShown().szText, "[2.5]   [1]   [2]   [3]");
  EXPECT_EQ(DialogScriptShown()[0].kind, DIALOG_MESSAGE);
  EXPECT_EQ(DialogScriptShown()[1].kind, DIALOG_YES_NO);
}

TEST_F(ServicesTest, WaitCursorRemembersTheCursorItReplaced) {
  SetCursorSlot(22);
  SetWaitCursor(0);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_WAIT);
  SetWaitCursor(1);
  EXPECT_EQ(CurrentCursorSlot(), 22);
  // A wait inside a wait (a table created while the frame waits) must not
  // leave the wait cursor on after both restores.
  SetWaitCursor(0);
  SetWaitCursor(0);
  SetWaitCursor(1);
  SetWaitCursor(1);
  EXPECT_EQ(CurrentCursorSlot(), 22);
  SetCursorSlot(CURSOR_ARROW);
}

TEST_F(ServicesTest, OpenDialogFiltersByKind) {
  const struct {
    int kind;
    std::size_t filters;
    const char* firstName;
    const char* firstPattern;
  } cases[] = {
      {FILES_ACCESS, 1, "MS Access database file(*.mdb)", "*.mdb"},
      {FILES_DBASE, 1, "dBase database file(*.dbf)", "*.dbf"},
      {FILES_FOXPRO, 1, "FoxPro database file(*.dbf)", "*.dbf"},
      {FILES_PARADOX, 1, "Paradox database file(*.db)", "*.db"},
      {FILES_MODAS, 1, "MODAS file (*.DAT)", "*.dat"},
      {FILES_NETCDF, 1, "MODAS file (*.nc)", "*.nc"},
      {FILES_LIBRARY, 1, "Plug In Library file (*.DLL)", "*.dll"},
      {FILES_TABLES, 4, "All Ostrel File (*.orl; *.txt; *.csv; *.tsv)", "*.orl;*.txt;*.csv;*.tsv"},
  };
  for (const auto& c : cases) {
    DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
    EXPECT_EQ(OpenFileDialog(WindowHandle::None, c.kind), -1);
    ASSERT_EQ(LastShown().filters.size(), c.filters) << "kind " << c.kind;
    EXPECT_EQ(LastShown().filters[0].szName, c.firstName);
    EXPECT_EQ(LastShown().filters[0].szPattern, c.firstPattern);
    EXPECT_EQ(LastShown().szStartDir, dir.path());
  }
  const auto& tables = LastShown().filters;
  EXPECT_EQ(tables[1].szName, "Ostrel File (*.orl)");
  EXPECT_EQ(tables[2].szName, "Text Document (*.txt; *.csv; *.tsv)");
  EXPECT_EQ(tables[2].szPattern, "*.txt;*.csv;*.tsv");
  EXPECT_EQ(tables[3].szName, "All File (*.*)");
  EXPECT_EQ(tables[3].szPattern, "*.*");
}

TEST_F(ServicesTest, UnknownKindOpensNoDialog) {
  for (int kind : {0, 7, 83, 85, -1}) EXPECT_EQ(OpenFileDialog(WindowHandle::None, kind), -1) << kind;
  EXPECT_TRUE(DialogScriptShown().empty());
}

TEST_F(ServicesTest, ChosenFileSetsTheLastPathAndTheNextDialogsFolder) {
  dir.WriteFile("sub/data.txt", "1\t2\n");
  const std::string sub = dir.path() + "/sub";
  DialogScriptPush(AnswerOpenFile(sub + "/data.txt"));
  ASSERT_EQ(OpenFileDialog(WindowHandle::None, FILES_TABLES), 0);
  const ProgramState& program = Program();
  EXPECT_EQ(TextOf(program.szLastDir), sub + "/");
  EXPECT_EQ(TextOf(program.szLastFileName), "data.txt");
  EXPECT_EQ(TextOf(program.szLastPath), sub + "/data.txt");
  EXPECT_EQ(CurrentDirectory(), dir.path()) << "the current directory never moves";
  // The next dialog starts where the last one left off.
  DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
  EXPECT_EQ(OpenFileDialog(WindowHandle::None, FILES_MODAS), -1);
  EXPECT_EQ(LastShown().szStartDir, sub);
  EXPECT_EQ(TextOf(program.szLastPath), sub + "/data.txt") << "a cancel keeps the last path";
}

TEST_F(ServicesTest, PathTooLongToKeepIsRefused) {
  const std::string longDir = "/" + std::string(300, 'd');
  DialogScriptPush(AnswerOpenFile(longDir + "/x.txt"));
  DialogScriptPush(AnswerOk("Error message"));
  EXPECT_EQ(OpenFileDialog(WindowHandle::None, FILES_TABLES), -1);
  EXPECT_EQ(LastShown().szText, "The path of the chosen file is too long (at most 255 characters).");
  EXPECT_EQ(TextOf(Program().szLastPath), "");
  EXPECT_EQ(CurrentDirectory(), dir.path());
}

TEST_F(ServicesTest, SaveDialogOffersTextOnlyWhenAsked) {
  std::string path;
  dir.WriteFile("out/keep.txt", "");
  DialogScriptPush(AnswerSaveFile(dir.path() + "/out/table.orl"));
  ASSERT_EQ(SaveFileDialog(WindowHandle::None, 0, &path), 0);
  EXPECT_EQ(path, dir.path() + "/out/table.orl");
  ASSERT_EQ(LastShown().filters.size(), 2u);
  EXPECT_EQ(LastShown().filters[0].szName, "Ostrel File (*.orl)");
  EXPECT_EQ(LastShown().filters[1].szName, "Table file (*.txt)");

  DialogScriptPush(AnswerCancel(DIALOG_SAVE_FILE));
  path = "unchanged";
  EXPECT_EQ(SaveFileDialog(WindowHandle::None, 1, &path), -1);
  EXPECT_EQ(path, "unchanged");
  ASSERT_EQ(LastShown().filters.size(), 1u);
  EXPECT_EQ(LastShown().filters[0].szPattern, "*.txt");
  EXPECT_EQ(LastShown().szStartDir, dir.path() + "/out");
}

}  // namespace
