// The drop-down list control ("combobox"): a child window holding a list of
// entries and the entry shown. Choosing an entry, as the user does, tells
// the parent with MSG_COMMAND(MakeCommandParam(control id, LIST_SELECT),
// control); entries the program shows with ListSetCurrent do not.
//
// Without a display the control works on its own; a view (see
// SetListViewSync) shows its entries and reports the user's choice with
// ListChoose.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/edit_control.h"
#include "platform/window.h"

// The class name list controls are registered under.
inline constexpr const char* LIST_CLASS = "combobox";

// The notification code of a choice.
inline constexpr unsigned LIST_SELECT = 1;

std::intptr_t ListControlProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Remove every entry (no entry is shown afterwards).
void ListClear(WindowHandle hwnd);
// Add an entry at the end; its index, -1 for a window that is no list.
int ListAdd(WindowHandle hwnd, std::string_view text);
int ListCount(WindowHandle hwnd);
// The text of entry `index`; empty outside the list.
std::string ListEntry(WindowHandle hwnd, int index);

// Show entry `index` (-1: none) without telling the parent. An index
// outside the list shows none.
void ListSetCurrent(WindowHandle hwnd, int index);
// The entry shown, -1 for none.
int ListCurrent(WindowHandle hwnd);
// The user chose entry `index`: it is shown and the parent is told.
void ListChoose(WindowHandle hwnd, int index);

void ListSetFont(WindowHandle hwnd, const EditFont& font);
EditFont ListFontOf(WindowHandle hwnd);

// The view's side: called after each change the program makes.
using ListViewSync = void (*)(WindowHandle hwnd);
void SetListViewSync(ListViewSync sync);
