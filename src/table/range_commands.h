// The range commands of a table window: copy, cut and paste through the
// system clipboard, insert, delete, hide, position locks and transposing
// into a report table.
#pragma once

#include <cstdint>

#include "platform/window.h"

// Put the current range on the clipboard. With `ask` and a formula target
// in the range the user chooses whether formula lines go along; `formulas`
// sends them without asking. 0, or -1 (several ranges, none).
int CopyRange(WindowHandle hwnd, bool ask, bool formulas = false);

// Copy the range with its formulas, then empty it (with an undo back-up);
// nothing is emptied when the copy failed. 0, or -1.
int CutRange(WindowHandle hwnd);

// Paste the clipboard's text at the selection: whole columns from row 1,
// whole rows from column 1, a block at its first cell. What reaches beyond
// the table is dropped; the pasted area becomes the selection and can be
// undone. 0, or -1 without text or selection.
int PasteText(WindowHandle hwnd);

// Copy the current range's texts transposed into a new report table. 0,
// or -1 ("Open report table failed" when none could be made).
int TransposeRange(WindowHandle hwnd);

// The command handlers.
int CmdCopy(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdCut(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdPaste(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdInsertLines(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdDeleteLines(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdHideLines(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdPositionLock(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdTranspose(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
