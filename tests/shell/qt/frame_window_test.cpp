#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "files/table_file_save.h"
#include "platform/dialogs.h"
#include "platform/memory.h"
#include "platform/menu.h"
#include "platform/qt/qt_backend.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "resources/command_ids.h"
#include "shell/command_routes.h"
#include "shell/frame_window.h"
#include "shell/plot_window_control.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "table/table_access.h"
#include "table/table_active.h"
#include "table/table_window.h"

namespace {

class FrameTest : public QtProgramTest {};

class FrameWithoutNameFile : public QtProgramTest {
  std::string SystemNameText() override { return {}; }
};

// The documents of the frame's MDI area, as Qt shows them.
QList<QMdiSubWindow*> SubWindows() {
  auto* area = qobject_cast<QMdiArea*>(WidgetOf(Program().hMdiClient));
  return area ? area->subWindowList() : QList<QMdiSubWindow*>{};
}

WindowHandle NewTableThroughMenu() {
  EXPECT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_NEW), 0);
  return MdiActiveChild(Program().hMdiClient);
}

void MarkModified(WindowHandle table) {
  TableLockGuard t(table);
  ASSERT_TRUE(t);
  t->bModified = 1;
}

TEST_F(FrameTest, TitleAndWelcomeComeFromTheSystemNameFile) {
  EXPECT_EQ(WindowTitle(frame()), "Welcome to Cartovel Data Workbench -> Cartovel");
  ASSERT_FALSE(IsNone(Program().hWelcomeWnd));
  EXPECT_EQ(WindowTitle(Program().hWelcomeWnd), "Welcome to Cartovel Data Workbench");
  EXPECT_FALSE(LanguageIsChinese());
  auto* main = qobject_cast<QMainWindow*>(OuterWidgetOf(frame()));
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->windowTitle().toStdString(), "Welcome to Cartovel Data Workbench -> Cartovel");
  EXPECT_EQ(main->menuBar()->actions().size(), 6);
}

TEST_F(FrameWithoutNameFile, StartsInEnglishWithEmptyFields) {
  EXPECT_EQ(WindowTitle(frame()), "Welcome to  -> ");
  EXPECT_FALSE(LanguageIsChinese());
  EXPECT_FALSE(IsNone(Program().hWelcomeWnd));
}

TEST_F(FrameTest, FormulaBarBandAndMdiClientShareTheClientArea) {
  MoveWindowTo(frame(), 0, 0, 900, 700);
  ProcessEvents();
  const WindowRect client = WindowRectOf(frame());
  const WindowRect bar = WindowRectOf(Program().hFormulaBar);
  const WindowRect mdi = WindowRectOf(Program().hMdiClient);
  EXPECT_EQ(bar.x, 0);
  EXPECT_EQ(bar.y, 0);
  EXPECT_EQ(bar.cx, client.cx);
  EXPECT_EQ(bar.cy, 97);
  EXPECT_EQ(mdi.y, 97);
  EXPECT_EQ(mdi.cx, client.cx);
  EXPECT_EQ(mdi.cy, client.cy - 97);
  EXPECT_EQ(WidgetOf(Program().hMdiClient)->geometry(), QRect(0, 97, client.cx, client.cy - 97));
}

TEST_F(FrameTest, NewOpensAnEmptyNormalTableAndEndsTheWelcome) {
  EXPECT_TRUE(TimerIsActive(frame(), TIMER_STARTUP));
  EXPECT_EQ(TimerInterval(frame(), TIMER_STARTUP), 30000u);
  const WindowHandle table = NewTableThroughMenu();
  ProcessEvents();
  ASSERT_EQ(WindowClassName(table), "AccessTables");
  EXPECT_EQ(WindowTitle(table), "New Table");
  EXPECT_EQ(TableActive(), table);
  EXPECT_EQ(Program().nOpenTables, 1);
  EXPECT_FALSE(TimerIsActive(frame(), TIMER_STARTUP));
  EXPECT_EQ(Program().bStartupPending, 0);
  EXPECT_TRUE(IsNone(Program().hWelcomeWnd));
  {
    TableLockGuard t(table);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->iRows, 2001);
    EXPECT_EQ(t->iCols, 371);
  }
  const auto subs = SubWindows();
  ASSERT_EQ(subs.size(), 1);
  EXPECT_EQ(subs.first()->windowTitle().toStdString(), "New Table");
}

TEST_F(FrameTest, StartupTimerOpensTheFileDialogOnce) {
  DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
  ASSERT_EQ(FireTimer(frame(), TIMER_STARTUP), 0);
  EXPECT_FALSE(TimerIsActive(frame(), TIMER_STARTUP));
  EXPECT_EQ(FireTimer(frame(), TIMER_STARTUP), -1);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].kind, DIALOG_OPEN_FILE);
  EXPECT_EQ(DialogScriptShown()[0].filters.size(), 4u);
  // Cancelling leaves no document but the welcome window is gone too.
  EXPECT_TRUE(IsNone(Program().hWelcomeWnd));
  EXPECT_TRUE(IsNone(MdiActiveChild(Program().hMdiClient)));
}

TEST_F(FrameTest, UnknownCommandWithoutDocumentDoesNothing) {
  SendCommand(frame(), CMD_NEW);
  SendMessageTo(MdiActiveChild(Program().hMdiClient), MSG_CLOSE);
  ProcessEvents();
  ASSERT_TRUE(IsNone(MdiActiveChild(Program().hMdiClient)));
  const int windows = LiveWindowCount();
  SendCommand(frame(), 12345);
  SendCommand(frame(), 57604);
  EXPECT_EQ(LiveWindowCount(), windows);
  EXPECT_TRUE(DialogScriptShown().empty());
}

struct RoutedCommand {
  WindowHandle hwnd;
  unsigned id;
  std::intptr_t lParam;
};
std::vector<RoutedCommand> routed;

int RecordCommand(WindowHandle hwnd, unsigned id, std::intptr_t lParam) {
  routed.push_back({hwnd, id, lParam});
  return 0;
}

TEST_F(FrameTest, OtherCommandsGoUnchangedToTheActiveDocument) {
  routed.clear();
  TableRegisterCommand(4242, RecordCommand);
  const WindowHandle first = NewTableThroughMenu();
  const WindowHandle second = NewTableThroughMenu();
  SendCommand(frame(), 4242, 77);
  MdiActivate(first);
  EXPECT_FALSE(TimerIsActive(second, TIMER_TABLE_ACTIVE)) << "the deactivated table keeps no activation timer";
  PostCommand(frame(), 4242, 78);  // queued: arrives through the event loop
  EXPECT_EQ(routed.size(), 1u);
  ProcessEvents();
  TableRegisterCommand(4242, nullptr);
  ASSERT_EQ(routed.size(), 2u);
  EXPECT_EQ(routed[0].hwnd, second);
  EXPECT_EQ(routed[0].lParam, 77);
  EXPECT_EQ(routed[1].hwnd, first);
  EXPECT_EQ(routed[1].id, 4242u);
  EXPECT_EQ(routed[1].lParam, 78);
  EXPECT_EQ(TableActive(), first);
}

TEST_F(FrameTest, ReportTablesAreRecordedWithTheirSource) {
  const WindowHandle source = NewTableThroughMenu();
  const WindowHandle report = OpenReportTable(source);
  ASSERT_FALSE(IsNone(report));
  EXPECT_EQ(WindowTitle(report), "New Table");
  {
    TableLockGuard t(source);
    EXPECT_EQ(t->hReportTable, report);
  }
  // A report table that cannot be had is reported, and the source keeps
  // its earlier one.
  DialogScriptPush(AnswerOk("Error message"));
  DialogScriptPush(AnswerOk("Open report table failed"));
  MemoryFailNextAllocations(1);
  EXPECT_TRUE(IsNone(OpenReportTable(source)));
  TableLockGuard t(source);
  EXPECT_EQ(t->hReportTable, report);
}

TEST_F(FrameTest, ClosingAModifiedTableAsksAndNoCloses) {
  const WindowHandle table = NewTableThroughMenu();
  MarkModified(table);
  DialogScriptPush(AnswerNo("Save table changes ?"));
  ASSERT_EQ(SubWindows().size(), 1);
  SubWindows().first()->close();  // the window's own close button
  ProcessEvents();
  EXPECT_FALSE(IsWindowAlive(table));
  EXPECT_EQ(Program().nOpenTables, 0);
  EXPECT_TRUE(SubWindows().isEmpty());
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szCaption, "Message");
}

int SaveClearsModified(WindowHandle hwnd, unsigned, std::intptr_t) {
  TableLockGuard t(hwnd);
  t->bModified = 0;
  return 0;
}

TEST_F(FrameTest, AnsweringYesSavesBeforeTheTableCloses) {
  const WindowHandle table = NewTableThroughMenu();
  MarkModified(table);
  // Without a save that takes (the name is not given), Yes keeps the
  // table open.
  DialogScriptPush(AnswerYes("Save table changes ?"));
  DialogScriptPush(AnswerCancel(DIALOG_SAVE_FILE));
  SendMessageTo(table, MSG_CLOSE);
  EXPECT_TRUE(IsWindowAlive(table));
  // With a save that takes, the table closes after it.
  TableRegisterCommand(CMD_SAVE_AS, SaveClearsModified);
  DialogScriptPush(AnswerYes("Save table changes ?"));
  SendMessageTo(table, MSG_CLOSE);
  InstallCommandRoutes();
  EXPECT_FALSE(IsWindowAlive(table));
}

TEST_F(FrameTest, ClosingTheFrameAsksEachModifiedTable) {
  const WindowHandle first = NewTableThroughMenu();
  const WindowHandle second = NewTableThroughMenu();
  MarkModified(first);
  MarkModified(second);
  DialogScriptPush(AnswerNo("Save table changes ?"));
  DialogScriptPush(AnswerNo("Save table changes ?"));
  OuterWidgetOf(frame())->close();  // the frame's own close button
  ProcessEvents();
  EXPECT_FALSE(IsWindowAlive(first));
  EXPECT_FALSE(IsWindowAlive(second));
  EXPECT_TRUE(IsNone(Program().hFrameWnd));
  EXPECT_TRUE(QuitRequested(nullptr));
  EXPECT_EQ(DialogScriptShown().size(), 2u);
}

TEST_F(FrameTest, ExitClosesDocumentsAndQuits) {
  const WindowHandle table = NewTableThroughMenu();
  MarkModified(table);
  DialogScriptPush(AnswerNo("Save table changes ?"));
  ASSERT_EQ(ChooseMenuItem(frame(), CMD_EXIT), 0);
  EXPECT_FALSE(IsWindowAlive(table));
  EXPECT_TRUE(QuitRequested(nullptr));
  EXPECT_EQ(Program().bClosingAll, 0);
}

TEST_F(FrameTest, HelpMenuBoxes) {
  DialogScriptPush(AnswerOk("Example for Entering Math Formula"));
  DialogScriptPush(AnswerOk("About"));
  ASSERT_EQ(ChooseMenuItem(frame(), CMD_FORMULA_EXAMPLE), 0);
  ASSERT_EQ(ChooseMenuItem(frame(), CMD_ABOUT), 0);
  ASSERT_EQ(DialogScriptShown().size(), 2u);
  const std::string& example = DialogScriptShown()[0].szText;
  EXPECT_EQ(example.rfind("1. Double-click to choose an output cell (where you want to enter the formula).\r\n", 0), 0u);
  EXPECT_NE(example.find("4. Click \"=\" button.\r\n\r\nAlternatively"), std::string::npos);
  EXPECT_TRUE(example.ends_with("etc. like\r\n a normal calculator.\r\n"));
  EXPECT_NE(DialogScriptShown()[1].szText.find("Cartovel"), std::string::npos);
}

TEST_F(FrameTest, PlotWindowControlStoresTheChoice) {
  EXPECT_EQ(Program().iPlotWindowMode, 34);
  int preselected = 0;
  DialogScriptPush(AnswerDialog("Plot window control", [&](DialogRequest& request) {
    auto* model = dynamic_cast<PlotWindowControlModel*>(request.pModel);
    preselected = model->iMode;
    model->iMode = 33;
    return static_cast<int>(BUTTON_OK);
  }));
  ASSERT_EQ(ChooseMenuItem(frame(), CMD_PLOT_WINDOW_CONTROL), 0);
  EXPECT_EQ(preselected, 34);
  EXPECT_EQ(Program().iPlotWindowMode, 33);
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Plot window control"));
  ChooseMenuItem(frame(), CMD_PLOT_WINDOW_CONTROL);
  EXPECT_EQ(Program().iPlotWindowMode, 33);
}

}  // namespace
