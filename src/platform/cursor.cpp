#include "platform/cursor.h"

#include "platform/backend.h"

int SetCursorSlot(int slot) {
  if (slot < 0 || slot >= CURSOR_SLOT_COUNT) return -1;
  Backend().SetCursorShape(slot);
  return 0;
}

int CurrentCursorSlot() { return Backend().CurrentCursorShape(); }

namespace {
int iSavedCursor = CURSOR_ARROW;
}  // namespace

void SetWaitCursor(int restore) {
  if (restore == 0) {
    iSavedCursor = CurrentCursorSlot();
    SetCursorSlot(CURSOR_WAIT);
  } else {
    SetCursorSlot(iSavedCursor);
  }
}
