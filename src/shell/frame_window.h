// The frame window (class AccessG): the formula-bar band, the MDI client,
// the welcome window, the start-up timer and the routing of commands.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "table/table_open_request.h"

inline constexpr int FORMULA_BAR_HEIGHT = 97;
inline constexpr unsigned TIMER_STARTUP = 90009;
inline constexpr unsigned STARTUP_DELAY_MS = 30000;

std::intptr_t FrameWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Create the frame window (shown maximised); None on failure.
WindowHandle CreateFrameWindow();

// Every command that opens or creates a document calls this first: the
// start-up timer stops and the welcome window goes.
void FrameCancelStartup();

// Ask every document to close, destroying those that agree; a document
// that refuses is asked again. `closingAll` marks the whole application as
// closing (documents then skip telling their linked windows).
void FrameCloseAllDocuments(bool closingAll);

// Create a table window for an open request (a new table, or a file to read
// in one of the open modes); None on failure.
WindowHandle CreateTableWindow(const TableOpenRequest& request = TableOpenRequest{});

// Set the table events the shell follows: a closed table, the closing of
// every window, the editor's target cell.
void InstallTableEvents();

// Open an empty report table for the results of `source` and record it as
// the source's report table; None (after telling the user) on failure.
WindowHandle OpenReportTable(WindowHandle source);
