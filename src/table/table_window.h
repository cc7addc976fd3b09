// The table window (class AccessTables) without its view: record creation
// and destruction, closing, the file-load timer and command dispatch. The
// view layer paints and takes input and passes every other message here.
#pragma once

#include <cstdint>

#include "platform/window.h"

// Timers of a table window.
inline constexpr unsigned TIMER_TABLE_LOAD = 40005;
inline constexpr unsigned TIMER_TABLE_ACTIVE = 1598;

std::intptr_t TableWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// A command a table window carries out; returns 0 when handled.
using TableCommandHandler = int (*)(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// Register the handler of a table command (one per id; a later call for the
// same id replaces the handler, and a null handler removes it).
void TableRegisterCommand(unsigned id, TableCommandHandler handler);

// A linked window (colour map, chart, 3D plot, or the table a colour map
// shows) is closing: lParam is its handle; the table lets go of it.
int CmdTableRelease(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// The handler of every command no registered handler takes (null: such
// commands are dropped).
void TableSetUnhandledCommand(TableCommandHandler handler);

// Repaint the whole table: the one entry point for drawing after a change
// (the view paints from the record when the window system asks).
void TableRepaint(WindowHandle hwnd);

// Tell the user once when texts got no long-text slot since the last call
// (no memory): 1 when it did, 0 when every text was kept.
int TableReportLostTexts(WindowHandle hwnd);

// The close question: 1 when the table may close, 0 when it refuses.
int TableQueryClose(WindowHandle hwnd);
