#include "platform/edit_control.h"

#include <algorithm>

#include "platform/keys.h"
#include "platform/text_buffer.h"

namespace {

struct EditState {
  std::string szText;
  int iLimit = EDIT_DEFAULT_LIMIT;
  int iSelStart = 0;
  int iSelEnd = 0;
  bool bReadOnly = false;
  bool bFocus = false;
  EditFont font;
  std::string szPrompt;
};

EditViewSync pfnViewSync = nullptr;

EditState* StateOf(WindowHandle hwnd) {
  if (WindowClassName(hwnd) != EDIT_CLASS) return nullptr;
  return static_cast<EditState*>(WindowUserData(hwnd));
}

void SyncView(WindowHandle hwnd) {
  if (pfnViewSync) pfnViewSync(hwnd);
}

void NotifyParent(WindowHandle hwnd) {
  const WindowHandle parent = WindowParent(hwnd);
  if (!IsWindowAlive(parent)) return;
  SendMessageTo(parent, MSG_COMMAND, MakeCommandParam(static_cast<unsigned>(WindowControlId(hwnd)), EDIT_UPDATE),
                static_cast<std::intptr_t>(hwnd));
}

int Length(const EditState& s) { return static_cast<int>(s.szText.size()); }

// An offset moved back onto the start of the UTF-8 character it falls in.
int CharStart(const std::string& text, int offset) {
  offset = std::clamp(offset, 0, static_cast<int>(text.size()));
  while (offset > 0 && offset < static_cast<int>(text.size()) &&
         (static_cast<unsigned char>(text[static_cast<std::size_t>(offset)]) & 0xC0) == 0x80) {
    --offset;
  }
  return offset;
}

void ClampSelection(EditState& s) {
  s.iSelStart = CharStart(s.szText, s.iSelStart);
  s.iSelEnd = CharStart(s.szText, s.iSelEnd);
}

std::string Utf8Of(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x110000) {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

// Backspace: the selection, or the character before the caret.
void DeleteBack(WindowHandle hwnd) {
  EditState* s = StateOf(hwnd);
  if (!s || s->bReadOnly) return;
  int from = std::min(s->iSelStart, s->iSelEnd);
  const int to = std::max(s->iSelStart, s->iSelEnd);
  if (from == to) {
    if (from == 0) return;
    from = from - 1;
    while (from > 0 && (static_cast<unsigned char>(s->szText[static_cast<std::size_t>(from)]) & 0xC0) == 0x80) --from;
  }
  s->szText.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  s->iSelStart = s->iSelEnd = from;
  SyncView(hwnd);
  NotifyParent(hwnd);
}

void TypeChar(WindowHandle hwnd, char32_t c) {
  switch (c) {
    case 8:
      DeleteBack(hwnd);
      return;
    case 9:
      EditReplaceSelection(hwnd, "\t");
      return;
    case 13:
      EditReplaceSelection(hwnd, "\r\n");
      return;
    default:
      if (c >= 0x20 && c != 0x7F) EditReplaceSelection(hwnd, Utf8Of(c));
      return;
  }
}

}  // namespace

std::intptr_t EditControlProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (msg) {
    case MSG_CREATE:
      SetWindowUserData(hwnd, new EditState);
      return 0;
    case MSG_DESTROY:
      delete StateOf(hwnd);
      SetWindowUserData(hwnd, nullptr);
      return 0;
    case MSG_CHAR:
      TypeChar(hwnd, static_cast<char32_t>(wParam));
      return 0;
    case MSG_KEYDOWN:
      // Escape is not the control's: the parent may take it to cancel.
      if (wParam == KEY_ESCAPE && IsWindowAlive(WindowParent(hwnd))) {
        SendMessageTo(WindowParent(hwnd), MSG_KEYDOWN, wParam, lParam);
      }
      return 0;
    case MSG_SETFOCUS:
    case MSG_KILLFOCUS:
      if (EditState* s = StateOf(hwnd)) s->bFocus = msg == MSG_SETFOCUS;
      return 0;
    default:
      return DefaultWindowProc(hwnd, msg, wParam, lParam);
  }
}

int EditSetText(WindowHandle hwnd, std::string_view text) {
  EditState* s = StateOf(hwnd);
  if (!s) return -1;
  s->szText.assign(text.substr(0, TextCutLength(text, static_cast<std::size_t>(s->iLimit))));
  s->iSelStart = s->iSelEnd = Length(*s);
  SyncView(hwnd);
  NotifyParent(hwnd);
  return 0;
}

std::string EditText(WindowHandle hwnd) {
  EditState* s = StateOf(hwnd);
  return s ? s->szText : std::string();
}

std::size_t EditCopyText(WindowHandle hwnd, char* buffer, std::size_t cap) {
  EditState* s = StateOf(hwnd);
  return TextCopyTo(buffer, cap, s ? std::string_view(s->szText) : std::string_view());
}

void EditSetLimit(WindowHandle hwnd, int limit) {
  if (EditState* s = StateOf(hwnd)) s->iLimit = std::max(limit, 1);
}

int EditLimit(WindowHandle hwnd) {
  EditState* s = StateOf(hwnd);
  return s ? s->iLimit : 0;
}

void EditSetSelection(WindowHandle hwnd, int start, int end) {
  EditState* s = StateOf(hwnd);
  if (!s) return;
  s->iSelStart = start;
  s->iSelEnd = end;
  ClampSelection(*s);
  SyncView(hwnd);
}

void EditSelectAll(WindowHandle hwnd) { EditSetSelection(hwnd, 0, static_cast<int>(EditText(hwnd).size())); }

void EditGetSelection(WindowHandle hwnd, int* start, int* end) {
  EditState* s = StateOf(hwnd);
  *start = s ? std::min(s->iSelStart, s->iSelEnd) : 0;
  *end = s ? std::max(s->iSelStart, s->iSelEnd) : 0;
}

int EditReplaceSelection(WindowHandle hwnd, std::string_view text) {
  EditState* s = StateOf(hwnd);
  if (!s || s->bReadOnly) return 0;
  ClampSelection(*s);
  const int from = std::min(s->iSelStart, s->iSelEnd);
  const int to = std::max(s->iSelStart, s->iSelEnd);
  const int kept = Length(*s) - (to - from);
  const std::size_t room = static_cast<std::size_t>(std::max(s->iLimit - kept, 0));
  const std::string_view insert = text.substr(0, TextCutLength(text, room));
  if (insert.empty() && from == to) return 0;
  s->szText.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), insert);
  s->iSelStart = s->iSelEnd = from + static_cast<int>(insert.size());
  SyncView(hwnd);
  NotifyParent(hwnd);
  return static_cast<int>(insert.size());
}

void EditSetReadOnly(WindowHandle hwnd, bool readOnly) {
  EditState* s = StateOf(hwnd);
  if (!s || s->bReadOnly == readOnly) return;
  s->bReadOnly = readOnly;
  SyncView(hwnd);
}

bool EditIsReadOnly(WindowHandle hwnd) {
  EditState* s = StateOf(hwnd);
  return s && s->bReadOnly;
}

void EditSetPrompt(WindowHandle hwnd, std::string_view prompt) {
  EditState* s = StateOf(hwnd);
  if (!s) return;
  s->szPrompt.assign(prompt);
  SyncView(hwnd);
}

std::string EditPrompt(WindowHandle hwnd) {
  EditState* s = StateOf(hwnd);
  return s ? s->szPrompt : std::string();
}

void EditSetFont(WindowHandle hwnd, const EditFont& font) {
  EditState* s = StateOf(hwnd);
  if (!s) return;
  s->font = font;
  SyncView(hwnd);
}

EditFont EditFontOf(WindowHandle hwnd) {
  EditState* s = StateOf(hwnd);
  return s ? s->font : EditFont{};
}

void EditFocus(WindowHandle hwnd) {
  EditState* s = StateOf(hwnd);
  if (!s) return;
  s->bFocus = true;
  FocusWindow(hwnd);
}

bool EditHasFocus(WindowHandle hwnd) {
  EditState* s = StateOf(hwnd);
  return s && s->bFocus;
}

void SetEditViewSync(EditViewSync sync) { pfnViewSync = sync; }

void EditTextEdited(WindowHandle hwnd, std::string_view text, int selStart, int selEnd) {
  EditState* s = StateOf(hwnd);
  if (!s) return;
  const std::string_view kept = text.substr(0, TextCutLength(text, static_cast<std::size_t>(s->iLimit)));
  const bool cut = kept.size() != text.size();
  s->iSelStart = selStart;
  s->iSelEnd = selEnd;
  if (kept == s->szText) {
    ClampSelection(*s);
    if (cut) SyncView(hwnd);  // the widget still shows what did not fit
    return;
  }
  s->szText.assign(kept);
  ClampSelection(*s);
  if (cut) SyncView(hwnd);
  NotifyParent(hwnd);
}
