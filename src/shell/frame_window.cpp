#include "shell/frame_window.h"

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "shell/frame_commands.h"
#include "shell/menu_bar.h"
#include "shell/menu_rules.h"
#include "shell/program_state.h"
#include "shell/services.h"
#include "shell/system_name.h"
#include "shell/welcome_layout.h"
#include "shell/window_classes.h"
#include "sources/odbc_data_source.h"

namespace {

WindowHandle CreateWelcomeWindow() {
  WindowCreateInfo info;
  info.szClass = CLASS_WELCOME;
  const std::string title = JoinText(Text(TXT_WELCOME_TO), SysFieldText(Program(), SYS_FIELD_PRODUCT_TITLE));
  info.szTitle = title;
  info.hParent = Program().hMdiClient;
  info.iStyle = STYLE_MDICHILD | STYLE_VISIBLE | STYLE_CAPTION | STYLE_SYSMENU | STYLE_MAXIMIZED;
  info.x = 80;
  info.y = 80;
  info.cx = WELCOME_WIDTH;
  info.cy = WELCOME_HEIGHT;
  return CreateWindowOf(info);
}

// The names of the library data sources registered for this run.
std::vector<std::string>& LibrarySourceNames() {
  static std::vector<std::string> names;
  return names;
}

std::intptr_t OnCreate(WindowHandle hwnd) {
  ProgramState& program = Program();
  program.hFrameWnd = hwnd;
  MessageBoxSetOwner(hwnd);
  const std::string dir = CurrentDirectory();
  ReadSystemNameFile(dir, program);
  CopyText(program.szHelpPath, JoinText(dir, dir.ends_with('/') ? "" : "/",
                                        LanguageIsChinese() ? "HelpCN.html" : "Help.html"));
  program.n3DWindows = 0;
  program.nOpenTables = 0;

  program.hHintEdit = CreateChildWindow(CLASS_EDIT, hwnd, ID_HINT_EDIT, 0);
  program.hFormulaBar = CreateChildWindow(CLASS_FORMULA_BAR, hwnd, ID_FORMULA_BAR, 0);
  program.hMdiClient = CreateChildWindow(CLASS_MDI_CLIENT, hwnd, ID_MDI_CLIENT, STYLE_MDICLIENT | STYLE_CLIPCHILDREN);
  if (IsNone(program.hMdiClient)) {
    ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_RUN_AGAIN));
    return 0;
  }
  program.hWelcomeWnd = CreateWelcomeWindow();
  BuildMenuBar(hwnd, LanguageIsChinese());
  SetWindowTitle(hwnd, JoinText(Text(TXT_WELCOME_TO), SysFieldText(program, SYS_FIELD_PRODUCT_TITLE), " -> ",
                                SysFieldText(program, SYS_FIELD_SYSTEM_NAME)));
  StartTimer(hwnd, TIMER_STARTUP, STARTUP_DELAY_MS);
  program.bStartupPending = 1;
  program.bClosingAll = 0;
  program.iPlotWindowMode = PLOT_IN_CURRENT_WINDOW;
  // The menu states without documents; some items wait for a table.
  RefreshMenus(hwnd, MENU_REFRESH_FRAME);
  GrayStartupItems(hwnd);
  // The library data sources of the companion product, under the name
  // prefix of field 13 (field index 12).
  bool failed = false;
  LibrarySourceNames() = OdbcRegisterLibrarySources(OdbcLibrarySourceGroup(), std::string(SysFieldText(program, 12)), dir,
                                                     &failed);
  if (failed) {
    ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_ODBC_LIBRARY_FAILED));
    PostCommand(hwnd, CMD_EXIT);
  }
  return 0;
}

void OnSize(int width, int height) {
  const ProgramState& program = Program();
  MoveWindowTo(program.hFormulaBar, 0, 0, width, FORMULA_BAR_HEIGHT);
  MoveWindowTo(program.hMdiClient, 0, FORMULA_BAR_HEIGHT, width, height - FORMULA_BAR_HEIGHT);
}

void OnDestroy() {
  OdbcRemoveLibrarySources(LibrarySourceNames());
  LibrarySourceNames().clear();
  ProgramState& program = Program();
  program.hFrameWnd = WindowHandle::None;
  MessageBoxSetOwner(WindowHandle::None);
  program.hMdiClient = WindowHandle::None;
  program.hFormulaBar = WindowHandle::None;
  program.hHintEdit = WindowHandle::None;
  program.hWelcomeWnd = WindowHandle::None;
  PostQuit(0);
}

}  // namespace

WindowHandle CreateFrameWindow() {
  WindowCreateInfo info;
  info.szClass = CLASS_FRAME;
  info.szTitle = Text(TXT_PROGRAM_TITLE);
  info.iStyle = STYLE_VISIBLE | STYLE_CAPTION | STYLE_SYSMENU | STYLE_MINIMIZEBOX | STYLE_MAXIMIZEBOX |
                STYLE_THICKFRAME | STYLE_MAXIMIZED | STYLE_CLIPCHILDREN;
  info.x = info.y = DEFAULT_POSITION;
  info.cx = 1024;
  info.cy = 768;
  return CreateWindowOf(info);
}

void FrameCancelStartup() {
  ProgramState& program = Program();
  if (program.bStartupPending) {
    StopTimer(program.hFrameWnd, TIMER_STARTUP);
    program.bStartupPending = 0;
  }
  if (!IsNone(program.hWelcomeWnd)) {
    const WindowHandle welcome = program.hWelcomeWnd;
    program.hWelcomeWnd = WindowHandle::None;
    DestroyWindowOf(welcome);
  }
}

void FrameCloseAllDocuments(bool closingAll) {
  ProgramState& program = Program();
  if (closingAll) program.bClosingAll = 1;
  for (;;) {
    const WindowHandle active = MdiActiveChild(program.hMdiClient);
    if (IsNone(active)) break;
    if (SendMessageTo(active, MSG_QUERYENDSESSION) != 0) DestroyWindowOf(active);
  }
}

std::intptr_t FrameWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (msg) {
    case MSG_CREATE:
      return OnCreate(hwnd);
    case MSG_SIZE:
      OnSize(static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case MSG_SETFOCUS:
      FocusWindow(Program().hMdiClient);
      return 0;
    case MSG_KEYDOWN:
      // F1 opens the help page wherever it has no other meaning (a table
      // zooms out with it and keeps the key).
      if (wParam == KEY_F1) SendCommand(hwnd, CMD_HELP);
      return 0;
    case MSG_TIMER:
      if (wParam == TIMER_STARTUP) {
        Program().bStartupPending = 0;
        StopTimer(hwnd, TIMER_STARTUP);
        SendCommand(hwnd, CMD_OPEN_FILE_STARTUP);
      }
      return 0;
    case MSG_COMMAND: {
      // What the command reports is shown as message boxes when it is over.
      NoticeScope notices;
      if (FrameRunCommand(hwnd, CommandId(wParam), lParam) == 0) return 0;
      const WindowHandle active = MdiActiveChild(Program().hMdiClient);
      if (!IsNone(active)) SendMessageTo(active, MSG_COMMAND, wParam, lParam);
      return 0;
    }
    case MSG_CLOSE:
    case MSG_QUERYENDSESSION:
      FrameCloseAllDocuments(true);
      if (msg == MSG_CLOSE) DestroyWindowOf(hwnd);
      return 1;
    case MSG_DESTROY:
      OnDestroy();
      return 0;
    default:
      return DefaultWindowProc(hwnd, msg, wParam, lParam);
  }
}
