#include "table/table_events.h"

TableEventHooks& TableEvents() {
  static TableEventHooks hooks;
  return hooks;
}

void TableAnnounceCellStored(WindowHandle hwnd, int row, int col) {
  if (TableEvents().pfnCellStored) TableEvents().pfnCellStored(hwnd, row, col);
}
