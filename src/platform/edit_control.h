// The "edit" control: a child window holding one text the user types into.
//
// The control keeps its text, a limit, the selection (caret), a read-only
// flag, a font description and whether it has the focus. Every change of
// its text, by the user or by the program, tells the parent window with
// MSG_COMMAND(MakeCommandParam(control id, EDIT_UPDATE), control), as an
// edit control's update notification does. Offsets and the limit count
// bytes of the UTF-8 text, so a text within the limit always fits a buffer
// of limit + 1 bytes; a cut never splits a character.
//
// Without a display the control works on its own: MSG_CHAR types into it
// (8 deletes back, 9 types a tab, 13 a line break). A view (see
// SetEditViewSync) mirrors the state into a widget and reports the user's
// edits with EditTextEdited.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/window.h"

// The class name edit controls are registered under.
inline constexpr const char* EDIT_CLASS = "edit";

// The notification code of a text change.
inline constexpr unsigned EDIT_UPDATE = 0x0400;

// The limit of a new control.
inline constexpr int EDIT_DEFAULT_LIMIT = 30000;

struct EditFont {
  std::string szFamily;  // empty: the view's default
  int iPixelHeight = 0;  // 0: the view's default
  bool bBold = false;
};

std::intptr_t EditControlProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Replace the whole text (cut to the limit); the caret goes to its end.
// -1 for a window that is not an edit control.
int EditSetText(WindowHandle hwnd, std::string_view text);
// The text; empty for a window that is not an edit control.
std::string EditText(WindowHandle hwnd);
// Copy the text into `buffer` of `cap` bytes, cut and terminated; returns
// the bytes copied.
std::size_t EditCopyText(WindowHandle hwnd, char* buffer, std::size_t cap);

// Limit of what the user may type (bytes, at least 1).
void EditSetLimit(WindowHandle hwnd, int limit);
int EditLimit(WindowHandle hwnd);

// The selection as byte offsets; start == end is a caret.
void EditSetSelection(WindowHandle hwnd, int start, int end);
void EditSelectAll(WindowHandle hwnd);
void EditGetSelection(WindowHandle hwnd, int* start, int* end);

// Replace the selection by `text` as typing does: refused while read-only,
// cut to what the limit leaves room for, the caret after the insertion.
// Returns the bytes inserted.
int EditReplaceSelection(WindowHandle hwnd, std::string_view text);

void EditSetReadOnly(WindowHandle hwnd, bool readOnly);
bool EditIsReadOnly(WindowHandle hwnd);

// The prompt the view shows in grey while the text is empty (it is not
// the control's text).
void EditSetPrompt(WindowHandle hwnd, std::string_view prompt);
std::string EditPrompt(WindowHandle hwnd);

void EditSetFont(WindowHandle hwnd, const EditFont& font);
EditFont EditFontOf(WindowHandle hwnd);

// Give the control the keyboard focus; whether it has it.
void EditFocus(WindowHandle hwnd);
bool EditHasFocus(WindowHandle hwnd);

// The view's side. A view installs one function that the control calls
// after each change the program makes, so the widget can show it.
using EditViewSync = void (*)(WindowHandle hwnd);
void SetEditViewSync(EditViewSync sync);
// The user changed the text in the widget: take it (cut to the limit) with
// its selection and tell the parent. Nothing happens when the text is the
// same.
void EditTextEdited(WindowHandle hwnd, std::string_view text, int selStart, int selEnd);
