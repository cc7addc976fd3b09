#include "table/table_window.h"

#include <gtest/gtest.h>

#include <fstream>

#include <string>
#include <vector>

#include "platform/memory.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_active.h"
#include "table/table_window_ops.h"

namespace {

// A window that records the commands it gets, with their parameter, in
// place of the frame, the formula bar or a linked chart.
struct Received {
  WindowHandle hwnd;
  unsigned id;
  std::intptr_t lParam;
};
std::vector<Received>& Commands() {
  static std::vector<Received> commands;
  return commands;
}
std::intptr_t ListenerProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (msg == MSG_COMMAND) Commands().push_back({hwnd, CommandId(wParam), lParam});
  return DefaultWindowProc(hwnd, msg, wParam, lParam);
}

class TableWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessProgram();
    static const bool registered = RegisterWindowClass({"TestListener", ListenerProc}) == 0;
    ASSERT_TRUE(registered);
    Commands().clear();
    windowsBefore_ = LiveWindowCount();
  }
  void TearDown() override {
    for (WindowHandle h : windows_) DestroyWindowOf(h);
    EXPECT_EQ(TableLocksHeld(), 0);
    EXPECT_EQ(LiveWindowCount(), windowsBefore_);
    EndHeadlessProgram();
  }
  WindowHandle Table(int mode = OPEN_NEW, std::string_view path = "") {
    const WindowHandle h = CreateHeadlessTable(mode, path);
    if (!IsNone(h)) windows_.push_back(h);
    return h;
  }
  WindowHandle Listener() {
    WindowCreateInfo info;
    info.szClass = "TestListener";
    const WindowHandle h = CreateWindowOf(info);
    windows_.push_back(h);
    return h;
  }
  static void SetModified(WindowHandle table) {
    TableLockGuard t(table);
    ASSERT_TRUE(t);
    t->bModified = 1;
  }

  std::vector<WindowHandle> windows_;
  int windowsBefore_ = 0;
};

TEST_F(TableWindowTest, NewTableOwnsAFreshRecord) {
  const WindowHandle table = Table();
  ASSERT_FALSE(IsNone(table));
  EXPECT_EQ(WindowTitle(table), "New Table");
  EXPECT_EQ(Program().nOpenTables, 1);
  EXPECT_FALSE(TimerIsActive(table, TIMER_TABLE_LOAD));
  TableLockGuard t(table);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->iOpenMode, OPEN_NEW);
  EXPECT_EQ(t->iRows, 2001);
  EXPECT_EQ(t->iCols, 371);
  EXPECT_EQ(TextOf(t->szFileName), "New Table");
  EXPECT_EQ(TableLocksHeld(), 1);
}

TEST_F(TableWindowTest, ChineseModeNamesTheNewTableInChinese) {
  LanguageSetChinese(true);
  const WindowHandle table = Table();
  EXPECT_EQ(WindowTitle(table), "新数表");
  TableLockGuard t(table);
  EXPECT_EQ(TextOf(t->szFileName), "新数表");
}

TEST_F(TableWindowTest, FileModeTableLoadsOnItsTimer) {
  TempDir dir;
  ScopedCurrentDir cwd(dir.path());
  const WindowHandle table = Table(OPEN_FILE, dir.path() + "/values.txt");
  ASSERT_FALSE(IsNone(table));
  EXPECT_EQ(WindowTitle(table), dir.path() + "/values.txt");
  EXPECT_TRUE(TimerIsActive(table, TIMER_TABLE_LOAD));
  EXPECT_EQ(TimerInterval(table, TIMER_TABLE_LOAD), 60u);
  {
    TableLockGuard t(table);
    EXPECT_EQ(TextOf(t->szSourceDir), dir.path());
    EXPECT_EQ(TextOf(t->szSourceFile), "values.");
  }
  EXPECT_EQ(FireTimer(table, TIMER_TABLE_LOAD), 0);
  EXPECT_FALSE(TimerIsActive(table, TIMER_TABLE_LOAD)) << "the file loads once";
}

TEST_F(TableWindowTest, DestroyCountsDownAndTellsFrameAndFormulaBar) {
  ProgramState& program = Program();
  program.hFrameWnd = Listener();
  program.hFormulaBar = Listener();
  const WindowHandle table = Table();
  EXPECT_EQ(program.nOpenTables, 1);
  SendMessageTo(table, MSG_MDIACTIVATE, 1);
  EXPECT_EQ(TableActive(), table);
  DestroyWindowOf(table);
  EXPECT_EQ(program.nOpenTables, 0);
  EXPECT_TRUE(IsNone(TableActive()));
  EXPECT_TRUE(Commands().empty()) << "the notices are posted, not sent";
  PumpPostedMessages();
  ASSERT_EQ(Commands().size(), 2u);
  EXPECT_EQ(Commands()[0].hwnd, program.hFormulaBar);
  EXPECT_EQ(Commands()[0].id, CMD_TABLE_CLOSED);
  EXPECT_EQ(Commands()[0].lParam, static_cast<std::intptr_t>(table));
  EXPECT_EQ(Commands()[1].hwnd, program.hFrameWnd);
  EXPECT_EQ(Commands()[1].id, CMD_REFRESH_MENUS);
}

TEST_F(TableWindowTest, RecordShortageRefusesTheWindowAndKeepsTheCount) {
  DialogScriptGuard dialogs;
  ProgramState& program = Program();
  program.hFrameWnd = Listener();
  program.hFormulaBar = Listener();
  ASSERT_FALSE(IsNone(Table()));
  const int windows = LiveWindowCount();
  DialogScriptPush(AnswerOk("Error message"));
  MemoryFailNextAllocations(1);
  EXPECT_TRUE(IsNone(Table()));
  EXPECT_EQ(program.nOpenTables, 1);
  EXPECT_EQ(LiveWindowCount(), windows);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szText,
            "Not enough memory to open a new table window. Close a table and try again.");
  PumpPostedMessages();
  EXPECT_TRUE(Commands().empty()) << "a window that never opened sends no closing notices";
}

TEST_F(TableWindowTest, ClosingAnUnmodifiedTableAsksNothing) {
  DialogScriptGuard dialogs;
  const WindowHandle table = Table();
  SendMessageTo(table, MSG_CLOSE);
  EXPECT_FALSE(IsWindowAlive(table));
  EXPECT_TRUE(DialogScriptShown().empty());
}

TEST_F(TableWindowTest, ClosingAModifiedTableAsksToSave) {
  DialogScriptGuard dialogs;
  const WindowHandle table = Table();
  SetModified(table);
  DialogScriptPush(AnswerNo("Message"));
  SendMessageTo(table, MSG_CLOSE);
  EXPECT_FALSE(IsWindowAlive(table));
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].kind, DIALOG_YES_NO);
  EXPECT_EQ(DialogScriptShown()[0].szText, "Save table changes ?");
}

TEST_F(TableWindowTest, YesRefusesTheCloseUntilTheSaveTakes) {
  DialogScriptGuard dialogs;
  TempDir dir;
  const WindowHandle table = Table();
  SetModified(table);
  // Yes, then the save dialog is cancelled: nothing saved, the table stays.
  DialogScriptPush(AnswerYes());
  DialogScriptPush(AnswerCancel(DIALOG_SAVE_FILE));
  SendMessageTo(table, MSG_CLOSE);
  EXPECT_TRUE(IsWindowAlive(table)) << "the changes must not be dropped";

  // Yes and a name: the table is saved, then it closes.
  DialogScriptPush(AnswerYes());
  DialogScriptPush(AnswerSaveFile(dir.path() + "/kept.orl"));
  SendMessageTo(table, MSG_CLOSE);
  EXPECT_FALSE(IsWindowAlive(table));
  EXPECT_TRUE(std::ifstream(dir.path() + "/kept.orl").good());
}

TEST_F(TableWindowTest, SampledTableClosesWithoutAsking) {
  DialogScriptGuard dialogs;
  const WindowHandle table = Table();
  {
    TableLockGuard t(table);
    t->bModified = 1;
    t->iSampleMode = 1;
  }
  EXPECT_EQ(TableQueryClose(table), 1);
  EXPECT_TRUE(DialogScriptShown().empty());
}

TEST_F(TableWindowTest, ClosingReleasesLinkedWindowsUnlessAllClose) {
  const WindowHandle table = Table();
  const WindowHandle chart = Listener();
  const WindowHandle plot = Listener();
  {
    TableLockGuard t(table);
    t->hChartWindow = chart;
    t->hPlot3DWindow = plot;
    t->hTrendWindow = WindowHandle{999999};  // gone already: skipped
  }
  Program().bClosingAll = 1;
  EXPECT_EQ(TableQueryClose(table), 1);
  EXPECT_TRUE(Commands().empty());
  Program().bClosingAll = 0;
  EXPECT_EQ(TableQueryClose(table), 1);
  ASSERT_EQ(Commands().size(), 2u);
  for (const Received& r : Commands()) {
    EXPECT_EQ(r.id, CMD_TABLE_RELEASE);
    EXPECT_EQ(r.lParam, static_cast<std::intptr_t>(table));
  }
}

TEST_F(TableWindowTest, CommandsGoToTheirRegisteredHandler) {
  static WindowHandle seen;
  static unsigned seenId;
  seen = WindowHandle::None;
  TableRegisterCommand(41000, [](WindowHandle hwnd, unsigned id, std::intptr_t) {
    seen = hwnd;
    seenId = id;
    return 0;
  });
  const WindowHandle table = Table();
  SendCommand(table, 41001);  // nobody handles it
  EXPECT_TRUE(IsNone(seen));
  SendCommand(table, 41000);
  EXPECT_EQ(seen, table);
  EXPECT_EQ(seenId, 41000u);
  TableRegisterCommand(41000, nullptr);
  seen = WindowHandle::None;
  SendCommand(table, 41000);
  EXPECT_TRUE(IsNone(seen)) << "an unregistered command is dropped";
}

TEST_F(TableWindowTest, TextsLostToMemoryAreReportedOncePerOperation) {
  DialogScriptGuard dialogs;
  const WindowHandle table = Table();
  {
    TableLockGuard t(table);
    for (int i = 0; i < LONG_TEXT_SLOTS; ++i) ASSERT_EQ(TableStoreCellText(*t.get(), 1 + i / 300, 1 + i % 300, "t"), 0);
  }
  // An operation that stores three texts while memory runs out.
  TableRegisterCommand(41002, [](WindowHandle hwnd, unsigned, std::intptr_t) {
    MemoryFailNextAllocations(3);
    for (int col = 1; col <= 3; ++col) TableStoreCellText(hwnd, 100, col, "lost");
    MemoryFailNextAllocations(0);
    return 0;
  });
  DialogScriptPush(AnswerOk("Error message"));
  SendCommand(table, 41002);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szText,
            "Memory overflow: there was not enough memory to keep every text. Cells that show \"Memory overflow\" "
            "lost their text.");
  EXPECT_EQ(TableCellDisplayText(table, 100, 3), "Memory overflow");
  // With memory the same operation keeps its texts and says nothing.
  TableRegisterCommand(41002, [](WindowHandle hwnd, unsigned, std::intptr_t) {
    for (int col = 1; col <= 3; ++col) TableStoreCellText(hwnd, 100, col, "kept");
    return 0;
  });
  SendCommand(table, 41002);
  EXPECT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(TableCellDisplayText(table, 100, 3), "kept");
  TableRegisterCommand(41002, nullptr);
}

// An operation that holds a table's record while its window is destroyed
// (a dialog of the operation let the user close it) keeps a valid record;
// the record goes when the operation lets go (the sanitizer build checks
// both the use and the freeing).
TEST_F(TableWindowTest, ALockKeepsTheRecordOfADestroyedWindowUntilItEnds) {
  const WindowHandle table = Table();
  {
    TableLockGuard t(table);
    ASSERT_TRUE(t);
    DestroyWindowOf(table);
    EXPECT_EQ(TableLock(table), nullptr);
    t->iSelCurrent = 0;  // still the operation's record
    EXPECT_EQ(TextOf(t->szFileName), "New Table");
    EXPECT_EQ(TableLocksHeld(), 1);
  }
  EXPECT_EQ(TableLocksHeld(), 0);
}

TEST_F(TableWindowTest, LockIsRefusedForOtherWindows) {
  const WindowHandle other = Listener();
  EXPECT_EQ(TableLock(other), nullptr);
  EXPECT_EQ(TableLock(WindowHandle::None), nullptr);
  TableUnlock(other);  // an unlock without a lock does not go below zero
  EXPECT_EQ(TableLocksHeld(), 0);
}

}  // namespace
