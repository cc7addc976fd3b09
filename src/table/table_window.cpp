#include "table/table_window.h"

#include <map>
#include <string>

#include "platform/cursor.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/notices.h"
#include "platform/scrollbar.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_active.h"
#include "table/table_events.h"
#include "table/table_init.h"
#include "table/table_input.h"
#include "table/table_open_request.h"
#include "table/table_range.h"
#include "table/table_scroll.h"

namespace {

std::map<unsigned, TableCommandHandler>& Commands() {
  static std::map<unsigned, TableCommandHandler> commands;
  return commands;
}

TableCommandHandler pfnUnhandledCommand = nullptr;

// Window creation: allocate and initialise the record for the open request
// the creation carries (none: a new table). A record that cannot be had
// refuses the window after telling the user.
std::intptr_t OnCreate(WindowHandle hwnd, const WindowCreateInfo* info) {
  static const TableOpenRequest kNewTable;
  const auto* request = info && info->lParam ? reinterpret_cast<const TableOpenRequest*>(info->lParam) : &kNewTable;
  TableRecord* record = TableAllocRecord();
  if (!record) {
    ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_TABLE_MEMORY));
    return -1;
  }
  SetWindowUserData(hwnd, record);
  SetWaitCursor(0);
  const int mode = request->iMode;
  const bool readsFile = TableOpenModeReadsFile(mode);
  if (readsFile) StartTimer(hwnd, TIMER_TABLE_LOAD, 60);
  std::string_view fileName;
  if (readsFile) {
    fileName = request->szPath;
  } else if (mode != OPEN_DATABASE) {
    fileName = Text(TXT_NEW_TABLE);
  }
  std::string sourceDir = CurrentDirectory();
  if (readsFile) {
    std::string name;
    SplitPath(request->szPath, &sourceDir, &name);
  }
  TableInitRecord(*record, mode, fileName, sourceDir);
  // A path longer than the record keeps is never opened cut.
  record->bFileNameCut = fileName.size() >= record->szFileName.size() ? 1 : 0;
  TableInputCreated(hwnd);
  SetWaitCursor(1);
  return 0;
}

void OnDestroy(WindowHandle hwnd) {
  auto* record = static_cast<TableRecord*>(WindowUserData(hwnd));
  // A window refused in its creation (no record) was never counted or
  // announced, so it has nothing to take back.
  if (!record) return;
  if (TableActive() == hwnd) TableSetActive(WindowHandle::None);
  SetWindowUserData(hwnd, nullptr);
  // An operation that still holds the record frees it when it lets go.
  TableReleaseRecord(record);
  if (TableEvents().pfnTableDestroyed) TableEvents().pfnTableDestroyed(hwnd);
}

// Tell the windows that show this table's data to let go of it.
void ReleaseLinkedWindows(WindowHandle hwnd) {
  WindowHandle linked[3];
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    linked[0] = t->hTrendWindow;
    linked[1] = t->hPlot3DWindow;
    linked[2] = t->hChartWindow;
  }
  for (WindowHandle h : linked) {
    if (IsWindowAlive(h)) SendCommand(h, CMD_TABLE_RELEASE, static_cast<std::intptr_t>(hwnd));
  }
}

}  // namespace

int CmdTableRelease(WindowHandle hwnd, unsigned, std::intptr_t lParam) {
  const auto closing = static_cast<WindowHandle>(static_cast<std::uint32_t>(lParam));
  TableLockGuard t(hwnd);
  if (!t) return 0;
  if (t->hTrendWindow == closing) {
    t->hTrendWindow = WindowHandle::None;
    t->bLinked = 0;
  }
  if (t->hPlot3DWindow == closing) t->hPlot3DWindow = WindowHandle::None;
  if (t->hChartWindow == closing) t->hChartWindow = WindowHandle::None;
  return 0;
}

namespace {

// Every size change: remember the client area, reset the scroll ranges and
// repaint (the view keeps its off-screen image the client's size).
void OnSize(WindowHandle hwnd, int width, int height) {
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    t->iClientWidth = width;
    t->iClientHeight = height;
  }
  TableSetScrollRanges(hwnd);
  TableRepaint(hwnd);
}

}  // namespace

int TableQueryClose(WindowHandle hwnd) {
  const bool closingAll = TableEvents().pfnClosingAll && TableEvents().pfnClosingAll() != 0;
  if (!closingAll) ReleaseLinkedWindows(hwnd);
  if (TableNeedsSave(hwnd) != 1) return 1;
  if (AskYesNo(Text(TXT_CAPTION_CONFIRM), Text(TXT_SAVE_CHANGES)) != 1) return 1;
  // Save now rather than later: the close is refused unless the save took,
  // so the changes are never dropped behind the user's back.
  SendCommand(hwnd, CMD_SAVE_AS);
  return TableNeedsSave(hwnd) == 1 ? 0 : 1;
}

void TableRepaint(WindowHandle hwnd) { InvalidateWindow(hwnd); }

void TableSetUnhandledCommand(TableCommandHandler handler) { pfnUnhandledCommand = handler; }

void TableRegisterCommand(unsigned id, TableCommandHandler handler) {
  if (handler) {
    Commands()[id] = handler;
  } else {
    Commands().erase(id);
  }
}

int TableReportLostTexts(WindowHandle hwnd) {
  int lost = 0;
  {
    TableLockGuard t(hwnd);
    if (t) lost = LongTextTakeLost(*t.get());
  }
  if (lost == 0) return 0;
  ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_LONG_TEXTS_LOST));
  return 1;
}

namespace {

std::intptr_t DispatchTableMessage(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (std::intptr_t result = 0; TableInputMessage(hwnd, msg, wParam, lParam, &result)) return result;
  switch (msg) {
    case MSG_CREATE:
      return OnCreate(hwnd, reinterpret_cast<const WindowCreateInfo*>(lParam));
    case MSG_DESTROY:
      OnDestroy(hwnd);
      return 0;
    case MSG_CLOSE:
      if (TableQueryClose(hwnd) == 1) DestroyWindowOf(hwnd);
      return 0;
    case MSG_QUERYENDSESSION:
      return TableQueryClose(hwnd);
    case MSG_SIZE:
      OnSize(hwnd, static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case MSG_VSCROLL:
      TableOnScrollBar(hwnd, SCROLLBAR_VERT, wParam);
      return 0;
    case MSG_HSCROLL:
      TableOnScrollBar(hwnd, SCROLLBAR_HORZ, wParam);
      return 0;
    case MSG_MOUSEWHEEL:
      TableOnWheel(hwnd, static_cast<std::int16_t>((wParam >> 16) & 0xFFFF));
      return 0;
    case MSG_MDIACTIVATE:
      if (wParam) TableSetActive(hwnd);
      return 0;
    case MSG_TIMER:
      if (wParam == TIMER_TABLE_LOAD) {
        StopTimer(hwnd, TIMER_TABLE_LOAD);
        if (TableEvents().pfnLoadFile) TableEvents().pfnLoadFile(hwnd);
      }
      return 0;
    case MSG_COMMAND: {
      if (CommandId(wParam) == CMD_PARTNER_SCROLLED || CommandId(wParam) == CMD_LINKED_SCROLLED) {
        ApplyLinkedOrigin(hwnd, CommandId(wParam));
        return 0;
      }
      auto it = Commands().find(CommandId(wParam));
      if (it != Commands().end()) {
        it->second(hwnd, CommandId(wParam), lParam);
      } else if (pfnUnhandledCommand) {
        pfnUnhandledCommand(hwnd, CommandId(wParam), lParam);
      }
      return 0;
    }
    default:
      return DefaultWindowProc(hwnd, msg, wParam, lParam);
  }
}

int iDispatchDepth = 0;  // table messages being handled, nested ones included

}  // namespace

std::intptr_t TableWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  // What the operation reports is shown as message boxes when it is over.
  NoticeScope notices;
  ++iDispatchDepth;
  const std::intptr_t result = DispatchTableMessage(hwnd, msg, wParam, lParam);
  --iDispatchDepth;
  // An operation that lost texts says so once, when it is over (not in
  // the messages a dialog of the operation handles meanwhile).
  if (iDispatchDepth == 0 && msg != MSG_DESTROY) TableReportLostTexts(hwnd);
  return result;
}
