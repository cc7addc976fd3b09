#include "table/popup_skip.h"

#include "table/table_access.h"

void SkipNextPopup(WindowHandle hwnd) {
  if (TableLockGuard t(hwnd); t) t->bSkipNextPopup = 1;
}

int TakePopupSkip(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return 1;
  if (!t->bSkipNextPopup) return 0;
  t->bSkipNextPopup = 0;
  return 1;
}
