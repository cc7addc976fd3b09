#include "shell/frame_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory.h"
#include "platform/menu.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "resources/command_ids.h"
#include "shell/frame_commands.h"
#include "shell/plot_window_control.h"
#include "shell/program_entry.h"
#include "shell/program_state.h"
#include "shell/services.h"
#include "shell/welcome_window.h"
#include "shell/window_classes.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/table_access.h"
#include "table/table_active.h"
#include "table/table_size_dialog.h"
#include "table/table_window.h"

namespace {

const char kSysName[] = "[CVSYS][Cartovel Studio][Tables and plots]";

// A frame started in a temporary folder (with or without a system name
// file); every window is gone again when the test ends.
class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessProgram();
    windowsBefore_ = LiveWindowCount();
  }
  void TearDown() override {
    if (IsWindowAlive(frame_)) DestroyWindowOf(frame_);
    EXPECT_EQ(LiveWindowCount(), windowsBefore_) << "windows were left behind";
    EXPECT_EQ(TableLocksHeld(), 0);
    EndHeadlessProgram();
  }

  void Start(std::string_view sysName = kSysName) {
    if (!sysName.empty()) dir_.WriteFile("CVLib/SysName.TXT", sysName);
    frame_ = CreateFrameWindow();
    ASSERT_FALSE(IsNone(frame_));
  }
  WindowHandle NewTable() {
    SendCommand(frame_, CMD_NEW);
    return MdiActiveChild(Program().hMdiClient);
  }
  static void SetModified(WindowHandle table) {
    TableLockGuard t(table);
    ASSERT_TRUE(t);
    t->bModified = 1;
  }

  DialogScriptGuard dialogs_;
  TempDir dir_;
  ScopedCurrentDir cwd_{dir_.path()};
  WindowHandle frame_{};
  int windowsBefore_ = 0;
};

TEST_F(FrameTest, CreationBuildsTheChildrenAndTitles) {
  Start();
  const ProgramState& program = Program();
  EXPECT_EQ(program.hFrameWnd, frame_);
  EXPECT_EQ(WindowClassName(frame_), CLASS_FRAME);
  EXPECT_EQ(WindowTitle(frame_), "Welcome to Cartovel Studio -> CVSYS");
  EXPECT_EQ(FindChildById(frame_, ID_HINT_EDIT), program.hHintEdit);
  EXPECT_EQ(FindChildById(frame_, ID_FORMULA_BAR), program.hFormulaBar);
  EXPECT_EQ(FindChildById(frame_, ID_MDI_CLIENT), program.hMdiClient);
  EXPECT_EQ(WindowClassName(program.hFormulaBar), CLASS_FORMULA_BAR);
  EXPECT_TRUE(WindowStyleOf(program.hMdiClient) & STYLE_MDICLIENT);

  ASSERT_TRUE(IsWindowAlive(program.hWelcomeWnd));
  EXPECT_EQ(WindowParent(program.hWelcomeWnd), program.hMdiClient);
  EXPECT_EQ(WindowTitle(program.hWelcomeWnd), "Welcome to Cartovel Studio");
  EXPECT_TRUE(TimerIsActive(program.hWelcomeWnd, TIMER_PICTURE_STRIP));

  EXPECT_TRUE(TimerIsActive(frame_, TIMER_STARTUP));
  EXPECT_EQ(TimerInterval(frame_, TIMER_STARTUP), 30000u);
  EXPECT_EQ(program.bStartupPending, 1);
  EXPECT_EQ(program.iPlotWindowMode, PLOT_IN_CURRENT_WINDOW);
  EXPECT_EQ(TextOf(program.szHelpPath), dir_.path() + "/Help.html");
  const MenuBarSpec* menu = WindowMenu(frame_);
  ASSERT_NE(menu, nullptr);
  ASSERT_FALSE(menu->popups.empty());
  EXPECT_EQ(menu->popups[0].szText, "File");
  EXPECT_EQ(menu->popups[0].items[0].szText, "Open ...");
}

TEST_F(FrameTest, MissingSystemNameFileGivesEmptyEnglishTitles) {
  Start("");
  EXPECT_EQ(WindowTitle(frame_), "Welcome to  -> ");
  EXPECT_EQ(WindowTitle(Program().hWelcomeWnd), "Welcome to ");
  EXPECT_FALSE(LanguageIsChinese());
}

TEST_F(FrameTest, ChineseSystemNameFileSwitchesTheLanguage) {
  // Field 0 in GB18030, field 11 chooses Chinese.
  Start("[\xC4\xE3\xBA\xC3][Title][2][3][4][5][6][7][8][9][10][C]");
  EXPECT_TRUE(LanguageIsChinese());
  EXPECT_EQ(WindowTitle(frame_), "欢迎你使用 Title -> 你好");
  EXPECT_EQ(TextOf(Program().szHelpPath), dir_.path() + "/HelpCN.html");
  EXPECT_EQ(WindowMenu(frame_)->popups[0].szText, "文件");
  const WindowHandle table = NewTable();
  EXPECT_EQ(WindowTitle(table), "新数表");
}

TEST_F(FrameTest, SizeSplitsFormulaBarAndDocuments) {
  Start();
  MoveWindowTo(frame_, 0, 0, 1000, 700);
  const WindowRect bar = WindowRectOf(Program().hFormulaBar);
  const WindowRect client = WindowRectOf(Program().hMdiClient);
  EXPECT_EQ(bar.y, 0);
  EXPECT_EQ(bar.cx, 1000);
  EXPECT_EQ(bar.cy, FORMULA_BAR_HEIGHT);
  EXPECT_EQ(client.y, FORMULA_BAR_HEIGHT);
  EXPECT_EQ(client.cx, 1000);
  EXPECT_EQ(client.cy, 700 - FORMULA_BAR_HEIGHT);
}

TEST_F(FrameTest, StartupTimerOpensTheFileDialogOnce) {
  Start();
  DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
  EXPECT_EQ(FireTimer(frame_, TIMER_STARTUP), 0);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].kind, DIALOG_OPEN_FILE);
  EXPECT_FALSE(TimerIsActive(frame_, TIMER_STARTUP));
  EXPECT_EQ(Program().bStartupPending, 0);
  EXPECT_EQ(FireTimer(frame_, TIMER_STARTUP), -1);
  EXPECT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(Program().nOpenTables, 0) << "cancelled: no table";
}

TEST_F(FrameTest, NewCancelsStartupAndOpensAnActiveTable) {
  Start();
  const WindowHandle welcome = Program().hWelcomeWnd;
  SendCommand(frame_, CMD_NEW);
  EXPECT_FALSE(TimerIsActive(frame_, TIMER_STARTUP));
  EXPECT_EQ(Program().bStartupPending, 0);
  EXPECT_FALSE(IsWindowAlive(welcome));
  EXPECT_TRUE(IsNone(Program().hWelcomeWnd));
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  ASSERT_FALSE(IsNone(table));
  EXPECT_EQ(WindowClassName(table), CLASS_TABLE);
  EXPECT_EQ(WindowTitle(table), "New Table");
  EXPECT_EQ(TableActive(), table);
  EXPECT_EQ(Program().nOpenTables, 1);
  TableLockGuard t(table);
  EXPECT_EQ(t->iRows, 2001);
  EXPECT_EQ(t->iCols, 371);
  EXPECT_EQ(t->iOpenMode, OPEN_NEW);
  EXPECT_TRUE(DialogScriptShown().empty());
}

TEST_F(FrameTest, UnknownCommandWithoutADocumentDoesNothing) {
  Start();
  const int windows = LiveWindowCount();
  SendCommand(frame_, 12345);  // only the welcome window is there
  FrameCancelStartup();
  SendCommand(frame_, 12345);  // nothing at all
  EXPECT_EQ(LiveWindowCount(), windows - 2) << "only the welcome window and its strip went";
  EXPECT_TRUE(DialogScriptShown().empty());
  EXPECT_EQ(Program().nOpenTables, 0);
}

TEST_F(FrameTest, OtherCommandsGoToTheActiveDocument) {
  Start();
  static WindowHandle received;
  received = WindowHandle::None;
  TableRegisterCommand(41234, [](WindowHandle hwnd, unsigned, std::intptr_t) {
    received = hwnd;
    return 0;
  });
  NewTable();
  const WindowHandle second = NewTable();
  SendCommand(frame_, 41234);
  EXPECT_EQ(received, second);
  TableRegisterCommand(41234, nullptr);
}

TEST_F(FrameTest, ClosingTheActiveTableActivatesTheOtherOne) {
  Start();
  const WindowHandle first = NewTable();
  const WindowHandle second = NewTable();
  ASSERT_EQ(TableActive(), second);
  SendMessageTo(second, MSG_CLOSE);
  EXPECT_FALSE(IsWindowAlive(second));
  EXPECT_EQ(MdiActiveChild(Program().hMdiClient), first);
  EXPECT_EQ(TableActive(), first);
  EXPECT_EQ(Program().nOpenTables, 1);
}

TEST_F(FrameTest, ClosingAModifiedTableAsksAndNoCloses) {
  Start();
  const WindowHandle table = NewTable();
  SetModified(table);
  DialogScriptPush(AnswerNo("Message"));
  SendMessageTo(table, MSG_CLOSE);
  EXPECT_FALSE(IsWindowAlive(table));
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szText, "Save table changes ?");
  EXPECT_EQ(Program().nOpenTables, 0);
  EXPECT_TRUE(IsNone(TableActive()));
}

TEST_F(FrameTest, ClosingTheFrameAsksEveryModifiedTable) {
  Start();
  const WindowHandle first = NewTable();
  const WindowHandle second = NewTable();
  SetModified(first);
  SetModified(second);
  DialogScriptPush(AnswerNo("Message"));
  DialogScriptPush(AnswerNo("Message"));
  SendMessageTo(frame_, MSG_CLOSE);
  EXPECT_EQ(DialogScriptShown().size(), 2u);
  EXPECT_FALSE(IsWindowAlive(first));
  EXPECT_FALSE(IsWindowAlive(second));
  EXPECT_FALSE(IsWindowAlive(frame_));
  int code = -1;
  EXPECT_TRUE(QuitRequested(&code));
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(IsNone(Program().hFrameWnd));
  EXPECT_EQ(Program().nOpenTables, 0);
  ClearQuitRequest();
}

TEST_F(FrameTest, YesWhileClosingAllAsksTheSameTableAgain) {
  Start();
  const WindowHandle table = NewTable();
  SetModified(table);
  DialogScriptPush(AnswerYes());
  DialogScriptPush(AnswerCancel(DIALOG_SAVE_FILE));  // the save does not take
  DialogScriptPush(AnswerNo());
  FrameCloseAllDocuments(true);
  EXPECT_EQ(DialogScriptShown().size(), 3u);
  EXPECT_FALSE(IsWindowAlive(table));
  EXPECT_EQ(Program().bClosingAll, 1);
}

TEST_F(FrameTest, ExitClosesDocumentsAndQuitsWithoutDestroyingTheFrame) {
  Start();
  const WindowHandle table = NewTable();
  SetModified(table);
  DialogScriptPush(AnswerNo());
  SendCommand(frame_, CMD_EXIT);
  EXPECT_FALSE(IsWindowAlive(table));
  EXPECT_TRUE(QuitRequested(nullptr));
  EXPECT_TRUE(IsWindowAlive(frame_));
  EXPECT_EQ(Program().bClosingAll, 0) << "exit lets closing tables tell their linked windows";
  ClearQuitRequest();
}

TEST_F(FrameTest, OpenFileOffersTableFilesFromTheCurrentDirectory) {
  Start();
  DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
  SendCommand(frame_, CMD_OPEN_FILE);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  const ShownDialog& shown = DialogScriptShown()[0];
  EXPECT_EQ(shown.szStartDir, dir_.path());
  ASSERT_EQ(shown.filters.size(), 4u);
  EXPECT_EQ(shown.filters[0].szPattern, "*.orl;*.txt;*.csv;*.tsv");
  EXPECT_EQ(shown.filters[3].szName, "All File (*.*)");
  EXPECT_FALSE(TimerIsActive(frame_, TIMER_STARTUP)) << "a cancelled dialog keeps start-up cancelled";
  EXPECT_TRUE(IsNone(Program().hWelcomeWnd));
  EXPECT_TRUE(IsNone(MdiActiveChild(Program().hMdiClient)));
}

TEST_F(FrameTest, OpenFileCreatesATableThatLoadsTheChosenFile) {
  Start();
  dir_.WriteFile("data/values.txt", "1\t2\n");
  const std::string folder = dir_.path() + "/data";
  DialogScriptPush(AnswerOpenFile(folder + "/values.txt"));
  SendCommand(frame_, CMD_OPEN_FILE);
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  ASSERT_FALSE(IsNone(table));
  EXPECT_EQ(WindowTitle(table), folder + "/values.txt");
  EXPECT_TRUE(TimerIsActive(table, TIMER_TABLE_LOAD));
  {
    TableLockGuard t(table);
    EXPECT_EQ(t->iOpenMode, OPEN_FILE);
    EXPECT_EQ(TextOf(t->szSourceDir), folder);
  }
  DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
  SendCommand(frame_, CMD_OPEN_FILE);
  EXPECT_EQ(DialogScriptShown().back().szStartDir, folder) << "the next dialog starts in the chosen folder";
}

TEST_F(FrameTest, ShortOfMemoryTheNewTableIsRefusedAndTheCountKept) {
  Start();
  NewTable();
  DialogScriptPush(AnswerOk("Error message"));
  MemoryFailNextAllocations(1);
  SendCommand(frame_, CMD_NEW);
  EXPECT_EQ(Program().nOpenTables, 1);
  EXPECT_EQ(MdiChildren(Program().hMdiClient).size(), 1u);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szText.rfind("Not enough memory", 0), 0u);
}

TEST_F(FrameTest, NewCustomSizeTableAsksForTheSize) {
  Start();
  DialogScriptPush(AnswerDialog("Table size", [](DialogRequest& request) {
    auto* model = static_cast<TableSizeModel*>(request.pModel);
    model->iChoice = TABLE_SIZE_ROWS;
    model->iScrollPos = 1951;
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(frame_, CMD_NEW_CUSTOM);
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  TableLockGuard t(table);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->iRows, 2001);
  EXPECT_EQ(t->iCols, 417);
}

TEST_F(FrameTest, PlotWindowControlKeepsTheChoiceOnOk) {
  Start();
  int preselected = 0;
  DialogScriptPush(AnswerDialog("Plot window control", [&](DialogRequest& request) {
    auto* model = static_cast<PlotWindowControlModel*>(request.pModel);
    preselected = model->iMode;
    model->iMode = PLOT_IN_NEW_WINDOW;
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(frame_, CMD_PLOT_WINDOW_CONTROL);
  EXPECT_EQ(preselected, PLOT_IN_CURRENT_WINDOW);
  EXPECT_EQ(Program().iPlotWindowMode, PLOT_IN_NEW_WINDOW);
  DialogScriptPush(AnswerDialog("Plot window control", [](DialogRequest& request) {
    static_cast<PlotWindowControlModel*>(request.pModel)->iMode = PLOT_IN_CURRENT_WINDOW;
    return static_cast<int>(BUTTON_CANCEL);
  }));
  SendCommand(frame_, CMD_PLOT_WINDOW_CONTROL);
  EXPECT_EQ(Program().iPlotWindowMode, PLOT_IN_NEW_WINDOW) << "cancel keeps the old choice";
}

TEST_F(FrameTest, ThreeDimensionalPlotFollowsThePlacement) {
  Start();
  MoveWindowTo(frame_, 0, 0, 1000, 700);
  SendCommand(frame_, CMD_OPEN_3D_PLOT);
  const WindowHandle inside = MdiActiveChild(Program().hMdiClient);
  EXPECT_EQ(WindowTitle(inside), "Image 3 Dimensional study");
  EXPECT_EQ(WindowClassName(inside), CLASS_PLOT_3D);
  // 10 x 10 at the client's bottom-right corner until its timer places it.
  EXPECT_EQ(WindowRectOf(inside).x, 990);
  EXPECT_EQ(WindowRectOf(inside).y, 700 - FORMULA_BAR_HEIGHT - 10);
  EXPECT_EQ(WindowRectOf(inside).cx, 10);
  EXPECT_EQ(WindowRectOf(inside).cy, 10);
  Program().iPlotWindowMode = PLOT_IN_NEW_WINDOW;
  const int windows = LiveWindowCount();
  SendCommand(frame_, CMD_OPEN_3D_PLOT);
  EXPECT_EQ(LiveWindowCount(), windows + 1);
  EXPECT_EQ(MdiActiveChild(Program().hMdiClient), inside) << "a pop-up is no document";
  EXPECT_EQ(Program().n3DWindows, 2);
  // The pop-up has no parent: find and destroy it here.
  for (std::uint32_t id = static_cast<std::uint32_t>(inside) + 1; id < static_cast<std::uint32_t>(inside) + 50; ++id) {
    const WindowHandle h{id};
    if (WindowClassName(h) == CLASS_PLOT_3D && IsNone(WindowParent(h))) DestroyWindowOf(h);
  }
}

TEST_F(FrameTest, AboutAndFormulaExampleShowTheirBoxes) {
  Start();
  DialogScriptPush(AnswerOk("About"));
  DialogScriptPush(AnswerOk("Example for Entering Math Formula"));
  SendCommand(frame_, CMD_ABOUT);
  SendCommand(frame_, CMD_FORMULA_EXAMPLE);
  ASSERT_EQ(DialogScriptShown().size(), 2u);
  EXPECT_NE(DialogScriptShown()[0].szText.find("Cartovel"), std::string::npos);
  EXPECT_EQ(DialogScriptShown()[1].szText.rfind("1. Double-click to choose an output cell", 0), 0u);
  // No browser headless: the message names the page to open by hand.
  DialogScriptPush(AnswerOk("Help.html"));
  SendCommand(frame_, CMD_HELP);
  ASSERT_EQ(DialogScriptShown().size(), 3u);
  EXPECT_EQ(DialogScriptShown()[2].szCaption, "Message");
}

TEST_F(FrameTest, WelcomeWindowLoadsAndMovesItsPicture) {
  std::string bmp = "BM";
  auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  const int width = 120, height = 30, stride = 360;
  put32(14 + 40 + stride * height);
  put32(0);
  put32(54);
  put32(40);
  put32(width);
  put32(height);
  put32(1 | (24 << 16));  // planes, bits
  for (int i = 0; i < 6; ++i) put32(0);
  bmp += std::string(static_cast<std::size_t>(stride * height), '\x40');
  dir_.WriteFile("CVLib/Root.bmp", bmp);
  Start();
  const WindowHandle welcome = Program().hWelcomeWnd;
  const WelcomeState* state = WelcomeStateOf(welcome);
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(state->picture.iWidth, width);
  EXPECT_EQ(state->picture.iHeight, height);
  MoveWindowTo(welcome, 0, 0, 700, 400);
  EXPECT_EQ(WindowRectOf(state->hStrip).cy, height);
  EXPECT_EQ(WindowRectOf(state->hStrip).cx, 100);
  FireTimer(welcome, TIMER_PICTURE_STRIP);
  FireTimer(welcome, TIMER_PICTURE_STRIP);
  EXPECT_EQ(state->motion.iOffset, -2);
}

TEST_F(FrameTest, ProgramStartRefusesWhenClassesCannotBeRegistered) {
  // The classes are registered for the whole test program already, so a
  // second set-up fails and no frame is made.
  const int windows = LiveWindowCount();
  EXPECT_EQ(ProgramStart(PlainWindowClassProcs()), -1);
  EXPECT_EQ(LiveWindowCount(), windows);
  EXPECT_EQ(FrameRunCommand(WindowHandle::None, 12345), -1);
}

}  // namespace
