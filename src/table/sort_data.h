// "Sort data": the selected block copied into a report table with its rows
// reordered by the numbers of the right-clicked column, or its columns by
// the numbers of the right-clicked row. The source table never changes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogs.h"
#include "platform/window.h"
#include "table/table_record.h"

// The key line and the block of one sort.
struct SortPlan {
  int iKind = SELECT_BLOCK;  // the selection range's kind
  int iRowFrom = 0;          // the block copied (whole columns: rows trimmed
  int iRowTo = -1;           // to the key column's last cell; whole rows:
  int iColFrom = 0;          // columns to the key row's last cell)
  int iColTo = -1;
  int iKeyRow = 0;           // the right-clicked cell: key row and key column
  int iKeyCol = 0;
  bool bAsk = false;         // the "Sort" dialog decides what is left open
};

// The choices of the "Sort" dialog.
class SortDialogModel final : public DialogModel {
 public:
  int iKeyRow = 0;                 // the right-clicked cell
  int iKeyCol = 0;
  int iKind = SELECT_BLOCK;        // whole columns fix Column, whole rows fix Row
  int iSortBy = SORT_BY_COLUMN;
  int iSortOrder = SORT_ASCENDING;
};

inline constexpr const char* SORT_DIALOG_NAME = "Sort";

// The dialog's texts: "Right-clicked on cell (R.., C..)", "Row ..",
// "Column .." in the current language.
std::string SortClickedText(int row, int col);
std::string SortRowText(int row);
std::string SortColumnText(int col);

// Start a sort: iSortCount 0, ascending, and the plan from the current
// selection range and the right-clicked cell (iSortBy set where the block's
// shape decides it). -1 without a selection range.
int PlanSort(TableRecord& t, SortPlan* plan);

// Put the keys of the plan's key line into dSortBuffer, sortRow, sortCol in
// line order (by iSortBy for a block). -1 when a key cell is empty or holds
// no number (its key is 0 then).
int CollectSortKeys(TableDocument& t, const SortPlan& plan);

// Write the block into `report` in the order of the sorted keys, from R1C1:
// by column, key k fills report row k + 1 with its source row; by row, key k
// fills report column k + 1 with its source column. Texts are resolved into
// the report's own pool; formulas and looks are not copied. Marks the
// report modified.
void WriteSortReport(const TableDocument& source, const SortPlan& plan, TableDocument& report);

// The whole sort of a plan without windows: keys, sort, report. -1 (and
// no report written) when the key line holds a non-number.
int SortIntoReport(TableDocument& source, const SortPlan& plan, TableDocument& report);

// Fill the report table `report` from the source window's selection (the
// "Sort" dialog where a choice is left). 0 after a sort; -1 when cancelled
// or refused: the report table is closed then and the source becomes
// active again.
int SortData(WindowHandle source, WindowHandle report);

// The "Sort data" command: a new report table, then SortData.
int CmdSortData(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
