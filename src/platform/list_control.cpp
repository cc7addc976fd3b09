#include "platform/list_control.h"

#include <vector>

namespace {

struct ListState {
  std::vector<std::string> entries;
  int iCurrent = -1;
  EditFont font;
};

ListViewSync pfnViewSync = nullptr;

ListState* StateOf(WindowHandle hwnd) {
  if (WindowClassName(hwnd) != LIST_CLASS) return nullptr;
  return static_cast<ListState*>(WindowUserData(hwnd));
}

void SyncView(WindowHandle hwnd) {
  if (pfnViewSync) pfnViewSync(hwnd);
}

bool InList(const ListState& s, int index) { return index >= 0 && index < static_cast<int>(s.entries.size()); }

}  // namespace

std::intptr_t ListControlProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (msg) {
    case MSG_CREATE:
      SetWindowUserData(hwnd, new ListState);
      return 0;
    case MSG_DESTROY:
      delete StateOf(hwnd);
      SetWindowUserData(hwnd, nullptr);
      return 0;
    default:
      return DefaultWindowProc(hwnd, msg, wParam, lParam);
  }
}

void ListClear(WindowHandle hwnd) {
  ListState* s = StateOf(hwnd);
  if (!s) return;
  s->entries.clear();
  s->iCurrent = -1;
  SyncView(hwnd);
}

int ListAdd(WindowHandle hwnd, std::string_view text) {
  ListState* s = StateOf(hwnd);
  if (!s) return -1;
  s->entries.emplace_back(text);
  SyncView(hwnd);
  return static_cast<int>(s->entries.size()) - 1;
}

int ListCount(WindowHandle hwnd) {
  ListState* s = StateOf(hwnd);
  return s ? static_cast<int>(s->entries.size()) : 0;
}

std::string ListEntry(WindowHandle hwnd, int index) {
  ListState* s = StateOf(hwnd);
  return s && InList(*s, index) ? s->entries[static_cast<std::size_t>(index)] : std::string();
}

void ListSetCurrent(WindowHandle hwnd, int index) {
  ListState* s = StateOf(hwnd);
  if (!s) return;
  s->iCurrent = InList(*s, index) ? index : -1;
  SyncView(hwnd);
}

int ListCurrent(WindowHandle hwnd) {
  ListState* s = StateOf(hwnd);
  return s ? s->iCurrent : -1;
}

void ListChoose(WindowHandle hwnd, int index) {
  ListState* s = StateOf(hwnd);
  if (!s || !InList(*s, index)) return;
  s->iCurrent = index;
  SyncView(hwnd);
  const WindowHandle parent = WindowParent(hwnd);
  if (IsWindowAlive(parent)) {
    SendMessageTo(parent, MSG_COMMAND, MakeCommandParam(static_cast<unsigned>(WindowControlId(hwnd)), LIST_SELECT),
                  static_cast<std::intptr_t>(hwnd));
  }
}

void ListSetFont(WindowHandle hwnd, const EditFont& font) {
  ListState* s = StateOf(hwnd);
  if (!s) return;
  s->font = font;
  SyncView(hwnd);
}

EditFont ListFontOf(WindowHandle hwnd) {
  ListState* s = StateOf(hwnd);
  return s ? s->font : EditFont{};
}

void SetListViewSync(ListViewSync sync) { pfnViewSync = sync; }
