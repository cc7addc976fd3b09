// One level of undo per table window. Before a change the affected part of
// the table is written to a back-up file (the table file's undo flavour);
// "Undo" reads it back and deletes it. Each window has its own file in the
// program's private folder, made exclusively when first needed and removed
// on restore, when the window closes and when the program ends.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window.h"

// Write the back-up of `kind` (UNDO_SELECTION: the current range;
// UNDO_BLOCK: the stored undo rectangle; the whole-table kinds: the used
// area), replacing an earlier one. 0; -1 after "Create file failed" with
// the undo state reset to none.
int UndoSave(WindowHandle hwnd, int kind);

// UndoSave of the block rows rowFrom..rowTo, columns colFrom..colTo.
int UndoSaveBlock(WindowHandle hwnd, int rowFrom, int rowTo, int colFrom, int colTo);

// Put the back-up back and delete it. 0; -1 when there is none, or after
// "Open file failed" (the undo state is reset) or "Read Undo back-up file
// failed" (what was read stays; the back-up and the undo state are kept so
// the user may try again).
int UndoRestore(WindowHandle hwnd);

// Delete the table's back-up file, if any, and reset its undo state.
void UndoDiscard(WindowHandle hwnd);

// The back-up file of a table, empty when it has none (tests).
std::string UndoBackupPath(WindowHandle hwnd);

// "Undo" (57643).
int CmdUndo(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// Let the table's editing commands write back-ups through the table hooks.
void InstallUndoHooks();
