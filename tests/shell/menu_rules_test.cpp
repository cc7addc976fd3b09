// The enabled states of the menu bar: without documents, for a table and
// its selection, a sampled table, a table showing only its image, charts
// and plots, while the cell editor works, and after tables close.
#include "shell/menu_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "files/undo_backup.h"
#include "formula/formula_registry.h"
#include "platform/menu.h"
#include "platform/timers.h"
#include "resources/command_ids.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_range.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

using IdSet = std::set<unsigned>;

// What works without a document: the open and new commands, Exit, the
// database commands, "Plot window control" and the help commands.
// The database file items need a driver: Access (MDB Tools) and SQLite
// are installed, dBase, FoxPro and Paradox have none on Linux.
const IdSet kNoDocument = {40013, 40245, 40247, 40180, 57600, 40224, 40054, 40182, 41201,
                           40166, 40167, 40230, 40090, 40091, 40211};

IdSet Plus(IdSet set, std::initializer_list<unsigned> more) {
  set.insert(more);
  return set;
}

// A plain table with its first cell selected: what the menu bar offers.
const IdSet kPlainTable =
    Plus(kNoDocument, {40168, 57604, 40208, 40048,                              // save, print
                       40164, 57642, 40154, 40237,                              // find, select all, copy, property
                       40111, 40177, 40240, 40194, 40195, 40189, 40191, 40190,  // view
                       40192, 40152, 40150, 40246, 40222});                     // tools

class MenuRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessProgram();
    frame_ = CreateFrameWindow();
    ASSERT_FALSE(IsNone(frame_));
  }
  void TearDown() override {
    if (IsWindowAlive(frame_)) DestroyWindowOf(frame_);
    EXPECT_EQ(TableLocksHeld(), 0);
    EndHeadlessProgram();
  }

  // A new table that became active (its activation timer ran).
  WindowHandle NewActiveTable() {
    SendCommand(frame_, CMD_NEW);
    const WindowHandle table = MdiActiveChild(Program().hMdiClient);
    EXPECT_EQ(FireTimer(table, 1598), 0);
    return table;
  }
  // The items of the bar that are enabled.
  IdSet Enabled() const {
    IdSet enabled;
    for (const MenuPopupSpec& popup : WindowMenu(frame_)->popups) {
      for (const MenuItemSpec& item : popup.items) {
        if (item.iCommand != 0 && !item.bGrayed) enabled.insert(item.iCommand);
      }
    }
    return enabled;
  }
  bool IsEnabled(unsigned id) const { return Enabled().count(id) == 1; }

  static void SelectBlock(TableRecord& t, int index, int r0, int c0, int r1, int c1, int kind = SELECT_BLOCK) {
    t.iSelCurrent = index;
    t.selRowFrom[index] = r0;
    t.selColFrom[index] = c0;
    t.selRowTo[index] = r1;
    t.selColTo[index] = c1;
    t.selKind[index] = kind;
  }

  DialogScriptGuard dialogs_;
  TempDir dir_;
  ScopedCurrentDir cwd_{dir_.path()};
  WindowHandle frame_{};
};

TEST_F(MenuRulesTest, WithoutDocumentsOnlyFileDatabaseAndHelpWork) {
  EXPECT_EQ(Enabled(), kNoDocument);
}

TEST_F(MenuRulesTest, AnActiveTableEnablesWhatWorksOnIt) {
  NewActiveTable();
  EXPECT_EQ(Enabled(), kPlainTable);
  EXPECT_EQ(RefreshMenus(frame_, 999), -1);
  EXPECT_EQ(RefreshMenus(WindowHandle::None, MENU_REFRESH_TABLE), -1);
  EXPECT_EQ(Enabled(), kPlainTable) << "a failed refresh changes nothing";
}

// The Edit, View and Tools items that follow the selection, for one
// selection each. Cut, Paste, Delete and Insert stay grayed on the bar of
// a table that is not sampled (the pop-up menus and keys offer them).
TEST_F(MenuRulesTest, SelectionDecidesTheRangeCommands) {
  const WindowHandle table = NewActiveTable();
  const struct Case {
    const char* szName;
    std::function<void(TableRecord&)> select;
    IdSet enabled;
    IdSet grayed;
  } cases[] = {
      {"one cell", [](TableRecord& t) { SelectBlock(t, 0, 3, 3, 3, 3); },
       {40154, 40237, 40222, 40194, 40192},
       {40175, 40179, 40156, 40153, 40155, 40157, 40196}},
      {"a block", [](TableRecord& t) { SelectBlock(t, 0, 2, 2, 4, 5); },
       {40154, 40237, 40222, 40175, 40179},
       {40156, 40153, 40155, 40157}},
      {"whole columns", [](TableRecord& t) { SelectBlock(t, 0, 1, 2, 2000, 3, SELECT_COLUMNS); },
       {40154, 40175, 40179},
       {40156}},
      {"two blocks",
       [](TableRecord& t) {
         SelectBlock(t, 0, 2, 2, 3, 3);
         SelectBlock(t, 1, 6, 6, 6, 6);
       },
       {40175, 40179, 40194, 40195, 40189, 40191, 40190, 40192},
       {40154, 40237, 40222, 40156}},
      {"a block and whole rows",
       [](TableRecord& t) {
         SelectBlock(t, 0, 2, 2, 3, 3);
         SelectBlock(t, 1, 6, 1, 6, 370, SELECT_ROWS);
       },
       {40194},
       {40175, 40179, 40154}},
      {"cleared", [](TableRecord& t) { ResetSelection(t); },
       {40164, 57642, 40111, 40177, 40240},
       {40154, 40237, 40222, 40175, 40179, 40194, 40195, 40189, 40191, 40190, 40192}},
  };
  for (const Case& c : cases) {
    {
      TableLockGuard t(table);
      c.select(*t.get());
    }
    ASSERT_EQ(RefreshMenus(table, MENU_REFRESH_TABLE), 0);
    const IdSet enabled = Enabled();
    for (unsigned id : c.enabled) EXPECT_EQ(enabled.count(id), 1u) << c.szName << ": " << id << " enabled";
    for (unsigned id : c.grayed) EXPECT_EQ(enabled.count(id), 0u) << c.szName << ": " << id << " grayed";
  }
}

// "Go to ..." works when the single selected cell names a cell of the
// table: the first upper-case R and the digits and Cs after it.
TEST_F(MenuRulesTest, GoToFollowsTheReferenceInTheSelectedCell) {
  const WindowHandle table = NewActiveTable();
  const struct {
    const char* szText;
    bool bEnabled;
  } cases[] = {
      {"R12C3", true},          {"see R120C15 there", true}, {"Result R12C3", false},
      {"R2001C1", false},       {"R0C4", false},             {"12", false},
      {"R1234567890123456789C1", false},
      {"R0000000000000012C3", true},  // the longest piece read: 19 characters
      {"R00000000000000012C3", false},
  };
  for (const auto& c : cases) {
    TableSetCellText(table, 4, 2, c.szText);
    {
      TableLockGuard t(table);
      SelectBlock(*t.get(), 0, 4, 2, 4, 2);
    }
    ASSERT_EQ(RefreshMenus(table, MENU_REFRESH_TABLE), 0);
    EXPECT_EQ(IsEnabled(40196), c.bEnabled) << c.szText;
  }
  // Not for two cells, even when the first names one.
  {
    TableLockGuard t(table);
    SelectBlock(*t.get(), 0, 4, 2, 5, 2);
  }
  RefreshMenus(table, MENU_REFRESH_TABLE);
  EXPECT_FALSE(IsEnabled(40196));
}

// "Undo" is enabled exactly while the active table has a back-up.
TEST_F(MenuRulesTest, UndoFollowsTheBackUp) {
  const WindowHandle table = NewActiveTable();
  EXPECT_FALSE(IsEnabled(CMD_UNDO));
  TableSetCellText(table, 1, 1, "5");
  {
    TableLockGuard t(table);
    SelectBlock(*t.get(), 0, 1, 1, 1, 1);
  }
  ASSERT_EQ(UndoSave(table, UNDO_SELECTION), 0);
  EXPECT_TRUE(IsEnabled(CMD_UNDO));
  ASSERT_EQ(UndoRestore(table), 0);
  EXPECT_FALSE(IsEnabled(CMD_UNDO));
  // Another table without a back-up grays it again.
  ASSERT_EQ(UndoSave(table, UNDO_SELECTION), 0);
  EXPECT_TRUE(IsEnabled(CMD_UNDO));
  NewActiveTable();
  EXPECT_FALSE(IsEnabled(CMD_UNDO));
}

// A sampled table (the record as the import of a large file leaves it):
// read-only, so Save and Save Private File are grayed; Save As stays.
TEST_F(MenuRulesTest, SampledTableGraysSaveAndTheChangingCommands) {
  const WindowHandle table = NewActiveTable();
  for (const bool inBlock : {true, false}) {
    {
      TableLockGuard t(table);
      t->iSampleMode = SAMPLE_ROWS;
      SamplingBlock& block = t->blocks[0];
      block.bInUse = 1;
      block.iStartRow = 2;
      block.iStartCol = 1;
      block.iEndRow = 2000;
      block.iEndCol = 5;
      if (inBlock) {
        SelectBlock(*t.get(), 0, 10, 1, 12, 5);
      } else {
        SelectBlock(*t.get(), 0, 10, 7, 12, 9);
      }
    }
    ASSERT_EQ(RefreshMenus(table, MENU_REFRESH_TABLE), 0);
    const IdSet enabled = Enabled();
    EXPECT_EQ(enabled.count(40168), 0u) << "Save";
    EXPECT_EQ(enabled.count(40208), 0u) << "Save Private File";
    EXPECT_EQ(enabled.count(57604), 1u) << "Save As";
    EXPECT_EQ(enabled.count(40154), 1u) << "Copy";
    for (unsigned id : {40156u, 40153u, 40155u, 40157u}) EXPECT_EQ(enabled.count(id), 0u) << id << " in block " << inBlock;
  }
}

// A table that shows only its image offers nothing from the bar; an active
// chart or 3D plot offers Print and Copy.
TEST_F(MenuRulesTest, ImageViewChartsAndPlots) {
  const WindowHandle table = NewActiveTable();
  if (TableLockGuard t(table); t) t->bImageView = 1;
  SendCommand(frame_, MENU_REFRESH_IMAGE);  // passed on to the active table
  EXPECT_EQ(Enabled(), kNoDocument);
  for (int code : {MENU_REFRESH_CHART, MENU_REFRESH_PLOT3D}) {
    ASSERT_EQ(RefreshMenus(frame_, code), 0);
    EXPECT_EQ(Enabled(), Plus(kNoDocument, {40048, 40154})) << code;
  }
  if (TableLockGuard t(table); t) t->bImageView = 0;
  SendMessageTo(table, MSG_SETFOCUS);
  EXPECT_EQ(Enabled(), kPlainTable) << "the table's next refresh brings its items back";
}

// While the cell editor works the Edit, View and selection Tools items
// are grayed; the next refresh of the table enables them again. An editor
// command that finds no editor changes nothing.
TEST_F(MenuRulesTest, EditorCommandsGrayTheSelectionCommands) {
  const WindowHandle table = NewActiveTable();
  const IdSet editing = Plus(kNoDocument, {40168, 57604, 40208, 40048, 40152, 40150, 40246});
  EditorCommand(table, EDITOR_COMMIT_CLOSE);
  EXPECT_EQ(Enabled(), kPlainTable);
  EditorCommand(table, EDITOR_OPEN);
  ASSERT_EQ(TableIsEditing(table), 1);
  EXPECT_EQ(Enabled(), editing);
  EditorCommand(table, EDITOR_COMMIT_CLOSE);
  EXPECT_EQ(Enabled(), editing);
  SendMessageTo(table, MSG_LBUTTONUP);
  const IdSet after = Enabled();
  EXPECT_EQ(after.count(40164), 1u) << "Find data back after the release";
  EXPECT_EQ(after.count(40154), 0u) << "the commit cleared the selection: no Copy";
}

// Closing tables: the frame refreshes when a table is gone; without tables
// the no-document states come back (the library items stay as they were).
TEST_F(MenuRulesTest, ClosingTablesRefreshesTheFrame) {
  const WindowHandle first = NewActiveTable();
  const WindowHandle second = NewActiveTable();
  SendMessageTo(second, MSG_CLOSE);
  PumpPostedMessages();
  EXPECT_EQ(Enabled(), Plus(kNoDocument, {40168, 57604, 40208, 40048, 40152, 40150, 40246}));
  SendMessageTo(first, MSG_CLOSE);
  PumpPostedMessages();
  EXPECT_EQ(Enabled(), Plus(kNoDocument, {40150, 40246}));
  // While all documents close, the editor rules leave the states alone.
  Program().bClosingAll = 1;
  SetMenuItemGrayed(frame_, 40168, false);
  EXPECT_EQ(RefreshMenusForEditor(frame_), 0);
  EXPECT_TRUE(IsEnabled(40168));
}

}  // namespace
