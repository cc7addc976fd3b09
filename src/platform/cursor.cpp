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
    // A wait begun inside another keeps the cursor the outer one replaced:
    // remembering the wait cursor itself would leave it on for good.
    const int current = CurrentCursorSlot();
    if (current != CURSOR_WAIT) iSavedCursor = current;
    SetCursorSlot(CURSOR_WAIT);
  } else {
    SetCursorSlot(iSavedCursor);
  }
}
