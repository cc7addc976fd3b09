#include "table/table_active.h"

namespace {
WindowHandle hActiveTable = WindowHandle::None;
}  // namespace

WindowHandle TableActive() { return hActiveTable; }

void TableSetActive(WindowHandle hwnd) { hActiveTable = hwnd; }
