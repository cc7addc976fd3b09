#include "platform/window.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <unordered_map>

#include "platform/backend.h"
#include "platform/menu.h"
#include "platform/scrollbar.h"
#include "platform/timers.h"

namespace {

struct Window {
  WindowHandle h = WindowHandle::None;
  const WindowClassInfo* pClass = nullptr;
  std::string szTitle;
  WindowHandle hParent = WindowHandle::None;
  int iControlId = 0;
  unsigned iStyle = 0;
  WindowRect rect;
  bool bVisible = false;
  bool bDestroying = false;
  // MSG_CREATE has returned; a size change before that is held back
  // (bSizePending) and sent after it, when the window has its data.
  bool bCreated = false;
  bool bSizePending = false;
  void* pUserData = nullptr;
  void* pPeer = nullptr;
  std::vector<WindowHandle> children;
  std::vector<WindowHandle> mdiOrder;  // MDI client only: most recent first
  std::unique_ptr<MenuBarSpec> menu;
};

struct PostedMessage {
  WindowHandle hwnd;
  unsigned msg;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

struct WindowSystem {
  std::vector<std::unique_ptr<WindowClassInfo>> classes;
  std::unordered_map<std::uint32_t, std::unique_ptr<Window>> windows;
  std::uint32_t iNextId = 1;
  std::deque<PostedMessage> posted;
  bool bQuit = false;
  int iQuitCode = 0;
};

WindowSystem& System() {
  static WindowSystem system;
  return system;
}

Window* Find(WindowHandle h) {
  auto& windows = System().windows;
  auto it = windows.find(static_cast<std::uint32_t>(h));
  return it == windows.end() ? nullptr : it->second.get();
}

Window* MdiClientOf(Window* w) {
  if (!w || !(w->iStyle & STYLE_MDICHILD)) return nullptr;
  Window* parent = Find(w->hParent);
  return parent && (parent->iStyle & STYLE_MDICLIENT) ? parent : nullptr;
}

void EraseFrom(std::vector<WindowHandle>& list, WindowHandle h) {
  list.erase(std::remove(list.begin(), list.end(), h), list.end());
}

}  // namespace

int RegisterWindowClass(const WindowClassInfo& info) {
  if (info.szName.empty() || !info.pfnProc || FindWindowClass(info.szName)) {
    return -1;
  }
  System().classes.push_back(std::make_unique<WindowClassInfo>(info));
  return 0;
}

const WindowClassInfo* FindWindowClass(std::string_view name) {
  for (const auto& cls : System().classes) {
    if (cls->szName == name) return cls.get();
  }
  return nullptr;
}

WindowHandle CreateWindowOf(const WindowCreateInfo& info) {
  const WindowClassInfo* cls = FindWindowClass(info.szClass);
  if (!cls) return WindowHandle::None;
  Window* parent = IsNone(info.hParent) ? nullptr : Find(info.hParent);
  if (!IsNone(info.hParent) && !parent) return WindowHandle::None;

  WindowSystem& sys = System();
  auto owned = std::make_unique<Window>();
  Window* w = owned.get();
  w->h = static_cast<WindowHandle>(sys.iNextId++);
  w->pClass = cls;
  w->szTitle = std::string(info.szTitle);
  w->hParent = info.hParent;
  w->iControlId = info.iControlId;
  w->iStyle = info.iStyle;
  w->rect = {info.x, info.y, info.cx, info.cy};
  w->bVisible = (info.iStyle & STYLE_VISIBLE) != 0;
  sys.windows.emplace(static_cast<std::uint32_t>(w->h), std::move(owned));
  if (parent) parent->children.push_back(w->h);

  const WindowHandle h = w->h;
  Backend().WindowCreated(h);
  if (cls->pfnProc(h, MSG_CREATE, 0, reinterpret_cast<std::intptr_t>(&info)) == -1) {
    DestroyWindowOf(h);
    return WindowHandle::None;
  }
  if (!IsWindowAlive(h)) return WindowHandle::None;
  if (Window* created = Find(h)) {
    created->bCreated = true;
    // The toolkit may have laid the window out while it was being shown,
    // before its procedure had set up its data: the size goes now.
    if (created->bSizePending) {
      created->bSizePending = false;
      const WindowRect r = created->rect;
      SendMessageTo(h, MSG_SIZE, static_cast<std::uintptr_t>(r.cx < 0 ? 0 : r.cx), r.cy < 0 ? 0 : r.cy);
    }
  }
  if (!IsWindowAlive(h)) return WindowHandle::None;
  if (Window* again = Find(h); again && (again->iStyle & STYLE_MDICHILD)) {
    MdiActivate(h);
  }
  return h;
}

WindowHandle CreateChildWindow(std::string_view cls, WindowHandle parent, int id, unsigned style) {
  WindowCreateInfo info;
  info.szClass = cls;
  info.hParent = parent;
  info.iControlId = id;
  info.iStyle = STYLE_CHILD | STYLE_VISIBLE | style;
  return CreateWindowOf(info);
}

void DestroyWindowOf(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  if (!w || w->bDestroying) return;
  w->bDestroying = true;

  // The MDI client activates the next document before this one goes.
  if (Window* client = MdiClientOf(w)) {
    const bool wasActive = !client->mdiOrder.empty() && client->mdiOrder.front() == hwnd;
    EraseFrom(client->mdiOrder, hwnd);
    if (wasActive) {
      w->pClass->pfnProc(hwnd, MSG_MDIACTIVATE, 0, 0);
      // The next document is at the front already, so MdiActivate would
      // take it for the active one and tell it nothing: activate it here.
      if (!client->mdiOrder.empty()) {
        const WindowHandle next = client->mdiOrder.front();
        Backend().MdiActivated(next);
        SendMessageTo(next, MSG_MDIACTIVATE, 1, 0);
      }
    }
  }

  StopWindowTimers(hwnd);
  ForgetScrollBars(hwnd);
  w->pClass->pfnProc(hwnd, MSG_DESTROY, 0, 0);
  // Children go after their parent's destroy message, youngest first.
  for (;;) {
    w = Find(hwnd);
    if (!w || w->children.empty()) break;
    const WindowHandle child = w->children.back();
    DestroyWindowOf(child);
    if (Window* still = Find(hwnd)) EraseFrom(still->children, child);
  }
  Backend().WindowDestroyed(hwnd);
  w = Find(hwnd);
  if (!w) return;
  if (Window* parent = Find(w->hParent)) EraseFrom(parent->children, hwnd);
  System().windows.erase(static_cast<std::uint32_t>(hwnd));
}

bool IsWindowAlive(WindowHandle hwnd) { return Find(hwnd) != nullptr; }

std::intptr_t SendMessageTo(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  Window* w = Find(hwnd);
  if (!w) return 0;
  return w->pClass->pfnProc(hwnd, msg, wParam, lParam);
}

void PostMessageTo(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  System().posted.push_back({hwnd, msg, wParam, lParam});
  Backend().WakeUp();
}

std::intptr_t SendCommand(WindowHandle hwnd, unsigned id, std::intptr_t lParam) {
  return SendMessageTo(hwnd, MSG_COMMAND, MakeCommandParam(id), lParam);
}

void PostCommand(WindowHandle hwnd, unsigned id, std::intptr_t lParam) {
  PostMessageTo(hwnd, MSG_COMMAND, MakeCommandParam(id), lParam);
}

int PumpPostedMessages() {
  // A bound keeps a window that re-posts to itself from freezing the loop.
  constexpr int kLimit = 100000;
  int delivered = 0;
  auto& queue = System().posted;
  while (!queue.empty() && delivered < kLimit) {
    const PostedMessage m = queue.front();
    queue.pop_front();
    if (m.msg == MSG_QUIT) {
      PostQuit(static_cast<int>(m.wParam));
      continue;
    }
    if (IsWindowAlive(m.hwnd)) {
      SendMessageTo(m.hwnd, m.msg, m.wParam, m.lParam);
      ++delivered;
    }
  }
  if (!queue.empty()) Backend().WakeUp();
  return delivered;
}

void PostQuit(int code) {
  System().bQuit = true;
  System().iQuitCode = code;
  Backend().QuitRequested(code);
}

bool QuitRequested(int* code) {
  if (code) *code = System().iQuitCode;
  return System().bQuit;
}

void ClearQuitRequest() {
  System().bQuit = false;
  System().iQuitCode = 0;
}

std::intptr_t DefaultWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t, std::intptr_t) {
  switch (msg) {
    case MSG_CLOSE:
      DestroyWindowOf(hwnd);
      return 0;
    case MSG_QUERYENDSESSION:
      return 1;
    default:
      return 0;
  }
}

std::string_view WindowClassName(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? std::string_view(w->pClass->szName) : std::string_view();
}

std::string WindowTitle(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? w->szTitle : std::string();
}

void SetWindowTitle(WindowHandle hwnd, std::string_view title) {
  if (Window* w = Find(hwnd)) {
    w->szTitle = std::string(title);
    Backend().WindowTitleChanged(hwnd);
  }
}

WindowHandle WindowParent(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? w->hParent : WindowHandle::None;
}

int WindowControlId(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? w->iControlId : 0;
}

unsigned WindowStyleOf(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? w->iStyle : 0;
}

std::vector<WindowHandle> WindowChildren(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? w->children : std::vector<WindowHandle>{};
}

WindowHandle FindChildById(WindowHandle parent, int id) {
  for (WindowHandle child : WindowChildren(parent)) {
    if (WindowControlId(child) == id) return child;
  }
  return WindowHandle::None;
}

void* WindowUserData(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? w->pUserData : nullptr;
}

void SetWindowUserData(WindowHandle hwnd, void* data) {
  if (Window* w = Find(hwnd)) w->pUserData = data;
}

WindowRect WindowRectOf(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? w->rect : WindowRect{};
}

void MoveWindowTo(WindowHandle hwnd, int x, int y, int cx, int cy) {
  if (!IsWindowAlive(hwnd)) return;
  WindowGeometryChanged(hwnd, x, y, cx, cy);
  if (IsWindowAlive(hwnd)) Backend().WindowMoved(hwnd);
}

void WindowGeometryChanged(WindowHandle hwnd, int x, int y, int cx, int cy) {
  Window* w = Find(hwnd);
  if (!w) return;
  const bool resized = w->rect.cx != cx || w->rect.cy != cy;
  w->rect = {x, y, cx, cy};
  if (resized && !w->bCreated) {
    w->bSizePending = true;
    return;
  }
  if (resized) {
    SendMessageTo(hwnd, MSG_SIZE, static_cast<std::uintptr_t>(cx < 0 ? 0 : cx), cy < 0 ? 0 : cy);
  }
}

void ShowWindowOf(WindowHandle hwnd, bool show) {
  if (Window* w = Find(hwnd)) {
    w->bVisible = show;
    Backend().WindowShown(hwnd, show);
  }
}

bool WindowIsVisible(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w && w->bVisible;
}

void FocusWindow(WindowHandle hwnd) {
  if (IsWindowAlive(hwnd)) Backend().WindowFocused(hwnd);
}

void RaiseWindow(WindowHandle hwnd) {
  if (IsWindowAlive(hwnd)) Backend().WindowRaised(hwnd);
}

void RestoreWindowOf(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  if (!w) return;
  w->iStyle &= ~STYLE_MAXIMIZED;
  Backend().WindowRestored(hwnd);
}

void InvalidateWindow(WindowHandle hwnd) {
  if (IsWindowAlive(hwnd)) Backend().WindowInvalidated(hwnd);
}

void* WindowPeer(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? w->pPeer : nullptr;
}

void SetWindowPeer(WindowHandle hwnd, void* peer) {
  if (Window* w = Find(hwnd)) w->pPeer = peer;
}

WindowHandle MdiActiveChild(WindowHandle hMdiClient) {
  Window* client = Find(hMdiClient);
  if (!client || client->mdiOrder.empty()) return WindowHandle::None;
  return client->mdiOrder.front();
}

void MdiActivate(WindowHandle hChild) {
  Window* w = Find(hChild);
  Window* client = MdiClientOf(w);
  if (!client || w->bDestroying) return;
  const WindowHandle previous = client->mdiOrder.empty() ? WindowHandle::None : client->mdiOrder.front();
  if (previous == hChild) return;
  EraseFrom(client->mdiOrder, hChild);
  client->mdiOrder.insert(client->mdiOrder.begin(), hChild);
  if (!IsNone(previous)) SendMessageTo(previous, MSG_MDIACTIVATE, 0, 0);
  Backend().MdiActivated(hChild);
  SendMessageTo(hChild, MSG_MDIACTIVATE, 1, 0);
}

std::vector<WindowHandle> MdiChildren(WindowHandle hMdiClient) {
  Window* client = Find(hMdiClient);
  return client ? client->mdiOrder : std::vector<WindowHandle>{};
}

int LiveWindowCount() { return static_cast<int>(System().windows.size()); }

// Menus are kept with their window; see menu.h.
void SetWindowMenu(WindowHandle hwnd, MenuBarSpec menu) {
  Window* w = Find(hwnd);
  if (!w) return;
  w->menu = std::make_unique<MenuBarSpec>(std::move(menu));
  Backend().MenuChanged(hwnd, *w->menu);
}

const MenuBarSpec* WindowMenu(WindowHandle hwnd) {
  Window* w = Find(hwnd);
  return w ? w->menu.get() : nullptr;
}

namespace {

MenuItemSpec* FindMenuItem(WindowHandle hwnd, unsigned command) {
  Window* w = Find(hwnd);
  if (!w || !w->menu || command == 0) return nullptr;
  for (auto& popup : w->menu->popups) {
    for (auto& item : popup.items) {
      if (item.iCommand == command) return &item;
    }
  }
  return nullptr;
}

}  // namespace

int SetMenuItemGrayed(WindowHandle hwnd, unsigned command, bool grayed) {
  MenuItemSpec* item = FindMenuItem(hwnd, command);
  if (!item) return -1;
  if (item->bGrayed == grayed) return 0;
  item->bGrayed = grayed;
  Backend().MenuChanged(hwnd, *Find(hwnd)->menu);
  return 0;
}

int SetMenuItemText(WindowHandle hwnd, unsigned command, std::string_view text) {
  MenuItemSpec* item = FindMenuItem(hwnd, command);
  if (!item) return -1;
  if (item->szText == text) return 0;
  item->szText = std::string(text);
  Backend().MenuChanged(hwnd, *Find(hwnd)->menu);
  return 0;
}

int ChooseMenuItem(WindowHandle hwnd, unsigned command) {
  MenuItemSpec* item = FindMenuItem(hwnd, command);
  if (!item || item->bGrayed) return -1;
  SendCommand(hwnd, command);
  return 0;
}
